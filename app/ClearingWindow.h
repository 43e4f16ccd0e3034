#pragma once

#include "Services.h"

namespace mirevo {

struct ProgramState;

// Opens the record-clearing window, not modal; it deletes itself when it is closed. Each press
// of 按钮_确定 clears one kind of record of the current subject: that of the first checked box.
void openClearingWindow(ProgramState& state, Services services);

} // namespace mirevo
