#pragma once

#include "Services.h"

#include <functional>

namespace mirevo {

struct ProgramState;

// Opens the record-clearing window, not modal; it deletes itself when it is closed. Each press
// of 按钮_确定 asks, then clears every checked kind of record of the current subject and calls
// `cleared` so that the screens drop what they show of them.
void openClearingWindow(ProgramState& state, Services services, std::function<void()> cleared = {});

} // namespace mirevo
