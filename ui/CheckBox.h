#pragma once

#include <QCheckBox>

namespace mirevo {

// A check box; writing `checked` changes the mark silently (only the user's click raises clicked).
class CheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit CheckBox(QWidget* parent = nullptr) : QCheckBox(parent) {}

    QString caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    void setColours(const QColor& text, const QColor& back);
};

} // namespace mirevo
