#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <memory>

class QLocalSocket;
class QLockFile;

namespace mirevo {

// One running program per data directory: a lock file in the directory tells a second start
// that the directory is in use, and a local socket lets it ask the running program to come to
// the front. A lock left by a process that died is taken over.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    enum class Claim
    {
        Claimed,    // this program holds the directory
        Activated,  // another program holds it and was asked to come to the front
        Unanswered, // another program holds it and does not answer (another user or computer)
    };

    explicit SingleInstance(const QString& dataDirectory, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Takes the lock or, when another program holds it, asks that program to come to the front,
    // waiting at most answerWaitMs for it to listen. activationToken is the desktop's token for
    // the start that asks (XDG_ACTIVATION_TOKEN), passed on to the running program.
    Claim claim(const QString& activationToken = {}, int answerWaitMs = 3000);

    // The lock file: in the data directory, or in the temporary directory where the data
    // directory takes no files.
    QString lockFilePath() const { return m_lockFilePath; }
    // The local socket's name, the same for every start of one user on one directory.
    QString serverName() const { return m_serverName; }

signals:
    // A later start asked this program to come to the front.
    void activationRequested(const QString& activationToken);

private:
    bool tryLock();
    bool askToActivate(const QString& activationToken);
    void listen();
    void readRequest(QLocalSocket* socket);

    QString m_lockFilePath;
    QString m_fallbackLockFilePath;
    QString m_serverName;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
};

} // namespace mirevo
