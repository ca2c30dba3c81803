// SPDX-License-Identifier: MIT
// The test web server that plays the forum: PHP's own server on 127.0.0.1,
// its pages run, a router seeing every request, the port freed when it stops,
// and a clear failure when php cannot be started.

#include "support/PhpServer.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpSocket>

namespace {

// The answer to a GET of `url`, or an empty array when none came.
QByteArray Fetch(const QUrl& url)
{
    QNetworkAccessManager network;
    QNetworkReply* reply = network.get(QNetworkRequest(url));
    if (!QTest::qWaitFor([reply] { return reply->isFinished(); }, 15000))
        return {};
    const QByteArray body = reply->readAll();
    reply->deleteLater();
    return body;
}

bool Answers(quint16 port)
{
    QTcpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, port);
    return probe.waitForConnected(2000);
}

}  // namespace

class tst_PhpServer : public QObject {
    Q_OBJECT
private slots:
    void runsPhpPagesOnTheLoopbackOnly();
    void routerSeesEveryRequest();
    void stoppingFreesThePort();
    void missingPhpIsReportedClearly();
};

void tst_PhpServer::runsPhpPagesOnTheLoopbackOnly()
{
    QTemporaryDir root;
    QVERIFY(WriteAll(root.filePath(QStringLiteral("echo.php")),
                     "<?php echo 'sum=', 2 + 3, ' host=', $_SERVER['SERVER_NAME'], ' q=', $_GET['q'] ?? '';"));
    PhpServer php(root.path());
    QVERIFY2(php.Start(), qPrintable(php.ErrorString()));
    QVERIFY(php.Running());
    QVERIFY(php.Port() != 0);
    QCOMPARE(php.Url(QStringLiteral("/echo.php?q=1")).host(), QStringLiteral("127.0.0.1"));
    QCOMPARE(Fetch(php.Url(QStringLiteral("/echo.php?q=x"))), QByteArray("sum=5 host=127.0.0.1 q=x"));
}

void tst_PhpServer::routerSeesEveryRequest()
{
    QTemporaryDir root;
    QVERIFY(WriteAll(root.filePath(QStringLiteral("router.php")),
                     "<?php echo 'routed ', $_SERVER['REQUEST_URI']; return true;"));
    PhpServer php(root.path(), QStringLiteral("router.php"));
    QVERIFY2(php.Start(), qPrintable(php.ErrorString()));
    QCOMPARE(Fetch(php.Url(QStringLiteral("/no/such/page?x=1"))), QByteArray("routed /no/such/page?x=1"));
}

void tst_PhpServer::stoppingFreesThePort()
{
    QTemporaryDir root;
    quint16 port = 0;
    {
        PhpServer php(root.path());
        QVERIFY2(php.Start(), qPrintable(php.ErrorString()));
        port = php.Port();
        QVERIFY(Answers(port));
    }
    QVERIFY(!Answers(port));
}

void tst_PhpServer::missingPhpIsReportedClearly()
{
    QTemporaryDir root;
    qputenv("QF_PHP", root.filePath(QStringLiteral("no-such-php")).toUtf8());
    PhpServer php(root.path());
    const bool started = php.Start(3000);
    qunsetenv("QF_PHP");
    QVERIFY(!started);
    QVERIFY2(php.ErrorString().contains(QStringLiteral("could not be started")), qPrintable(php.ErrorString()));

    PhpServer nowhere(root.filePath(QStringLiteral("missing-root")));
    QVERIFY(!nowhere.Start());
    QVERIFY(nowhere.ErrorString().contains(QStringLiteral("does not exist")));
}

QF_TEST_MAIN(tst_PhpServer)
#include "tst_phpserver.moc"
