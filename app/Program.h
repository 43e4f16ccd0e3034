#pragma once

#include <QString>

namespace mirevo {

// Runs the program with its files in `programDirectory` until the main window is closed;
// returns the exit code. The application object must exist.
int runProgram(const QString& programDirectory);

} // namespace mirevo
