#pragma once

#include "PlainCaption.h"

#include <QCheckBox>

namespace mirevo {

// A check box; writing `checked` changes the mark silently (only the user's click raises clicked).
class CheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit CheckBox(QWidget* parent = nullptr) : QCheckBox(parent) {}

    QString caption() const { return fromButtonText(text()); }
    void setCaption(const QString& caption) { setText(toButtonText(caption)); }
    void setColours(const QColor& text, const QColor& back);

protected:
    // The whole rectangle of the control takes the click, not only its mark and caption.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

} // namespace mirevo
