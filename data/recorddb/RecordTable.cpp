#include "RecordTable.h"

#include "FieldCodec.h"
#include "GbkText.h"
#include "LittleEndian.h"
#include "PasswordDigest.h"
#include "RangeLock.h"
#include "RecordDbError.h"
#include "TableFormat.h"
#include "TableNames.h"

#include <algorithm>

namespace mirevo {

using namespace tableformat;

namespace {

bool writeInt32At(QFile& file, qint64 offset, qint32 value)
{
    QByteArray bytes(sizeof(qint32), '\0');
    putLittleEndian(bytes, 0, value);
    return file.seek(offset) && file.write(bytes) == bytes.size() && file.flush();
}

int checkPassword(const QByteArray& magic, const QByteArray& header, const QString& password)
{
    if (magic == kPlainMagic)
        return password.isEmpty() ? NoError : ErrorPassword;
    if (magic != kProtectedMagic)
        return ErrorNotDatabase;
    const QByteArray stored = header.mid(kDigestOffset, kDigestSize);
    if (password.isEmpty() || passwordDigest(password).compare(stored, Qt::CaseInsensitive) != 0)
        return ErrorPassword;
    return NoError;
}

} // namespace

EngineResult<std::unique_ptr<RecordTable>> RecordTable::open(const QString& fullPath,
                                                             const OpenOptions& options)
{
    std::unique_ptr<RecordTable> table(new RecordTable);
    table->m_fullPath = fullPath;
    table->m_alias = options.alias;
    table->m_readOnly = options.readOnly;
    table->m_shareMode = options.shareMode;
    table->m_file.setFileName(fullPath);
    if (!table->m_file.exists())
        return {ErrorFileNotFound, nullptr};
    const QIODevice::OpenMode mode = options.readOnly ? QIODevice::ReadOnly : QIODevice::ReadWrite;
    if (!table->m_file.open(mode | QIODevice::ExistingOnly))
        return {ErrorOpenFailed, nullptr};
    {
        // without exclusive access another process may be rewriting the record count
        std::optional<RangeLockGuard> headerLock;
        if (options.shareMode != ShareMode::Exclusive) {
            headerLock.emplace(table->m_file.handle(), 0, kDescriptorsOffset,
                               options.readOnly ? LockKind::Shared : LockKind::Exclusive);
            if (!headerLock->locked())
                return {ErrorLockFile, nullptr};
        }
        if (const int code = table->readHeader(options); code != NoError)
            return {code, nullptr};
        if (const int code = table->readDescriptors(); code != NoError)
            return {code, nullptr};
        if (const int code = table->checkRecordCount(); code != NoError)
            return {code, nullptr};
    }
    if (const int code = table->openAuxiliaryFile(); code != NoError)
        return {code, nullptr};
    // index files are not supported: a table that names any cannot be opened
    if (options.indexFiles.size() > kMaxIndexFiles)
        return {ErrorTooManyIndexFiles, nullptr};
    if (!options.indexFiles.isEmpty())
        return {ErrorOpenIndexFailed, nullptr};
    return {NoError, std::move(table)};
}

int RecordTable::readHeader(const OpenOptions& options)
{
    const QByteArray header = m_file.read(kHeaderSize);
    if (header.size() < kHeaderSize)
        return ErrorNotDatabase;
    m_magic = header.left(4);
    if (const int code = checkPassword(m_magic, header, options.password); code != NoError)
        return code;
    LittleEndianReader reader(header);
    m_version = reader.at<qint32>(4);
    if (m_version > kVersion)
        return ErrorVersionTooHigh;
    m_recordCount = reader.at<qint32>(kRecordCountOffset);
    m_recordSize = reader.at<qint32>(kRecordSizeOffset);
    if (m_recordCount < 0 || reader.at<qint32>(kOffset20) < 1 || m_recordSize <= 0)
        return ErrorNotDatabase;
    return NoError;
}

int RecordTable::readDescriptors()
{
    const QByteArray countBytes = m_file.read(sizeof(qint32));
    LittleEndianReader countReader(countBytes);
    m_fieldCount = countReader.at<qint32>(0);
    if (!countReader.ok() || m_fieldCount <= 0)
        return ErrorNotDatabase;
    m_dataStart = kDescriptorsOffset + kDescriptorSize * m_fieldCount;
    // descriptors that cannot all be in the file are refused before anything is allocated for them
    if (m_dataStart > m_file.size())
        return ErrorNotDatabase;
    const QByteArray bytes = m_file.read(kDescriptorSize * m_fieldCount);
    if (bytes.size() != kDescriptorSize * m_fieldCount)
        return ErrorNotDatabase;
    LittleEndianReader reader(bytes);
    m_fields.reserve(m_fieldCount);
    for (qint64 start = 0; start < bytes.size(); start += kDescriptorSize) {
        const QByteArrayView nameBytes = reader.bytesAt(start, kNameSize);
        const qsizetype nul = nameBytes.indexOf('\0');
        const qint32 type = reader.at<qint32>(start + kTypeOffset);
        FieldDescriptor field;
        field.offset = reader.at<qint32>(start + kFieldOffsetOffset);
        field.declaredSize = reader.at<qint32>(start + kDeclaredSizeOffset);
        if (nul < 0 || !fieldcodec::isValidType(type) || field.offset < 0)
            return ErrorNotDatabase;
        field.type = static_cast<FieldType>(type);
        if (field.type == FieldType::Text && field.declaredSize <= 0)
            return ErrorNotDatabase;
        const QByteArrayView name = nameBytes.first(nul);
        field.name = decodeGbk(name).value_or(QString::fromLatin1(name));
        m_fields.append(field);
    }
    return NoError;
}

int RecordTable::checkRecordCount()
{
    const qint64 fitting = (m_file.size() - m_dataStart) / m_recordSize;
    if (fitting >= m_recordCount)
        return NoError;
    if (m_readOnly)
        return ErrorDataFileSize;
    if (!writeInt32At(m_file, kRecordCountOffset, static_cast<qint32>(fitting)))
        return ErrorDataFileSize;
    m_recordCount = static_cast<qint32>(fitting);
    return NoError;
}

int RecordTable::openAuxiliaryFile()
{
    const bool needed = std::any_of(m_fields.cbegin(), m_fields.cend(), [](const FieldDescriptor& field) {
        return fieldcodec::usesAuxiliaryFile(field.type);
    });
    const QString path = auxiliaryPath(m_fullPath);
    // without its auxiliary file the table still opens; its byte-set and memo fields then fail
    if (!needed || !QFile::exists(path))
        return NoError;
    auto auxiliary = std::make_unique<AuxiliaryFile>();
    if (const int code = auxiliary->open(path, m_version, m_readOnly); code != NoError)
        return code;
    m_auxiliary = std::move(auxiliary);
    return NoError;
}

int RecordTable::setCurrentRecord(qint32 record)
{
    if (record < 0 || record >= m_recordCount)
        return ErrorRecordNotFound;
    m_currentRecord = record;
    return NoError;
}

EngineResult<bool> RecordTable::isCurrentRecordDeleted()
{
    if (m_currentRecord >= m_recordCount)
        return {ErrorNoCurrentRecord, false};
    if (m_recordSize < kStatusWordSize)
        return {NoError, false};
    const RangeLockGuard lock(m_file.handle(), recordStart(), m_recordSize, LockKind::Shared);
    if (!lock.locked())
        return {ErrorLockFailed, false};
    if (!m_file.seek(recordStart()))
        return {ErrorReadRecord, false};
    const QByteArray statusBytes = m_file.read(kStatusWordSize);
    LittleEndianReader reader(statusBytes);
    const qint32 status = reader.at<qint32>(0);
    if (!reader.ok())
        return {ErrorReadRecord, false};
    return {NoError, status < 0};
}

EngineResult<FieldValue> RecordTable::readField(const FieldRef& ref)
{
    const std::optional<qsizetype> index = fieldIndex(ref);
    if (!index)
        return {ErrorFieldNotFound, {}};
    if (m_currentRecord >= m_recordCount)
        return {ErrorNoCurrentRecord, {}};
    const FieldDescriptor& field = m_fields[*index];
    const RangeLockGuard lock(m_file.handle(), recordStart(), m_recordSize, LockKind::Shared);
    if (!lock.locked())
        return {ErrorLockFailed, {}};
    const EngineResult<QByteArray> stored = readStored(field);
    if (!stored.ok())
        return {stored.code, {}};
    if (!fieldcodec::usesAuxiliaryFile(field.type)) {
        std::optional<FieldValue> value = fieldcodec::decodeStored(field, stored.value);
        if (!value)
            return {ErrorReadField, {}};
        return {NoError, std::move(*value)};
    }
    if (!m_auxiliary)
        return {ErrorAuxiliaryAccess, {}};
    const std::optional<QByteArray> chain =
        m_auxiliary->readChain(LittleEndianReader(stored.value).at<qint32>(0));
    if (!chain)
        return {ErrorAuxiliaryAccess, {}};
    std::optional<FieldValue> value = fieldcodec::decodeChain(field.type, *chain);
    if (!value)
        return {ErrorReadField, {}};
    return {NoError, std::move(*value)};
}

int RecordTable::writeField(const FieldRef& ref, const FieldValue& value)
{
    const std::optional<qsizetype> index = fieldIndex(ref);
    if (!index)
        return ErrorFieldNotFound;
    if (m_currentRecord >= m_recordCount)
        return ErrorNoCurrentRecord;
    if (m_readOnly)
        return ErrorWriteField;
    const FieldDescriptor& field = m_fields[*index];
    const std::optional<FieldValue> converted = fieldcodec::convertTo(field.type, value);
    if (!converted)
        return ErrorValueTypeMismatch;
    const RangeLockGuard lock(m_file.handle(), recordStart(), m_recordSize, LockKind::Exclusive);
    if (!lock.locked())
        return ErrorLockFailed;
    if (!fieldcodec::usesAuxiliaryFile(field.type)) {
        const std::optional<QByteArray> bytes = fieldcodec::encodeStored(field, *converted);
        return bytes ? writeStored(field, *bytes) : ErrorWriteField;
    }
    const EngineResult<QByteArray> stored = readStored(field);
    if (!stored.ok())
        return ErrorWriteField;
    if (!m_auxiliary)
        return ErrorAuxiliaryAccess;
    const std::optional<QByteArray> payload = fieldcodec::encodeChain(field.type, *converted);
    if (!payload)
        return ErrorWriteField;
    const std::optional<qint32> first =
        m_auxiliary->writeChain(LittleEndianReader(stored.value).at<qint32>(0), *payload);
    if (!first)
        return ErrorAuxiliaryAccess;
    QByteArray bytes(sizeof(qint32), '\0');
    putLittleEndian(bytes, 0, *first);
    return writeStored(field, bytes);
}

std::optional<qsizetype> RecordTable::fieldIndex(const FieldRef& ref) const
{
    if (const int* number = std::get_if<int>(&ref)) {
        if (*number >= 1 && *number <= m_fields.size())
            return *number - 1;
        return std::nullopt;
    }
    const QString& name = std::get<QString>(ref);
    for (qsizetype i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return std::nullopt;
}

qint64 RecordTable::recordStart() const
{
    return m_dataStart + qint64(m_currentRecord) * m_recordSize;
}

EngineResult<QByteArray> RecordTable::readStored(const FieldDescriptor& field)
{
    const qint64 size = fieldcodec::storedSize(field.type, field.declaredSize);
    // a field reaching past its record would read its neighbour's bytes
    if (qint64(field.offset) + size > m_recordSize || !m_file.seek(recordStart() + field.offset))
        return {ErrorReadField, {}};
    QByteArray bytes = m_file.read(size);
    if (bytes.size() != size)
        return {ErrorReadField, {}};
    return {NoError, std::move(bytes)};
}

int RecordTable::writeStored(const FieldDescriptor& field, const QByteArray& bytes)
{
    // a field reaching past its record would overwrite its neighbour
    if (qint64(field.offset) + bytes.size() > m_recordSize || !m_file.seek(recordStart() + field.offset))
        return ErrorWriteField;
    if (m_file.write(bytes) != bytes.size() || !m_file.flush())
        return ErrorWriteField;
    return NoError;
}

} // namespace mirevo
