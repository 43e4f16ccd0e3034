#pragma once

#include "PlainCaption.h"

#include <QPushButton>

namespace mirevo {

// A standard push button with a caption and an optional picture.
class Button : public QPushButton
{
    Q_OBJECT
public:
    explicit Button(QWidget* parent = nullptr);

    QString caption() const { return fromButtonText(text()); }
    void setCaption(const QString& caption) { setText(toButtonText(caption)); }
    void setPicture(const QPixmap& pixmap);
};

} // namespace mirevo
