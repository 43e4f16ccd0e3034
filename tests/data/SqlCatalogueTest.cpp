#include "BankBackend.h"
#include "QuestionBank.h"
#include "TempProgramDir.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace Qt::StringLiterals;
using mirevo::BankQuestion;
using mirevo::QuestionBank;
using mirevo::test::BankBackend;
using mirevo::test::TempProgramDir;

namespace {

// One statement of the program as its callers build it. A query states how many rows it
// gives; an update states a value that the bank holds afterwards.
struct CatalogueCase
{
    const char* name;
    QString sql;
    int rows = -1;
    QString checkSql = {};
    QString checkValue = {};
};

void PrintTo(const CatalogueCase& c, std::ostream* os)
{
    *os << c.name;
}

CatalogueCase query(const char* name, const QString& sql, int rows)
{
    return {name, sql, rows};
}

CatalogueCase update(const char* name, const QString& sql, const QString& checkSql, const QString& checkValue)
{
    return {name, sql, -1, checkSql, checkValue};
}

const QList<CatalogueCase>& catalogue()
{
    static const QList<CatalogueCase> cases{
        query("C1_sw", u"select * from swzj where  shucang='yes'"_s, 1),
        query("C1_jc", u"select * from jczj swzj where  shucang='yes'"_s, 1),
        query("C2_sw", u"select  * from swzj where zj='1'"_s, 2),
        query("C2_jc", u"select  * from jczj where zj='1'"_s, 2),
        query("C2_empty", u"select  * from swzj where zj='10'"_s, 0),
        query("C3_sw", u"select top 1 * from swzj where ID=2"_s, 1),
        query("C3_jc", u"select top 1 * from jczj where ID=12"_s, 1),
        update("C4_sw", u"update swzj set  XXDA='B' where ID=2"_s, u"select XXDA from swzj where ID=2"_s,
               u"B"_s),
        update("C4_jc", u"update jczj set  XXDA='D' where ID=11"_s, u"select XXDA from jczj where ID=11"_s,
               u"D"_s),
        update("C5_sw", u"update swzj set  XXDA='正确' where ID=3"_s, u"select XXDA from swzj where ID=3"_s,
               u"正确"_s),
        update("C5_jc", u"update jczj set  XXDA='错误' where ID=12"_s, u"select XXDA from jczj where ID=12"_s,
               u"错误"_s),
        update("C6_sw", u"update swzj set  XXDA='' where ID=1"_s, u"select XXDA from swzj where ID=1"_s,
               u""_s),
        update("C6_jc", u"update jczj set  XXDA='ACD' where ID=12"_s, u"select XXDA from jczj where ID=12"_s,
               u"ACD"_s),
        update("C7_mark", u"update swzj set  shucang='YES' where ID=2"_s,
               u"select shucang from swzj where ID=2"_s, u"YES"_s),
        update("C7_unmark", u"update jczj set  shucang='' where ID=11"_s,
               u"select shucang from jczj where ID=11"_s, u""_s),
        query("C8_select", u"select * from swzj where  xxda<>''"_s, 1),
        update("C8_clear", u"update swzj set  XXDA=''   where ID=1"_s, u"select XXDA from swzj where ID=1"_s,
               u""_s),
        query("C9_select", u"select * from jczj where  shucang<>''"_s, 1),
        update("C9_clear", u"update jczj set  shucang=''   where ID=11"_s,
               u"select shucang from jczj where ID=11"_s, u""_s),
        query("P1_sw", u"select  * from sw1"_s, 4),
        query("P1_jc", u"select  * from jc20"_s, 0),
        query("P2_multiple", u"select  * from sw1  where tx='多选题'"_s, 1),
        query("P2_trueFalse", u"select  * from sw1  where tx='判断题'"_s, 1),
        query("P2_indefinite", u"select  * from sw1  where tx='不定项选择题'"_s, 1),
        query("P3_sw", u"select top 1 * from sw1 where ID=4"_s, 1),
        query("P3_jc", u"select top 1 * from jc1 where ID=1"_s, 1),
        update("P4_letter", u"update sw1  set  XXDA='A' where ID=1"_s, u"select XXDA from sw1 where ID=1"_s,
               u"A"_s),
        update("P4_trueFalse", u"update sw1 set  XXDA='正确' where ID=3"_s,
               u"select XXDA from sw1 where ID=3"_s, u"正确"_s),
        update("P4_letters", u"update jc1  set  XXDA='BD' where ID=1"_s, u"select XXDA from jc1 where ID=1"_s,
               u"BD"_s),
        query("P5_select", u"select * from sw1 where  xxda<>''"_s, 1),
        update("P5_clear", u"update sw1 set  XXDA='' where ID=4"_s, u"select XXDA from sw1 where ID=4"_s,
               u""_s),
        query("D1_sw", u"select * from  swdeifen  where SJ='7'"_s, 1),
        query("D1_jc", u"select * from  jcdeifen  where SJ='20'"_s, 1),
        update("D2_sw", u"update  swdeifen  set  df='58.5'   where ID=3"_s,
               u"select DF from swdeifen where ID=3"_s, u"58.5"_s),
        update("D2_jc", u"update  jcdeifen  set  df='100'   where ID=20"_s,
               u"select DF from jcdeifen where ID=20"_s, u"100"_s),
        query("D3_none", u"select * from swdeifen where  DF<>''"_s, 0),
        query("D3_select", u"select * from jcdeifen where  DF<>''"_s, 1),
        update("D3_clear", u"update jcdeifen set  DF=''   where ID=5"_s,
               u"select DF from jcdeifen where ID=5"_s, u""_s),
    };
    return cases;
}

class SqlCatalogue : public ::testing::TestWithParam<std::tuple<CatalogueCase, BankBackend>>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid()) << m_dir.error().toStdString();
        BankQuestion favourite = TempProgramDir::question(1, u"1"_s);
        favourite.shucang = u"YES"_s;
        favourite.xxda = u"A"_s;
        BankQuestion unanswered = TempProgramDir::question(2, u"1"_s, u"多选题"_s, u"ABD"_s);
        unanswered.xxda = QString();
        ASSERT_TRUE(m_dir.insertQuestions(
            u"swzj"_s, {favourite, unanswered, TempProgramDir::question(3, u"2"_s, u"判断题"_s, u"错误"_s)}));
        BankQuestion lawFavourite = TempProgramDir::question(11, u"1"_s);
        lawFavourite.shucang = u"YES"_s;
        ASSERT_TRUE(m_dir.insertQuestions(u"jczj"_s, {lawFavourite, TempProgramDir::question(12, u"1"_s)}));
        BankQuestion indefinite = TempProgramDir::question(4, {}, u"不定项选择题"_s, u"AB"_s);
        indefinite.xxda = u"AB"_s;
        ASSERT_TRUE(m_dir.insertQuestions(
            u"sw1"_s, {TempProgramDir::question(1, {}), TempProgramDir::question(2, {}, u"多选题"_s, u"BC"_s),
                       TempProgramDir::question(3, {}, u"判断题"_s, u"正确"_s), indefinite}));
        ASSERT_TRUE(m_dir.insertQuestions(u"jc1"_s, {TempProgramDir::question(1, {}, u"多选题"_s, u"BD"_s)}));
        ASSERT_TRUE(m_dir.execute(u"update jcdeifen set DF='90' where ID=5"_s));
        const BankBackend backend = std::get<1>(GetParam());
        if (backend == BankBackend::Odbc && !mirevo::test::sqliteOdbcDriverAvailable(m_dir.bankPath()))
            GTEST_SKIP() << "the SQLite3 ODBC driver is not installed";
        ASSERT_TRUE(mirevo::test::openBank(m_bank, backend, m_dir.bankPath()));
    }

    TempProgramDir m_dir;
    QuestionBank m_bank;
};

TEST_P(SqlCatalogue, StatementRunsAsWritten)
{
    const CatalogueCase& c = std::get<0>(GetParam());
    if (c.rows >= 0) {
        const int handle = m_bank.OpenTable(c.sql);
        ASSERT_GT(handle, 0);
        int rows = 0;
        for (m_bank.MoveFirst(handle); !m_bank.IsEOF(handle); m_bank.MoveNext(handle)) {
            EXPECT_GT(m_bank.ReadColByName(handle, u"ID"_s).toLongLong(), 0);
            ++rows;
        }
        EXPECT_EQ(rows, c.rows);
        m_bank.CloseTable(handle);
    } else {
        ASSERT_TRUE(m_bank.ExecuteSql(c.sql));
        EXPECT_EQ(m_dir.bankValue(c.checkSql).toString(), c.checkValue);
    }
}

INSTANTIATE_TEST_SUITE_P(Statements, SqlCatalogue,
                         ::testing::Combine(::testing::ValuesIn(catalogue()),
                                            ::testing::Values(BankBackend::File, BankBackend::Odbc)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) == BankBackend::File ? "_File" : "_Odbc");
                         });

} // namespace
