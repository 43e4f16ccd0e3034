#include "ProgramNames.h"

#include "PlatformConfig.h"

#include <QCoreApplication>

namespace mirevo {

using namespace Qt::StringLiterals;

void nameProgram()
{
    // With no organisation name set, the per-user data directory is ~/.local/share/Mirevo.
    QCoreApplication::setApplicationName(u"Mirevo"_s);
    QCoreApplication::setApplicationVersion(programVersion());
}

} // namespace mirevo
