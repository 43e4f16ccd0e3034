#include "CheckBox.h"

#include "ButtonColours.h"

namespace mirevo {

void CheckBox::setColours(const QColor& text, const QColor& back)
{
    applyButtonColours(this, text, back);
}

} // namespace mirevo
