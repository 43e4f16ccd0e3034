#include "TableNames.h"

#include "HandWrittenTable.h"
#include "PasswordDigest.h"
#include "RecordDbError.h"

#include <QSet>
#include <gtest/gtest.h>

namespace mirevo {
namespace {

TEST(TableNames, DefaultExtensionOnlyForNamesWithoutOne)
{
    EXPECT_EQ(withDefaultExtension(QStringLiteral("data")), QStringLiteral("data.EDB"));
    EXPECT_EQ(withDefaultExtension(QStringLiteral("data.")), QStringLiteral("data.EDB"));
    EXPECT_EQ(withDefaultExtension(QStringLiteral("配置文件.ini")), QStringLiteral("配置文件.ini"));
    EXPECT_EQ(withDefaultExtension(QStringLiteral("C:\\a.b\\data")), QStringLiteral("C:\\a.b\\data.EDB"));
    EXPECT_EQ(withDefaultExtension(QStringLiteral("/a.b/data")), QStringLiteral("/a.b/data.EDB"));
}

TEST(TableNames, AuxiliaryFileReplacesTheExtension)
{
    EXPECT_EQ(auxiliaryPath(QStringLiteral("/p/配置文件.ini")), QStringLiteral("/p/配置文件.EDT"));
    EXPECT_EQ(auxiliaryPath(QStringLiteral("/p.q/data.EDB")), QStringLiteral("/p.q/data.EDT"));
    EXPECT_EQ(auxiliaryPath(QStringLiteral("C:\\p.q\\data.x.y")), QStringLiteral("C:\\p.q\\data.x.EDT"));
}

TEST(TableNames, AliasesStartWithALetterOrChineseCharacter)
{
    for (const char16_t* valid : {u"a", u"Z9", u"设置", u"ａ０", u"Ｑ表1"})
        EXPECT_TRUE(isValidTableName(QString::fromUtf16(valid))) << QString::fromUtf16(valid).toStdString();
    for (const char16_t* invalid : {u"", u"9a", u"０a", u"_a", u"a-b", u"a b", u"a。", u"表!"})
        EXPECT_FALSE(isValidTableName(QString::fromUtf16(invalid)))
            << QString::fromUtf16(invalid).toStdString();
}

TEST(PasswordDigest, MatchesKnownValuesAndTheDefinition)
{
    EXPECT_EQ(passwordDigest(QStringLiteral("QQ100200300")), QByteArray("35f6a9d38e086f08f543d584a1bdebc8"));
    EXPECT_EQ(passwordDigest(QString()), QByteArray("7e42f8ec980980e904b2008fd98c1dd4"));
    // the bytes digested are the GBK bytes of the password
    EXPECT_EQ(passwordDigest(QStringLiteral("中文")), QByteArray("9528e1a3cd5f9f2e97e1e8759710cebc"));
    EXPECT_EQ(passwordDigest(QStringLiteral("abc")), test::handWrittenDigest("abc"));
}

TEST(ErrorMessages, CodesHaveTheirExactTexts)
{
    EXPECT_EQ(errorMessage(ErrorPassword), QStringLiteral("未提供数据库访问密码或提供了错误的密码"));
    EXPECT_EQ(errorMessage(ErrorDataFileSize), QStringLiteral("数据库文件尺寸错误"));
    EXPECT_EQ(errorMessage(ErrorAuxiliaryAccess), QStringLiteral("访问数据库的辅助文件失败"));
    EXPECT_EQ(errorMessage(-16), QStringLiteral("字段数目必须大于 0 "));
    EXPECT_EQ(errorMessage(-74), QStringLiteral("数据库的共享打开方式不是“#禁止读写”"));
    EXPECT_EQ(errorMessage(-80), QStringLiteral("无效的密码文本"));
    EXPECT_EQ(errorMessage(-77), errorMessage(-1));
    EXPECT_EQ(errorMessage(5), QStringLiteral("未知错误"));
    EXPECT_TRUE(errorMessage(NoError).isEmpty());
}

TEST(ErrorMessages, EveryNumberFromMinus1ToMinus80ButMinus77HasItsOwnText)
{
    QSet<QString> texts;
    for (int code = -1; code >= -80; --code) {
        if (code != -77)
            texts.insert(errorMessage(code));
    }
    EXPECT_EQ(texts.size(), 79);
}

} // namespace
} // namespace mirevo
