#pragma once

#include <QHash>
#include <QString>
#include <QVariant>
#include <memory>

namespace mirevo {

// The ODBC database component of the main window: one connection to the question bank and
// the record sets opened on it. Record sets are named by integer handles; 0 is never a valid
// handle and a closed handle is never given out again. No operation shows a message or
// throws: failures are reported through results only.
//
// A record set holds all rows of its query, read at OpenTable: the bank is small, and the
// driver's cursor is released at once. On an SQLite bank the rows are kept as the engine gave
// them and a value is converted when it is read (SqliteRows). Column names are looked up
// ignoring letter case.
class QuestionBank
{
public:
    // Why the last operation on the bank failed.
    enum class Failure
    {
        None,
        Busy,     // another program holds a lock on the file beyond the wait for it
        ReadOnly, // the file or its connection takes no writes
        Other,
    };

    // How long an operation waits for another program's lock before it fails as busy.
    static constexpr int busyWaitMs = 1000;

    QuestionBank();
    ~QuestionBank();
    QuestionBank(const QuestionBank&) = delete;
    QuestionBank& operator=(const QuestionBank&) = delete;

    // Opens the database file: a file that starts with the SQLite header is opened directly,
    // any other file through ODBC with the Access connect string (user name and password are
    // used only there). A missing file fails at once. On success an existing connection and
    // its record sets are closed and replaced; on failure they stay. The driver's connect
    // dialog is never shown, whatever noConnectDialog says.
    bool OpenDatabase(const QString& databaseFile, const QString& userName = {}, const QString& password = {},
                      bool readOnly = false, bool noConnectDialog = true);
    // Connects through ODBC with a ready connect string (tests use unixODBC drivers). Same
    // replacement rule as OpenDatabase.
    bool OpenOdbc(const QString& connectString, bool readOnly = false);

    int OpenTable(const QString& sql);
    void MoveFirst(int recordSet);
    void MoveNext(int recordSet);
    bool IsEOF(int recordSet) const;
    QVariant ReadColByName(int recordSet, const QString& column) const;
    bool ExecuteSql(const QString& sql);
    // The rows the last successful ExecuteSql changed; −1 when the driver does not tell.
    int lastRowsAffected() const { return m_lastRowsAffected; }
    // Why the last OpenDatabase, OpenOdbc, OpenTable or ExecuteSql failed; None after a success.
    Failure lastFailure() const { return m_lastFailure; }
    void CloseTable(int recordSet);
    void CloseDatabase();

    bool isOpen() const;

private:
    struct Connection;
    struct RecordSet;

    void replaceConnection(std::unique_ptr<Connection> connection);
    int addRecordSet(std::shared_ptr<RecordSet> recordSet);
    const RecordSet* findRecordSet(int recordSet) const;

    std::unique_ptr<Connection> m_connection;
    QHash<int, std::shared_ptr<RecordSet>> m_recordSets;
    int m_nextHandle = 1;
    int m_lastRowsAffected = -1;
    Failure m_lastFailure = Failure::None;
};

} // namespace mirevo
