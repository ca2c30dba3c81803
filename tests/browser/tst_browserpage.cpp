// SPDX-License-Identifier: MIT
// What the browser window lets pages do, with the real web engine against
// PHP's own web server and the test's own on 127.0.0.1: no script of a post
// runs in the preview, also after a navigation that never commits (an
// address answering 204, a download, a form sent to a 204 address); remote
// pages run theirs; a link meant for a new window leaves the post shown until
// the new page has arrived; Escape keeps the pages the user types into; the
// contact page's form still sends.

#include "about/ContactPage.h"
#include "base/Utf8.h"
#include "base/PictureBox.h"
#include "post/PostDocument.h"
#include "editor/MainWindow.h"
#include "browser/BrowserWindow.h"
#include "support/BrowserFixture.h"
#include "support/ModalDriver.h"
#include "support/PostControls.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"
#include "support/WebView.h"

#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>

Q_DECLARE_METATYPE(BrowserMode)

namespace {

// A GIF of one transparent pixel.
const QByteArray Pixel = QByteArray::fromBase64("R0lGODlhAQABAIAAAAAAAP///yH5BAEAAAAALAAAAAABAAEAAAIBRAA7");

// The PHP side: addresses that never commit a page, a remote page with a
// script, and the contact form's endpoint.
const std::vector<std::pair<QString, QByteArray>> PhpPages = {
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

}  // namespace

class tst_BrowserPage : public QObject, protected BrowserFixture {
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
    QStringList Beacons() const;
};

void tst_BrowserPage::initTestCase()
{
    QVERIFY(StartFixture());
    QVERIFY(StartPhp(PhpPages));
    m_server.Serve("/beacon.gif", Pixel, "image/gif");
}

void tst_BrowserPage::init() { BeginTest(); }

void tst_BrowserPage::cleanup() { QCOMPARE(EndTest(), 0); }

// What scripts sent to the test's server: every request for the beacon.
QStringList tst_BrowserPage::Beacons() const
{
    QStringList beacons;
    for (const LocalWebServer::Request& request : m_server.requests)
        if (request.path.startsWith("/beacon.gif"))
            beacons << request.path;
    return beacons;
}

void tst_BrowserPage::noScriptOfThePostRuns_data()
{
    QTest::addColumn<QString>("firstStep");  // HTML holding the element #first that the user clicks
    QTest::addColumn<QString>("address");    // what #first asks the PHP server for
    QTest::newRow("a link to an address answering 204 No Content") << "<a id=\"first\" href=\"%1\">no content</a>"
                                                                   << "/nocontent.php";
    QTest::newRow("a link to a download") << "<a id=\"first\" href=\"%1\">download</a>"
                                          << "/download.php";
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
    const auto beacon = [this](const char* name) { return m_server.Url(QString("/beacon.gif?") + name).toString(); };
    m_server.Serve("/pixel.gif", Pixel, "image/gif");
    m_server.Serve("/narrow.gif", "not a picture", "image/gif");
    const QString post = firstStep.arg(m_php->Url(address).toString())
        + QString("<p><a id=\"js\" href=\"javascript:void(new Image().src = '%1')\">javascript link</a></p>"
                  "<p><a id=\"handler\" href=\"#h\" onclick=\"new Image().src = '%2'; return false;\">handler</a></p>"
                  "<script>new Image().src = '%3';</script>"
                  "<picture><source media=\"(max-width: 600px)\" srcset=\"%4\">"
                  "<img id=\"late\" src=\"%5\" onerror=\"new Image().src = '%6'\"></picture>"
                  "<iframe name=\"box\" width=\"60\" height=\"30\"></iframe>"
                  "<p><a id=\"framed\" target=\"box\" href=\"%7\">into the frame</a></p>"
                  "<p><a id=\"remote\" href=\"%8\">remote page</a></p>")
              .arg(beacon("javascript-link"), beacon("handler"), beacon("script"),
                   m_server.Url("/narrow.gif").toString(), m_server.Url("/pixel.gif").toString(), beacon("onerror"),
                   m_php->Url("/frame.php?beacon=" + QUrl::toPercentEncoding(beacon("frame-script"))).toString(),
                   m_php->Url("/remote.php").toString());
    auto owner = MakeMainWindow();
    owner->Post().SetPost(ToUtf8(post));
    const QUrl preview = QUrl::fromLocalFile(m_context.WritableFile("preview.htm"));
    bool inspected = false;
    ModalDriver watcher([&](QWidget* w) {
        QPointer<BrowserWindow> window = qobject_cast<BrowserWindow*>(w);
        QVERIFY(window);
        QF_TRY_VERIFY_WITH_TIMEOUT(!window->Busy(), LoadTimeout);
        QSignalSpy completed(window.data(), &BrowserWindow::navigationCompleted);
        const qsizetype logged = m_php->Log().size();
        ClickInPage(window, "#first");
        QF_TRY_VERIFY_WITH_TIMEOUT(m_php->Log().mid(logged).contains(address.mid(1).toUtf8()), LoadTimeout);
        QF_TRY_VERIFY_WITH_TIMEOUT(completed.count() >= 1 && !window->Busy(), LoadTimeout);
        // Nothing was committed: the post is still shown, as it was.
        QCOMPARE(WebView(*window)->url(), preview);
        QVERIFY(window->WaitForBodyHtml().value_or("").contains("javascript link"));

        ClickInPage(window, "#js");
        ClickInPage(window, "#handler");
        WebView(*window)->resize(500, WebView(*window)->height());
        QF_TRY_VERIFY_WITH_TIMEOUT(RunScript(window,
                                           "(function(){ const p = document.getElementById('late');"
                                           " return p.complete && p.currentSrc.endsWith('narrow.gif'); })()")
                                     .toBool(),
                                 LoadTimeout);
        ClickInPage(window, "#framed");
        // The frame's page has loaded once the page lists it among its resources.
        QF_TRY_VERIFY_WITH_TIMEOUT(RunScript(window,
                                           "performance.getEntriesByType('resource').some("
                                           "e => e.name.includes('frame.php'))")
                                     .toBool(),
                                 LoadTimeout);
        // A remote page reached afterwards runs its own script, in the same window.
        ClickInPage(window, "#remote");
        QF_TRY_COMPARE_WITH_TIMEOUT(WebView(*window)->title(), QString("remote script ran"), LoadTimeout);
        QCOMPARE(WebView(*window)->url(), m_php->Url("/remote.php"));
        inspected = true;
    });
    Controls(*owner).previewButton->click();
    QCOMPARE(watcher.Driven(), 1);
    QVERIFY(inspected);
    QVERIFY2(Beacons().isEmpty(), qPrintable(Beacons().join(' ')));
}

void tst_BrowserPage::linkForANewWindowKeepsThePostUntilThePageArrives()
{
    m_server.Serve("/slow.htm",
                   "<html><head><script>document.title = 'new page script ran';</script></head>"
                   "<body>the new page</body></html>");
    m_server.Hold("/slow.htm");
    auto owner = MakeMainWindow();
    owner->Post().SetPost(ToUtf8(QString("[b]The post[/b] <a id=\"blank\" target=\"_blank\" href=\"%1\">elsewhere</a>")
                                     .arg(m_server.Url("/slow.htm").toString())));
    bool inspected = false;
    ModalDriver watcher([&](QWidget* w) {
        QPointer<BrowserWindow> window = qobject_cast<BrowserWindow*>(w);
        QVERIFY(window);
        QF_TRY_VERIFY_WITH_TIMEOUT(!window->Busy(), LoadTimeout);
        ClickInPage(window, "#blank");
        QF_TRY_VERIFY_WITH_TIMEOUT(!m_server.requests.isEmpty(), LoadTimeout);
        QCOMPARE(m_server.requests.last().path, QString("/slow.htm"));
        // The address does not answer: the post stays, the hourglass shows.
        QVERIFY(window->WaitForBodyHtml().value_or("").contains("<b>The post</b>"));
        QVERIFY(window->Busy());
        m_server.Release("/slow.htm");
        // Once it answers, it opens in this same window, with its scripts.
        QF_TRY_COMPARE_WITH_TIMEOUT(WebView(*window)->title(), QString("new page script ran"), LoadTimeout);
        QF_TRY_VERIFY_WITH_TIMEOUT(!window->Busy(), LoadTimeout);
        QCOMPARE(WebView(*window)->url(), m_server.Url("/slow.htm"));
        QVERIFY(window->WaitForBodyHtml().value_or("").contains("the new page"));
        inspected = true;
    });
    Controls(*owner).previewButton->click();
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
        QPointer<BrowserWindow> window = qobject_cast<BrowserWindow*>(w);
        QVERIFY(window);
        QF_TRY_VERIFY_WITH_TIMEOUT(!window->Busy(), LoadTimeout);
        ClickInPage(window, "#message");
        QWidget* surface = window->pageView->focusProxy();
        QTest::keyClicks(surface, "Dear makers");
        QTest::keyClick(surface, Qt::Key_Escape);
        QF_TRY_COMPARE_WITH_TIMEOUT(RunScript(window, "document.getElementById('message').value").toString(),
                                  QString("Dear makers"), LoadTimeout);
        window->closeHotSpot->setFocus(Qt::TabFocusReason);
        QTest::keyClick(window->closeHotSpot, Qt::Key_Escape);
        stillShown = window && window->isVisible();
        if (stillShown)
            typed = RunScript(window, "document.getElementById('message').value").toString();
    });
    BrowserWindow::Show(mode, QUrl::fromLocalFile(page), nullptr);
    QCOMPARE(watcher.Driven(), 1);
    QCOMPARE(stillShown, !closes);
    if (!closes)
        QCOMPARE(typed, QString("Dear makers"));
}

void tst_BrowserPage::contactFormSends()
{
    // The contact page as the user sees it and fills it in; it keeps its
    // scripts off by a policy of its own, and its form sends every field.
    const QString page = m_context.WritableFile("Contact.htm");
    QVERIFY(
        WriteAll(page, QByteArray::fromStdString(ContactPage::Build(ToUtf8(m_php->Url("/contact.php").toString())))));
    QString shown, answer;
    ModalDriver watcher([&](QWidget* w) {
        QPointer<BrowserWindow> window = qobject_cast<BrowserWindow*>(w);
        QVERIFY(window);
        QF_TRY_VERIFY_WITH_TIMEOUT(!window->Busy(), LoadTimeout);
        shown = RunScript(window,
                          "document.body.innerText + '|' + [...document.querySelectorAll('input')]"
                          ".map(e => e.type + ':' + e.value).join(' ')")
                    .toString();
        const QStringList fields = {"input[name=FromName]", "input[name=FromAddress]", "input[name=Subject]",
                                    "textarea[name=Message]"};
        const QStringList typed = {"Anna", "anna@example.org", "Hi & bye", "Dear makers"};
        for (int i = 0; i < fields.size(); ++i) {
            ClickInPage(window, fields[i]);
            QTest::keyClicks(window->pageView->focusProxy(), typed[i]);
            QF_TRY_COMPARE_WITH_TIMEOUT(RunScript(window, "document.querySelector('" + fields[i] + "').value").toString(),
                                      typed[i], LoadTimeout);
        }
        ClickInPage(window, "input[name=B1]");
        QF_TRY_COMPARE_WITH_TIMEOUT(WebView(*window)->url(), m_php->Url("/contact.php"), LoadTimeout);
        QF_TRY_VERIFY_WITH_TIMEOUT(!window->Busy(), LoadTimeout);
        answer = window->WaitForBodyHtml().value_or("");
    });
    BrowserWindow::Show(BrowserMode::Contact, QUrl::fromLocalFile(page), nullptr);
    QCOMPARE(watcher.Driven(), 1);
    // The heading, the labels in their order, and the two buttons.
    const QStringList expected = {"Please send us your comments by filling this form",
                                  "From name:",
                                  "From Address:",
                                  "Subject:",
                                  "Message:",
                                  "submit:Submit reset:Reset"};
    qsizetype at = 0;
    for (const QString& text : expected) {
        at = shown.indexOf(text, at);
        QVERIFY2(at >= 0, qPrintable(text + " in " + shown));
    }
    QVERIFY2(answer.contains("received: FromName=Anna&amp;FromAddress=anna%40example.org&amp;Subject=Hi+%26+bye"
                             "&amp;Message=Dear+makers&amp;B1=Submit"),
             qPrintable(answer));
}

QF_TEST_MAIN(tst_BrowserPage)
#include "tst_browserpage.moc"
