#include "StudyLogSchema.h"

#include <QSqlQuery>
#include <QStringList>

namespace mirevo::studyLogSchema {

using namespace Qt::StringLiterals;

namespace {

struct Table
{
    QString name;
    QString columns; // as selected when the file is inspected
    QString definition;
};

// The raw log (practice_answer, hand_in) and what is derived from it in the same transaction
// as every write (question_state, practice_day, study_day), so that a report never has to
// replay the whole log. Times are milliseconds since 1970 UTC; days are Julian day numbers of
// the local date at the time of the entry.
const QList<Table>& tables()
{
    static const QList<Table> all = {
        {u"meta"_s, u"key, value"_s,
         u"CREATE TABLE meta(key TEXT PRIMARY KEY NOT NULL, value TEXT NOT NULL)"_s},
        {u"practice_answer"_s,
         u"id, subject, chapter, question, answer, correct, chosen, attempt, answered_at, day"_s,
         u"CREATE TABLE practice_answer("
         "id INTEGER PRIMARY KEY AUTOINCREMENT, subject INTEGER NOT NULL, chapter INTEGER NOT NULL, "
         "question INTEGER NOT NULL, answer TEXT NOT NULL, correct INTEGER NOT NULL, "
         "chosen INTEGER NOT NULL, attempt INTEGER NOT NULL, answered_at INTEGER NOT NULL, "
         "day INTEGER NOT NULL)"_s},
        {u"hand_in"_s,
         u"id, subject, paper, score, single_points, multiple_points, judgement_points, indefinite_points, "
         "started_at, ended_at, seconds_used, timed_out, day"_s,
         u"CREATE TABLE hand_in("
         "id INTEGER PRIMARY KEY AUTOINCREMENT, subject INTEGER NOT NULL, paper INTEGER NOT NULL, "
         "score REAL NOT NULL, single_points REAL NOT NULL, multiple_points REAL NOT NULL, "
         "judgement_points REAL NOT NULL, indefinite_points REAL NOT NULL, started_at INTEGER NOT NULL, "
         "ended_at INTEGER NOT NULL, seconds_used INTEGER NOT NULL, timed_out INTEGER NOT NULL, "
         "day INTEGER NOT NULL)"_s},
        {u"question_state"_s,
         u"subject, question, chapter, attempt, attempt_correct, before_in_book, before_in_a_row, in_book, "
         "right_in_a_row"_s,
         u"CREATE TABLE question_state("
         "subject INTEGER NOT NULL, question INTEGER NOT NULL, chapter INTEGER NOT NULL, "
         "attempt INTEGER NOT NULL, attempt_correct INTEGER NOT NULL, before_in_book INTEGER NOT NULL, "
         "before_in_a_row INTEGER NOT NULL, in_book INTEGER NOT NULL, right_in_a_row INTEGER NOT NULL, "
         "PRIMARY KEY(subject, question)) WITHOUT ROWID"_s},
        {u"practice_day"_s, u"subject, day, question"_s,
         u"CREATE TABLE practice_day(subject INTEGER NOT NULL, day INTEGER NOT NULL, "
         "question INTEGER NOT NULL, PRIMARY KEY(subject, day, question)) WITHOUT ROWID"_s},
        {u"study_day"_s, u"subject, day"_s,
         u"CREATE TABLE study_day(subject INTEGER NOT NULL, day INTEGER NOT NULL, "
         "PRIMARY KEY(subject, day)) WITHOUT ROWID"_s},
    };
    return all;
}

} // namespace

bool create(QSqlDatabase& db)
{
    if (!db.transaction())
        return false;
    QSqlQuery query(db);
    bool created = true;
    for (const Table& table : tables())
        created = created && query.exec(table.definition);
    created = created && query.prepare(u"INSERT INTO meta(key, value) VALUES('schema_version', ?)"_s);
    query.addBindValue(QString::number(version));
    created = created && query.exec();
    query.finish();
    if (created && db.commit())
        return true;
    db.rollback();
    return false;
}

Content inspect(QSqlDatabase& db)
{
    QSqlQuery query(db);
    // A file that is no database, or whose pages are broken, fails here.
    if (!query.exec(u"PRAGMA quick_check"_s) || !query.next() || query.value(0).toString() != u"ok"_s)
        return Content::Damaged;
    if (!query.exec(u"SELECT count(*) FROM sqlite_master WHERE type='table'"_s) || !query.next())
        return Content::Damaged;
    if (query.value(0).toInt() == 0)
        return Content::Empty;
    if (!query.exec(u"SELECT value FROM meta WHERE key='schema_version'"_s) || !query.next())
        return Content::Damaged;
    bool numeric = false;
    const int found = query.value(0).toString().toInt(&numeric);
    if (!numeric || found < 1)
        return Content::Damaged;
    if (found > version)
        return Content::Newer;
    for (const Table& table : tables()) {
        if (!query.exec(u"SELECT "_s + table.columns + u" FROM "_s + table.name + u" LIMIT 0"_s))
            return Content::Damaged;
    }
    return Content::Sound;
}

} // namespace mirevo::studyLogSchema
