// SPDX-License-Identifier: MIT
#pragma once
// PHP's own built-in web server for browser tests, playing the forum: it
// serves the PHP pages of a document root (optionally through a router
// script) on 127.0.0.1 only, on a free port, and stops when the object goes.
//
//     PhpServer php(docRoot);
//     QVERIFY2(php.Start(), qPrintable(php.ErrorString()));
//     window.Navigate(php.Url("/index.php"));
//
// The server ends with the test process, also when that crashes or is killed.
// Start fails, with a message saying why, when php is not installed (the
// project's scripts/setup.sh test installs php-cli), when the server exits or
// does not answer within the time given.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QUrl>

class PhpServer {
public:
    // `router`: a script that sees every request first (php -S's router
    // argument; relative paths are taken from `docRoot`); empty for none.
    explicit PhpServer(QString docRoot, QString router = QString());
    ~PhpServer();
    PhpServer(const PhpServer&) = delete;
    PhpServer& operator=(const PhpServer&) = delete;

    // Extra php options placed before -S (for example {"-d", "display_errors=stderr"}).
    void SetPhpOptions(const QStringList& options) { m_options = options; }

    // Starts the server and waits until it accepts connections. False with
    // ErrorString() set when it could not be started.
    bool Start(int timeoutMs = 15000);
    // Stops the server (also done by the destructor).
    void Stop();
    bool Running() const { return m_process.state() == QProcess::Running; }

    quint16 Port() const { return m_port; }
    // The address of `path` ("/posting.php", with a query if wanted) on this server.
    QUrl Url(const QString& path) const;

    QString ErrorString() const { return m_error; }
    // What the server wrote so far: its start line, one line per request and
    // PHP's own warnings. Handy in a failure message.
    QByteArray Log();

    // The php program used: $QF_PHP when set, else php from the PATH; empty
    // when none is found.
    static QString PhpProgram();

private:
    bool WaitUntilAnswering(int timeoutMs);

    QString m_docRoot;
    QString m_router;
    QStringList m_options;
    QProcess m_process;
    QByteArray m_log;
    quint16 m_port = 0;
    QString m_error;
};
