#include "SqliteRows.h"

#include "ColumnValue.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <cstring>
#include <memory>
#include <sqlite3.h>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

sqlite3* engineOf(const QSqlDatabase& db)
{
    if (db.driverName() != u"QSQLITE"_s || !db.driver())
        return nullptr;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

// The column types the Qt SQLite driver reports: by the declared type, else by what the first
// row holds.
QMetaType columnType(sqlite3_stmt* statement, int column, bool hasRow)
{
    const QString declared = QString::fromUtf8(sqlite3_column_decltype(statement, column)).toLower();
    if (declared.isEmpty()) {
        switch (hasRow ? sqlite3_column_type(statement, column) : SQLITE_NULL) {
        case SQLITE_INTEGER:
            return QMetaType::fromType<int>();
        case SQLITE_FLOAT:
            return QMetaType::fromType<double>();
        case SQLITE_BLOB:
            return QMetaType::fromType<QByteArray>();
        case SQLITE_TEXT:
            return QMetaType::fromType<QString>();
        default:
            return QMetaType();
        }
    }
    if (declared == u"integer"_s || declared == u"int"_s)
        return QMetaType::fromType<int>();
    if (declared == u"double"_s || declared == u"float"_s || declared == u"real"_s ||
        declared.startsWith(u"numeric"_s))
        return QMetaType::fromType<double>();
    if (declared == u"blob"_s)
        return QMetaType::fromType<QByteArray>();
    if (declared == u"boolean"_s || declared == u"bool"_s)
        return QMetaType::fromType<bool>();
    return QMetaType::fromType<QString>();
}

struct Finalizer
{
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

} // namespace

bool SqliteRows::canRead(const QSqlDatabase& db)
{
    return engineOf(db) != nullptr;
}

std::optional<SqliteRows> SqliteRows::read(const QSqlDatabase& db, const QString& sql, int* resultCode)
{
    *resultCode = SQLITE_ERROR;
    sqlite3* engine = engineOf(db);
    if (!engine)
        return std::nullopt;
    sqlite3_stmt* prepared = nullptr;
    const void* tail = nullptr;
    const int prepareCode =
        sqlite3_prepare16_v2(engine, sql.utf16(), int(sql.size() * sizeof(char16_t)), &prepared, &tail);
    const std::unique_ptr<sqlite3_stmt, Finalizer> statement(prepared);
    if (prepareCode != SQLITE_OK || !statement) {
        *resultCode = prepareCode == SQLITE_OK ? SQLITE_ERROR : sqlite3_extended_errcode(engine);
        return std::nullopt;
    }
    // One statement at a time, as the driver allows: whatever follows it is refused, not run.
    const auto* end = reinterpret_cast<const char16_t*>(sql.utf16()) + sql.size();
    if (const auto* rest = static_cast<const char16_t*>(tail);
        rest && !QStringView(rest, end).trimmed().isEmpty())
        return std::nullopt;

    SqliteRows rows;
    const int columnCount = sqlite3_column_count(statement.get());
    int stepCode = sqlite3_step(statement.get());
    if (columnCount == 0) {
        *resultCode = stepCode == SQLITE_DONE ? SQLITE_OK : stepCode;
        return std::nullopt;
    }
    for (int column = 0; column < columnCount; ++column) {
        rows.m_columns << QString::fromUtf8(sqlite3_column_name(statement.get(), column)).remove(u'"');
        rows.m_types << columnType(statement.get(), column, stepCode == SQLITE_ROW);
    }
    for (; stepCode == SQLITE_ROW; stepCode = sqlite3_step(statement.get())) {
        for (int column = 0; column < columnCount; ++column) {
            Cell cell;
            cell.integer = 0;
            switch (sqlite3_column_type(statement.get(), column)) {
            case SQLITE_INTEGER:
                cell.storage = Storage::Integer;
                cell.integer = sqlite3_column_int64(statement.get(), column);
                break;
            case SQLITE_FLOAT:
                cell.storage = Storage::Real;
                cell.real = sqlite3_column_double(statement.get(), column);
                break;
            case SQLITE_TEXT: {
                // The bank keeps its texts in UTF-16: read that way they are copied, not converted.
                const void* text = sqlite3_column_text16(statement.get(), column);
                cell.storage = Storage::Text;
                cell.size = sqlite3_column_bytes16(statement.get(), column);
                cell.bytes = rows.keep(text, cell.size);
                break;
            }
            case SQLITE_BLOB: {
                const void* blob = sqlite3_column_blob(statement.get(), column);
                cell.storage = Storage::Blob;
                cell.size = sqlite3_column_bytes(statement.get(), column);
                cell.bytes = rows.keep(blob, cell.size);
                break;
            }
            default:
                break;
            }
            rows.m_cells.push_back(cell);
        }
        ++rows.m_rowCount;
    }
    if (stepCode != SQLITE_DONE) {
        *resultCode = stepCode;
        return std::nullopt;
    }
    *resultCode = SQLITE_OK;
    return rows;
}

const char* SqliteRows::keep(const void* data, qint32 size)
{
    // Blocks grow from 4 KiB to 64 KiB: a record set of one row stays small, a large one takes
    // few allocations.
    constexpr qsizetype firstBlockSize = 4 * 1024;
    constexpr qsizetype largestBlockSize = 64 * 1024;
    // An empty text is still a text, not a null one.
    static const char16_t nothing = 0;
    if (size <= 0)
        return reinterpret_cast<const char*>(&nothing);
    // Texts stay aligned for QChar.
    const qsizetype needed = (qsizetype(size) + 1) & ~qsizetype(1);
    if (needed > m_freeSize) {
        const qsizetype blockSize = qBound(firstBlockSize, m_lastBlockSize * 2, largestBlockSize);
        const qsizetype allocated = qMax(blockSize, needed);
        m_lastBlockSize = blockSize;
        m_blocks.push_back(std::make_unique_for_overwrite<char[]>(size_t(allocated)));
        m_free = m_blocks.back().get();
        m_freeSize = allocated;
    }
    char* kept = m_free;
    std::memcpy(kept, data, size_t(size));
    m_free += needed;
    m_freeSize -= needed;
    return kept;
}

QVariant SqliteRows::value(qsizetype row, qsizetype column) const
{
    const Cell& cell = m_cells[size_t(row * m_columns.size() + column)];
    QVariant read;
    switch (cell.storage) {
    case Storage::Null:
        read = QVariant(QMetaType::fromType<QString>());
        break;
    case Storage::Integer:
        read = qlonglong(cell.integer);
        break;
    case Storage::Real:
        read = cell.real;
        break;
    case Storage::Text:
        read = QString(reinterpret_cast<const QChar*>(cell.bytes), cell.size / qsizetype(sizeof(QChar)));
        break;
    case Storage::Blob:
        read = QByteArray(cell.bytes, cell.size);
        break;
    }
    return columnValue(read, m_types.at(column));
}

} // namespace mirevo
