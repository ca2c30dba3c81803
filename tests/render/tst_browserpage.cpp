// What the browser window lets pages do, with the real web engine against
// PHP's own web server and the test's own on 127.0.0.1: no script of a post
// runs in the preview, also after a navigation that never commits (an
// address answering 204, a download, a form sent to a 204 address); remote
// pages run theirs; a link meant for a new window leaves the post shown until
// the new page has arrived; Escape keeps the pages the user types into; the
// contact page's form still sends.

#include "about/ContactPage.h"
#include "base/AppContext.h"
#include "base/PictureBox.h"
#include "base/SettingsStore.h"
#include "post/PostDocument.h"
#include "editor/frmPost.h"
#include "render/frmPreview.h"
#include "support/LocalWebServer.h"
#include "support/ModalDriver.h"
#include "support/PhpServer.h"
#include "support/PostControls.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"
#include "support/WebView.h"
#include "base/Utf8.h"

#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>

Q_DECLARE_METATYPE(BrowserMode)

namespace {

constexpr int LoadTimeout = 20000;

// A GIF of one transparent pixel.
const QByteArray Pixel = QByteArray::fromBase64("R0lGODlhAQABAIAAAAAAAP///yH5BAEAAAAALAAAAAABAAEAAAIBRAA7");

// The PHP side: addresses that never commit a page, a remote page with a
// script, and the contact form's endpoint.
const char* const PhpPages[][2] = {
    {"nocontent.php", "<?php http_response_code(204);\n"},
    {"download.php",
     "<?php header('Content-Type: application/zip');\n"
     "header('Content-Disposition: attachment; filename=\"post.zip\"');\n"
     "echo str_repeat('z', 2048);\n"},
    {"remote.php",
     "<html><head><script>document.title = 'remote script ran';</script></head>"
     "<body><p>the remote page</p></body></html>\n"},
    {"frame.php", "<script>new Image().src = <?= json_encode($_GET['beacon']) ?>;</script>\n"},
    {"contact.php", "<?php echo 'received: ' . htmlspecialchars(file_get_contents('php://input'));\n"},
};

void Click(frmPreview* window, const QString& selector)
{
    const QPoint centre = CentreOf(window, selector);
    if (centre.x() < 0)
        qWarning("nothing to click: %s", qPrintable(selector));
    QTest::mouseClick(window->WebBrowser1->focusProxy(), Qt::LeftButton, {}, centre);
}

}  // namespace

class tst_BrowserPage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void noScriptOfThePostRuns_data();
    void noScriptOfThePostRuns();
    void linkForANewWindowKeepsThePostUntilThePageArrives();
    void escape_data();
    void escape();
    void contactFormSends();

private:
    std::unique_ptr<frmPost> MakeMainWindow();
    QStringList Beacons() const;

    QTemporaryDir m_folder;
    QTemporaryDir m_docRoot;
    std::unique_ptr<PhpServer> m_php;
    LocalWebServer m_web;
    SettingsStore m_settings;
    ScriptedPlatform* m_platform = nullptr;
    AppContext m_context;
};

void tst_BrowserPage::initTestCase()
{
    QVERIFY(m_folder.isValid() && m_docRoot.isValid());
    for (const auto& page : PhpPages)
        QVERIFY(WriteAll(m_docRoot.filePath(page[0]), page[1]));
    m_php = std::make_unique<PhpServer>(m_docRoot.path());
    QVERIFY2(m_php->Start(), qPrintable(m_php->ErrorString()));
    QVERIFY(m_web.Start());
    m_web.Serve("/beacon.gif", Pixel, "image/gif");
}

void tst_BrowserPage::init()
{
    m_platform = new ScriptedPlatform;
    m_context = AppContext{m_folder.path() + "/", &m_settings, m_platform};
    m_web.requests.clear();
}

void tst_BrowserPage::cleanup()
{
    QCOMPARE(m_platform->unexpectedMessages, 0);
    delete m_platform;
    m_platform = nullptr;
}

std::unique_ptr<frmPost> tst_BrowserPage::MakeMainWindow()
{
    auto window = std::make_unique<frmPost>(m_context);
    window->show();
    return window;
}

// What scripts sent to the test's server: every request for the beacon.
QStringList tst_BrowserPage::Beacons() const
{
    QStringList beacons;
    for (const LocalWebServer::Request& request : m_web.requests)
        if (request.path.startsWith("/beacon.gif"))
            beacons << request.path;
    return beacons;
}

void tst_BrowserPage::noScriptOfThePostRuns_data()
{
    QTest::addColumn<QString>("firstStep");  // HTML holding the element #first that the user clicks
    QTest::addColumn<QString>("address");    // what #first asks the PHP server for
    QTest::newRow("a link to an address answering 204 No Content")
        << "<a id=\"first\" href=\"%1\">no content</a>" << "/nocontent.php";
    QTest::newRow("a link to a download") << "<a id=\"first\" href=\"%1\">download</a>" << "/download.php";
    QTest::newRow("a form sent to an address answering 204")
        << "<form method=\"POST\" action=\"%1\"><input type=\"hidden\" name=\"a\" value=\"1\">"
           "<input id=\"first\" type=\"submit\" value=\"Send\"></form>"
        << "/nocontent.php";
}

void tst_BrowserPage::noScriptOfThePostRuns()
{
    // The post carries every way of running a script, each of which asks the
    // test's server for the beacon: a script element, an inline handler, a
    // javascript: link, and two that act only after the first step has ended:
    // a picture whose source changes with the window's width and then fails
    // (its onerror), and a link that loads a page holding a script into a
    // frame of the post.
    QFETCH(QString, firstStep);
    QFETCH(QString, address);
    const auto beacon = [this](const char* name) { return m_web.Url(QString("/beacon.gif?") + name).toString(); };
    m_web.Serve("/pixel.gif", Pixel, "image/gif");
    m_web.Serve("/narrow.gif", "not a picture", "image/gif");
    const QString post =
        firstStep.arg(m_php->Url(address).toString())
        + QString("<p><a id=\"js\" href=\"javascript:void(new Image().src = '%1')\">javascript link</a></p>"
                  "<p><a id=\"handler\" href=\"#h\" onclick=\"new Image().src = '%2'; return false;\">handler</a></p>"
                  "<script>new Image().src = '%3';</script>"
                  "<picture><source media=\"(max-width: 600px)\" srcset=\"%4\">"
                  "<img id=\"late\" src=\"%5\" onerror=\"new Image().src = '%6'\"></picture>"
                  "<iframe name=\"box\" width=\"60\" height=\"30\"></iframe>"
                  "<p><a id=\"framed\" target=\"box\" href=\"%7\">into the frame</a></p>"
                  "<p><a id=\"remote\" href=\"%8\">remote page</a></p>")
              .arg(beacon("javascript-link"), beacon("handler"), beacon("script"), m_web.Url("/narrow.gif").toString(),
                   m_web.Url("/pixel.gif").toString(), beacon("onerror"),
                   m_php->Url("/frame.php?beacon=" + QUrl::toPercentEncoding(beacon("frame-script"))).toString(),
                   m_php->Url("/remote.php").toString());
    auto owner = MakeMainWindow();
    owner->Post().SetPost(ToUtf8(post));
    const QUrl preview = QUrl::fromLocalFile(m_context.WritableFile("preview.htm"));
    bool inspected = false;
    ModalDriver watcher([&](QWidget* w) {
        QPointer<frmPreview> window = qobject_cast<frmPreview*>(w);
        QVERIFY(window);
        QTRY_VERIFY_WITH_TIMEOUT(!window->Busy(), LoadTimeout);
        QSignalSpy completed(window.data(), &frmPreview::navigationCompleted);
        const qsizetype logged = m_php->Log().size();
        Click(window, "#first");
        QTRY_VERIFY_WITH_TIMEOUT(m_php->Log().mid(logged).contains(address.mid(1).toUtf8()), LoadTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(completed.count() >= 1 && !window->Busy(), LoadTimeout);
        // Nothing was committed: the post is still shown, as it was.
        QCOMPARE(WebView(*window)->url(), preview);
        QVERIFY(window->WaitForBodyHtml().value_or("").contains("javascript link"));

        Click(window, "#js");
        Click(window, "#handler");
        WebView(*window)->resize(500, WebView(*window)->height());
        QTRY_VERIFY_WITH_TIMEOUT(RunScript(window, "(function(){ const p = document.getElementById('late');"
                                                   " return p.complete && p.currentSrc.endsWith('narrow.gif'); })()")
                                     .toBool(),
                                 LoadTimeout);
        Click(window, "#framed");
        // The frame's page has loaded once the page lists it among its resources.
        QTRY_VERIFY_WITH_TIMEOUT(RunScript(window, "performance.getEntriesByType('resource').some("
                                                   "e => e.name.includes('frame.php'))")
                                     .toBool(),
                                 LoadTimeout);
        // A remote page reached afterwards runs its own script, in the same window.
        Click(window, "#remote");
        QTRY_COMPARE_WITH_TIMEOUT(WebView(*window)->title(), QString("remote script ran"), LoadTimeout);
        QCOMPARE(WebView(*window)->url(), m_php->Url("/remote.php"));
        inspected = true;
    });
    Controls(*owner).cmdPreview->click();
    QCOMPARE(watcher.Driven(), 1);
    QVERIFY(inspected);
    QVERIFY2(Beacons().isEmpty(), qPrintable(Beacons().join(' ')));
}

void tst_BrowserPage::linkForANewWindowKeepsThePostUntilThePageArrives()
{
    m_web.Serve("/slow.htm",
                "<html><head><script>document.title = 'new page script ran';</script></head>"
                "<body>the new page</body></html>");
    m_web.Hold("/slow.htm");
    auto owner = MakeMainWindow();
    owner->Post().SetPost(
        ToUtf8(QString("[b]The post[/b] <a id=\"blank\" target=\"_blank\" href=\"%1\">elsewhere</a>")
                   .arg(m_web.Url("/slow.htm").toString())));
    bool inspected = false;
    ModalDriver watcher([&](QWidget* w) {
        QPointer<frmPreview> window = qobject_cast<frmPreview*>(w);
        QVERIFY(window);
        QTRY_VERIFY_WITH_TIMEOUT(!window->Busy(), LoadTimeout);
        Click(window, "#blank");
        QTRY_VERIFY_WITH_TIMEOUT(!m_web.requests.isEmpty(), LoadTimeout);
        QCOMPARE(m_web.requests.last().path, QString("/slow.htm"));
        // The address does not answer: the post stays, the hourglass shows.
        QVERIFY(window->WaitForBodyHtml().value_or("").contains("<b>The post</b>"));
        QVERIFY(window->Busy());
        m_web.Release("/slow.htm");
        // Once it answers, it opens in this same window, with its scripts.
        QTRY_COMPARE_WITH_TIMEOUT(WebView(*window)->title(), QString("new page script ran"), LoadTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(!window->Busy(), LoadTimeout);
        QCOMPARE(WebView(*window)->url(), m_web.Url("/slow.htm"));
        QVERIFY(window->WaitForBodyHtml().value_or("").contains("the new page"));
        inspected = true;
    });
    Controls(*owner).cmdPreview->click();
    QCOMPARE(watcher.Driven(), 1);
    QVERIFY(inspected);
}

void tst_BrowserPage::escape_data()
{
    QTest::addColumn<BrowserMode>("mode");
    QTest::addColumn<bool>("closes");
    QTest::newRow("submission: the typed text stays") << BrowserMode::Submission << false;
    QTest::newRow("contact: the typed text stays") << BrowserMode::Contact << false;
    QTest::newRow("preview: Escape closes it") << BrowserMode::Preview << true;
}

void tst_BrowserPage::escape()
{
    // The page keeps Escape to itself; the window gets it when the focus is
    // on one of its own controls, as after tabbing out of the page to Close.
    QFETCH(BrowserMode, mode);
    QFETCH(bool, closes);
    const QString page = m_context.WritableFile("typing.htm");
    QVERIFY(WriteAll(page, "<form><textarea id=\"message\" name=\"message\" rows=\"4\"></textarea></form>\r\n"));
    bool stillShown = false;
    QString typed;
    ModalDriver watcher([&](QWidget* w) {
        QPointer<frmPreview> window = qobject_cast<frmPreview*>(w);
        QVERIFY(window);
        QTRY_VERIFY_WITH_TIMEOUT(!window->Busy(), LoadTimeout);
        Click(window, "#message");
        QWidget* surface = window->WebBrowser1->focusProxy();
        QTest::keyClicks(surface, "Dear makers");
        QTest::keyClick(surface, Qt::Key_Escape);
        QTRY_COMPARE_WITH_TIMEOUT(RunScript(window, "document.getElementById('message').value").toString(),
                                  QString("Dear makers"), LoadTimeout);
        window->Image1->setFocus(Qt::TabFocusReason);
        QTest::keyClick(window->Image1, Qt::Key_Escape);
        stillShown = window && window->isVisible();
        if (stillShown)
            typed = RunScript(window, "document.getElementById('message').value").toString();
    });
    frmPreview::Show(mode, QUrl::fromLocalFile(page), nullptr);
    QCOMPARE(watcher.Driven(), 1);
    QCOMPARE(stillShown, !closes);
    if (!closes)
        QCOMPARE(typed, QString("Dear makers"));
}

void tst_BrowserPage::contactFormSends()
{
    // The contact page keeps its scripts off by a policy of its own; its form
    // is sent as before.
    const QString page = m_context.WritableFile("Contact.htm");
    QVERIFY(WriteAll(page, QByteArray::fromStdString(ContactPage::Build(ToUtf8(m_php->Url("/contact.php").toString())))));
    QString answer;
    ModalDriver watcher([&](QWidget* w) {
        QPointer<frmPreview> window = qobject_cast<frmPreview*>(w);
        QVERIFY(window);
        QTRY_VERIFY_WITH_TIMEOUT(!window->Busy(), LoadTimeout);
        Click(window, "input[name=FromName]");
        QTest::keyClicks(window->WebBrowser1->focusProxy(), "Anna");
        QTRY_COMPARE_WITH_TIMEOUT(RunScript(window, "document.forms[0].FromName.value").toString(), QString("Anna"),
                                  LoadTimeout);
        Click(window, "input[name=B1]");
        QTRY_COMPARE_WITH_TIMEOUT(WebView(*window)->url(), m_php->Url("/contact.php"), LoadTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(!window->Busy(), LoadTimeout);
        answer = window->WaitForBodyHtml().value_or("");
    });
    frmPreview::Show(BrowserMode::Contact, QUrl::fromLocalFile(page), nullptr);
    QVERIFY2(answer.contains("received: FromName=Anna&amp;FromAddress=&amp;Subject=&amp;Message=&amp;B1=Submit"),
             qPrintable(answer));
}

QF_TEST_MAIN(tst_BrowserPage)
#include "tst_browserpage.moc"
