#pragma once

#include "WindowDescription.h"

namespace mirevo {

// The practice window: 921 × 667 at 50, 50 with a fixed border, the question on the left, the
// answer panel below it and, on the right, the clock, the legend and the answer card.
WindowDescription practiceWindowDescription();

} // namespace mirevo
