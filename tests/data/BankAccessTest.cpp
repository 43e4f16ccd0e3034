#include "BankAccess.h"

#include "BankLock.h"
#include "ProgramState.h"
#include "QuestionBank.h"
#include "TempProgramDir.h"

#include <QDir>
#include <gtest/gtest.h>
#include <limits>

using namespace Qt::StringLiterals;
using mirevo::ProgramState;
using mirevo::QuestionBank;
using mirevo::test::TempProgramDir;

namespace {

class BankAccessTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid()) << m_dir.error().toStdString();
        ASSERT_TRUE(m_dir.insertQuestions(
            u"swzj"_s, {TempProgramDir::question(1, u"1"_s), TempProgramDir::question(2, u"1"_s)}));
        ASSERT_TRUE(m_dir.execute(u"update swdeifen set DF='58.5' where ID=3"_s));
        m_state.questionBank = &m_bank;
        ASSERT_TRUE(mirevo::openQuestionBank(m_state, m_dir.path()));
    }

    TempProgramDir m_dir;
    QuestionBank m_bank;
    ProgramState m_state;
};

TEST_F(BankAccessTest, QueryIsKeptAndPositionedOnTheFirstRow)
{
    const QString sql = u"select  * from swzj where zj='1'"_s;
    const int handle = mirevo::openQuery(m_state, sql);
    EXPECT_GT(handle, 0);
    EXPECT_EQ(m_state.currentRecordSet, handle);
    EXPECT_EQ(m_state.currentSql, sql);
    QStringList ids;
    for (; !m_bank.IsEOF(handle); m_bank.MoveNext(handle))
        ids << mirevo::readColumnText(m_state, u"ID"_s);
    ids.sort();
    EXPECT_EQ(ids, (QStringList{u"1"_s, u"2"_s}));
}

TEST_F(BankAccessTest, FailedQueryLeavesHandleZeroAndEmptyTexts)
{
    const QString sql = u"select  * from sw21"_s;
    EXPECT_EQ(mirevo::openQuery(m_state, sql), 0);
    EXPECT_EQ(m_state.currentRecordSet, 0);
    EXPECT_EQ(m_state.currentSql, sql);
    EXPECT_EQ(mirevo::readColumnText(m_state, u"TM"_s), u""_s);
    EXPECT_EQ(mirevo::readColumnNumber(m_state, u"ID"_s), 0.0);
}

TEST_F(BankAccessTest, ClosedRecordSetReadsEmptyText)
{
    const int handle = mirevo::openQuery(m_state, u"select top 1 * from swzj where ID=2"_s);
    EXPECT_EQ(mirevo::readColumnText(m_state, u"JX"_s), u"解析2"_s);
    m_bank.CloseTable(handle);
    EXPECT_EQ(mirevo::readColumnText(m_state, u"JX"_s), u""_s);
    EXPECT_EQ(m_state.currentRecordSet, handle) << "the last handle stays after closing";
}

TEST_F(BankAccessTest, ReadsNumbersFromIntegersAndTexts)
{
    mirevo::openQuery(m_state, u"select * from  swdeifen  where SJ='3'"_s);
    EXPECT_EQ(mirevo::readColumnNumber(m_state, u"ID"_s), 3.0);
    EXPECT_EQ(mirevo::readColumnNumber(m_state, u"DF"_s), 58.5);
    EXPECT_EQ(mirevo::readColumnText(m_state, u"DF"_s), u"58.5"_s);
    EXPECT_EQ(mirevo::readColumnNumber(m_state, u"SJ"_s), 3.0);
    EXPECT_EQ(mirevo::readColumnNumber(m_state, u"nosuch"_s), 0.0);
}

// IDs as the bank holds them, with no detour through floating point; anything that is not a
// whole number is no ID.
TEST_F(BankAccessTest, IntegersAreReadExactly)
{
    ASSERT_TRUE(m_dir.execute(u"CREATE TABLE ids (k INTEGER, v)"_s));
    ASSERT_TRUE(m_dir.execute(u"INSERT INTO ids VALUES (1, 9223372036854775807), (2, 9007199254740993), "
                              u"(3, -7), (4, 12.0), (5, 12.5), (6, ' 42 '), (7, '4x'), (8, ''), "
                              u"(9, 1e300), (10, NULL)"_s));
    const QList<std::optional<qint64>> expected = {std::numeric_limits<qint64>::max(),
                                                   9007199254740993LL,
                                                   -7,
                                                   12,
                                                   std::nullopt,
                                                   42,
                                                   std::nullopt,
                                                   std::nullopt,
                                                   std::nullopt,
                                                   std::nullopt};
    for (int k = 1; k <= expected.size(); ++k) {
        mirevo::openQuery(m_state, u"select v from ids where k=%1"_s.arg(k));
        EXPECT_EQ(mirevo::readColumnInteger(m_state, u"v"_s), expected.at(k - 1)) << "row " << k;
    }
}

// An update is stored only when it changed a row; a busy or read-only bank is told apart, each
// with its own message.
TEST_F(BankAccessTest, RowUpdatesTellWhatBecameOfThem)
{
    using mirevo::UpdateOutcome;
    EXPECT_EQ(mirevo::runRowUpdate(m_state, u"update swzj set  XXDA='C' where ID=1"_s),
              UpdateOutcome::Stored);
    EXPECT_EQ(mirevo::runRowUpdate(m_state, u"update swzj set  XXDA='C' where ID=99"_s),
              UpdateOutcome::NoRow);
    EXPECT_EQ(mirevo::runRowUpdate(m_state, u"update sw21 set  XXDA='C' where ID=1"_s),
              UpdateOutcome::Failed);
    {
        mirevo::test::BankLock lock(m_dir.bankPath());
        EXPECT_EQ(mirevo::runRowUpdate(m_state, u"update swzj set  XXDA='D' where ID=1"_s),
                  UpdateOutcome::Busy);
    }
    EXPECT_EQ(mirevo::notStoredMessage(UpdateOutcome::NoRow), u"错误代码！"_s);
    EXPECT_EQ(mirevo::notStoredMessage(UpdateOutcome::Failed), u"错误代码！"_s);
    EXPECT_NE(mirevo::notStoredMessage(UpdateOutcome::Busy),
              mirevo::notStoredMessage(UpdateOutcome::ReadOnly));
    EXPECT_EQ(m_dir.bankValue(u"select XXDA from swzj where ID=1"_s).toString(), u"C"_s);
}

TEST_F(BankAccessTest, UpdateIsKeptAndWritten)
{
    const QString sql = u"update swzj set  XXDA='C' where ID=1"_s;
    EXPECT_TRUE(mirevo::runUpdate(m_state, sql));
    EXPECT_EQ(m_state.currentSql, sql);
    EXPECT_EQ(m_dir.bankValue(u"select XXDA from swzj where ID=1"_s).toString(), u"C"_s);
    EXPECT_FALSE(mirevo::runUpdate(m_state, u"update sw21 set  XXDA='C' where ID=1"_s));
}

TEST_F(BankAccessTest, AFailedWriteSaysWhetherTheBankIsBusyOrReadOnly)
{
    const QString update = u"update swzj set  shucang='YES' where ID=1"_s;
    {
        mirevo::test::BankLock lock(m_dir.bankPath());
        ASSERT_TRUE(lock.isLocked());
        ASSERT_FALSE(mirevo::runUpdate(m_state, update));
        EXPECT_EQ(mirevo::writeFailureMessage(m_state, u"收藏未保存。"_s),
                  u"题库文件正被其他程序使用，收藏未保存。"_s);
    }

    QuestionBank readOnly;
    ProgramState state;
    state.questionBank = &readOnly;
    ASSERT_TRUE(readOnly.OpenDatabase(m_dir.bankPath(), {}, {}, true));
    ASSERT_FALSE(mirevo::runUpdate(state, update));
    EXPECT_EQ(mirevo::writeFailureMessage(state, u"本次得分未保存。"_s),
              u"题库文件是只读的，本次得分未保存。"_s);

    ASSERT_FALSE(mirevo::runUpdate(m_state, u"update sw21 set  XXDA='C' where ID=1"_s));
    EXPECT_EQ(mirevo::writeFailureMessage(m_state, u"收藏未保存。"_s), u"错误代码！"_s)
        << "any other failure";
    EXPECT_EQ(mirevo::writeFailureMessage(ProgramState(), u"收藏未保存。"_s), u"错误代码！"_s)
        << "no bank at all";
}

TEST_F(BankAccessTest, WithoutABankNothingOpens)
{
    ProgramState state;
    EXPECT_FALSE(mirevo::openQuestionBank(state, m_dir.path()));
    EXPECT_EQ(mirevo::openQuery(state, u"select  * from swzj"_s), 0);
    EXPECT_EQ(state.currentSql, u"select  * from swzj"_s);
    EXPECT_FALSE(mirevo::runUpdate(state, u"update swzj set  XXDA='C' where ID=1"_s));
    EXPECT_EQ(mirevo::readColumnText(state, u"ID"_s), u""_s);
}

TEST_F(BankAccessTest, ProgramDirectoryWithoutBankFails)
{
    QuestionBank other;
    ProgramState state;
    state.questionBank = &other;
    EXPECT_FALSE(mirevo::openQuestionBank(state, m_dir.filePath(u"elsewhere"_s)));
    EXPECT_FALSE(other.isOpen());
}

TEST_F(BankAccessTest, ProgramDirectoryWithBlanksAndChineseOpens)
{
    const QString programDir = m_dir.filePath(u"会计 练习"_s);
    ASSERT_TRUE(QDir().mkpath(programDir));
    ASSERT_TRUE(mirevo::createEmptyBank(programDir + u"/mini.dll"_s));
    QuestionBank other;
    ProgramState state;
    state.questionBank = &other;
    ASSERT_TRUE(mirevo::openQuestionBank(state, programDir));
    EXPECT_GT(mirevo::openQuery(state, u"select * from  jcdeifen  where SJ='20'"_s), 0);
    EXPECT_EQ(mirevo::readColumnText(state, u"ID"_s), u"20"_s);
}

} // namespace
