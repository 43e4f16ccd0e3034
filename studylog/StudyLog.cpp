#include "StudyLog.h"

#include "StudyCalendar.h"
#include "StudyLogSchema.h"
#include "WrongAnswerBook.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

QString uniqueConnectionName()
{
    static std::atomic<quint64> counter{0};
    return u"mirevo.studyLog.%1"_s.arg(++counter);
}

bool isBusy(const QSqlError& error)
{
    bool numeric = false;
    const int code = error.nativeErrorCode().toInt(&numeric) & 0xFF;
    return numeric && (code == 5 || code == 6); // SQLITE_BUSY, SQLITE_LOCKED
}

qint64 dayOf(const QDateTime& time)
{
    return studyCalendar::dayOf(time.toLocalTime().date());
}

// The files SQLite keeps beside a database while it is written.
const QStringList companionSuffixes = {u"-journal"_s, u"-wal"_s, u"-shm"_s};

} // namespace

struct StudyLog::Connection
{
    QString name = uniqueConnectionName();
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name);
    // Prepared once: every practice answer runs them.
    QSqlQuery insertAnswer{db};
    QSqlQuery readStanding{db};
    QSqlQuery writeStanding{db};
    QSqlQuery insertPracticeDay{db};
    QSqlQuery insertStudyDay{db};

    Connection() = default;
    ~Connection()
    {
        for (QSqlQuery* query :
             {&insertAnswer, &readStanding, &writeStanding, &insertPracticeDay, &insertStudyDay})
            *query = QSqlQuery();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool prepare()
    {
        return insertAnswer.prepare(u"INSERT INTO practice_answer(subject, chapter, question, answer, "
                                    u"correct, chosen, attempt, "
                                    "answered_at, day) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)"_s) &&
               readStanding.prepare(
                   u"SELECT attempt, attempt_correct, before_in_book, before_in_a_row, in_book, "
                   "right_in_a_row FROM question_state WHERE subject=? AND question=?"_s) &&
               writeStanding.prepare(
                   u"INSERT OR REPLACE INTO question_state(subject, question, chapter, attempt, "
                   u"attempt_correct, "
                   "before_in_book, before_in_a_row, in_book, right_in_a_row) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)"_s) &&
               insertPracticeDay.prepare(
                   u"INSERT OR IGNORE INTO practice_day(subject, day, question) VALUES(?, ?, ?)"_s) &&
               insertStudyDay.prepare(u"INSERT OR IGNORE INTO study_day(subject, day) VALUES(?, ?)"_s);
    }

    // Runs each statement with its values in one transaction; false, with nothing changed, when
    // one fails.
    bool runInTransaction(const QList<std::pair<QString, QVariantList>>& statements)
    {
        if (!db.transaction())
            return false;
        QSqlQuery query(db);
        for (const auto& [sql, values] : statements) {
            bool ran = query.prepare(sql);
            for (const QVariant& value : values)
                query.addBindValue(value);
            if (!ran || !query.exec()) {
                db.rollback();
                return false;
            }
        }
        query.finish();
        if (db.commit())
            return true;
        db.rollback();
        return false;
    }
};

StudyLog::StudyLog() = default;

StudyLog::~StudyLog()
{
    close();
}

bool StudyLog::isOpen() const
{
    return m_connection && m_connection->db.isOpen();
}

void StudyLog::close()
{
    m_connection.reset();
}

StudyLog::Opening StudyLog::open(const QString& path, const QDateTime& now)
{
    close();
    m_path = path;
    m_setAsidePath.clear();
    m_lastAttempt = 0;
    const bool existed = QFileInfo::exists(path);
    switch (connect(path)) {
    case Attempt::Sound:
        return existed ? Opening::Opened : Opening::Created;
    case Attempt::Busy:
        close();
        return Opening::Busy;
    case Attempt::Failed:
        close();
        if (!existed)
            return Opening::Failed;
        break;
    case Attempt::Damaged:
        close();
        break;
    }
    if (!existed || !setAside(now))
        return Opening::Failed;
    if (connect(path) == Attempt::Sound)
        return Opening::Replaced;
    close();
    return Opening::Failed;
}

StudyLog::Attempt StudyLog::connect(const QString& path)
{
    m_connection = std::make_unique<Connection>();
    QSqlDatabase& db = m_connection->db;
    db.setDatabaseName(path);
    db.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT=%1"_s.arg(busyWaitMs));
    if (!db.open())
        return Attempt::Damaged;
    QSqlQuery probe(db);
    if (!probe.exec(u"PRAGMA schema_version"_s))
        return isBusy(probe.lastError()) ? Attempt::Busy : Attempt::Damaged;
    probe.finish();
    const studyLogSchema::Content content = studyLogSchema::inspect(db);
    if (content == studyLogSchema::Content::Damaged || content == studyLogSchema::Content::Newer)
        return Attempt::Damaged;
    // Every write is on disk when it returns. A write-ahead log flushes once per transaction
    // where a rollback journal flushes twice, and is folded back into the file when it closes.
    QSqlQuery pragma(db);
    pragma.exec(u"PRAGMA journal_mode=WAL"_s);
    pragma.exec(u"PRAGMA synchronous=FULL"_s);
    pragma.finish();
    if (content == studyLogSchema::Content::Empty && !studyLogSchema::create(db))
        return Attempt::Failed;
    if (!m_connection->prepare())
        return Attempt::Failed;
    QSqlQuery last(db);
    if (!last.exec(u"SELECT attempt FROM practice_answer ORDER BY id DESC LIMIT 1"_s))
        return Attempt::Failed;
    if (last.next())
        m_lastAttempt = last.value(0).toLongLong();
    return Attempt::Sound;
}

bool StudyLog::setAside(const QDateTime& now)
{
    const QFileInfo info(m_path);
    const QString stem =
        info.dir().filePath(info.completeBaseName() + u".损坏-"_s + now.toString(u"yyyyMMdd-HHmmss"_s));
    const QString suffix = info.suffix().isEmpty() ? QString() : u"."_s + info.suffix();
    QString aside = stem + suffix;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = stem + u"-%1"_s.arg(n) + suffix;
    if (!QFile::rename(m_path, aside))
        return false;
    m_setAsidePath = aside;
    // A journal left beside the new log would be played back into it: it goes with its file.
    for (const QString& companion : companionSuffixes) {
        const QString file = m_path + companion;
        if (QFileInfo::exists(file) && !QFile::rename(file, aside + companion) && !QFile::remove(file))
            return false;
    }
    return true;
}

bool StudyLog::recordPracticeAnswer(const PracticeAnswer& answer)
{
    if (!isOpen())
        return false;
    Connection& c = *m_connection;
    const qint64 day = dayOf(answer.answeredAt);
    if (!c.db.transaction())
        return false;
    QSqlQuery& insert = c.insertAnswer;
    const QVariantList values = {answer.subject,
                                 answer.chapter,
                                 answer.question,
                                 answer.answer,
                                 int(answer.correct),
                                 int(answer.chosen),
                                 answer.attempt,
                                 answer.answeredAt.toMSecsSinceEpoch(),
                                 day};
    for (int i = 0; i < values.size(); ++i)
        insert.bindValue(i, values[i]);
    const bool written = insert.exec() && (!answer.chosen || updateStanding(answer, day));
    if (written && c.db.commit())
        return true;
    c.db.rollback();
    return false;
}

bool StudyLog::updateStanding(const PracticeAnswer& answer, qint64 day)
{
    Connection& c = *m_connection;
    QSqlQuery& read = c.readStanding;
    read.bindValue(0, answer.subject);
    read.bindValue(1, answer.question);
    if (!read.exec())
        return false;
    // The standing before this attempt: the last attempt's result, or, while the same attempt
    // goes on, what stood before it began.
    BookStanding before;
    if (read.next()) {
        const bool sameAttempt = read.value(0).toLongLong() == answer.attempt;
        before = sameAttempt ? BookStanding{read.value(2).toBool(), read.value(3).toInt()}
                             : BookStanding{read.value(4).toBool(), read.value(5).toInt()};
    }
    read.finish();
    const BookStanding after = afterAttempt(before, answer.correct);

    QSqlQuery& write = c.writeStanding;
    const QVariantList values = {answer.subject,     answer.question,     answer.chapter,
                                 answer.attempt,     int(answer.correct), int(before.inBook),
                                 before.rightInARow, int(after.inBook),   after.rightInARow};
    for (int i = 0; i < values.size(); ++i)
        write.bindValue(i, values[i]);
    QSqlQuery& practiceDay = c.insertPracticeDay;
    practiceDay.bindValue(0, answer.subject);
    practiceDay.bindValue(1, day);
    practiceDay.bindValue(2, answer.question);
    QSqlQuery& studyDay = c.insertStudyDay;
    studyDay.bindValue(0, answer.subject);
    studyDay.bindValue(1, day);
    return write.exec() && practiceDay.exec() && studyDay.exec();
}

bool StudyLog::recordHandIn(const HandIn& handIn)
{
    if (!isOpen())
        return false;
    const qint64 day = dayOf(handIn.endedAt);
    const SectionPoints& p = handIn.points;
    return m_connection->runInTransaction({
        {u"INSERT INTO hand_in(subject, paper, score, single_points, multiple_points, judgement_points, "
         "indefinite_points, started_at, ended_at, seconds_used, timed_out, day) "
         "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s,
         {handIn.subject, handIn.paper, handIn.score, p.single, p.multiple, p.judgement, p.indefinite,
          handIn.startedAt.toMSecsSinceEpoch(), handIn.endedAt.toMSecsSinceEpoch(),
          qMax(0, handIn.secondsUsed), int(handIn.timedOut), day}},
        {u"INSERT OR IGNORE INTO study_day(subject, day) VALUES(?, ?)"_s, {handIn.subject, day}},
    });
}

bool StudyLog::clearPracticeAnswers(int subject)
{
    if (!isOpen())
        return false;
    // The study days that remain are those of the hand-ins.
    return m_connection->runInTransaction({
        {u"DELETE FROM practice_answer WHERE subject=?"_s, {subject}},
        {u"DELETE FROM question_state WHERE subject=?"_s, {subject}},
        {u"DELETE FROM practice_day WHERE subject=?"_s, {subject}},
        {u"DELETE FROM study_day WHERE subject=?"_s, {subject}},
        {u"INSERT OR IGNORE INTO study_day(subject, day) SELECT subject, day FROM hand_in WHERE subject=?"_s,
         {subject}},
    });
}

bool StudyLog::clearHandIns(int subject)
{
    if (!isOpen())
        return false;
    return m_connection->runInTransaction({
        {u"DELETE FROM hand_in WHERE subject=?"_s, {subject}},
        {u"DELETE FROM study_day WHERE subject=?"_s, {subject}},
        {u"INSERT OR IGNORE INTO study_day(subject, day) SELECT subject, day FROM practice_day WHERE subject=?"_s,
         {subject}},
    });
}

QList<qint64> StudyLog::wrongAnswers(int subject, int chapter) const
{
    QList<qint64> questions;
    if (!isOpen())
        return questions;
    QSqlQuery query(m_connection->db);
    query.setForwardOnly(true);
    query.prepare(u"SELECT question FROM question_state WHERE subject=? AND in_book=1 AND (?=0 OR chapter=?) "
                  "ORDER BY question"_s);
    query.addBindValue(subject);
    query.addBindValue(chapter);
    query.addBindValue(chapter);
    if (query.exec()) {
        while (query.next())
            questions.append(query.value(0).toLongLong());
    }
    return questions;
}

QHash<int, int> StudyLog::wrongAnswerCounts(int subject) const
{
    QHash<int, int> counts;
    if (!isOpen())
        return counts;
    QSqlQuery query(m_connection->db);
    query.setForwardOnly(true);
    query.prepare(
        u"SELECT chapter, count(*) FROM question_state WHERE subject=? AND in_book=1 GROUP BY chapter"_s);
    query.addBindValue(subject);
    if (query.exec()) {
        while (query.next())
            counts.insert(query.value(0).toInt(), query.value(1).toInt());
    }
    return counts;
}

StudyActivity StudyLog::activity(int subject, const QDate& today) const
{
    StudyActivity activity;
    if (!isOpen())
        return activity;
    QSqlQuery query(m_connection->db);
    query.setForwardOnly(true);
    const qint64 day = studyCalendar::dayOf(today);
    const auto count = [&](const QString& sql, const QVariantList& values) {
        query.prepare(sql);
        for (const QVariant& value : values)
            query.addBindValue(value);
        return query.exec() && query.next() ? query.value(0).toInt() : 0;
    };
    // Days after today were logged while the clock stood ahead: they count as today.
    const QString distinctSince =
        u"SELECT count(DISTINCT question) FROM practice_day WHERE subject=? AND day>=?"_s;
    activity.today = count(distinctSince, {subject, day});
    activity.thisWeek = count(distinctSince, {subject, studyCalendar::weekStart(today)});
    activity.total = count(u"SELECT count(*) FROM question_state WHERE subject=?"_s, {subject});
    QList<qint64> days;
    query.prepare(u"SELECT day FROM study_day WHERE subject=?"_s);
    query.addBindValue(subject);
    if (query.exec()) {
        while (query.next())
            days.append(query.value(0).toLongLong());
    }
    activity.daysInARow = studyCalendar::daysInARow(days, day);
    return activity;
}

QList<HandIn> StudyLog::handIns(int subject) const
{
    QList<HandIn> all;
    if (!isOpen())
        return all;
    QSqlQuery query(m_connection->db);
    query.setForwardOnly(true);
    query.prepare(
        u"SELECT paper, score, ended_at, seconds_used, timed_out FROM hand_in WHERE subject=? ORDER BY id"_s);
    query.addBindValue(subject);
    if (!query.exec())
        return all;
    while (query.next()) {
        HandIn h;
        h.subject = subject;
        h.paper = query.value(0).toInt();
        h.score = query.value(1).toDouble();
        // In UTC: a report of a thousand hand-ins converts only the few it shows to local time.
        h.endedAt = QDateTime::fromMSecsSinceEpoch(query.value(2).toLongLong(), Qt::UTC);
        h.secondsUsed = query.value(3).toInt();
        h.timedOut = query.value(4).toBool();
        all.append(h);
    }
    return all;
}

} // namespace mirevo
