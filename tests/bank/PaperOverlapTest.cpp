#include "PaperOverlap.h"

#include "SyntheticSources.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using mirevo::BankQuestion;
using mirevo::PaperOverlap;
using mirevo::test::caseQuestion;
using mirevo::test::chapterQuestion;

namespace {

// Two chapters of 100 questions each: a paper's share of either is 23.
class PaperOverlapTest : public ::testing::Test
{
protected:
    PaperOverlapTest()
    {
        for (int chapter = 1; chapter <= 2; ++chapter) {
            for (BankQuestion question : mirevo::test::chapterQuestions(1, chapter, 100)) {
                question.id = m_chapterRows.size() + 1;
                m_chapterRows << question;
            }
        }
    }

    // Questions first to last (from 0) of the chapter, as a paper copies them.
    QList<BankQuestion> drawn(int chapter, int first, int last) const
    {
        QList<BankQuestion> questions;
        for (int index = first; index <= last; ++index)
            questions << chapterQuestion(1, chapter, index);
        return questions;
    }

    // The first size questions of a case.
    static QList<BankQuestion> caseRun(int caseNumber, int size)
    {
        QList<BankQuestion> questions;
        for (int number = 1; number <= size; ++number)
            questions << caseQuestion(1, caseNumber, number);
        return questions;
    }

    PaperOverlap measure(QMap<int, QList<BankQuestion>> papers) const
    {
        for (QList<BankQuestion>& paper : papers) {
            for (qsizetype at = 0; at < paper.size(); ++at)
                paper[at].id = at + 1;
        }
        return mirevo::measurePaperOverlap(1, m_chapterRows, papers, {100, 100});
    }

    QList<BankQuestion> m_chapterRows;
};

QStringList texts(const PaperOverlap& overlap)
{
    QStringList result;
    for (const mirevo::Violation& violation : overlap.violations)
        result << mirevo::violationText(violation);
    return result;
}

TEST_F(PaperOverlapTest, FindsChapterQuestionsByTheirStems)
{
    const PaperOverlap overlap = measure({
        {1, drawn(1, 0, 22) + drawn(2, 0, 22)},
        {2, drawn(1, 17, 39) + drawn(2, 23, 45)},                  // shares 6 with paper 1
        {3, drawn(1, 0, 0) + drawn(1, 40, 61) + drawn(2, 46, 69)}, // shares 1 with paper 1
    });
    EXPECT_TRUE(overlap.violations.isEmpty()) << texts(overlap).join(u'\n').toStdString();
    EXPECT_EQ(overlap.mostPapersOfAQuestion, 2);
    EXPECT_EQ(overlap.mostSharedQuestions, 6);
    EXPECT_DOUBLE_EQ(overlap.largestShareDeviation, 1.0);
}

TEST_F(PaperOverlapTest, ReportsEachBreachOfTheLimits)
{
    const PaperOverlap overlap = measure({
        {1, drawn(1, 0, 22) + drawn(2, 0, 22)},
        {2, drawn(1, 16, 38) + drawn(2, 23, 45)},                    // shares 7 with paper 1
        {4, drawn(1, 22, 22) + drawn(1, 40, 61) + drawn(2, 46, 71)}, // 26 of chapter 2
    });
    EXPECT_EQ(texts(overlap),
              (QStringList{u"sw4: holds 26 questions of chapter 2 where its share is 23.00 ± 2"_s,
                           u"swzj ID 23: in 3 papers (sw1, sw2, sw4): a chapter question is in at most 2"_s,
                           u"sw2: shares 7 chapter questions with sw1: two papers share at most 6"_s}));
    EXPECT_EQ(overlap.mostPapersOfAQuestion, 3);
    EXPECT_EQ(overlap.mostSharedQuestions, 7);
    EXPECT_DOUBLE_EQ(overlap.largestShareDeviation, 3.0);
}

TEST_F(PaperOverlapTest, AStemOfNoChapterQuestionIsReported)
{
    QList<BankQuestion> paper = drawn(1, 0, 22) + drawn(2, 0, 22);
    paper[5].tm += u"另加"_s;
    const PaperOverlap overlap = measure({{7, paper}});
    EXPECT_EQ(
        texts(overlap),
        QStringList{u"sw7 ID 6: TM: the stem is not one of swzj: a paper's 单选题, 多选题, 判断题 copy its "
                    u"chapter questions"_s});
    EXPECT_DOUBLE_EQ(overlap.largestShareDeviation, 1.0);
}

TEST_F(PaperOverlapTest, ACaseCutShortIsStillTheSameCase)
{
    const PaperOverlap apart = measure({
        {1, caseRun(1, 5) + caseRun(2, 5) + caseRun(3, 5)},
        {2, caseRun(1, 3) + caseRun(4, 5) + caseRun(5, 5) + caseRun(6, 2)},
    });
    EXPECT_EQ(apart.mostPapersOfACase, 2);
    EXPECT_EQ(apart.mostSharedCases, 1);

    const PaperOverlap together = measure({
        {1, caseRun(1, 5) + caseRun(2, 5) + caseRun(3, 5)},
        {2, caseRun(1, 3) + caseRun(4, 5) + caseRun(5, 5) + caseRun(6, 2)},
        {3, caseRun(1, 1) + caseRun(2, 4) + caseRun(7, 5) + caseRun(8, 5)},
    });
    EXPECT_EQ(texts(together).filter(u"case"_s),
              (QStringList{u"sw3 ID 1: the case is in 3 papers (sw1, sw2, sw3): a case is in at most 2"_s,
                           u"sw3: shares 2 cases with sw1: two papers share at most 1"_s}));
    EXPECT_EQ(together.mostPapersOfACase, 3);
    EXPECT_EQ(together.mostSharedCases, 2);
}

} // namespace
