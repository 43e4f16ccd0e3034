#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>
#include <QThread>

class QTcpSocket;

namespace mirevo::test {

// An HTTP server on 127.0.0.1, on a thread of its own, for the length of a test. Each request
// for a path it knows gets that path's canned response and the connection is closed; a request
// for any other path is read and never answered.
class LocalHttpServer
{
public:
    explicit LocalHttpServer(QHash<QByteArray, QByteArray> responses);
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    bool isListening() const { return m_port != 0; }
    QString address(const QByteArray& path) const;
    // The heads (request line and header lines) of the requests received, in order.
    QList<QByteArray> requests() const;

    static QByteArray response(const QByteArray& statusLine, const QByteArray& body,
                               const QByteArray& extraHeaders = {});

private:
    void serve(QTcpSocket* socket);

    QHash<QByteArray, QByteArray> m_responses;
    QThread m_thread;
    QObject* m_context;
    mutable QMutex m_mutex;
    QList<QByteArray> m_requests;
    quint16 m_port = 0;
};

} // namespace mirevo::test
