#include "HandWrittenTable.h"
#include "LittleEndian.h"
#include "RecordDatabase.h"
#include "RecordDbError.h"

#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace mirevo {
namespace {

using test::HandWrittenTable;

// Field numbers of handWrittenAllTypes(): field n has type n.
enum AllTypes : int
{
    ByteField = 1,
    ShortField,
    IntegerField,
    LongField,
    FloatField,
    DoubleField,
    BooleanField,
    DateTimeField,
    SubroutineField,
    TextField, // declared size 10
};

class FieldAccessTest : public testing::Test
{
protected:
    void openAllTypes(const std::function<void(HandWrittenTable&)>& change = {}, bool readOnly = false)
    {
        HandWrittenTable table = test::handWrittenAllTypes();
        if (change)
            change(table);
        m_path = m_dir.filePath(QStringLiteral("all.EDB"));
        ASSERT_TRUE(test::writeFile(m_path, table.bytes()));
        OpenOptions options;
        options.readOnly = readOnly;
        ASSERT_EQ(m_tables.open(m_path, options), NoError);
    }

    template <typename T> T read(const FieldRef& field)
    {
        const EngineResult<FieldValue> result = m_tables.readField(field);
        EXPECT_EQ(result.code, NoError);
        EXPECT_TRUE(std::holds_alternative<T>(result.value)) << "alternative " << result.value.index();
        return std::holds_alternative<T>(result.value) ? std::get<T>(result.value) : T{};
    }

    // The stored bytes of a field of record 0, straight from the file.
    QByteArray storedBytes(qint32 offset, qint32 size) const
    {
        const qint64 recordStart = 116 + 72 * 12;
        return test::readFile(m_path).mid(recordStart + offset, size);
    }

    QTemporaryDir m_dir;
    QString m_path;
    RecordDatabase m_tables;
};

TEST_F(FieldAccessTest, ReadsTheHandWrittenSettingsRecord)
{
    const QString path = m_dir.filePath(QStringLiteral("配置文件.ini"));
    ASSERT_TRUE(test::writeFile(path, test::handWrittenSettings().bytes()));
    OpenOptions options;
    options.password = QStringLiteral("QQ100200300");
    ASSERT_EQ(m_tables.open(path, options), NoError);
    EXPECT_FALSE(read<bool>(1));
    EXPECT_TRUE(read<bool>(2));
    EXPECT_EQ(read<qint32>(3), 3);
    EXPECT_EQ(read<qint32>(4), 3);
    EXPECT_EQ(read<qint32>(QStringLiteral("FontCode")), 1);
    EXPECT_EQ(read<double>(QStringLiteral("questioncount")), 200.0);
}

TEST_F(FieldAccessTest, EveryFixedTypeRoundTripsThroughTheFile)
{
    openAllTypes();
    const std::pair<int, FieldValue> values[] = {
        {ByteField, std::uint8_t(250)},
        {ShortField, qint16(-12345)},
        {IntegerField, qint32(-7)},
        {LongField, std::numeric_limits<qint64>::min()},
        {FloatField, 0.1f},
        {DoubleField, -2.5e300},
        {BooleanField, true},
        {DateTimeField, DateTime{45000.75}},
        {SubroutineField, SubroutineRef{0x401000}},
        {TextField, QStringLiteral("中文abc")},
    };
    for (const auto& [field, value] : values)
        ASSERT_EQ(m_tables.writeField(field, value), NoError) << field;
    m_tables.close();
    ASSERT_EQ(m_tables.open(m_path), NoError);
    for (const auto& [field, value] : values) {
        const EngineResult<FieldValue> result = m_tables.readField(field);
        ASSERT_EQ(result.code, NoError);
        EXPECT_EQ(result.value, value) << field;
    }
    EXPECT_EQ(storedBytes(4, 1), QByteArray("\xfa", 1));
    EXPECT_EQ(storedBytes(5, 2), QByteArray::fromHex("c7cf"));
}

TEST_F(FieldAccessTest, BooleanIsTrueForAnyNonZeroByteAndStoredAsOne)
{
    const qint32 booleanOffset = 4 + 1 + 2 + 4 + 8 + 4 + 8;
    openAllTypes([&](HandWrittenTable& t) { t.records[booleanOffset] = '\x80'; });
    EXPECT_TRUE(read<bool>(BooleanField));
    ASSERT_EQ(m_tables.writeField(BooleanField, true), NoError);
    EXPECT_EQ(storedBytes(booleanOffset, 1), QByteArray("\x01", 1));
    ASSERT_EQ(m_tables.writeField(BooleanField, false), NoError);
    EXPECT_EQ(storedBytes(booleanOffset, 1), QByteArray(1, '\0'));
}

TEST_F(FieldAccessTest, DateTimeIsClampedOnReading)
{
    openAllTypes();
    ASSERT_EQ(m_tables.writeField(DateTimeField, DateTime{3000000}), NoError);
    EXPECT_EQ(read<DateTime>(DateTimeField).days, 2958465);
    ASSERT_EQ(m_tables.writeField(DateTimeField, DateTime{-1e9}), NoError);
    EXPECT_EQ(read<DateTime>(DateTimeField).days, -657434);
}

TEST_F(FieldAccessTest, ShortTextIsPaddedWithNulAndReadBackWithoutIt)
{
    openAllTypes();
    const qint32 textOffset = 4 + 1 + 2 + 4 + 8 + 4 + 8 + 1 + 8 + 4;
    ASSERT_EQ(m_tables.writeField(TextField, QStringLiteral("ab")), NoError);
    EXPECT_EQ(storedBytes(textOffset, 10), QByteArray("ab\0\0\0\0\0\0\0\0", 10));
    EXPECT_EQ(read<QString>(TextField), QStringLiteral("ab"));
}

TEST_F(FieldAccessTest, LongTextIsCutToTheDeclaredSizeBetweenCharacters)
{
    openAllTypes();
    ASSERT_EQ(m_tables.writeField(TextField, QStringLiteral("0123456789XYZ")), NoError);
    EXPECT_EQ(read<QString>(TextField), QStringLiteral("0123456789"));
    // "a" and four Chinese characters: nine bytes fit, the fifth character does not
    ASSERT_EQ(m_tables.writeField(TextField, QStringLiteral("a中文字符串")), NoError);
    EXPECT_EQ(read<QString>(TextField), QStringLiteral("a中文字符"));
    const qint32 textOffset = 4 + 1 + 2 + 4 + 8 + 4 + 8 + 1 + 8 + 4;
    EXPECT_EQ(storedBytes(textOffset + 9, 1), QByteArray(1, '\0'));
}

TEST_F(FieldAccessTest, NumbersAreConvertedToTheFieldsType)
{
    openAllTypes();
    ASSERT_EQ(m_tables.writeField(ByteField, qint32(300)), NoError);
    EXPECT_EQ(read<std::uint8_t>(ByteField), 255);
    ASSERT_EQ(m_tables.writeField(ShortField, -1e12), NoError);
    EXPECT_EQ(read<qint16>(ShortField), -32768);
    ASSERT_EQ(m_tables.writeField(IntegerField, 2.9), NoError);
    EXPECT_EQ(read<qint32>(IntegerField), 2);
    ASSERT_EQ(m_tables.writeField(IntegerField, std::nan("")), NoError);
    EXPECT_EQ(read<qint32>(IntegerField), 0);
    ASSERT_EQ(m_tables.writeField(DoubleField, qint32(200)), NoError);
    EXPECT_EQ(read<double>(DoubleField), 200.0);
    ASSERT_EQ(m_tables.writeField(FloatField, 1e300), NoError);
    EXPECT_TRUE(std::isinf(read<float>(FloatField)));
    ASSERT_EQ(m_tables.writeField(BooleanField, 0.5), NoError);
    EXPECT_TRUE(read<bool>(BooleanField));
    ASSERT_EQ(m_tables.writeField(LongField, true), NoError);
    EXPECT_EQ(read<qint64>(LongField), 1);
}

TEST_F(FieldAccessTest, ValuesOfAnotherKindAreRefused)
{
    openAllTypes();
    EXPECT_EQ(m_tables.writeField(IntegerField, QStringLiteral("3")), ErrorValueTypeMismatch);
    EXPECT_EQ(m_tables.writeField(TextField, qint32(3)), ErrorValueTypeMismatch);
    EXPECT_EQ(m_tables.writeField(DoubleField, QByteArray("x")), ErrorValueTypeMismatch);
    EXPECT_EQ(m_tables.writeField(IntegerField, SubroutineRef{1}), ErrorValueTypeMismatch);
    EXPECT_EQ(read<qint32>(IntegerField), 0);
}

TEST_F(FieldAccessTest, MissingTableFieldOrRecordGiveTheirCodes)
{
    EXPECT_EQ(m_tables.readField(1).code, ErrorNoOpenTable);
    EXPECT_EQ(m_tables.writeField(1, true), ErrorNoOpenTable);
    openAllTypes();
    for (const FieldRef& field :
         {FieldRef(0), FieldRef(13), FieldRef(-1), FieldRef(QStringLiteral("None"))}) {
        EXPECT_EQ(m_tables.readField(field).code, ErrorFieldNotFound);
        EXPECT_EQ(m_tables.writeField(field, true), ErrorFieldNotFound);
    }
    m_tables.close();
    openAllTypes([](HandWrittenTable& t) {
        t.recordCount = 0;
        t.records.clear();
    });
    EXPECT_EQ(m_tables.readField(1).code, ErrorNoCurrentRecord);
    EXPECT_EQ(m_tables.writeField(1, true), ErrorNoCurrentRecord);
    EXPECT_EQ(m_tables.current()->setCurrentRecord(0), ErrorRecordNotFound);
}

TEST_F(FieldAccessTest, ReadOnlyTableRefusesWritesAndKeepsTheFile)
{
    openAllTypes({}, true);
    const QByteArray before = test::readFile(m_path);
    EXPECT_EQ(m_tables.writeField(IntegerField, qint32(5)), ErrorWriteField);
    EXPECT_EQ(read<qint32>(IntegerField), 0);
    EXPECT_EQ(test::readFile(m_path), before);
}

TEST_F(FieldAccessTest, FieldReachingPastItsRecordIsNeitherReadNorWritten)
{
    openAllTypes([](HandWrittenTable& t) {
        t.fields[TextField - 1].size = 1000;
        t.recordCount = 2;
        t.records.append(QByteArray(t.recordSize, '\x11'));
    });
    const QByteArray before = test::readFile(m_path);
    EXPECT_EQ(m_tables.readField(TextField).code, ErrorReadField);
    EXPECT_EQ(m_tables.writeField(TextField, QStringLiteral("x")), ErrorWriteField);
    EXPECT_EQ(test::readFile(m_path), before);
}

TEST_F(FieldAccessTest, SecondRecordAndDeletedMarkAreReachable)
{
    openAllTypes([](HandWrittenTable& t) {
        QByteArray second(t.recordSize, '\0');
        putLittleEndian(second, 0, qint32(-1));
        putLittleEndian(second, 7, qint32(42));
        t.records.append(second);
        t.recordCount = 2;
    });
    RecordTable& table = *m_tables.current();
    EXPECT_FALSE(table.isCurrentRecordDeleted().value);
    ASSERT_EQ(table.setCurrentRecord(1), NoError);
    EXPECT_TRUE(table.isCurrentRecordDeleted().value);
    EXPECT_EQ(read<qint32>(IntegerField), 42);
    EXPECT_EQ(table.setCurrentRecord(2), ErrorRecordNotFound);
}

} // namespace
} // namespace mirevo
