#pragma once

#include "BankSchema.h"

#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <atomic>

namespace mirevo::test {

// A temporary program directory holding a new, empty question bank "mini.dll". Needs a
// QCoreApplication (the SQL drivers are plugins).
class TempProgramDir
{
public:
    TempProgramDir() : m_valid(m_dir.isValid() && createEmptyBank(bankPath(), &m_error)) {}

    bool isValid() const { return m_valid; }
    QString error() const { return m_error; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    QString bankPath() const { return filePath(QStringLiteral("mini.dll")); }

    bool insertQuestions(const QString& table, const QList<BankQuestion>& questions)
    {
        return mirevo::insertQuestions(bankPath(), table, questions, &m_error);
    }

    // A question with generated texts; shucang and XXDA empty.
    static BankQuestion question(qint64 id, const QString& zj, const QString& tx = QStringLiteral("单选题"),
                                 const QString& da = QStringLiteral("A"))
    {
        BankQuestion q;
        q.id = id;
        q.zj = zj;
        q.tm = QStringLiteral("第%1题：下列说法正确的是").arg(id);
        q.tx = tx;
        q.xxa = QStringLiteral("选项A");
        q.xxb = QStringLiteral("选项B");
        q.xxc = QStringLiteral("选项C");
        q.xxd = QStringLiteral("选项D");
        q.da = da;
        q.jx = QStringLiteral("解析%1").arg(id);
        return q;
    }

    // The first column of the first row of sql, read straight from the bank file with a
    // connection of its own; invalid when there is no row or the statement fails.
    QVariant bankValue(const QString& sql) const
    {
        QVariant value;
        withBank([&](QSqlQuery& query) {
            if (query.exec(sql) && query.next())
                value = query.value(0);
        });
        return value;
    }

    // Runs a statement straight on the bank file, for setting up a test.
    bool execute(const QString& sql) const
    {
        bool done = false;
        withBank([&](QSqlQuery& query) { done = query.exec(sql); });
        return done;
    }

private:
    template <typename Work> void withBank(Work work) const
    {
        static std::atomic<int> counter{0};
        const QString name = QStringLiteral("mirevo.test.bank.%1").arg(++counter);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(bankPath());
            if (db.open()) {
                QSqlQuery query(db);
                work(query);
            }
        }
        QSqlDatabase::removeDatabase(name);
    }

    QTemporaryDir m_dir;
    QString m_error;
    bool m_valid;
};

} // namespace mirevo::test
