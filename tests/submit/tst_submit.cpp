// The main window's submission controls: the option buttons and their
// colours, Submit's checks in their order with their messages (the real
// settings store in a temporary folder), the page written and shown in the
// browser window's submission mode with the forum's address as its base, a
// page too large for that loaded from its file, and a page that cannot be
// written.

#include "app/SettingsStore.h"
#include "editor/PostDocument.h"
#include "editor/frmPost.h"
#include "render/frmPreview.h"
#include "app/PictureBox.h"
#include "submit/SubmitPage.h"
#include "support/EditorFixture.h"
#include "support/ModalDriver.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWebEngineView>

namespace {

constexpr int LoadTimeout = 20000;
const QString Site = QStringLiteral("http://127.0.0.1:9/forum/");

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
    void pageWrittenAndShown_data();
    void pageWrittenAndShown();
    void pageTooLargeForTextIsLoadedFromItsFile();
    void siteAddressThatIsNoWebAddress();
    void pageThatCannotBeWritten();
};

void tst_Submit::optionButtons()
{
    EditorFixture fixture;
    auto window = fixture.MakeWindow();
    QVERIFY(!window->OptNew->isChecked());
    QVERIFY(!window->optReply->isChecked());
    QVERIFY(!window->txtPostNo->isEnabled());
    QVERIFY(!window->cmbForum->isEnabled());
    QCOMPARE(BackgroundOf(window->txtPostNo, QPalette::Disabled), QColor(192, 192, 192));

    QTest::mouseClick(window->OptNew, Qt::LeftButton);
    QVERIFY(window->OptNew->isChecked());
    QVERIFY(!window->txtPostNo->isEnabled());
    QCOMPARE(BackgroundOf(window->txtPostNo, QPalette::Disabled), QColor(205, 205, 205));
    QVERIFY(window->cmbForum->isEnabled());

    QTest::mouseClick(window->optReply, Qt::LeftButton);
    QVERIFY(window->optReply->isChecked());
    QVERIFY(!window->OptNew->isChecked());
    QVERIFY(window->txtPostNo->isEnabled());
    QCOMPARE(BackgroundOf(window->txtPostNo, QPalette::Active), QColor(Qt::white));
    QCOMPARE(BackgroundOf(window->txtPostNo, QPalette::Inactive), QColor(Qt::white));
    QVERIFY(!window->cmbForum->isEnabled());

    QTest::mouseClick(window->OptNew, Qt::LeftButton);
    QVERIFY(!window->optReply->isChecked());
    QVERIFY(!window->txtPostNo->isEnabled());
    QCOMPARE(BackgroundOf(window->txtPostNo, QPalette::Disabled), QColor(205, 205, 205));
    QVERIFY(window->cmbForum->isEnabled());
}

void tst_Submit::checksInOrder_data()
{
    QTest::addColumn<QString>("site");
    QTest::addColumn<QString>("option");  // "", "new" or "reply"
    QTest::addColumn<QString>("typedNumber");
    QTest::addColumn<QStringList>("forums");
    QTest::addColumn<QString>("message");

    const QString noSite = "you didn't specify a valid site address, please specify one at the options window";
    QTest::newRow("no site address, nothing chosen") << "" << "" << "" << QStringList() << noSite;
    QTest::newRow("no site address, a bad reply") << "" << "reply" << "12a" << QStringList() << noSite;
    QTest::newRow("no site address, a new topic all set") << "" << "new" << "" << QStringList{"3- News"} << noSite;
    QTest::newRow("site address, nothing chosen")
        << Site << "" << "" << QStringList{"3- News"}
        << "Please choose the type of your post, is it a New post or a reply?";
    QTest::newRow("reply without a number") << Site << "reply" << "" << QStringList{"3- News"}
                                            << "Please specify the topic number";
    QTest::newRow("reply with 12a") << Site << "reply" << "12a" << QStringList() << "Post Number is not correctly specified";
    QTest::newRow("reply with blanks only") << Site << "reply" << "  " << QStringList()
                                            << "Post Number is not correctly specified";
    QTest::newRow("new topic with an empty chooser") << Site << "new" << "" << QStringList() << "Please specify the Forum";
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
        fixture.settings.Save(SettingsStore::SiteAdressKey, site);
    // The forum list as the chooser loads it; a list without entries leaves
    // the chooser empty.
    QVERIFY(WriteAll(fixture.context.WritableFile("forums.inf"), (forums.join("\r\n") + "\r\n\r\n").toUtf8()));
    auto window = fixture.MakeWindow();
    window->txtTitle->setText("A title");
    window->Post().SetPost("A body");
    QCOMPARE(window->cmbForum->count(), forums.size());
    if (option == "reply") {
        QTest::mouseClick(window->optReply, Qt::LeftButton);
        QTest::keyClicks(window->txtPostNo, typedNumber);
    } else if (option == "new") {
        QTest::mouseClick(window->OptNew, Qt::LeftButton);
    }
    fixture.platform.answers << MsgAnswer::OK;
    ModalDriver watcher;
    QTest::mouseClick(window->cmdPost, Qt::LeftButton);

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
    QCOMPARE(window->txtPostNo->text(), typedNumber);
}

void tst_Submit::pageWrittenAndShown_data()
{
    QTest::addColumn<bool>("reply");
    QTest::addColumn<QString>("expectedNumber");
    QTest::addColumn<QString>("site");
    QTest::newRow("reply") << true << "<p>Topic Number: <input type=\"text\" name=\"t\" value= 123  ></p>" << Site;
    QTest::newRow("new topic in the chosen forum")
        << false << "<p>Forum Number: <input type=\"text\" name=\"f\" value=12 ></p>" << Site;
    QTest::newRow("site address typed in capitals")
        << true << "<p>Topic Number: <input type=\"text\" name=\"t\" value= 123  ></p>"
        << "HTTP://127.0.0.1:9/forum/";
}

void tst_Submit::pageWrittenAndShown()
{
    QFETCH(bool, reply);
    QFETCH(QString, expectedNumber);
    QFETCH(QString, site);
    EditorFixture fixture;
    fixture.settings.Save(SettingsStore::SiteAdressKey, site);
    // The chooser loads the forum list and chooses its first forum.
    QVERIFY(WriteAll(fixture.context.WritableFile("forums.inf"), "12- General chat\r\n7- News\r\n\r\n"));
    auto window = fixture.MakeWindow();
    QCOMPARE(window->ForumNumber, QString("12"));
    window->txtTitle->setText("Say \"cheese\"");
    window->Post().SetPost("Line one\r\n</textarea> & more");
    if (reply) {
        QTest::mouseClick(window->optReply, Qt::LeftButton);
        QTest::keyClicks(window->txtPostNo, " 123 ");
    } else {
        QTest::mouseClick(window->OptNew, Qt::LeftButton);
    }
    const QString path = fixture.context.WritableFile("submit.htm");
    QByteArray writtenWhileShown;
    QString caption;
    bool banner = false;
    bool modal = false;
    QWidget* owner = nullptr;
    QUrl shownAt;
    QString body;
    ModalDriver watcher([&](QWidget* w) {
        auto* preview = qobject_cast<frmPreview*>(w);
        QVERIFY(preview);
        writtenWhileShown = ReadAll(path);
        caption = preview->windowTitle();
        banner = preview->imgSend->isVisible();
        modal = preview->isModal();
        owner = preview->parentWidget();
        QTRY_VERIFY_WITH_TIMEOUT(!preview->Busy(), LoadTimeout);
        shownAt = qobject_cast<QWebEngineView*>(preview->WebBrowser1)->url();
        body = preview->WaitForBodyHtml().value_or("<no body>");
    });
    QTest::mouseClick(window->cmdPost, Qt::LeftButton);
    QCOMPARE(watcher.Driven(), 1);
    QCOMPARE(fixture.platform.messages.size(), 0);
    QCOMPARE(caption, QString("Send Topic"));
    QVERIFY(banner);
    QVERIFY(modal);
    QCOMPARE(owner, window.get());
    // Shown as if it came from the forum's own posting page.
    QCOMPARE(shownAt, QUrl(Site + "posting.php"));  // the scheme in small letters, as browsers write it
    QVERIFY2(body.contains("value=\"Say &quot;cheese&quot;\""), qPrintable(body));
    QVERIFY2(body.contains("Line one\n&lt;/textarea&gt; &amp; more</textarea>"), qPrintable(body));

    // One line and CR LF, the number paragraph as the chosen kind gives it.
    const QByteArray page = ReadAll(path);
    QCOMPARE(writtenWhileShown, page);
    QVERIFY(page.endsWith("</body></html>\r\n"));
    QCOMPARE(page.count('\n'), 2);  // the body's own line break and the page's
    QVERIFY2(page.contains(expectedNumber.toUtf8()), page.constData());
    QVERIFY(page.contains(reply ? "name=\"mode\" value=reply >" : "name=\"mode\" value=\"newtopic\" >"));
    QVERIFY(page.startsWith("<html><body bgcolor=\"#CCCCCC\"><form action=\"" + site.toUtf8() + "posting.php\""));
    // Nothing in the editor changes.
    QCOMPARE(window->Post().Post(), std::string("Line one\r\n</textarea> & more"));
    QCOMPARE(window->txtTitle->text(), QString("Say \"cheese\""));
}

void tst_Submit::pageTooLargeForTextIsLoadedFromItsFile()
{
    EditorFixture fixture;
    fixture.settings.Save(SettingsStore::SiteAdressKey, Site);
    auto window = fixture.MakeWindow();
    // Under 1 MB of bytes, but mostly blanks, which the browser's data
    // address writes three characters each.
    const std::string body = std::string(800 * 1024, ' ') + "the end";
    window->Post().SetPost(body);
    QTest::mouseClick(window->optReply, Qt::LeftButton);
    QTest::keyClicks(window->txtPostNo, "5");
    const QString path = fixture.context.WritableFile("submit.htm");
    QUrl shownAt;
    bool loaded = false;
    ModalDriver watcher([&](QWidget* w) {
        auto* preview = qobject_cast<frmPreview*>(w);
        QVERIFY(preview);
        QSignalSpy completed(preview, &frmPreview::navigationCompleted);
        QTRY_VERIFY_WITH_TIMEOUT(!preview->Busy(), LoadTimeout);
        shownAt = qobject_cast<QWebEngineView*>(preview->WebBrowser1)->url();
        loaded = preview->WaitForBodyHtml().value_or("").contains("the end</textarea>");
    });
    QTest::mouseClick(window->cmdPost, Qt::LeftButton);
    QCOMPARE(watcher.Driven(), 1);
    QCOMPARE(shownAt, QUrl::fromLocalFile(path));
    QVERIFY(loaded);
}

void tst_Submit::siteAddressThatIsNoWebAddress()
{
    // A site address without a scheme cannot serve as the page's base: the
    // page is loaded from its file, as it is written.
    EditorFixture fixture;
    fixture.settings.Save(SettingsStore::SiteAdressKey, "forum.example.org/");
    auto window = fixture.MakeWindow();
    QTest::mouseClick(window->optReply, Qt::LeftButton);
    QTest::keyClicks(window->txtPostNo, "5");
    QUrl shownAt;
    ModalDriver watcher([&](QWidget* w) {
        auto* preview = qobject_cast<frmPreview*>(w);
        QVERIFY(preview);
        QTRY_VERIFY_WITH_TIMEOUT(!preview->Busy(), LoadTimeout);
        shownAt = qobject_cast<QWebEngineView*>(preview->WebBrowser1)->url();
    });
    QTest::mouseClick(window->cmdPost, Qt::LeftButton);
    QCOMPARE(watcher.Driven(), 1);
    QCOMPARE(shownAt, QUrl::fromLocalFile(fixture.context.WritableFile("submit.htm")));
    QVERIFY(ReadAll(fixture.context.WritableFile("submit.htm")).contains("action=\"forum.example.org/posting.php\""));
}

void tst_Submit::pageThatCannotBeWritten()
{
    EditorFixture fixture;
    fixture.settings.Save(SettingsStore::SiteAdressKey, Site);
    // A folder of that name, not empty, stops everyone, root included.
    const QString path = fixture.context.WritableFile("submit.htm");
    QVERIFY(QDir().mkpath(path));
    QFile inside(path + "/keep.txt");
    QVERIFY(inside.open(QIODevice::WriteOnly));
    inside.close();
    auto window = fixture.MakeWindow();
    window->Post().SetPost("kept in the editor");
    QTest::mouseClick(window->optReply, Qt::LeftButton);
    QTest::keyClicks(window->txtPostNo, "5");
    fixture.platform.answers << MsgAnswer::OK;
    ModalDriver watcher;
    QTest::mouseClick(window->cmdPost, Qt::LeftButton);
    QCOMPARE(watcher.Driven(), 0);
    QCOMPARE(fixture.platform.messages.size(), 1);
    const MsgBoxCall& box = fixture.platform.messages[0];
    QVERIFY2(box.text.contains(QDir::toNativeSeparators(path)), qPrintable(box.text));
    QCOMPARE(box.icon, MsgIcon::Critical);
    QCOMPARE(box.buttons, MsgButtons::OK);
    QCOMPARE(box.owner, window.get());
    QCOMPARE(window->Post().Post(), std::string("kept in the editor"));
}

QF_TEST_MAIN(tst_Submit)
#include "tst_submit.moc"
