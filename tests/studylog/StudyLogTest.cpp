#include "StudyLog.h"

#include "StudyCalendar.h"
#include "StudyLogFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace mirevo {
namespace {

const QDateTime morning(QDate(2024, 5, 15), QTime(9, 30));

class StudyLogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(u"学习记录.db"_s);
    }

    void openLog(StudyLog::Opening expected = StudyLog::Opening::Created)
    {
        ASSERT_EQ(log.open(path, morning), expected);
        ASSERT_TRUE(log.isOpen());
    }

    // One attempt at a question: the user's choices in order, each stored as chosen.
    qint64 attempt(qint64 question, const QList<bool>& choices, int chapter = 1, int subject = 1,
                   const QDateTime& at = morning)
    {
        const qint64 number = log.newAttempt();
        for (const bool right : choices) {
            EXPECT_TRUE(log.recordPracticeAnswer(
                {subject, chapter, question, right ? u"A"_s : u"B"_s, right, true, number, at}));
        }
        return number;
    }

    HandIn handIn(int paper, double score, const QDateTime& ended = morning, int subject = 1)
    {
        HandIn h;
        h.subject = subject;
        h.paper = paper;
        h.score = score;
        h.points = {score / 2, score / 4, score / 8, score / 8};
        h.startedAt = ended.addSecs(-3600);
        h.endedAt = ended;
        h.secondsUsed = 3600;
        return h;
    }

    test::StudyLogFile file() const { return test::StudyLogFile(path); }

    QTemporaryDir dir;
    QString path;
    StudyLog log;
};

TEST_F(StudyLogTest, AMissingLogIsCreatedWithItsSchemaVersion)
{
    openLog(StudyLog::Opening::Created);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(file().value(u"SELECT value FROM meta WHERE key='schema_version'"_s).toString(), u"1"_s);
    EXPECT_EQ(file().value(u"SELECT count(*) FROM practice_answer"_s).toInt(), 0);
    EXPECT_EQ(file().value(u"SELECT count(*) FROM hand_in"_s).toInt(), 0);
}

TEST_F(StudyLogTest, EveryPracticeAnswerIsOnDiskWhenItIsRecorded)
{
    openLog();
    const qint64 number = log.newAttempt();
    ASSERT_TRUE(log.recordPracticeAnswer({2, 7, 1234, u"AD"_s, true, true, number, morning}));
    const QList<QVariantList> rows = file().rows(
        u"SELECT subject, chapter, question, answer, correct, chosen, attempt, answered_at, day FROM practice_answer"_s);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0], (QVariantList{2, 7, 1234, u"AD"_s, 1, 1, number, morning.toMSecsSinceEpoch(),
                                     studyCalendar::dayOf(morning.date())}));
}

TEST_F(StudyLogTest, AReopenedLogKeepsItsEntriesAndNumbersNewAttemptsAboveThem)
{
    openLog();
    attempt(10, {false});
    const qint64 last = attempt(11, {false});
    log.close();
    openLog(StudyLog::Opening::Opened);
    EXPECT_EQ(log.wrongAnswers(1), (QList<qint64>{10, 11}));
    EXPECT_GT(log.newAttempt(), last);
}

TEST_F(StudyLogTest, AWrongAnswerPutsTheQuestionInTheBookAndTwoRightAttemptsTakeItOut)
{
    openLog();
    attempt(5, {false});
    EXPECT_EQ(log.wrongAnswers(1), QList<qint64>{5});
    attempt(5, {true});
    EXPECT_EQ(log.wrongAnswers(1), QList<qint64>{5}) << "one right answer is not enough";
    attempt(5, {true});
    EXPECT_TRUE(log.wrongAnswers(1).isEmpty());
    attempt(5, {false});
    EXPECT_EQ(log.wrongAnswers(1), QList<qint64>{5}) << "a new wrong answer brings it back";
}

TEST_F(StudyLogTest, TheLastChoiceOfAnAttemptIsItsAnswer)
{
    openLog();
    // Ticking the boxes of a multiple-choice question one by one stores wrong answers on the way.
    attempt(6, {false, false, true});
    EXPECT_TRUE(log.wrongAnswers(1).isEmpty());
    attempt(7, {false});
    // In the book: one attempt of right, wrong, right choices is one right answer, not two.
    attempt(7, {true, false, true});
    EXPECT_EQ(log.wrongAnswers(1), QList<qint64>{7});
    attempt(7, {false, true});
    EXPECT_TRUE(log.wrongAnswers(1).isEmpty());
}

TEST_F(StudyLogTest, AnAnswerStoredAgainOnLeavingIsNoAttempt)
{
    openLog();
    attempt(8, {false});
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(log.recordPracticeAnswer({1, 1, 8, u"A"_s, true, false, log.newAttempt(), morning}));
    EXPECT_EQ(log.wrongAnswers(1), QList<qint64>{8});
    EXPECT_EQ(file().value(u"SELECT count(*) FROM practice_answer WHERE question=8"_s).toInt(), 4)
        << "every stored answer is logged";
    EXPECT_EQ(log.activity(1, morning.date()).today, 1);
}

TEST_F(StudyLogTest, TheBookIsPerSubjectAndChapterInAscendingOrder)
{
    openLog();
    attempt(30, {false}, 2);
    attempt(4, {false}, 2);
    attempt(12, {false}, 1);
    attempt(12, {false}, 1, 2);
    attempt(13, {true}, 1);
    EXPECT_EQ(log.wrongAnswers(1), (QList<qint64>{4, 12, 30}));
    EXPECT_EQ(log.wrongAnswers(1, 2), (QList<qint64>{4, 30}));
    EXPECT_EQ(log.wrongAnswers(1, 1), QList<qint64>{12});
    EXPECT_TRUE(log.wrongAnswers(1, 3).isEmpty());
    EXPECT_EQ(log.wrongAnswers(2), QList<qint64>{12});
    const QHash<int, int> counts = log.wrongAnswerCounts(1);
    EXPECT_EQ(counts.value(1), 1);
    EXPECT_EQ(counts.value(2), 2);
    EXPECT_EQ(counts.size(), 2);
}

TEST_F(StudyLogTest, ActivityCountsDistinctQuestionsTodayThisWeekAndEver)
{
    openLog();
    const QDateTime lastWeek = morning.addDays(-7);
    const QDateTime monday = morning.addDays(-2);
    attempt(1, {true}, 1, 1, lastWeek);
    attempt(2, {true}, 1, 1, monday);
    attempt(1, {false}, 1, 1, monday);
    attempt(1, {true}, 1, 1, morning);
    attempt(3, {true}, 1, 1, morning);
    attempt(3, {true}, 1, 1, morning);
    attempt(9, {true}, 1, 2, morning);
    const StudyActivity a = log.activity(1, morning.date());
    EXPECT_EQ(a.today, 2);
    EXPECT_EQ(a.thisWeek, 3);
    EXPECT_EQ(a.total, 3);
    EXPECT_EQ(a.daysInARow, 1) << "Tuesday was missed";
    EXPECT_EQ(log.activity(2, morning.date()).total, 1);
}

TEST_F(StudyLogTest, HandInDaysAreStudyDaysToo)
{
    openLog();
    attempt(1, {true}, 1, 1, morning.addDays(-2));
    ASSERT_TRUE(log.recordHandIn(handIn(3, 70, morning.addDays(-1))));
    attempt(1, {true}, 1, 1, morning);
    EXPECT_EQ(log.activity(1, morning.date()).daysInARow, 3);
    EXPECT_EQ(log.activity(2, morning.date()).daysInARow, 0);
}

TEST_F(StudyLogTest, AClockSetBackCountsTheLaterEntriesAsTodayAndKeepsTheRun)
{
    openLog();
    attempt(1, {true}, 1, 1, morning.addDays(-1));
    attempt(2, {true}, 1, 1, morning);
    attempt(3, {true}, 1, 1, morning.addDays(1));
    // The clock now stands a day back, on the 15th.
    const StudyActivity a = log.activity(1, morning.date());
    EXPECT_EQ(a.today, 2);
    EXPECT_EQ(a.daysInARow, 2);
    attempt(4, {true}, 1, 1, morning.addSecs(60));
    EXPECT_EQ(log.activity(1, morning.date()).daysInARow, 2);
}

TEST_F(StudyLogTest, HandInsAreKeptInTheOrderTheyWereMade)
{
    openLog();
    ASSERT_TRUE(log.recordHandIn(handIn(3, 88.5, morning)));
    // The clock was set back between the two.
    HandIn later = handIn(7, 42, morning.addDays(-3));
    later.timedOut = true;
    later.secondsUsed = -5;
    ASSERT_TRUE(log.recordHandIn(later));
    ASSERT_TRUE(log.recordHandIn(handIn(1, 95, morning, 2)));
    const QList<HandIn> all = log.handIns(1);
    ASSERT_EQ(all.size(), 2);
    EXPECT_EQ(all[0].paper, 3);
    EXPECT_DOUBLE_EQ(all[0].score, 88.5);
    EXPECT_EQ(all[0].endedAt, morning);
    EXPECT_EQ(all[0].secondsUsed, 3600);
    EXPECT_FALSE(all[0].timedOut);
    EXPECT_EQ(all[1].paper, 7);
    EXPECT_TRUE(all[1].timedOut);
    EXPECT_EQ(all[1].secondsUsed, 0) << "never a negative duration";
    EXPECT_EQ(
        file().rows(u"SELECT started_at, single_points, multiple_points, judgement_points, indefinite_points "
                    "FROM hand_in WHERE paper=3"_s),
        (QList<QVariantList>{{morning.addSecs(-3600).toMSecsSinceEpoch(), 44.25, 22.125, 11.0625, 11.0625}}));
    EXPECT_EQ(log.handIns(2).size(), 1);
}

TEST_F(StudyLogTest, ClearingPracticeTakesTheSubjectsEntriesAndBookAndLeavesTheRest)
{
    openLog();
    attempt(1, {false}, 1, 1, morning.addDays(-1));
    attempt(2, {false}, 1, 2);
    ASSERT_TRUE(log.recordHandIn(handIn(1, 60, morning)));
    ASSERT_TRUE(log.clearPracticeAnswers(1));
    EXPECT_EQ(file().value(u"SELECT count(*) FROM practice_answer WHERE subject=1"_s).toInt(), 0);
    EXPECT_EQ(file().value(u"SELECT count(*) FROM practice_answer WHERE subject=2"_s).toInt(), 1);
    EXPECT_TRUE(log.wrongAnswers(1).isEmpty());
    EXPECT_EQ(log.wrongAnswers(2), QList<qint64>{2});
    const StudyActivity a = log.activity(1, morning.date());
    EXPECT_EQ(a.total, 0);
    EXPECT_EQ(a.daysInARow, 1) << "the hand-in's day stays a study day";
    EXPECT_EQ(log.handIns(1).size(), 1);
}

TEST_F(StudyLogTest, ClearingHandInsTakesTheSubjectsHistoryAndLeavesItsPractice)
{
    openLog();
    attempt(1, {false}, 1, 1, morning.addDays(-1));
    ASSERT_TRUE(log.recordHandIn(handIn(1, 60, morning)));
    ASSERT_TRUE(log.recordHandIn(handIn(2, 80, morning, 2)));
    ASSERT_TRUE(log.clearHandIns(1));
    EXPECT_TRUE(log.handIns(1).isEmpty());
    EXPECT_EQ(log.handIns(2).size(), 1);
    EXPECT_EQ(log.wrongAnswers(1), QList<qint64>{1});
    EXPECT_EQ(log.activity(1, morning.date()).daysInARow, 1) << "yesterday's practice";
}

TEST_F(StudyLogTest, AFailedWriteLeavesNothingOfItBehind)
{
    openLog();
    ASSERT_TRUE(file().execute(u"CREATE TRIGGER refuse BEFORE INSERT ON question_state "
                               "BEGIN SELECT RAISE(ABORT, 'refused'); END"_s));
    EXPECT_FALSE(log.recordPracticeAnswer({1, 1, 3, u"B"_s, false, true, log.newAttempt(), morning}));
    EXPECT_EQ(file().value(u"SELECT count(*) FROM practice_answer"_s).toInt(), 0);
    EXPECT_EQ(file().value(u"SELECT count(*) FROM practice_day"_s).toInt(), 0);
    EXPECT_TRUE(log.wrongAnswers(1).isEmpty());
}

TEST_F(StudyLogTest, AClosedLogWritesAndReadsNothing)
{
    EXPECT_FALSE(log.recordPracticeAnswer({1, 1, 3, u"B"_s, false, true, 1, morning}));
    EXPECT_FALSE(log.recordHandIn(handIn(1, 50)));
    EXPECT_FALSE(log.clearPracticeAnswers(1));
    EXPECT_TRUE(log.wrongAnswers(1).isEmpty());
    EXPECT_EQ(log.activity(1, morning.date()).total, 0);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(StudyLogTest, AnEmptyFileBecomesALogWithoutBeingSetAside)
{
    QFile empty(path);
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    openLog(StudyLog::Opening::Opened);
    EXPECT_TRUE(log.setAsidePath().isEmpty());
    EXPECT_TRUE(QDir(dir.path()).entryList({u"*损坏*"_s}).isEmpty());
}

TEST_F(StudyLogTest, ALogThatCannotBeMadeIsNoLog)
{
    EXPECT_EQ(log.open(dir.filePath(u"no such folder/学习记录.db"_s), morning), StudyLog::Opening::Failed);
    EXPECT_FALSE(log.isOpen());
}

TEST_F(StudyLogTest, ALogHeldByAnotherProgramIsLeftAlone)
{
    openLog();
    attempt(1, {false});
    log.close();
    QSqlDatabase other = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"mirevo.test.holder"_s);
    other.setDatabaseName(path);
    ASSERT_TRUE(other.open());
    {
        // A write-ahead log lets readers in beside a writer: only an exclusive locking mode
        // keeps every other connection out.
        QSqlQuery hold(other);
        ASSERT_TRUE(hold.exec(u"PRAGMA locking_mode=EXCLUSIVE"_s));
        ASSERT_TRUE(hold.exec(u"BEGIN EXCLUSIVE"_s));
        EXPECT_EQ(log.open(path, morning), StudyLog::Opening::Busy);
        EXPECT_FALSE(log.isOpen());
        hold.exec(u"ROLLBACK"_s);
    }
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase(u"mirevo.test.holder"_s);
    EXPECT_EQ(QDir(dir.path()).entryList({u"学习记录*.db"_s}), QStringList{u"学习记录.db"_s});
    openLog(StudyLog::Opening::Opened);
    EXPECT_EQ(log.wrongAnswers(1), QList<qint64>{1});
}

// A log that does not open as one of ours: how it is made from a sound log's bytes.
struct Damage
{
    const char* name;
    std::function<bool(const QString& path)> apply;
};

class DamagedStudyLog : public StudyLogTest, public ::testing::WithParamInterface<Damage>
{};

TEST_P(DamagedStudyLog, IsSetAsideUnderANewNameAndAFreshLogStarted)
{
    openLog();
    attempt(1, {false});
    log.close();
    ASSERT_TRUE(GetParam().apply(path));
    QFile damaged(path);
    ASSERT_TRUE(damaged.open(QIODevice::ReadOnly));
    const QByteArray bytes = damaged.readAll();
    damaged.close();

    EXPECT_EQ(log.open(path, morning), StudyLog::Opening::Replaced);
    ASSERT_TRUE(log.isOpen());
    EXPECT_EQ(log.setAsidePath(), dir.filePath(u"学习记录.损坏-20240515-093000.db"_s));
    QFile aside(log.setAsidePath());
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), bytes) << "nothing of it is lost";
    EXPECT_TRUE(log.wrongAnswers(1).isEmpty());
    attempt(2, {false});
    EXPECT_EQ(log.wrongAnswers(1), QList<qint64>{2});
}

bool overwrite(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

bool truncateToHalf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.resize(file.size() / 2);
}

bool runOn(const QString& path, const QString& sql)
{
    return test::StudyLogFile(path).execute(sql);
}

INSTANTIATE_TEST_SUITE_P(
    Damages, DamagedStudyLog,
    ::testing::Values(Damage{"NotADatabase",
                             [](const QString& p) {
                                 return overwrite(p, QByteArray(8192, 'x'));
                             }},
                      Damage{"CutShort", truncateToHalf},
                      Damage{"PagesOverwritten",
                             [](const QString& p) {
                                 QFile file(p);
                                 return file.open(QIODevice::ReadWrite) && file.seek(100) &&
                                        file.write(QByteArray(3000, '\xff')) == 3000;
                             }},
                      Damage{"NoVersion",
                             [](const QString& p) {
                                 return runOn(p, u"DELETE FROM meta"_s);
                             }},
                      Damage{"VersionNoNumber",
                             [](const QString& p) {
                                 return runOn(p,
                                              u"UPDATE meta SET value='eins' WHERE key='schema_version'"_s);
                             }},
                      Damage{"LaterVersion",
                             [](const QString& p) {
                                 return runOn(p, u"UPDATE meta SET value='2' WHERE key='schema_version'"_s);
                             }},
                      Damage{"TableMissing",
                             [](const QString& p) {
                                 return runOn(p, u"DROP TABLE question_state"_s);
                             }},
                      Damage{"ColumnMissing",
                             [](const QString& p) {
                                 return runOn(p, u"ALTER TABLE hand_in DROP COLUMN day"_s);
                             }}),
    [](const ::testing::TestParamInfo<Damage>& info) { return std::string(info.param.name); });

TEST_F(StudyLogTest, AJournalBesideADamagedLogNeverReachesTheNewOne)
{
    ASSERT_TRUE(overwrite(path, QByteArray(4096, 'x')));
    ASSERT_TRUE(overwrite(path + u"-journal"_s, QByteArray(4096, 'j')));
    openLog(StudyLog::Opening::Replaced);
    EXPECT_FALSE(QFile::exists(path + u"-journal"_s));
    attempt(3, {false});
    log.close();
    openLog(StudyLog::Opening::Opened);
    EXPECT_EQ(log.wrongAnswers(1), QList<qint64>{3});
}

TEST_F(StudyLogTest, AJournalBesideALogThatDoesNotOpenGoesWithIt)
{
    // A folder under the log's name does not open at all, so its journal stays untouched.
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"学习记录.db"_s));
    ASSERT_TRUE(overwrite(path + u"-journal"_s, QByteArray(4096, 'j')));
    openLog(StudyLog::Opening::Replaced);
    EXPECT_TRUE(QFileInfo(log.setAsidePath()).isDir());
    EXPECT_TRUE(QFile::exists(log.setAsidePath() + u"-journal"_s));
    EXPECT_FALSE(QFile::exists(path + u"-journal"_s));
    attempt(3, {false});
    EXPECT_EQ(log.wrongAnswers(1), QList<qint64>{3});
}

TEST_F(StudyLogTest, ASecondSetAsideInTheSameSecondKeepsTheFirst)
{
    ASSERT_TRUE(overwrite(path, "first damaged log"));
    openLog(StudyLog::Opening::Replaced);
    const QString first = log.setAsidePath();
    log.close();
    ASSERT_TRUE(overwrite(path, "second damaged log"));
    openLog(StudyLog::Opening::Replaced);
    EXPECT_NE(log.setAsidePath(), first);
    QFile kept(first);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("first damaged log"));
}

} // namespace
} // namespace mirevo
