#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <atomic>

namespace mirevo::test {

// Reads and writes a study log file with a connection of its own, as another program would.
class StudyLogFile
{
public:
    explicit StudyLogFile(QString path) : m_path(std::move(path)) {}

    // Every row of sql, each as its column values; empty when the statement fails.
    QList<QVariantList> rows(const QString& sql) const
    {
        QList<QVariantList> all;
        with([&](QSqlQuery& query) {
            if (!query.exec(sql))
                return;
            while (query.next()) {
                QVariantList row;
                for (int column = 0; column < query.record().count(); ++column)
                    row.append(query.value(column));
                all.append(row);
            }
        });
        return all;
    }
    // The first column of the first row; invalid when there is none.
    QVariant value(const QString& sql) const
    {
        const QList<QVariantList> all = rows(sql);
        return all.isEmpty() || all.first().isEmpty() ? QVariant() : all.first().first();
    }
    bool execute(const QString& sql) const
    {
        bool done = false;
        with([&](QSqlQuery& query) { done = query.exec(sql); });
        return done;
    }

private:
    template <typename Work> void with(Work work) const
    {
        static std::atomic<int> counter{0};
        const QString name = QStringLiteral("mirevo.test.studyLog.%1").arg(++counter);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(m_path);
            if (db.open()) {
                QSqlQuery query(db);
                work(query);
            }
        }
        QSqlDatabase::removeDatabase(name);
    }

    QString m_path;
};

} // namespace mirevo::test
