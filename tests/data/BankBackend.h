#pragma once

#include "QuestionBank.h"

#include <QSqlDatabase>
#include <QString>
#include <ostream>

namespace mirevo::test {

// The two roads to an SQLite bank: the file opened directly, and ODBC through unixODBC's
// SQLite3 driver.
enum class BankBackend
{
    File,
    Odbc
};

inline void PrintTo(BankBackend backend, std::ostream* os)
{
    *os << (backend == BankBackend::File ? "File" : "Odbc");
}

inline QString sqliteOdbcConnectString(const QString& bankPath)
{
    return QStringLiteral("DRIVER={SQLite3};Database=%1;").arg(bankPath);
}

// Whether the SQLite3 ODBC driver can be reached at all, checked without the store.
inline bool sqliteOdbcDriverAvailable(const QString& bankPath)
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QODBC")))
        return false;
    const QString name = QStringLiteral("mirevo.test.odbcProbe");
    bool available = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), name);
        db.setDatabaseName(sqliteOdbcConnectString(bankPath));
        available = db.open();
    }
    QSqlDatabase::removeDatabase(name);
    return available;
}

inline bool openBank(QuestionBank& bank, BankBackend backend, const QString& bankPath, bool readOnly = false)
{
    return backend == BankBackend::File ? bank.OpenDatabase(bankPath, {}, {}, readOnly)
                                        : bank.OpenOdbc(sqliteOdbcConnectString(bankPath), readOnly);
}

} // namespace mirevo::test
