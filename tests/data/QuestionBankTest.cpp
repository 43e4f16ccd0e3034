#include "QuestionBank.h"

#include "BankBackend.h"
#include "BankLock.h"
#include "ColumnValue.h"
#include "TempProgramDir.h"

#include <QFile>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;
using mirevo::BankQuestion;
using mirevo::QuestionBank;
using mirevo::test::BankBackend;
using mirevo::test::TempProgramDir;

namespace {

bool isInteger(const QVariant& value)
{
    return value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong;
}

QSet<qlonglong> readIds(QuestionBank& bank, int handle)
{
    QSet<qlonglong> ids;
    for (bank.MoveFirst(handle); !bank.IsEOF(handle); bank.MoveNext(handle))
        ids.insert(bank.ReadColByName(handle, u"ID"_s).toLongLong());
    return ids;
}

// A small bank: chapter 1 of swzj has three questions, the first a favourite answered B;
// chapter 2 has one.
class QuestionBankTest : public ::testing::TestWithParam<BankBackend>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid()) << m_dir.error().toStdString();
        BankQuestion favourite = TempProgramDir::question(1, u"1"_s);
        favourite.shucang = u"YES"_s;
        favourite.xxda = u"B"_s;
        ASSERT_TRUE(
            m_dir.insertQuestions(u"swzj"_s, {favourite, TempProgramDir::question(2, u"1"_s),
                                              TempProgramDir::question(3, u"1"_s, u"判断题"_s, u"正确"_s),
                                              TempProgramDir::question(4, u"2"_s)}))
            << m_dir.error().toStdString();
        if (GetParam() == BankBackend::Odbc && !mirevo::test::sqliteOdbcDriverAvailable(m_dir.bankPath()))
            GTEST_SKIP() << "the SQLite3 ODBC driver is not installed";
        ASSERT_TRUE(open(m_bank));
    }

    bool open(QuestionBank& bank, bool readOnly = false)
    {
        return mirevo::test::openBank(bank, GetParam(), m_dir.bankPath(), readOnly);
    }

    TempProgramDir m_dir;
    QuestionBank m_bank;
};

TEST_P(QuestionBankTest, ReadsColumnsTypedAndByNameIgnoringCase)
{
    const int handle = m_bank.OpenTable(u"select top 1 * from swzj where ID=3"_s);
    ASSERT_GT(handle, 0);
    ASSERT_FALSE(m_bank.IsEOF(handle));
    const QVariant id = m_bank.ReadColByName(handle, u"ID"_s);
    EXPECT_TRUE(isInteger(id)) << id.typeName();
    EXPECT_EQ(id.toLongLong(), 3);
    const QVariant answer = m_bank.ReadColByName(handle, u"DA"_s);
    EXPECT_EQ(answer.typeId(), QMetaType::QString);
    EXPECT_EQ(answer.toString(), u"正确"_s);
    EXPECT_EQ(m_bank.ReadColByName(handle, u"da"_s), answer);
    EXPECT_EQ(m_bank.ReadColByName(handle, u"tx"_s).toString(), u"判断题"_s);
    EXPECT_EQ(m_bank.ReadColByName(handle, u"Tm"_s).toString(), u"第3题：下列说法正确的是"_s);
    const QVariant missing = m_bank.ReadColByName(handle, u"NoSuchColumn"_s);
    EXPECT_EQ(missing.typeId(), QMetaType::QString);
    EXPECT_TRUE(missing.toString().isEmpty());
    m_bank.MoveNext(handle);
    EXPECT_TRUE(m_bank.IsEOF(handle)) << "top 1 gives one row";
}

TEST_P(QuestionBankTest, WalksAChapterAndRewinds)
{
    const int handle = m_bank.OpenTable(u"select  * from swzj where zj='1'"_s);
    ASSERT_GT(handle, 0);
    EXPECT_EQ(readIds(m_bank, handle), (QSet<qlonglong>{1, 2, 3}));
    EXPECT_TRUE(m_bank.IsEOF(handle));
    m_bank.MoveNext(handle);
    EXPECT_TRUE(m_bank.IsEOF(handle));
    EXPECT_TRUE(m_bank.ReadColByName(handle, u"ID"_s).toString().isEmpty()) << "past the end reads empty";
    m_bank.MoveFirst(handle);
    EXPECT_FALSE(m_bank.IsEOF(handle));
    EXPECT_EQ(readIds(m_bank, handle).size(), 3);
}

TEST_P(QuestionBankTest, TopOneOverManyRowsGivesOne)
{
    const int handle = m_bank.OpenTable(u"select top 1 * from swzj where zj='1'"_s);
    ASSERT_GT(handle, 0);
    EXPECT_EQ(readIds(m_bank, handle).size(), 1);
}

TEST_P(QuestionBankTest, EmptyChapterIsAnEmptyRecordSet)
{
    const int handle = m_bank.OpenTable(u"select  * from swzj where zj='9'"_s);
    ASSERT_GT(handle, 0);
    EXPECT_TRUE(m_bank.IsEOF(handle));
    EXPECT_TRUE(readIds(m_bank, handle).isEmpty());
    EXPECT_EQ(m_bank.ReadColByName(handle, u"ID"_s), QVariant(QString()));
}

TEST_P(QuestionBankTest, NullReadsAsTheEmptyValueOfItsType)
{
    ASSERT_TRUE(
        m_bank.ExecuteSql(u"create table extra (ID INTEGER PRIMARY KEY, n INTEGER, r REAL, t TEXT)"_s));
    ASSERT_TRUE(m_bank.ExecuteSql(u"insert into extra (ID) values (1)"_s));
    const int handle = m_bank.OpenTable(u"select * from extra"_s);
    ASSERT_GT(handle, 0);
    const QVariant n = m_bank.ReadColByName(handle, u"n"_s);
    EXPECT_FALSE(n.isNull());
    EXPECT_TRUE(isInteger(n)) << n.typeName();
    EXPECT_EQ(n.toLongLong(), 0);
    const QVariant r = m_bank.ReadColByName(handle, u"r"_s);
    EXPECT_EQ(r.typeId(), QMetaType::Double);
    EXPECT_EQ(r.toDouble(), 0.0);
    const QVariant t = m_bank.ReadColByName(handle, u"t"_s);
    EXPECT_EQ(t.typeId(), QMetaType::QString);
    EXPECT_TRUE(t.toString().isEmpty());
}

TEST_P(QuestionBankTest, UpdateOfNoRowStillCountsAsExecuted)
{
    EXPECT_TRUE(m_bank.ExecuteSql(u"update swzj set  XXDA='A' where ID=999"_s));
    EXPECT_EQ(m_bank.lastRowsAffected(), 0) << "but it tells that it changed nothing";
    EXPECT_TRUE(m_bank.ExecuteSql(u"update swzj set  XXDA='A' where ID=1"_s));
    EXPECT_EQ(m_bank.lastRowsAffected(), 1);
}

TEST_P(QuestionBankTest, RefusedStatementsFail)
{
    for (const QString& sql : {QString(), u"   "_s, u"select  * from sw21"_s, u"select * from"_s,
                               u"select * from swzj; select * from jczj"_s}) {
        EXPECT_EQ(m_bank.OpenTable(sql), 0) << sql.toStdString();
    }
    EXPECT_EQ(m_bank.OpenTable(u"update swzj set  XXDA='C' where ID=4"_s), 0) << "no rows to open";
    for (const QString& sql :
         {QString(), u" "_s, u"update sw21 set  XXDA='A' where ID=1"_s,
          u"update swzj set  nosuch='A' where ID=1"_s,
          u"update swzj set XXDA='A' where ID=1; update swzj set XXDA='B' where ID=2"_s}) {
        EXPECT_FALSE(m_bank.ExecuteSql(sql)) << sql.toStdString();
    }
    EXPECT_EQ(m_dir.bankValue(u"select XXDA from swzj where ID=1"_s).toString(), u"B"_s);
}

TEST_P(QuestionBankTest, HandlesArePositiveDistinctAndNeverReused)
{
    const int first = m_bank.OpenTable(u"select  * from swzj where zj='1'"_s);
    const int second = m_bank.OpenTable(u"select  * from swzj where zj='2'"_s);
    ASSERT_GT(first, 0);
    ASSERT_GT(second, 0);
    EXPECT_NE(first, second);
    m_bank.MoveNext(first);
    EXPECT_EQ(readIds(m_bank, second), QSet<qlonglong>{4}) << "record sets walk independently";

    m_bank.CloseTable(first);
    EXPECT_TRUE(m_bank.IsEOF(first));
    EXPECT_EQ(m_bank.ReadColByName(first, u"ID"_s), QVariant(QString()));
    const int third = m_bank.OpenTable(u"select  * from swzj where zj='2'"_s);
    EXPECT_NE(third, first);
    EXPECT_NE(third, second);
    m_bank.CloseTable(first);
    EXPECT_FALSE(m_bank.IsEOF(third)) << "closing a stale handle again leaves the others";
    for (const int handle : {0, -1, 12345}) {
        m_bank.MoveFirst(handle);
        m_bank.MoveNext(handle);
        m_bank.CloseTable(handle);
        EXPECT_TRUE(m_bank.IsEOF(handle));
        EXPECT_EQ(m_bank.ReadColByName(handle, u"ID"_s), QVariant(QString()));
    }
}

TEST_P(QuestionBankTest, CloseDatabaseClosesRecordSetsAndRefusesStatements)
{
    const int handle = m_bank.OpenTable(u"select  * from swzj where zj='1'"_s);
    ASSERT_GT(handle, 0);
    m_bank.CloseDatabase();
    EXPECT_FALSE(m_bank.isOpen());
    EXPECT_TRUE(m_bank.IsEOF(handle));
    EXPECT_EQ(m_bank.OpenTable(u"select  * from swzj"_s), 0);
    EXPECT_FALSE(m_bank.ExecuteSql(u"update swzj set  XXDA='A' where ID=1"_s));
    m_bank.CloseDatabase();
    EXPECT_TRUE(open(m_bank)) << "a closed component opens again";
}

TEST_P(QuestionBankTest, ReadOnlyConnectionRefusesUpdates)
{
    QuestionBank reader;
    ASSERT_TRUE(open(reader, true));
    EXPECT_GT(reader.OpenTable(u"select  * from swzj"_s), 0);
    EXPECT_FALSE(reader.ExecuteSql(u"update swzj set  XXDA='D' where ID=1"_s));
    EXPECT_EQ(reader.lastFailure(), QuestionBank::Failure::ReadOnly);
    EXPECT_EQ(m_dir.bankValue(u"select XXDA from swzj where ID=1"_s).toString(), u"B"_s);
    EXPECT_GT(reader.OpenTable(u"select  * from swzj"_s), 0);
    EXPECT_EQ(reader.lastFailure(), QuestionBank::Failure::None) << "a success clears the failure";
}

TEST_P(QuestionBankTest, EachComponentHasItsOwnConnectionAndRemovesIt)
{
    const QStringList before = QSqlDatabase::connectionNames();
    {
        QuestionBank other;
        ASSERT_TRUE(open(other));
        EXPECT_EQ(QSqlDatabase::connectionNames().size(), before.size() + 1);
        ASSERT_TRUE(other.ExecuteSql(u"update swzj set  shucang='YES' where ID=4"_s));
        const int handle = m_bank.OpenTable(u"select * from swzj where  shucang='yes'"_s);
        EXPECT_EQ(readIds(m_bank, handle), (QSet<qlonglong>{1, 4})) << "both connections see the same bank";
        ASSERT_TRUE(open(other)) << "reopening replaces the connection";
        EXPECT_EQ(QSqlDatabase::connectionNames().size(), before.size() + 1);
    }
    EXPECT_EQ(QSqlDatabase::connectionNames(), before);
}

INSTANTIATE_TEST_SUITE_P(Backends, QuestionBankTest, ::testing::Values(BankBackend::File, BankBackend::Odbc),
                         [](const auto& info) { return info.param == BankBackend::File ? "File" : "Odbc"; });

// What only the file road does: sniffing, and keeping the connection when an open fails.
class QuestionBankFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid()) << m_dir.error().toStdString();
        ASSERT_TRUE(m_dir.insertQuestions(u"swzj"_s, {TempProgramDir::question(5, u"1"_s)}));
        ASSERT_TRUE(m_bank.OpenDatabase(m_dir.bankPath()));
        m_handle = m_bank.OpenTable(u"select  * from swzj where zj='1'"_s);
        ASSERT_GT(m_handle, 0);
    }

    QString writeFile(const QString& name, const QByteArray& content)
    {
        QFile file(m_dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return file.fileName();
    }

    void expectConnectionKept()
    {
        EXPECT_TRUE(m_bank.isOpen());
        EXPECT_FALSE(m_bank.IsEOF(m_handle)) << "the open record set survives";
        EXPECT_TRUE(m_bank.ExecuteSql(u"update swzj set  XXDA='A' where ID=5"_s));
        EXPECT_EQ(m_dir.bankValue(u"select XXDA from swzj where ID=5"_s).toString(), u"A"_s);
    }

    TempProgramDir m_dir;
    QuestionBank m_bank;
    int m_handle = 0;
};

// Another program holding the bank makes every operation fail as busy after a short wait,
// never as a fault of the statement, and the bank works again once it is let go.
TEST_F(QuestionBankFileTest, ALockHeldByAnotherProgramIsBusy)
{
    auto lock = std::make_unique<mirevo::test::BankLock>(m_dir.bankPath());
    ASSERT_TRUE(lock->isLocked());
    EXPECT_FALSE(m_bank.ExecuteSql(u"update swzj set  XXDA='A' where ID=5"_s));
    EXPECT_EQ(m_bank.lastFailure(), QuestionBank::Failure::Busy);
    EXPECT_EQ(m_bank.OpenTable(u"select  * from swzj"_s), 0);
    EXPECT_EQ(m_bank.lastFailure(), QuestionBank::Failure::Busy);
    QuestionBank second;
    EXPECT_FALSE(second.OpenDatabase(m_dir.bankPath()));
    EXPECT_EQ(second.lastFailure(), QuestionBank::Failure::Busy);

    EXPECT_FALSE(m_bank.ExecuteSql(u"update nosuchtable set  XXDA='A' where ID=5"_s));
    EXPECT_NE(m_bank.lastFailure(), QuestionBank::Failure::Busy) << "a bad statement is no busy bank";
    lock.reset();
    expectConnectionKept();
    EXPECT_EQ(m_bank.lastFailure(), QuestionBank::Failure::None);
}

TEST_F(QuestionBankFileTest, MissingFileFailsAndKeepsTheConnection)
{
    EXPECT_FALSE(m_bank.OpenDatabase(m_dir.filePath(u"absent.dll"_s)));
    EXPECT_FALSE(QFile::exists(m_dir.filePath(u"absent.dll"_s))) << "no bank is created by opening";
    EXPECT_FALSE(m_bank.OpenDatabase(m_dir.path())) << "a directory is no bank";
    EXPECT_FALSE(m_bank.OpenDatabase(QString()));
    expectConnectionKept();
}

TEST_F(QuestionBankFileTest, FileThatIsNoBankFailsAndKeepsTheConnection)
{
    EXPECT_FALSE(m_bank.OpenDatabase(writeFile(u"notes.dll"_s, "plain text, neither Jet nor SQLite\n")));
    EXPECT_FALSE(m_bank.OpenDatabase(writeFile(u"empty.dll"_s, QByteArray())));
    QByteArray brokenSqlite("SQLite format 3\0", 16);
    brokenSqlite.append(QByteArray(4080, '\x5a'));
    EXPECT_FALSE(m_bank.OpenDatabase(writeFile(u"broken.dll"_s, brokenSqlite)));
    // not SQLite, so the Access driver is asked, which refuses a fake Jet file or is missing
    EXPECT_FALSE(
        m_bank.OpenDatabase(writeFile(u"jet.mdb"_s, QByteArray("\x00\x01\x00\x00Standard Jet DB\0", 20))));
    expectConnectionKept();
}

TEST_F(QuestionBankFileTest, OpeningAnotherBankReplacesTheConnection)
{
    TempProgramDir second;
    ASSERT_TRUE(second.isValid());
    ASSERT_TRUE(second.insertQuestions(u"swzj"_s, {TempProgramDir::question(9, u"1"_s)}));
    ASSERT_TRUE(m_bank.OpenDatabase(second.bankPath()));
    EXPECT_TRUE(m_bank.IsEOF(m_handle)) << "record sets of the old connection are closed";
    const int handle = m_bank.OpenTable(u"select  * from swzj where zj='1'"_s);
    EXPECT_EQ(readIds(m_bank, handle), QSet<qlonglong>{9});
}

TEST_F(QuestionBankFileTest, BooleanColumnsReadAsBooleans)
{
    ASSERT_TRUE(m_bank.ExecuteSql(u"create table flags (ID INTEGER PRIMARY KEY, b BOOLEAN)"_s));
    ASSERT_TRUE(m_bank.ExecuteSql(u"insert into flags values (1, 1), (2, NULL)"_s));
    const int handle = m_bank.OpenTable(u"select * from flags"_s);
    EXPECT_EQ(m_bank.ReadColByName(handle, u"b"_s), QVariant(true));
    m_bank.MoveNext(handle);
    EXPECT_EQ(m_bank.ReadColByName(handle, u"b"_s), QVariant(false));
}

} // namespace

namespace {

// What the Qt SQLite driver itself reads for every row of `sql`, by the store's rule for NULL
// and boolean columns: the oracle for the store's own reading of the engine.
QList<QList<QVariant>> driverRows(const QString& bankPath, const QString& sql, QStringList* columns)
{
    QList<QList<QVariant>> rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"oracle"_s);
        db.setDatabaseName(bankPath);
        EXPECT_TRUE(db.open());
        QSqlQuery query(db);
        EXPECT_TRUE(query.exec(sql)) << sql.toStdString();
        const QSqlRecord record = query.record();
        for (int column = 0; column < record.count(); ++column)
            *columns << record.fieldName(column);
        while (query.next()) {
            QList<QVariant> row;
            for (int column = 0; column < record.count(); ++column)
                row << mirevo::columnValue(query.value(column), record.field(column).metaType());
            rows << row;
        }
    }
    QSqlDatabase::removeDatabase(u"oracle"_s);
    return rows;
}

} // namespace

// The store reads SQLite's rows itself and converts a value only when it is read; what it reads
// must be exactly what the driver reads: the same types and the same values, for every storage
// class in every declared type, NULLs, expressions without a declared type and empty results.
TEST_F(QuestionBankFileTest, ValuesReadAsTheDriverReadsThem)
{
    ASSERT_TRUE(
        m_bank.ExecuteSql(u"create table mixed (ID INTEGER PRIMARY KEY, i INTEGER, r REAL, "
                          "t TEXT COLLATE NOCASE, b BLOB, f BOOLEAN, n NUMERIC(10,2), v VARCHAR(20), u)"_s));
    ASSERT_TRUE(m_bank.ExecuteSql(u"insert into mixed values "
                                  "(1, 42, 1.5, '第1题：下列说法', x'00ff10', 1, 3.25, 'A', 7), "
                                  "(2, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL), "
                                  "(3, 'text in an integer', 3, '', x'', 0, 'x', 12, 'mixed'), "
                                  "(4, -9223372036854775807, -0.0, 'a''b' || char(0) || 'c', 'blob as text', "
                                  "'false', 1e300, 2.5, x'41'), "
                                  "(5, 9007199254740993, 1e-7, '  spaces  ', NULL, 2.5, -1, '', 1.0)"_s));
    const QStringList statements = {
        u"select * from mixed"_s,
        u"select ID, i + 1 as e, r * 2, upper(t), \"v\" from mixed"_s,
        u"select u, ID from mixed order by ID desc"_s,
        u"select * from mixed where ID > 99"_s,
        u"select count(*) from mixed"_s,
        // texts longer than a storage block, and enough rows to fill many blocks
        u"select ID, replace(printf('%.*c', 70000 + ID, 'x'), 'x', '账') as long, t from mixed"_s,
        u"with recursive n(i) as (select 1 union all select i + 1 from n where i < 3000) "
        "select i, printf('第%d题：', i) || substr('企业发生的下列交易或事项中应当计入当期损益的是', 1, i % "
        "23) as stem, "
        "case when i % 7 = 0 then null else i * 0.5 end as half from n"_s,
    };
    for (const QString& sql : statements) {
        SCOPED_TRACE(sql.toStdString());
        QStringList columns;
        const QList<QList<QVariant>> expected = driverRows(m_dir.bankPath(), sql, &columns);
        const int handle = m_bank.OpenTable(sql);
        ASSERT_GT(handle, 0);
        qsizetype row = 0;
        for (; !m_bank.IsEOF(handle); m_bank.MoveNext(handle), ++row) {
            ASSERT_LT(row, expected.size()) << "more rows than the driver reads";
            for (qsizetype column = 0; column < columns.size(); ++column) {
                const QVariant read = m_bank.ReadColByName(handle, columns[column]);
                const QVariant& want = expected[row][column];
                EXPECT_EQ(read.typeId(), want.typeId())
                    << "row " << row << ", " << columns[column].toStdString() << ": " << read.typeName()
                    << " instead of " << want.typeName();
                EXPECT_EQ(read, want) << "row " << row << ", " << columns[column].toStdString();
            }
        }
        EXPECT_EQ(row, expected.size());
        m_bank.CloseTable(handle);
    }
}

// A record set is the rows as they were when it opened, not as they are when they are read.
TEST_F(QuestionBankFileTest, ARecordSetKeepsTheRowsItOpenedWith)
{
    const int handle = m_bank.OpenTable(u"select  * from swzj where zj='1'"_s);
    ASSERT_GT(handle, 0);
    ASSERT_TRUE(m_bank.ExecuteSql(u"update swzj set  XXDA='D' where ID=5"_s));
    ASSERT_TRUE(m_bank.ExecuteSql(u"delete from swzj"_s));
    ASSERT_FALSE(m_bank.IsEOF(handle));
    EXPECT_EQ(m_bank.ReadColByName(handle, u"ID"_s), QVariant(qlonglong(5)));
    EXPECT_EQ(m_bank.ReadColByName(handle, u"XXDA"_s), QVariant(QString()));
}

// Only the first statement of a text is ever looked at: a second one is refused, never run.
TEST_F(QuestionBankFileTest, AStatementAfterTheFirstIsNeverRun)
{
    EXPECT_EQ(m_bank.OpenTable(u"select * from swzj; delete from swzj"_s), 0);
    EXPECT_GT(m_bank.OpenTable(u"select * from swzj;  \n"_s), 0) << "a closing semicolon is no statement";
    EXPECT_EQ(m_dir.bankValue(u"select count(*) from swzj"_s).toInt(), 1);
}
