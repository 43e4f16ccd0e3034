#pragma once

#include "WindowDescription.h"

namespace mirevo {

// The main window: borderless 900 × 582, its navigation row and its six pages.
WindowDescription mainWindowDescription();

} // namespace mirevo
