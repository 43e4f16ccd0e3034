#include "Button.h"

namespace mirevo {

Button::Button(QWidget* parent) : QPushButton(parent)
{
    setAutoDefault(false);
}

void Button::setPicture(const QPixmap& pixmap)
{
    setIcon(QIcon(pixmap));
    setIconSize(pixmap.deviceIndependentSize().toSize());
}

} // namespace mirevo
