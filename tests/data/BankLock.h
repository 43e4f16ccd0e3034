#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <atomic>

namespace mirevo::test {

// Another program holding the bank: a connection of its own in an exclusive transaction, as
// "BEGIN EXCLUSIVE" in sqlite3 does, until release() or the end of its scope.
class BankLock
{
public:
    explicit BankLock(const QString& bankPath)
        : m_name(QStringLiteral("mirevo.test.lock.%1").arg(++counter()))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(bankPath);
        m_locked = db.open() && QSqlQuery(db).exec(QStringLiteral("BEGIN EXCLUSIVE"));
    }
    ~BankLock() { release(); }
    BankLock(const BankLock&) = delete;
    BankLock& operator=(const BankLock&) = delete;

    bool isLocked() const { return m_locked; }
    void release()
    {
        if (m_name.isEmpty())
            return;
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            if (m_locked)
                QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
        m_name.clear();
        m_locked = false;
    }

private:
    static std::atomic<int>& counter()
    {
        static std::atomic<int> value{0};
        return value;
    }

    QString m_name;
    bool m_locked = false;
};

} // namespace mirevo::test
