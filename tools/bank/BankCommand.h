#pragma once

#include <QIODevice>
#include <QStringList>

namespace mirevo {

// The mirevo-bank command line: arguments without the program name; reports and exported
// tables go to out, errors to err, both UTF-8. Returns the exit status: 0 done, 1 failed or
// violations found, 2 a malformed command line.
int runBankCommand(const QStringList& arguments, QIODevice& out, QIODevice& err);

} // namespace mirevo
