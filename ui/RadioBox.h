#pragma once

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

    QString caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    void setColours(const QColor& text, const QColor& back);

protected:
    void nextCheckState() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void uncheckSiblings();
};

} // namespace mirevo
