#pragma once

#include <QString>

namespace mirevo {

// What the user is told at start-up when files of the data directory take no writes (a
// read-only medium, directory or file): what will not be saved, and that the program runs on.
// Empty when everything can be saved.
QString readOnlyNotice(const QString& dataDirectory);

} // namespace mirevo
