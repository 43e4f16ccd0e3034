#include "BankImport.h"

#include "BankExport.h"
#include "BankTestSupport.h"
#include "TempProgramDir.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using mirevo::ImportOutcome;
using mirevo::ImportRequest;
using mirevo::TableKind;
using mirevo::test::TempProgramDir;

namespace {

const QString header = u"TM,TX,XXA,XXB,XXC,XXD,DA,JX,zj\n"_s;

class BankImportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid()) << m_dir.error().toStdString();
        ASSERT_TRUE(m_dir.insertQuestions(
            u"swzj"_s, {TempProgramDir::question(1, u"1"_s), TempProgramDir::question(2, u"1"_s)}));
    }

    QString csvFile(const QByteArray& bytes, const QString& name = u"rows.csv"_s)
    {
        const QString path = m_dir.filePath(name);
        EXPECT_TRUE(mirevo::test::writeFile(path, bytes));
        return path;
    }

    ImportOutcome import(const QString& csvPath, int subject, TableKind kind, int number)
    {
        return mirevo::importCsv(ImportRequest{csvPath, m_dir.bankPath(), subject, kind, number});
    }

    QVariant value(const QString& sql) const { return m_dir.bankValue(sql); }

    TempProgramDir m_dir;
};

TEST_F(BankImportTest, ImportsAGbkSpreadsheetAfterTheHighestId)
{
    QStringEncoder gbk("GBK");
    const QString text =
        u"题干,题型,选项A,选项B,选项C,选项D,正确答案,解析\n"
        u"下列属于资产的有（　）。,多选,存货,短期借款,应收账款,实收资本,\"C,A\",存货和应收账款是资产。\n"
        u"预收账款属于负债。,判断题,,,,,对,预收账款是负债。\n"_s;
    const ImportOutcome outcome = import(csvFile(gbk.encode(text)), 1, TableKind::Chapter, 3);
    ASSERT_TRUE(outcome.succeeded()) << outcome.error.toStdString();
    EXPECT_EQ(outcome.encoding, u"GB18030"_s);
    EXPECT_EQ(outcome.table, u"swzj"_s);
    EXPECT_EQ(outcome.firstId, 3);
    EXPECT_EQ(outcome.imported, 2);
    EXPECT_EQ(outcome.notes.size(), 3);
    EXPECT_EQ(value(u"select count(*) from swzj"_s).toInt(), 4);
    EXPECT_EQ(value(u"select TM from swzj where ID=3"_s).toString(), u"下列属于资产的有（　）。"_s);
    EXPECT_EQ(value(u"select DA||'/'||TX||'/'||zj from swzj where ID=3"_s).toString(), u"AC/多选题/3"_s);
    EXPECT_EQ(value(u"select DA||'/'||XXA||'/'||shucang||'/'||XXDA from swzj where ID=4"_s).toString(),
              u"正确///"_s);
}

TEST_F(BankImportTest, ARejectedRowLeavesTheBankByteIdentical)
{
    const QByteArray before = mirevo::test::fileBytes(m_dir.bankPath());
    const QString csv = header + u"好题,单选题,a,b,c,d,A,j,\n坏题,单选题,a,b,c,d,E,j,\n"_s;
    const ImportOutcome outcome = import(csvFile(csv.toUtf8()), 1, TableKind::Chapter, 1);
    EXPECT_FALSE(outcome.succeeded());
    EXPECT_EQ(outcome.imported, 0);
    EXPECT_EQ(outcome.rejections, QStringList{u"row 3: DA: \"E\" is not one of the letters A, B, C, D"_s});
    EXPECT_EQ(outcome.error, u"1 row(s) cannot be imported; nothing imported"_s);
    EXPECT_EQ(mirevo::test::fileBytes(m_dir.bankPath()), before);
}

TEST_F(BankImportTest, ARowTheBankRefusesUndoesTheWholeImport)
{
    ASSERT_TRUE(m_dir.execute(u"CREATE TRIGGER refuse BEFORE INSERT ON swzj WHEN NEW.TM='拒绝' "
                              u"BEGIN SELECT RAISE(ABORT, 'refused'); END"_s));
    const QStringList before = mirevo::test::tableRows(m_dir.bankPath(), u"swzj"_s);
    const QString csv =
        header + u"一,单选题,a,b,c,d,A,j,\n二,单选题,a,b,c,d,B,j,\n拒绝,单选题,a,b,c,d,C,j,\n"_s;
    const ImportOutcome outcome = import(csvFile(csv.toUtf8()), 1, TableKind::Chapter, 1);
    EXPECT_FALSE(outcome.succeeded());
    EXPECT_TRUE(outcome.error.contains(u"refused"_s)) << outcome.error.toStdString();
    EXPECT_TRUE(outcome.error.endsWith(u"nothing imported"_s));
    EXPECT_EQ(mirevo::test::tableRows(m_dir.bankPath(), u"swzj"_s), before);
}

struct BadImport
{
    const char* name;
    int subject;
    TableKind kind;
    int number;
    const char* setup; // a statement run on the bank first, or ""
    const char* error; // a part of the error
};

void PrintTo(const BadImport& b, std::ostream* os)
{
    *os << b.name;
}

class BankImportDestinationTest : public BankImportTest, public ::testing::WithParamInterface<BadImport>
{};

TEST_P(BankImportDestinationTest, IsRefusedBeforeAnythingIsWritten)
{
    const BadImport& bad = GetParam();
    if (*bad.setup != 0) {
        ASSERT_TRUE(m_dir.execute(QString::fromUtf8(bad.setup)));
    }
    const QByteArray before = mirevo::test::fileBytes(m_dir.bankPath());
    const ImportOutcome outcome =
        import(csvFile((header + u"题,单选题,a,b,c,d,A,j,\n"_s).toUtf8()), bad.subject, bad.kind, bad.number);
    EXPECT_TRUE(outcome.error.contains(QString::fromUtf8(bad.error))) << outcome.error.toStdString();
    EXPECT_EQ(mirevo::test::fileBytes(m_dir.bankPath()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Destinations, BankImportDestinationTest,
    ::testing::Values(
        BadImport{"NoSuchSubject", 3, TableKind::Chapter, 1, "", "there is no subject 3"},
        BadImport{"ChapterBeyondTheCatalogue", 1, TableKind::Chapter, 11, "", "has no chapter 11"},
        BadImport{"ChapterOfTheOtherSubject", 2, TableKind::Chapter, 8, "", "has no chapter 8"},
        BadImport{"NoSuchPaper", 1, TableKind::Paper, 0, "", "there is no paper 0"},
        BadImport{"MissingTable", 2, TableKind::Paper, 5, "DROP TABLE jc5", "the table jc5 is missing"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BankImportTest, RefusesWhatIsNotAWritableBankOrAFileOfQuestions)
{
    const QString csv = csvFile((header + u"题,单选题,a,b,c,d,A,j,\n"_s).toUtf8());
    const QString notABank = csvFile("Standard Jet DB", u"access.mdb"_s);
    EXPECT_TRUE(mirevo::importCsv({csv, m_dir.filePath(u"none.dll"_s), 1, TableKind::Chapter, 1})
                    .error.startsWith(u"there is no bank"_s));
    EXPECT_TRUE(
        mirevo::importCsv({csv, notABank, 1, TableKind::Chapter, 1}).error.contains(u"not a bank made by"_s));
    EXPECT_TRUE(
        import(m_dir.filePath(u"none.csv"_s), 1, TableKind::Chapter, 1).error.contains(u"cannot be read"_s));
    EXPECT_TRUE(import(csvFile(header.toUtf8(), u"empty.csv"_s), 1, TableKind::Chapter, 1)
                    .error.endsWith(u"holds no questions; nothing imported"_s));
    EXPECT_EQ(value(u"select count(*) from swzj"_s).toInt(), 2);
}

// Rows with every kind of text a spreadsheet cell can hold.
QList<mirevo::BankQuestion> awkwardQuestions(const QString& zj, bool withCase)
{
    QList<mirevo::BankQuestion> questions;
    for (int id = 1; id <= 4; ++id) {
        mirevo::BankQuestion q = TempProgramDir::question(id, zj);
        q.tm = u"第%1题，含\"引号\", 逗号\n和换行"_s.arg(id);
        q.xxb = u" 前后空格 "_s;
        q.jx = u"解析\r\n第二行"_s;
        questions << q;
    }
    questions[1].tx = u"多选题"_s;
    questions[1].da = u"ACD"_s;
    questions[2].tx = u"判断题"_s;
    questions[2].xxa = questions[2].xxb = questions[2].xxc = questions[2].xxd = u""_s;
    questions[2].da = u"错误"_s;
    if (withCase) {
        questions[3].tx = u"不定项选择题"_s;
        questions[3].da = u"B"_s;
    }
    return questions;
}

TEST_F(BankImportTest, ChapterExportImportsBackUnchanged)
{
    TempProgramDir source;
    ASSERT_TRUE(source.insertQuestions(u"jczj"_s, awkwardQuestions(u"6"_s, false)));
    const mirevo::TableExport exported = mirevo::exportTable(source.bankPath(), u"jczj"_s);
    ASSERT_TRUE(exported.error.isEmpty()) << exported.error.toStdString();
    TempProgramDir target;
    const ImportOutcome outcome =
        mirevo::importCsv({csvFile(exported.csv), target.bankPath(), 2, TableKind::Chapter, 6});
    ASSERT_TRUE(outcome.succeeded()) << outcome.error.toStdString()
                                     << outcome.rejections.join(u'\n').toStdString();
    EXPECT_TRUE(outcome.notes.isEmpty()) << outcome.notes.join(u'\n').toStdString();
    EXPECT_EQ(mirevo::test::tableRows(target.bankPath(), u"jczj"_s),
              mirevo::test::tableRows(source.bankPath(), u"jczj"_s));
    EXPECT_EQ(mirevo::exportTable(target.bankPath(), u"jczj"_s).csv, exported.csv);
}

TEST_F(BankImportTest, PaperExportImportsBackUnchanged)
{
    TempProgramDir source;
    ASSERT_TRUE(source.insertQuestions(u"sw9"_s, awkwardQuestions({}, true)));
    const mirevo::TableExport exported = mirevo::exportTable(source.bankPath(), u"sw9"_s);
    ASSERT_TRUE(exported.csv.startsWith("TM,TX,XXA,XXB,XXC,XXD,DA,JX\n"));
    TempProgramDir target;
    ASSERT_TRUE(
        mirevo::importCsv({csvFile(exported.csv), target.bankPath(), 1, TableKind::Paper, 9}).succeeded());
    EXPECT_EQ(mirevo::test::tableRows(target.bankPath(), u"sw9"_s),
              mirevo::test::tableRows(source.bankPath(), u"sw9"_s));
}

TEST_F(BankImportTest, ExportNamesOnlyQuestionTables)
{
    EXPECT_TRUE(
        mirevo::exportTable(m_dir.bankPath(), u"swdeifen"_s).error.contains(u"is not a question table"_s));
    EXPECT_TRUE(
        mirevo::exportTable(m_dir.bankPath(), u"sw21"_s).error.contains(u"is not a question table"_s));
    EXPECT_TRUE(mirevo::exportTable(m_dir.filePath(u"none.dll"_s), u"swzj"_s)
                    .error.startsWith(u"there is no bank"_s));
    ASSERT_TRUE(m_dir.execute(u"DROP TABLE jc3"_s));
    EXPECT_EQ(mirevo::exportTable(m_dir.bankPath(), u"jc3"_s).error,
              u"the table jc3 is missing or cannot be read"_s);
}

} // namespace
