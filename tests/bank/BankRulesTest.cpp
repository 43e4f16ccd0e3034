#include "BankRules.h"

#include "AnswerNormalisation.h"
#include "ChapterCatalogue.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Spelling
{
    QString type;
    QString written;
    QString normalised;
};

void PrintTo(const Spelling& s, std::ostream* os)
{
    *os << s.type.toStdString() << " \"" << s.written.toStdString() << '"';
}

class AnswerNormalisationTest : public ::testing::TestWithParam<Spelling>
{};

TEST_P(AnswerNormalisationTest, GivesTheBankSpelling)
{
    EXPECT_EQ(mirevo::normalisedAnswer(GetParam().type, GetParam().written), GetParam().normalised);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, AnswerNormalisationTest,
    ::testing::Values(Spelling{u"单选题"_s, u"b"_s, u"B"_s}, Spelling{u"单选题"_s, u" Ｃ "_s, u"C"_s},
                      Spelling{u"多选题"_s, u"A,C"_s, u"AC"_s}, Spelling{u"多选题"_s, u"CA"_s, u"AC"_s},
                      Spelling{u"多选题"_s, u"ca"_s, u"AC"_s}, Spelling{u"多选题"_s, u"D、B，A"_s, u"ABD"_s},
                      Spelling{u"不定项选择题"_s, u"d c"_s, u"CD"_s},
                      Spelling{u"多选题"_s, u"ABC"_s, u"ABC"_s},
                      // left for the rules to reject: repeated or foreign letters are not guessed at
                      Spelling{u"多选题"_s, u"CAC"_s, u"CAC"_s}, Spelling{u"多选题"_s, u"a,e"_s, u"AE"_s},
                      Spelling{u"判断题"_s, u"对"_s, u"正确"_s}, Spelling{u"判断题"_s, u"错"_s, u"错误"_s},
                      Spelling{u"判断题"_s, u"√"_s, u"正确"_s}, Spelling{u"判断题"_s, u"×"_s, u"错误"_s},
                      Spelling{u"判断题"_s, u"T"_s, u"正确"_s}, Spelling{u"判断题"_s, u"f"_s, u"错误"_s},
                      Spelling{u"判断题"_s, u"True"_s, u"正确"_s},
                      Spelling{u"判断题"_s, u" 错误 "_s, u"错误"_s}, Spelling{u"判断题"_s, u"A"_s, u"A"_s},
                      Spelling{u"填空题"_s, u" x "_s, u"x"_s}));

TEST(TypeNormalisation, KnowsTheCommonNames)
{
    EXPECT_EQ(mirevo::normalisedTypeText(u"单选"_s), u"单选题"_s);
    EXPECT_EQ(mirevo::normalisedTypeText(u"单项选择题"_s), u"单选题"_s);
    EXPECT_EQ(mirevo::normalisedTypeText(u"多项选择"_s), u"多选题"_s);
    EXPECT_EQ(mirevo::normalisedTypeText(u" 判断 "_s), u"判断题"_s);
    EXPECT_EQ(mirevo::normalisedTypeText(u"不定项"_s), u"不定项选择题"_s);
    EXPECT_EQ(mirevo::normalisedTypeText(u"简答题"_s), u"简答题"_s);
}

TEST(ChapterNormalisation, DropsBlanksAndLeadingZeros)
{
    EXPECT_EQ(mirevo::normalisedChapter(u" 03"_s), u"3"_s);
    EXPECT_EQ(mirevo::normalisedChapter(u"10"_s), u"10"_s);
    EXPECT_EQ(mirevo::normalisedChapter(u"0"_s), u"0"_s);
    EXPECT_EQ(mirevo::normalisedChapter(u"第3章"_s), u"第3章"_s);
}

TEST(QuestionRules, FindEachFaultOfARow)
{
    mirevo::BankQuestion question;
    question.zj = u"11"_s;
    question.tm = u"  "_s;
    question.tx = u"不定项选择题"_s;
    question.xxa = u"a"_s;
    question.xxb = u"b"_s;
    question.xxc = u""_s;
    question.xxd = u"d"_s;
    question.da = u"CA"_s;
    QStringList columns;
    for (const mirevo::QuestionProblem& problem :
         mirevo::questionProblems(question, 1, mirevo::TableKind::Chapter))
        columns << problem.column;
    EXPECT_EQ(columns, (QStringList{u"zj"_s, u"TM"_s, u"TX"_s, u"XXC"_s, u"DA"_s, u"JX"_s}));
    // in a paper the same row lacks only its stem, an option, a valid answer and an explanation
    columns.clear();
    for (const mirevo::QuestionProblem& problem :
         mirevo::questionProblems(question, 1, mirevo::TableKind::Paper))
        columns << problem.column;
    EXPECT_EQ(columns, (QStringList{u"TM"_s, u"XXC"_s, u"DA"_s, u"JX"_s}));
}

TEST(QuestionRules, AKeyNamesNoEmptyOption)
{
    mirevo::BankQuestion question;
    question.tm = u"下列各项中，属于流动资产的有（　　）。"_s;
    question.tx = u"多选题"_s;
    question.xxa = u"存货"_s;
    question.xxb = u"　"_s;
    question.xxc = u"应收账款"_s;
    question.xxd = u"固定资产"_s;
    question.jx = u"解析"_s;
    question.da = u"AC"_s;
    QStringList problems;
    for (const mirevo::QuestionProblem& problem :
         mirevo::questionProblems(question, 1, mirevo::TableKind::Paper))
        problems << problem.column + u": "_s + problem.text;
    EXPECT_EQ(problems, QStringList{u"XXB: the option is empty"_s});
    question.da = u"AB"_s;
    problems.clear();
    for (const mirevo::QuestionProblem& problem :
         mirevo::questionProblems(question, 1, mirevo::TableKind::Paper))
        problems << problem.column + u": "_s + problem.text;
    EXPECT_EQ(problems,
              (QStringList{u"XXB: the option is empty"_s, u"DA: names the option B, which is empty"_s}));
}

TEST(StemKey, LeavesOutSpacesAndPunctuationOnly)
{
    EXPECT_EQ(mirevo::stemKey(u"下列各项中， 属于“其他货币资金”的是（　　）。"_s),
              u"下列各项中属于其他货币资金的是"_s);
    EXPECT_EQ(mirevo::stemKey(u"A. 200＋34＝234 (万元)?"_s), u"A200＋34＝234万元"_s);
    EXPECT_NE(mirevo::stemKey(u"应计入管理费用。"_s), mirevo::stemKey(u"应计入财务费用。"_s));
}

TEST(Catalogue, GivesTheChapterSizesTheChapterPageLists)
{
    const mirevo::ChapterSizes sizes = mirevo::catalogueSizes();
    for (int subject = 1; subject <= 2; ++subject) {
        const QList<mirevo::ChapterEntry>& chapters = mirevo::chapterCatalogue(subject);
        ASSERT_EQ(sizes.at(subject - 1).size(), chapters.size());
        EXPECT_EQ(mirevo::chapterCount(subject), chapters.size());
        for (qsizetype chapter = 0; chapter < chapters.size(); ++chapter)
            EXPECT_EQ(QString::number(sizes.at(subject - 1).at(chapter)), chapters.at(chapter).count);
    }
    EXPECT_EQ(mirevo::chapterCount(3), 0);
}

TEST(Catalogue, ChapterNumbersAreWrittenPlainly)
{
    EXPECT_EQ(mirevo::chapterNumber(u"7"_s, 2), 7);
    EXPECT_EQ(mirevo::chapterNumber(u"8"_s, 2), 0);
    EXPECT_EQ(mirevo::chapterNumber(u"10"_s, 1), 10);
    EXPECT_EQ(mirevo::chapterNumber(u"03"_s, 1), 0);
    EXPECT_EQ(mirevo::chapterNumber(u" 3"_s, 1), 0);
    EXPECT_EQ(mirevo::chapterNumber(u"0"_s, 1), 0);
}

} // namespace
