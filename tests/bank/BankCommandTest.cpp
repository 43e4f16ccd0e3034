#include "BankCommand.h"

#include "BankRules.h"
#include "BankTestSupport.h"
#include "SyntheticSources.h"
#include "TempProgramDir.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using mirevo::test::TempProgramDir;

namespace {

struct CommandRun
{
    int status;
    QString out;
    QString err;
};

CommandRun run(const QStringList& arguments)
{
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const int status = mirevo::runBankCommand(arguments, out, err);
    return {status, QString::fromUtf8(out.data()), QString::fromUtf8(err.data())};
}

class BankCommandTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    TempProgramDir m_dir;
};

TEST_F(BankCommandTest, MalformedCommandLinesShowTheUsage)
{
    const QString bank = m_dir.bankPath();
    for (const QStringList& arguments :
         {QStringList{}, QStringList{u"help"_s}, QStringList{u"check"_s}, QStringList{u"build"_s, u"src"_s},
          QStringList{u"build"_s, u"src"_s, u"out"_s, u"--forced"_s}, QStringList{u"export-csv"_s, bank},
          QStringList{u"import-csv"_s, u"a.csv"_s, bank, u"--chapter"_s, u"1"_s},
          QStringList{u"import-csv"_s, u"a.csv"_s, bank, u"--subject"_s, u"1"_s},
          QStringList{u"import-csv"_s, u"a.csv"_s, bank, u"--subject"_s, u"1"_s, u"--chapter"_s, u"1"_s,
                      u"--paper"_s, u"2"_s},
          QStringList{u"import-csv"_s, u"a.csv"_s, bank, u"--subject"_s, u"one"_s, u"--chapter"_s, u"1"_s},
          QStringList{u"import-csv"_s, u"a.csv"_s, bank, u"--subject"_s, u"1"_s, u"--subject"_s, u"2"_s,
                      u"--paper"_s, u"2"_s}}) {
        const CommandRun result = run(arguments);
        EXPECT_EQ(result.status, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(result.err.startsWith(u"usage: mirevo-bank build"_s));
    }
}

TEST_F(BankCommandTest, CheckPrintsEachViolationAndFails)
{
    ASSERT_TRUE(m_dir.insertQuestions(u"jczj"_s, {TempProgramDir::question(5, u"9"_s)}));
    const CommandRun result = run({u"check"_s, m_dir.bankPath()});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.out.contains(u"jczj ID 5: zj: \"9\" is not a chapter of 经济法基础"_s))
        << result.out.toStdString();
    EXPECT_TRUE(result.out.contains(u"sw1: holds 0 单选题 where a paper holds 24\n"_s));
    EXPECT_TRUE(result.out.startsWith(u"swzj 第1章: 0 of 113, 单选 0 / 多选 0 / 判断 0\n"_s));
    EXPECT_TRUE(result.out.contains(u"jczj: chapter 1 holds 0 questions where the catalogue has 134\n"_s));
    EXPECT_TRUE(result.err.endsWith(u"violation(s)\n"_s));
}

TEST_F(BankCommandTest, ImportReportsAndExportWritesTheTable)
{
    const QString csv = m_dir.filePath(u"rows.csv"_s);
    ASSERT_TRUE(
        mirevo::test::writeFile(csv, u"TM,TX,XXA,XXB,XXC,XXD,DA,JX\n题,单选题,a,b,c,d,b,解析\n"_s.toUtf8()));
    const CommandRun imported =
        run({u"import-csv"_s, csv, m_dir.bankPath(), u"--subject"_s, u"2"_s, u"--chapter"_s, u"4"_s});
    EXPECT_EQ(imported.status, 0) << imported.err.toStdString();
    EXPECT_EQ(imported.out, u"read as UTF-8\nnote: row 2, DA: \"b\" read as \"B\"\n"
                            u"imported 1 question(s) into jczj as ID 1 to 1\n"_s);
    const CommandRun exported = run({u"export-csv"_s, m_dir.bankPath(), u"jczj"_s});
    EXPECT_EQ(exported.status, 0);
    EXPECT_EQ(exported.out, u"TM,TX,XXA,XXB,XXC,XXD,DA,JX,zj\n题,单选题,a,b,c,d,B,解析,4\n"_s);
}

TEST_F(BankCommandTest, BuildRefusesAnExistingBankWithoutForce)
{
    QTemporaryDir sources;
    ASSERT_TRUE(mirevo::test::writeSources(sources.path(), mirevo::catalogueSizes()));
    const QByteArray before = mirevo::test::fileBytes(m_dir.bankPath());
    const CommandRun refused = run({u"build"_s, sources.path(), m_dir.bankPath()});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains(u"give --force to replace it"_s));
    EXPECT_EQ(mirevo::test::fileBytes(m_dir.bankPath()), before);
    const CommandRun forced = run({u"build"_s, sources.path(), m_dir.bankPath(), u"--force"_s});
    EXPECT_EQ(forced.status, 0) << forced.err.toStdString();
    EXPECT_TRUE(forced.out.startsWith(u"built "_s));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{u"mini.dll"_s})
        << "nothing is left of the build beside the bank";

    const CommandRun checked = run({u"check"_s, m_dir.bankPath()});
    EXPECT_EQ(checked.status, 0) << checked.out.toStdString();
    const QStringList lines = checked.out.split(u'\n');
    EXPECT_EQ(lines.front(), u"swzj 第1章: 113 of 113, 单选 57 / 多选 28 / 判断 28"_s);
    EXPECT_TRUE(lines.at(10).startsWith(u"初级会计实务 papers: chapter questions in at most "_s));
    EXPECT_TRUE(lines.at(18).startsWith(u"经济法基础 papers: "_s));
    EXPECT_TRUE(lines.at(19).endsWith(u": sound, 4212 questions"_s));
}

TEST_F(BankCommandTest, CreateWritesAnEmptyBankOnce)
{
    const QString path = m_dir.filePath(u"new.dll"_s);
    EXPECT_EQ(run({u"create"_s, path}).status, 0);
    EXPECT_EQ(mirevo::test::tableRows(path, u"swdeifen"_s).size(), 20);
    const CommandRun again = run({u"create"_s, path});
    EXPECT_EQ(again.status, 1);
    EXPECT_TRUE(again.err.contains(u"already exists"_s));
}

} // namespace
