// mirevo-bank: makes and looks after question bank files.
#include "BankSchema.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

int usage()
{
    QTextStream(stderr) << "usage: mirevo-bank create OUT\n";
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() != 2 || arguments[0] != QLatin1String("create"))
        return usage();
    QString error;
    if (!mirevo::createEmptyBank(arguments[1], &error)) {
        QTextStream(stderr) << "mirevo-bank: " << error << '\n';
        return 1;
    }
    return 0;
}
