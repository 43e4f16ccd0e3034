#include "PaperAssembly.h"

#include "BankRules.h"

#include <QSet>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>

using namespace Qt::StringLiterals;
using mirevo::BankQuestion;
using mirevo::CaseStudy;

namespace {

BankQuestion question(const QString& tm, const QString& tx, const QString& da)
{
    BankQuestion q;
    q.tm = tm;
    q.tx = tx;
    q.xxa = u"a"_s;
    q.xxb = u"b"_s;
    q.xxc = u"c"_s;
    q.xxd = u"d"_s;
    q.da = da;
    q.jx = u"解析"_s;
    return q;
}

// A case of size questions whose stems restate the same long material.
CaseStudy caseStudy(const QString& name, int size)
{
    CaseStudy study;
    const QString material =
        u"%1公司的资料如下：本月发生若干项经济业务，金额以万元表示，不考虑其他因素。要求：回答下列问题。"_s
            .arg(name);
    for (int number = 1; number <= size; ++number)
        study << question(u"%1（%2）第%2问（　）。"_s.arg(material).arg(number), u"不定项选择题"_s, u"A"_s);
    return study;
}

// chapters × (singles, multiples, trueFalses), stems naming chapter and place
QList<QList<BankQuestion>> chapters(int count, int singles, int multiples, int trueFalses)
{
    QList<QList<BankQuestion>> result;
    for (int chapter = 1; chapter <= count; ++chapter) {
        QList<BankQuestion> questions;
        for (const auto& [type, number, answer] :
             {std::tuple{u"单选题"_s, singles, u"A"_s}, std::tuple{u"多选题"_s, multiples, u"AB"_s},
              std::tuple{u"判断题"_s, trueFalses, u"正确"_s}}) {
            for (int i = 0; i < number; ++i)
                questions << question(u"第%1章%2%3"_s.arg(chapter).arg(type).arg(i), type, answer);
        }
        result << questions;
    }
    return result;
}

QList<QList<CaseStudy>> casePools()
{
    return {{caseStudy(u"甲"_s, 4), caseStudy(u"乙"_s, 5), caseStudy(u"丙"_s, 4)},
            {caseStudy(u"丁"_s, 5), caseStudy(u"戊"_s, 4), caseStudy(u"己"_s, 3)}};
}

QStringList stems(const QList<BankQuestion>& questions)
{
    QStringList result;
    for (const BankQuestion& q : questions)
        result << q.tm;
    return result;
}

TEST(SplitCases, GroupsRowsThatRestateTheSameCase)
{
    QList<BankQuestion> pool;
    for (const CaseStudy& study : {caseStudy(u"甲"_s, 4), caseStudy(u"甲乙"_s, 3), caseStudy(u"丙"_s, 5)})
        pool << study;
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
        m_assembly = mirevo::assemblePapers(chapters(3, 10, 5, 5), casePools());
        ASSERT_TRUE(m_assembly.error.isEmpty()) << m_assembly.error.toStdString();
        ASSERT_EQ(m_assembly.papers.size(), mirevo::paperCount);
    }

    mirevo::PaperAssembly m_assembly;
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
                EXPECT_EQ(paper.at(at).xxda, u""_s);
                EXPECT_EQ(paper.at(at).shucang, u""_s);
            }
        }
        const QStringList paperStems = stems(paper);
        EXPECT_EQ(QSet<QString>(paperStems.cbegin(), paperStems.cend()).size(), paper.size())
            << "no question twice in a paper";
    }
}

TEST_F(PaperAssemblyTest, NoTwoPapersHoldTheSameSelection)
{
    std::set<QStringList> selections;
    for (const QList<BankQuestion>& paper : m_assembly.papers) {
        QStringList selection = stems(paper);
        selection.sort();
        EXPECT_TRUE(selections.insert(selection).second);
    }
}

TEST_F(PaperAssemblyTest, ChapterSectionsDrawEvenlyFromTheChapters)
{
    for (const QList<BankQuestion>& paper : m_assembly.papers) {
        for (int chapter = 1; chapter <= 3; ++chapter) {
            const QString prefix = u"第%1章单选题"_s.arg(chapter);
            EXPECT_EQ(std::count_if(paper.cbegin(), paper.cbegin() + 24,
                                    [&](const BankQuestion& q) { return q.tm.startsWith(prefix); }),
                      8);
        }
    }
}

TEST_F(PaperAssemblyTest, LaterRoundsOfTheDealDoNotRepeatASection)
{
    // 30 单选题 give 30 different runs of 24, enough for every paper to have its own
    std::set<QStringList> sections;
    for (const QList<BankQuestion>& paper : m_assembly.papers) {
        QStringList section = stems(paper.mid(0, 24));
        section.sort();
        EXPECT_TRUE(sections.insert(section).second);
    }
}

TEST_F(PaperAssemblyTest, CasesStayTogetherInOrderWithAtLeastThreeQuestions)
{
    for (const QList<BankQuestion>& paper : m_assembly.papers) {
        const QList<CaseStudy> cases = mirevo::splitCases(paper.mid(mirevo::paperQuestionCount - 15));
        QSet<QString> seen;
        for (const CaseStudy& study : cases) {
            EXPECT_GE(study.size(), 3);
            for (qsizetype i = 0; i < study.size(); ++i)
                EXPECT_TRUE(study.at(i).tm.contains(u"（%1）"_s.arg(i + 1))) << study.at(i).tm.toStdString();
            const QString material = study.front().tm.section(u'（', 0, 0);
            EXPECT_FALSE(seen.contains(material)) << "a case appears once in a paper";
            seen.insert(material);
        }
    }
}

TEST(PaperAssembly, NeedsEnoughQuestionsOfEachType)
{
    EXPECT_EQ(mirevo::assemblePapers(chapters(3, 10, 3, 5), casePools()).error,
              u"the chapters hold 9 多选题, and a paper needs 12"_s);
    const QList<QList<CaseStudy>> tenQuestions{{caseStudy(u"甲"_s, 5), caseStudy(u"乙"_s, 5)}};
    EXPECT_EQ(mirevo::assemblePapers(chapters(3, 10, 5, 5), tenQuestions).error,
              u"the case pools hold 10 不定项选择题, and a paper needs 15"_s);
}

TEST(PaperAssembly, RefusesToRepeatAPaper)
{
    // exactly one section's worth of every type: every paper would be the same
    const QList<QList<CaseStudy>> oneSection{
        {caseStudy(u"甲"_s, 5), caseStudy(u"乙"_s, 5), caseStudy(u"丙"_s, 5)}};
    const mirevo::PaperAssembly result = mirevo::assemblePapers(chapters(1, 24, 12, 10), oneSection);
    EXPECT_TRUE(result.error.startsWith(u"paper 2 would repeat an earlier paper's questions"_s))
        << result.error.toStdString();
    EXPECT_TRUE(result.papers.isEmpty());
}

} // namespace
