#pragma once

#include <QString>

namespace mirevo {

// Brings the program to the front at the request of a later start: every window shown is
// restored if minimized and raised, the modal one last, and the top one is made active.
// activationToken is the desktop's token of that start, which lets the focus move to this
// program.
void bringProgramToFront(const QString& activationToken);

} // namespace mirevo
