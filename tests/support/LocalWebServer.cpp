// SPDX-License-Identifier: MIT
#include "support/LocalWebServer.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

LocalWebServer::LocalWebServer(QObject* parent) : QObject(parent), m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &LocalWebServer::OnNewConnection);
}

LocalWebServer::~LocalWebServer() = default;

bool LocalWebServer::Start() { return m_server->listen(QHostAddress::LocalHost, 0); }

QUrl LocalWebServer::Url(const QString& path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server->serverPort()).arg(path));
}

void LocalWebServer::Serve(const QString& path, const QByteArray& body, const QByteArray& contentType)
{
    m_pages.insert(path, {body, contentType});
}

void LocalWebServer::Hold(const QString& path) { m_held.insert(path); }

void LocalWebServer::Release(const QString& path)
{
    m_held.remove(path);
    const auto waiting = std::exchange(m_waiting, {});
    for (const auto& [socket, waitingPath] : waiting) {
        if (waitingPath == path)
            Answer(socket, path);
        else
            m_waiting.append({socket, waitingPath});
    }
}

void LocalWebServer::OnNewConnection()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { OnReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_buffers.remove(socket);
            m_waiting.removeIf([socket](const auto& entry) { return entry.first == socket; });
            socket->deleteLater();
        });
    }
}

void LocalWebServer::OnReadyRead(QTcpSocket* socket)
{
    QByteArray& buffer = m_buffers[socket];
    buffer += socket->readAll();
    for (;;) {
        const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
        if (headerEnd < 0)
            return;
        const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
        const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
        Request request;
        request.method = requestLine.value(0);
        request.path = QString::fromLatin1(requestLine.value(1));
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines[i].indexOf(':');
            if (colon > 0)
                request.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
        }
        const qsizetype length = request.headers.value("content-length", "0").toLongLong();
        if (buffer.size() < headerEnd + 4 + length)
            return;
        request.body = buffer.mid(headerEnd + 4, length);
        buffer.remove(0, headerEnd + 4 + length);
        const QString path = request.path.section(QLatin1Char('?'), 0, 0);
        if (path != QLatin1String("/favicon.ico")) {
            requests.append(request);
            emit requestReceived(path);
        }
        if (m_held.contains(path))
            m_waiting.append({socket, path});
        else
            Answer(socket, path);
    }
}

void LocalWebServer::Answer(QTcpSocket* socket, const QString& path)
{
    const auto page = m_pages.constFind(path);
    QByteArray status = "200 OK";
    Page answer;
    if (page == m_pages.constEnd()) {
        status = "404 Not Found";
        answer = {"<html><body>Not found</body></html>", "text/html; charset=utf-8"};
    } else {
        answer = *page;
    }
    QByteArray response = "HTTP/1.1 " + status + "\r\nContent-Type: " + answer.contentType
        + "\r\nContent-Length: " + QByteArray::number(answer.body.size())
        + "\r\nCache-Control: no-store\r\nConnection: close\r\n\r\n" + answer.body;
    socket->write(response);
    socket->disconnectFromHost();
}
