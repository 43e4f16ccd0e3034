#include "RecordClearing.h"

#include "BankAccess.h"
#include "ProgramState.h"
#include "QuestionBank.h"
#include "TempProgramDir.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace mirevo {
namespace {

struct Walk
{
    const char* name;
    bool (*clear)(ProgramState&);
    int subject;
    int paper;
    const char16_t* setUp; // gives row ID 7 the record
    const char16_t* select;
    const char16_t* update;
};

void PrintTo(const Walk& walk, std::ostream* os)
{
    *os << walk.name;
}

// Each walk keeps its statements as written, spacing included: after clearing row 7 the last
// statement is its update, and a walk that finds nothing leaves its select behind.
class RecordClearingTest : public ::testing::TestWithParam<Walk>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid()) << dir.error().toStdString();
        for (const QString& table : {u"swzj"_s, u"jczj"_s})
            ASSERT_TRUE(dir.insertQuestions(table, {test::TempProgramDir::question(7, u"1"_s)}));
        for (const QString& table : {u"sw5"_s, u"jc5"_s})
            ASSERT_TRUE(dir.insertQuestions(table, {test::TempProgramDir::question(7, {})}));
        state.questionBank = &bank;
        ASSERT_TRUE(openQuestionBank(state, dir.path()));
    }

    test::TempProgramDir dir;
    QuestionBank bank;
    ProgramState state;
};

TEST_P(RecordClearingTest, IssuesItsStatementsExactly)
{
    const Walk& walk = GetParam();
    ASSERT_TRUE(dir.execute(QString::fromUtf16(walk.setUp)));
    state.currentSubject = walk.subject;
    state.currentPaper = walk.paper;

    EXPECT_TRUE(walk.clear(state));
    EXPECT_EQ(state.currentSql, QString::fromUtf16(walk.update));
    EXPECT_NE(state.currentRecordSet, 0);

    EXPECT_TRUE(walk.clear(state)) << "nothing left to clear is no failure";
    EXPECT_EQ(state.currentSql, QString::fromUtf16(walk.select));
}

INSTANTIATE_TEST_SUITE_P(
    Walks, RecordClearingTest,
    ::testing::Values(
        Walk{"practice_answers_sw", clearPracticeAnswers, 1, 0, u"update swzj set XXDA='A' where ID=7",
             u"select * from swzj where  xxda<>''", u"update swzj set  XXDA=''   where ID=7"},
        Walk{"practice_answers_jc", clearPracticeAnswers, 2, 0, u"update jczj set XXDA='AB' where ID=7",
             u"select * from jczj where  xxda<>''", u"update jczj set  XXDA=''   where ID=7"},
        Walk{"favourites_sw", clearFavouriteMarks, 1, 0, u"update swzj set shucang='YES' where ID=7",
             u"select * from swzj where  shucang<>''", u"update swzj set  shucang=''   where ID=7"},
        Walk{"favourites_jc", clearFavouriteMarks, 2, 0, u"update jczj set shucang='YES' where ID=7",
             u"select * from jczj where  shucang<>''", u"update jczj set  shucang=''   where ID=7"},
        Walk{"scores_sw", clearPaperScores, 1, 0, u"update swdeifen set DF='88' where ID=7",
             u"select * from swdeifen where  DF<>''", u"update swdeifen set  DF=''   where ID=7"},
        Walk{"scores_jc", clearPaperScores, 2, 0, u"update jcdeifen set DF='0' where ID=7",
             u"select * from jcdeifen where  DF<>''", u"update jcdeifen set  DF=''   where ID=7"},
        Walk{"paper_answers_sw", clearPaperAnswers, 1, 5, u"update sw5 set XXDA='错误' where ID=7",
             u"select * from sw5 where  xxda<>''", u"update sw5 set  XXDA='' where ID=7"},
        Walk{"paper_answers_jc", clearPaperAnswers, 2, 5, u"update jc5 set XXDA='C' where ID=7",
             u"select * from jc5 where  xxda<>''", u"update jc5 set  XXDA='' where ID=7"}),
    [](const ::testing::TestParamInfo<Walk>& info) { return std::string(info.param.name); });

TEST(RecordClearingFailureTest, WithoutABankEveryWalkFails)
{
    ProgramState state;
    state.currentSubject = 1;
    state.currentPaper = 1;
    for (auto* clear : {clearPracticeAnswers, clearFavouriteMarks, clearPaperScores, clearPaperAnswers})
        EXPECT_FALSE(clear(state));
    EXPECT_EQ(state.currentSql, u"select * from sw1 where  xxda<>''"_s);
}

} // namespace
} // namespace mirevo
