#include "AccessConnectString.h"

namespace mirevo {

using namespace Qt::StringLiterals;

QString accessConnectString(const QString& databaseFile, const QString& userName, const QString& password)
{
    QString connect = u"ODBC;DBQ="_s + databaseFile;
    const qsizetype lastBackslash = databaseFile.lastIndexOf(u'\\');
    if (lastBackslash >= 0)
        connect += u";DefaultDir="_s + databaseFile.left(lastBackslash);
    connect += u";Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access"_s;
    if (!userName.isEmpty())
        connect += u";UID="_s + userName;
    if (!password.isEmpty())
        connect += u";PWD="_s + password;
    connect += u';';
    return connect;
}

} // namespace mirevo
