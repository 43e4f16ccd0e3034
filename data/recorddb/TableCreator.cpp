#include "TableCreator.h"

#include "FieldCodec.h"
#include "GbkText.h"
#include "LittleEndian.h"
#include "PasswordDigest.h"
#include "RecordDbError.h"
#include "TableFormat.h"
#include "TableNames.h"

#include <QSaveFile>
#include <QSet>
#include <algorithm>
#include <limits>

namespace mirevo {

using namespace tableformat;

namespace {

// The blocks of a new auxiliary file, laid out one chain after the other.
class ChainLayout
{
public:
    ChainLayout() : m_bytes(kBlockSize, '\0') {}

    qint32 append(const QByteArray& data)
    {
        if (data.isEmpty())
            return 0;
        const auto first = static_cast<qint32>(blockCount());
        const qsizetype blocks = (data.size() + kBlockDataSize - 1) / kBlockDataSize;
        for (qsizetype i = 0; i < blocks; ++i) {
            const qint32 number = first + static_cast<qint32>(i);
            const QByteArray part = data.mid(i * kBlockDataSize, kBlockDataSize);
            QByteArray block(kBlockSize, '\0');
            putLittleEndian(block, kBlockPreviousOffset, i > 0 ? number - 1 : 0);
            putLittleEndian(block, kBlockNextOffset, i + 1 < blocks ? number + 1 : 0);
            putLittleEndian(block, kBlockUsedOffset, static_cast<qint32>(part.size()));
            block.replace(kBlockDataOffset, part.size(), part);
            m_bytes.append(block);
        }
        return first;
    }

    QByteArray file() const
    {
        QByteArray bytes = m_bytes;
        bytes.replace(0, 4, kAuxiliaryMagic);
        putLittleEndian(bytes, kAuxVersionOffset, kVersion);
        putLittleEndian(bytes, kBlockCountOffset, static_cast<qint32>(blockCount()));
        return bytes;
    }

private:
    qsizetype blockCount() const { return m_bytes.size() / kBlockSize; }

    QByteArray m_bytes;
};

bool saveFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

int checkFields(const QList<FieldDeclaration>& fields)
{
    if (fields.isEmpty())
        return ErrorFieldCount;
    QSet<QString> names;
    for (const FieldDeclaration& field : fields) {
        const std::optional<QByteArray> name = encodeGbk(field.name);
        if (!isValidTableName(field.name) || !name || name->size() > kMaxNameBytes)
            return ErrorFieldName;
        if (!fieldcodec::isValidType(static_cast<qint32>(field.type)))
            return ErrorFieldType;
        if (field.type == FieldType::Text && field.size <= 0)
            return ErrorFieldSize;
        const QString key = field.name.toCaseFolded();
        if (names.contains(key))
            return ErrorDuplicateFieldName;
        names.insert(key);
    }
    return NoError;
}

QByteArray descriptor(const FieldDeclaration& field, qint32 offset)
{
    QByteArray bytes(kDescriptorSize, '\0');
    const QByteArray name = encodeGbk(field.name).value_or(QByteArray());
    bytes.replace(0, name.size(), name);
    putLittleEndian(bytes, kTypeOffset, static_cast<qint32>(field.type));
    putLittleEndian(bytes, kFieldOffsetOffset, offset);
    putLittleEndian(bytes, kDeclaredSizeOffset, field.type == FieldType::Text ? field.size : 0);
    return bytes;
}

} // namespace

int createTable(const QString& fileName, const QList<FieldDeclaration>& fields,
                const QList<QList<FieldValue>>& records, const QString& password)
{
    if (fileName.isEmpty())
        return ErrorFileNotFound;
    if (const int code = checkFields(fields); code != NoError)
        return code;
    QList<FieldDescriptor> layout;
    qint64 recordSize = kStatusWordSize;
    for (const FieldDeclaration& field : fields) {
        layout.append(FieldDescriptor{field.name, field.type, static_cast<qint32>(recordSize), field.size});
        recordSize += fieldcodec::storedSize(field.type, field.size);
        if (recordSize > std::numeric_limits<qint32>::max())
            return ErrorFieldSize;
    }

    QByteArray data(kDescriptorsOffset, '\0');
    data.replace(0, 4, password.isEmpty() ? kPlainMagic : kProtectedMagic);
    putLittleEndian(data, 4, kVersion);
    putLittleEndian(data, kRecordCountOffset, static_cast<qint32>(records.size()));
    putLittleEndian(data, kOffset20, qint32(1));
    putLittleEndian(data, kRecordSizeOffset, static_cast<qint32>(recordSize));
    if (!password.isEmpty())
        data.replace(kDigestOffset, kDigestSize, passwordDigest(password));
    putLittleEndian(data, kFieldCountOffset, static_cast<qint32>(fields.size()));
    for (qsizetype i = 0; i < fields.size(); ++i)
        data.append(descriptor(fields[i], layout[i].offset));

    ChainLayout chains;
    for (const QList<FieldValue>& values : records) {
        if (values.size() != fields.size())
            return ErrorValueTypeMismatch;
        QByteArray record(recordSize, '\0');
        for (qsizetype i = 0; i < values.size(); ++i) {
            const FieldDescriptor& field = layout[i];
            const std::optional<FieldValue> value = fieldcodec::convertTo(field.type, values[i]);
            if (!value)
                return ErrorValueTypeMismatch;
            std::optional<QByteArray> stored;
            if (fieldcodec::usesAuxiliaryFile(field.type)) {
                if (const std::optional<QByteArray> chain = fieldcodec::encodeChain(field.type, *value)) {
                    stored = QByteArray(sizeof(qint32), '\0');
                    putLittleEndian(*stored, 0, chains.append(*chain));
                }
            } else {
                stored = fieldcodec::encodeStored(field, *value);
            }
            if (!stored)
                return ErrorCreateFailed;
            record.replace(field.offset, stored->size(), *stored);
        }
        data.append(record);
    }

    const QString dataPath = withDefaultExtension(fileName);
    const bool hasChains = std::any_of(fields.cbegin(), fields.cend(), [](const FieldDeclaration& field) {
        return fieldcodec::usesAuxiliaryFile(field.type);
    });
    // the auxiliary file goes first so that a data file never names chains that are not there
    if (hasChains && !saveFile(auxiliaryPath(dataPath), chains.file()))
        return ErrorCreateAuxiliary;
    if (!saveFile(dataPath, data))
        return ErrorCreateFailed;
    return NoError;
}

} // namespace mirevo
