#include "BankBuilder.h"

#include "BankRules.h"
#include "BankTestSupport.h"
#include "Csv.h"
#include "PaperAssembly.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <set>

using namespace Qt::StringLiterals;
using mirevo::BankBuild;
using mirevo::test::fileBytes;
using mirevo::test::shippedSources;
using mirevo::test::tableRows;

namespace {

// The data rows of a source file, as the spreadsheet holds them.
QList<QStringList> sourceRows(const QString& relativePath)
{
    const QString text = QString::fromUtf8(fileBytes(QDir(shippedSources()).filePath(relativePath)));
    QList<QStringList> rows;
    for (const mirevo::CsvRecord& record : mirevo::parseCsv(text).records.mid(1))
        rows << record.fields;
    return rows;
}

class ShippedBankTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        const BankBuild build = mirevo::buildBank(shippedSources(), bankPath(), false);
        ASSERT_TRUE(build.succeeded()) << build.errors.join(u'\n').toStdString();
        EXPECT_TRUE(build.notes.isEmpty()) << "the sources are kept in the bank's own spelling:\n"
                                           << build.notes.join(u'\n').toStdString();
    }

    QString bankPath() const { return m_dir.filePath(u"mini.dll"_s); }

    QTemporaryDir m_dir;
};

TEST_F(ShippedBankTest, NumbersChapterQuestionsFromOneInFileOrder)
{
    for (const auto& [table, prefix, chapters] :
         {std::tuple{u"swzj"_s, u"sw"_s, 10}, std::tuple{u"jczj"_s, u"jc"_s, 7}}) {
        QStringList expected;
        int id = 0;
        for (int chapter = 1; chapter <= chapters; ++chapter) {
            const QList<QStringList> rows =
                sourceRows(u"%1/ch%2.csv"_s.arg(prefix).arg(chapter, 2, 10, QLatin1Char('0')));
            EXPECT_GE(rows.size(), 30) << prefix.toStdString() << " chapter " << chapter;
            for (const QStringList& row : rows)
                expected << QString::number(++id) + u'|' + row.at(8) + u'|' + row.mid(0, 8).join(u'|') +
                                u"||"_s;
        }
        EXPECT_EQ(tableRows(bankPath(), table), expected) << table.toStdString();
    }
}

TEST_F(ShippedBankTest, TwoBuildsAreIdentical)
{
    const QString again = m_dir.filePath(u"again.dll"_s);
    ASSERT_TRUE(mirevo::buildBank(shippedSources(), again, false).succeeded());
    EXPECT_EQ(fileBytes(again), fileBytes(bankPath()));
    for (int subject = 1; subject <= 2; ++subject) {
        for (const QString& table : mirevo::subjectTables(subject))
            EXPECT_EQ(tableRows(again, table), tableRows(bankPath(), table)) << table.toStdString();
    }
}

TEST_F(ShippedBankTest, PapersAreAllDifferentAndKeepCasesTogether)
{
    for (int subject = 1; subject <= 2; ++subject) {
        std::set<QStringList> selections;
        for (int paper = 1; paper <= mirevo::paperCount; ++paper) {
            const QString table = mirevo::paperTable(subject, paper);
            QStringList rows = tableRows(bankPath(), table);
            ASSERT_EQ(rows.size(), mirevo::paperQuestionCount) << table.toStdString();
            QList<mirevo::BankQuestion> caseQuestions;
            for (const QString& row : rows.mid(mirevo::paperQuestionCount - 15)) {
                mirevo::BankQuestion q;
                q.tm = row.section(u'|', 1, 1);
                caseQuestions << q;
            }
            for (const mirevo::CaseStudy& study : mirevo::splitCases(caseQuestions)) {
                EXPECT_GE(study.size(), 3) << table.toStdString();
                // the number of a case question follows the case's last full stop
                for (qsizetype i = 0; i < study.size(); ++i) {
                    const QString& tm = study.at(i).tm;
                    EXPECT_TRUE(tm.sliced(tm.lastIndexOf(u"。（"_s)).startsWith(u"。（%1）"_s.arg(i + 1)))
                        << table.toStdString();
                }
            }
            for (QString& row : rows)
                row = row.section(u'|', 1); // the question without its ID
            rows.sort();
            EXPECT_TRUE(selections.insert(rows).second) << table.toStdString() << " repeats an earlier paper";
        }
    }
}

TEST_F(ShippedBankTest, PapersTogetherUseEverySourceQuestion)
{
    for (const QString& prefix : {u"sw"_s, u"jc"_s}) {
        QSet<QString> sources;
        for (const QString& name : QDir(QDir(shippedSources()).filePath(prefix)).entryList({u"*.csv"_s})) {
            for (const QStringList& row : sourceRows(prefix + u'/' + name))
                sources.insert(row.front());
        }
        QSet<QString> used;
        for (int paper = 1; paper <= mirevo::paperCount; ++paper) {
            for (const QString& row : tableRows(bankPath(), prefix + QString::number(paper)))
                used.insert(row.section(u'|', 1, 1));
        }
        EXPECT_EQ(used, sources) << prefix.toStdString();
    }
}

TEST_F(ShippedBankTest, ScoreRowsAreEmpty)
{
    for (const QString& table : {u"swdeifen"_s, u"jcdeifen"_s}) {
        QStringList expected;
        for (int paper = 1; paper <= mirevo::paperCount; ++paper)
            expected << u"%1|%1|"_s.arg(paper);
        EXPECT_EQ(tableRows(bankPath(), table), expected);
    }
}

// A copy of the shipped sources with one fault put in.
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

void replaceInFile(const QString& path, const QString& before, const QString& after)
{
    QString text = QString::fromUtf8(fileBytes(path));
    ASSERT_TRUE(text.contains(before)) << path.toStdString();
    text.replace(text.indexOf(before), before.size(), after);
    ASSERT_TRUE(mirevo::test::writeFile(path, text.toUtf8()));
}

class BankSourceFaultTest : public ::testing::TestWithParam<SourceFault>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        const QDir shipped(shippedSources());
        for (const QString& subject : {u"sw"_s, u"jc"_s}) {
            ASSERT_TRUE(QDir(m_dir.path()).mkpath(subject));
            for (const QString& name : QDir(shipped.filePath(subject)).entryList({u"*.csv"_s}, QDir::Files))
                ASSERT_TRUE(QFile::copy(shipped.filePath(subject + u'/' + name),
                                        m_dir.filePath(subject + u'/' + name)));
        }
    }

    QTemporaryDir m_dir;
};

TEST_P(BankSourceFaultTest, StopsTheBuildWithTheFileAndRow)
{
    GetParam().introduce(QDir(m_dir.path()));
    const QString out = m_dir.filePath(u"mini.dll"_s);
    const BankBuild build = mirevo::buildBank(m_dir.path(), out, false);
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
                    u"sw/: the folder of 初级会计实务 is missing"_s}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
