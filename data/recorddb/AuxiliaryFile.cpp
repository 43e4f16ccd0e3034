#include "AuxiliaryFile.h"

#include "LittleEndian.h"
#include "RangeLock.h"
#include "RecordDbError.h"
#include "TableFormat.h"

#include <limits>

namespace mirevo {

using namespace tableformat;

namespace {

// Block 0 holds only the header, so a file as short as the header still has one block.
qint64 blocksInFile(qint64 fileSize)
{
    return fileSize < kBlockSize ? 1 : fileSize / kBlockSize;
}

} // namespace

int AuxiliaryFile::open(const QString& path, qint32 dataVersion, bool readOnly)
{
    m_file.setFileName(path);
    if (!m_file.open(readOnly ? QIODevice::ReadOnly : QIODevice::ReadWrite))
        return ErrorAuxiliaryHeader;
    const QByteArray bytes = m_file.read(kAuxiliaryHeaderSize);
    if (bytes.size() < kAuxiliaryHeaderSize || !bytes.startsWith(kAuxiliaryMagic))
        return ErrorAuxiliaryHeader;
    LittleEndianReader reader(bytes);
    if (reader.at<qint32>(kAuxVersionOffset) != dataVersion)
        return ErrorAuxiliaryVersion;
    const qint32 blockCount = reader.at<qint32>(kBlockCountOffset);
    const qint32 freeCount = reader.at<qint32>(kFreeCountOffset);
    const qint32 firstFree = reader.at<qint32>(kFirstFreeOffset);
    if (blockCount <= 0 || freeCount < 0 || freeCount >= blockCount || firstFree < 0 ||
        firstFree >= blockCount)
        return ErrorAuxiliaryHeader;
    const qint64 fitting = blocksInFile(m_file.size());
    if (fitting < blockCount) {
        if (readOnly)
            return ErrorAuxiliarySize;
        QByteArray count(sizeof(qint32), '\0');
        putLittleEndian(count, 0, static_cast<qint32>(fitting));
        if (!m_file.seek(kBlockCountOffset) || m_file.write(count) != count.size() || !m_file.flush())
            return ErrorAuxiliarySize;
    }
    return NoError;
}

std::optional<QByteArray> AuxiliaryFile::readChain(qint32 firstBlock)
{
    if (firstBlock == 0)
        return QByteArray();
    const RangeLockGuard lock(m_file.handle(), 0, kAuxiliaryHeaderSize, LockKind::Shared);
    if (!lock.locked())
        return std::nullopt;
    const std::optional<Header> header = readHeader();
    if (!header)
        return std::nullopt;
    QByteArray data;
    if (!chainBlocks(firstBlock, *header, &data))
        return std::nullopt;
    return data;
}

std::optional<qint32> AuxiliaryFile::writeChain(qint32 oldFirstBlock, const QByteArray& bytes)
{
    // the header lock keeps processes sharing the file from seeing a half-updated free list
    const RangeLockGuard lock(m_file.handle(), 0, kAuxiliaryHeaderSize, LockKind::Exclusive);
    if (!lock.locked())
        return std::nullopt;
    std::optional<Header> header = readHeader();
    if (!header)
        return std::nullopt;
    QList<qint32> blocks;
    if (oldFirstBlock != 0) {
        const std::optional<QList<qint32>> old = chainBlocks(oldFirstBlock, *header, nullptr);
        if (!old)
            return std::nullopt;
        blocks = *old;
    }
    const qsizetype needed = (bytes.size() + kBlockDataSize - 1) / kBlockDataSize;
    const QList<qint32> surplus = blocks.mid(needed);
    blocks.resize(std::min(needed, blocks.size()));
    QSet<qint32> inUse(blocks.cbegin(), blocks.cend());
    inUse.unite(QSet<qint32>(surplus.cbegin(), surplus.cend()));
    while (blocks.size() < needed) {
        qint32 block = takeFreeBlock(*header, inUse);
        if (block == 0) {
            if (header->blockCount == std::numeric_limits<qint32>::max())
                return std::nullopt;
            block = header->blockCount++;
        }
        inUse.insert(block);
        blocks.append(block);
    }
    for (qsizetype i = 0; i < blocks.size(); ++i) {
        const Block block{i > 0 ? blocks[i - 1] : 0, i + 1 < blocks.size() ? blocks[i + 1] : 0,
                          bytes.mid(i * kBlockDataSize, kBlockDataSize)};
        if (!writeBlock(blocks[i], block))
            return std::nullopt;
    }
    // a freed block's previous-block word links it to the block freed before it
    for (const qint32 block : surplus) {
        if (!writeBlock(block, Block{header->firstFree, 0, {}}))
            return std::nullopt;
        header->firstFree = block;
        ++header->freeCount;
    }
    if (!writeHeader(*header) || !m_file.flush())
        return std::nullopt;
    return blocks.isEmpty() ? 0 : blocks.front();
}

std::optional<AuxiliaryFile::Header> AuxiliaryFile::readHeader()
{
    if (!m_file.seek(0))
        return std::nullopt;
    const QByteArray bytes = m_file.read(kAuxiliaryHeaderSize);
    LittleEndianReader reader(bytes);
    Header header{reader.at<qint32>(kBlockCountOffset), reader.at<qint32>(kFreeCountOffset),
                  reader.at<qint32>(kFirstFreeOffset)};
    if (!reader.ok() || header.blockCount <= 0)
        return std::nullopt;
    return header;
}

bool AuxiliaryFile::writeHeader(const Header& header)
{
    QByteArray bytes(12, '\0');
    putLittleEndian(bytes, 0, header.blockCount);
    putLittleEndian(bytes, 4, header.freeCount);
    putLittleEndian(bytes, 8, header.firstFree);
    return m_file.seek(kBlockCountOffset) && m_file.write(bytes) == bytes.size();
}

std::optional<AuxiliaryFile::Block> AuxiliaryFile::readBlock(qint32 number, const Header& header)
{
    if (number <= 0 || number >= header.blockCount || !m_file.seek(qint64(number) * kBlockSize))
        return std::nullopt;
    const QByteArray bytes = m_file.read(kBlockSize);
    LittleEndianReader reader(bytes);
    Block block{reader.at<qint32>(kBlockPreviousOffset), reader.at<qint32>(kBlockNextOffset), {}};
    const qint32 used = reader.at<qint32>(kBlockUsedOffset);
    if (used < 0 || used > kBlockDataSize)
        return std::nullopt;
    block.data = reader.bytesAt(kBlockDataOffset, used).toByteArray();
    if (!reader.ok())
        return std::nullopt;
    return block;
}

bool AuxiliaryFile::writeBlock(qint32 number, const Block& block)
{
    QByteArray bytes(kBlockSize, '\0');
    putLittleEndian(bytes, kBlockPreviousOffset, block.previous);
    putLittleEndian(bytes, kBlockNextOffset, block.next);
    putLittleEndian(bytes, kBlockUsedOffset, static_cast<qint32>(block.data.size()));
    bytes.replace(kBlockDataOffset, block.data.size(), block.data);
    return m_file.seek(qint64(number) * kBlockSize) && m_file.write(bytes) == bytes.size();
}

std::optional<QList<qint32>> AuxiliaryFile::chainBlocks(qint32 firstBlock, const Header& header,
                                                        QByteArray* data)
{
    QList<qint32> numbers;
    QSet<qint32> seen;
    for (qint32 number = firstBlock; number != 0;) {
        if (seen.contains(number))
            return std::nullopt;
        const std::optional<Block> block = readBlock(number, header);
        if (!block)
            return std::nullopt;
        seen.insert(number);
        numbers.append(number);
        if (data)
            data->append(block->data);
        number = block->next;
    }
    return numbers;
}

qint32 AuxiliaryFile::takeFreeBlock(Header& header, const QSet<qint32>& inUse)
{
    if (header.freeCount <= 0)
        return 0;
    const qint32 number = header.firstFree;
    const std::optional<Block> block = inUse.contains(number) ? std::nullopt : readBlock(number, header);
    if (!block) {
        // a broken free list only loses its blocks; taking a block in use would destroy a value
        header.freeCount = 0;
        header.firstFree = 0;
        return 0;
    }
    --header.freeCount;
    header.firstFree = header.freeCount > 0 ? block->previous : 0;
    return number;
}

} // namespace mirevo
