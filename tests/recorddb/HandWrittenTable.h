#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace mirevo::test {

// A data file built byte by byte, independently of the engine's own writer, so that tests can
// check the reader against the file layout and break any part of it on purpose.
struct HandWrittenField
{
    QByteArray name;
    qint32 type = 0;
    qint32 offset = 0;
    qint32 size = 0;
};

struct HandWrittenTable
{
    QByteArray magic = "WCDB";
    qint32 version = 0x10000;
    qint32 recordCount = 1;
    qint32 offset20 = 1;
    qint32 recordSize = 26;
    QByteArray digest;
    qint32 fieldCount = -1; // -1: the number of fields given
    QList<HandWrittenField> fields;
    QByteArray records;

    QByteArray bytes() const;
};

// The settings layout: six fields, one record holding false, true, 3, 3, 1, 200.
HandWrittenTable handWrittenSettings();

// A table with one field of each type 1 to 12 and one record, zeros except as the test sets.
HandWrittenTable handWrittenAllTypes();

// An auxiliary file: its header, then the given blocks (block 1 first), each padded to 512 bytes.
struct HandWrittenBlock
{
    qint32 previous = 0;
    qint32 next = 0;
    QByteArray data;
    std::optional<qint32> used = std::nullopt; // none: the size of data
};
QByteArray handWrittenAuxiliary(const QList<HandWrittenBlock>& blocks, qint32 freeCount = 0,
                                qint32 firstFree = 0, qint32 blockCount = -1, qint32 version = 0x10000);

// The digest of a password computed from its definition.
QByteArray handWrittenDigest(const QByteArray& password);

bool writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

} // namespace mirevo::test
