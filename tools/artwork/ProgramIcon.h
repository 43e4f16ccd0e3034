#pragma once

#include <QImage>

namespace mirevo {

// The program's icon, `pixels` wide and high: the character 会 on a blue tile, with an orange
// tick for practice that has been checked. Drawn for the size, not scaled from another one.
QImage programIcon(int pixels);

} // namespace mirevo
