#pragma once

#include "WindowDescription.h"

namespace mirevo {

// The candidate login screen: 900 × 700, resizable, opens maximized over a stretched backdrop.
WindowDescription examLoginWindowDescription();

// The examination window "Mirevo": 1006 × 738, fixed border, opens centred; banner, answer
// card, question area and toolbar.
WindowDescription examWindowDescription();

// The per-question result window "答题解析": 412 × 407, fixed border, opens centred.
WindowDescription examResultWindowDescription();

} // namespace mirevo
