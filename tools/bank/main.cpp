// mirevo-bank: builds, checks, imports into and exports from question bank files.
#include "BankCommand.h"

#include <QCoreApplication>
#include <QFile>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QFile out;
    QFile err;
    if (!out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        !err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return 1;
    return mirevo::runBankCommand(QCoreApplication::arguments().mid(1), out, err);
}
