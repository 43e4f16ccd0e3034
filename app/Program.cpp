#include "Program.h"

#include "Fonts.h"
#include "MainWindow.h"
#include "ProgramState.h"
#include "SystemServices.h"
#include "Translations.h"

#include <QApplication>

namespace mirevo {

int runProgram(const QString& programDirectory)
{
    // The program ends when the main window is destroyed, not when no window is visible:
    // the main window hides while the practice and examination windows are open.
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutions();
    installQtTranslations();

    SystemServices system;
    ProgramState state;
    MainWindow mainWindow(state, system.services(), programDirectory);
    QObject::connect(&mainWindow, &MainWindow::closed, qApp, &QCoreApplication::quit);
    mainWindow.open();
    return QApplication::exec();
}

} // namespace mirevo
