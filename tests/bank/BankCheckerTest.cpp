#include "BankChecker.h"

#include "BankBuilder.h"
#include "BankTestSupport.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;
using mirevo::BankCheck;

namespace {

// One broken invariant: statements that break it in a sound bank, and the one violation
// check must then report.
struct Breakage
{
    const char* name;
    QStringList statements;
    QString table;
    QString idQuery; // gives the ID of the reported row (run before breaking); empty: the table
    QString text;    // a part of the violation's text
};

void PrintTo(const Breakage& b, std::ostream* os)
{
    *os << b.name;
}

class BankCheckerTest : public ::testing::TestWithParam<Breakage>
{
protected:
    // one sound bank for the whole suite, copied for each test
    static void SetUpTestSuite()
    {
        s_dir = std::make_unique<QTemporaryDir>();
        const mirevo::BankBuild build =
            mirevo::buildBank(mirevo::test::shippedSources(), s_dir->filePath(u"sound.dll"_s), false);
        ASSERT_TRUE(build.succeeded()) << build.errors.join(u'\n').toStdString();
    }
    static void TearDownTestSuite() { s_dir.reset(); }

    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QFile::copy(s_dir->filePath(u"sound.dll"_s), bankPath()));
        QFile::setPermissions(bankPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    QString bankPath() const { return m_dir.filePath(u"mini.dll"_s); }

    // Runs the statements on the copy; the first value of the first row of the last one.
    QString run(const QStringList& statements)
    {
        QString value;
        const QString name = u"mirevo.test.checker"_s;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name);
            db.setDatabaseName(bankPath());
            EXPECT_TRUE(db.open());
            QSqlQuery query(db);
            for (const QString& statement : statements)
                EXPECT_TRUE(query.exec(statement))
                    << statement.toStdString() << ": " << query.lastError().text().toStdString();
            if (query.isSelect() && query.next())
                value = query.value(0).toString();
        }
        QSqlDatabase::removeDatabase(name);
        return value;
    }

    static std::unique_ptr<QTemporaryDir> s_dir;
    QTemporaryDir m_dir;
};

std::unique_ptr<QTemporaryDir> BankCheckerTest::s_dir;

TEST_F(BankCheckerTest, TheShippedBankIsSound)
{
    const BankCheck check = mirevo::checkBank(bankPath());
    EXPECT_TRUE(check.sound());
    for (const mirevo::Violation& violation : check.violations)
        ADD_FAILURE() << mirevo::violationText(violation).toStdString();
    EXPECT_EQ(check.questionCount, 320 + 295 + 40 * 61);
}

TEST_P(BankCheckerTest, ReportsTheViolationWithItsTableAndId)
{
    const Breakage& breakage = GetParam();
    const QString id = breakage.idQuery.isEmpty() ? QString() : run({breakage.idQuery});
    run(breakage.statements);
    const BankCheck check = mirevo::checkBank(bankPath());
    EXPECT_TRUE(check.error.isEmpty());
    ASSERT_EQ(check.violations.size(), 1) << [&] {
        QStringList texts;
        for (const mirevo::Violation& violation : check.violations)
            texts << mirevo::violationText(violation);
        return texts.join(u'\n').toStdString();
    }();
    const mirevo::Violation& violation = check.violations.front();
    EXPECT_EQ(violation.table, breakage.table);
    EXPECT_EQ(violation.id, id);
    EXPECT_TRUE(violation.text.contains(breakage.text)) << violation.text.toStdString();
    EXPECT_FALSE(check.sound());
}

const QString firstSingle = u"select min(ID) from swzj where TX='单选题'"_s;
const QString firstMultiple = u"select min(ID) from jczj where TX='多选题'"_s;
const QString firstTrueFalse = u"select min(ID) from swzj where TX='判断题'"_s;

INSTANTIATE_TEST_SUITE_P(
    Invariants, BankCheckerTest,
    ::testing::Values(
        Breakage{"IdNotPositive",
                 {u"update swzj set ID=-4 where ID=4"_s},
                 u"swzj"_s,
                 u"select -4"_s,
                 u"greater than 0"_s},
        Breakage{"IdNotWhole",
                 {u"CREATE TABLE copy AS SELECT * FROM sw2"_s, u"DROP TABLE sw2"_s,
                  u"CREATE TABLE sw2 AS SELECT * FROM copy"_s, u"update sw2 set ID='x1' where ID=1"_s},
                 u"sw2"_s,
                 u"select 'x1'"_s,
                 u"not a whole number"_s},
        Breakage{"IdTwice",
                 {u"CREATE TABLE copy AS SELECT * FROM jc2"_s, u"DROP TABLE jc2"_s,
                  u"CREATE TABLE jc2 AS SELECT * FROM copy"_s, u"update jc2 set ID=2 where ID=3"_s},
                 u"jc2"_s,
                 u"select 2"_s,
                 u"used by 2 rows"_s},
        Breakage{"ChapterBeyondTheCatalogue",
                 {u"update jczj set zj='8' where ID=1"_s},
                 u"jczj"_s,
                 u"select 1"_s,
                 u"not a chapter of 经济法基础"_s},
        Breakage{"ChapterWithLeadingZero",
                 {u"update swzj set zj='01' where ID=2"_s},
                 u"swzj"_s,
                 u"select 2"_s,
                 u"without leading zeros"_s},
        Breakage{"UnknownType",
                 {u"update swzj set TX='填空题' where ID=3"_s},
                 u"swzj"_s,
                 u"select 3"_s,
                 u"填空题"_s},
        Breakage{"IndefiniteInAChapter",
                 {u"update jczj set TX='不定项选择题' where ID=("_s + firstMultiple + u")"_s},
                 u"jczj"_s,
                 firstMultiple,
                 u"papers only"_s},
        Breakage{"SingleAnswerNotALetter",
                 {u"update swzj set DA='E' where ID=("_s + firstSingle + u")"_s},
                 u"swzj"_s,
                 firstSingle,
                 u"DA: \"E\""_s},
        Breakage{"MultipleAnswerOutOfOrder",
                 {u"update jczj set DA='CA' where ID=("_s + firstMultiple + u")"_s},
                 u"jczj"_s,
                 firstMultiple,
                 u"order"_s},
        Breakage{"MultipleAnswerOneLetter",
                 {u"update jczj set DA='C' where ID=("_s + firstMultiple + u")"_s},
                 u"jczj"_s,
                 firstMultiple,
                 u"at least two"_s},
        Breakage{"TrueFalseAnswerWord",
                 {u"update swzj set DA='对' where ID=("_s + firstTrueFalse + u")"_s},
                 u"swzj"_s,
                 firstTrueFalse,
                 u"neither 正确 nor 错误"_s},
        Breakage{"IndefiniteAnswerEmpty",
                 {u"update sw8 set DA=NULL where ID=50"_s},
                 u"sw8"_s,
                 u"select 50"_s,
                 u"DA: is empty"_s},
        Breakage{"StemMissing",
                 {u"update jc4 set TM=' ' where ID=7"_s},
                 u"jc4"_s,
                 u"select 7"_s,
                 u"stem is empty"_s},
        Breakage{"OptionMissing",
                 {u"update swzj set XXC=NULL where ID=("_s + firstSingle + u")"_s},
                 u"swzj"_s,
                 firstSingle,
                 u"XXC: the option is empty"_s},
        Breakage{"PaperShort",
                 {u"delete from sw4 where ID=61"_s},
                 u"sw4"_s,
                 {},
                 u"holds 14 不定项选择题 where a paper holds 15"_s},
        Breakage{"PaperWithAnExtraQuestion",
                 {u"insert into jc11 (ID, TM, TX, XXA, XXB, XXC, XXD, DA, JX) "
                  u"select 62, TM, TX, XXA, XXB, XXC, XXD, DA, JX from jc11 where ID=50"_s},
                 u"jc11"_s,
                 {},
                 u"holds 16 不定项选择题 where a paper holds 15"_s},
        Breakage{"SectionOrder",
                 {u"update sw5 set ID=100 where ID=1"_s},
                 u"sw5"_s,
                 u"select 100"_s,
                 u"单选题 after the 不定项选择题 section"_s},
        Breakage{"PaperMissing", {u"DROP TABLE jc20"_s}, u"jc20"_s, {}, u"missing or cannot be read"_s},
        Breakage{
            "ChapterTableMissing", {u"DROP TABLE swzj"_s}, u"swzj"_s, {}, u"missing or cannot be read"_s},
        Breakage{"ScoreRowMissing",
                 {u"delete from swdeifen where ID=7"_s},
                 u"swdeifen"_s,
                 u"select 7"_s,
                 u"score row of paper 7 is missing"_s},
        Breakage{"ScoreRowOfAnotherPaper",
                 {u"update jcdeifen set SJ='3' where ID=4"_s},
                 u"jcdeifen"_s,
                 u"select 4"_s,
                 u"SJ: \"3\""_s},
        Breakage{"ScoreRowBeyondThePapers",
                 {u"insert into swdeifen (ID, SJ, DF) values (21, '21', '')"_s},
                 u"swdeifen"_s,
                 u"select 21"_s,
                 u"no paper 21"_s},
        Breakage{"ScoreTableMissing",
                 {u"DROP TABLE jcdeifen"_s},
                 u"jcdeifen"_s,
                 {},
                 u"missing or cannot be read"_s}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BankCheckerTest, ScoresAndAnswersOfAUserAreNoViolation)
{
    run({u"update swdeifen set DF='58.5' where ID=3"_s,
         u"update swzj set XXDA='B', shucang='YES' where ID=1"_s});
    EXPECT_TRUE(mirevo::checkBank(bankPath()).sound());
}

TEST_F(BankCheckerTest, LeavesTheBankUntouched)
{
    run({u"update sw1 set DA='x' where ID=1"_s});
    const QByteArray before = mirevo::test::fileBytes(bankPath());
    EXPECT_FALSE(mirevo::checkBank(bankPath()).sound());
    EXPECT_EQ(mirevo::test::fileBytes(bankPath()), before);
}

TEST(BankCheck, FailsOnWhatIsNoBank)
{
    QTemporaryDir dir;
    EXPECT_TRUE(mirevo::checkBank(dir.filePath(u"none.dll"_s)).error.startsWith(u"there is no bank"_s));
    ASSERT_TRUE(mirevo::test::writeFile(dir.filePath(u"text.dll"_s), "not a database"));
    const BankCheck check = mirevo::checkBank(dir.filePath(u"text.dll"_s));
    EXPECT_TRUE(check.error.contains(u"cannot be opened as a question bank"_s)) << check.error.toStdString();
    EXPECT_FALSE(check.sound());
}

} // namespace
