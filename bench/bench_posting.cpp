// SPDX-License-Identifier: MIT
// Posting: from pressing Submit to the forum's posting form filled and
// focused, on a board served by PHP's own web server on 127.0.0.1 (the test
// board of tests/submit/boards), the web engine warm and the user logged in.
// The board's own page load is timed alone in an open window, so the
// difference is what the program adds: the window, the look at the page,
// the filling.

#include "BenchHarness.h"

#include "base/AppContext.h"
#include "base/Settings.h"
#include "browser/BrowserWindow.h"
#include "board/Boards.h"
#include "submit/PostingSession.h"
#include "base/Utf8.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QHostAddress>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <algorithm>
#include <cstdio>

namespace {

bool CopyBoards(const QString& to)
{
    const QDir from(QStringLiteral(QF_SOURCE_DIR "/tests/submit/boards"));
    if (!QFile::copy(from.filePath("common.php"), to + "/common.php") || !QDir(to).mkpath("phpbb3"))
        return false;
    for (const QString& file : QDir(from.filePath("phpbb3")).entryList({"*.php"}, QDir::Files))
        if (!QFile::copy(from.filePath("phpbb3/" + file), to + "/phpbb3/" + file))
            return false;
    return true;
}

quint16 FreePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

bool Answering(quint16 port)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (socket.waitForConnected(100))
            return true;
        QThread::msleep(50);
    }
    return false;
}

QVariant Run(BrowserWindow& window, const QString& script)
{
    QVariant result;
    QEventLoop loop;
    qobject_cast<QWebEngineView*>(window.pageView)
        ->page()
        ->runJavaScript(script, QWebEngineScript::ApplicationWorld, [&](const QVariant& value) {
            result = value;
            loop.quit();
        });
    loop.exec();
    return result;
}

// Logs in through the board's login page, as a user would before posting.
bool LogIn(const QString& site)
{
    BrowserWindow window;
    window.Navigate(QUrl(site + "ucp.php?mode=login&redirect=./viewtopic.php%3Ft%3D7"));
    if (!window.WaitWhileBusy())
        return false;
    Run(window,
        "document.querySelector('input[name=username]').value = 'tester';"
        "document.querySelector('input[name=password]').value = 'secret';"
        "document.querySelector('input[name=login]').click();");
    QEventLoop loop;
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    QObject::connect(&window, &BrowserWindow::navigationCompleted, &loop, &QEventLoop::quit);
    loop.exec();
    window.WaitWhileBusy();
    return Run(window, "location.pathname").toString().endsWith("viewtopic.php");
}

// One Submit: milliseconds from the start to the filled form; negative when
// the form was not filled.
double SubmitToFilled(const AppContext& context, const QString& site, const std::string& body)
{
    PostingSession session(context, {ToUtf8(site), false, "2", "A benchmark topic", body}, *Boards::Named("phpbb3"));
    double filledAfter = -1;
    const auto start = std::chrono::steady_clock::now();
    QObject::connect(&session, &PostingSession::pageHandled, &session, [&](PostingPageKind kind) {
        if (kind == PostingPageKind::Filled)
            filledAfter = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        QTimer::singleShot(0, session.Window(), &QWidget::close);
    });
    session.Run(nullptr);
    return filledAfter;
}

// The board's posting page loaded in a window that is already open.
double PageLoad(BrowserWindow& window, const QUrl& address)
{
    const auto start = std::chrono::steady_clock::now();
    window.Navigate(address);
    window.WaitWhileBusy();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    // Settings, the browser profile and its cookies in a temporary home.
    QTemporaryDir home;
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(name, home.filePath(name).toUtf8());
    QApplication app(argc, argv);
    const bool quick = Bench::Quick(argc, argv);

    QTemporaryDir root;
    const QString php = QStandardPaths::findExecutable("php");
    if (php.isEmpty() || !CopyBoards(root.path())) {
        std::fprintf(stderr, "bench_posting: php or the test boards are missing\n");
        return 1;
    }
    const quint16 port = FreePort();
    QProcess server;
    server.setStandardErrorFile(QProcess::nullDevice());
    server.setStandardOutputFile(QProcess::nullDevice());
    server.start(php, {"-S", QString("127.0.0.1:%1").arg(port), "-t", root.path()});
    if (!server.waitForStarted() || !Answering(port)) {
        std::fprintf(stderr, "bench_posting: php -S did not start\n");
        return 1;
    }
    const QString site = QString("http://127.0.0.1:%1/phpbb3/").arg(port);

    Settings settings;
    const AppContext context{root.path() + "/", &settings, nullptr};
    if (!LogIn(site)) {
        std::fprintf(stderr, "bench_posting: the login failed\n");
        return 1;
    }
    const int runs = quick ? 1 : 15;
    const std::string shortBody = "A short post\r\nwith [b]two[/b] lines";
    std::string longBody;
    for (int i = 0; longBody.size() < 100 * 1024; ++i)
        longBody += "Line " + std::to_string(i) + " of a long post with [i]markup[/i] & \"quotes\"\r\n";

    // Warm: the engine started, the board's page in the cache of PHP's opcode.
    SubmitToFilled(context, site, shortBody);
    const std::vector<std::pair<std::string, const std::string*>> posts = {{"short post", &shortBody},
                                                                           {"100 kB post", &longBody}};
    for (const auto& [name, body] : posts) {
        std::vector<double> times;
        for (int i = 0; i < runs; ++i) {
            const double ms = SubmitToFilled(context, site, *body);
            if (ms < 0) {
                std::fprintf(stderr, "bench_posting: the form was not filled\n");
                return 1;
            }
            times.push_back(ms);
        }
        Bench::Report("Submit to filled form, " + name, Median(times), "ms");
    }
    BrowserWindow window;
    std::vector<double> loads;
    for (int i = 0; i < runs; ++i)
        loads.push_back(PageLoad(window, QUrl(site + "posting.php?mode=post&f=2")));
    Bench::Report("the board's posting page alone, open window", Median(loads), "ms");
    std::vector<double> fresh;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        BrowserWindow another;
        another.Navigate(QUrl(site + "posting.php?mode=post&f=2"));
        another.WaitWhileBusy();
        fresh.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    Bench::Report("a new browser window loading that page", Median(fresh), "ms");

    server.terminate();
    server.waitForFinished(5000);
    return 0;
}
