#include "HandWrittenTable.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>
#include <algorithm>

namespace mirevo::test {

namespace {

// Appends little-endian values to a byte buffer.
class LittleEndianStream : public QDataStream
{
public:
    explicit LittleEndianStream(QByteArray* bytes)
        : QDataStream(bytes, QIODevice::WriteOnly | QIODevice::Append)
    {
        setByteOrder(QDataStream::LittleEndian);
        setFloatingPointPrecision(QDataStream::DoublePrecision);
    }
};

QByteArray padded(QByteArray bytes, qsizetype size)
{
    bytes.resize(size, '\0');
    return bytes;
}

} // namespace

QByteArray HandWrittenTable::bytes() const
{
    QByteArray out;
    LittleEndianStream stream(&out);
    stream.writeRawData(magic.constData(), 4);
    stream << version << qint32(0) << qint32(0) << recordCount << offset20 << recordSize;
    const QByteArray digestBytes = padded(digest, 32);
    stream.writeRawData(digestBytes.constData(), 32);
    const QByteArray reserved(52, '\0');
    stream.writeRawData(reserved.constData(), 52);
    stream << (fieldCount < 0 ? qint32(fields.size()) : fieldCount);
    for (const HandWrittenField& field : fields) {
        const QByteArray name = padded(field.name, 20);
        stream.writeRawData(name.constData(), 20);
        stream << field.type << field.offset << field.size;
        const QByteArray rest(40, '\0');
        stream.writeRawData(rest.constData(), 40);
    }
    stream.writeRawData(records.constData(), int(records.size()));
    return out;
}

HandWrittenTable handWrittenSettings()
{
    HandWrittenTable table;
    table.digest = handWrittenDigest("QQ100200300");
    table.fields = {{"UpdateNotice", 7, 4, 0}, {"AutoSave", 7, 5, 0},  {"PracticeState", 3, 6, 0},
                    {"ExamState", 3, 10, 0},   {"FontCode", 3, 14, 0}, {"QuestionCount", 6, 18, 0}};
    LittleEndianStream stream(&table.records);
    stream << qint32(0) << quint8(0) << quint8(1) << qint32(3) << qint32(3) << qint32(1) << double(200);
    return table;
}

HandWrittenTable handWrittenAllTypes()
{
    HandWrittenTable table;
    table.magic = "WEDB";
    const qint32 sizes[] = {1, 2, 4, 8, 4, 8, 1, 8, 4, 10, 4, 4};
    qint32 offset = 4;
    for (qint32 type = 1; type <= 12; ++type) {
        const qint32 size = sizes[type - 1];
        table.fields.append({"F" + QByteArray::number(type), type, offset, type == 10 ? size : 0});
        offset += size;
    }
    table.recordSize = offset;
    table.records = QByteArray(offset, '\0');
    return table;
}

QByteArray handWrittenAuxiliary(const QList<HandWrittenBlock>& blocks, qint32 freeCount, qint32 firstFree,
                                qint32 blockCount, qint32 version)
{
    QByteArray out;
    LittleEndianStream stream(&out);
    stream.writeRawData("WEDT", 4);
    stream << version << qint32(0) << qint32(0) << (blockCount < 0 ? qint32(blocks.size() + 1) : blockCount)
           << freeCount << firstFree;
    out = padded(out, 512);
    for (const HandWrittenBlock& block : blocks) {
        QByteArray bytes;
        LittleEndianStream blockStream(&bytes);
        blockStream << block.previous << block.next << block.used.value_or(qint32(block.data.size()));
        blockStream.writeRawData(block.data.constData(), int(block.data.size()));
        out.append(padded(bytes, 512));
    }
    return out;
}

QByteArray handWrittenDigest(const QByteArray& password)
{
    const QByteArray hex = QCryptographicHash::hash(password, QCryptographicHash::Md5).toHex();
    QByteArray swapped;
    for (qsizetype i = 0; i < hex.size(); i += 2)
        swapped.append(hex[i + 1]).append(hex[i]);
    std::reverse(swapped.begin(), swapped.end());
    return swapped;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace mirevo::test
