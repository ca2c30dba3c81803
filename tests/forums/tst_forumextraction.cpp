// SPDX-License-Identifier: MIT
// The forum extraction end to end: index pages served by PHP's built-in web
// server on 127.0.0.1, read through the real browser control, scanned into
// the extraction list; the failure message; the pause and the wait that keep
// the program responsive, and the limit on a page that never finishes; what
// the user may do while it waits (press Start Extracting again, Save, Cancel,
// close the dialog); Test Address; and the whole road from the menu to the
// main window's chooser.

#include "editor/MainWindow.h"
#include "forums/ForumListFile.h"
#include "forums/OptionsDialog.h"
#include "browser/BrowserWindow.h"
#include "support/EditorFixture.h"
#include "support/LocalWebServer.h"
#include "support/ModalDriver.h"
#include "support/PhpServer.h"
#include "support/PostControls.h"
#include "support/TestMain.h"
#include "support/WebView.h"
#include "browser/BrowserProfile.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTcpServer>
#include <QWebEngineProfile>
#include <QWebEnginePage>

using namespace std::chrono_literals;

namespace {

const QString Failure = QStringLiteral("There was a problem extracting the forums from your site.\r\n"
                                       "either the address is wrong, or your forum is not compatible with Quillforge");

// Short enough for tests, long enough for the engine to load a page.
const ForumExtraction::Timing Quick{200ms, 30s};

QStringList Expected(const QString& name)
{
    QFile file(QStringLiteral(QF_BOARDS_DIR "/%1.expected").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        return {"<no expected file>"};
    QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The entries as forums.inf gets them (names as the page writes them).
QStringList Items(const QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
        const QVariant entry = list->item(i)->data(Qt::UserRole);
        items.append(entry.isValid() ? entry.toString() : list->item(i)->text());
    }
    return items;
}

// The entries as the list shows them: names as the board shows them.
QStringList Shown(const QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->item(i)->text());
    return items;
}

int BrowserWindows()
{
    int count = 0;
    for (QWidget* widget : QApplication::allWidgets())
        if (qobject_cast<BrowserWindow*>(widget))
            ++count;
    return count;
}

void ReplaceText(QLineEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

void Click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }

// Runs `step` once the event loop runs again, `delay` from now.
void Later(std::chrono::milliseconds delay, std::function<void()> step)
{
    QTimer::singleShot(delay, qApp, std::move(step));
}

}  // namespace

class tst_ForumExtraction : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void boardPages_data();
    void boardPages();
    void failures_data();
    void failures();
    void failureAfterSomeEntriesKeepsThem();
    void extractingAgainReplacesTheList();
    void pauseAndWaitKeepTheProgramResponsive();
    void pageThatNeverFinishesLoading();
    void pressedAgainDuringTheWait();
    void dialogEndsDuringTheWait_data();
    void dialogEndsDuringTheWait();
    void programEndsDuringTheWait();
    void testAddressShowsTheAddressAsTyped();
    void fromTheMenuToTheChooser();

private:
    OptionsDialog* MakeDialog(ForumExtraction::Timing timing = Quick, QWidget* owner = nullptr, bool show = true);
    void Extract(OptionsDialog* dialog, const QString& address);

    std::unique_ptr<PhpServer> m_php;
    std::unique_ptr<EditorFixture> m_fixture;
    std::unique_ptr<MainWindow> m_mainWindow;
    QPointer<OptionsDialog> m_dialog;
};

void tst_ForumExtraction::initTestCase()
{
    m_php = std::make_unique<PhpServer>(QStringLiteral(QF_BOARDS_DIR));
    QVERIFY2(m_php->Start(), qPrintable(m_php->ErrorString()));
}

void tst_ForumExtraction::init() { m_fixture = std::make_unique<EditorFixture>(); }

void tst_ForumExtraction::cleanup()
{
    delete m_dialog.data();
    m_mainWindow.reset();
    m_fixture.reset();
    QCOMPARE(BrowserWindows(), 0);
}

OptionsDialog* tst_ForumExtraction::MakeDialog(ForumExtraction::Timing timing, QWidget* owner, bool show)
{
    const auto mainWindow = [this] {
        if (!m_mainWindow)
            m_mainWindow = std::make_unique<MainWindow>(m_fixture->context);
        m_mainWindow->ReloadForums();
    };
    m_dialog = new OptionsDialog(m_fixture->context, mainWindow, owner, timing);
    if (!show)
        return m_dialog;
    m_dialog->show();
    if (!QTest::qWaitForWindowExposed(m_dialog))
        qWarning("dialog not shown");
    QTest::mouseClick(m_dialog->pageTabs, Qt::LeftButton, {}, m_dialog->pageTabs->tabRect(1).center());
    return m_dialog;
}

void tst_ForumExtraction::Extract(OptionsDialog* dialog, const QString& address)
{
    ReplaceText(dialog->indexAddressEdit, address);
    Click(dialog->startExtractingButton);
}

void tst_ForumExtraction::boardPages_data()
{
    QTest::addColumn<QString>("page");   // boards/PAGE.php, a query after "?"; boards/PAGE.expected
    QTest::addColumn<QString>("board");  // what Options then says about the site's board
    const QString two = "Board: phpBB 2, found on the index page", three = "Board: phpBB 3, found on the index page";
    QTest::newRow("category table, session ids, moderator and last-post links, & in names") << "classic" << two;
    QTest::newRow("lists: category header left out, sub-forum, last-post links naming the forum") << "lists" << three;
    QTest::newRow("capital-letter markup, &amp;f=, inner tags, names over several lines, "
                  "commented-out link, address in a script, forums linked twice")
        << "mixed"
        << "Board: not known yet";
    QTest::newRow("current boards, 3.0 kind: picture-only last-post links under each forum's number")
        << "phpbb30" << three;
    QTest::newRow("current boards, 3.2 kind: last-post links named by topic titles, a sub-forum") << "phpbb32" << three;
    QTest::newRow("current boards, 3.3 kind: last-post links without a forum number") << "phpbb33" << three;
    QTest::newRow("a pop-up the page opens by itself while it loads does not replace it") << "popup" << three;
    // The same board in each phpBB 3 style and version: two categories, a
    // sub-forum, a link forum, a forum linked from a description, a category
    // with no forum; each forum and sub-forum once, no category, no link forum.
    QTest::newRow("prosilver 3.0, feeds on: feed links commented out, with the board's address")
        << "prosilver?version=3.0&feeds=on" << three;
    QTest::newRow("prosilver 3.2, feeds on: feed links commented out") << "prosilver?version=3.2&feeds=on" << three;
    QTest::newRow("prosilver 3.2, feeds off") << "prosilver?version=3.2&feeds=off" << three;
    QTest::newRow("prosilver 3.3, feeds on") << "prosilver?version=3.3&feeds=on" << three;
    QTest::newRow("prosilver 3.3, feeds off") << "prosilver?version=3.3&feeds=off" << three;
    QTest::newRow("subsilver2 3.0: a table, forum links of the class forumlink") << "subsilver2" << three;
    const QString mybb = "Board: MyBB 1.8, found on the index page", smf = "Board: SMF 2.1, found on the index page";
    QTest::newRow("MyBB default theme: categories, sub-forums, a redirect forum, last-post and profile links")
        << "mybb18" << mybb;
    QTest::newRow("MyBB with search-engine friendly addresses") << "mybb18sef" << mybb;
    QTest::newRow("SMF, a guest's first page: session ids in the links, news linking a board, a redirect board")
        << "smf21" << smf;
    QTest::newRow("SMF, a member's page: icons and categories linking unread posts, a new child board")
        << "smf21member" << smf;
    QTest::newRow("SMF with search-engine friendly addresses") << "smf21sef" << smf;
}

void tst_ForumExtraction::boardPages()
{
    QFETCH(QString, page);
    QFETCH(QString, board);
    const QString name = page.section('?', 0, 0), query = page.contains('?') ? "?" + page.section('?', 1) : QString();
    const QString address = m_php->Url("/" + name + ".php" + query).toString();
    OptionsDialog* d = MakeDialog();
    ReplaceText(d->siteAddressEdit, address);
    QSignalSpy found(d, &OptionsDialog::boardFound);
    Extract(d, address);
    QVERIFY2(m_fixture->platform.messages.isEmpty(), qPrintable(m_fixture->platform.MessageTexts().join('|')));
    QCOMPARE(Items(d->forumsFoundList), Expected(name));
    QStringList decoded = Expected(name);
    decoded.replaceInStrings("&lt;", "<").replaceInStrings("&gt;", ">").replaceInStrings("&amp;", "&");
    QCOMPARE(Shown(d->forumsFoundList), decoded);
    QCOMPARE(d->boardFoundLabel->text(), board);
    // The main window learns the board at once, not only on Save.
    QCOMPARE(found.count(), 1);
    QCOMPARE(d->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(BrowserWindows(), 0);
    QVERIFY(d->isVisible());
}

void tst_ForumExtraction::failures_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QStringList>("listAfter");
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const QString nobody = QString("http://127.0.0.1:%1/index.php").arg(closed.serverPort());
    closed.close();
    QTest::newRow("page without forum links: the list is emptied")
        << m_php->Url("/nolinks.php").toString() << QStringList{};
    QTest::newRow("page whose forum links all have blank names: the list is emptied")
        << m_php->Url("/blanknames.php").toString() << QStringList{};
    QTest::newRow("page the server does not have (404): not loaded, the list stays")
        << m_php->Url("/missing.php").toString() << QStringList{"9- Earlier"};
    QTest::newRow("address nothing answers on: the list stays") << nobody << QStringList{"9- Earlier"};
    QTest::newRow("address without a scheme: the list stays") << "127.0.0.1/forum/" << QStringList{"9- Earlier"};
    QTest::newRow("the default address: the list stays") << "HTTP://" << QStringList{"9- Earlier"};
    QTest::newRow("empty address") << "" << QStringList{"9- Earlier"};
}

void tst_ForumExtraction::failures()
{
    QFETCH(QString, address);
    QFETCH(QStringList, listAfter);
    OptionsDialog* d = MakeDialog();
    d->forumsFoundList->addItem("9- Earlier");
    Extract(d, address);
    QCOMPARE(m_fixture->platform.messages.size(), 1);
    const MsgBoxCall& message = m_fixture->platform.messages[0];
    QCOMPARE(message.text, Failure);
    QCOMPARE(message.buttons, MsgButtons::OK);
    QCOMPARE(message.icon, MsgIcon::Critical);
    QCOMPARE(message.title, QString("Quillforge"));
    QCOMPARE(message.owner, d);
    QCOMPARE(Items(d->forumsFoundList), listAfter);
    QCOMPARE(d->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(BrowserWindows(), 0);
    QVERIFY(d->isVisible());
}

void tst_ForumExtraction::failureAfterSomeEntriesKeepsThem()
{
    OptionsDialog* d = MakeDialog();
    Extract(d, m_php->Url("/broken.php").toString());
    QCOMPARE(m_fixture->platform.MessageTexts(), QStringList{Failure});
    QCOMPARE(Items(d->forumsFoundList), QStringList{"1- One"});
}

void tst_ForumExtraction::extractingAgainReplacesTheList()
{
    OptionsDialog* d = MakeDialog();
    Extract(d, m_php->Url("/classic.php").toString());
    QCOMPARE(Items(d->forumsFoundList), Expected("classic"));
    Extract(d, m_php->Url("/lists.php").toString());
    QCOMPARE(Items(d->forumsFoundList), Expected("lists"));
    QVERIFY(m_fixture->platform.messages.isEmpty());
}

void tst_ForumExtraction::pauseAndWaitKeepTheProgramResponsive()
{
    m_mainWindow = m_fixture->MakeWindow();
    OptionsDialog* d = MakeDialog({1500ms, 30s}, m_mainWindow.get());
    QStringList seen;
    Later(300ms, [&] {
        // The extraction is waiting: hourglass on the dialog, a hidden
        // browser window, and the main window takes typing.
        seen << QString("cursor %1").arg(d->cursor().shape() == Qt::WaitCursor ? "hourglass" : "arrow");
        seen << QString("browsers %1").arg(BrowserWindows());
        for (QWidget* widget : QApplication::allWidgets())
            if (auto* browser = qobject_cast<BrowserWindow*>(widget))
                seen << QString("browser shown %1").arg(browser->isVisible());
        m_mainWindow->activateWindow();
        QTest::keyClicks(Controls(*m_mainWindow).subjectEdit, "typed meanwhile");
    });
    QElapsedTimer clock;
    clock.start();
    Extract(d, m_php->Url("/classic.php").toString());
    QVERIFY2(clock.elapsed() >= 1500, "the page is read only after the pause");
    QCOMPARE(seen, (QStringList{"cursor hourglass", "browsers 1", "browser shown 0"}));
    QCOMPARE(Controls(*m_mainWindow).subjectEdit->text(), QString("typed meanwhile"));
    QCOMPARE(Items(d->forumsFoundList), Expected("classic"));
}

void tst_ForumExtraction::pageThatNeverFinishesLoading()
{
    LocalWebServer server;
    QVERIFY(server.Start());
    server.Serve("/never.php", "<a href=\"?f=1\">One</a>");
    server.Hold("/never.php");
    OptionsDialog* d = MakeDialog({100ms, 1s});
    QElapsedTimer clock;
    clock.start();
    Extract(d, server.Url("/never.php").toString());
    QVERIFY2(clock.elapsed() >= 1000, "the limit is counted from the request");
    QVERIFY(clock.elapsed() < 20000);
    QCOMPARE(m_fixture->platform.MessageTexts(), QStringList{Failure});
    QCOMPARE(BrowserWindows(), 0);
    QCOMPARE(d->cursor().shape(), Qt::ArrowCursor);
    server.Release("/never.php");
}

void tst_ForumExtraction::pressedAgainDuringTheWait()
{
    LocalWebServer server;
    QVERIFY(server.Start());
    server.Serve("/slow.php", "<a href=\"viewforum.php?f=1\">Slow</a>");
    server.Hold("/slow.php");
    OptionsDialog* d = MakeDialog();
    int browsersDuringSecond = -1;
    bool secondReturned = false;
    connect(&server, &LocalWebServer::requestReceived, this, [&](const QString& path) {
        if (path != "/slow.php")
            return;
        // The first press waits on a page that does not come; the user
        // corrects the address and presses again.
        Later(0ms, [&] {
            Later(100ms, [&] { browsersDuringSecond = BrowserWindows(); });
            Extract(d, m_php->Url("/classic.php").toString());
            secondReturned = true;
        });
    });
    Extract(d, server.Url("/slow.php").toString());
    QVERIFY(secondReturned);
    // The first read was dropped at once: one browser window at a time.
    QCOMPARE(browsersDuringSecond, 1);
    QCOMPARE(Items(d->forumsFoundList), Expected("classic"));
    QVERIFY2(m_fixture->platform.messages.isEmpty(), qPrintable(m_fixture->platform.MessageTexts().join('|')));
    QCOMPARE(d->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(BrowserWindows(), 0);
    server.Release("/slow.php");
}

void tst_ForumExtraction::dialogEndsDuringTheWait_data()
{
    QTest::addColumn<QString>("ending");
    QTest::addColumn<bool>("modal");
    for (bool modal : {false, true}) {
        const char* kind = modal ? "modal" : "modeless";
        QTest::addRow("Cancel, %s", kind) << "cancel" << modal;
        QTest::addRow("Save, %s", kind) << "save" << modal;
        QTest::addRow("window frame, %s", kind) << "frame" << modal;
    }
    QTest::newRow("dialog destroyed with its owner") << "owner gone" << false;
}

void tst_ForumExtraction::dialogEndsDuringTheWait()
{
    QFETCH(QString, ending);
    QFETCH(bool, modal);
    LocalWebServer server;
    QVERIFY(server.Start());
    server.Serve("/slow.php", "<a href=\"viewforum.php?f=1\">Slow</a>");
    server.Hold("/slow.php");
    auto owner = std::make_unique<QWidget>();
    OptionsDialog* d = MakeDialog(Quick, ending == "owner gone" ? owner.get() : nullptr, !modal);
    const auto start = [&] {
        ReplaceText(d->siteAddressEdit, "http://forum.test/index.php");
        // What an earlier extraction left; Save stores it.
        d->forumsFoundList->addItems({"1- Earlier", "2- Found"});
        Extract(d, server.Url("/slow.php").toString());
    };
    QString during;
    connect(&server, &LocalWebServer::requestReceived, this, [&](const QString&) {
        Later(50ms, [&] {
            during = QString("cursor %1 modal %2").arg(d->cursor().shape()).arg(d->isModal());
            if (ending == "cancel")
                Click(d->cancelButton);
            else if (ending == "save")
                Click(d->saveButton);
            else if (ending == "frame")
                d->close();
            else
                owner.reset();
        });
    });
    if (modal) {
        // As at the first start: the extraction runs inside the dialog's
        // own modal loop.
        Later(0ms, start);
        d->exec();
    } else {
        start();
    }
    QCOMPARE(during, QString("cursor %1 modal %2").arg(Qt::WaitCursor).arg(modal));
    QF_TRY_VERIFY(m_dialog.isNull());
    QCOMPARE(BrowserWindows(), 0);
    QVERIFY2(m_fixture->platform.messages.isEmpty(), qPrintable(m_fixture->platform.MessageTexts().join('|')));
    const QString path = ForumListFile::PathOf(m_fixture->context);
    if (ending == "save") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("1- Earlier\r\n2- Found\r\n\r\n"));
        QCOMPARE(m_fixture->settings.siteAddress(), QString("http://forum.test/"));
        QVERIFY(m_mainWindow);
        QCOMPARE(Controls(*m_mainWindow).forumChooser->currentText(), QString("1- Earlier"));
    } else {
        QVERIFY(!QFile::exists(path));
        QCOMPARE(m_fixture->settings.siteAddress("none"), QString("none"));
    }
    server.Release("/slow.php");
}

void tst_ForumExtraction::programEndsDuringTheWait()
{
    // The last window closed while an extraction waits: the program ends at
    // once, without waiting out the pause, and leaves no window behind.
    LocalWebServer server;
    QVERIFY(server.Start());
    server.Serve("/slow.php", "<a href=\"viewforum.php?f=1\">Slow</a>");
    server.Hold("/slow.php");
    OptionsDialog* d = MakeDialog(ForumExtraction::Timing{20s, 60s});
    d->forumsFoundList->addItems({"1- Earlier"});
    connect(&server, &LocalWebServer::requestReceived, this,
            [&](const QString&) { Later(50ms, [] { QCoreApplication::exit(0); }); });
    QElapsedTimer clock;
    clock.start();
    Extract(d, server.Url("/slow.php").toString());
    const qint64 took = clock.elapsed();
    const int browsers = BrowserWindows();
    const QStringList list = Items(d->forumsFoundList);
    // Event loops run again only once the program's own loop has ended.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    qApp->exec();
    QVERIFY2(took < 10000, qPrintable(QString::number(took)));
    QCOMPARE(browsers, 0);
    QVERIFY(m_fixture->platform.messages.isEmpty());
    QCOMPARE(list, QStringList{"1- Earlier"});
    server.Release("/slow.php");
}

void tst_ForumExtraction::testAddressShowsTheAddressAsTyped()
{
    LocalWebServer server;
    QVERIFY(server.Start());
    server.Serve("/board/index.php",
                 "<body id=\"phpbb\"><p>Board index</p>"
                 "<a href=\"./viewforum.php?f=2\" class=\"forumtitle\">A forum</a></body>");
    OptionsDialog* d = MakeDialog();
    QTest::mouseClick(d->pageTabs, Qt::LeftButton, {}, d->pageTabs->tabRect(0).center());
    // On a site added just now, which is not the site chosen in the main window.
    Click(d->addSiteButton);
    // Neither cut at "index.php" nor given a "/": the text as typed.
    const QString typed = server.Url("/board/index.php?sid=1").toString();
    ReplaceText(d->siteAddressEdit, typed);
    QString seen;
    QString storage;
    ModalDriver driver([&](QWidget* shown) {
        auto* browser = qobject_cast<BrowserWindow*>(shown);
        if (!browser)
            return;
        storage = WebView(*browser)->page()->profile()->persistentStoragePath();
        QSignalSpy arrived(&server, &LocalWebServer::requestReceived);
        if (server.requests.isEmpty())
            arrived.wait(20000);
        seen = QString("%1|%2|%3|%4")
                   .arg(browser->windowTitle())
                   .arg(browser->parentWidget() == d)
                   .arg(browser->isModal())
                   .arg(server.requests.isEmpty() ? QString() : server.requests[0].path);
        // The page shown tells which board the site runs.
        QF_TRY_COMPARE_WITH_TIMEOUT(d->boardFoundLabel->text(), QString("Board: phpBB 3, found on the index page"),
                                  20000);
    });
    Click(d->testAddressButton);
    QCOMPARE(driver.Driven(), 1);
    QCOMPARE(seen, QString("Preview post|1|1|/board/index.php?sid=1"));
    // Nothing else happens: the address is not stored (only the board found
    // for it is), the dialog stays as it was.
    QVERIFY(d->isVisible());
    QCOMPARE(d->siteAddressEdit->text(), typed);
    QCOMPARE(m_fixture->settings.siteAddress("none"), QString("none"));
    QCOMPARE(BrowserWindows(), 0);
    // The page was opened with that site's own browser data, which goes when
    // the dialog closes without the site being saved.
    QVERIFY(storage != BrowserProfile::Shared()->persistentStoragePath());
    Click(d->cancelButton);
    QCOMPARE(m_fixture->settings.removedSites().size(), 1);
    QCOMPARE(storage, BrowserProfile::StorageFolder(m_fixture->settings.removedSites()[0]));
}

void tst_ForumExtraction::fromTheMenuToTheChooser()
{
    m_mainWindow = m_fixture->MakeWindow();
    QCOMPARE(Controls(*m_mainWindow).forumChooser->currentText(),
             QString("Please define forums in the options in edit menu"));
    Controls(*m_mainWindow).optionsAction->trigger();
    OptionsDialog* d = EditorFixture::OpenWindow<OptionsDialog>();
    QVERIFY(d);
    // The dialog the menu opens waits the full five seconds, for a minute at
    // most; this test reads at the tests' pace.
    QCOMPARE(d->ExtractionTiming().pause, 5000ms);
    QCOMPARE(d->ExtractionTiming().limit, 60000ms);
    d->SetExtractionTiming(Quick);
    ReplaceText(d->siteAddressEdit, m_php->Url("/index.php").toString());
    QTest::mouseClick(d->pageTabs, Qt::LeftButton, {}, d->pageTabs->tabRect(1).center());
    QCOMPARE(d->indexAddressEdit->text(), m_php->Url("/index.php").toString());
    // This board's index page has another name.
    QElapsedTimer clock;
    clock.start();
    Extract(d, m_php->Url("/classic.php").toString());
    QVERIFY(clock.elapsed() >= Quick.pause.count());
    QCOMPARE(Items(d->forumsFoundList), Expected("classic"));
    Click(d->saveButton);

    QCOMPARE(m_fixture->settings.siteAddress(), m_php->Url("/").toString());
    QStringList chooser;
    for (int i = 0; i < Controls(*m_mainWindow).forumChooser->count(); ++i)
        chooser.append(Controls(*m_mainWindow).forumChooser->itemText(i));
    // The chooser shows the names readable; the file keeps them as the page had them.
    QStringList shown = Expected("classic");
    shown.replaceInStrings("&amp;", "&");
    QCOMPARE(chooser, shown);
    QCOMPARE(m_mainWindow->ForumNumber(), QString("1"));
    QFile file(ForumListFile::PathOf(m_fixture->context));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), (Expected("classic").join("\r\n") + "\r\n\r\n").toUtf8());
}

QF_TEST_MAIN(tst_ForumExtraction)
#include "tst_forumextraction.moc"
