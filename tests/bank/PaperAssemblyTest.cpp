#include "PaperAssembly.h"

#include "BankRules.h"
#include "PaperOverlap.h"
#include "SyntheticSources.h"

#include <QHash>
#include <QSet>
#include <cmath>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using mirevo::BankQuestion;
using mirevo::CaseStudy;
using mirevo::PaperAssembly;

namespace {

QList<QList<BankQuestion>> chapters(const QList<int>& sizes)
{
    QList<QList<BankQuestion>> result;
    for (int chapter = 1; chapter <= int(sizes.size()); ++chapter)
        result << mirevo::test::chapterQuestions(1, chapter, sizes.at(chapter - 1));
    return result;
}

QList<QList<CaseStudy>> cases(const QList<QList<int>>& sizes)
{
    return mirevo::test::casePools(1, sizes);
}

QList<BankQuestion> flattened(const QList<QList<BankQuestion>>& lists)
{
    QList<BankQuestion> all;
    for (const QList<BankQuestion>& list : lists)
        all << list;
    return all;
}

mirevo::PaperOverlap overlapOf(const QList<QList<BankQuestion>>& chapterLists, const PaperAssembly& assembly)
{
    QMap<int, QList<BankQuestion>> papers;
    QList<int> sizes;
    for (qsizetype paper = 0; paper < assembly.papers.size(); ++paper)
        papers.insert(int(paper) + 1, assembly.papers.at(paper));
    for (const QList<BankQuestion>& chapter : chapterLists)
        sizes << int(chapter.size());
    return mirevo::measurePaperOverlap(1, flattened(chapterLists), papers, sizes);
}

TEST(SplitCases, GroupsRowsThatRestateTheSameCase)
{
    QList<BankQuestion> pool;
    for (const auto& [name, size] : {std::pair{u"甲"_s, 4}, std::pair{u"甲乙"_s, 3}, std::pair{u"丙"_s, 5}}) {
        for (int number = 1; number <= size; ++number) {
            BankQuestion q;
            q.tm =
                u"%1公司的资料如下：本月发生若干项经济业务，不考虑其他因素。（%2）第%2问（　）。"_s.arg(name)
                    .arg(number);
            pool << q;
        }
    }
    QList<int> sizes;
    for (const CaseStudy& study : mirevo::splitCases(pool))
        sizes << int(study.size());
    EXPECT_EQ(sizes, (QList<int>{4, 3, 5})) << "cases that begin alike but differ early stay apart";
}

class PaperAssemblyTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_assembly = mirevo::assemblePapers(m_chapters, m_cases);
        ASSERT_TRUE(m_assembly.error.isEmpty()) << m_assembly.error.toStdString();
        ASSERT_EQ(m_assembly.papers.size(), mirevo::paperCount);
        for (int chapter = 0; chapter < int(m_chapters.size()); ++chapter) {
            for (int index = 0; index < int(m_chapters.at(chapter).size()); ++index)
                m_placeOf.insert(m_chapters.at(chapter).at(index).tm, {chapter, index});
        }
    }

    const QList<QList<BankQuestion>> m_chapters = chapters(mirevo::test::smallCatalogue().front());
    const QList<QList<CaseStudy>> m_cases = cases(mirevo::test::smallCasePools());
    PaperAssembly m_assembly;
    QHash<QString, std::pair<int, int>> m_placeOf; // chapter and index, by stem
};

TEST_F(PaperAssemblyTest, EveryPaperHasItsSectionsInOrderUnderIdsFromOne)
{
    for (const QList<BankQuestion>& paper : m_assembly.papers) {
        ASSERT_EQ(paper.size(), mirevo::paperQuestionCount);
        qsizetype at = 0;
        for (const mirevo::PaperSection& section : mirevo::paperSections) {
            for (int i = 0; i < section.count; ++i, ++at) {
                EXPECT_EQ(paper.at(at).id, at + 1);
                EXPECT_EQ(paper.at(at).tx, mirevo::questionTypeText(section.type));
                EXPECT_TRUE(paper.at(at).zj.isNull());
                EXPECT_EQ(paper.at(at).xxda, u""_s);
                EXPECT_EQ(paper.at(at).shucang, u""_s);
            }
        }
    }
}

TEST_F(PaperAssemblyTest, ChapterSectionsHoldTheirQuestionsInChapterAndFileOrder)
{
    for (const QList<BankQuestion>& paper : m_assembly.papers) {
        for (int at = 1; at < mirevo::paperChapterQuestionCount; ++at) {
            if (paper.at(at).tx == paper.at(at - 1).tx) {
                EXPECT_LT(m_placeOf.value(paper.at(at - 1).tm), m_placeOf.value(paper.at(at).tm));
            }
        }
    }
}

TEST_F(PaperAssemblyTest, KeepsToTheLimitsOfSharing)
{
    QHash<QString, int> papersOf;
    for (const QList<BankQuestion>& paper : m_assembly.papers) {
        for (const BankQuestion& question : paper)
            ++papersOf[question.tm];
    }
    for (auto it = papersOf.cbegin(); it != papersOf.cend(); ++it)
        EXPECT_LE(*it, mirevo::papersPerSource) << it.key().toStdString();

    const mirevo::PaperOverlap overlap = overlapOf(m_chapters, m_assembly);
    for (const mirevo::Violation& violation : overlap.violations)
        ADD_FAILURE() << mirevo::violationText(violation).toStdString();
    // 580 chapter questions and 35 cases are too few to give each paper its own
    EXPECT_EQ(overlap.mostPapersOfAQuestion, 2);
    EXPECT_LE(overlap.mostSharedQuestions, mirevo::sharedQuestionLimit);
    EXPECT_EQ(overlap.mostPapersOfACase, 2);
    EXPECT_EQ(overlap.mostSharedCases, 1);
}

TEST_F(PaperAssemblyTest, GivesEachChapterItsShare)
{
    const double total = 580;
    QList<int> drawn(m_chapters.size(), 0);
    for (const QList<BankQuestion>& paper : m_assembly.papers) {
        QList<int> counts(m_chapters.size(), 0);
        for (const BankQuestion& question : paper.first(mirevo::paperChapterQuestionCount))
            ++counts[m_placeOf.value(question.tm).first];
        for (qsizetype chapter = 0; chapter < m_chapters.size(); ++chapter) {
            EXPECT_LE(std::abs(counts.at(chapter) - 46 * m_chapters.at(chapter).size() / total), 2.0);
            drawn[chapter] += counts.at(chapter);
        }
    }
    // and over the papers as close as whole numbers come
    for (qsizetype chapter = 0; chapter < m_chapters.size(); ++chapter)
        EXPECT_LT(std::abs(drawn.at(chapter) - 20 * 46 * m_chapters.at(chapter).size() / total), 1.0);
}

TEST_F(PaperAssemblyTest, TakesThreeWholeCasesOfFiveWhileThereAreEnough)
{
    for (const QList<BankQuestion>& paper : m_assembly.papers) {
        const QList<CaseStudy> runs = mirevo::splitCases(paper.mid(mirevo::paperChapterQuestionCount));
        ASSERT_EQ(runs.size(), 3);
        for (const CaseStudy& run : runs) {
            EXPECT_EQ(run.size(), 5);
            const QString material = run.front().tm.section(u'（', 0, 0);
            for (qsizetype i = 0; i < run.size(); ++i)
                EXPECT_EQ(run.at(i).tm, material + u"（%1）下列处理正确的是（　）。"_s.arg(i + 1));
        }
    }
}

TEST(PaperAssembly, CutsOnlyTheLastCaseOfAPaperOnceTheFivesAreUsedUp)
{
    // 24 cases of five fill 16 papers; the others need cases of four
    const QList<QList<int>> sizes{{4, 4, 4, 4, 5, 5, 5},
                                  {4, 4, 4, 4, 4, 5, 4},
                                  {5, 5, 5, 5, 5, 5, 5},
                                  {5, 5, 5, 5, 5, 5, 5},
                                  {5, 5, 5, 5, 5, 5}};
    const QList<QList<CaseStudy>> pools = cases(sizes);
    QHash<QString, qsizetype> sizeOf; // the size of a question's case, by stem
    for (const QList<CaseStudy>& pool : pools) {
        for (const CaseStudy& study : pool) {
            for (const BankQuestion& question : study)
                sizeOf.insert(question.tm, study.size());
        }
    }
    const PaperAssembly assembly =
        mirevo::assemblePapers(chapters(mirevo::test::smallCatalogue().front()), pools);
    ASSERT_TRUE(assembly.error.isEmpty()) << assembly.error.toStdString();
    int fives = 0;
    for (const QList<BankQuestion>& paper : assembly.papers) {
        const QList<CaseStudy> runs = mirevo::splitCases(paper.mid(mirevo::paperChapterQuestionCount));
        for (qsizetype run = 0; run < runs.size(); ++run) {
            EXPECT_TRUE(runs.at(run).front().tm.contains(u"（1）"_s))
                << "a case begins with its first question";
            if (run + 1 < runs.size()) {
                EXPECT_EQ(runs.at(run).size(), sizeOf.value(runs.at(run).front().tm))
                    << "only the last is cut";
            }
            fives += sizeOf.value(runs.at(run).front().tm) == 5;
        }
    }
    EXPECT_EQ(fives, 2 * 24) << "every case of five is drawn twice before cases of four are";
}

TEST(PaperAssembly, DrawsNothingTwiceFromPoolsLargeEnough)
{
    const QList<QList<BankQuestion>> large = chapters(QList<int>(10, 100));
    const PaperAssembly assembly = mirevo::assemblePapers(large, cases({QList<int>(60, 5)}));
    ASSERT_TRUE(assembly.error.isEmpty()) << assembly.error.toStdString();
    const mirevo::PaperOverlap overlap = overlapOf(large, assembly);
    EXPECT_EQ(overlap.mostPapersOfAQuestion, 1);
    EXPECT_EQ(overlap.mostSharedQuestions, 0);
    EXPECT_EQ(overlap.mostPapersOfACase, 1);
    EXPECT_EQ(overlap.mostSharedCases, 0);
}

TEST(PaperAssembly, NeedsPoolsLargeEnoughForTwoPapersEach)
{
    const QList<QList<CaseStudy>> enough = cases(mirevo::test::smallCasePools());
    EXPECT_EQ(
        mirevo::assemblePapers(chapters(QList<int>(10, 40)), enough).error,
        u"the chapters hold 200 单选题; 20 papers of 24 need at least 240, a question being in at most 2 "
        u"papers"_s);
    EXPECT_EQ(
        mirevo::assemblePapers(chapters(mirevo::test::smallCatalogue().front()), cases({QList<int>(29, 5)}))
            .error,
        u"the case pools hold 145 不定项选择题; 20 papers of 15 need at least 150, a case being in at most 2 "
        u"papers"_s);
}

TEST(PaperAssembly, FailsWhenNoCaseKeepsToTheLimits)
{
    // cases of ten: every paper needs two, and 16 cases are in at most 32 papers' sections
    const PaperAssembly result =
        mirevo::assemblePapers(chapters(mirevo::test::smallCatalogue().front()), cases({QList<int>(16, 10)}));
    EXPECT_TRUE(result.error.startsWith(u"paper "_s)) << result.error.toStdString();
    EXPECT_TRUE(result.error.contains(u"no case is left to draw"_s)) << result.error.toStdString();
    EXPECT_TRUE(result.papers.isEmpty());
}

TEST(PaperAssembly, FailsWhenAChapterLacksTheTypesOfItsShare)
{
    // chapter 1 holds single-choice questions only, but its share is more than a section of them
    QList<QList<BankQuestion>> skewed{mirevo::test::chapterQuestions(1, 1, 500), {}};
    for (BankQuestion& question : skewed.front()) {
        question.tx = u"单选题"_s;
        question.da = u"A"_s;
    }
    for (int index = 0; index < 300; ++index)
        skewed.back() << mirevo::test::chapterQuestion(1, 2, 2 + index / 2 * 4 + index % 2);
    const PaperAssembly result = mirevo::assemblePapers(skewed, cases(mirevo::test::smallCasePools()));
    EXPECT_TRUE(result.error.startsWith(u"paper 1: no chapter question it still lacks can be drawn"_s))
        << result.error.toStdString();
}

} // namespace
