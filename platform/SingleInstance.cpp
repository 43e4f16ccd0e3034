#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

const QByteArray activateRequest = "activate";
// A request is one short line; anything longer is not from this program.
constexpr qint64 maximumRequestSize = 4096;

QString userKey()
{
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

// The same directory reached by another path is the same directory.
QString directoryKey(const QString& dataDirectory)
{
    const QString canonical = QFileInfo(dataDirectory).canonicalFilePath();
    const QString path = canonical.isEmpty() ? QDir::cleanPath(dataDirectory) : canonical;
    return QString::fromLatin1(
        QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(16));
}

} // namespace

SingleInstance::SingleInstance(const QString& dataDirectory, QObject* parent)
    : QObject(parent), m_lockFilePath(QDir(dataDirectory).filePath(u".mirevo.lock"_s))
{
    const QString key = u"mirevo-%1-%2"_s.arg(userKey(), directoryKey(dataDirectory));
    m_fallbackLockFilePath = QDir::temp().filePath(key + u".lock"_s);
    m_serverName = key;
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            readRequest(socket);
        }
    });
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Claim SingleInstance::claim(const QString& activationToken, int answerWaitMs)
{
    if (tryLock()) {
        listen();
        return Claim::Claimed;
    }
    const QDeadlineTimer deadline(answerWaitMs);
    do {
        if (askToActivate(activationToken))
            return Claim::Activated;
        // The holder may have ended meanwhile, or died: its lock is then taken over.
        if (tryLock()) {
            listen();
            return Claim::Claimed;
        }
        QThread::msleep(100);
    } while (!deadline.hasExpired());
    return Claim::Unanswered;
}

bool SingleInstance::tryLock()
{
    if (!m_lock) {
        m_lock = std::make_unique<QLockFile>(m_lockFilePath);
        // Held for the program's whole life: only a dead holder makes the lock stale, never its age.
        m_lock->setStaleLockTime(0);
    }
    if (m_lock->tryLock(0))
        return true;
    if (m_lock->error() == QLockFile::LockFailedError || m_lockFilePath == m_fallbackLockFilePath)
        return false;
    // A read-only directory takes no lock file: the user's temporary directory keeps it instead.
    m_lockFilePath = m_fallbackLockFilePath;
    m_lock.reset();
    return tryLock();
}

bool SingleInstance::askToActivate(const QString& activationToken)
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(250))
        return false;
    QByteArray request = activateRequest;
    if (!activationToken.isEmpty())
        request += ' ' + activationToken.toUtf8();
    socket.write(request + '\n');
    const bool sent = socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return sent;
}

void SingleInstance::listen()
{
    // The lock is ours: a socket left by a process that died is in the way, nobody listens on it.
    QLocalServer::removeServer(m_serverName);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    // Without the socket a later start cannot wake this one, but this one runs all the same.
    m_server.listen(m_serverName);
}

void SingleInstance::readRequest(QLocalSocket* socket)
{
    while (socket->canReadLine()) {
        const QByteArray line = socket->readLine(maximumRequestSize).trimmed();
        const qsizetype space = line.indexOf(' ');
        const QByteArray word = space < 0 ? line : line.first(space);
        if (word == activateRequest)
            emit activationRequested(space < 0 ? QString() : QString::fromUtf8(line.sliced(space + 1)));
    }
    if (socket->bytesAvailable() > maximumRequestSize)
        socket->abort();
}

} // namespace mirevo
