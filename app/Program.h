#pragma once

#include <QString>

namespace mirevo {

// Runs the program until the main window is closed and returns the exit code. The files live in
// the data directory chosen at start-up: chosenDataDirectory when given, else the executable's
// directory when it holds a question bank, else the user's data directory. The application
// object must exist.
int runProgram(const QString& executableDirectory, const QString& chosenDataDirectory = {});

} // namespace mirevo
