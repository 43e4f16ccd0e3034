#include "QuestionCsv.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using mirevo::CsvDestination;
using mirevo::QuestionCsvRead;
using mirevo::TableKind;

namespace {

const CsvDestination chapterTwo{1, TableKind::Chapter, 2};
const CsvDestination paper{2, TableKind::Paper, 0};

QuestionCsvRead read(const QString& text, const CsvDestination& destination = chapterTwo)
{
    return mirevo::readQuestionCsv(text.toUtf8(), destination);
}

TEST(QuestionCsv, ReadsTheChineseLayoutInAnyOrderAndReportsEachNormalisation)
{
    const QuestionCsvRead result =
        read(u"序号,正确答案,题干,题型,选项A,选项B,选项C,选项D,解析,章节\n"
             u"1,\"C, A\",下列属于负债的有（　）。,多项选择题,应付账款,存货,预收账款,实收资本,解析一,02\n"
             u"2,√,预收账款属于负债。,判断,,,,,解析二,\n"_s);
    ASSERT_TRUE(result.succeeded()) << result.error.toStdString()
                                    << result.rejections.join(u'\n').toStdString();
    ASSERT_EQ(result.questions.size(), 2);
    const mirevo::BankQuestion& multiple = result.questions.at(0).question;
    EXPECT_EQ(multiple.tm, u"下列属于负债的有（　）。"_s);
    EXPECT_EQ(multiple.tx, u"多选题"_s);
    EXPECT_EQ(multiple.xxc, u"预收账款"_s);
    EXPECT_EQ(multiple.da, u"AC"_s);
    EXPECT_EQ(multiple.jx, u"解析一"_s);
    EXPECT_EQ(multiple.zj, u"2"_s);
    const mirevo::BankQuestion& trueFalse = result.questions.at(1).question;
    EXPECT_EQ(trueFalse.da, u"正确"_s);
    EXPECT_EQ(trueFalse.zj, u"2"_s) << "an empty chapter is the one being imported";
    EXPECT_EQ(result.questions.at(1).row, 3);
    EXPECT_EQ(result.notes, (QStringList{u"column \"序号\" is not a question column: passed over"_s,
                                         u"row 2, 题型: \"多项选择题\" read as \"多选题\""_s,
                                         u"row 2, 正确答案: \"C, A\" read as \"AC\""_s,
                                         u"row 2, 章节: \"02\" read as \"2\""_s,
                                         u"row 3, 题型: \"判断\" read as \"判断题\""_s,
                                         u"row 3, 正确答案: \"√\" read as \"正确\""_s}));
}

TEST(QuestionCsv, TakesAByteOrderMarkAndPassesOverEmptyRows)
{
    const QByteArray bytes =
        QByteArray("\xEF\xBB\xBF") + u"TM,TX,DA,JX\n,,,\n存货属于资产。,判断题,正确,解析\n"_s.toUtf8();
    const QuestionCsvRead result = mirevo::readQuestionCsv(bytes, chapterTwo);
    ASSERT_TRUE(result.succeeded());
    ASSERT_EQ(result.questions.size(), 1);
    EXPECT_EQ(result.questions.front().row, 3);
    EXPECT_EQ(result.notes, QStringList{u"row 2: empty, passed over"_s});
}

struct Rejection
{
    const char* name;
    CsvDestination destination;
    QString row; // under the header TM,TX,XXA,XXB,XXC,XXD,DA,JX,zj
    QString reason;
};

void PrintTo(const Rejection& r, std::ostream* os)
{
    *os << r.name;
}

class QuestionCsvRejectionTest : public ::testing::TestWithParam<Rejection>
{};

TEST_P(QuestionCsvRejectionTest, NamesTheRowAndTheReason)
{
    const QuestionCsvRead result =
        read(u"TM,TX,XXA,XXB,XXC,XXD,DA,JX,zj\n题干,单选题,a,b,c,d,A,解析,2\n"_s + GetParam().row + u'\n',
             GetParam().destination);
    EXPECT_TRUE(result.error.isEmpty());
    EXPECT_EQ(result.questions.size(), 1) << "the sound row is still read";
    EXPECT_EQ(result.rejections, QStringList{u"row 3: "_s + GetParam().reason});
    EXPECT_FALSE(result.succeeded());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, QuestionCsvRejectionTest,
    ::testing::Values(
        Rejection{"UnknownType", chapterTwo, u"题干,填空题,a,b,c,d,A,j,2"_s,
                  u"TX: \"填空题\" is not one of 单选题, 多选题, 判断题, 不定项选择题"_s},
        Rejection{"IndefiniteInAChapter", chapterTwo, u"题干,不定项,a,b,c,d,AB,j,2"_s,
                  u"TX: 不定项选择题 belongs in the papers only"_s},
        Rejection{"OtherChapter", chapterTwo, u"题干,单选题,a,b,c,d,A,j,3"_s,
                  u"zj: \"3\" is not the chapter being imported (2)"_s},
        Rejection{"NoStemNoOption", chapterTwo, u",单选题,a,,c,d,A,j,"_s,
                  u"TM: the stem is empty; XXB: the option is empty"_s},
        Rejection{"ForeignLetter", chapterTwo, u"题干,多选题,a,b,c,d,\"A,E\",j,"_s,
                  u"DA: \"AE\" holds \"E\", which is not one of the letters A, B, C, D"_s},
        Rejection{"RepeatedLetter", paper, u"题干,多选题,a,b,c,d,ABA,j,"_s,
                  u"DA: \"ABA\" names the letter A twice"_s},
        Rejection{
            "OneLetterMultiple", paper, u"题干,多选题,a,b,c,d,b,j,"_s,
            u"DA: \"B\" names fewer than 2 letters: a multiple-choice question has at least two right options"_s},
        Rejection{"TrueFalseWord", paper, u"题干,判断题,,,,,是,j,"_s,
                  u"DA: \"是\" is neither 正确 nor 错误"_s},
        Rejection{"MissingAnswer", paper, u"题干,不定项选择题,a,b,c,d,,j,"_s, u"DA: is empty"_s},
        Rejection{"MissingExplanation", paper, u"题干,判断题,,,,,正确, ,"_s,
                  u"JX: the explanation is empty"_s},
        Rejection{"TooFewFields", paper, u"题干,单选题,a,b"_s, u"it has 4 fields where the header has 9"_s},
        Rejection{"TextBeyondTheHeader", paper, u"题干,单选题,a,b,c,d,A,j,,extra"_s,
                  u"it has text beyond the 9 columns of the header"_s}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QuestionCsv, ChineseHeadersNameTheColumnsInReasons)
{
    const QuestionCsvRead result =
        read(u"题干,题型,选项A,选项B,选项C,选项D,正确答案,解析\n题,单选题,a,b,c,,E,\n"_s);
    EXPECT_EQ(
        result.rejections,
        QStringList{u"row 2: 选项D: the option is empty; 正确答案: \"E\" is not one of the letters A, B, C, "
                    u"D; 解析: the explanation is empty"_s});
}

TEST(QuestionCsv, ReadsTheSectionOfASourceRowWithoutANote)
{
    const QuestionCsvRead result =
        read(u"TM,TX,XXA,XXB,XXC,XXD,DA,JX,zj,节\n题,单选题,a,b,c,d,A,解析,2, 3 \n"_s);
    ASSERT_TRUE(result.succeeded()) << result.rejections.join(u'\n').toStdString();
    EXPECT_TRUE(result.notes.isEmpty()) << result.notes.join(u'\n').toStdString();
    ASSERT_EQ(result.questions.size(), 1);
    EXPECT_EQ(result.questions.front().section, u"3"_s);
    EXPECT_EQ(mirevo::writeQuestionCsv({result.questions.front().question}, TableKind::Chapter),
              "TM,TX,XXA,XXB,XXC,XXD,DA,JX,zj\n题,单选题,a,b,c,d,A,解析,2\n")
        << "the section is no column of the bank";
}

TEST(QuestionCsv, RefusesHeadersItCannotUse)
{
    EXPECT_TRUE(read(u"TM,TX,XXA\nx,单选题,a\n"_s).error.contains(u"DA/正确答案"_s));
    EXPECT_EQ(read(u"TM,题干,TX,DA\n"_s).error, u"the header names the column TM twice"_s);
    EXPECT_EQ(read(u""_s).error, u"the file is empty: it needs a header row"_s);
    EXPECT_EQ(mirevo::readQuestionCsv(QByteArray("TM,TX,DA\n\xFF\xFE\xFF", 12), paper).error,
              u"the file is neither UTF-8 nor GBK/GB18030 text"_s);
}

TEST(QuestionCsv, WritesWhatItReadsBack)
{
    mirevo::BankQuestion hard;
    hard.tm = u"含\"引号\"、逗号,和\n换行的题干"_s;
    hard.tx = u"单选题"_s;
    hard.xxa = u" 前后有空格 "_s;
    hard.xxb = u"b"_s;
    hard.xxc = u"c,c"_s;
    hard.xxd = u"d"_s;
    hard.da = u"D"_s;
    hard.jx = u"解析\r\n第二行"_s;
    hard.zj = u"2"_s;
    mirevo::BankQuestion trueFalse = hard;
    trueFalse.tx = u"判断题"_s;
    trueFalse.xxa = trueFalse.xxb = trueFalse.xxc = trueFalse.xxd = u""_s;
    trueFalse.da = u"错误"_s;
    const QByteArray csv = mirevo::writeQuestionCsv({hard, trueFalse}, TableKind::Chapter);
    EXPECT_TRUE(csv.startsWith("TM,TX,XXA,XXB,XXC,XXD,DA,JX,zj\n"));
    const QuestionCsvRead back = mirevo::readQuestionCsv(csv, chapterTwo);
    ASSERT_TRUE(back.succeeded());
    EXPECT_TRUE(back.notes.isEmpty()) << back.notes.join(u'\n').toStdString();
    ASSERT_EQ(back.questions.size(), 2);
    for (const auto& [written, row] :
         {std::pair{&hard, &back.questions.at(0)}, std::pair{&trueFalse, &back.questions.at(1)}}) {
        const mirevo::BankQuestion& q = row->question;
        EXPECT_EQ((QStringList{q.tm, q.tx, q.xxa, q.xxb, q.xxc, q.xxd, q.da, q.jx, q.zj}),
                  (QStringList{written->tm, written->tx, written->xxa, written->xxb, written->xxc,
                               written->xxd, written->da, written->jx, written->zj}));
    }
    EXPECT_TRUE(
        mirevo::writeQuestionCsv({hard}, TableKind::Paper).startsWith("TM,TX,XXA,XXB,XXC,XXD,DA,JX\n"));
}

} // namespace
