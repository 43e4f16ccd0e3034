#pragma once

#include "AuxiliaryFile.h"
#include "EngineResult.h"
#include "FieldDescriptor.h"
#include "FieldValue.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace mirevo {

// How other openers may share the file: 0 deny none, 1 deny read, 2 deny write, 3 exclusive.
enum class ShareMode
{
    DenyNone = 0,
    DenyRead = 1,
    DenyWrite = 2,
    Exclusive = 3,
};

struct OpenOptions
{
    QString alias;
    bool readOnly = false;
    ShareMode shareMode = ShareMode::DenyNone;
    QString password;
    QStringList indexFiles;
};

// One open table: its data file, its auxiliary file when a byte-set or memo field needs one,
// the header values, the field descriptors and the current record.
class RecordTable
{
public:
    // Opens the data file at `fullPath` with every validation; on failure nothing stays open.
    static EngineResult<std::unique_ptr<RecordTable>> open(const QString& fullPath,
                                                           const OpenOptions& options);

    const QString& fullPath() const { return m_fullPath; }
    const QString& alias() const { return m_alias; }
    bool isReadOnly() const { return m_readOnly; }
    ShareMode shareMode() const { return m_shareMode; }
    const QByteArray& magic() const { return m_magic; }
    qint32 version() const { return m_version; }
    qint32 recordCount() const { return m_recordCount; }
    qint32 recordSize() const { return m_recordSize; }
    const QList<FieldDescriptor>& fields() const { return m_fields; }

    qint32 currentRecord() const { return m_currentRecord; }
    int setCurrentRecord(qint32 record);
    // Whether the current record's status word marks it deleted.
    EngineResult<bool> isCurrentRecordDeleted();

    EngineResult<FieldValue> readField(const FieldRef& field);
    int writeField(const FieldRef& field, const FieldValue& value);

private:
    RecordTable() = default;

    int readHeader(const OpenOptions& options);
    int readDescriptors();
    int checkRecordCount();
    int openAuxiliaryFile();

    std::optional<qsizetype> fieldIndex(const FieldRef& field) const;
    qint64 recordStart() const;
    EngineResult<QByteArray> readStored(const FieldDescriptor& field);
    int writeStored(const FieldDescriptor& field, const QByteArray& bytes);

    QFile m_file;
    std::unique_ptr<AuxiliaryFile> m_auxiliary;
    bool m_readOnly = false;
    ShareMode m_shareMode = ShareMode::DenyNone;
    QString m_fullPath;
    QString m_alias;
    QByteArray m_magic;
    qint32 m_version = 0;
    qint32 m_recordCount = 0;
    qint32 m_recordSize = 0;
    qint32 m_fieldCount = 0;
    QList<FieldDescriptor> m_fields;
    qint64 m_dataStart = 0;
    qint32 m_currentRecord = 0;
};

} // namespace mirevo
