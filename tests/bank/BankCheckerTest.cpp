#include "BankChecker.h"

#include "BankBuilder.h"
#include "BankTestSupport.h"
#include "SyntheticSources.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;
using mirevo::BankCheck;
using mirevo::test::smallCatalogue;

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
    int count = 1;   // the violations in all, the one above first
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
        ASSERT_TRUE(mirevo::test::writeSources(s_dir->path()));
        const mirevo::BankBuild build =
            mirevo::buildBank(s_dir->path(), s_dir->filePath(u"sound.dll"_s), false, smallCatalogue());
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

TEST_F(BankCheckerTest, TheBuiltBankIsSoundAndItsFiguresAreShown)
{
    const BankCheck check = mirevo::checkBank(bankPath(), smallCatalogue());
    EXPECT_TRUE(check.sound());
    for (const mirevo::Violation& violation : check.violations)
        ADD_FAILURE() << mirevo::violationText(violation).toStdString();
    EXPECT_EQ(check.questionCount, 580 + 574 + 40 * 61);
    ASSERT_EQ(check.figures.size(), 10 + 1 + 7 + 1);
    EXPECT_EQ(check.figures.at(0), u"swzj 第1章: 40 of 40, 单选 20 / 多选 10 / 判断 10"_s);
    EXPECT_EQ(check.figures.at(11), u"jczj 第1章: 70 of 70, 单选 36 / 多选 17 / 判断 17"_s);
    // the synthetic chapters hold too few questions for each to be in one paper only
    EXPECT_TRUE(check.figures.at(10).startsWith(
        u"初级会计实务 papers: chapter questions in at most 2 papers, at most "_s))
        << check.figures.at(10).toStdString();
}

TEST_F(BankCheckerTest, ChecksTheChaptersAgainstTheSizesGiven)
{
    mirevo::ChapterSizes sizes = smallCatalogue();
    sizes[1][2] += 1;
    const BankCheck check = mirevo::checkBank(bankPath(), sizes);
    ASSERT_EQ(check.violations.size(), 1);
    EXPECT_EQ(mirevo::violationText(check.violations.front()),
              u"jczj: chapter 3 holds 78 questions where the catalogue has 79"_s);
    EXPECT_EQ(check.figures.at(13), u"jczj 第3章: 78 of 79, 单选 40 / 多选 19 / 判断 19"_s);
}

TEST_F(BankCheckerTest, APaperCopiedOverAnotherBreaksTheLimits)
{
    run({u"DELETE FROM jc2"_s, u"INSERT INTO jc2 SELECT * FROM jc1"_s});
    QStringList texts;
    for (const mirevo::Violation& violation : mirevo::checkBank(bankPath(), smallCatalogue()).violations)
        texts << mirevo::violationText(violation);
    EXPECT_TRUE(texts.contains(u"jc2: shares 46 chapter questions with jc1: two papers share at most 6"_s))
        << texts.join(u'\n').toStdString();
    EXPECT_TRUE(texts.contains(u"jc2: shares 3 cases with jc1: two papers share at most 1"_s));
}

TEST_P(BankCheckerTest, ReportsTheViolationWithItsTableAndId)
{
    const Breakage& breakage = GetParam();
    const QString id = breakage.idQuery.isEmpty() ? QString() : run({breakage.idQuery});
    run(breakage.statements);
    const BankCheck check = mirevo::checkBank(bankPath(), smallCatalogue());
    EXPECT_TRUE(check.error.isEmpty());
    ASSERT_EQ(check.violations.size(), breakage.count) << [&] {
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

// Statements that apply the change to the chapter table and to every paper of the subject.
QStringList everywhere(int subject, const QString& statement)
{
    QStringList statements;
    for (int paper = 1; paper <= mirevo::paperCount; ++paper)
        statements << statement.arg(mirevo::paperTable(subject, paper));
    return statements << statement.arg(mirevo::chapterTable(subject));
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
                 u"not a chapter of 经济法基础"_s,
                 2},
        Breakage{"ChapterWithLeadingZero",
                 {u"update swzj set zj='01' where ID=2"_s},
                 u"swzj"_s,
                 u"select 2"_s,
                 u"without leading zeros"_s,
                 2},
        Breakage{"ChapterOverItsSize",
                 {u"insert into swzj (ID, zj, TM, TX, XXA, XXB, XXC, XXD, DA, JX) values "
                  u"(9999, '4', '新增的题目', '判断题', '', '', '', '', '错误', '解析')"_s},
                 u"swzj"_s,
                 {},
                 u"chapter 4 holds 53 questions where the catalogue has 52"_s},
        Breakage{"TypeMixOff",
                 {u"update swzj set TX='判断题', DA='正确' where ID in "
                  u"(select ID from swzj where zj='2' and TX='单选题' limit 3)"_s},
                 u"swzj"_s,
                 {},
                 u"chapter 2 holds 单选 19 / 多选 11 / 判断 14 of 44 questions, where each type's share is "
                 u"within 5 points of 50 % 单选题 / 25 % 多选题 / 25 % 判断题"_s},
        Breakage{"StemLikeAnother",
                 everywhere(1, u"update %1 set TM=(select TM from swzj where ID=1)||' 。' "
                               u"where TM=(select TM from swzj where ID=2)"_s),
                 u"swzj"_s, u"select 2"_s, u"TM: the stem is that of ID 1, spaces and punctuation aside"_s},
        Breakage{"ExplanationMissing",
                 {u"update jczj set JX=' ' where ID=5"_s},
                 u"jczj"_s,
                 u"select 5"_s,
                 u"JX: the explanation is empty"_s},
        Breakage{"CaseStemLikeAnother",
                 {u"update sw3 set TM=(select TM from sw1 where ID=47)||'。' where ID=61"_s},
                 u"sw3"_s,
                 u"select 61"_s,
                 u"TM: the stem is that of sw1 ID 47, spaces and punctuation aside"_s},
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
    EXPECT_TRUE(mirevo::checkBank(bankPath(), smallCatalogue()).sound());
}

TEST_F(BankCheckerTest, LeavesTheBankUntouched)
{
    run({u"update sw1 set DA='x' where ID=1"_s});
    const QByteArray before = mirevo::test::fileBytes(bankPath());
    EXPECT_FALSE(mirevo::checkBank(bankPath(), smallCatalogue()).sound());
    EXPECT_EQ(mirevo::test::fileBytes(bankPath()), before);
}

TEST(BankCheck, FailsOnWhatIsNoBank)
{
    QTemporaryDir dir;
    EXPECT_TRUE(mirevo::checkBank(dir.filePath(u"none.dll"_s), smallCatalogue())
                    .error.startsWith(u"there is no bank"_s));
    ASSERT_TRUE(mirevo::test::writeFile(dir.filePath(u"text.dll"_s), "not a database"));
    const BankCheck check = mirevo::checkBank(dir.filePath(u"text.dll"_s), smallCatalogue());
    EXPECT_TRUE(check.error.contains(u"cannot be opened as a question bank"_s)) << check.error.toStdString();
    EXPECT_FALSE(check.sound());
}

} // namespace
