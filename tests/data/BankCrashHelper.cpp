// Opens a bank, runs the given updates and dies by SIGKILL the moment the last one returns,
// so that nothing after ExecuteSql (no close, no exit handler) can help the update persist.
// Usage: bank_crash_helper file|odbc <bank> <update>...
#include "QuestionBank.h"

#include <QCoreApplication>
#include <QStringList>
#include <csignal>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4)
        return 2;
    mirevo::QuestionBank bank;
    const bool opened = args.at(1) == QStringLiteral("odbc")
                            ? bank.OpenOdbc(QStringLiteral("DRIVER={SQLite3};Database=%1;").arg(args.at(2)))
                            : bank.OpenDatabase(args.at(2));
    if (!opened)
        return 3;
    for (qsizetype update = 3; update < args.size(); ++update) {
        if (!bank.ExecuteSql(args.at(update)))
            return 4;
    }
    std::raise(SIGKILL);
    return 5;
}
