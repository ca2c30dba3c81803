// Submission end to end: PHP's own web server plays the forum on 127.0.0.1,
// the real browser window shows the written page, the page's own Submit
// button is pressed with the mouse, and the forum's posting.php records what
// PHP decoded from the form. The forum must receive the title and body
// exactly as typed, and the login cookie it set earlier (SameSite=Lax) must
// travel with the form.

#include "app/SettingsStore.h"
#include "editor/PostDocument.h"
#include "editor/frmPost.h"
#include "forums/frmOptions.h"
#include "render/frmPreview.h"
#include "submit/SubmitPage.h"
#include "support/EditorFixture.h"
#include "support/ModalDriver.h"
#include "support/PhpServer.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"
#include "support/WebView.h"

#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

namespace {

constexpr int LoadTimeout = 30000;

// The forum's login: a PHP session, its cookie marked SameSite=Lax as boards
// mark theirs.
const char* const LoginPage = R"php(<?php
session_set_cookie_params(['path' => '/', 'samesite' => 'Lax', 'httponly' => true]);
session_start();
$_SESSION['user'] = 'tester';
echo '<html><body>logged in</body></html>';
)php";

// Records what the forum received, each value base64-encoded so the test
// compares bytes, not a re-encoding of them.
const char* const PostingPage = R"php(<?php
session_set_cookie_params(['path' => '/', 'samesite' => 'Lax', 'httponly' => true]);
$hasSession = isset($_COOKIE[session_name()]);
if ($hasSession) { session_start(); }
$record = [
    'method' => $_SERVER['REQUEST_METHOD'],
    'fields' => array_map('base64_encode', $_POST),
    'user' => $hasSession ? ($_SESSION['user'] ?? '') : '',
    'cookie' => $hasSession,
    'origin' => $_SERVER['HTTP_ORIGIN'] ?? '',
];
file_put_contents(__DIR__ . '/record.json', json_encode($record));
echo '<html><body>received</body></html>';
)php";

struct Record {
    QString method;
    QMap<QString, QByteArray> fields;
    QString user;
    bool cookie = false;
    QString origin;
};

Record ReadRecord(const QString& path)
{
    QFile file(path);
    Record record;
    if (!file.open(QIODevice::ReadOnly))
        return record;
    const QJsonObject json = QJsonDocument::fromJson(file.readAll()).object();
    record.method = json.value("method").toString();
    const QJsonObject fields = json.value("fields").toObject();
    for (auto it = fields.begin(); it != fields.end(); ++it)
        record.fields.insert(it.key(), QByteArray::fromBase64(it.value().toString().toLatin1()));
    record.user = json.value("user").toString();
    record.cookie = json.value("cookie").toBool();
    record.origin = json.value("origin").toString();
    return record;
}

// A board's index page: a category table whose forum links carry a session
// id, as boards write them.
const char* const IndexPage = R"php(<html><body><table>
<tr><td class="cat">Main</td></tr>
<tr><td><a href="viewforum.php?f=3&amp;sid=ab12">Announcements</a><br>News from the team</td></tr>
<tr><td><a href="viewforum.php?f=8&amp;sid=ab12">Help &amp; support</a></td></tr>
</table></body></html>
)php";

// Pressing the Submit button of the page the browser window shows, and waiting
// for the forum's answer.
void PressSubmit(frmPreview* preview, const QString& recordPath, const QUrl& postingAddress, QString* answer)
{
    QTRY_VERIFY_WITH_TIMEOUT(!preview->Busy(), LoadTimeout);
    const QPoint button = CentreOf(preview, "input[name=post]");
    QVERIFY(button.x() >= 0);
    auto* view = qobject_cast<QWebEngineView*>(preview->WebBrowser1);
    QVERIFY(view->focusProxy());
    QTest::mouseClick(view->focusProxy(), Qt::LeftButton, {}, button);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(recordPath), LoadTimeout);
    QTRY_VERIFY_WITH_TIMEOUT(!preview->Busy() && view->url() == postingAddress, LoadTimeout);
    *answer = preview->WaitForBodyHtml().value_or("");
}

}  // namespace

class tst_SubmitForum : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void textLimitIsTheBrowsers_data();
    void textLimitIsTheBrowsers();
    void forumReceivesWhatWasTyped_data();
    void forumReceivesWhatWasTyped();
    void fromExtractionToTheForum();

private:
    void LogIn();
    // Presses the main window's Submit, then the shown page's own Submit
    // button with the mouse, and waits for the forum's answer.
    void SubmitAndSend(frmPost& window);

    QTemporaryDir m_root;
    QTemporaryDir m_sessions;
    std::unique_ptr<PhpServer> m_php;
};

void tst_SubmitForum::initTestCase()
{
    QVERIFY(m_root.isValid());
    QFile login(m_root.filePath("login.php"));
    QVERIFY(login.open(QIODevice::WriteOnly));
    login.write(LoginPage);
    QFile posting(m_root.filePath("posting.php"));
    QVERIFY(posting.open(QIODevice::WriteOnly));
    posting.write(PostingPage);
    m_php = std::make_unique<PhpServer>(m_root.path());
    m_php->SetPhpOptions({"-d", "session.save_path=" + m_sessions.path(), "-d", "post_max_size=16M"});
    QVERIFY2(m_php->Start(), qPrintable(m_php->ErrorString()));
}

void tst_SubmitForum::init() { QFile::remove(m_root.filePath("record.json")); }

void tst_SubmitForum::SubmitAndSend(frmPost& window)
{
    const QString recordPath = m_root.filePath("record.json");
    QString answer;
    ModalDriver watcher([&](QWidget* w) {
        QPointer<frmPreview> preview = qobject_cast<frmPreview*>(w);
        QVERIFY(preview);
        PressSubmit(preview, recordPath, m_php->Url("/posting.php"), &answer);
    });
    QTest::mouseClick(window.cmdPost, Qt::LeftButton);
    QCOMPARE(watcher.Driven(), 1);
    QCOMPARE(answer, QString("received"));
}

void tst_SubmitForum::LogIn()
{
    // Another browser window of the run visits the forum's login, as the user
    // would have done before.
    frmPreview other;
    other.Navigate(m_php->Url("/login.php"));
    QVERIFY(other.WaitWhileBusy());
    QCOMPARE(other.WaitForBodyHtml().value_or(""), QString("logged in"));
}

void tst_SubmitForum::textLimitIsTheBrowsers_data()
{
    // The core's rule against the engine itself: a page just under the limit
    // loads as text, one just over does not.
    QTest::addColumn<int>("extra");
    QTest::addColumn<bool>("loads");
    QTest::newRow("at the limit") << 0 << true;
    QTest::newRow("one blank over") << 1 << false;
}

void tst_SubmitForum::textLimitIsTheBrowsers()
{
    QFETCH(int, extra);
    QFETCH(bool, loads);
    // "data:text/html;charset=UTF-8," is 29 characters, "<p>" seven (the
    // brackets three each), a letter one and a blank three.
    const size_t letters = 2 * 1024 * 1024 - 29 - 7 - 3;
    std::string page = "<p>" + std::string(letters, 'a') + ' ';
    QVERIFY(SubmitPage::FitsAsText(page));
    page.append(static_cast<size_t>(extra), ' ');
    if (extra)
        QVERIFY(!SubmitPage::FitsAsText(page));
    frmPreview reader;
    QSignalSpy completed(&reader, &frmPreview::navigationCompleted);
    reader.SetHtml(QString::fromStdString(page), m_php->Url("/posting.php"));
    QVERIFY(reader.WaitWhileBusy());
    QCOMPARE(completed.count(), 1);
    QCOMPARE(completed[0][0].toBool(), loads);
}

void tst_SubmitForum::forumReceivesWhatWasTyped_data()
{
    QTest::addColumn<bool>("reply");
    QTest::addColumn<QString>("number");  // typed topic number, or the forum number
    QTest::addColumn<QByteArray>("sentNumber");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QByteArray>("body");  // UTF-8, CR LF

    QTest::newRow("reply with quotes, a closing text-area tag, entities and tags")
        << true << "123" << QByteArray("123") << "He said \"hi\" & <b>left</b> </textarea>"
        << QByteArray("First line\r\n</textarea><b>bold</b> stays\r\n&amp; stays &amp;, &lt; too\r\n\"quoted\" 'single'");
    QTest::newRow("new topic with non-ASCII letters and several lines")
        << false << "12" << QByteArray("12")
        << QString::fromUtf8("Gr\xC3\xBC\xC3\x9F" "e \xE2\x80\x93 caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC")
        << QByteArray("Zeile eins\r\n\xC3\xB1\x61nd\xC3\xBA \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\r\n\r\n"
                      "[quote=\"Jos\xC3\xA9\"]\xF0\x9F\x98\x80[/quote]\r\n\tindented  twice");
    QTest::newRow("body starting and ending with line breaks")
        << true << " 42 " << QByteArray("42") << "Blank lines" << QByteArray("\r\n\r\nafter two breaks\r\n");
    QTest::newRow("empty title and body")
        << false << "7" << QByteArray("7") << "" << QByteArray("");
    QTest::newRow("placeholder chooser sends an empty forum number")
        << false << "" << QByteArray("") << "No forum" << QByteArray("[b]body[/b]");
}

void tst_SubmitForum::forumReceivesWhatWasTyped()
{
    QFETCH(bool, reply);
    QFETCH(QString, number);
    QFETCH(QByteArray, sentNumber);
    QFETCH(QString, title);
    QFETCH(QByteArray, body);
    LogIn();

    EditorFixture fixture;
    fixture.settings.Save(SettingsStore::SiteAdressKey, m_php->Url("/").toString());
    auto window = fixture.MakeWindow();
    window->txtTitle->setText(title);
    window->Post().SetPost(body.toStdString());
    if (reply) {
        QTest::mouseClick(window->optReply, Qt::LeftButton);
        QTest::keyClicks(window->txtPostNo, number);
    } else {
        QTest::mouseClick(window->OptNew, Qt::LeftButton);
    }
    if (!reply && !number.isEmpty()) {
        // The chooser takes the forum from the forum list, as after an extraction.
        QVERIFY(WriteAll(fixture.context.WritableFile("forums.inf"), (number + "- General\r\n\r\n").toUtf8()));
        window->GetForums();
        QCOMPARE(window->ForumNumber, number);
    }
    SubmitAndSend(*window);
    QCOMPARE(fixture.platform.messages.size(), 0);

    const Record record = ReadRecord(m_root.filePath("record.json"));
    QCOMPARE(record.method, QString("POST"));
    QMap<QString, QByteArray> expected{
        {"subject", title.toUtf8()},
        {"message", body},
        {"mode", reply ? "reply" : "newtopic"},
        {"attach_sig", "on"},
        {"post", "Submit"},
    };
    expected.insert(reply ? "t" : "f", sentNumber);
    QCOMPARE(record.fields, expected);
    // The login travelled with the form.
    QVERIFY(record.cookie);
    QCOMPARE(record.user, QString("tester"));
    QCOMPARE(record.origin, m_php->Url("").toString(QUrl::StripTrailingSlash));
}

void tst_SubmitForum::fromExtractionToTheForum()
{
    // The user's whole road: the site set in the options dialog, its forums
    // extracted from the served index page, the second forum chosen in the
    // main window, and a new topic sent there.
    QVERIFY(WriteAll(m_root.filePath("index.php"), IndexPage));
    LogIn();
    EditorFixture fixture;
    auto window = fixture.MakeWindow();
    auto* dialog = new frmOptions(fixture.context, [&]() -> frmPost& { return *window; }, window.get(),
                                  ForumExtraction::Timing{std::chrono::milliseconds(200), std::chrono::seconds(30)});
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    const QString index = m_php->Url("/index.php").toString();
    dialog->txtURL->selectAll();
    QTest::keyClicks(dialog->txtURL, index);
    QTest::mouseClick(dialog->Command1, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(dialog->List1->count(), 2, LoadTimeout);
    QCOMPARE(dialog->List1->item(1)->text(), QString("8- Help &amp; support"));
    QPointer<frmOptions> open(dialog);
    QTest::mouseClick(dialog->cmdSave, Qt::LeftButton);
    QTRY_VERIFY(!open);
    QCOMPARE(fixture.settings.Get(SettingsStore::SiteAdressKey), m_php->Url("/").toString());

    QCOMPARE(window->cmbForum->count(), 2);
    QCOMPARE(window->ForumNumber, QString("3"));
    QTest::mouseClick(window->OptNew, Qt::LeftButton);
    window->cmbForum->setFocus();
    QTest::keyClick(window->cmbForum, Qt::Key_Down);
    QCOMPARE(window->cmbForum->currentText(), QString("8- Help &amp; support"));
    QCOMPARE(window->ForumNumber, QString("8"));

    window->txtTitle->setText("Where is the \"help\" page?");
    window->Post().SetPost("Line one\r\n[b]Line two[/b]");
    SubmitAndSend(*window);
    const Record record = ReadRecord(m_root.filePath("record.json"));
    QCOMPARE(record.fields.value("f"), QByteArray("8"));
    QCOMPARE(record.fields.value("mode"), QByteArray("newtopic"));
    QCOMPARE(record.fields.value("subject"), QByteArray("Where is the \"help\" page?"));
    QCOMPARE(record.fields.value("message"), QByteArray("Line one\r\n[b]Line two[/b]"));
    QVERIFY(record.cookie);
}

QF_TEST_MAIN(tst_SubmitForum)
#include "tst_submitforum.moc"
