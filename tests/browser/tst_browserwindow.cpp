// SPDX-License-Identifier: MIT
// The browser window with the real web engine, headless, against a web server
// of the test's own on 127.0.0.1: the modes and their banners and captions,
// the preview as the browser shows it, links and forms followed in the same
// window with the hourglass, scripts off in the program's own pages and on in
// remote ones, and the hidden reader's operations.

#include "base/PictureBox.h"
#include "base/Utf8.h"
#include "post/PostDocument.h"
#include "editor/MainWindow.h"
#include "browser/BrowserProfile.h"
#include "browser/BrowserWindow.h"
#include "support/BrowserFixture.h"
#include "support/ModalDriver.h"
#include "support/PostControls.h"
#include "support/WebView.h"
#include "support/TestMain.h"

#include <QHostAddress>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineView>

Q_DECLARE_METATYPE(BrowserMode)

class tst_BrowserWindow : public QObject, protected BrowserFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void loadedState();
    void modes_data();
    void modes();
    void previewShowsTheRenderedBody();
    void previewAfterAnotherMode_data();
    void previewAfterAnotherMode();
    void scriptsInThePostDoNotRun();
    void linkLoadsInTheSameWindowWithTheHourglass_data();
    void linkLoadsInTheSameWindowWithTheHourglass();
    void localPagesLoadRemotePicturesAndSendForms();
    void pageGivenAsTextUsesItsBaseAddress();
    void hiddenReader();
    void programEndEndsTheWait();
    void pageThatCannotBeLoaded();
    void aDownloadEndsTheWait();
    void pageGivenAsTextTooLargeEndsTheWait();
    void addressesTheBrowserCannotUse_data();
    void addressesTheBrowserCannotUse();
    void closeArea();
};

void tst_BrowserWindow::initTestCase() { QVERIFY(StartFixture()); }

void tst_BrowserWindow::init() { BeginTest(); }

void tst_BrowserWindow::cleanup() { QCOMPARE(EndTest(), 0); }

void tst_BrowserWindow::loadedState()
{
    BrowserWindow window;
    QCOMPARE(window.windowTitle(), QString("Preview post"));
    QCOMPARE(window.size(), QSize(760, 541));
    // It can be resized (the page takes the room) and maximised, not minimised.
    QVERIFY(window.minimumSize() != window.maximumSize());
    QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(window.pageView->geometry(), QRect(8, 36, 745, 469));
    QCOMPARE(window.sendTopicBanner->geometry(), QRect(44, 0, 120, 20));
    QCOMPARE(window.contactUsBanner->geometry(), QRect(44, 0, 104, 21));
    QCOMPARE(window.closeHotSpot->geometry(), QRect(356, 516, 49, 25));
    QVERIFY(window.sendTopicBanner->isHidden());
    QVERIFY(window.contactUsBanner->isHidden());
    QCOMPARE(window.closeHotSpot->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(window.closeHotSpot->pixmap().isNull());  // a transparent click area
    QVERIFY(!window.Busy());
    // The window's controls come from the one shared, persistent profile.
    QWebEngineProfile* profile = WebView(window)->page()->profile();
    QCOMPARE(profile, BrowserProfile::Shared());
    QVERIFY(!profile->isOffTheRecord());
    QVERIFY(
        profile->persistentStoragePath().startsWith(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    QCOMPARE(profile->persistentCookiesPolicy(), QWebEngineProfile::ForcePersistentCookies);
}

void tst_BrowserWindow::modes_data()
{
    QTest::addColumn<BrowserMode>("mode");
    QTest::addColumn<bool>("sendTopic");
    QTest::addColumn<bool>("contactUs");
    QTest::addColumn<QString>("caption");
    QTest::newRow("preview keeps the loaded caption") << BrowserMode::Preview << false << false << "Preview post";
    QTest::newRow("submission shows Send Topic") << BrowserMode::Submission << true << false << "Send Topic";
    QTest::newRow("contact shows Contact us") << BrowserMode::Contact << false << true << "Contact us";
    QTest::newRow("address test keeps the loaded caption")
        << BrowserMode::AddressTest << false << false << "Preview post";
}

void tst_BrowserWindow::modes()
{
    QFETCH(BrowserMode, mode);
    QFETCH(bool, sendTopic);
    QFETCH(bool, contactUs);
    QFETCH(QString, caption);
    const QString page = WritePage("mode.htm", "<p>mode page</p>\r\n");
    auto owner = MakeMainWindow();
    bool inspected = false;
    QPointer<QWidget> shown;
    ModalDriver watcher([&](QWidget* w) {
        shown = w;
        auto* window = qobject_cast<BrowserWindow*>(w);
        QVERIFY(window);
        QVERIFY(window->isModal());
        QCOMPARE(window->parentWidget(), owner.get());
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(window->sendTopicBanner->isVisible(), sendTopic);
        QCOMPARE(window->contactUsBanner->isVisible(), contactUs);
        QF_TRY_VERIFY_WITH_TIMEOUT(!window->Busy(), LoadTimeout);
        QCOMPARE(WebView(*window)->url(), QUrl::fromLocalFile(page));
        inspected = true;
    });
    BrowserWindow::Show(mode, QUrl::fromLocalFile(page), owner.get());
    QCOMPARE(watcher.Driven(), 1);
    QVERIFY(inspected);
    // Discarded when closed.
    QVERIFY(shown.isNull());
    QVERIFY(owner->findChildren<BrowserWindow*>().isEmpty());
}

void tst_BrowserWindow::previewShowsTheRenderedBody()
{
    auto owner = MakeMainWindow();
    Controls(*owner).subjectEdit->setText("A title is not part of the preview");
    owner->Post().SetPost("Hello [b]world[/b]\r\nAccents \xC3\xA9\xE2\x82\xAC stay");
    QString body;
    ModalDriver watcher([&](QWidget* w) {
        auto* window = qobject_cast<BrowserWindow*>(w);
        QVERIFY(window);
        QF_TRY_VERIFY_WITH_TIMEOUT(!window->Busy(), LoadTimeout);
        QCOMPARE(WebView(*window)->url(), QUrl::fromLocalFile(m_context.WritableFile("preview.htm")));
        body = BodyOf(window);
    });
    Controls(*owner).previewButton->click();
    QCOMPARE(watcher.Driven(), 1);
    QVERIFY2(body.contains("<b>world</b>"), qPrintable(body));
    // The page declares no character set; it is read as the UTF-8 it was written in.
    QVERIFY2(body.contains(QString::fromUtf8("Accents \xC3\xA9\xE2\x82\xAC stay")), qPrintable(body));
    QVERIFY(!body.contains("not part of the preview"));
}

void tst_BrowserWindow::previewAfterAnotherMode_data()
{
    QTest::addColumn<BrowserMode>("before");
    QTest::newRow("after a submission") << BrowserMode::Submission;
    QTest::newRow("after the contact page") << BrowserMode::Contact;
}

void tst_BrowserWindow::previewAfterAnotherMode()
{
    QFETCH(BrowserMode, before);
    const QString page = WritePage("other.htm", "<p>other</p>\r\n");
    auto owner = MakeMainWindow();
    owner->Post().SetPost("second");
    QStringList captions;
    QList<bool> banners;
    ModalDriver watcher([&](QWidget* w) {
        auto* window = qobject_cast<BrowserWindow*>(w);
        QVERIFY(window);
        captions << window->windowTitle();
        banners << (window->sendTopicBanner->isVisible() || window->contactUsBanner->isVisible());
        QF_TRY_VERIFY_WITH_TIMEOUT(!window->Busy(), LoadTimeout);
    });
    BrowserWindow::Show(before, QUrl::fromLocalFile(page), owner.get());
    Controls(*owner).previewButton->click();
    QCOMPARE(watcher.Driven(), 2);
    QCOMPARE(captions.value(1), QString("Preview post"));
    QCOMPARE(banners, (QList<bool>{true, false}));
}

void tst_BrowserWindow::scriptsInThePostDoNotRun()
{
    auto owner = MakeMainWindow();
    owner->Post().SetPost("<p id=\"static\">static HTML shows</p>"
                          "<script>document.body.appendChild(document.createElement('div')).id = 'scripted';</script>"
                          "<img src=\"missing.gif\" onerror=\"document.title = 'handler ran'\">");
    QString body;
    QString title;
    ModalDriver watcher([&](QWidget* w) {
        auto* window = qobject_cast<BrowserWindow*>(w);
        QVERIFY(window);
        QF_TRY_VERIFY_WITH_TIMEOUT(!window->Busy(), LoadTimeout);
        body = BodyOf(window);
        title = RunScript(window, "document.title").toString();
    });
    Controls(*owner).previewButton->click();
    QVERIFY2(body.contains("<p id=\"static\">static HTML shows</p>"), qPrintable(body));
    QVERIFY2(!body.contains("id=\"scripted\""), qPrintable(body));
    QVERIFY(title != "handler ran");
}

void tst_BrowserWindow::linkLoadsInTheSameWindowWithTheHourglass_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("a plain link") << "";
    QTest::newRow("a link meant for a new window") << " target=\"_blank\"";
}

void tst_BrowserWindow::linkLoadsInTheSameWindowWithTheHourglass()
{
    QFETCH(QString, target);
    m_server.Serve("/linked.htm",
                   "<html><head><script>document.title = 'remote script ran';</script></head>"
                   "<body><p>the linked page</p></body></html>");
    m_server.Hold("/linked.htm");
    const QUrl address = m_server.Url("/linked.htm");
    auto owner = MakeMainWindow();
    owner->Post().SetPost(
        ToUtf8(QString("[b]Read[/b] <a id=\"go\"%1 href=\"%2\">this link</a>").arg(target, address.toString())));
    bool inspected = false;
    ModalDriver watcher([&](QWidget* w) {
        QPointer<BrowserWindow> window = qobject_cast<BrowserWindow*>(w);
        QVERIFY(window);
        QF_TRY_VERIFY_WITH_TIMEOUT(!window->Busy(), LoadTimeout);
        QCOMPARE(window->cursor().shape(), Qt::ArrowCursor);
        const QPoint link = CentreOf(window, "#go");
        QVERIFY(link.x() >= 0);
        QWidget* surface = window->pageView->focusProxy();
        QVERIFY(surface);
        QTest::mouseClick(surface, Qt::LeftButton, {}, link);
        // The request has reached the server, which holds the answer back.
        QF_TRY_VERIFY_WITH_TIMEOUT(!m_server.requests.isEmpty(), LoadTimeout);
        QCOMPARE(m_server.requests.last().path, QString("/linked.htm"));
        QVERIFY(window->Busy());
        QCOMPARE(window->cursor().shape(), Qt::WaitCursor);
        m_server.Release("/linked.htm");
        QF_TRY_COMPARE_WITH_TIMEOUT(window->cursor().shape(), Qt::ArrowCursor, LoadTimeout);
        QVERIFY(!window->Busy());
        // Same window, new page; a remote page runs its scripts.
        QCOMPARE(WebView(*window)->url(), address);
        QVERIFY(BodyOf(window).contains("the linked page"));
        QCOMPARE(WebView(*window)->title(), QString("remote script ran"));
        inspected = true;
    });
    Controls(*owner).previewButton->click();
    QCOMPARE(watcher.Driven(), 1);
    QVERIFY(inspected);
}

void tst_BrowserWindow::localPagesLoadRemotePicturesAndSendForms()
{
    // A GIF of one transparent pixel.
    m_server.Serve("/pic.gif", QByteArray::fromBase64("R0lGODlhAQABAIAAAAAAAP///yH5BAEAAAAALAAAAAABAAEAAAIBRAA7"),
                   "image/gif");
    m_server.Serve("/sent.htm", "<html><body>form received</body></html>");
    const QString page = WritePage("form.htm",
                                   QString("<img id=\"pic\" src=\"%1\"><form method=\"POST\" action=\"%2\">"
                                           "<input type=\"text\" name=\"Subject\" value=\"Hi there\"></form>\r\n")
                                       .arg(m_server.Url("/pic.gif").toString(), m_server.Url("/sent.htm").toString())
                                       .toUtf8());
    bool inspected = false;
    ModalDriver watcher([&](QWidget* w) {
        QPointer<BrowserWindow> window = qobject_cast<BrowserWindow*>(w);
        QVERIFY(window);
        QF_TRY_VERIFY_WITH_TIMEOUT(!window->Busy(), LoadTimeout);
        QCOMPARE(RunScript(window, "document.getElementById('pic').naturalWidth").toInt(), 1);
        QSignalSpy started(window.data(), &BrowserWindow::navigationStarting);
        RunScript(window, "document.forms[0].submit()");
        QF_TRY_VERIFY_WITH_TIMEOUT(!window->Busy() && WebView(*window)->url() == m_server.Url("/sent.htm"), LoadTimeout);
        QCOMPARE(started.count(), 1);
        QVERIFY(BodyOf(window).contains("form received"));
        inspected = true;
    });
    BrowserWindow::Show(BrowserMode::Submission, QUrl::fromLocalFile(page), nullptr);
    QVERIFY(inspected);
    QCOMPARE(m_server.requests.size(), 2);
    QCOMPARE(m_server.requests[1].method, QByteArray("POST"));
    QCOMPARE(m_server.requests[1].body, QByteArray("Subject=Hi+there"));
}

void tst_BrowserWindow::pageGivenAsTextUsesItsBaseAddress()
{
    m_server.Serve("/forum/posting.php", "<html><body>posted</body></html>");
    const QString html =
        "<html><body><form action=\"posting.php\" method=\"POST\"><input type=\"hidden\" name=\"mode\" "
        "value=\"reply\"></form><script>document.forms[0].action = 'hijacked.php';</script></body></html>";
    bool inspected = false;
    ModalDriver watcher([&](QWidget* w) {
        QPointer<BrowserWindow> window = qobject_cast<BrowserWindow*>(w);
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QString("Send Topic"));
        QF_TRY_VERIFY_WITH_TIMEOUT(!window->Busy(), LoadTimeout);
        RunScript(window, "document.forms[0].submit()");
        QF_TRY_VERIFY_WITH_TIMEOUT(!window->Busy() && WebView(*window)->url() == m_server.Url("/forum/posting.php"),
                                 LoadTimeout);
        inspected = true;
    });
    BrowserWindow::ShowHtml(BrowserMode::Submission, html, m_server.Url("/forum/"), nullptr);
    QVERIFY(inspected);
    QCOMPARE(m_server.requests.size(), 1);
    QCOMPARE(m_server.requests[0].path, QString("/forum/posting.php"));
    QCOMPARE(m_server.requests[0].body, QByteArray("mode=reply"));
}

void tst_BrowserWindow::hiddenReader()
{
    m_server.Serve("/index.php", "<html><body><a href=\"viewforum.php?f=3&amp;sid=9\">Announcements</a></body></html>");
    m_server.Hold("/index.php");
    auto owner = MakeMainWindow();
    ModalDriver watcher;
    auto reader = std::make_unique<BrowserWindow>(owner.get());
    QSignalSpy completed(reader.get(), &BrowserWindow::navigationCompleted);
    reader->Navigate(m_server.Url("/index.php"));
    QVERIFY(reader->Busy());
    QF_TRY_VERIFY_WITH_TIMEOUT(!m_server.requests.isEmpty(), LoadTimeout);
    QVERIFY(reader->Busy());
    QCOMPARE(reader->cursor().shape(), Qt::WaitCursor);
    m_server.Release("/index.php");
    QVERIFY(reader->WaitWhileBusy());
    QVERIFY(!reader->Busy());
    QCOMPARE(completed.count(), 1);
    QCOMPARE(completed[0][0].toBool(), true);
    const std::optional<QString> body = reader->WaitForBodyHtml();
    QVERIFY(body.has_value());
    QVERIFY2(body->contains("viewforum.php?f=3&amp;sid=9\">Announcements</a>"), qPrintable(*body));
    QCOMPARE(watcher.Driven(), 0);
    QVERIFY(!reader->isVisible());
}

void tst_BrowserWindow::programEndEndsTheWait()
{
    // The program ending while a page is on its way ends the wait, instead
    // of spinning in loops that can no longer run.
    m_server.Serve("/held.htm", "<p>held</p>");
    m_server.Hold("/held.htm");
    BrowserWindow reader;
    reader.Navigate(m_server.Url("/held.htm"));
    QF_TRY_VERIFY_WITH_TIMEOUT(!m_server.requests.isEmpty(), LoadTimeout);
    QTimer::singleShot(50, qApp, [] { QCoreApplication::exit(0); });
    const bool loaded = reader.WaitWhileBusy();
    const bool stillBusy = reader.Busy();
    const bool answered = reader.WaitForBodyHtml().has_value();
    // Event loops run again only once the program's own loop has ended.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    qApp->exec();
    m_server.Release("/held.htm");
    QVERIFY(!loaded);
    QVERIFY(stillBusy);
    QVERIFY(!answered);
}

void tst_BrowserWindow::pageThatCannotBeLoaded()
{
    // A port nothing listens on: the browser shows its own error page and the
    // window is no longer busy.
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
    const QUrl address(QString("http://127.0.0.1:%1/").arg(closed.serverPort()));
    closed.close();
    BrowserWindow reader;
    QSignalSpy completed(&reader, &BrowserWindow::navigationCompleted);
    reader.Navigate(address);
    QVERIFY(reader.WaitWhileBusy());
    QCOMPARE(completed.count(), 1);
    QCOMPARE(completed[0][0].toBool(), false);
    QCOMPARE(reader.cursor().shape(), Qt::ArrowCursor);
}

void tst_BrowserWindow::aDownloadEndsTheWait()
{
    // A link to a file that is not a page: the browser does not show it, and
    // the window is not left busy with the hourglass.
    m_server.Serve("/archive.zip", QByteArray(2048, 'z'), "application/zip");
    BrowserWindow reader;
    reader.Navigate(m_server.Url("/archive.zip"));
    QVERIFY(reader.WaitWhileBusy());
    QCOMPARE(reader.cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(m_server.requests.size(), 1);
}

void tst_BrowserWindow::pageGivenAsTextTooLargeEndsTheWait()
{
    // The engine takes a page given as text only up to about 2 MB; a larger
    // one is reported as not loaded, and the window is not left busy.
    BrowserWindow reader;
    QSignalSpy completed(&reader, &BrowserWindow::navigationCompleted);
    reader.SetHtml("<p>" + QString(3 * 1024 * 1024, QLatin1Char('x')) + "</p>", m_server.Url("/forum/"));
    QVERIFY(reader.WaitWhileBusy());
    QCOMPARE(completed.count(), 1);
    QCOMPARE(completed[0][0].toBool(), false);
}

void tst_BrowserWindow::addressesTheBrowserCannotUse_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty") << "";
    QTest::newRow("the options dialog's default") << "HTTP://";
    QTest::newRow("no site, a slash") << "https:///";
    QTest::newRow("no scheme") << "forum.example.org/index.php";
    QTest::newRow("words") << "not an address";
    QTest::newRow("unknown scheme") << "gopher2://x";
}

void tst_BrowserWindow::addressesTheBrowserCannotUse()
{
    // Whatever the address, the window does not stay busy: the hidden reader
    // waits for it to be done.
    QFETCH(QString, typed);
    BrowserWindow reader;
    QSignalSpy completed(&reader, &BrowserWindow::navigationCompleted);
    reader.Navigate(QUrl(typed));
    QVERIFY(reader.WaitWhileBusy());
    QCOMPARE(completed.count(), 1);
    QVERIFY(!reader.Busy());
    QCOMPARE(reader.cursor().shape(), Qt::ArrowCursor);
}

void tst_BrowserWindow::closeArea()
{
    const QString page = WritePage("close.htm", "<p>close me</p>\r\n");
    bool closedByClick = false;
    ModalDriver watcher([&](QWidget* w) {
        auto* window = qobject_cast<BrowserWindow*>(w);
        QVERIFY(window);
        QTest::mouseClick(window->closeHotSpot, Qt::LeftButton);
        closedByClick = !window->isVisible();
    });
    BrowserWindow::Show(BrowserMode::Preview, QUrl::fromLocalFile(page), nullptr);
    QVERIFY(closedByClick);
}

QF_TEST_MAIN(tst_BrowserWindow)
#include "tst_browserwindow.moc"
