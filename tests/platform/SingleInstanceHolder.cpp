// single_instance_holder DIR: claims DIR as the program does, says "claimed", then reports every
// activation request as "activated TOKEN" until it is killed.
#include "SingleInstance.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2)
        return 2;
    mirevo::SingleInstance instance(arguments[1]);
    QTextStream out(stdout);
    QObject::connect(&instance, &mirevo::SingleInstance::activationRequested, &application,
                     [&out](const QString& token) { out << "activated " << token << Qt::endl; });
    if (instance.claim() != mirevo::SingleInstance::Claim::Claimed)
        return 1;
    out << "claimed" << Qt::endl;
    return QCoreApplication::exec();
}
