// SPDX-License-Identifier: MIT
// The live preview pane as a user meets it: View > Live Preview starts the
// web engine (and nothing else does), the pane shows what the renderer
// makes of the body while typing, no script of a post runs, the pane
// follows the body, a double click puts the caret on its line, F6 moves the
// focus. The line anchors themselves are checked against the renderers.

#include "base/ScriptData.h"
#include "base/Utf8.h"
#include "board/SitePictures.h"
#include "board/BoardProfiles.h"
#include "browser/LivePreviewPane.h"
#include "board/classic/BBCodeRenderer.h"
#include "board/common/LineAnchor.h"
#include "board/LivePreview.h"
#include "board/phpbb3/Phpbb3Page.h"
#include "board/smf21/Smf21Page.h"
#include "support/TestBoards.h"
#include "support/EditorFixture.h"
#include "support/EventWait.h"
#include "support/PhpServer.h"
#include "support/PostControls.h"
#include "support/TestMain.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSplitter>
#include <QTextBlock>
#include <QWebEngineProfile>

namespace {

// The web engine's helper processes started by this test program.
int WebEngineProcesses()
{
    int count = 0;
    const QByteArray self = QByteArray::number(QCoreApplication::applicationPid());
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat("/proc/" + pid + "/stat");
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();  // "pid (name) state ppid ..."
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (line.contains("(QtWebEngine") && fields.value(1) == self)
            ++count;
    }
    return count;
}

// Types `text` into `field`, a line break as the Return key.
void Type(QWidget* field, const QString& text)
{
    const QStringList lines = text.split('\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        if (n > 0)
            QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClicks(field, lines[n]);
    }
}

QString WithoutAnchors(QString html) { return html.remove(QString::fromLatin1(LineAnchor::Element.data())); }

// Receives the links the pane hands to the desktop's browser.
class DesktopBrowser : public QObject {
    Q_OBJECT
public:
    DesktopBrowser()
    {
        for (const char* scheme : {"http", "https", "javascript"})
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~DesktopBrowser() override
    {
        for (const char* scheme : {"http", "https", "javascript"})
            QDesktopServices::unsetUrlHandler(scheme);
    }
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

}  // namespace

class tst_LivePreview : public QObject {
    Q_OBJECT
private slots:
    void init() { m_fixture = std::make_unique<EditorFixture>(); }
    void cleanup() { m_fixture.reset(); }
    void webEngineStartsWithThePane();  // first: nothing may have started it before
    void anchorsLeaveTheRenderersOutput_data();
    void anchorsLeaveTheRenderersOutput();
    void paneShowsTheRenderersOutput_data();
    void paneShowsTheRenderersOutput();
    void noScriptOfThePostRuns();
    void paneFollowsTheBody();
    void keyboardAndScreenReaders();

private:
    // A window with the pane open, its page shown.
    std::unique_ptr<MainWindow> OpenWithPane();
    LivePreviewPane* Pane(MainWindow& w) { return w.findChild<LivePreviewPane*>(); }
    QVariant Run(MainWindow& w, const QString& script);
    // Waits for the pane to show the body as it is now.
    bool WaitForUpdate(MainWindow& w);
    // Where the text `needle` stands in the pane: its top in the pane's
    // view and its centre; empty when not found.
    QVariantList Place(MainWindow& w, const QString& needle);

    std::unique_ptr<EditorFixture> m_fixture;
};

std::unique_ptr<MainWindow> tst_LivePreview::OpenWithPane()
{
    auto w = m_fixture->MakeWindow();
    w->findChild<QAction*>("livePreviewAction")->trigger();
    QSignalSpy updated(Pane(*w), &LivePreviewPane::updated);
    if (!updated.wait(30000))
        qWarning("the pane showed no page");
    return w;
}

QVariant tst_LivePreview::Run(MainWindow& w, const QString& script)
{
    // The answer may come after the wait has given up on it.
    struct Answer {
        QVariant value;
        bool done = false;
    };
    auto answer = std::make_shared<Answer>();
    Pane(w)->PageView()->RunScript(script, [answer](const QVariant& value) {
        answer->value = value;
        answer->done = true;
    });
    if (!EventWait::Until([&] { return answer->done; }, 30000))
        qWarning("script timed out");
    return answer->value;
}

bool tst_LivePreview::WaitForUpdate(MainWindow& w)
{
    QSignalSpy updated(Pane(w), &LivePreviewPane::updated);
    return updated.wait(30000);
}

QVariantList tst_LivePreview::Place(MainWindow& w, const QString& needle)
{
    return Run(w,
               ScriptData::Call(QLatin1String(R"js((function (data) {
        const needle = data.needle;
        const walk = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
        for (let node = walk.nextNode(); node; node = walk.nextNode()) {
          const at = node.data.indexOf(needle);
          if (at < 0) continue;
          const range = document.createRange();
          range.setStart(node, at);
          range.setEnd(node, at + needle.length);
          const r = range.getBoundingClientRect();
          return [r.top, r.left + r.width / 2, r.top + r.height / 2];
        }
        return [];
      }))js"),
                                QJsonObject{{"needle", needle}}))
        .toList();
}

void tst_LivePreview::webEngineStartsWithThePane()
{
    {
        auto w = m_fixture->MakeWindow();
        QTest::keyClicks(Controls(*w).bodyEdit, "[b]Typed without the pane[/b]");
        Controls(*w).previewButton->setFocus();
        // No update waits for the pause after typing.
        QVERIFY(!Pane(*w)->UpdateDue());
        QVERIFY(qApp->findChildren<QWebEngineProfile*>().isEmpty());
        QCOMPARE(WebEngineProcesses(), 0);
        QVERIFY(!Pane(*w)->isVisible());
    }
    // On, the choice is kept, and the next window opens with the pane.
    auto w = OpenWithPane();
    QVERIFY(WebEngineProcesses() > 0);
    QVERIFY(m_fixture->settings.livePreview());
    auto* splitter = w->findChild<QSplitter*>("bodySplitter");
    QList<int> sizes = splitter->sizes();
    sizes = {sizes[0] + 20, sizes[1] - 20};
    splitter->setSizes(sizes);
    emit splitter->splitterMoved(sizes[0], 1);
    // The window closes with its size kept, and opens with it again.
    m_fixture->settings.setWindowGeometry(QStringLiteral("MainWindow"), w->saveGeometry());
    w.reset();
    auto again = m_fixture->MakeWindow();
    QVERIFY(Pane(*again)->isVisible());
    QCOMPARE(again->findChild<QSplitter*>("bodySplitter")->sizes(), sizes);
    // Off, the pane lets its page go.
    again->findChild<QAction*>("livePreviewAction")->trigger();
    QVERIFY(!Pane(*again)->isVisible());
    QVERIFY(!Pane(*again)->PageView());
    QVERIFY(!m_fixture->settings.livePreview());
}

void tst_LivePreview::anchorsLeaveTheRenderersOutput_data()
{
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("post");
    QTest::addColumn<QString>("lines");  // the anchors' lines, in order
    const QString nested = "[quote=\"a\"]one\r\n[code]two\r\nthree[/code]\r\n[list]\r\n[*]four\r\n[*]five\r\n[/list]"
                           "[/quote]\r\nsix";
    QTest::newRow("classic: quotes, code and lists") << "classic" << nested << "1 2 3 4 5 6 7";
    QTest::newRow("phpBB 3: quotes, code and lists") << "phpbb3" << nested << "1 2 3 4 5 6 7";
    QTest::newRow("phpBB 3: blank lines trimmed from the start still count") << "phpbb3"
                                                                             << "\r\n \r\nthree\r\nfour"
                                                                             << "3";
    QTest::newRow("phpBB 3: a line starting inside a tag is anchored after it")
        << "phpbb3"
        << "[url=http://a.example/\r\nb]x[/url]\r\ny"
        << "1 2";
    QTest::newRow("classic: no anchor inside a tag, a comment or a text element")
        << "classic"
        << "<a title=\"x\r\ny\">z</a><!--\r\n--><textarea>\r\n</textarea>\r\n<select>\r\n</select>\r\nend"
        << "4 6";
    QTest::newRow("SMF 2.1: after each line break, quotes, code and lists") << "smf21" << nested << "1 2";
    QTest::newRow("classic: a value in single quotes") << "classic"
                                                       << "<img alt='a\r\nb' src=c>\r\nd"
                                                       << "2";
}

void tst_LivePreview::anchorsLeaveTheRenderersOutput()
{
    QFETCH(QString, board);
    QFETCH(QString, post);
    QFETCH(QString, lines);
    const std::string text = ToUtf8(post);
    const LivePreview::Rendered rendered = board == "phpbb3" ? Phpbb3::LivePost(text, {})
        : board == "smf21"                                   ? Smf21::LivePost(text, {})
                                                             : LivePreview::RenderClassic(text, "/pictures/");
    const std::string plain = board == "phpbb3" ? Phpbb3::Render(text).html
        : board == "smf21"                      ? Smf21::Render(text).html
                                                : bbcode::RenderBBCode(text, "/pictures/");
    QCOMPARE(WithoutAnchors(ToQString(rendered.html)), ToQString(plain));
    QStringList found;
    for (const uint32_t line : rendered.lines)
        found.append(QString::number(line));
    QCOMPARE(found.join(' '), lines);
    QCOMPARE(qsizetype(rendered.lines.size()), ToQString(rendered.html).count(LineAnchor::Element.data()));
}

void tst_LivePreview::paneShowsTheRenderersOutput_data()
{
    QTest::addColumn<QString>("board");
    QTest::newRow("classic") << "";
    QTest::newRow("phpBB 3") << "phpbb3";
    QTest::newRow("MyBB 1.8") << "mybb18";
    QTest::newRow("SMF 2.1") << "smf21";
}

void tst_LivePreview::paneShowsTheRenderersOutput()
{
    QFETCH(QString, board);
    const QString site = "http://127.0.0.1:9/board/";
    m_fixture->settings.setSiteAddress(site);
    if (!board.isEmpty())
        BoardProfiles::SaveFound(m_fixture->settings, site, &KindOf(board), FoundOn::IndexPage);
    auto w = OpenWithPane();
    QPlainTextEdit* body = Controls(*w).bodyEdit;
    const QString start =
        "[quote=\"Ann\"]Quoted :)\n[code]a < b\n  c[/code][/quote]\n[list]\n[*]one\n[/list]\nmiddle\nend";
    EditorFixture::SetPost(*w, start, 0);
    QVERIFY(WaitForUpdate(*w));
    // Typing at the end, in the first line (inside a quote), then in a line
    // of its own (the stretch between two anchors alone) changes the page.
    const std::pair<QString, QString> edits[] = {
        {"", "\n[i]x"}, {"Quoted ", "[u]x[/u]"}, {"mid", "[b]bold\nnew line[/b]"}};
    for (const auto& [after, typed] : edits) {
        QTextCursor caret = body->textCursor();
        if (after.isEmpty())
            caret.movePosition(QTextCursor::End);
        else
            caret.setPosition(int(body->toPlainText().indexOf(after) + after.size()));
        body->setTextCursor(caret);
        Type(body, typed);
        QVERIFY(WaitForUpdate(*w));
    }
    const std::string post = w->Post().Post();
    // The whole post rendered at once for the site's board.
    const std::string expected =
        SitePictures::DialectFor(w->Board(), m_fixture->context.pictureFolder, site)->LivePost(post).html;
    // Read back through the program's world: the page's content without the
    // anchors, against the renderer's HTML as the browser reads it.
    const QString difference = Run(*w,
                                   ScriptData::Call(QLatin1String(R"js((function (expected) {
          const shown = document.getElementById('qf-live-post').cloneNode(true);
          for (const anchor of Array.from(shown.getElementsByTagName('qf-line')))
            anchor.remove();
          const parsed = document.createElement('template');
          parsed.innerHTML = expected.html;
          for (const anchor of Array.from(parsed.content.querySelectorAll('qf-line')))
            anchor.remove();
          return shown.innerHTML === parsed.innerHTML ? '' : shown.innerHTML + '\n---\n' + parsed.innerHTML;
        }))js"),
                                                    QJsonObject{{"html", ToQString(expected)}}))
                                   .toString();
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void tst_LivePreview::noScriptOfThePostRuns()
{
    QTemporaryDir root;
    PhpServer php(root.path());
    QVERIFY2(php.Start(), qPrintable(php.ErrorString()));
    DesktopBrowser desktop;
    auto w = OpenWithPane();
    const QString server = php.Url("/").toString();
    EditorFixture::SetPost(*w,
                           QString("<script src=\"%1script.js\"></script><script>new Image().src='%1inline';"
                                   " document.documentElement.dataset.ran = 'inline'</script>\n"
                                   "<img src=\"nothing.gif\" onerror=\"new Image().src='%1onerror';"
                                   " document.documentElement.dataset.ran = 'onerror'\">\n"
                                   "<a id=\"js\" href=\"javascript:void(new Image().src='%1javascript',"
                                   " document.documentElement.dataset.ran = 'javascript')\">run</a>\n"
                                   "<a id=\"web\" href=\"%1page\">web</a>")
                               .arg(server),
                           0);
    QVERIFY(WaitForUpdate(*w));
    QWidget* input = Pane(*w)->PageView()->View()->focusProxy();
    QVERIFY(input);
    const auto click = [&](const QString& id) {
        const QVariantList box =
            Run(*w,
                QString("(function(){ const r = document.getElementById('%1').getBoundingClientRect();"
                        " return [r.left + r.width / 2, r.top + r.height / 2]; })()")
                    .arg(id))
                .toList();
        QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(box.value(0).toInt(), box.value(1).toInt()));
    };
    // The web link goes to the desktop's browser. A page still starting (as
    // under the sanitizers) may miss a click: it is clicked again until then.
    for (int attempt = 0; attempt < 20 && desktop.opened.isEmpty(); ++attempt) {
        click("web");
        (void)EventWait::Until([&] { return !desktop.opened.isEmpty(); }, 500);
    }
    QCOMPARE(desktop.opened, QList<QUrl>{QUrl(server + "page")});
    // The script link goes nowhere: the page takes the web link clicked after
    // it only once it has done what the script link asked.
    click("js");
    click("web");
    QF_TRY_COMPARE_WITH_TIMEOUT(desktop.opened.size(), 2, 30000);
    QVERIFY2(!php.Log().contains(" /"), php.Log().constData());
    // Nor did any of them touch the page (the application's world sees the
    // page's own elements).
    QCOMPARE(Run(*w, "document.documentElement.dataset.ran || ''").toString(), QString());
    // The pane still shows its own page.
    QCOMPARE(Run(*w, "document.getElementById('qf-live-post') !== null").toBool(), true);
}

void tst_LivePreview::paneFollowsTheBody()
{
    auto w = OpenWithPane();
    QPlainTextEdit* body = Controls(*w).bodyEdit;
    QStringList lines;
    for (int n = 0; n < 400; ++n) {
        const QString text = QString("L%1.").arg(n);
        switch (n % 40) {
        case 10:
            lines << "[quote=\"x\"]" + text;
            break;
        case 14:
            lines << text + "[/quote]";
            break;
        case 20:
            lines << "[code]" + text;
            break;
        case 24:
            lines << text + "[/code]";
            break;
        case 30:
            lines << "[list]"
                  << "[*]" + text;
            break;
        case 33:
            lines << "[*]" + text + "[/list]";
            break;
        default:
            lines << text;
        }
    }
    // Lists take two body lines: the body's line of "L<n>." is looked up.
    EditorFixture::SetPost(*w, lines.join('\n'), 0);
    QVERIFY(WaitForUpdate(*w));
    const auto lineOf = [&](int n) { return body->document()->find(QString("L%1.").arg(n)).block().blockNumber(); };
    const int viewHeight = Pane(*w)->PageView()->View()->height();
    // Scrolling the body: its top line comes to the top of the pane.
    for (const int n : {212, 331, 57}) {
        body->verticalScrollBar()->setValue(lineOf(n));
        QF_TRY_VERIFY(body->cursorForPosition(QPoint(0, 0)).blockNumber() == lineOf(n));
        QF_TRY_VERIFY2(Place(*w, QString("L%1.").arg(n)).value(0).toDouble() >= 0
                         && Place(*w, QString("L%1.").arg(n)).value(0).toDouble() < viewHeight / 4,
                     qPrintable(QString::number(n)));
    }
    // Typing: the caret's line is in view.
    QTextCursor caret(body->document()->findBlockByNumber(lineOf(388)));
    caret.movePosition(QTextCursor::EndOfBlock);
    body->setTextCursor(caret);
    QTest::keyClicks(body, "x");
    QVERIFY(WaitForUpdate(*w));
    const double top = Place(*w, "L388.").value(0).toDouble();
    QVERIFY2(top >= 0 && top < viewHeight, qPrintable(QString::number(top)));
    // A double click in the pane puts the caret at the start of that line.
    const QVariantList place = Place(*w, "L385.");
    QTest::mouseDClick(Pane(*w)->PageView()->View()->focusProxy(), Qt::LeftButton, {},
                       QPoint(place.value(1).toInt(), place.value(2).toInt()));
    QF_TRY_COMPARE(body->textCursor().blockNumber(), lineOf(385));
    QCOMPARE(body->textCursor().positionInBlock(), 0);
    QVERIFY(body->hasFocus());
}

void tst_LivePreview::keyboardAndScreenReaders()
{
    auto w = OpenWithPane();
    QPlainTextEdit* body = Controls(*w).bodyEdit;
    QWidget* view = Pane(*w)->PageView()->View();
    QCOMPARE(view->accessibleName(), QString("Live preview"));
    body->setFocus();
    QTest::keyClick(body, Qt::Key_F6);
    QF_TRY_VERIFY(view->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    QF_TRY_VERIFY(body->hasFocus());
}

QF_TEST_MAIN(tst_LivePreview)
#include "tst_livepreview.moc"
