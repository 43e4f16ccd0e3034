#pragma once

#include <QColor>

class QWidget;

namespace mirevo {

// Text and background colour of a check or radio box; invalid colours keep the defaults
// (the background then stays transparent).
void applyButtonColours(QWidget* box, const QColor& text, const QColor& back);

} // namespace mirevo
