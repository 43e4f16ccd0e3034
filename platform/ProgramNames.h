#pragma once

namespace mirevo {

// Gives the application its name and version before any application object exists: the
// command line prints them and the per-user data directory is named after the program.
void nameProgram();

} // namespace mirevo
