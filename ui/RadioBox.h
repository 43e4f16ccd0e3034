#pragma once

#include "PlainCaption.h"

#include <QRadioButton>

namespace mirevo {

// A radio box. The radio boxes with the same parent form one group for the user's choices
// only: a click or an arrow key checks this box and unchecks its siblings before clicked is
// raised. Writing `checked` changes this box alone, so every box can be unchecked.
class RadioBox : public QRadioButton
{
    Q_OBJECT
public:
    explicit RadioBox(QWidget* parent = nullptr);

    QString caption() const { return fromButtonText(text()); }
    void setCaption(const QString& caption) { setText(toButtonText(caption)); }
    void setColours(const QColor& text, const QColor& back);

protected:
    // The whole rectangle of the control takes the click, not only its mark and caption.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void nextCheckState() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void uncheckSiblings();
};

} // namespace mirevo
