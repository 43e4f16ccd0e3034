#include "ButtonColours.h"

#include <QWidget>

namespace mirevo {

void applyButtonColours(QWidget* box, const QColor& text, const QColor& back)
{
    QPalette palette = box->palette();
    if (text.isValid()) {
        palette.setColor(QPalette::WindowText, text);
        palette.setColor(QPalette::ButtonText, text);
    }
    // Check and radio boxes fill their background from the button role.
    if (back.isValid()) {
        palette.setColor(QPalette::Window, back);
        palette.setColor(QPalette::Button, back);
    }
    box->setPalette(palette);
    box->setAutoFillBackground(back.isValid());
}

} // namespace mirevo
