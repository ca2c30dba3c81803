// SPDX-License-Identifier: MIT
// Posting end to end: PHP's own web server plays two generations of board on
// 127.0.0.1 (tests/submit/boards: form keys, login with a redirect back,
// HttpOnly session cookies, a Referer check, a multipart posting form,
// Preview, refusals). The main window's Submit opens the real browser window
// at the board's posting page; the test then acts as the user in that page
// (logs in, edits, presses the forum's Preview or Submit with the mouse) and
// reads back what PHP decoded from the form the board stored.

#include "base/Settings.h"
#include "board/BoardProfiles.h"
#include "board/SmileyPictures.h"
#include "post/PostDocument.h"
#include "editor/MainWindow.h"
#include "forums/OptionsDialog.h"
#include "browser/BrowserWindow.h"
#include "submit/PostingSession.h"
#include "support/EditorFixture.h"
#include "support/ModalDriver.h"
#include "support/PhpServer.h"
#include "support/PostControls.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"
#include "support/WebView.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

#include <functional>

namespace {

constexpr int LoadTimeout = 30000;

// What the board stored for one post: the request's fields as PHP decoded
// them (bytes), and what the board made of the request.
struct Stored {
    QMap<QString, QByteArray> fields;
    QString mode;
    QString user;
    int forum = 0;
    int topic = 0;
    QString contentType;
    QString referer;
};

QString Js(const QString& text)
{
    return QString::fromUtf8(QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact)) + "[0]";
}

QString ValueOf(BrowserWindow* page, const QString& selector)
{
    return RunScript(page,
                     QStringLiteral("(function(){ const e = document.querySelector(%1);"
                                    " return e ? e.value : null; })()")
                         .arg(Js(selector)))
        .toString();
}

bool Exists(BrowserWindow* page, const QString& selector)
{
    return RunScript(page, QStringLiteral("document.querySelector(%1) !== null").arg(Js(selector))).toBool();
}

// The user types into a field of the page.
void SetValue(BrowserWindow* page, const QString& selector, const QString& value)
{
    RunScript(page, QStringLiteral("document.querySelector(%1).value = %2").arg(Js(selector), Js(value)));
}

// The user clicks an element of the page with the mouse.
void Click(BrowserWindow* page, const QString& selector)
{
    const QPoint at = CentreOf(page, selector);
    QVERIFY2(at.x() >= 0, qPrintable(selector));
    QWidget* target = WebView(*page)->focusProxy();
    QVERIFY(target);
    QTest::mouseClick(target, Qt::LeftButton, {}, at);
}

// The page has loaded and the posting session has taken it in.
void WaitLoaded(BrowserWindow* page) { QVERIFY(WaitSettled(page, LoadTimeout)); }

QString BodyText(BrowserWindow* page)
{
    return RunScript(page, "document.body ? document.body.innerText : ''").toString();
}

// The board refuses a form key sent back within the second it was made
// (where a test keeps that rule, see init()).
void WaitForFormKeyAge(BrowserWindow* page)
{
    const qint64 made = ValueOf(page, "input[name=creation_time]").toLongLong();
    QF_TRY_VERIFY_WITH_TIMEOUT(QDateTime::currentSecsSinceEpoch() > made, 5000);
}

// The body as a text area holds it: LF line breaks.
QString InTextArea(const QByteArray& body) { return QString::fromUtf8(body).replace("\r\n", "\n"); }

}  // namespace

class tst_SubmitForum : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void postArrivesAsTyped_data();
    void postArrivesAsTyped();
    void guestLogsInInTheWindow_data();
    void guestLogsInInTheWindow();
    void previewThenSubmitKeepsTheUsersChanges();
    void boardAnswerWithoutFormIsShownAsItIs_data();
    void boardAnswerWithoutFormIsShownAsItIs();
    void rememberedMode_data();
    void rememberedMode();
    void formAnswersAreTellApartFromRedirects();
    void richEditorBoards_data();
    void richEditorBoards();
    void editorWithoutSourceButton();
    void refusedPostIsNotFilledAgain_data();
    void refusedPostIsNotFilledAgain();
    void fromExtractionToTheForum();
    void boardPagesReadFromTheOptions_data();
    void boardPagesReadFromTheOptions();
    void twoSitesEachWithItsOwnLogin();

private:
    QString Site(const QString& board) const { return m_php->Url("/" + board + "/").toString(); }
    QList<Stored> Records(const QString& board, const QString& root = QString()) const;
    // Sets `settings` in the board's config.json, keeping the others.
    void Configure(const QString& board, const QJsonObject& settings) const;
    QString Remembered(const EditorFixture& fixture, const QString& board) const;
    void Remember(EditorFixture& fixture, const QString& board, const QString& mode) const;
    // A login made earlier in another browser window of the run.
    void LogInBeforehand(const QString& board);
    // The user logs in with the login form the page shows.
    void LogInInPage(BrowserWindow* page, const QString& board = "phpbb3");
    // A main window set up for `board` with the post and its kind.
    std::unique_ptr<MainWindow> MakeWindow(EditorFixture& fixture, const QString& board, bool reply,
                                           const QString& number, const QString& title, const QByteArray& body);
    // Presses the main window's Submit and runs `drive` in the browser window.
    void Submit(MainWindow& window, const std::function<void(BrowserWindow*)>& drive);
    // The posting page is filled with `title` and `body`, the focus in the
    // message field with the caret at its start.
    void VerifyFilled(BrowserWindow* page, const QString& title, const QByteArray& body);
    // Presses the forum's Submit and waits for the board to store the post.
    void SendPost(BrowserWindow* page, const QString& board);

    QTemporaryDir m_root;
    std::unique_ptr<PhpServer> m_php;
};

void tst_SubmitForum::initTestCase()
{
    QVERIFY(m_root.isValid());
    const QDir boards(QStringLiteral(QF_SUBMIT_BOARDS_DIR));
    QVERIFY2(boards.exists("common.php"), qPrintable(boards.path()));
    QVERIFY(QFile::copy(boards.filePath("common.php"), m_root.filePath("common.php")));
    for (const QString board : {"phpbb3", "phpbb2", "mybb18", "smf21"}) {
        QDirIterator files(boards.filePath(board), QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString relative = boards.relativeFilePath(files.next());
            QVERIFY(QDir(m_root.path()).mkpath(QFileInfo(relative).path()));
            QVERIFY(QFile::copy(boards.filePath(relative), m_root.filePath(relative)));
        }
    }
    // The rich editor and jQuery the MyBB and SMF boards load (npm, set-up script).
    QVERIFY2(boards.exists("node_modules/sceditor/minified/jquery.sceditor.bbcode.min.js"),
             "run scripts/setup.sh test: the test boards' node_modules folder is missing");
    QVERIFY(QFile::link(boards.filePath("node_modules"), m_root.filePath("node_modules")));
    m_php = std::make_unique<PhpServer>(m_root.path());
    QVERIFY2(m_php->Start(), qPrintable(m_php->ErrorString()));
}

void tst_SubmitForum::init()
{
    // A fresh board: no sessions (the browser's cookies name none any more),
    // no posts, no settings.
    for (const QString board : {"phpbb3", "phpbb2", "mybb18", "smf21"}) {
        QFile::remove(m_root.filePath(board + "/state.json"));
        QFile::remove(m_root.filePath(board + "/config.json"));
    }
    // The user presses the board's Submit at once (the board takes a form key
    // a second old), and MyBB's redirect page goes on at once (after two
    // seconds on the board, as in the row of its default editor).
    Configure("phpbb3", {{"form_key_age", 0}});
    Configure("mybb18", {{"redirect_seconds", 0}});
}

void tst_SubmitForum::Configure(const QString& board, const QJsonObject& settings) const
{
    const QString file = m_root.filePath(board + "/config.json");
    QJsonObject config = QJsonDocument::fromJson(ReadAll(file)).object();
    for (auto it = settings.begin(); it != settings.end(); ++it)
        config.insert(it.key(), it.value());
    QVERIFY(WriteAll(file, QJsonDocument(config).toJson()));
}

QList<Stored> tst_SubmitForum::Records(const QString& board, const QString& root) const
{
    QList<Stored> records;
    const QString folder = root.isEmpty() ? m_root.path() : root;
    const QJsonObject state = QJsonDocument::fromJson(ReadAll(folder + "/" + board + "/state.json")).object();
    for (const QJsonValue value : state.value("records").toArray()) {
        const QJsonObject record = value.toObject();
        Stored stored;
        const QJsonObject fields = record.value("fields").toObject();
        for (auto it = fields.begin(); it != fields.end(); ++it)
            stored.fields.insert(it.key(), QByteArray::fromBase64(it.value().toString().toLatin1()));
        stored.mode = record.value("mode").toString();
        stored.user = record.value("user").toString();
        stored.forum = record.value("f").toInt();
        stored.topic = record.value("t").toInt();
        stored.contentType = record.value("content_type").toString();
        stored.referer = record.value("referer").toString();
        records << stored;
    }
    return records;
}

QString tst_SubmitForum::Remembered(const EditorFixture& fixture, const QString& board) const
{
    return fixture.settings.value("NewTopicMode", QUrl::toPercentEncoding(Site(board)));
}

void tst_SubmitForum::Remember(EditorFixture& fixture, const QString& board, const QString& mode) const
{
    fixture.settings.setValue("NewTopicMode", QUrl::toPercentEncoding(Site(board)), mode);
}

void tst_SubmitForum::LogInInPage(BrowserWindow* page, const QString& board)
{
    // Each board's login form: its name and password fields and its button.
    // (A MyBB guest page also holds the hidden quick-login box.)
    const QString form = board == "mybb18" ? "form[action=\"member.php\"] " : board == "smf21" ? "#frmLogin " : "";
    const QStringList fields = board == "mybb18" ? QStringList{"username", "password", "input[name=submit]"}
        : board == "smf21"                       ? QStringList{"user", "passwrd", "input[type=submit]"}
                                                 : QStringList{"username", "password", "input[name=login]"};
    // A click reaches the login button only once the page has arrived whole.
    WaitLoaded(page);
    QF_TRY_VERIFY_WITH_TIMEOUT(Exists(page, form + "input[type=password]"), LoadTimeout);
    SetValue(page, form + "input[name=" + fields[0] + "]", "tester");
    SetValue(page, form + "input[name=" + fields[1] + "]", "secret");
    Click(page, form + fields[2]);
}

void tst_SubmitForum::LogInBeforehand(const QString& board)
{
    BrowserWindow other;
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    const QMap<QString, QString> loginPage{{"phpbb3", "ucp.php?mode=login&redirect=./viewtopic.php%3Ft%3D7"},
                                           {"phpbb2", "login.php?redirect=viewtopic.php%3Ft%3D7"},
                                           {"mybb18", "member.php?action=login"},
                                           {"smf21", "index.php?action=login"}};
    other.Navigate(QUrl(Site(board) + loginPage.value(board)));
    QVERIFY(other.WaitWhileBusy());
    LogInInPage(&other, board);
    // phpBB goes back to the topic; MyBB and SMF to their index, which greets the member.
    QF_TRY_VERIFY_WITH_TIMEOUT(
        (WebView(other)->url().path().endsWith("viewtopic.php") || BodyText(&other).contains("tester"))
            && !other.Busy(),
        LoadTimeout);
}

std::unique_ptr<MainWindow> tst_SubmitForum::MakeWindow(EditorFixture& fixture, const QString& board, bool reply,
                                                        const QString& number, const QString& title,
                                                        const QByteArray& body)
{
    // The board is not known yet: Submit finds it on the site's index page
    // (the phpBB test boards have none and keep the phpBB addresses).
    fixture.settings.setSiteAddress(Site(board));
    auto window = fixture.MakeWindow();
    Controls(*window).subjectEdit->setText(title);
    window->Post().SetPost(body.toStdString());
    if (reply) {
        QTest::mouseClick(Controls(*window).replyOption, Qt::LeftButton);
        QTest::keyClicks(Controls(*window).topicNumberEdit, number);
    } else {
        // The chooser takes the forum from the forum list, as after an extraction.
        WriteAll(fixture.context.WritableFile("forums.inf"), (number + "- A forum\r\n\r\n").toUtf8());
        window->ReloadForums();
        QTest::mouseClick(Controls(*window).newTopicOption, Qt::LeftButton);
    }
    return window;
}

void tst_SubmitForum::Submit(MainWindow& window, const std::function<void(BrowserWindow*)>& drive)
{
    ModalDriver watcher([&](QWidget* w) {
        auto* page = qobject_cast<BrowserWindow*>(w);
        QVERIFY(page);
        QCOMPARE(page->windowTitle(), QString("Send Topic"));
        drive(page);
    });
    QTest::mouseClick(Controls(window).submitButton, Qt::LeftButton);
    QCOMPARE(watcher.Driven(), 1);
}

void tst_SubmitForum::VerifyFilled(BrowserWindow* page, const QString& title, const QByteArray& body)
{
    QF_TRY_COMPARE_WITH_TIMEOUT(RunScript(page, "document.activeElement ? document.activeElement.name : ''").toString(),
                              QString("message"), LoadTimeout);
    QCOMPARE(ValueOf(page, "input[name=subject]"), title);
    QCOMPARE(ValueOf(page, "textarea[name=message]"), InTextArea(body));
    QCOMPARE(RunScript(page, "document.activeElement.selectionStart").toInt(), 0);
    QCOMPARE(RunScript(page, "document.activeElement.scrollTop").toInt(), 0);
    QVERIFY(WebView(*page)->hasFocus() || WebView(*page)->focusProxy()->hasFocus());
}

void tst_SubmitForum::SendPost(BrowserWindow* page, const QString& board)
{
    const qsizetype before = Records(board).size();
    Click(page, "input[name=post]");
    QF_TRY_COMPARE_WITH_TIMEOUT(Records(board).size(), before + 1, LoadTimeout);
    WaitLoaded(page);
}

void tst_SubmitForum::postArrivesAsTyped_data()
{
    QTest::addColumn<QString>("board");
    QTest::addColumn<bool>("reply");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QByteArray>("body");  // UTF-8, CR LF
    QTest::addColumn<QString>("mode");     // as the board stored it
    QTest::addColumn<QString>("remembered");

    const QString markupTitle = "He said \"hi\" & <b>left</b> </textarea> &amp;";
    const QByteArray markupBody(
        "\r\n\r\nTwo leading breaks\r\n</textarea><b>bold</b> stays\r\n&amp; stays &amp;, &lt; too\r\n"
        "\"quoted\" 'single' \\ backslash</script>");
    const QString letters = QString::fromUtf8("Gr\xC3\xBC\xC3\x9F"
                                              "e \xE2\x80\x93 caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC");
    const QByteArray lettersBody("Zeile eins\r\n\xC3\xB1\x61nd\xC3\xBA \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\r\n\r\n"
                                 "[quote=\"Jos\xC3\xA9\"]\xF0\x9F\x98\x80[/quote]\r\n\tindented  twice");
    QTest::newRow("current board, new topic: quotes, closing text-area tag, entities, tags, leading breaks")
        << "phpbb3" << false << "2" << markupTitle << markupBody << "post"
        << "post";
    QTest::newRow("current board, reply: non-ASCII letters, CR LF lines")
        << "phpbb3" << true << "7" << letters << lettersBody << "reply"
        << "";
    QTest::newRow("older board, new topic after the current mode gave no form")
        << "phpbb2" << false << "2" << markupTitle << markupBody << "newtopic"
        << "newtopic";
    QTest::newRow("older board, reply") << "phpbb2" << true << " 7 " << letters << lettersBody << "reply"
                                        << "";
}

void tst_SubmitForum::postArrivesAsTyped()
{
    QFETCH(QString, board);
    QFETCH(bool, reply);
    QFETCH(QString, number);
    QFETCH(QString, title);
    QFETCH(QByteArray, body);
    QFETCH(QString, mode);
    QFETCH(QString, remembered);
    LogInBeforehand(board);
    EditorFixture fixture;
    auto window = MakeWindow(fixture, board, reply, number, title, body);
    Submit(*window, [&](BrowserWindow* page) {
        VerifyFilled(page, title, body);
        SendPost(page, board);
        // The current board answers a stored post with a redirect to the topic.
        if (board == "phpbb3")
            QVERIFY2(WebView(*page)->url().path().endsWith("viewtopic.php"),
                     qPrintable(WebView(*page)->url().toString()));
    });
    QCOMPARE(fixture.platform.messages.size(), 0);
    const QList<Stored> records = Records(board);
    QCOMPARE(records.size(), 1);
    const Stored& stored = records[0];
    QCOMPARE(stored.fields.value("subject"), title.toUtf8());
    QCOMPARE(stored.fields.value("message"), body);
    QCOMPARE(stored.mode, mode);
    QCOMPARE(stored.user, QString("tester"));
    QCOMPARE(reply ? stored.topic : stored.forum, number.trimmed().toInt());
    QCOMPARE(stored.fields.value("post"), QByteArray("Submit"));
    if (board == "phpbb3")
        QVERIFY2(stored.contentType.startsWith("multipart/form-data"), qPrintable(stored.contentType));
    QVERIFY(stored.referer.startsWith(Site(board)));
    QCOMPARE(Remembered(fixture, board), remembered);
    // The posting page told which board the site runs.
    QCOMPARE(QString::fromStdString(BoardProfiles::Load(fixture.settings, Site(board)).Description()),
             QString("Board: %1, found on the posting page").arg(board == "phpbb3" ? "phpBB 3" : "phpBB 2"));
    // The editor keeps the post.
    QCOMPARE(Controls(*window).subjectEdit->text(), title);
    QCOMPARE(QByteArray::fromStdString(window->Post().Post()), body);
}

void tst_SubmitForum::guestLogsInInTheWindow_data()
{
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("sameSite");
    QTest::newRow("current board, HttpOnly cookies without SameSite") << "phpbb3"
                                                                      << "";
    QTest::newRow("current board, SameSite=Lax cookies") << "phpbb3"
                                                         << "Lax";
    QTest::newRow("older board, its own login page") << "phpbb2"
                                                     << "Lax";
}

void tst_SubmitForum::guestLogsInInTheWindow()
{
    QFETCH(QString, board);
    QFETCH(QString, sameSite);
    if (!sameSite.isEmpty())
        Configure(board, {{"samesite", sameSite}});
    EditorFixture fixture;
    const QString title = "First post";
    const QByteArray body("Written before logging in\r\n[b]kept[/b]");
    auto window = MakeWindow(fixture, board, false, "2", title, body);
    Submit(*window, [&](BrowserWindow* page) {
        WaitLoaded(page);
        // The login form, left alone.
        QF_TRY_VERIFY_WITH_TIMEOUT(Exists(page, "form input[type=password]"), LoadTimeout);
        QVERIFY(!Exists(page, "input[name=subject]"));
        QCOMPARE(ValueOf(page, "input[name=username]"), QString());
        LogInInPage(page);
        // The board sends the user back to the posting page, filled then.
        VerifyFilled(page, title, body);
        SendPost(page, board);
    });
    const QList<Stored> records = Records(board);
    QCOMPARE(records.size(), 1);
    QCOMPARE(records[0].fields.value("subject"), title.toUtf8());
    QCOMPARE(records[0].fields.value("message"), body);
    QCOMPARE(records[0].user, QString("tester"));
    QCOMPARE(Remembered(fixture, board), board == "phpbb3" ? QString("post") : QString("newtopic"));
}

void tst_SubmitForum::previewThenSubmitKeepsTheUsersChanges()
{
    // The refilled form's key is the first one's when both are made within
    // one second: the board's own wait keeps the second from being refused.
    Configure("phpbb3", {{"form_key_age", 1}});
    LogInBeforehand("phpbb3");
    EditorFixture fixture;
    const QByteArray body("Draft line\r\nSecond line");
    auto window = MakeWindow(fixture, "phpbb3", false, "2", "Draft", body);
    Submit(*window, [&](BrowserWindow* page) {
        VerifyFilled(page, "Draft", body);
        // The user edits in the page, then asks the forum for a preview.
        SetValue(page, "textarea[name=message]", "Edited in the page\n[i]by the user[/i]");
        SetValue(page, "input[name=subject]", "Edited title");
        WaitForFormKeyAge(page);
        Click(page, "input[name=preview]");
        QF_TRY_VERIFY_WITH_TIMEOUT(Exists(page, "#preview"), LoadTimeout);
        WaitLoaded(page);
        // The forum's refill is what the user sees: nothing written over it.
        QCOMPARE(ValueOf(page, "textarea[name=message]"), QString("Edited in the page\n[i]by the user[/i]"));
        QCOMPARE(ValueOf(page, "input[name=subject]"), QString("Edited title"));
        QCOMPARE(Records("phpbb3").size(), 0);
        WaitForFormKeyAge(page);
        SendPost(page, "phpbb3");
    });
    const QList<Stored> records = Records("phpbb3");
    QCOMPARE(records.size(), 1);
    QCOMPARE(records[0].fields.value("message"), QByteArray("Edited in the page\r\n[i]by the user[/i]"));
    QCOMPARE(records[0].fields.value("subject"), QByteArray("Edited title"));
    // The editor's post is not touched by what was changed in the page.
    QCOMPARE(QByteArray::fromStdString(window->Post().Post()), body);
}

void tst_SubmitForum::boardAnswerWithoutFormIsShownAsItIs_data()
{
    QTest::addColumn<QString>("board");
    QTest::addColumn<bool>("reply");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("remembered");  // before the Submit
    QTest::addColumn<QString>("message");
    QTest::newRow("current board, a forum the user may not post in") << "phpbb3" << false << "3"
                                                                     << ""
                                                                     << "You are not authorised to post in this forum.";
    QTest::newRow("current board, no such forum") << "phpbb3" << false << "99"
                                                  << "post"
                                                  << "The forum you selected does not exist.";
    QTest::newRow("current board, no such topic") << "phpbb3" << true << "404"
                                                  << ""
                                                  << "The requested topic does not exist.";
    QTest::newRow("older board remembered, a forum the user may not post in")
        << "phpbb2" << false << "3"
        << "newtopic"
        << "Sorry, but only Administrators can post topics in this forum.";
    QTest::newRow("MyBB, a redirect forum") << "mybb18" << false << "3"
                                            << ""
                                            << "You may not post in this forum because either the forum is closed, it "
                                               "is a redirect to another webpage, or it is a category.";
    QTest::newRow("MyBB, no such thread") << "mybb18" << true << "404"
                                          << ""
                                          << "The specified thread does not exist.";
    QTest::newRow("SMF, a redirect board") << "smf21" << false << "4"
                                           << ""
                                           << "You cannot post in redirection boards.";
    QTest::newRow("SMF, no such topic")
        << "smf21" << true << "404"
        << ""
        << "The topic or board you are looking for appears to be either missing or off limits to you.";
}

void tst_SubmitForum::boardAnswerWithoutFormIsShownAsItIs()
{
    QFETCH(QString, board);
    QFETCH(bool, reply);
    QFETCH(QString, number);
    QFETCH(QString, remembered);
    QFETCH(QString, message);
    LogInBeforehand(board);
    EditorFixture fixture;
    if (!remembered.isEmpty())
        Remember(fixture, board, remembered);
    auto window = MakeWindow(fixture, board, reply, number, "Title", "The body");
    Submit(*window, [&](BrowserWindow* page) {
        QF_TRY_VERIFY2_WITH_TIMEOUT(BodyText(page).contains(message), qPrintable(BodyText(page)), LoadTimeout);
        WaitLoaded(page);
        QVERIFY2(BodyText(page).contains(message), qPrintable(BodyText(page)));
        QVERIFY(!Exists(page, "form"));
    });
    QCOMPARE(fixture.platform.messages.size(), 0);
    QCOMPARE(Records(board).size(), 0);
    QCOMPARE(Remembered(fixture, board), remembered);
    QCOMPARE(Controls(*window).subjectEdit->text(), QString("Title"));
    QCOMPARE(window->Post().Post(), std::string("The body"));
}

void tst_SubmitForum::rememberedMode_data()
{
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QStringList>("modesAsked");  // the posting pages asked for, in order
    QTest::addColumn<QString>("after");
    QTest::newRow("older board remembered: straight to its mode")
        << "phpbb2"
        << "newtopic" << QStringList{"newtopic"} << "newtopic";
    QTest::newRow("current board remembered: straight to its mode") << "phpbb3"
                                                                    << "post" << QStringList{"post"} << "post";
    QTest::newRow("remembered mode stopped working: the other is tried and remembered")
        << "phpbb3"
        << "newtopic" << QStringList{"newtopic", "post"} << "post";
}

void tst_SubmitForum::rememberedMode()
{
    QFETCH(QString, board);
    QFETCH(QString, before);
    QFETCH(QStringList, modesAsked);
    QFETCH(QString, after);
    LogInBeforehand(board);
    EditorFixture fixture;
    Remember(fixture, board, before);
    auto window = MakeWindow(fixture, board, false, "2", "Remembered", "Body");
    const qsizetype logStart = m_php->Log().size();
    Submit(*window, [&](BrowserWindow* page) { VerifyFilled(page, "Remembered", "Body"); });
    QStringList asked;
    const QString log = QString::fromUtf8(m_php->Log().mid(logStart));
    const QRegularExpression request("GET /" + board + "/posting\\.php\\?mode=(\\w+)");
    for (const QRegularExpressionMatch& match : request.globalMatch(log))
        asked << match.captured(1);
    QCOMPARE(asked, modesAsked);
    QCOMPARE(Remembered(fixture, board), after);
}

void tst_SubmitForum::formAnswersAreTellApartFromRedirects()
{
    // The rule that keeps a forum's Preview and refilled forms from being
    // filled: the answer to a sent form counts as such, a redirect after a
    // sent form (a login) does not.
    BrowserWindow page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    page.Navigate(QUrl(Site("phpbb3") + "ucp.php?mode=login&redirect=./viewtopic.php%3Ft%3D7"));
    QVERIFY(page.WaitWhileBusy());
    QVERIFY(!page.ReachedBySendingForm());
    // A wrong password: the login form comes back as the answer to the form.
    SetValue(&page, "input[name=username]", "tester");
    SetValue(&page, "input[name=password]", "wrong");
    Click(&page, "input[name=login]");
    QF_TRY_VERIFY_WITH_TIMEOUT(BodyText(&page).contains("incorrect username"), LoadTimeout);
    QVERIFY(page.ReachedBySendingForm());
    LogInInPage(&page);
    QF_TRY_VERIFY_WITH_TIMEOUT(WebView(page)->url().path().endsWith("viewtopic.php") && !page.Busy(), LoadTimeout);
    QVERIFY(!page.ReachedBySendingForm());
}

void tst_SubmitForum::richEditorBoards_data()
{
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("editor");  // the board's editor: "wysiwyg", "source" or "off"
    QTest::newRow("MyBB, its rich editor in WYSIWYG mode, as by default") << "mybb18"
                                                                          << "wysiwyg";
    QTest::newRow("MyBB, the editor in source mode (the member's option)") << "mybb18"
                                                                           << "source";
    QTest::newRow("MyBB, the editor turned off (the member's option): its text area") << "mybb18"
                                                                                      << "off";
    QTest::newRow("SMF, its rich editor in source mode, as by default") << "smf21"
                                                                        << "source";
    QTest::newRow("SMF, the editor in WYSIWYG mode (the member's option)") << "smf21"
                                                                           << "wysiwyg";
    QTest::newRow("SMF, jQuery not loaded (the board's CDN unreachable): no editor") << "smf21"
                                                                                     << "off";
    QTest::newRow("SMF, the editor made only after the page has loaded") << "smf21"
                                                                         << "wysiwyg-late";
}

void tst_SubmitForum::richEditorBoards()
{
    // A guest's new topic (logging in inside the window, the board sending
    // the user back to its posting page), then a reply once logged in; every
    // byte of the title and body as the board received them.
    QFETCH(QString, board);
    QFETCH(QString, editor);
    const bool mybb = board == "mybb18";
    Configure(board, {{"editor", editor}, {"flood", 0}});
    if (mybb && editor == "wysiwyg")
        Configure(board, {{"redirect_seconds", 2}});
    const QString title = "He said \"hi\" & <b>left</b> </textarea> &amp; caf\u00e9";
    const QByteArray body(
        "\r\n\r\nTwo leading breaks\r\n</textarea><b>bold</b> &amp; stays\r\n\"quoted\" 'single' \\ "
        "[quote=\"Jos\xC3\xA9\"]\xF0\x9F\x98\x80 \xE6\x97\xA5\xE6\x9C\xAC[/quote]\r\n\tindented  twice");
    const QString sendButton = mybb ? "form[name=input] input[name=submit]" : "input[name=post]";
    const auto verifyFilled = [&](BrowserWindow* page, const QString& expectedTitle) {
        // Filled once the board's page (and its editor) is there.
        QF_TRY_COMPARE_WITH_TIMEOUT(ValueOf(page, "textarea[name=message]"), InTextArea(body), LoadTimeout);
        QCOMPARE(ValueOf(page, "input[name=subject]"), expectedTitle);
        QF_TRY_COMPARE_WITH_TIMEOUT(Exists(page, ".sceditor-container"), editor != "off", LoadTimeout);
        const bool hasEditor = editor != "off";
        // The user types where the editor takes text: its source box, the
        // editor switched to it (also when the editor comes after the
        // page); or the board's own text area.
        const auto typedIn = [&] {
            return RunScript(page, "(function(){ const e = document.activeElement;"
                                   " return (e.closest('.sceditor-container') ? 'editor: ' : 'page: ')"
                                   " + e.tagName + ' ' + e.value; })()")
                .toString();
        };
        QF_TRY_COMPARE_WITH_TIMEOUT(typedIn(), (hasEditor ? "editor: TEXTAREA " : "page: TEXTAREA ") + InTextArea(body),
                                  LoadTimeout);
        QCOMPARE(RunScript(page, "document.activeElement.selectionStart").toInt(), 0);
        if (hasEditor)
            QVERIFY(Exists(page, ".sceditor-container.sourceMode"));
    };
    const auto send = [&](BrowserWindow* page) {
        const qsizetype before = Records(board).size();
        Click(page, sendButton);
        QF_TRY_COMPARE_WITH_TIMEOUT(Records(board).size(), before + 1, LoadTimeout);
        // MyBB answers with its redirect page to the thread, SMF with a
        // redirect to the topic.
        if (mybb)
            QF_TRY_VERIFY_WITH_TIMEOUT(BodyText(page).contains("Thank you, your")
                                           || WebView(*page)->url().path().endsWith("showthread.php"),
                                       LoadTimeout);
        else
            QF_TRY_VERIFY_WITH_TIMEOUT(WebView(*page)->url().toString().contains(".new"), LoadTimeout);
        WaitLoaded(page);
    };

    EditorFixture fixture;
    const QString forum = mybb ? "2" : "1";
    auto window = MakeWindow(fixture, board, false, forum, title, body);
    Submit(*window, [&](BrowserWindow* page) {
        WaitLoaded(page);
        QVERIFY(!Exists(page, "input[name=subject]"));
        if (mybb) {
            // The no-permission page links the login page, which brings the
            // user back to where they came from after its redirect page.
            QVERIFY(BodyText(page).contains("You are not logged in or registered."));
            Click(page, "a[href=\"member.php?action=login\"]");
        } else {
            // The kick page holds the login form itself.
            QVERIFY(BodyText(page).contains("Sorry, you cannot post new topics in this board."));
        }
        LogInInPage(page, board);
        verifyFilled(page, title);
        send(page);
    });
    auto replyWindow = MakeWindow(fixture, board, true, "7", "", body);
    Submit(*replyWindow, [&](BrowserWindow* page) {
        // An empty title keeps the board's own "RE: ..." subject.
        verifyFilled(page, mybb ? "RE: Welcome" : "Re: Welcome to SMF!");
        send(page);
    });
    QCOMPARE(fixture.platform.messages.size(), 0);
    const QList<Stored> records = Records(board);
    QCOMPARE(records.size(), 2);
    QCOMPARE(records[0].fields.value("subject"), title.toUtf8());
    QCOMPARE(records[0].fields.value("message"), body);
    QCOMPARE(records[0].forum, forum.toInt());
    QCOMPARE(records[1].fields.value("message"), body);
    QCOMPARE(records[1].topic, 7);
    for (const Stored& stored : records)
        QCOMPARE(stored.user, QString("tester"));
    QCOMPARE(Remembered(fixture, board), QString());
    // The posting page confirmed the board.
    QCOMPARE(QString::fromStdString(BoardProfiles::Load(fixture.settings, Site(board)).Description()),
             QString("Board: %1, found on the posting page").arg(mybb ? "MyBB 1.8" : "SMF 2.1"));
}

void tst_SubmitForum::editorWithoutSourceButton()
{
    // A theme whose editor cannot be switched to its source box: the editor
    // itself takes the post in, so what it sends is the post, not its empty view.
    Configure("mybb18", {{"editor", "nosource"}, {"flood", 0}});
    LogInBeforehand("mybb18");
    EditorFixture fixture;
    const QByteArray body("Plain words and a [b]bold[/b] word");
    auto window = MakeWindow(fixture, "mybb18", false, "2", "No source box", body);
    Submit(*window, [&](BrowserWindow* page) {
        QF_TRY_COMPARE_WITH_TIMEOUT(ValueOf(page, "textarea[name=message]"), QString(body), LoadTimeout);
        QVERIFY(Exists(page, ".sceditor-container.wysiwygMode"));
        Click(page, "form[name=input] input[name=submit]");
        QF_TRY_COMPARE_WITH_TIMEOUT(Records("mybb18").size(), 1, LoadTimeout);
    });
    QCOMPARE(Records("mybb18")[0].fields.value("message").trimmed(), body);
}

void tst_SubmitForum::refusedPostIsNotFilledAgain_data()
{
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("subject");  // what the user leaves in the page's fields
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("refusal");  // the board's words
    QTest::newRow("MyBB, WYSIWYG editor: a message made too short in the page")
        << "mybb18"
        << "Kept"
        << "abc"
        << "The message is too short. Please enter a message longer than 5 characters.";
    QTest::newRow("SMF, source editor: a message left blank in the page") << "smf21"
                                                                          << "Kept"
                                                                          << "   "
                                                                          << "The message body was left empty.";
}

void tst_SubmitForum::refusedPostIsNotFilledAgain()
{
    // The board's answer to the sent form comes back with its error and the
    // user's own text; the program leaves it as the board made it.
    QFETCH(QString, board);
    QFETCH(QString, subject);
    QFETCH(QString, message);
    QFETCH(QString, refusal);
    Configure(board, {{"flood", 0}});
    LogInBeforehand(board);
    EditorFixture fixture;
    auto window = MakeWindow(fixture, board, false, board == "mybb18" ? "2" : "1", "Title", "Body from the editor");
    Submit(*window, [&](BrowserWindow* page) {
        QF_TRY_VERIFY_WITH_TIMEOUT(Exists(page, ".sceditor-container.sourceMode"), LoadTimeout);
        SetValue(page, "input[name=subject]", subject);
        SetValue(page, ".sceditor-container textarea", message);
        Click(page, board == "mybb18" ? "form[name=input] input[name=submit]" : "input[name=post]");
        QF_TRY_VERIFY_WITH_TIMEOUT(BodyText(page).contains(refusal), LoadTimeout);
        WaitLoaded(page);
        QCOMPARE(ValueOf(page, "textarea[name=message]"), message);
        QCOMPARE(ValueOf(page, "input[name=subject]"), subject);
        // MyBB's editor comes back in its WYSIWYG view: nobody switched it.
        if (board == "mybb18")
            QVERIFY(!Exists(page, ".sceditor-container.sourceMode"));
    });
    QCOMPARE(Records(board).size(), 0);
}

void tst_SubmitForum::fromExtractionToTheForum()
{
    // The user's whole road: the site set in the options dialog, its forums
    // extracted from the board's index page, the forum chosen in the main
    // window, a new topic filled in the board's page and sent there.
    QVERIFY(WriteAll(m_root.filePath("phpbb3/index.php"),
                     "<html><body><ul class=\"topiclist forums\">"
                     "<li><a href=\"./viewforum.php?f=2\" class=\"forumtitle\">Meetings &amp; Exhibitions</a>"
                     " <a href=\"./viewtopic.php?f=2&amp;p=5#p5\" title=\"Go to last post\">Re: Welcome</a></li>"
                     "<li><a href=\"./viewforum.php?f=3\" class=\"forumtitle\">Announcements</a>"
                     " <a href=\"./viewtopic.php?f=3&amp;p=6#p6\"><i class=\"icon\"></i></a></li>"
                     "</ul></body></html>"));
    LogInBeforehand("phpbb3");
    EditorFixture fixture;
    auto window = fixture.MakeWindow();
    auto* dialog = new OptionsDialog(
        fixture.context, [&] { window->ReloadForums(); }, window.get(),
        ForumExtraction::Timing{std::chrono::milliseconds(200), std::chrono::seconds(30)});
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    dialog->siteAddressEdit->selectAll();
    QTest::keyClicks(dialog->siteAddressEdit, Site("phpbb3") + "index.php");
    QTest::mouseClick(dialog->startExtractingButton, Qt::LeftButton);
    QF_TRY_COMPARE_WITH_TIMEOUT(dialog->forumsFoundList->count(), 2, LoadTimeout);
    QCOMPARE(dialog->forumsFoundList->item(0)->text(), QString("2- Meetings & Exhibitions"));
    QCOMPARE(dialog->boardFoundLabel->text(), QString("Board: phpBB 3, found on the index page"));
    QPointer<OptionsDialog> open(dialog);
    QTest::mouseClick(dialog->saveButton, Qt::LeftButton);
    QF_TRY_VERIFY(!open);
    QCOMPARE(fixture.settings.siteAddress(), Site("phpbb3"));
    QCOMPARE(Controls(*window).forumChooser->count(), 2);
    QCOMPARE(Controls(*window).forumChooser->currentText(), QString("2- Meetings & Exhibitions"));
    QCOMPARE(window->ForumNumber(), QString("2"));

    QTest::mouseClick(Controls(*window).newTopicOption, Qt::LeftButton);
    Controls(*window).subjectEdit->setText("Where is the \"help\" page?");
    window->Post().SetPost("Line one\r\n[b]Line two[/b]");
    Submit(*window, [&](BrowserWindow* page) {
        VerifyFilled(page, "Where is the \"help\" page?", "Line one\r\n[b]Line two[/b]");
        SendPost(page, "phpbb3");
    });
    const QList<Stored> records = Records("phpbb3");
    QCOMPARE(records.size(), 1);
    QCOMPARE(records[0].forum, 2);
    QCOMPARE(records[0].fields.value("subject"), QByteArray("Where is the \"help\" page?"));
    QCOMPARE(records[0].fields.value("message"), QByteArray("Line one\r\n[b]Line two[/b]"));

    // Writing for that board: Large is 150 %, and the posting page gave the
    // board's smilies, its own tag and its length limit.
    Controls(*window).bodyEdit->clear();
    Controls(*window).sizeList->setCurrentIndex(3);
    emit Controls(*window).sizeList->activated(3);
    QCOMPARE(QString::fromStdString(window->Post().Post()), QString("[size=150][/size]"));
    const BoardProfile board = BoardProfiles::Load(fixture.settings, Site("phpbb3"));
    QCOMPARE(board.maxChars, size_t(5000));
    QCOMPARE(board.smilies.size(), size_t(3));
    QCOMPARE(QString::fromStdString(board.smilies[1].picture), Site("phpbb3") + "images/smilies/icon_e_geek.gif");
    // The pictures arrive in the cache; an address that gives no picture is not kept.
    QF_TRY_VERIFY_WITH_TIMEOUT(!SmileyPictures::CachedFile(Site("phpbb3") + "images/smilies/icon_e_geek.gif").isEmpty(),
                             LoadTimeout);
    QF_TRY_VERIFY(!SmileyPictures::CachedFile(Site("phpbb3") + "images/smilies/icon_e_biggrin.gif").isEmpty());
    QVERIFY(SmileyPictures::CachedFile(Site("phpbb3") + "images/smilies/not-a-picture.gif").isEmpty());
    window->RefreshBoard();
    QCOMPARE(Controls(*window).emoticonPictures[1]->toolTip(), QString("Geek"));
    QVERIFY(!Controls(*window).emoticonPictures[1]->pixmap().isNull());
    QVERIFY(Controls(*window).emoticonPictures[3]->isHidden());
    QTest::mouseClick(Controls(*window).emoticonPictures[1], Qt::LeftButton);
    QCOMPARE(QString::fromStdString(window->Post().Post()), QString("[size=150][/size] :geek: "));
    QMenu* tags = window->findChild<QMenu*>("boardTagsMenu");
    QVERIFY(tags && window->menuBar()->actions().contains(tags->menuAction()));
    QCOMPARE(tags->actions().size(), 1);
    Controls(*window).bodyEdit->selectAll();
    tags->actions()[0]->trigger();
    QCOMPARE(QString::fromStdString(window->Post().Post()), QString("[spoiler][size=150][/size] :geek: [/spoiler]"));
}

void tst_SubmitForum::boardPagesReadFromTheOptions_data()
{
    QTest::addColumn<QString>("board");
    QTest::addColumn<int>("smilies");        // the smilies its posting page offers
    QTest::addColumn<QString>("firstFace");  // the first one's name
    QTest::addColumn<QString>("meLine");     // how the board shows "/me waves" of the member
    QTest::newRow("MyBB: its clickable smilies") << "mybb18" << 20 << "Smile" << "* tester waves";
    QTest::newRow("SMF: its editor's smiley row") << "smf21" << 16 << "Smiley" << "* tester waves";
}

void tst_SubmitForum::boardPagesReadFromTheOptions()
{
    // Start Extracting on a member's index page: the kind, the account and
    // then the first forum's posting page, before any Submit. The main
    // window then writes for that board.
    QFETCH(QString, board);
    QFETCH(int, smilies);
    QFETCH(QString, firstFace);
    QFETCH(QString, meLine);
    LogInBeforehand(board);
    EditorFixture fixture;
    auto window = fixture.MakeWindow();
    auto* dialog = new OptionsDialog(
        fixture.context, [&] { window->ReloadForums(); }, window.get(),
        ForumExtraction::Timing{std::chrono::milliseconds(300), std::chrono::seconds(30)});
    connect(dialog, &OptionsDialog::boardFound, window.get(), &MainWindow::RefreshBoard);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    dialog->siteAddressEdit->selectAll();
    QTest::keyClicks(dialog->siteAddressEdit, Site(board));
    dialog->indexAddressEdit->setText(Site(board) + "index.php");
    QTest::mouseClick(dialog->startExtractingButton, Qt::LeftButton);
    QF_TRY_VERIFY_WITH_TIMEOUT(dialog->forumsFoundList->count() > 0, LoadTimeout);
    QF_TRY_COMPARE_WITH_TIMEOUT(BoardProfiles::Load(fixture.settings, Site(board)).smilies.size(), size_t(smilies),
                                LoadTimeout);
    const BoardProfile profile = BoardProfiles::Load(fixture.settings, Site(board));
    QCOMPARE(QString::fromStdString(profile.userName), QString("tester"));
    QVERIFY(QString::fromStdString(profile.smilies[0].picture).startsWith(Site(board)));
    const SiteFacts site{Site(board).toStdString(), {}, {}, {}, {}};
    QVERIFY(QString::fromStdString(profile.Kind().DialectFor(profile, site)->Render("/me waves").html).contains(meLine));

    QPointer<OptionsDialog> open(dialog);
    QTest::mouseClick(dialog->saveButton, Qt::LeftButton);
    QF_TRY_VERIFY(!open);
    window->RefreshBoard();
    PictureBox* first = Controls(*window).emoticonPictures[0];
    QCOMPARE(first->toolTip(), firstFace);
    QTest::mouseClick(first, Qt::LeftButton);
    QCOMPARE(QString::fromStdString(window->Post().Post()), QString(" :) "));
    // The board's own tags, one that stands alone among them.
    QMenu* tags = window->findChild<QMenu*>("boardTagsMenu");
    QVERIFY(tags && window->menuBar()->actions().contains(tags->menuAction()));
    QStringList names;
    for (QAction* tag : tags->actions())
        names << tag->text();
    QVERIFY2(names.contains("[s] [/s]") && names.contains("[hr]"), qPrintable(names.join(", ")));
    tags->actions()[names.indexOf("[hr]")]->trigger();
    QCOMPARE(QString::fromStdString(window->Post().Post()), QString(" :) [hr]"));
}

void tst_SubmitForum::twoSitesEachWithItsOwnLogin()
{
    // A second board of the same kind on another port: cookies do not tell
    // ports apart, so only separate browser profiles keep the logins apart.
    QTemporaryDir otherRoot;
    QVERIFY(QFile::copy(m_root.filePath("common.php"), otherRoot.filePath("common.php")));
    QDirIterator files(m_root.filePath("phpbb3"), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString relative = QDir(m_root.path()).relativeFilePath(files.next());
        if (relative.endsWith(".json"))
            continue;
        QVERIFY(QDir(otherRoot.path()).mkpath(QFileInfo(relative).path()));
        QVERIFY(QFile::copy(m_root.filePath(relative), otherRoot.filePath(relative)));
    }
    QVERIFY(WriteAll(otherRoot.filePath("phpbb3/config.json"), "{\"form_key_age\": 0}"));
    PhpServer other(otherRoot.path());
    QVERIFY2(other.Start(), qPrintable(other.ErrorString()));
    const QString otherSite = other.Url("/phpbb3/").toString();

    // Two posting forms of one user made within a second carry the same key,
    // which the board takes once: the board's own wait keeps them apart.
    Configure("phpbb3", {{"form_key_age", 1}});
    EditorFixture fixture;
    fixture.settings.setSites({{Settings::FirstSiteId, Site("phpbb3"), "One"}, {"2", otherSite, "Two"}});
    QVERIFY(WriteAll(fixture.context.WritableFile("forums.inf"), "2- First board's forum\r\n\r\n"));
    QVERIFY(WriteAll(fixture.context.WritableFile("forums-2.inf"), "2- Second board's chat\r\n\r\n"));
    // Logged in on the first site only.
    LogInBeforehand("phpbb3");
    auto window = fixture.MakeWindow();
    QTest::mouseClick(Controls(*window).newTopicOption, Qt::LeftButton);
    Controls(*window).subjectEdit->setText("To the first");
    window->Post().SetPost("One");
    Submit(*window, [&](BrowserWindow* page) {
        VerifyFilled(page, "To the first", "One");
        WaitForFormKeyAge(page);
        SendPost(page, "phpbb3");
    });

    auto* sites = window->findChild<QComboBox*>("siteChooser");
    QVERIFY(sites->isVisibleTo(window.get()));
    sites->setCurrentIndex(1);
    emit sites->activated(1);
    QCOMPARE(Controls(*window).forumChooser->currentText(), QString("2- Second board's chat"));
    Controls(*window).subjectEdit->setText("To the second");
    window->Post().SetPost("Two");
    Submit(*window, [&](BrowserWindow* page) {
        // A guest there: the first site's login does not come along.
        WaitLoaded(page);
        QF_TRY_VERIFY_WITH_TIMEOUT(Exists(page, "form input[type=password]"), LoadTimeout);
        LogInInPage(page);
        VerifyFilled(page, "To the second", "Two");
        const qsizetype before = Records("phpbb3", otherRoot.path()).size();
        Click(page, "input[name=post]");
        QF_TRY_COMPARE_WITH_TIMEOUT(Records("phpbb3", otherRoot.path()).size(), before + 1, LoadTimeout);
        WaitLoaded(page);
    });
    // Back on the first site, still logged in: the second site's login
    // (a cookie of the same name and host) did not replace the first's.
    sites->setCurrentIndex(0);
    emit sites->activated(0);
    Controls(*window).subjectEdit->setText("Again to the first");
    Submit(*window, [&](BrowserWindow* page) {
        VerifyFilled(page, "Again to the first", "Two");
        WaitForFormKeyAge(page);
        SendPost(page, "phpbb3");
    });
    // Each board received only its own posts, in the forum of its own list.
    const QList<Stored> first = Records("phpbb3");
    const QList<Stored> second = Records("phpbb3", otherRoot.path());
    QCOMPARE(first.size(), 2);
    QCOMPARE(second.size(), 1);
    QCOMPARE(first[1].user, QString("tester"));
    QCOMPARE(first[0].fields.value("subject"), QByteArray("To the first"));
    QCOMPARE(first[0].forum, 2);
    QCOMPARE(second[0].fields.value("subject"), QByteArray("To the second"));
    QCOMPARE(second[0].forum, 2);
    QCOMPARE(second[0].user, QString("tester"));
    QCOMPARE(fixture.settings.chosenSite().id, Settings::FirstSiteId);
}

QF_TEST_MAIN(tst_SubmitForum)
#include "tst_submitforum.moc"
