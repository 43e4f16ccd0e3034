#pragma once

#include "WindowDescription.h"

namespace mirevo {

// The settings window "系统设置": 505 × 388, centred, fixed border.
WindowDescription settingsWindowDescription();

} // namespace mirevo
