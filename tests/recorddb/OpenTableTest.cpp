#include "HandWrittenTable.h"
#include "LittleEndian.h"
#include "RecordDatabase.h"
#include "RecordDbError.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace mirevo {
namespace {

using test::HandWrittenBlock;
using test::HandWrittenTable;

const QString kPassword = QStringLiteral("QQ100200300");

// A memo table with a valid one-block auxiliary file, for the auxiliary cases.
HandWrittenTable memoTable()
{
    HandWrittenTable table;
    table.magic = "WEDB";
    table.recordSize = 8;
    table.fields = {{"Memo", 12, 4, 0}};
    table.records = QByteArray::fromHex("0000000001000000");
    return table;
}

QByteArray memoAuxiliary()
{
    return test::handWrittenAuxiliary({HandWrittenBlock{0, 0, "text"}});
}

struct BrokenFile
{
    const char* name;
    std::function<QByteArray()> data;
    std::function<QByteArray()> auxiliary; // empty: no auxiliary file
    QString password;
    bool readOnly = false;
    int expected = 0;
};

QByteArray settingsWith(const std::function<void(HandWrittenTable&)>& change)
{
    HandWrittenTable table = test::handWrittenSettings();
    change(table);
    return table.bytes();
}

QByteArray auxiliaryWith(qint64 offset, qint32 value)
{
    QByteArray bytes = memoAuxiliary();
    putLittleEndian(bytes, offset, value);
    return bytes;
}

void PrintTo(const BrokenFile& file, std::ostream* out)
{
    *out << file.name;
}

class BrokenFileTest : public testing::TestWithParam<BrokenFile>
{
protected:
    QTemporaryDir m_dir;
    RecordDatabase m_tables;
};

TEST_P(BrokenFileTest, OpenFailsWithItsCodeAndLeavesNothingOpen)
{
    const BrokenFile& file = GetParam();
    const QString path = m_dir.filePath(QStringLiteral("broken.EDB"));
    ASSERT_TRUE(test::writeFile(path, file.data()));
    if (file.auxiliary) {
        ASSERT_TRUE(test::writeFile(m_dir.filePath(QStringLiteral("broken.EDT")), file.auxiliary()));
    }
    OpenOptions options;
    options.password = file.password;
    options.readOnly = file.readOnly;
    EXPECT_EQ(m_tables.open(path, options), file.expected);
    EXPECT_EQ(m_tables.openCount(), 0);
    EXPECT_EQ(m_tables.current(), nullptr);
}

const BrokenFile kBrokenFiles[] = {
    {"EmptyFile", [] { return QByteArray(); }, {}, kPassword, false, ErrorNotDatabase},
    {"HeaderShorterThan112Bytes",
     [] { return test::handWrittenSettings().bytes().left(111); },
     {},
     kPassword,
     false,
     ErrorNotDatabase},
    {"OtherMagic",
     [] { return settingsWith([](HandWrittenTable& t) { t.magic = "WXDB"; }); },
     {},
     kPassword,
     false,
     ErrorNotDatabase},
    {"WrongPassword",
     [] { return test::handWrittenSettings().bytes(); },
     {},
     QStringLiteral("QQ100200301"),
     false,
     ErrorPassword},
    {"MissingPassword",
     [] { return test::handWrittenSettings().bytes(); },
     {},
     QString(),
     false,
     ErrorPassword},
    {"PasswordForUnprotectedTable",
     [] { return settingsWith([](HandWrittenTable& t) { t.magic = "WEDB"; }); },
     {},
     kPassword,
     false,
     ErrorPassword},
    {"VersionTooHigh",
     [] { return settingsWith([](HandWrittenTable& t) { t.version = 0x10001; }); },
     {},
     kPassword,
     false,
     ErrorVersionTooHigh},
    {"NegativeRecordCount",
     [] { return settingsWith([](HandWrittenTable& t) { t.recordCount = -1; }); },
     {},
     kPassword,
     false,
     ErrorNotDatabase},
    {"Offset20Zero",
     [] { return settingsWith([](HandWrittenTable& t) { t.offset20 = 0; }); },
     {},
     kPassword,
     false,
     ErrorNotDatabase},
    {"RecordSizeZero",
     [] { return settingsWith([](HandWrittenTable& t) { t.recordSize = 0; }); },
     {},
     kPassword,
     false,
     ErrorNotDatabase},
    {"NoFields",
     [] { return settingsWith([](HandWrittenTable& t) { t.fieldCount = 0; }); },
     {},
     kPassword,
     false,
     ErrorNotDatabase},
    {"FieldCountBeyondTheFile",
     [] { return settingsWith([](HandWrittenTable& t) { t.fieldCount = 0x7fffffff; }); },
     {},
     kPassword,
     false,
     ErrorNotDatabase},
    {"DescriptorsCutShort",
     [] { return test::handWrittenSettings().bytes().left(116 + 72 * 5 + 10); },
     {},
     kPassword,
     false,
     ErrorNotDatabase},
    {"NameWithoutNul",
     [] { return settingsWith([](HandWrittenTable& t) { t.fields[0].name = "ABCDEFGHIJKLMNOPQ"; }); },
     {},
     kPassword,
     false,
     ErrorNotDatabase},
    {"TypeZero",
     [] { return settingsWith([](HandWrittenTable& t) { t.fields[2].type = 0; }); },
     {},
     kPassword,
     false,
     ErrorNotDatabase},
    {"TypeThirteen",
     [] { return settingsWith([](HandWrittenTable& t) { t.fields[2].type = 13; }); },
     {},
     kPassword,
     false,
     ErrorNotDatabase},
    {"NegativeFieldOffset",
     [] { return settingsWith([](HandWrittenTable& t) { t.fields[5].offset = -1; }); },
     {},
     kPassword,
     false,
     ErrorNotDatabase},
    {"TextWithoutSize",
     [] { return settingsWith([](HandWrittenTable& t) {
              t.fields[5] = {"Text", 10, 18, 0};
          }); },
     {},
     kPassword,
     false,
     ErrorNotDatabase},
    {"RecordSizeBeyondTheFileReadOnly",
     [] { return settingsWith([](HandWrittenTable& t) { t.recordSize = 0x7fffffff; }); },
     {},
     kPassword,
     true,
     ErrorDataFileSize},
    {"FewerRecordsReadOnly",
     [] { return settingsWith([](HandWrittenTable& t) { t.recordCount = 2; }); },
     {},
     kPassword,
     true,
     ErrorDataFileSize},
    {"AuxiliaryShortHeader",
     [] { return memoTable().bytes(); },
     [] { return QByteArray("WEDT"); },
     {},
     false,
     ErrorAuxiliaryHeader},
    {"AuxiliaryOtherMagic",
     [] { return memoTable().bytes(); },
     [] { return auxiliaryWith(0, 0x54444558); },
     {},
     false,
     ErrorAuxiliaryHeader},
    {"AuxiliaryOtherVersion",
     [] { return memoTable().bytes(); },
     [] { return auxiliaryWith(4, 0xffff); },
     {},
     false,
     ErrorAuxiliaryVersion},
    {"AuxiliaryNoBlocks",
     [] { return memoTable().bytes(); },
     [] { return auxiliaryWith(16, 0); },
     {},
     false,
     ErrorAuxiliaryHeader},
    {"AuxiliaryFreeCountTooHigh",
     [] { return memoTable().bytes(); },
     [] { return auxiliaryWith(20, 2); },
     {},
     false,
     ErrorAuxiliaryHeader},
    {"AuxiliaryNegativeFreeCount",
     [] { return memoTable().bytes(); },
     [] { return auxiliaryWith(20, -1); },
     {},
     false,
     ErrorAuxiliaryHeader},
    {"AuxiliaryFirstFreeOutside",
     [] { return memoTable().bytes(); },
     [] { return auxiliaryWith(24, 2); },
     {},
     false,
     ErrorAuxiliaryHeader},
    {"AuxiliaryFewerBlocksReadOnly",
     [] { return memoTable().bytes(); },
     [] { return auxiliaryWith(16, 5); },
     {},
     true,
     ErrorAuxiliarySize},
};

INSTANTIATE_TEST_SUITE_P(OpenTable, BrokenFileTest, testing::ValuesIn(kBrokenFiles),
                         [](const testing::TestParamInfo<BrokenFile>& info) {
                             return std::string(info.param.name);
                         });

class OpenTableTest : public testing::Test
{
protected:
    QString path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }

    QString writeSettings(const char* name, const HandWrittenTable& table = test::handWrittenSettings()) const
    {
        const QString file = path(name);
        test::writeFile(file, table.bytes());
        return file;
    }

    static OpenOptions withPassword()
    {
        OpenOptions options;
        options.password = kPassword;
        return options;
    }

    QTemporaryDir m_dir;
    RecordDatabase m_tables;
};

TEST_F(OpenTableTest, OpensTheSettingsFileAsCurrentAtRecordZero)
{
    ASSERT_EQ(m_tables.open(writeSettings("配置文件.ini"), withPassword()), NoError);
    ASSERT_NE(m_tables.current(), nullptr);
    EXPECT_EQ(m_tables.current()->currentRecord(), 0);
    EXPECT_EQ(m_tables.current()->fullPath(),
              QDir(m_dir.path()).canonicalPath() + QStringLiteral("/配置文件.ini"));
    EXPECT_EQ(m_tables.current()->fields().size(), 6);
}

TEST_F(OpenTableTest, StoredDigestIsComparedIgnoringCase)
{
    HandWrittenTable table = test::handWrittenSettings();
    table.digest = table.digest.toUpper();
    EXPECT_EQ(m_tables.open(writeSettings("upper.ini", table), withPassword()), NoError);
}

TEST_F(OpenTableTest, EmptyNameMissingFileAndInvalidAliasFail)
{
    EXPECT_EQ(m_tables.open(QString(), withPassword()), ErrorFileNotFound);
    EXPECT_EQ(m_tables.open(path("missing.ini"), withPassword()), ErrorFileNotFound);
    EXPECT_FALSE(QFile::exists(path("missing.ini")));
    OpenOptions options = withPassword();
    for (const QString& alias : {QStringLiteral("1abc"), QStringLiteral("a_b"), QStringLiteral("a b")}) {
        options.alias = alias;
        EXPECT_EQ(m_tables.open(writeSettings("alias.ini"), options), ErrorInvalidAlias)
            << alias.toStdString();
    }
    options.alias = QStringLiteral("设置Ａ１");
    EXPECT_EQ(m_tables.open(writeSettings("alias.ini"), options), NoError);
    EXPECT_EQ(m_tables.current()->alias(), options.alias);
}

TEST_F(OpenTableTest, SameFileTwiceFailsEvenUnderAnotherSpelling)
{
    const QString file = writeSettings("twice.ini");
    ASSERT_EQ(m_tables.open(file, withPassword()), NoError);
    EXPECT_EQ(m_tables.open(file, withPassword()), ErrorAlreadyOpen);
    EXPECT_EQ(m_tables.open(m_dir.path() + QStringLiteral("/./twice.ini"), withPassword()), ErrorAlreadyOpen);
    EXPECT_EQ(m_tables.openCount(), 1);
}

TEST_F(OpenTableTest, NameWithoutExtensionOpensTheEdbFile)
{
    writeSettings("plain.EDB");
    EXPECT_EQ(m_tables.open(path("plain"), withPassword()), NoError);
    ASSERT_EQ(m_tables.close(), NoError);
    EXPECT_EQ(m_tables.open(path("plain."), withPassword()), NoError);
    EXPECT_TRUE(m_tables.current()->fullPath().endsWith(QStringLiteral("/plain.EDB")));
}

TEST_F(OpenTableTest, FewerRecordsThanCountedAreCorrectedOnDiskWhenWritable)
{
    HandWrittenTable table = test::handWrittenSettings();
    table.recordCount = 3;
    table.records.append(QByteArray(10, '\0')); // a partial second record does not count
    const QString file = writeSettings("short.ini", table);
    ASSERT_EQ(m_tables.open(file, withPassword()), NoError);
    EXPECT_EQ(m_tables.current()->recordCount(), 1);
    const QByteArray bytes = test::readFile(file);
    EXPECT_EQ(LittleEndianReader(bytes).at<qint32>(16), 1);
    m_tables.close();
    OpenOptions readOnly = withPassword();
    readOnly.readOnly = true;
    EXPECT_EQ(m_tables.open(file, readOnly), NoError);
}

TEST_F(OpenTableTest, MoreRecordsThanCountedLeaveTheCountAlone)
{
    HandWrittenTable table = test::handWrittenSettings();
    table.recordCount = 0;
    const QString file = writeSettings("more.ini", table);
    ASSERT_EQ(m_tables.open(file, withPassword()), NoError);
    EXPECT_EQ(m_tables.current()->recordCount(), 0);
    EXPECT_EQ(test::readFile(file), table.bytes());
}

TEST_F(OpenTableTest, IndexFilesAreRefused)
{
    OpenOptions options = withPassword();
    options.indexFiles = QStringList(11, path("index.ENX"));
    EXPECT_EQ(m_tables.open(writeSettings("indexed.ini"), options), ErrorTooManyIndexFiles);
    options.indexFiles = {path("index.ENX")};
    EXPECT_EQ(m_tables.open(writeSettings("indexed.ini"), options), ErrorOpenIndexFailed);
    EXPECT_EQ(m_tables.openCount(), 0);
}

TEST_F(OpenTableTest, AuxiliaryFileWithFewerBlocksIsCorrectedWhenWritable)
{
    test::writeFile(path("memo.EDB"), memoTable().bytes());
    test::writeFile(path("memo.EDT"), auxiliaryWith(16, 7));
    ASSERT_EQ(m_tables.open(path("memo.EDB")), NoError);
    const QByteArray auxiliary = test::readFile(path("memo.EDT"));
    EXPECT_EQ(LittleEndianReader(auxiliary).at<qint32>(16), 2);
    EXPECT_EQ(std::get<QString>(m_tables.readField(1).value), QStringLiteral("text"));
}

TEST_F(OpenTableTest, CloseMakesTheTableOpenedBeforeCurrent)
{
    ASSERT_EQ(m_tables.open(writeSettings("first.ini"), withPassword()), NoError);
    RecordTable* first = m_tables.current();
    ASSERT_EQ(m_tables.open(writeSettings("second.ini"), withPassword()), NoError);
    EXPECT_NE(m_tables.current(), first);
    EXPECT_EQ(m_tables.close(), NoError);
    EXPECT_EQ(m_tables.current(), first);
    EXPECT_EQ(m_tables.close(), NoError);
    EXPECT_EQ(m_tables.current(), nullptr);
    EXPECT_EQ(m_tables.close(), ErrorNoOpenTable);
}

} // namespace
} // namespace mirevo
