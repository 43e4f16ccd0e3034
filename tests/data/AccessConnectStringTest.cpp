#include "AccessConnectString.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct ConnectCase
{
    const char* name;
    QString file;
    QString user;
    QString password;
    QString expected;
};

void PrintTo(const ConnectCase& c, std::ostream* os)
{
    *os << c.name;
}

class AccessConnectString : public ::testing::TestWithParam<ConnectCase>
{};

TEST_P(AccessConnectString, IsBuiltInOrder)
{
    const ConnectCase& c = GetParam();
    EXPECT_EQ(mirevo::accessConnectString(c.file, c.user, c.password), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, AccessConnectString,
    ::testing::Values(
        ConnectCase{
            "startUp",
            u"D:\\Exam\\mini.dll"_s,
            {},
            {},
            u"ODBC;DBQ=D:\\Exam\\mini.dll;DefaultDir=D:\\Exam;Driver={Microsoft Access Driver (*.mdb)};"
            u"FIL=MS Access;"_s},
        ConnectCase{
            "userAndPassword", u"D:\\Exam\\mini.dll"_s, u"admin"_s, u"s3cret"_s,
            u"ODBC;DBQ=D:\\Exam\\mini.dll;DefaultDir=D:\\Exam;Driver={Microsoft Access Driver (*.mdb)};"
            u"FIL=MS Access;UID=admin;PWD=s3cret;"_s},
        ConnectCase{
            "userOnly",
            u"C:\\a.mdb"_s,
            u"admin"_s,
            {},
            u"ODBC;DBQ=C:\\a.mdb;DefaultDir=C:;Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access;"
            u"UID=admin;"_s},
        ConnectCase{
            "passwordOnly",
            u"C:\\a.mdb"_s,
            {},
            u"pw"_s,
            u"ODBC;DBQ=C:\\a.mdb;DefaultDir=C:;Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access;"
            u"PWD=pw;"_s},
        ConnectCase{
            "blanksAndChinese",
            u"C:\\Program Files\\会计 练习\\mini.dll"_s,
            {},
            {},
            u"ODBC;DBQ=C:\\Program Files\\会计 练习\\mini.dll;DefaultDir=C:\\Program Files\\会计 练习;"
            u"Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access;"_s},
        ConnectCase{"noBackslash",
                    u"mini.dll"_s,
                    {},
                    {},
                    u"ODBC;DBQ=mini.dll;Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access;"_s},
        ConnectCase{
            "forwardSlashes",
            u"/opt/mirevo/mini.dll"_s,
            {},
            {},
            u"ODBC;DBQ=/opt/mirevo/mini.dll;Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access;"_s},
        ConnectCase{"uncShare",
                    u"\\\\server\\exam\\mini.dll"_s,
                    {},
                    {},
                    u"ODBC;DBQ=\\\\server\\exam\\mini.dll;DefaultDir=\\\\server\\exam;"
                    u"Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access;"_s}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
