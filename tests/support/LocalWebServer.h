// SPDX-License-Identifier: MIT
#pragma once
// A tiny web server for browser tests, listening on 127.0.0.1 only, on a port
// the system chooses. It serves the pages a test registers, records every
// request it receives (forms sent to it included), and can hold back the
// answer to one address until the test releases it, to observe a browser
// while a page is on its way.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QUrl>

class QTcpServer;
class QTcpSocket;

class LocalWebServer : public QObject {
    Q_OBJECT
public:
    struct Request {
        QByteArray method;
        QString path;                           // with its query, as sent
        QHash<QByteArray, QByteArray> headers;  // names in lower case
        QByteArray body;
    };

    explicit LocalWebServer(QObject* parent = nullptr);
    ~LocalWebServer() override;

    // False when no port could be opened.
    bool Start();
    // The address of `path` ("/page.htm") on this server.
    QUrl Url(const QString& path) const;

    // Serves `body` at `path` (without its query) with status 200.
    void Serve(const QString& path, const QByteArray& body, const QByteArray& contentType = "text/html; charset=utf-8");
    // Answers to `path` wait until Release(path).
    void Hold(const QString& path);
    void Release(const QString& path);

    // Every request but the browser's own asking for a site icon.
    QList<Request> requests;

signals:
    void requestReceived(const QString& path);

private:
    void OnNewConnection();
    void OnReadyRead(QTcpSocket* socket);
    void Answer(QTcpSocket* socket, const QString& path);

    struct Page {
        QByteArray body;
        QByteArray contentType;
    };
    QTcpServer* m_server;
    QHash<QString, Page> m_pages;
    QSet<QString> m_held;
    QList<QPair<QTcpSocket*, QString>> m_waiting;
    QHash<QTcpSocket*, QByteArray> m_buffers;
};
