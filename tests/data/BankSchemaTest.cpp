#include "BankSchema.h"

#include "TempProgramDir.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using mirevo::test::TempProgramDir;

namespace {

QStringList tableColumns(const TempProgramDir& dir, const QString& table)
{
    QStringList columns;
    for (int column = 0;; ++column) {
        const QVariant name =
            dir.bankValue(u"select name from pragma_table_info('%1') where cid=%2"_s.arg(table).arg(column));
        if (!name.isValid())
            return columns;
        columns << name.toString();
    }
}

class BankSchemaTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()) << m_dir.error().toStdString(); }

    TempProgramDir m_dir;
};

TEST_F(BankSchemaTest, HasEveryTableWithItsColumns)
{
    const QStringList chapterColumns{u"ID"_s,  u"zj"_s,  u"TM"_s, u"TX"_s, u"XXA"_s,     u"XXB"_s,
                                     u"XXC"_s, u"XXD"_s, u"DA"_s, u"JX"_s, u"shucang"_s, u"XXDA"_s};
    QStringList paperColumns = chapterColumns;
    paperColumns.removeOne(u"zj"_s);
    int tables = 0;
    for (int subject = 1; subject <= 2; ++subject) {
        const QStringList names = mirevo::subjectTables(subject);
        ASSERT_EQ(names.size(), 22);
        EXPECT_EQ(tableColumns(m_dir, names.front()), chapterColumns) << names.front().toStdString();
        for (int paper = 1; paper <= mirevo::paperCount; ++paper)
            EXPECT_EQ(tableColumns(m_dir, names.at(paper)), paperColumns) << names.at(paper).toStdString();
        EXPECT_EQ(tableColumns(m_dir, names.back()), (QStringList{u"ID"_s, u"SJ"_s, u"DF"_s}));
        tables += names.size();
    }
    EXPECT_EQ(m_dir.bankValue(u"select count(*) from sqlite_master where type='table'"_s).toInt(), tables);
}

TEST_F(BankSchemaTest, ScoreTablesHoldOneEmptyRowPerPaper)
{
    for (const QString& table : {u"swdeifen"_s, u"jcdeifen"_s}) {
        EXPECT_EQ(m_dir.bankValue(u"select count(*) from %1"_s.arg(table)).toInt(), 20);
        for (int paper = 1; paper <= 20; ++paper) {
            EXPECT_EQ(m_dir.bankValue(u"select SJ from %1 where ID=%2"_s.arg(table).arg(paper)).toString(),
                      QString::number(paper));
            const QVariant score = m_dir.bankValue(u"select DF from %1 where ID=%2"_s.arg(table).arg(paper));
            EXPECT_FALSE(score.isNull());
            EXPECT_EQ(score.toString(), u""_s);
        }
    }
}

TEST_F(BankSchemaTest, NewRowsAreUnmarkedAndUnansweredButNotNull)
{
    ASSERT_TRUE(m_dir.execute(u"insert into swzj (ID, zj) values (1, '1')"_s));
    ASSERT_TRUE(m_dir.execute(u"insert into jc3 (ID) values (1)"_s));
    EXPECT_EQ(m_dir.bankValue(u"select count(*) from swzj where shucang='' and XXDA=''"_s).toInt(), 1);
    EXPECT_EQ(m_dir.bankValue(u"select count(*) from jc3 where shucang='' and XXDA=''"_s).toInt(), 1);
}

TEST_F(BankSchemaTest, ChapterTablesAreIndexedByChapterWithoutLetterCase)
{
    // an index of another collation could not serve zj='3' on a NOCASE column
    for (const QString& table : {u"swzj"_s, u"jczj"_s}) {
        EXPECT_EQ(
            m_dir
                .bankValue(u"select group_concat(ii.name || ':' || ii.coll) from pragma_index_list('%1') il, "
                           u"pragma_index_xinfo(il.name) ii where ii.key=1"_s.arg(table))
                .toString(),
            u"zj:NOCASE"_s)
            << table.toStdString();
    }
}

TEST_F(BankSchemaTest, InsertedQuestionsKeepNullApartFromEmpty)
{
    mirevo::BankQuestion answered = TempProgramDir::question(1, u"1"_s);
    answered.xxda = u"C"_s;
    mirevo::BankQuestion nullAnswer = TempProgramDir::question(2, u"1"_s);
    nullAnswer.xxda = QString();
    ASSERT_TRUE(
        m_dir.insertQuestions(u"swzj"_s, {answered, nullAnswer, TempProgramDir::question(3, u"2"_s)}));
    EXPECT_EQ(m_dir.bankValue(u"select XXDA from swzj where ID=1"_s).toString(), u"C"_s);
    EXPECT_EQ(m_dir.bankValue(u"select count(*) from swzj where XXDA is null"_s).toInt(), 1);
    EXPECT_EQ(m_dir.bankValue(u"select count(*) from swzj where XXDA=''"_s).toInt(), 1);
    EXPECT_EQ(m_dir.bankValue(u"select zj from swzj where ID=3"_s).toString(), u"2"_s);
    ASSERT_TRUE(m_dir.insertQuestions(u"sw5"_s, {TempProgramDir::question(1, u"ignored"_s)}));
    EXPECT_EQ(m_dir.bankValue(u"select TX from sw5 where ID=1"_s).toString(), u"单选题"_s);
}

TEST_F(BankSchemaTest, FailedInsertAddsNothing)
{
    QString error;
    EXPECT_FALSE(mirevo::insertQuestions(
        m_dir.bankPath(), u"swzj"_s,
        {TempProgramDir::question(1, u"1"_s), TempProgramDir::question(1, u"2"_s)}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(m_dir.bankValue(u"select count(*) from swzj"_s).toInt(), 0);
    EXPECT_FALSE(mirevo::insertQuestions(m_dir.bankPath(), u"sw21"_s, {TempProgramDir::question(1, {})}));
    EXPECT_FALSE(mirevo::insertQuestions(m_dir.filePath(u"absent.dll"_s), u"swzj"_s, {}));
    EXPECT_FALSE(QFile::exists(m_dir.filePath(u"absent.dll"_s)));
}

TEST_F(BankSchemaTest, RefusesAnExistingFileAndLeavesItAlone)
{
    const QString path = m_dir.filePath(u"existing.dll"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("keep me");
    file.close();
    QString error;
    EXPECT_FALSE(mirevo::createEmptyBank(path, &error));
    EXPECT_FALSE(error.isEmpty());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("keep me"));
    EXPECT_FALSE(mirevo::createEmptyBank(m_dir.bankPath())) << "nor an existing bank";
}

TEST_F(BankSchemaTest, LeavesNoTemporaryFilesBehind)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(mirevo::createEmptyBank(dir.filePath(u"mini.dll"_s)));
    EXPECT_FALSE(mirevo::createEmptyBank(dir.filePath(u"no such dir/mini.dll"_s)));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{u"mini.dll"_s});
    QFile bank(dir.filePath(u"mini.dll"_s));
    ASSERT_TRUE(bank.open(QIODevice::ReadOnly));
    EXPECT_EQ(bank.read(16), QByteArray("SQLite format 3\0", 16));
    EXPECT_TRUE(bank.permissions().testFlag(QFileDevice::ReadOther));
}

} // namespace
