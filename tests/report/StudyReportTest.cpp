#include "StudyReport.h"

#include "BankAccess.h"
#include "ProgramState.h"
#include "QuestionBank.h"
#include "StudyLog.h"
#include "TempProgramDir.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace mirevo {
namespace {

const QDateTime morning(QDate(2024, 5, 15), QTime(9, 30));

class StudyReportTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()) << dir.error().toStdString(); }
    void TearDown() override { bank.CloseDatabase(); }

    // `answered` questions of the chapter with a stored answer, `right` of them the standard one.
    void answer(int chapter, int answered, int right, const QString& table = u"swzj"_s)
    {
        QList<BankQuestion> questions;
        for (int i = 0; i < answered; ++i) {
            BankQuestion q = test::TempProgramDir::question(++nextId, QString::number(chapter));
            q.xxda = i < right ? q.da : u"C"_s;
            questions.append(q);
        }
        // And one not answered, which never counts.
        questions.append(test::TempProgramDir::question(++nextId, QString::number(chapter)));
        ASSERT_TRUE(dir.insertQuestions(table, questions)) << dir.error().toStdString();
    }

    StudyReport collect(int subject = 1)
    {
        state.questionBank = &bank;
        EXPECT_TRUE(openQuestionBank(state, dir.path()));
        state.currentSubject = subject;
        return collectStudyReport(state, morning.date());
    }

    test::TempProgramDir dir;
    QuestionBank bank;
    ProgramState state;
    qint64 nextId = 0;
};

TEST_F(StudyReportTest, ChaptersShowTheCatalogueAndWhatTheBankHolds)
{
    answer(2, 3, 2);
    answer(10, 1, 0);
    const StudyReport report = collect();
    EXPECT_TRUE(report.answersRead);
    ASSERT_EQ(report.chapters.size(), 10);
    EXPECT_EQ(report.chapters[1].name, u"第二章  负债"_s);
    EXPECT_EQ(report.chapters[1].catalogueCount, 100);
    EXPECT_EQ(report.chapters[1].answered, 3);
    EXPECT_EQ(report.chapters[1].right, 2);
    EXPECT_DOUBLE_EQ(report.chapters[1].accuracy(), 2.0 / 3);
    EXPECT_EQ(report.chapters[9].answered, 1);
    EXPECT_EQ(report.chapters[0].answered, 0);
    EXPECT_DOUBLE_EQ(report.chapters[0].accuracy(), 0);
    EXPECT_TRUE(report.unreadableTables.isEmpty());
}

TEST_F(StudyReportTest, TheSecondSubjectHasItsSevenChaptersAndTrimmedNames)
{
    answer(1, 2, 2, u"jczj"_s);
    const StudyReport report = collect(2);
    ASSERT_EQ(report.chapters.size(), 7);
    EXPECT_EQ(report.chapters[0].name, u"第一章  总论"_s);
    EXPECT_EQ(report.chapters[0].answered, 2);
}

TEST_F(StudyReportTest, TheWeakestThreeChaptersHaveTheLowestAccuracyOfThoseWithFiveAnswers)
{
    answer(1, 5, 1);  // 20 %
    answer(2, 6, 3);  // 50 %
    answer(3, 10, 9); // 90 %
    answer(4, 4, 0);  // too few answers
    answer(5, 5, 5);  // nothing wrong: nothing weak
    answer(6, 5, 4);  // 80 %
    const StudyReport report = collect();
    QList<int> weak;
    for (const ChapterProgress& chapter : report.chapters) {
        if (chapter.weak)
            weak.append(chapter.chapter);
    }
    EXPECT_EQ(weak, (QList<int>{1, 2, 6}));
}

TEST_F(StudyReportTest, PapersShowTheScoreOfTheirRowAsTheCatalogueFindsIt)
{
    ASSERT_TRUE(dir.execute(u"UPDATE swdeifen SET DF='88.5' WHERE SJ='3'"_s));
    ASSERT_TRUE(dir.execute(u"UPDATE swdeifen SET DF='0' WHERE SJ='4'"_s));
    ASSERT_TRUE(dir.execute(u"UPDATE swdeifen SET DF='abc' WHERE SJ='5'"_s));
    ASSERT_TRUE(dir.execute(u"INSERT INTO swdeifen(ID, SJ, DF) VALUES(0, '6', '99')"_s));
    const StudyReport report = collect();
    EXPECT_TRUE(report.scoresRead);
    ASSERT_EQ(report.papers.size(), 20);
    EXPECT_EQ(report.papers[2].score, 88.5);
    EXPECT_EQ(report.papers[3].score, 0.0) << "a score of zero is a score";
    EXPECT_FALSE(report.papers[4].score.has_value());
    EXPECT_FALSE(report.papers[5].score.has_value()) << "a row whose ID is not above 0 counts not";
    EXPECT_FALSE(report.papers[0].score.has_value());
}

TEST_F(StudyReportTest, AMissingScoreTableIsNamedAndTheRestShown)
{
    answer(1, 2, 1);
    ASSERT_TRUE(dir.execute(u"DROP TABLE swdeifen"_s));
    const StudyReport report = collect();
    EXPECT_EQ(report.unreadableTables, QStringList{u"swdeifen"_s});
    EXPECT_FALSE(report.scoresRead);
    EXPECT_TRUE(report.answersRead);
    EXPECT_EQ(report.chapters[0].answered, 2);
    ASSERT_EQ(report.papers.size(), 20);
    EXPECT_FALSE(report.papers[0].score.has_value());
}

TEST_F(StudyReportTest, AChapterTableWithoutItsChapterColumnIsNamed)
{
    ASSERT_TRUE(dir.execute(u"ALTER TABLE swzj RENAME COLUMN zj TO chapter"_s));
    const StudyReport report = collect();
    EXPECT_EQ(report.unreadableTables, QStringList{u"swzj"_s});
    EXPECT_FALSE(report.answersRead);
    EXPECT_EQ(report.chapters.size(), 10) << "the catalogue is still shown";
    EXPECT_TRUE(report.scoresRead);
}

TEST_F(StudyReportTest, WithoutABankEveryTableIsNamed)
{
    state.currentSubject = 1;
    const StudyReport report = collectStudyReport(state, morning.date());
    EXPECT_EQ(report.unreadableTables, (QStringList{u"swzj"_s, u"swdeifen"_s}));
    EXPECT_EQ(report.chapters.size(), 10);
}

TEST_F(StudyReportTest, WithoutALogItsPartsStayEmpty)
{
    const StudyReport report = collect();
    EXPECT_FALSE(report.logOpen);
    EXPECT_TRUE(report.handIns.isEmpty());
    EXPECT_EQ(report.activity.total, 0);
}

TEST_F(StudyReportTest, TheLogGivesTheBookTheActivityAndTheHandIns)
{
    StudyLog log;
    ASSERT_EQ(log.open(dir.filePath(u"学习记录.db"_s), morning), StudyLog::Opening::Created);
    state.studyLog = &log;
    for (const auto& [question, chapter] : {std::pair{11, 2}, std::pair{12, 2}, std::pair{13, 7}})
        ASSERT_TRUE(
            log.recordPracticeAnswer({1, chapter, question, u"B"_s, false, true, log.newAttempt(), morning}));
    HandIn handIn;
    handIn.subject = 1;
    handIn.paper = 4;
    handIn.score = 61;
    handIn.endedAt = morning;
    ASSERT_TRUE(log.recordHandIn(handIn));
    const StudyReport report = collect();
    EXPECT_TRUE(report.logOpen);
    EXPECT_EQ(report.chapters[1].wrongAnswers, 2);
    EXPECT_EQ(report.chapters[6].wrongAnswers, 1);
    EXPECT_EQ(report.chapters[0].wrongAnswers, 0);
    EXPECT_EQ(report.activity.today, 3);
    EXPECT_EQ(report.activity.daysInARow, 1);
    ASSERT_EQ(report.handIns.size(), 1);
    EXPECT_EQ(report.handIns[0].paper, 4);
    EXPECT_EQ(collect(2).chapters[1].wrongAnswers, 0) << "the book is the subject's";
}

} // namespace
} // namespace mirevo
