// SPDX-License-Identifier: MIT
// The preview command's page file: its bytes, replacing an earlier page, and a
// page that cannot be written (a message naming the file and the reason, and
// no window). The browser window itself is tst_browserwindow.

#include "base/AppContext.h"
#include "base/Settings.h"
#include "post/PostDocument.h"
#include "editor/MainWindow.h"
#include "board/classic/BBCodeRenderer.h"
#include "browser/BrowserWindow.h"
#include "support/TestBoards.h"
#include "support/ModalDriver.h"
#include "support/PermissionBits.h"
#include "support/PostControls.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"
#include "base/Utf8.h"
#include "board/BoardProfiles.h"
#include "support/WebView.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolBar>
#include <QWebEngineProfile>

#include <optional>

namespace {

// The web engine's helper processes started by this test program.
int WebEngineProcesses()
{
    int count = 0;
    const QString self = QString::number(QCoreApplication::applicationPid());
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat("/proc/" + pid + "/stat");
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid ..."
        const QByteArray line = stat.readAll();
        const qsizetype close = line.lastIndexOf(')');
        const QList<QByteArray> fields = line.mid(close + 2).split(' ');
        if (line.contains("(QtWebEngine") && fields.value(1) == self.toLatin1())
            ++count;
    }
    return count;
}

}  // namespace

class tst_PreviewPage : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void webEngineStartsWithTheFirstBrowserWindow();  // first: nothing may have started it before
    void pageBytes_data();
    void pageBytes();
    void previewTwiceReplacesThePage();
    void everyWayInRunsThePreview();
    void previewLeavesThePostAlone();
    void pageThatCannotBeWritten_data();
    void pageThatCannotBeWritten();
    void previewFollowsTheBoard_data();
    void previewFollowsTheBoard();
    void pageIsTheUsersAlone();

private:
    QString PagePath() const { return m_context.WritableFile("preview.htm"); }

    std::unique_ptr<QTemporaryDir> m_folder;
    Settings m_settings;
    ScriptedPlatform* m_platform = nullptr;
    AppContext m_context;
};

void tst_PreviewPage::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_platform = new ScriptedPlatform;
    m_context = AppContext{m_folder->path() + "/", &m_settings, m_platform};
}

void tst_PreviewPage::cleanup()
{
    delete m_platform;
    m_platform = nullptr;
    m_folder.reset();
}

void tst_PreviewPage::webEngineStartsWithTheFirstBrowserWindow()
{
    MainWindow owner(m_context);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    {
        ModalDriver about;
        Controls(owner).aboutAction->trigger();  // the about window is no browser window
        QCOMPARE(about.Driven(), 1);
    }
    QVERIFY(qApp->findChildren<QWebEngineProfile*>().isEmpty());
    QCOMPARE(WebEngineProcesses(), 0);

    int whileShown = 0;
    ModalDriver watcher([&](QWidget* w) {
        auto* window = qobject_cast<BrowserWindow*>(w);
        QVERIFY(window);
        QF_TRY_VERIFY_WITH_TIMEOUT(!window->Busy(), 20000);
        whileShown = WebEngineProcesses();
    });
    owner.preview();
    QCOMPARE(watcher.Driven(), 1);
    QVERIFY(whileShown > 0);
    QCOMPARE(qApp->findChildren<QWebEngineProfile*>().size(), 1);
}

namespace {

// First in the page: the policy under which none of the page's own scripts
// runs (a post may quote other people's HTML).
const QByteArray ScriptsOff = "<meta http-equiv=\"Content-Security-Policy\" content=\"script-src 'none'\">";

}  // namespace

void tst_PreviewPage::pageBytes_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QByteArray>("post");
    QTest::addColumn<QByteArray>("page");
    QTest::newRow("an empty post is the empty font wrapper and a line break")
        << QString() << QByteArray() << QByteArray("<font face=\"Arial\"></font>\r\n");
    QTest::newRow("a post whose text lies in the title only is an empty page")
        << "Only a title" << QByteArray() << QByteArray("<font face=\"Arial\"></font>\r\n");
    QTest::newRow("the fragment is followed by exactly one CR LF")
        << QString() << QByteArray("[b]x[/b]") << QByteArray("<font face=\"Arial\"><b>x</b></font>\r\n");
    QTest::newRow("line breaks of the post stay in the fragment")
        << QString() << QByteArray("a\r\nb") << QByteArray("<font face=\"Arial\">a<br />\nb</font>\r\n");
    QTest::newRow("text beyond ASCII is written as UTF-8 without a byte-order mark")
        << QString() << QByteArray("\xC3\xA9\xE2\x82\xAC")
        << QByteArray("<font face=\"Arial\">\xC3\xA9\xE2\x82\xAC</font>\r\n");
}

void tst_PreviewPage::pageBytes()
{
    QFETCH(QString, title);
    QFETCH(QByteArray, post);
    QFETCH(QByteArray, page);
    MainWindow owner(m_context);
    Controls(owner).subjectEdit->setText(title);
    owner.Post().SetPost(ToUtf8(post));
    QString caption;
    ModalDriver watcher([&](QWidget* window) { caption = window->windowTitle(); });
    owner.preview();
    QCOMPARE(watcher.Driven(), 1);
    QCOMPARE(caption, QString("Preview post"));
    QCOMPARE(ReadAll(PagePath()), ScriptsOff + page);
    QCOMPARE(m_platform->messages.size(), 0);
}

void tst_PreviewPage::previewTwiceReplacesThePage()
{
    MainWindow owner(m_context);
    QList<QByteArray> pagesSeen;
    ModalDriver watcher([&](QWidget*) { pagesSeen << ReadAll(PagePath()); });
    owner.Post().SetPost("a long first text that the second one is shorter than");
    owner.preview();
    owner.Post().SetPost("second");
    owner.preview();
    QCOMPARE(watcher.Driven(), 2);
    const QByteArray second = ScriptsOff
        + QByteArray::fromStdString(bbcode::RenderBBCode("second", ToUtf8(m_context.pictureFolder))) + "\r\n";
    QCOMPARE(pagesSeen.value(1), second);
    QCOMPARE(ReadAll(PagePath()), second);
    // Nothing is left behind beside the page.
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList{"preview.htm"});
}

void tst_PreviewPage::everyWayInRunsThePreview()
{
    MainWindow owner(m_context);
    owner.Post().SetPost("x");
    ModalDriver watcher;
    Controls(owner).previewButton->click();
    Controls(owner).previewAction->trigger();
    QAction* toolbarButton = nullptr;
    for (QAction* action : Controls(owner).toolBar->actions())
        if (action->toolTip() == "Preview post")
            toolbarButton = action;
    QVERIFY(toolbarButton);
    toolbarButton->trigger();
    QCOMPARE(watcher.Driven(), 3);
}

void tst_PreviewPage::previewLeavesThePostAlone()
{
    MainWindow owner(m_context);
    Controls(owner).subjectEdit->setText("Title");
    owner.Post().SetPost("[b]body[/b]\r\nline");
    owner.Post().SetState(PostDocument::State::Unchanged);
    ModalDriver watcher;
    owner.preview();
    QCOMPARE(owner.Post().Post(), std::string("[b]body[/b]\r\nline"));
    QCOMPARE(Controls(owner).subjectEdit->text(), QString("Title"));
    QCOMPARE(owner.Post().IsChanged(), false);
    QCOMPARE(Controls(owner).statePanel->text(), QString("No change in post"));
}

void tst_PreviewPage::pageThatCannotBeWritten_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("a read-only program folder") << "read-only";
    QTest::newRow("a read-only program folder holding an earlier page") << "read-only, earlier page";
    // These two stop everyone, root included, without permission bits.
    QTest::newRow("preview.htm is a folder that is not empty") << "folder";
    QTest::newRow("the program folder lies under a regular file") << "under a file";
}

void tst_PreviewPage::pageThatCannotBeWritten()
{
    QFETCH(QString, obstacle);
    std::optional<PermissionBits> permissions;
    const QString folder = m_folder->path();
    if (obstacle.startsWith("read-only")) {
        if (obstacle.endsWith("earlier page"))
            QVERIFY(QFile(PagePath()).open(QIODevice::WriteOnly));
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        permissions.emplace();
        if (!permissions->Binding())
            QSKIP("permission bits cannot be made to bind here");
    } else if (obstacle == "under a file") {
        QFile blocker(m_folder->filePath("plainfile"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        m_context.writableFolder = blocker.fileName() + "/program/";
    } else {
        QVERIFY(QDir().mkpath(PagePath()));
        QFile inside(PagePath() + "/keep.txt");
        QVERIFY(inside.open(QIODevice::WriteOnly));
    }
    MainWindow owner(m_context);
    owner.Post().SetPost("lost? no: the post stays in the editor");
    m_platform->answers << MsgAnswer::OK;
    ModalDriver watcher;
    owner.preview();
    permissions.reset();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(watcher.Driven(), 0);
    QCOMPARE(m_platform->messages.size(), 1);
    const MsgBoxCall& box = m_platform->messages[0];
    QVERIFY2(box.text.contains(QDir::toNativeSeparators(PagePath())), qPrintable(box.text));
    // The system's reason follows the file's name.
    const QString reason = box.text.section("\r\n", 1);
    QVERIFY2(!reason.trimmed().isEmpty(), qPrintable(box.text));
    QCOMPARE(box.buttons, MsgButtons::OK);
    QCOMPARE(box.icon, MsgIcon::Critical);
    QCOMPARE(box.title, QString("Quillforge"));
    QCOMPARE(box.owner, &owner);
    QCOMPARE(owner.Post().Post(), std::string("lost? no: the post stays in the editor"));
}

void tst_PreviewPage::previewFollowsTheBoard_data()
{
    QTest::addColumn<QString>("board");  // the kind found for the site, or ""
    QTest::addColumn<QByteArray>("post");
    QTest::addColumn<QStringList>("holds");  // pieces of the page ("PICTURES/" is the program's emo/ address)
    const QByteArray post = ":) 8-) [size=150]x[/size] www.example.org";
    const QStringList classic = {"<font face=\"Arial\"><img border=\"0\"src=\"",
                                 "<span style=\"font-size:150px\">x</span>"};
    QTest::newRow("unknown kind: the classic page") << "" << post << classic;
    QTest::newRow("phpBB 2: the classic page") << "phpbb2" << post << classic;
    QTest::newRow("phpBB 3: its HTML, its codes, the program's pictures of the same faces")
        << "phpbb3" << post
        << QStringList{"<!DOCTYPE html>",
                       "<div class=\"content\">",
                       "<img class=\"smilies\" src=\"PICTURES/smile.gif\" width=\"15\" height=\"17\" alt=\":)\" "
                       "title=\"Smile\">",
                       "src=\"PICTURES/cool.gif\"",
                       "<span style=\"font-size:150%;line-height:116%\">x</span>",
                       "<a href=\"http://www.example.org\" class=\"postlink\">www.example.org</a>"};
}

void tst_PreviewPage::previewFollowsTheBoard()
{
    QFETCH(QString, board);
    QFETCH(QByteArray, post);
    QFETCH(QStringList, holds);
    const QString site = "http://127.0.0.1:9/board/";
    m_settings.setSiteAddress(site);
    if (!board.isEmpty())
        BoardProfiles::SaveFound(m_settings, site, &KindOf(board), FoundOn::IndexPage);
    // The program's pictures, as beside the program.
    QVERIFY(QDir(m_context.pictureFolder).mkpath("emo"));
    for (const QString name : {"smile.gif", "cool.gif"})
        QVERIFY(QFile::copy(qEnvironmentVariable("QF_SOURCE_DIR") + "/src/emo/" + name,
                            m_context.pictureFolder + "emo/" + name));
    MainWindow owner(m_context);
    owner.Post().SetPost(ToUtf8(post));
    QString fontSize, quoteColour;
    ModalDriver watcher([&](QWidget* w) {
        auto* window = qobject_cast<BrowserWindow*>(w);
        QVERIFY(window);
        QF_TRY_VERIFY_WITH_TIMEOUT(!window->Busy(), 20000);
        fontSize = RunScript(window,
                             "(function(){ const c = document.querySelector('.content');"
                             " return c ? getComputedStyle(c).fontSize : ''; })()")
                       .toString();
    });
    owner.preview();
    QCOMPARE(watcher.Driven(), 1);
    const QString page = QString::fromUtf8(ReadAll(PagePath()));
    const QString pictures = QUrl::fromLocalFile(m_context.pictureFolder + "emo").toString(QUrl::FullyEncoded);
    for (QString piece : holds)
        QVERIFY2(page.contains(piece.replace("PICTURES", pictures)), qPrintable(piece + "\n in \n" + page));
    // The policy comes before anything of the post's.
    QVERIFY(page.indexOf(ScriptsOff) >= 0 && page.indexOf(ScriptsOff) < page.indexOf("<span"));
    // The board's look applies: the post's text at the board's 13 pixels.
    QCOMPARE(fontSize, board == "phpbb3" ? QString("13px") : QString());
}

void tst_PreviewPage::pageIsTheUsersAlone()
{
    // A link planted where the page goes is replaced, not written through;
    // the page and a data folder made for it are the user's alone.
    m_context.writableFolder = m_folder->path() + "/data/Quillforge/Quillforge/";
    const QString victim = m_folder->path() + "/victim.txt";
    QVERIFY(WriteAll(victim, "untouched"));
    QVERIFY(QDir().mkpath(m_context.writableFolder));
    QVERIFY(QFile::link(victim, PagePath()));
    QVERIFY(QFile::setPermissions(m_context.writableFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    MainWindow owner(m_context);
    owner.Post().SetPost("A private post");
    ModalDriver watcher;
    owner.preview();
    QCOMPARE(watcher.Driven(), 1);
    QCOMPARE(ReadAll(victim), QByteArray("untouched"));
    QVERIFY(!QFileInfo(PagePath()).isSymLink());
    QCOMPARE(ModeOf(PagePath()), 0600);

    // Made anew, the folders are the user's alone too.
    m_context.writableFolder = m_folder->path() + "/fresh/Quillforge/";
    MainWindow again(m_context);
    ModalDriver second;
    again.preview();
    QCOMPARE(second.Driven(), 1);
    for (const QString folder : {"/fresh", "/fresh/Quillforge"})
        QCOMPARE(ModeOf(m_folder->path() + folder), 0700);
    QCOMPARE(ModeOf(PagePath()), 0600);
}

QF_TEST_MAIN(tst_PreviewPage)
#include "tst_previewpage.moc"
