#include "BankBackend.h"
#include "QuestionBank.h"
#include "TempProgramDir.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using mirevo::QuestionBank;
using mirevo::test::BankBackend;
using mirevo::test::TempProgramDir;

namespace {

class BankDurability : public ::testing::TestWithParam<BankBackend>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid()) << m_dir.error().toStdString();
        QList<mirevo::BankQuestion> questions;
        for (int id = 1; id <= 61; ++id)
            questions << TempProgramDir::question(id, {});
        ASSERT_TRUE(m_dir.insertQuestions(u"sw3"_s, questions));
        if (GetParam() == BankBackend::Odbc && !mirevo::test::sqliteOdbcDriverAvailable(m_dir.bankPath()))
            GTEST_SKIP() << "the SQLite3 ODBC driver is not installed";
    }

    // Runs the helper, which is killed right after its last update returned.
    void runAndKill(const QStringList& updates)
    {
        QProcess helper;
        helper.start(QStringLiteral(BANK_CRASH_HELPER),
                     QStringList{GetParam() == BankBackend::File ? u"file"_s : u"odbc"_s, m_dir.bankPath()} +
                         updates);
        ASSERT_TRUE(helper.waitForFinished(30000));
        ASSERT_EQ(helper.exitStatus(), QProcess::CrashExit) << "exit code " << helper.exitCode();
    }

    void expectSoundBank()
    {
        EXPECT_FALSE(QFile::exists(m_dir.bankPath() + u"-journal"_s)) << "the last commit was complete";
        QuestionBank bank;
        ASSERT_TRUE(bank.OpenDatabase(m_dir.bankPath()));
        const int handle = bank.OpenTable(u"PRAGMA integrity_check"_s);
        ASSERT_GT(handle, 0);
        EXPECT_EQ(bank.ReadColByName(handle, u"integrity_check"_s).toString(), u"ok"_s);
    }

    TempProgramDir m_dir;
};

TEST_P(BankDurability, AnswerSurvivesAKillRightAfterTheUpdate)
{
    runAndKill({u"update sw3  set  XXDA='C' where ID=17"_s});
    expectSoundBank();
    EXPECT_EQ(m_dir.bankValue(u"select XXDA from sw3 where ID=17"_s).toString(), u"C"_s);
}

TEST_P(BankDurability, EveryAnswerOfASessionSurvives)
{
    QStringList updates;
    for (int id = 1; id <= 61; ++id)
        updates << u"update sw3  set  XXDA='%1' where ID=%2"_s.arg(QChar(u'A' + id % 4)).arg(id);
    runAndKill(updates);
    expectSoundBank();
    for (int id = 1; id <= 61; ++id)
        EXPECT_EQ(m_dir.bankValue(u"select XXDA from sw3 where ID=%1"_s.arg(id)).toString(),
                  QChar(u'A' + id % 4));
}

TEST_P(BankDurability, ConnectionSyncsEveryCommitWithARollbackJournal)
{
    // a killed process cannot show a missing fsync; the engine settings can
    QuestionBank bank;
    ASSERT_TRUE(mirevo::test::openBank(bank, GetParam(), m_dir.bankPath()));
    const int synchronous = bank.OpenTable(u"PRAGMA synchronous"_s);
    EXPECT_EQ(bank.ReadColByName(synchronous, u"synchronous"_s).toInt(), 2) << "FULL";
    const int journal = bank.OpenTable(u"PRAGMA journal_mode"_s);
    EXPECT_EQ(bank.ReadColByName(journal, u"journal_mode"_s).toString(), u"delete"_s);
}

INSTANTIATE_TEST_SUITE_P(Backends, BankDurability, ::testing::Values(BankBackend::File, BankBackend::Odbc),
                         [](const auto& info) { return info.param == BankBackend::File ? "File" : "Odbc"; });

} // namespace
