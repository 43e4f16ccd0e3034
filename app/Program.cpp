#include "Program.h"

#include "Fonts.h"
#include "PlatformConfig.h"
#include "ProgramSession.h"
#include "SystemServices.h"
#include "Translations.h"

#include <QApplication>

namespace mirevo {

int runProgram(const QString& executableDirectory, const QString& chosenDataDirectory)
{
    // The program ends when the main window is destroyed, not when no window is visible:
    // the main window hides while the practice and examination windows are open.
    QApplication::setQuitOnLastWindowClosed(false);
    // The desktop finds the menu entry and its icon for the windows by this name.
    QGuiApplication::setDesktopFileName(applicationId());
    installFontSubstitutions();
    installQtTranslations();

    SystemServices system;
    ProgramSession session(system.services());
    QObject::connect(&session, &ProgramSession::closed, qApp, &QCoreApplication::quit);
    if (!session.start(executableDirectory, chosenDataDirectory))
        return session.exitCode();
    return QApplication::exec();
}

} // namespace mirevo
