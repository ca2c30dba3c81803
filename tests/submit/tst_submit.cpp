// SPDX-License-Identifier: MIT
// The main window's submission controls: the option buttons and their
// colours, Submit's checks in their order with their messages (the real
// settings store in a temporary folder), and the browser window opened in
// its submission mode at the forum's posting page for the kind of post.

#include "base/Settings.h"
#include "board/BoardProfiles.h"
#include "post/PostDocument.h"
#include "editor/MainWindow.h"
#include "browser/BrowserWindow.h"
#include "base/PictureBox.h"
#include "submit/PostingSession.h"
#include "support/TestBoards.h"
#include "support/EditorFixture.h"
#include "support/LocalWebServer.h"
#include "support/ModalDriver.h"
#include "support/PostControls.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"
#include "support/WebView.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QWebEngineView>

namespace {

constexpr int LoadTimeout = 20000;
const QString Site = QStringLiteral("http://127.0.0.1:9/forum/");

// A reply with `body` to topic 5 of the site set up in `fixture`, Submit
// pressed; `answer` (when not 0) answers the first message box.
std::unique_ptr<MainWindow> SubmitReply(EditorFixture& fixture, const std::string& body, int answer)
{
    auto window = fixture.MakeWindow();
    Controls(*window).subjectEdit->setText("A title");
    window->Post().SetPost(body);
    QTest::mouseClick(Controls(*window).replyOption, Qt::LeftButton);
    QTest::keyClicks(Controls(*window).topicNumberEdit, "5");
    if (answer)
        fixture.platform.answers << MsgAnswer(answer);
    QTest::mouseClick(Controls(*window).submitButton, Qt::LeftButton);
    return window;
}

QColor BackgroundOf(const QLineEdit* field, QPalette::ColorGroup group)
{
    return field->palette().color(group, QPalette::Base);
}

}  // namespace

class tst_Submit : public QObject {
    Q_OBJECT
private slots:
    void optionButtons();
    void checksInOrder_data();
    void checksInOrder();
    void windowOpensAtThePostingPage_data();
    void windowOpensAtThePostingPage();
    void siteThatDoesNotAnswer();
    void postingFormOnAnotherHostIsNotFilled();
    void postForAnotherBoard_data();
    void postForAnotherBoard();
    void postTheBoardWouldRefuse_data();
    void postTheBoardWouldRefuse();
};

void tst_Submit::optionButtons()
{
    EditorFixture fixture;
    auto window = fixture.MakeWindow();
    QVERIFY(!Controls(*window).newTopicOption->isChecked());
    QVERIFY(!Controls(*window).replyOption->isChecked());
    QVERIFY(!Controls(*window).topicNumberEdit->isEnabled());
    QVERIFY(!Controls(*window).forumChooser->isEnabled());
    QCOMPARE(BackgroundOf(Controls(*window).topicNumberEdit, QPalette::Disabled), QColor(192, 192, 192));

    QTest::mouseClick(Controls(*window).newTopicOption, Qt::LeftButton);
    QVERIFY(Controls(*window).newTopicOption->isChecked());
    QVERIFY(!Controls(*window).topicNumberEdit->isEnabled());
    QCOMPARE(BackgroundOf(Controls(*window).topicNumberEdit, QPalette::Disabled), QColor(205, 205, 205));
    QVERIFY(Controls(*window).forumChooser->isEnabled());

    QTest::mouseClick(Controls(*window).replyOption, Qt::LeftButton);
    QVERIFY(Controls(*window).replyOption->isChecked());
    QVERIFY(!Controls(*window).newTopicOption->isChecked());
    QVERIFY(Controls(*window).topicNumberEdit->isEnabled());
    QCOMPARE(BackgroundOf(Controls(*window).topicNumberEdit, QPalette::Active), QColor(Qt::white));
    QCOMPARE(BackgroundOf(Controls(*window).topicNumberEdit, QPalette::Inactive), QColor(Qt::white));
    QVERIFY(!Controls(*window).forumChooser->isEnabled());

    QTest::mouseClick(Controls(*window).newTopicOption, Qt::LeftButton);
    QVERIFY(!Controls(*window).replyOption->isChecked());
    QVERIFY(!Controls(*window).topicNumberEdit->isEnabled());
    QCOMPARE(BackgroundOf(Controls(*window).topicNumberEdit, QPalette::Disabled), QColor(205, 205, 205));
    QVERIFY(Controls(*window).forumChooser->isEnabled());
}

void tst_Submit::checksInOrder_data()
{
    QTest::addColumn<QString>("site");
    QTest::addColumn<QString>("option");  // "", "new" or "reply"
    QTest::addColumn<QString>("typedNumber");
    QTest::addColumn<QStringList>("forums");
    QTest::addColumn<QString>("message");

    const QString noSite = "you didn't specify a valid site address, please specify one at the options window";
    QTest::newRow("no site address, nothing chosen") << ""
                                                     << ""
                                                     << "" << QStringList() << noSite;
    QTest::newRow("no site address, a bad reply") << ""
                                                  << "reply"
                                                  << "12a" << QStringList() << noSite;
    QTest::newRow("no site address, a new topic all set") << ""
                                                          << "new"
                                                          << "" << QStringList{"3- News"} << noSite;
    QTest::newRow("site address, nothing chosen")
        << Site << ""
        << "" << QStringList{"3- News"} << "Please choose the type of your post, is it a New post or a reply?";
    QTest::newRow("reply without a number") << Site << "reply"
                                            << "" << QStringList{"3- News"} << "Please specify the topic number";
    QTest::newRow("reply with 12a") << Site << "reply"
                                    << "12a" << QStringList() << "Post Number is not correctly specified";
    QTest::newRow("reply with blanks only") << Site << "reply"
                                            << "  " << QStringList() << "Post Number is not correctly specified";
    QTest::newRow("new topic with an empty chooser") << Site << "new"
                                                     << "" << QStringList() << "Please specify the Forum";
}

void tst_Submit::checksInOrder()
{
    QFETCH(QString, site);
    QFETCH(QString, option);
    QFETCH(QString, typedNumber);
    QFETCH(QStringList, forums);
    QFETCH(QString, message);
    EditorFixture fixture;
    if (!site.isEmpty())
        fixture.settings.setSiteAddress(site);
    // The forum list as the chooser loads it; a list without entries leaves
    // the chooser empty.
    QVERIFY(WriteAll(fixture.context.WritableFile("forums.inf"), (forums.join("\r\n") + "\r\n\r\n").toUtf8()));
    auto window = fixture.MakeWindow();
    Controls(*window).subjectEdit->setText("A title");
    window->Post().SetPost("A body");
    QCOMPARE(Controls(*window).forumChooser->count(), forums.size());
    if (option == "reply") {
        QTest::mouseClick(Controls(*window).replyOption, Qt::LeftButton);
        QTest::keyClicks(Controls(*window).topicNumberEdit, typedNumber);
    } else if (option == "new") {
        QTest::mouseClick(Controls(*window).newTopicOption, Qt::LeftButton);
    }
    fixture.platform.answers << MsgAnswer::OK;
    ModalDriver watcher;
    QTest::mouseClick(Controls(*window).submitButton, Qt::LeftButton);

    QCOMPARE(fixture.platform.MessageTexts(), QStringList{message});
    const MsgBoxCall& box = fixture.platform.messages[0];
    QCOMPARE(box.buttons, MsgButtons::OK);
    QCOMPARE(box.icon, MsgIcon::Critical);
    QCOMPARE(box.title, QString("Quillforge"));
    QCOMPARE(box.owner, window.get());
    QCOMPARE(watcher.Driven(), 0);
    QVERIFY(!QFile::exists(fixture.context.WritableFile("submit.htm")));
    // The editor is left as it was.
    QCOMPARE(window->Post().Post(), std::string("A body"));
    QCOMPARE(Controls(*window).topicNumberEdit->text(), typedNumber);
}

void tst_Submit::windowOpensAtThePostingPage_data()
{
    QTest::addColumn<bool>("reply");
    QTest::addColumn<QString>("typedNumber");
    QTest::addColumn<QString>("siteCase");  // "as served" or "capitals"
    QTest::addColumn<QStringList>("expectedPaths");
    QTest::addColumn<QString>("board");  // the site's board as found before
    // A board not known yet is looked for on the index page first; these
    // index pages tell nothing, so the phpBB addresses follow.
    QTest::newRow("reply: the topic number without its blanks")
        << true << " 123 "
        << "as served" << QStringList{"/forum/", "/forum/posting.php?mode=reply&t=123"} << "";
    QTest::newRow("new topic: the chosen forum, the older boards' mode when no form came, back to the first answer")
        << false << ""
        << "as served"
        << QStringList{"/forum/", "/forum/posting.php?mode=post&f=12", "/forum/posting.php?mode=newtopic&f=12",
                       "/forum/posting.php?mode=post&f=12"}
        << "";
    QTest::newRow("site address typed in capitals")
        << true << "5"
        << "capitals" << QStringList{"/forum/", "/forum/posting.php?mode=reply&t=5"} << "";
    QTest::newRow("not known yet, the index page tells MyBB")
        << false << ""
        << "as served" << QStringList{"/forum/", "/forum/newthread.php?fid=12"} << "index: mybb18";
    QTest::newRow("MyBB: its new-thread page, tried once")
        << false << ""
        << "as served" << QStringList{"/forum/newthread.php?fid=12"} << "mybb18";
    QTest::newRow("MyBB: its reply page") << true << " 123 "
                                          << "as served" << QStringList{"/forum/newreply.php?tid=123"} << "mybb18";
    QTest::newRow("SMF: its post action for the board, tried once")
        << false << ""
        << "as served" << QStringList{"/forum/index.php?action=post;board=12.0"} << "smf21";
    QTest::newRow("SMF: its post action for the topic")
        << true << "5"
        << "as served" << QStringList{"/forum/index.php?action=post;topic=5.0"} << "smf21";
}

void tst_Submit::windowOpensAtThePostingPage()
{
    QFETCH(bool, reply);
    QFETCH(QString, typedNumber);
    QFETCH(QString, siteCase);
    QFETCH(QStringList, expectedPaths);
    QFETCH(QString, board);
    LocalWebServer server;
    QVERIFY(server.Start());
    // A board answer without any form: neither mode gives a posting page.
    for (const char* page : {"/forum/posting.php", "/forum/newthread.php", "/forum/newreply.php", "/forum/index.php"})
        server.Serve(page, "<html><body><p>No post mode specified.</p></body></html>");
    server.Serve("/forum/",
                 board.startsWith("index: ") ? "<html><body><a href=\"forumdisplay.php?fid=12\">General chat</a>"
                                               "<a href=\"member.php?action=login\">Login</a></body></html>"
                                             : "<html><body><p>Welcome</p></body></html>");
    EditorFixture fixture;
    QString site = server.Url("/forum/").toString();
    if (siteCase == "capitals")
        site.replace("http://", "HTTP://");
    fixture.settings.setSiteAddress(site);
    const bool indexTells = board.startsWith("index: ");
    if (!indexTells)
        BoardProfiles::SaveFound(fixture.settings, site, &KindOf(board), FoundOn::IndexPage);
    // The chooser loads the forum list and chooses its first forum.
    QVERIFY(WriteAll(fixture.context.WritableFile("forums.inf"), "12- General chat\r\n7- News\r\n\r\n"));
    auto window = fixture.MakeWindow();
    QCOMPARE(window->ForumNumber(), QString("12"));
    Controls(*window).subjectEdit->setText("Say \"cheese\"");
    window->Post().SetPost("Line one\r\n</textarea> & more");
    if (reply) {
        QTest::mouseClick(Controls(*window).replyOption, Qt::LeftButton);
        QTest::keyClicks(Controls(*window).topicNumberEdit, typedNumber);
    } else {
        QTest::mouseClick(Controls(*window).newTopicOption, Qt::LeftButton);
    }
    QString caption;
    bool banner = false;
    bool modal = false;
    QWidget* owner = nullptr;
    QString body;
    ModalDriver watcher([&](QWidget* w) {
        auto* preview = qobject_cast<BrowserWindow*>(w);
        QVERIFY(preview);
        caption = preview->windowTitle();
        banner = preview->sendTopicBanner->isVisible();
        modal = preview->isModal();
        owner = preview->parentWidget();
        QF_TRY_COMPARE_WITH_TIMEOUT(server.requests.size(), expectedPaths.size(), LoadTimeout);
        // No further page is asked for.
        QVERIFY(WaitSettled(preview, LoadTimeout));
        body = preview->WaitForBodyHtml().value_or("<no body>");
    });
    QTest::mouseClick(Controls(*window).submitButton, Qt::LeftButton);
    QCOMPARE(watcher.Driven(), 1);
    QCOMPARE(fixture.platform.messages.size(), 0);
    QCOMPARE(caption, QString("Send Topic"));
    QVERIFY(banner);
    QVERIFY(modal);
    QCOMPARE(owner, window.get());
    QStringList paths;
    for (const LocalWebServer::Request& request : server.requests)
        paths << request.path;
    QCOMPARE(paths, expectedPaths);
    // The board's answer is shown as it is, and no page is written.
    QVERIFY2(body.contains("No post mode specified."), qPrintable(body));
    QVERIFY(!QFile::exists(fixture.context.WritableFile("submit.htm")));
    // Nothing in the editor changes, and no mode is remembered for a board
    // that gave no form.
    QCOMPARE(window->Post().Post(), std::string("Line one\r\n</textarea> & more"));
    QCOMPARE(Controls(*window).subjectEdit->text(), QString("Say \"cheese\""));
    QCOMPARE(fixture.settings.value("NewTopicMode", QUrl::toPercentEncoding(site)), QString());
    if (indexTells)
        QCOMPARE(QString::fromStdString(BoardProfiles::Load(fixture.settings, site).Description()),
                 QString("Board: MyBB 1.8, found on the index page"));
}

void tst_Submit::siteThatDoesNotAnswer()
{
    // Nothing listens on the discard port: the browser's own error page is
    // shown, and no other mode is tried on a board that cannot be reached.
    EditorFixture fixture;
    fixture.settings.setSiteAddress("http://127.0.0.1:9/forum/");
    QVERIFY(WriteAll(fixture.context.WritableFile("forums.inf"), "4- News\r\n\r\n"));
    auto window = fixture.MakeWindow();
    QTest::mouseClick(Controls(*window).newTopicOption, Qt::LeftButton);
    int completed = 0;
    QUrl shownAt;
    ModalDriver watcher([&](QWidget* w) {
        auto* preview = qobject_cast<BrowserWindow*>(w);
        QVERIFY(preview);
        QSignalSpy done(preview, &BrowserWindow::navigationCompleted);
        QF_TRY_VERIFY_WITH_TIMEOUT(done.count() >= 2, LoadTimeout);
        QVERIFY(WaitSettled(preview, LoadTimeout));
        completed = done.count();
        shownAt = qobject_cast<QWebEngineView*>(preview->pageView)->url();
    });
    QTest::mouseClick(Controls(*window).submitButton, Qt::LeftButton);
    QCOMPARE(watcher.Driven(), 1);
    // The index page, looked at for the board, and the posting page.
    QCOMPARE(completed, 2);
    QCOMPARE(shownAt, QUrl("http://127.0.0.1:9/forum/posting.php?mode=post&f=4"));
    QCOMPARE(fixture.platform.messages.size(), 0);
}

void tst_Submit::postingFormOnAnotherHostIsNotFilled()
{
    // The forum's page sends the browser to a posting form on another host
    // name: the post is not written there.
    LocalWebServer server;
    QVERIFY(server.Start());
    const QUrl elsewhere = QUrl(server.Url("/other/posting.php").toString().replace("127.0.0.1", "localhost"));
    server.Serve("/forum/posting.php",
                 "<html><head><meta http-equiv=\"refresh\" content=\"0;url=" + elsewhere.toEncoded()
                     + "\"></head><body>Moved</body></html>");
    server.Serve("/other/posting.php",
                 "<html><body><form method=\"post\"><input name=\"subject\" value=\"\">"
                 "<textarea name=\"message\"></textarea></form></body></html>");
    EditorFixture fixture;
    fixture.settings.setSiteAddress(server.Url("/forum/").toString());
    auto window = fixture.MakeWindow();
    Controls(*window).subjectEdit->setText("Private title");
    window->Post().SetPost("Private body");
    QTest::mouseClick(Controls(*window).replyOption, Qt::LeftButton);
    QTest::keyClicks(Controls(*window).topicNumberEdit, "5");
    QString subject, message;
    ModalDriver watcher([&](QWidget* w) {
        auto* preview = qobject_cast<BrowserWindow*>(w);
        QVERIFY(preview);
        auto* view = qobject_cast<QWebEngineView*>(preview->pageView);
        QF_TRY_COMPARE_WITH_TIMEOUT(view->url().host(), QString("localhost"), LoadTimeout);
        QVERIFY(WaitSettled(preview, LoadTimeout));
        subject = RunScript(preview, "document.querySelector('input[name=subject]').value").toString();
        message = RunScript(preview, "document.querySelector('textarea[name=message]').value").toString();
    });
    QTest::mouseClick(Controls(*window).submitButton, Qt::LeftButton);
    QCOMPARE(watcher.Driven(), 1);
    QCOMPARE(subject, QString());
    QCOMPARE(message, QString());
}

void tst_Submit::postForAnotherBoard_data()
{
    QTest::addColumn<QString>("board");  // the kind found for the site: "phpbb3", "phpbb2" or ""
    QTest::addColumn<QString>("body");
    QTest::addColumn<int>("answer");        // to the question, when one comes
    QTest::addColumn<QString>("question");  // its last line; empty: none asked
    QTest::addColumn<QString>("sent");      // the body afterwards
    QTest::addColumn<bool>("opened");       // the posting page opened

    const QString pixels = "[size=18]Large[/size] [SIZE=7]tiny[/size] [size=13]as is[/size] [code][size=9][/code]";
    const QString converted = "[size=150]Large[/size] [SIZE=50]tiny[/size] [size=13]as is[/size] [code][size=9][/code]";
    const QString toThree = "Convert these 2 sizes to phpBB 3's (50, 85, 100, 150 and 200)?";
    QTest::newRow("phpBB 2 sizes to a phpBB 3 site, converted")
        << "phpbb3" << pixels << int(MsgAnswer::Yes) << toThree << converted << true;
    QTest::newRow("phpBB 2 sizes to a phpBB 3 site, sent as they are")
        << "phpbb3" << pixels << int(MsgAnswer::No) << toThree << pixels << true;
    QTest::newRow("phpBB 2 sizes to a phpBB 3 site, back to the post")
        << "phpbb3" << pixels << int(MsgAnswer::Cancel) << toThree << pixels << false;
    QTest::newRow("phpBB 3 sizes to a phpBB 2 site")
        << "phpbb2"
        << "[size=150]x[/size]" << int(MsgAnswer::Yes) << "Convert this size to phpBB 2's (7, 9, 12, 18 and 24)?"
        << "[size=18]x[/size]" << true;
    QTest::newRow("the site's own sizes ask nothing") << "phpbb3"
                                                      << "[size=150]x[/size]" << 0 << ""
                                                      << "[size=150]x[/size]" << true;
    QTest::newRow("a site of unknown kind asks nothing") << "" << pixels << 0 << "" << pixels << true;
    QTest::newRow("a MyBB site has sizes of its own: phpBB's ask nothing") << "mybb18"
                                                                           << "[size=150]x[/size]" << 0 << ""
                                                                           << "[size=150]x[/size]" << true;
}

void tst_Submit::postForAnotherBoard()
{
    QFETCH(QString, board);
    QFETCH(QString, body);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(QString, sent);
    QFETCH(bool, opened);
    EditorFixture fixture;
    fixture.settings.setSiteAddress(Site);
    if (!board.isEmpty())
        BoardProfiles::SaveFound(fixture.settings, Site, &KindOf(board), FoundOn::IndexPage);
    ModalDriver watcher;
    auto window = SubmitReply(fixture, body.toStdString(), answer);
    QCOMPARE(fixture.platform.messages.size(), question.isEmpty() ? 0 : 1);
    if (!question.isEmpty()) {
        QCOMPARE(fixture.platform.messages[0].text.split("\r\n").last(), question);
        QCOMPARE(fixture.platform.messages[0].buttons, MsgButtons::YesNoCancel);
    }
    QCOMPARE(QString::fromStdString(window->Post().Post()), sent);
    QCOMPARE(watcher.Driven(), opened ? 1 : 0);
    // The conversion is one step of the body's undo.
    if (sent != body) {
        Controls(*window).bodyEdit->undo();
        QCOMPARE(QString::fromStdString(window->Post().Post()), body);
    }
}

void tst_Submit::postTheBoardWouldRefuse_data()
{
    QTest::addColumn<QString>("board");
    QTest::addColumn<int>("maxChars");  // as the posting page gave it; 0: the board's default
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("reasons");  // the warning's lines between its first line and its question
    QTest::addColumn<int>("answer");

    const QByteArray deep = "[quote]1[quote]2[quote]3[quote]4[/quote][/quote][/quote][/quote]";
    QTest::newRow("too long for the board's default, sent anyway")
        << "phpbb3" << 0 << QByteArray(60001, 'x')
        << "Your message contains 60001 characters.\r\nThe maximum number of allowed characters is 60000."
        << int(MsgAnswer::Yes);
    QTest::newRow("an ampersand counts five: too long for the limit its page gave, back to the post")
        << "phpbb3" << 5000 << QByteArray(1000, '&') + "x"
        << "Your message contains 5001 characters.\r\nThe maximum number of allowed characters is 5000."
        << int(MsgAnswer::No);
    QTest::newRow("a size over the board's maximum") << "phpbb3" << 0 << QByteArray("[size=300]big[/size]")
                                                     << "You may only use fonts up to size 200." << int(MsgAnswer::No);
    QTest::newRow("quotes the board would drop without a word")
        << "phpbb3" << 0 << deep << "Quotes nested deeper than 3 will be removed, with everything inside them."
        << int(MsgAnswer::Yes);
    QTest::newRow("a post the board takes asks nothing")
        << "phpbb3" << 0 << QByteArray("[size=200]fine[/size]") << "" << 0;
    QTest::newRow("phpBB 2 is not judged by phpBB 3's rules")
        << "phpbb2" << 0 << QByteArray("[size=300]x[/size]") << "" << 0;
    // MyBB counts "[video=" as written (its substr_count), so "[VIDEO=" is not counted.
    QTest::newRow("MyBB: two videos")
        << "mybb18" << 0 << QByteArray(" [video=youtube]a[/video][VIDEO=x]c[/video][video=vimeo]b[/video] ")
        << "The message you entered contained 2 videos, while only 1 videos per message are allowed. Please lower "
           "the video count in your message to meet the limit."
        << int(MsgAnswer::Yes);
    QTest::newRow("MyBB: four letters and blanks are too short")
        << "mybb18" << 0 << QByteArray("\r\n abcd \xC2\xA0")
        << "The message is too short. Please enter a message longer than 5 characters." << int(MsgAnswer::No);
    QTest::newRow("MyBB counts bytes: 21846 three-byte letters are too long")
        << "mybb18" << 0 << QString(21846, QChar(0x20AC)).toUtf8()
        << "The message is too long. Please enter a message shorter than 65535 characters (currently 65538)."
        << int(MsgAnswer::No);
    QTest::newRow("SMF counts characters: 20000 two-byte letters pass")
        << "smf21" << 0 << QString(20000, QChar(0xE9)).toUtf8() << "" << 0;
    QTest::newRow("SMF: 20001 characters are too long")
        << "smf21" << 0 << QByteArray(20001, 'x')
        << "The message exceeds the maximum allowed length (20000 characters)." << int(MsgAnswer::No);
}

void tst_Submit::postTheBoardWouldRefuse()
{
    QFETCH(QString, board);
    QFETCH(int, maxChars);
    QFETCH(QByteArray, body);
    QFETCH(QString, reasons);
    QFETCH(int, answer);
    EditorFixture fixture;
    fixture.settings.setSiteAddress(Site);
    BoardProfile page;
    page.found = &KindOf(board);
    page.maxChars = size_t(maxChars);
    BoardProfiles::SavePostingPage(fixture.settings, Site, page);
    ModalDriver watcher;
    auto window = SubmitReply(fixture, body.toStdString(), answer);
    QCOMPARE(fixture.platform.messages.size(), reasons.isEmpty() ? 0 : 1);
    if (!reasons.isEmpty()) {
        const MsgBoxCall& box = fixture.platform.messages[0];
        QStringList lines = box.text.split("\r\n");
        QCOMPARE(lines.takeLast(), QString("Send it anyway?"));
        QCOMPARE(lines.mid(2, lines.size() - 3).join("\r\n"), reasons);
        QCOMPARE(box.buttons, MsgButtons::YesNo);
    }
    QCOMPARE(watcher.Driven(), answer == int(MsgAnswer::No) ? 0 : 1);
    QCOMPARE(window->Post().Post(), body.toStdString());
}

QF_TEST_MAIN(tst_Submit)
#include "tst_submit.moc"
