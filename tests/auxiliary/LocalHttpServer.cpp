#include "LocalHttpServer.h"

#include <QMutexLocker>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>

namespace mirevo::test {

using namespace Qt::StringLiterals;

LocalHttpServer::LocalHttpServer(QHash<QByteArray, QByteArray> responses)
    : m_responses(std::move(responses)), m_context(new QObject)
{
    m_context->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, m_context, &QObject::deleteLater);
    m_thread.start();
    QMetaObject::invokeMethod(
        m_context,
        [this] {
            auto* server = new QTcpServer(m_context);
            QObject::connect(server, &QTcpServer::newConnection, server, [this, server] {
                while (QTcpSocket* socket = server->nextPendingConnection())
                    serve(socket);
            });
            if (server->listen(QHostAddress::LocalHost, 0))
                m_port = server->serverPort();
        },
        Qt::BlockingQueuedConnection);
}

LocalHttpServer::~LocalHttpServer()
{
    m_thread.quit();
    m_thread.wait();
}

QString LocalHttpServer::address(const QByteArray& path) const
{
    return u"http://127.0.0.1:%1"_s.arg(m_port) + QString::fromLatin1(path);
}

QList<QByteArray> LocalHttpServer::requests() const
{
    const QMutexLocker lock(&m_mutex);
    return m_requests;
}

QByteArray LocalHttpServer::response(const QByteArray& statusLine, const QByteArray& body,
                                     const QByteArray& extraHeaders)
{
    return statusLine + "\r\nContent-Type: text/html\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\n" + extraHeaders + "\r\n" + body;
}

void LocalHttpServer::serve(QTcpSocket* socket)
{
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    auto received = std::make_shared<QByteArray>();
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, received] {
        const bool headComplete = received->contains("\r\n\r\n");
        received->append(socket->readAll());
        const qsizetype end = received->indexOf("\r\n\r\n");
        if (headComplete || end < 0)
            return;
        const QByteArray head = received->left(end);
        {
            const QMutexLocker lock(&m_mutex);
            m_requests.append(head);
        }
        const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
        const auto known = m_responses.constFind(requestLine.value(1));
        if (known == m_responses.cend())
            return;
        socket->write(*known);
        socket->disconnectFromHost();
    });
}

} // namespace mirevo::test
