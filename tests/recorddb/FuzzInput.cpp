#include "FuzzInput.h"

#include "RecordDatabase.h"
#include "SettingsFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>

namespace mirevo {

namespace {

// Keeps one run fast whatever counts the input declares.
constexpr qint32 kMaxRecords = 16;
constexpr qsizetype kMaxFields = 64;
// Longer than one block, so that rewriting a chain grows it and then shrinks it again.
constexpr qsizetype kGrownValueSize = 700;

bool writeFile(const QString& path, QByteArrayView bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes.data(), bytes.size()) == bytes.size();
}

FieldValue grown(const FieldValue& value)
{
    if (std::holds_alternative<QString>(value))
        return QString(kGrownValueSize, u'长');
    if (std::holds_alternative<QByteArray>(value))
        return QByteArray(kGrownValueSize, '\x5a');
    return value;
}

void readRecords(RecordTable& table, FuzzOutcome& outcome)
{
    const qsizetype fields = std::min(table.fields().size(), kMaxFields);
    for (qint32 record = 0; record < std::min(table.recordCount(), kMaxRecords); ++record) {
        outcome.accessCodes.append(table.setCurrentRecord(record));
        outcome.accessCodes.append(table.isCurrentRecordDeleted().code);
        for (int field = 1; field <= fields; ++field)
            outcome.accessCodes.append(table.readField(field).code);
    }
}

void rewriteFirstRecord(RecordTable& table, FuzzOutcome& outcome)
{
    if (table.setCurrentRecord(0) != NoError)
        return;
    const qsizetype fields = std::min(table.fields().size(), kMaxFields);
    for (int field = 1; field <= fields; ++field) {
        const EngineResult<FieldValue> read = table.readField(field);
        if (!read.ok())
            continue;
        outcome.accessCodes.append(table.writeField(field, grown(read.value)));
        outcome.accessCodes.append(table.readField(field).code);
        outcome.accessCodes.append(table.writeField(field, read.value));
    }
}

} // namespace

FuzzOutcome exerciseTable(QByteArrayView input)
{
    static QTemporaryDir directory;
    const QString dataPath = directory.filePath(QStringLiteral("fuzz.EDB"));
    const QString auxPath = directory.filePath(QStringLiteral("fuzz.EDT"));
    QFile::remove(auxPath);

    const quint8 mode = input.isEmpty() ? 0 : static_cast<quint8>(input[0]);
    QByteArrayView data = input.isEmpty() ? input : input.sliced(1);
    if ((mode & 1) && data.size() >= 2) {
        const qsizetype length = std::min<qsizetype>(
            static_cast<quint8>(data[0]) | (static_cast<quint8>(data[1]) << 8), data.size() - 2);
        writeFile(auxPath, data.sliced(2 + length));
        data = data.sliced(2, length);
    }
    writeFile(dataPath, data);

    OpenOptions options;
    options.readOnly = (mode & 2) != 0;
    if (data.startsWith("WCDB"))
        options.password = settingsPassword();
    RecordDatabase tables;
    FuzzOutcome outcome;
    outcome.openCode = tables.open(dataPath, options);
    if (outcome.openCode != NoError)
        return outcome;
    readRecords(*tables.current(), outcome);
    if (!options.readOnly)
        rewriteFirstRecord(*tables.current(), outcome);
    tables.close();
    return outcome;
}

} // namespace mirevo
