#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QSet>
#include <QString>
#include <optional>

namespace mirevo {

// The auxiliary file of a table: 512-byte blocks holding the values of byte-set and memo fields
// as chains, with a free list of blocks given back by shrunk values.
class AuxiliaryFile
{
public:
    // Opens and validates the file; returns 0 or the error number.
    int open(const QString& path, qint32 dataVersion, bool readOnly);

    // The bytes of the chain starting at `firstBlock` (0 = empty); nullopt when the chain loops,
    // leaves the file or a block cannot be read.
    std::optional<QByteArray> readChain(qint32 firstBlock);

    // Stores `bytes` in place of the chain starting at `oldFirstBlock`, reusing its blocks, then
    // free blocks, then new ones; surplus blocks join the free list. Returns the new first block.
    std::optional<qint32> writeChain(qint32 oldFirstBlock, const QByteArray& bytes);

private:
    struct Header
    {
        qint32 blockCount = 0;
        qint32 freeCount = 0;
        qint32 firstFree = 0;
    };
    struct Block
    {
        qint32 previous = 0;
        qint32 next = 0;
        QByteArray data;
    };

    std::optional<Header> readHeader();
    bool writeHeader(const Header& header);
    std::optional<Block> readBlock(qint32 number, const Header& header);
    bool writeBlock(qint32 number, const Block& block);
    // The block numbers of a chain, appending its data to `data` when given.
    std::optional<QList<qint32>> chainBlocks(qint32 firstBlock, const Header& header, QByteArray* data);
    qint32 takeFreeBlock(Header& header, const QSet<qint32>& inUse);

    QFile m_file;
};

} // namespace mirevo
