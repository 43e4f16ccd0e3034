#include "Fonts.h"
#include "MainWindow.h"
#include "ProgramState.h"
#include "SystemServices.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // The program ends when the main window is destroyed, not when no window is visible:
    // the main window hides while the practice and examination windows are open.
    QApplication::setQuitOnLastWindowClosed(false);
    mirevo::installFontSubstitutions();

    mirevo::SystemServices system;
    mirevo::ProgramState state;
    mirevo::MainWindow mainWindow(state, system.services(), QCoreApplication::applicationDirPath());
    QObject::connect(&mainWindow, &mirevo::MainWindow::closed, &application, &QCoreApplication::quit);
    mainWindow.open();
    return QApplication::exec();
}
