#include "QuestionBank.h"

#include "AccessConnectString.h"
#include "ColumnValue.h"
#include "SqlDialect.h"
#include "SqliteRows.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <atomic>
#include <climits>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

enum class FileKind
{
    Unreadable,
    Sqlite,
    Other
};

FileKind sniffFile(const QString& path)
{
    static const QByteArray sqliteHeader("SQLite format 3\0", 16);
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return FileKind::Unreadable;
    return file.read(sqliteHeader.size()) == sqliteHeader ? FileKind::Sqlite : FileKind::Other;
}

QString uniqueConnectionName()
{
    static std::atomic<quint64> counter{0};
    return u"mirevo.questionBank.%1"_s.arg(++counter);
}

// SQLite's result codes carry the primary code in their low byte.
QuestionBank::Failure failureOfSqliteCode(int code)
{
    switch (code & 0xFF) {
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return QuestionBank::Failure::Busy;
    case 8: // SQLITE_READONLY
        return QuestionBank::Failure::ReadOnly;
    default:
        return QuestionBank::Failure::Other;
    }
}

// The Qt SQLite driver reports SQLite's result code as the native code; the ODBC drivers carry
// only the engine's message.
QuestionBank::Failure failureOf(const QSqlError& error)
{
    bool numeric = false;
    const int code = error.nativeErrorCode().toInt(&numeric);
    if (numeric)
        return failureOfSqliteCode(code);
    const QString text = error.text();
    if (text.contains(u"locked"_s, Qt::CaseInsensitive) || text.contains(u"busy"_s, Qt::CaseInsensitive))
        return QuestionBank::Failure::Busy;
    if (text.contains(u"readonly"_s, Qt::CaseInsensitive) ||
        text.contains(u"read-only"_s, Qt::CaseInsensitive) ||
        text.contains(u"read only"_s, Qt::CaseInsensitive))
        return QuestionBank::Failure::ReadOnly;
    return QuestionBank::Failure::Other;
}

} // namespace

struct QuestionBank::Connection
{
    QString name = uniqueConnectionName();
    QSqlDatabase db;
    // The engine speaks SQLite: QSQLITE always, and an ODBC data source that answers
    // sqlite_version() (Jet does not); only then is "select top N" rewritten.
    bool sqliteDialect = false;

    explicit Connection(const QString& driver) : db(QSqlDatabase::addDatabase(driver, name)) {}
    ~Connection()
    {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    QString dialect(const QString& sql) const { return sqliteDialect ? toSqliteDialect(sql) : sql; }

    bool answersRow(const QString& sql, Failure* failure = nullptr)
    {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (query.exec(sql) && query.next())
            return true;
        if (failure)
            *failure = failureOf(query.lastError());
        return false;
    }

    // Every update is on disk when ExecuteSql returns, and the bank stays one self-contained
    // file (a bank left in WAL mode by another program stays durable under FULL even if it
    // cannot switch). A read-only connection refuses writes in the engine itself, whatever
    // its driver.
    void configureSqlite(bool readOnly)
    {
        QSqlQuery query(db);
        if (readOnly) {
            query.exec(u"PRAGMA query_only=ON"_s);
            return;
        }
        query.exec(u"PRAGMA synchronous=FULL"_s);
        query.exec(u"PRAGMA journal_mode=DELETE"_s);
    }

    static std::unique_ptr<Connection> openSqlite(const QString& file, bool readOnly, Failure* failure)
    {
        auto connection = std::make_unique<Connection>(u"QSQLITE"_s);
        connection->db.setDatabaseName(file);
        // A lock held by another program is waited for briefly, never for the driver's 5 s
        QString options = u"QSQLITE_BUSY_TIMEOUT=%1"_s.arg(busyWaitMs);
        if (readOnly)
            options += u";QSQLITE_OPEN_READONLY"_s;
        connection->db.setConnectOptions(options);
        connection->sqliteDialect = true;
        if (!connection->db.open()) {
            *failure = failureOf(connection->db.lastError());
            return nullptr;
        }
        // SQLite opens lazily: reading the schema is what proves the file is a database
        if (!connection->answersRow(u"select count(*) from sqlite_master"_s, failure))
            return nullptr;
        connection->configureSqlite(readOnly);
        return connection;
    }

    static std::unique_ptr<Connection> openOdbc(const QString& connectString, bool readOnly, Failure* failure)
    {
        *failure = Failure::Other;
        if (connectString.trimmed().isEmpty() || !QSqlDatabase::isDriverAvailable(u"QODBC"_s))
            return nullptr;
        auto connection = std::make_unique<Connection>(u"QODBC"_s);
        connection->db.setDatabaseName(connectString);
        if (readOnly)
            connection->db.setConnectOptions(u"SQL_ATTR_ACCESS_MODE=SQL_MODE_READ_ONLY"_s);
        if (!connection->db.open()) {
            *failure = failureOf(connection->db.lastError());
            return nullptr;
        }
        connection->sqliteDialect = connection->answersRow(u"select sqlite_version()"_s);
        if (connection->sqliteDialect)
            connection->configureSqlite(readOnly);
        return connection;
    }
};

struct QuestionBank::RecordSet
{
    QStringList columns;
    // Rows of an SQLite engine, converted as they are read; rows through a driver (ODBC) are
    // converted at once, row after row, columns.size() values each.
    std::optional<SqliteRows> engineRows;
    QList<QVariant> values;
    qsizetype rowCount = 0;
    qsizetype position = 0;

    bool isEOF() const { return position >= rowCount; }

    QVariant value(qsizetype column) const
    {
        return engineRows ? engineRows->value(position, column)
                          : values.at(position * columns.size() + column);
    }

    qsizetype columnIndex(const QString& name) const
    {
        // Callers name the columns as the schema spells them: that is found without folding case.
        if (const qsizetype exact = columns.indexOf(name); exact >= 0)
            return exact;
        for (qsizetype column = 0; column < columns.size(); ++column) {
            if (columns.at(column).compare(name, Qt::CaseInsensitive) == 0)
                return column;
        }
        return -1;
    }
};

QuestionBank::QuestionBank() = default;

QuestionBank::~QuestionBank()
{
    CloseDatabase();
}

bool QuestionBank::OpenDatabase(const QString& databaseFile, const QString& userName, const QString& password,
                                bool readOnly, [[maybe_unused]] bool noConnectDialog)
{
    std::unique_ptr<Connection> connection;
    m_lastFailure = Failure::Other;
    switch (sniffFile(databaseFile)) {
    case FileKind::Unreadable:
        return false;
    case FileKind::Sqlite:
        connection = Connection::openSqlite(databaseFile, readOnly, &m_lastFailure);
        break;
    case FileKind::Other:
        // "ODBC;" marks the string as an ODBC one for its callers; the driver manager takes the rest
        connection = Connection::openOdbc(
            accessConnectString(databaseFile, userName, password).sliced(QStringView(u"ODBC;").size()),
            readOnly, &m_lastFailure);
        break;
    }
    if (!connection)
        return false;
    replaceConnection(std::move(connection));
    m_lastFailure = Failure::None;
    return true;
}

bool QuestionBank::OpenOdbc(const QString& connectString, bool readOnly)
{
    auto connection = Connection::openOdbc(connectString, readOnly, &m_lastFailure);
    if (!connection)
        return false;
    replaceConnection(std::move(connection));
    m_lastFailure = Failure::None;
    return true;
}

int QuestionBank::OpenTable(const QString& sql)
{
    m_lastFailure = Failure::Other;
    if (!m_connection || sql.trimmed().isEmpty())
        return 0;
    auto recordSet = std::make_shared<RecordSet>();
    if (SqliteRows::canRead(m_connection->db)) {
        int code = 0;
        recordSet->engineRows = SqliteRows::read(m_connection->db, m_connection->dialect(sql), &code);
        if (!recordSet->engineRows) {
            m_lastFailure = failureOfSqliteCode(code);
            return 0;
        }
        recordSet->columns = recordSet->engineRows->columns();
        recordSet->rowCount = recordSet->engineRows->rowCount();
    } else {
        QSqlQuery query(m_connection->db);
        query.setForwardOnly(true);
        if (!query.exec(m_connection->dialect(sql))) {
            m_lastFailure = failureOf(query.lastError());
            return 0;
        }
        if (!query.isSelect())
            return 0;
        const QSqlRecord record = query.record();
        const int columnCount = record.count();
        QList<QMetaType> types;
        types.reserve(columnCount);
        for (int column = 0; column < columnCount; ++column) {
            recordSet->columns << record.fieldName(column);
            types << record.field(column).metaType();
        }
        while (query.next()) {
            for (int column = 0; column < columnCount; ++column)
                recordSet->values << columnValue(query.value(column), types.at(column));
            ++recordSet->rowCount;
        }
        if (query.lastError().type() != QSqlError::NoError) {
            m_lastFailure = failureOf(query.lastError());
            return 0;
        }
    }
    m_lastFailure = Failure::None;
    return addRecordSet(std::move(recordSet));
}

void QuestionBank::MoveFirst(int recordSet)
{
    if (const auto found = m_recordSets.constFind(recordSet); found != m_recordSets.cend())
        found.value()->position = 0;
}

void QuestionBank::MoveNext(int recordSet)
{
    if (const auto found = m_recordSets.constFind(recordSet); found != m_recordSets.cend()) {
        RecordSet& rows = *found.value();
        if (!rows.isEOF())
            ++rows.position;
    }
}

bool QuestionBank::IsEOF(int recordSet) const
{
    const RecordSet* rows = findRecordSet(recordSet);
    return !rows || rows->isEOF();
}

QVariant QuestionBank::ReadColByName(int recordSet, const QString& column) const
{
    const RecordSet* rows = findRecordSet(recordSet);
    if (!rows || rows->isEOF())
        return QString();
    const qsizetype index = rows->columnIndex(column);
    if (index < 0)
        return QString();
    return rows->value(index);
}

bool QuestionBank::ExecuteSql(const QString& sql)
{
    m_lastFailure = Failure::Other;
    if (!m_connection || sql.trimmed().isEmpty())
        return false;
    QSqlQuery query(m_connection->db);
    if (!query.exec(m_connection->dialect(sql))) {
        m_lastFailure = failureOf(query.lastError());
        return false;
    }
    m_lastRowsAffected = query.numRowsAffected();
    m_lastFailure = Failure::None;
    return true;
}

void QuestionBank::CloseTable(int recordSet)
{
    m_recordSets.remove(recordSet);
}

void QuestionBank::CloseDatabase()
{
    m_recordSets.clear();
    m_connection.reset();
}

bool QuestionBank::isOpen() const
{
    return m_connection != nullptr;
}

void QuestionBank::replaceConnection(std::unique_ptr<Connection> connection)
{
    CloseDatabase();
    m_connection = std::move(connection);
}

int QuestionBank::addRecordSet(std::shared_ptr<RecordSet> recordSet)
{
    int handle = m_nextHandle;
    while (m_recordSets.contains(handle))
        handle = handle == INT_MAX ? 1 : handle + 1;
    m_nextHandle = handle == INT_MAX ? 1 : handle + 1;
    m_recordSets.insert(handle, std::move(recordSet));
    return handle;
}

const QuestionBank::RecordSet* QuestionBank::findRecordSet(int recordSet) const
{
    const auto found = m_recordSets.constFind(recordSet);
    return found == m_recordSets.cend() ? nullptr : found->get();
}

} // namespace mirevo
