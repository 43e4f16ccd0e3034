#pragma once

#include "WindowDescription.h"

namespace mirevo {

// The record-clearing window: 355 × 226, fixed border, four check boxes and 按钮_确定.
WindowDescription clearingWindowDescription();

} // namespace mirevo
