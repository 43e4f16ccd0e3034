#pragma once

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QStringList>
#include <QVariant>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

class QSqlDatabase;

namespace mirevo {

// Every row of one query on an SQLite connection, kept as the engine gave it: integers and
// reals as numbers, texts and blobs as their bytes in one buffer. A value becomes a QVariant
// only when it is read, so a walk that reads the ID of each row of a large paper pays for the
// IDs, not for making every stem, option and explanation a string of its own. A value reads exactly as the Qt
// SQLite driver would give it; NULL reads as the empty value of its column's type.
class SqliteRows
{
public:
    // Runs `sql` (one statement) on the connection's engine and reads every row. Without a value
    // the statement failed or gave no result columns; `resultCode` then holds SQLite's code
    // (0 when the statement ran but is no query).
    static std::optional<SqliteRows> read(const QSqlDatabase& db, const QString& sql, int* resultCode);
    // Whether `db` is a connection whose engine read() can reach.
    static bool canRead(const QSqlDatabase& db);

    const QStringList& columns() const { return m_columns; }
    qsizetype rowCount() const { return m_rowCount; }
    QVariant value(qsizetype row, qsizetype column) const;

private:
    enum class Storage : quint8
    {
        Null,
        Integer,
        Real,
        Text,
        Blob,
    };
    struct Cell
    {
        union {
            qint64 integer;
            double real;
            const char* bytes; // of a text (UTF-16) or a blob, in m_blocks
        };
        qint32 size = 0; // in bytes
        Storage storage = Storage::Null;
    };

    // Keeps a text's or a blob's bytes where they stay until the rows are gone. Blocks that never
    // move: a growing buffer would copy every byte again at each growth.
    const char* keep(const void* data, qint32 size);

    QStringList m_columns;
    QList<QMetaType> m_types;
    std::deque<Cell> m_cells; // row after row, m_columns.size() cells each
    std::vector<std::unique_ptr<char[]>> m_blocks;
    char* m_free = nullptr;
    qsizetype m_freeSize = 0;
    qsizetype m_lastBlockSize = 0;
    qsizetype m_rowCount = 0;
};

} // namespace mirevo
