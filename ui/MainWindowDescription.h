#pragma once

#include "WindowDescription.h"

namespace mirevo {

// The main window: borderless 900 × 582, its navigation row and its five pages.
WindowDescription mainWindowDescription();

} // namespace mirevo
