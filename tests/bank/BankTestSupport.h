#pragma once

#include <QByteArray>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <atomic>

namespace mirevo::test {

// The reviewed sources of the shipped bank.
inline QString shippedSources()
{
    return QStringLiteral(MIREVO_BANK_SOURCES);
}

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Every row of the table, all columns joined by '|', in ID order: the oracle for "unchanged".
inline QStringList tableRows(const QString& bankPath, const QString& table)
{
    static std::atomic<int> counter{0};
    const QString name = QStringLiteral("mirevo.test.rows.%1").arg(++counter);
    QStringList rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(bankPath);
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(QStringLiteral("select * from %1 order by ID").arg(table))) {
                while (query.next()) {
                    QStringList values;
                    for (int column = 0; column < query.record().count(); ++column)
                        values << (query.isNull(column) ? QStringLiteral("<NULL>")
                                                        : query.value(column).toString());
                    rows << values.join(u'|');
                }
            }
        }
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

} // namespace mirevo::test
