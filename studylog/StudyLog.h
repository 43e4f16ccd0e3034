#pragma once

#include "StudyRecords.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <memory>

namespace mirevo {

// The study log 学习记录.db beside the question bank: every practice answer and every hand-in
// the bank kept, and the wrong-answer book derived from them. An SQLite file of its own, so
// that the bank keeps exactly its schema. Every write is one transaction, on disk when it
// returns. No operation shows a message: failures are results.
class StudyLog
{
public:
    static constexpr int busyWaitMs = 1000;

    enum class Opening
    {
        Opened,   // an existing log
        Created,  // there was none: a new one
        Replaced, // a damaged or unreadable log was set aside (setAsidePath()) and a new one started
        Busy,     // another program holds the file: no log for now, and the file is left alone
        Failed,   // no log could be opened or made (a set-aside file may still exist)
    };

    StudyLog();
    ~StudyLog();
    StudyLog(const StudyLog&) = delete;
    StudyLog& operator=(const StudyLog&) = delete;

    // Opens the log at `path`, creating it when it is missing. `now` names a set-aside file.
    Opening open(const QString& path, const QDateTime& now);
    void close();
    bool isOpen() const;
    QString path() const { return m_path; }
    QString setAsidePath() const { return m_setAsidePath; }

    // A number for a new showing of a practice question, above every attempt in the log.
    qint64 newAttempt() { return ++m_lastAttempt; }

    bool recordPracticeAnswer(const PracticeAnswer& answer);
    bool recordHandIn(const HandIn& handIn);
    // The subject's practice answers, and with them its wrong-answer book.
    bool clearPracticeAnswers(int subject);
    bool clearHandIns(int subject);

    // The questions of the subject's book, of one chapter (0: every chapter), ascending.
    QList<qint64> wrongAnswers(int subject, int chapter = 0) const;
    // Questions in the book by chapter.
    QHash<int, int> wrongAnswerCounts(int subject) const;
    StudyActivity activity(int subject, const QDate& today) const;
    // Every hand-in of the subject, in the order they were made: paper, score, end (in UTC),
    // seconds used and time-out; its start and section points stay in the log.
    QList<HandIn> handIns(int subject) const;

private:
    struct Connection;

    enum class Attempt
    {
        Sound,
        Damaged,
        Busy,
        Failed,
    };
    Attempt connect(const QString& path);
    bool setAside(const QDateTime& now);
    bool updateStanding(const PracticeAnswer& answer, qint64 day);

    std::unique_ptr<Connection> m_connection;
    QString m_path;
    QString m_setAsidePath;
    qint64 m_lastAttempt = 0;
};

} // namespace mirevo
