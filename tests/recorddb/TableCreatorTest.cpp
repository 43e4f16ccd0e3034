#include "TableCreator.h"

#include "HandWrittenTable.h"
#include "RecordDatabase.h"
#include "RecordDbError.h"
#include "SettingsFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace mirevo {
namespace {

class TableCreatorTest : public testing::Test
{
protected:
    QString path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir m_dir;
    RecordDatabase m_tables;
};

TEST_F(TableCreatorTest, DefaultSettingsFileMatchesTheHandWrittenLayoutByteForByte)
{
    ASSERT_EQ(createDefaultSettingsFile(path("配置文件.ini")), NoError);
    EXPECT_EQ(test::readFile(path("配置文件.ini")), test::handWrittenSettings().bytes());
    EXPECT_FALSE(QFile::exists(path("配置文件.EDT")));
}

TEST_F(TableCreatorTest, DefaultSettingsFileHoldsTheDefaultsUnderItsPassword)
{
    ASSERT_EQ(createDefaultSettingsFile(path("配置文件.ini")), NoError);
    OpenOptions options;
    options.password = settingsPassword();
    ASSERT_EQ(m_tables.open(path("配置文件.ini"), options), NoError);
    const RecordTable& table = *m_tables.current();
    EXPECT_EQ(table.magic(), QByteArray("WCDB"));
    EXPECT_EQ(table.recordCount(), 1);
    EXPECT_EQ(table.recordSize(), 26);
    ASSERT_EQ(table.fields().size(), settingsFields().size());
    for (const SettingsField& field : settingsFields()) {
        EXPECT_EQ(table.fields()[field.number - 1].name, field.storedName);
        EXPECT_EQ(table.fields()[field.number - 1].type, field.type);
        const EngineResult<FieldValue> value = m_tables.readField(int(field.number));
        ASSERT_EQ(value.code, NoError);
        EXPECT_EQ(value.value, field.defaultValue) << field.storedName.toStdString();
    }
}

TEST_F(TableCreatorTest, EveryTypeAndSeveralRecordsReadBack)
{
    const QList<FieldDeclaration> fields{
        {QStringLiteral("字节"), FieldType::Byte, 0},      {QStringLiteral("Short"), FieldType::Short, 0},
        {QStringLiteral("Int"), FieldType::Integer, 0},    {QStringLiteral("Long"), FieldType::Long, 0},
        {QStringLiteral("Float"), FieldType::Float, 0},    {QStringLiteral("Double"), FieldType::Double, 0},
        {QStringLiteral("Bool"), FieldType::Boolean, 0},   {QStringLiteral("When"), FieldType::DateTime, 0},
        {QStringLiteral("Sub"), FieldType::Subroutine, 0}, {QStringLiteral("Name"), FieldType::Text, 6},
        {QStringLiteral("Bytes"), FieldType::ByteSet, 0},  {QStringLiteral("Memo"), FieldType::Memo, 0},
    };
    const QList<FieldValue> first{std::uint8_t(1),
                                  qint16(2),
                                  qint32(3),
                                  qint64(4),
                                  5.5f,
                                  6.5,
                                  true,
                                  DateTime{7},
                                  SubroutineRef{8},
                                  QStringLiteral("九"),
                                  QByteArray(1000, '\x0a'),
                                  QString(600, u'十')};
    const QList<FieldValue> second{qint32(11),
                                   qint32(12),
                                   qint32(13),
                                   qint32(14),
                                   qint32(15),
                                   qint32(16),
                                   false,
                                   DateTime{17},
                                   SubroutineRef{18},
                                   QStringLiteral("toolong"),
                                   QByteArray(),
                                   QStringLiteral("memo")};
    ASSERT_EQ(createTable(path("all"), fields, {first, second}), NoError);
    ASSERT_EQ(m_tables.open(path("all")), NoError);
    RecordTable& table = *m_tables.current();
    EXPECT_EQ(table.magic(), QByteArray("WEDB"));
    ASSERT_EQ(table.recordCount(), 2);
    for (int field = 1; field <= 12; ++field)
        EXPECT_EQ(table.readField(field).value, first[field - 1]) << field;
    ASSERT_EQ(table.setCurrentRecord(1), NoError);
    EXPECT_EQ(table.readField(1).value, FieldValue(std::uint8_t(11)));
    EXPECT_EQ(table.readField(6).value, FieldValue(16.0));
    EXPECT_EQ(table.readField(10).value, FieldValue(QStringLiteral("toolon")));
    EXPECT_EQ(table.readField(11).value, FieldValue(QByteArray()));
    EXPECT_EQ(table.readField(12).value, FieldValue(QStringLiteral("memo")));
    EXPECT_EQ(test::readFile(path("all.EDT")).size(), 512 * (1 + 2 + 3 + 1));
}

TEST_F(TableCreatorTest, ReplacesAnExistingFile)
{
    ASSERT_TRUE(test::writeFile(path("old.EDB"), QByteArray(5000, 'x')));
    ASSERT_EQ(createTable(path("old.EDB"), {{QStringLiteral("A"), FieldType::Integer, 0}}, {}), NoError);
    EXPECT_EQ(test::readFile(path("old.EDB")).size(), 116 + 72);
    EXPECT_EQ(m_tables.open(path("old.EDB")), NoError);
    EXPECT_EQ(m_tables.current()->recordCount(), 0);
}

struct BadCreation
{
    const char* name;
    QList<FieldDeclaration> fields;
    QList<QList<FieldValue>> records;
    int expected;
};

void PrintTo(const BadCreation& creation, std::ostream* out)
{
    *out << creation.name;
}

class BadCreationTest : public TableCreatorTest, public testing::WithParamInterface<BadCreation>
{};

TEST_P(BadCreationTest, FailsWithItsCodeAndWritesNothing)
{
    EXPECT_EQ(createTable(path("bad.EDB"), GetParam().fields, GetParam().records), GetParam().expected);
    EXPECT_FALSE(QFile::exists(path("bad.EDB")));
    EXPECT_FALSE(QFile::exists(path("bad.EDT")));
}

const BadCreation kBadCreations[] = {
    {"NoFields", {}, {}, ErrorFieldCount},
    {"NameStartsWithDigit", {{QStringLiteral("1A"), FieldType::Integer, 0}}, {}, ErrorFieldName},
    {"EmptyName", {{QString(), FieldType::Integer, 0}}, {}, ErrorFieldName},
    {"NameOf17Bytes", {{QStringLiteral("ABCDEFGHIJKLMNOPQ"), FieldType::Integer, 0}}, {}, ErrorFieldName},
    {"ChineseNameOver16Bytes",
     {{QStringLiteral("一二三四五六七八九"), FieldType::Integer, 0}},
     {},
     ErrorFieldName},
    {"DuplicateNameInAnotherCase",
     {{QStringLiteral("Name"), FieldType::Integer, 0}, {QStringLiteral("NAME"), FieldType::Byte, 0}},
     {},
     ErrorDuplicateFieldName},
    {"TypeThirteen", {{QStringLiteral("A"), static_cast<FieldType>(13), 0}}, {}, ErrorFieldType},
    {"TextWithoutSize", {{QStringLiteral("A"), FieldType::Text, 0}}, {}, ErrorFieldSize},
    {"RecordTooLarge",
     {{QStringLiteral("A"), FieldType::Text, 0x7fffffff}, {QStringLiteral("B"), FieldType::Text, 10}},
     {},
     ErrorFieldSize},
    {"TooFewValues",
     {{QStringLiteral("A"), FieldType::Integer, 0}, {QStringLiteral("B"), FieldType::Byte, 0}},
     {{qint32(1)}},
     ErrorValueTypeMismatch},
    {"TextForANumber",
     {{QStringLiteral("A"), FieldType::Integer, 0}},
     {{QStringLiteral("1")}},
     ErrorValueTypeMismatch},
    {"NumberForAMemo", {{QStringLiteral("A"), FieldType::Memo, 0}}, {{qint32(1)}}, ErrorValueTypeMismatch},
};

INSTANTIATE_TEST_SUITE_P(TableCreator, BadCreationTest, testing::ValuesIn(kBadCreations),
                         [](const testing::TestParamInfo<BadCreation>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace mirevo
