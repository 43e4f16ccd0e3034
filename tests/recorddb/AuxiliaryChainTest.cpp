#include "HandWrittenTable.h"
#include "LittleEndian.h"
#include "RecordDatabase.h"
#include "RecordDbError.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace mirevo {
namespace {

using test::HandWrittenBlock;
using test::HandWrittenTable;

constexpr int kByteSetField = 11;
constexpr int kMemoField = 12;
constexpr qint32 kByteSetOffset = 4 + 1 + 2 + 4 + 8 + 4 + 8 + 1 + 8 + 4 + 10;
constexpr qint32 kMemoOffset = kByteSetOffset + 4;

struct AuxiliaryHeader
{
    qint32 blockCount;
    qint32 freeCount;
    qint32 firstFree;
};

class AuxiliaryChainTest : public testing::Test
{
protected:
    // The all-types table whose byte-set and memo fields start at the given blocks.
    void open(const QByteArray& auxiliary, qint32 byteSetBlock = 0, qint32 memoBlock = 0)
    {
        HandWrittenTable table = test::handWrittenAllTypes();
        putLittleEndian(table.records, kByteSetOffset, byteSetBlock);
        putLittleEndian(table.records, kMemoOffset, memoBlock);
        ASSERT_TRUE(test::writeFile(dataPath(), table.bytes()));
        if (!auxiliary.isNull()) {
            ASSERT_TRUE(test::writeFile(auxiliaryPath(), auxiliary));
        }
        ASSERT_EQ(m_tables.open(dataPath()), NoError);
    }

    QString dataPath() const { return m_dir.filePath(QStringLiteral("chains.EDB")); }
    QString auxiliaryPath() const { return m_dir.filePath(QStringLiteral("chains.EDT")); }

    AuxiliaryHeader header() const
    {
        const QByteArray bytes = test::readFile(auxiliaryPath());
        LittleEndianReader reader(bytes);
        return {reader.at<qint32>(16), reader.at<qint32>(20), reader.at<qint32>(24)};
    }

    qint32 blockWord(qint32 block, qint32 offset) const
    {
        const QByteArray bytes = test::readFile(auxiliaryPath());
        return LittleEndianReader(bytes).at<qint32>(block * 512 + offset);
    }

    qint32 firstBlockOf(qint32 fieldOffset) const
    {
        const QByteArray bytes = test::readFile(dataPath());
        return LittleEndianReader(bytes).at<qint32>(116 + 72 * 12 + fieldOffset);
    }

    QByteArray readByteSet()
    {
        const EngineResult<FieldValue> result = m_tables.readField(kByteSetField);
        EXPECT_EQ(result.code, NoError);
        return result.ok() ? std::get<QByteArray>(result.value) : QByteArray();
    }

    QString readMemo()
    {
        const EngineResult<FieldValue> result = m_tables.readField(kMemoField);
        EXPECT_EQ(result.code, NoError);
        return result.ok() ? std::get<QString>(result.value) : QString();
    }

    static QByteArray pattern(qsizetype size)
    {
        QByteArray bytes(size, '\0');
        for (qsizetype i = 0; i < size; ++i)
            bytes[i] = static_cast<char>(i % 251);
        return bytes;
    }

    QTemporaryDir m_dir;
    RecordDatabase m_tables;
};

TEST_F(AuxiliaryChainTest, ReadsChainsOfAnIndependentWriter)
{
    const QByteArray memo = QByteArray(499, 'a') + QByteArray("\xd6\xd0\xce\xc4", 4); // "中文" across blocks
    open(test::handWrittenAuxiliary({HandWrittenBlock{0, 3, memo.left(500)},
                                     HandWrittenBlock{0, 0, "\x01\x02\x03"},
                                     HandWrittenBlock{1, 0, memo.mid(500)}}),
         2, 1);
    EXPECT_EQ(readByteSet(), QByteArray("\x01\x02\x03"));
    EXPECT_EQ(readMemo(), QString(499, u'a') + QStringLiteral("中文"));
}

TEST_F(AuxiliaryChainTest, EmptyChainsReadAsEmptyValues)
{
    open(test::handWrittenAuxiliary({}));
    EXPECT_TRUE(readByteSet().isEmpty());
    EXPECT_TRUE(readMemo().isEmpty());
}

TEST_F(AuxiliaryChainTest, GrowingAppendsBlocksAndLinksThem)
{
    open(test::handWrittenAuxiliary({}));
    ASSERT_EQ(m_tables.writeField(kByteSetField, pattern(1200)), NoError);
    EXPECT_EQ(readByteSet(), pattern(1200));
    EXPECT_EQ(header().blockCount, 4);
    EXPECT_EQ(firstBlockOf(kByteSetOffset), 1);
    EXPECT_EQ(blockWord(1, 4), 2);
    EXPECT_EQ(blockWord(2, 4), 3);
    EXPECT_EQ(blockWord(3, 4), 0);
    EXPECT_EQ(blockWord(3, 8), 200);
    EXPECT_EQ(test::readFile(auxiliaryPath()).size(), 4 * 512);
}

TEST_F(AuxiliaryChainTest, GrowingReusesTheChainsOwnBlocksFirst)
{
    open(test::handWrittenAuxiliary({HandWrittenBlock{0, 0, "old"}}), 1);
    ASSERT_EQ(m_tables.writeField(kByteSetField, pattern(700)), NoError);
    EXPECT_EQ(firstBlockOf(kByteSetOffset), 1);
    EXPECT_EQ(blockWord(1, 4), 2);
    EXPECT_EQ(header().blockCount, 3);
    EXPECT_EQ(readByteSet(), pattern(700));
}

TEST_F(AuxiliaryChainTest, ShrinkingReturnsSurplusBlocksToTheFreeList)
{
    open(test::handWrittenAuxiliary({}));
    ASSERT_EQ(m_tables.writeField(kByteSetField, pattern(1400)), NoError);
    ASSERT_EQ(m_tables.writeField(kByteSetField, pattern(10)), NoError);
    EXPECT_EQ(readByteSet(), pattern(10));
    const AuxiliaryHeader after = header();
    EXPECT_EQ(after.blockCount, 4);
    EXPECT_EQ(after.freeCount, 2);
    EXPECT_EQ(blockWord(1, 4), 0);
    // each freed block names the block freed before it
    EXPECT_EQ(after.firstFree, 3);
    EXPECT_EQ(blockWord(3, 0), 2);
}

TEST_F(AuxiliaryChainTest, FreeBlocksAreTakenBeforeTheFileGrows)
{
    open(test::handWrittenAuxiliary({}));
    ASSERT_EQ(m_tables.writeField(kByteSetField, pattern(1400)), NoError);
    ASSERT_EQ(m_tables.writeField(kByteSetField, QByteArray()), NoError);
    EXPECT_EQ(firstBlockOf(kByteSetOffset), 0);
    EXPECT_EQ(header().freeCount, 3);
    ASSERT_EQ(m_tables.writeField(kMemoField, QString(900, u'x')), NoError);
    ASSERT_EQ(m_tables.writeField(kByteSetField, pattern(400)), NoError);
    const AuxiliaryHeader after = header();
    EXPECT_EQ(after.blockCount, 4);
    EXPECT_EQ(after.freeCount, 0);
    EXPECT_EQ(after.firstFree, 0);
    EXPECT_EQ(readMemo(), QString(900, u'x'));
    EXPECT_EQ(readByteSet(), pattern(400));
    ASSERT_EQ(m_tables.writeField(kByteSetField, pattern(501)), NoError);
    EXPECT_EQ(header().blockCount, 5);
    EXPECT_EQ(readMemo(), QString(900, u'x'));
}

TEST_F(AuxiliaryChainTest, FreeListNamingABlockInUseIsDropped)
{
    open(test::handWrittenAuxiliary({HandWrittenBlock{0, 2, "ab"}, HandWrittenBlock{0, 0, "cd"}}, 1, 2), 1);
    ASSERT_EQ(m_tables.writeField(kByteSetField, pattern(1100)), NoError);
    EXPECT_EQ(readByteSet(), pattern(1100));
    const AuxiliaryHeader after = header();
    EXPECT_EQ(after.blockCount, 4);
    EXPECT_EQ(after.freeCount, 0);
}

TEST_F(AuxiliaryChainTest, MemoKeepsChineseTextAndStopsAtNul)
{
    open(test::handWrittenAuxiliary({}));
    const QString text = QString(260, u'汉');
    ASSERT_EQ(m_tables.writeField(kMemoField, text), NoError);
    EXPECT_EQ(readMemo(), text);
    EXPECT_EQ(header().blockCount, 3);
    ASSERT_EQ(m_tables.writeField(kMemoField, QStringLiteral("ab") + QChar(0) + QStringLiteral("cd")),
              NoError);
    EXPECT_EQ(readMemo(), QStringLiteral("ab"));
}

struct BrokenChain
{
    const char* name;
    QList<HandWrittenBlock> blocks;
    qint32 first;
};

void PrintTo(const BrokenChain& chain, std::ostream* out)
{
    *out << chain.name;
}

class BrokenChainTest : public AuxiliaryChainTest, public testing::WithParamInterface<BrokenChain>
{};

TEST_P(BrokenChainTest, ReadAndWriteFailWithoutTouchingTheFiles)
{
    open(test::handWrittenAuxiliary(GetParam().blocks), GetParam().first);
    const QByteArray data = test::readFile(dataPath());
    const QByteArray auxiliary = test::readFile(auxiliaryPath());
    EXPECT_EQ(m_tables.readField(kByteSetField).code, ErrorAuxiliaryAccess);
    EXPECT_EQ(m_tables.writeField(kByteSetField, pattern(3000)), ErrorAuxiliaryAccess);
    EXPECT_EQ(test::readFile(dataPath()), data);
    EXPECT_EQ(test::readFile(auxiliaryPath()), auxiliary);
    EXPECT_TRUE(readMemo().isEmpty());
}

const BrokenChain kBrokenChains[] = {
    {"LoopsOnItself", {HandWrittenBlock{0, 1, "a"}}, 1},
    {"LoopsBack", {HandWrittenBlock{0, 2, "a"}, HandWrittenBlock{0, 3, "b"}, HandWrittenBlock{0, 1, "c"}}, 1},
    {"FirstBlockOutside", {HandWrittenBlock{0, 0, "a"}}, 2},
    {"FirstBlockNegative", {HandWrittenBlock{0, 0, "a"}}, -1},
    {"FirstBlockFarOutside", {HandWrittenBlock{0, 0, "a"}}, 0x7fffffff},
    {"NextBlockOutside", {HandWrittenBlock{0, 9, "a"}}, 1},
    {"UsedBeyondTheBlock", {HandWrittenBlock{0, 0, "a", 501}}, 1},
    {"NegativeUsed", {HandWrittenBlock{0, 0, "a", -1}}, 1},
};

INSTANTIATE_TEST_SUITE_P(AuxiliaryChain, BrokenChainTest, testing::ValuesIn(kBrokenChains),
                         [](const testing::TestParamInfo<BrokenChain>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(AuxiliaryChainTest, BlockCountBeyondTheFileEndIsCorrectedAndChainsThereFail)
{
    open(test::handWrittenAuxiliary({HandWrittenBlock{0, 5, "a"}}, 0, 0, 9), 1);
    EXPECT_EQ(header().blockCount, 2);
    EXPECT_EQ(m_tables.readField(kByteSetField).code, ErrorAuxiliaryAccess);
}

TEST_F(AuxiliaryChainTest, MissingAuxiliaryFileFailsOnlyItsFields)
{
    open(QByteArray(), 1, 1);
    EXPECT_EQ(m_tables.readField(kByteSetField).code, ErrorAuxiliaryAccess);
    EXPECT_EQ(m_tables.readField(kMemoField).code, ErrorAuxiliaryAccess);
    EXPECT_EQ(m_tables.writeField(kMemoField, QStringLiteral("x")), ErrorAuxiliaryAccess);
    EXPECT_EQ(m_tables.readField(3).code, NoError);
    EXPECT_FALSE(QFile::exists(auxiliaryPath()));
}

} // namespace
} // namespace mirevo
