// SPDX-License-Identifier: MIT
#include "support/PhpServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QHostAddress>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>

#include <csignal>
#include <sys/prctl.h>

namespace {

// A port nothing listens on right now. Another program may take it before
// php binds it; Start then tries again with another one.
quint16 FreePort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    return probe.serverPort();
}

constexpr int Attempts = 3;

}  // namespace

PhpServer::PhpServer(QString docRoot, QString router) : m_docRoot(std::move(docRoot)), m_router(std::move(router))
{
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    // A test that crashes or is killed takes its server with it.
    m_process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

PhpServer::~PhpServer() { Stop(); }

QString PhpServer::PhpProgram()
{
    const QString chosen = qEnvironmentVariable("QF_PHP");
    if (!chosen.isEmpty())
        return chosen;
    return QStandardPaths::findExecutable(QStringLiteral("php"));
}

QUrl PhpServer::Url(const QString& path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path));
}

QByteArray PhpServer::Log()
{
    m_log += m_process.readAll();
    return m_log;
}

bool PhpServer::Start(int timeoutMs)
{
    Stop();
    m_error.clear();
    const QString php = PhpProgram();
    if (php.isEmpty()) {
        m_error = QStringLiteral("php is not installed (no php on the PATH): run scripts/setup.sh test, "
                                 "which installs php-cli, or set QF_PHP to a php program");
        return false;
    }
    if (!QDir(m_docRoot).exists()) {
        m_error = QStringLiteral("the document root %1 does not exist").arg(m_docRoot);
        return false;
    }
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        m_port = FreePort();
        if (m_port == 0) {
            m_error = QStringLiteral("no free port on 127.0.0.1");
            return false;
        }
        QStringList arguments = m_options;
        arguments << QStringLiteral("-S") << QStringLiteral("127.0.0.1:%1").arg(m_port) << QStringLiteral("-t")
                  << m_docRoot;
        if (!m_router.isEmpty())
            arguments << m_router;
        m_log.clear();
        m_process.setWorkingDirectory(m_docRoot);
        m_process.start(php, arguments);
        if (!m_process.waitForStarted(timeoutMs)) {
            m_error = QStringLiteral("%1 could not be started: %2").arg(php, m_process.errorString());
            return false;
        }
        if (WaitUntilAnswering(timeoutMs))
            return true;
        // Exited at once: most likely the port was taken meanwhile; try another.
        const bool exited = m_process.state() != QProcess::Running;
        Stop();
        if (!exited)
            break;
    }
    if (m_error.isEmpty())
        m_error = QStringLiteral("php -S did not start");
    return false;
}

bool PhpServer::WaitUntilAnswering(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (m_process.state() != QProcess::Running) {
            m_error = QStringLiteral("php -S on port %1 exited (code %2): %3")
                          .arg(m_port)
                          .arg(m_process.exitCode())
                          .arg(QString::fromLocal8Bit(Log()));
            return false;
        }
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, m_port);
        if (probe.waitForConnected(200)) {
            probe.disconnectFromHost();
            return true;
        }
        m_process.waitForReadyRead(50);
        m_log += m_process.readAll();
    }
    m_error = QStringLiteral("php -S on port %1 did not answer within %2 ms: %3")
                  .arg(m_port)
                  .arg(timeoutMs)
                  .arg(QString::fromLocal8Bit(Log()));
    return false;
}

void PhpServer::Stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    m_log += m_process.readAll();
}
