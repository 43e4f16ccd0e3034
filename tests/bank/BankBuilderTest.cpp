#include "BankBuilder.h"

#include "BankChecker.h"
#include "BankRules.h"
#include "BankTestSupport.h"
#include "Csv.h"
#include "SyntheticSources.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;
using mirevo::BankBuild;
using mirevo::test::fileBytes;
using mirevo::test::shippedSources;
using mirevo::test::smallCatalogue;
using mirevo::test::tableRows;

namespace {

// The data rows of a source file, as the spreadsheet holds them.
QList<QStringList> sourceRows(const QString& dir, const QString& relativePath)
{
    const QString text = QString::fromUtf8(fileBytes(QDir(dir).filePath(relativePath)));
    QList<QStringList> rows;
    for (const mirevo::CsvRecord& record : mirevo::parseCsv(text).records.mid(1))
        rows << record.fields;
    return rows;
}

// A bank built from synthetic sources of the small catalogue, once for the suite.
class BankBuilderTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_dir = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(mirevo::test::writeSources(sourceDir()));
        s_build = mirevo::buildBank(sourceDir(), bankPath(), false, smallCatalogue());
    }
    static void TearDownTestSuite() { s_dir.reset(); }

    void SetUp() override { ASSERT_TRUE(s_build.succeeded()) << s_build.errors.join(u'\n').toStdString(); }

    static QString sourceDir() { return s_dir->filePath(u"sources"_s); }
    static QString bankPath() { return s_dir->filePath(u"mini.dll"_s); }

    static std::unique_ptr<QTemporaryDir> s_dir;
    static BankBuild s_build;
};

std::unique_ptr<QTemporaryDir> BankBuilderTest::s_dir;
BankBuild BankBuilderTest::s_build;

TEST_F(BankBuilderTest, NumbersChapterQuestionsFromOneInFileOrder)
{
    for (int subject = 1; subject <= 2; ++subject) {
        QStringList expected;
        int id = 0;
        for (int chapter = 1; chapter <= mirevo::chapterCount(subject); ++chapter) {
            const QString file =
                u"%1/ch%2.csv"_s.arg(mirevo::paperTablePrefix(subject)).arg(chapter, 2, 10, QLatin1Char('0'));
            for (const QStringList& row : sourceRows(sourceDir(), file))
                expected << QString::number(++id) + u'|' + row.at(8) + u'|' + row.mid(0, 8).join(u'|') +
                                u"||"_s;
        }
        EXPECT_EQ(tableRows(bankPath(), mirevo::chapterTable(subject)), expected) << subject;
    }
}

TEST_F(BankBuilderTest, NotesNothingOfSourcesInTheBankSpelling)
{
    EXPECT_TRUE(s_build.notes.isEmpty()) << s_build.notes.join(u'\n').toStdString();
    EXPECT_EQ(
        s_build.summary.front(),
        u"初级会计实务: 580 chapter questions (40 + 44 + 48 + 52 + 56 + 60 + 64 + 68 + 72 + 76 by chapter), "
        u"172 case questions, 20 papers of 61"_s);
}

TEST_F(BankBuilderTest, TwoBuildsAreIdentical)
{
    const QString again = s_dir->filePath(u"again.dll"_s);
    ASSERT_TRUE(mirevo::buildBank(sourceDir(), again, false, smallCatalogue()).succeeded());
    EXPECT_EQ(fileBytes(again), fileBytes(bankPath()));
}

TEST_F(BankBuilderTest, ScoreRowsAreEmpty)
{
    for (const QString& table : {u"swdeifen"_s, u"jcdeifen"_s}) {
        QStringList expected;
        for (int paper = 1; paper <= mirevo::paperCount; ++paper)
            expected << u"%1|%1|"_s.arg(paper);
        EXPECT_EQ(tableRows(bankPath(), table), expected);
    }
}

TEST_F(BankBuilderTest, RefusesSourcesWhoseChaptersAreNotTheCatalogueSizes)
{
    mirevo::ChapterSizes sizes = smallCatalogue();
    sizes[1][2] = 79;
    const QString out = s_dir->filePath(u"other.dll"_s);
    const BankBuild build = mirevo::buildBank(sourceDir(), out, false, sizes);
    EXPECT_EQ(build.errors, QStringList{u"jc/ch03.csv: 78 questions where the catalogue has 79"_s});
    EXPECT_FALSE(QFile::exists(out));
}

// Whatever the writers put in, the shipped sources build a bank that keeps every rule.
TEST(ShippedBank, IsSoundForTheCatalogue)
{
    QTemporaryDir dir;
    const QString bank = dir.filePath(u"mini.dll"_s);
    const BankBuild build = mirevo::buildBank(shippedSources(), bank, false, mirevo::catalogueSizes());
    ASSERT_TRUE(build.succeeded()) << build.errors.join(u'\n').toStdString();
    EXPECT_TRUE(build.notes.isEmpty()) << "the sources are kept in the bank's own spelling:\n"
                                       << build.notes.join(u'\n').toStdString();
    const mirevo::BankCheck check = mirevo::checkBank(bank, mirevo::catalogueSizes());
    EXPECT_TRUE(check.sound());
    for (const mirevo::Violation& violation : check.violations)
        ADD_FAILURE() << mirevo::violationText(violation).toStdString();
}

// Synthetic sources with one fault put in.
struct SourceFault
{
    const char* name;
    std::function<void(const QDir&)> introduce;
    QString error; // a part of one of the errors
};

void PrintTo(const SourceFault& f, std::ostream* os)
{
    *os << f.name;
}

// Replaces the first occurrence of before, or every one.
void replaceInFile(const QString& path, const QString& before, const QString& after, bool every = false)
{
    QString text = QString::fromUtf8(fileBytes(path));
    ASSERT_TRUE(text.contains(before)) << path.toStdString();
    if (every)
        text.replace(before, after);
    else
        text.replace(text.indexOf(before), before.size(), after);
    ASSERT_TRUE(mirevo::test::writeFile(path, text.toUtf8()));
}

class BankSourceFaultTest : public ::testing::TestWithParam<SourceFault>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(mirevo::test::writeSources(m_dir.path()));
    }

    QTemporaryDir m_dir;
};

TEST_P(BankSourceFaultTest, StopsTheBuildWithTheFileAndRow)
{
    GetParam().introduce(QDir(m_dir.path()));
    const QString out = m_dir.filePath(u"mini.dll"_s);
    const BankBuild build = mirevo::buildBank(m_dir.path(), out, false, smallCatalogue());
    EXPECT_FALSE(build.succeeded());
    EXPECT_TRUE(std::any_of(build.errors.cbegin(), build.errors.cend(), [](const QString& error) {
        return error.contains(GetParam().error);
    })) << build.errors.join(u'\n').toStdString();
    EXPECT_FALSE(QFile::exists(out));
}

INSTANTIATE_TEST_SUITE_P(
    Sources, BankSourceFaultTest,
    ::testing::Values(
        SourceFault{"MissingChapterFile",
                    [](const QDir& dir) { QFile::remove(dir.filePath(u"jc/ch03.csv"_s)); },
                    u"jc/ch03.csv: missing"_s},
        SourceFault{"ChapterBeyondTheCatalogue",
                    [](const QDir& dir) {
                        QFile::copy(dir.filePath(u"jc/ch07.csv"_s), dir.filePath(u"jc/ch08.csv"_s));
                    },
                    u"jc/ch08.csv: not a source of 经济法基础"_s},
        SourceFault{"MisnamedFile",
                    [](const QDir& dir) {
                        QFile::rename(dir.filePath(u"sw/cases-2.csv"_s), dir.filePath(u"sw/cases2.csv"_s));
                    },
                    u"sw/cases2.csv: not a source"_s},
        SourceFault{"NoCasePool",
                    [](const QDir& dir) {
                        QFile::remove(dir.filePath(u"jc/cases-1.csv"_s));
                        QFile::remove(dir.filePath(u"jc/cases-2.csv"_s));
                    },
                    u"jc/: no case pool"_s},
        SourceFault{"WrongAnswer",
                    [](const QDir& dir) {
                        replaceInFile(dir.filePath(u"sw/ch02.csv"_s), u",单选题,"_s, u",多选题,"_s);
                    },
                    u"sw/ch02.csv: row 2: DA:"_s},
        SourceFault{"ChapterFileOfAnotherChapter",
                    [](const QDir& dir) {
                        QFile::remove(dir.filePath(u"sw/ch05.csv"_s));
                        QFile::copy(dir.filePath(u"sw/ch04.csv"_s), dir.filePath(u"sw/ch05.csv"_s));
                    },
                    u"sw/ch05.csv: row 2: zj: \"4\" is not the chapter being imported (5)"_s},
        SourceFault{"ChapterQuestionInACasePool",
                    [](const QDir& dir) {
                        replaceInFile(dir.filePath(u"jc/cases-2.csv"_s), u",不定项选择题,"_s, u",多选题,"_s);
                    },
                    u"jc/cases-2.csv: row 2: TX: 多选题 in a case pool"_s},
        SourceFault{"BrokenQuote",
                    [](const QDir& dir) {
                        replaceInFile(dir.filePath(u"sw/ch09.csv"_s), u",判断题,"_s, u",\"判断题,"_s);
                    },
                    u"sw/ch09.csv: row"_s},
        SourceFault{"NoSourceFolder",
                    [](const QDir& dir) { QDir(dir.filePath(u"sw"_s)).removeRecursively(); },
                    u"sw/: the folder of 初级会计实务 is missing"_s},
        SourceFault{"MissingCoverageTable",
                    [](const QDir& dir) { QFile::remove(dir.filePath(u"sw/coverage/ch04.csv"_s)); },
                    u"sw/coverage/ch04.csv: missing"_s},
        SourceFault{
            "CoverageCountNotTheRecount",
            [](const QDir& dir) {
                replaceInFile(dir.filePath(u"jc/coverage/ch02.csv"_s), u"\n1,第1节,15\n"_s,
                              u"\n1,第1节,14\n"_s);
            },
            u"jc/coverage/ch02.csv: row 2: section 1 (第1节) has 题量 14, but jc/ch02.csv holds 15"_s},
        SourceFault{
            "SectionNotInTheTable",
            [](const QDir& dir) { replaceInFile(dir.filePath(u"sw/ch01.csv"_s), u",1,1\n"_s, u",1,9\n"_s); },
            u"sw/ch01.csv: row 2: 节: \"9\" is not a section of sw/coverage/ch01.csv"_s},
        SourceFault{"SectionWithoutQuestions",
                    [](const QDir& dir) {
                        replaceInFile(dir.filePath(u"sw/coverage/ch03.csv"_s), u"\n5,第5节,"_s,
                                      u"\n6,第6节,0\n5,第5节,"_s);
                    },
                    u"sw/coverage/ch03.csv: row 6: section 6 (第6节) has no question"_s},
        SourceFault{"SectionOverAQuarter",
                    [](const QDir& dir) {
                        replaceInFile(dir.filePath(u"jc/ch01.csv"_s), u",1,2\n"_s, u",1,1\n"_s, true);
                    },
                    u"section 1 (第1节) holds 28 of the 70 questions, more than a quarter of the chapter"_s},
        SourceFault{"StemLikeAnother",
                    [](const QDir& dir) {
                        replaceInFile(dir.filePath(u"sw/ch02.csv"_s), u"sw第2章第2题"_s, u"sw第2章 第1题"_s);
                    },
                    u"sw/ch02.csv: row 3: TM: the stem is that of sw/ch02.csv row 2, spaces and punctuation "
                    u"aside"_s},
        SourceFault{
            "CaseStemLikeAnother",
            [](const QDir& dir) { replaceInFile(dir.filePath(u"jc/cases-2.csv"_s), u"（2）"_s, u"(1)"_s); },
            u"jc/cases-2.csv: row 3: TM: the stem is that of jc/cases-2.csv row 2"_s},
        SourceFault{
            "ExplanationMissing",
            [](const QDir& dir) { replaceInFile(dir.filePath(u"jc/ch05.csv"_s), u",解析。,"_s, u",,"_s); },
            u"jc/ch05.csv: row 2: JX: the explanation is empty"_s}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
