#include "SqlDialect.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct DialectCase
{
    QString jet;
    QString sqlite;
};

void PrintTo(const DialectCase& c, std::ostream* os)
{
    *os << '"' << c.jet.toStdString() << '"';
}

class SqlDialectRewrite : public ::testing::TestWithParam<DialectCase>
{};

TEST_P(SqlDialectRewrite, MovesTopToLimit)
{
    EXPECT_EQ(mirevo::toSqliteDialect(GetParam().jet), GetParam().sqlite);
}

INSTANTIATE_TEST_SUITE_P(
    TopForms, SqlDialectRewrite,
    ::testing::Values(
        DialectCase{u"select top 1 * from swzj where ID=17"_s, u"select * from swzj where ID=17 limit 1"_s},
        DialectCase{u"select top 1 * from jczj where ID=3"_s, u"select * from jczj where ID=3 limit 1"_s},
        DialectCase{u"select top 1 * from sw20 where ID=61"_s, u"select * from sw20 where ID=61 limit 1"_s},
        DialectCase{u"select top 1 * from jc7 where ID=1"_s, u"select * from jc7 where ID=1 limit 1"_s},
        DialectCase{u"SELECT TOP 25 ID FROM swzj"_s, u"SELECT ID FROM swzj limit 25"_s},
        DialectCase{u"Select  Top\t3   *  from swzj"_s, u"Select *  from swzj limit 3"_s},
        DialectCase{u"  select top 2 * from swzj"_s, u"  select * from swzj limit 2"_s},
        DialectCase{u"select top 1* from swzj"_s, u"select * from swzj limit 1"_s},
        DialectCase{u"select top 1 * from swzj where ID=5;"_s, u"select * from swzj where ID=5 limit 1;"_s},
        DialectCase{u"select top 1 * from swzj where TM='limit'"_s,
                    u"select * from swzj where TM='limit' limit 1"_s},
        DialectCase{u"select top 1 * from swzj\nwhere ID=5"_s, u"select * from swzj\nwhere ID=5 limit 1"_s}));

class SqlDialectPassThrough : public ::testing::TestWithParam<QString>
{};

TEST_P(SqlDialectPassThrough, LeavesStatementUnchanged)
{
    EXPECT_EQ(mirevo::toSqliteDialect(GetParam()), GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    OtherForms, SqlDialectPassThrough,
    ::testing::Values(u""_s, u"select  * from swzj"_s, u"select  * from swzj where zj='3'"_s,
                      u"select * from jczj swzj where  shucang='yes'"_s, u"select topic from swzj"_s,
                      u"select top from swzj"_s, u"select top x * from swzj"_s, u"select top 1"_s,
                      u"select top 1 * from swzj limit 3"_s, u"select top 1 * from swzj LIMIT 3 "_s,
                      u"update swzj set  XXDA='A' where ID=1"_s,
                      u"update sw1  set  XXDA='top 1' where ID=2"_s,
                      u"select  * from sw1  where tx='多选题'"_s, u"select * from  swdeifen  where SJ='1'"_s,
                      u"selecttop 1 * from swzj"_s,
                      u"with t as (select top 1 * from swzj) select * from t"_s));

} // namespace
