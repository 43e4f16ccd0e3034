#include "CommandLine.h"
#include "Program.h"
#include "ProgramNames.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    using Request = mirevo::CommandLine::Request;
    mirevo::nameProgram();
    mirevo::CommandLine commandLine;
    Request request = commandLine.parse(mirevo::argumentsOf(argc, argv));
    if (request == Request::ShowHelp || request == Request::ShowVersion) {
        // Help and version need no display.
        QCoreApplication application(argc, argv);
        commandLine.print(request);
        return mirevo::CommandLine::exitCode(request);
    }
    QApplication application(argc, argv);
    // What the first reading refused may be Qt's own options, which the application has taken.
    if (request == Request::Fail)
        request = commandLine.parse(QCoreApplication::arguments());
    if (request != Request::Run) {
        commandLine.print(request);
        return mirevo::CommandLine::exitCode(request);
    }
    return mirevo::runProgram(QCoreApplication::applicationDirPath(), commandLine.dataDirectory());
}
