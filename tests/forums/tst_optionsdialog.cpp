// SPDX-License-Identifier: MIT
// The options dialog without the web engine: its pages and texts, loading
// from the settings store, the address mirror, Save's normalising and
// storing, Cancel, the forum list written by Save, the dialog at first start
// (modal, before the main window, which Save may create) and from the menu
// and toolbar (modeless, brought forward).

#include "app/MainStartup.h"
#include "board/BoardProfiles.h"
#include "editor/MainWindow.h"
#include "post/PostDocument.h"
#include "forums/ForumListFile.h"
#include "forums/OptionsDialog.h"
#include "forums/SiteList.h"
#include "support/TestBoards.h"
#include "support/EditorFixture.h"
#include "support/ModalDriver.h"
#include "support/PostControls.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTabBar>
#include <QToolBar>

namespace {

const QString NotStored = QStringLiteral("<not stored>");

template <class Window>
QList<Window*> AllWindows()
{
    QList<Window*> found;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<Window*>(widget))
            found.append(window);
    return found;
}

// Types `text` as key presses; letters beyond ASCII come as the text of a
// key press, as an input method gives them.
void ReplaceText(QLineEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(field, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void Click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }

}  // namespace

class tst_OptionsDialog : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void pagesAndTexts();
    void loadsFromTheStore_data();
    void loadsFromTheStore();
    void tabsChoosePages();
    void addressMirror();
    void saveNormalisesAndStores_data();
    void saveNormalisesAndStores();
    void cancelStoresNothing_data();
    void cancelStoresNothing();
    void enterAndEscapePressNothing();
    void saveWithEmptyListLeavesTheForumListAlone();
    void saveWritesTheListAndRefreshesTheChooser();
    void saveThatCannotWriteTheListKeepsTheDialog();
    void menuAndToolbarShowOneModelessDialog();
    void firstStartShowsTheDialogFirst_data();
    void firstStartShowsTheDialogFirst();
    void firstStartSaveCreatesTheMainWindow();
    void boardSoftwareChosenByTheUser();
    void sitesAddedEditedAndRemoved();
    void removingALaterSiteDeletesItsList();
    void movingASiteFirstGivesItTheFirstList();
    void badSitesRefused_data();
    void badSitesRefused();

private:
    OptionsDialog* MakeDialog(QWidget* owner = nullptr);
    // A key of the settings file's Options group, as stored.
    QString StoredOption(const QString& key) const { return m_fixture->settings.value("Options", key, NotStored); }
    QString ListPath() const { return ForumListFile::PathOf(m_fixture->context); }
    void WriteList(const QByteArray& bytes);
    QByteArray ReadList() const;

    std::unique_ptr<EditorFixture> m_fixture;
    QPointer<OptionsDialog> m_dialog;
};

void tst_OptionsDialog::init() { m_fixture = std::make_unique<EditorFixture>(); }

void tst_OptionsDialog::cleanup()
{
    delete m_dialog.data();
    m_fixture.reset();
}

OptionsDialog* tst_OptionsDialog::MakeDialog(QWidget* owner)
{
    m_dialog = new OptionsDialog(
        m_fixture->context, [] { qFatal("no main window expected"); }, owner);
    m_dialog->show();
    m_dialog->activateWindow();
    if (!QTest::qWaitForWindowActive(m_dialog))
        qWarning("dialog not active");
    return m_dialog;
}

void tst_OptionsDialog::WriteList(const QByteArray& bytes)
{
    QFile file(ListPath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray tst_OptionsDialog::ReadList() const
{
    QFile file(ListPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void tst_OptionsDialog::pagesAndTexts()
{
    OptionsDialog* d = MakeDialog();
    QCOMPARE(d->windowTitle(), QString("Options"));
    QCOMPARE(d->pageTabs->count(), 2);
    QCOMPARE(d->pageTabs->tabText(0), QString("General Options"));
    QCOMPARE(d->pageTabs->tabText(1), QString("Extract forums"));
    QCOMPARE(d->pageTabs->currentIndex(), 0);
    QVERIFY(d->generalPage->isVisible());
    QVERIFY(d->extractionPage->isHidden());
    QCOMPARE(d->forumsFoundList->count(), 0);

    QVERIFY(d->addressHelpText->text().startsWith(
        "Please specify the exact address (URL) of the forum you will submit topic "
        "to. for example (http"));
    QVERIFY(d->addressHelpText->text().endsWith("). (Note: some Times letter capitalization makes a difference)"));
    QCOMPARE(d->testHelpText->text(),
             QString("Then Check that this is the correct address by clicking the test address "
                     "below, please be sure that you will have the index page of the forum "
                     "displayed, otherwise check the address you entered"));
    QCOMPARE(d->siteAddressLabel->text(), QString("Site Adress (URL):"));
    QCOMPARE(d->siteNameLabel->text(), QString("Site Name:"));
    QCOMPARE(d->testAddressButton->text(), QString("Test Address"));
    QCOMPARE(d->extractionIntro->text(),
             QString("This window will help you to extract the forum names from your site:"));
    QCOMPARE(d->indexAddressLabel->text(), QString("Please write down the address of the index page of the forum:"));
    QCOMPARE(d->startExtractingButton->text(), QString("Start Extracting"));
    QCOMPARE(d->saveButton->text(), QString("Save"));
    QCOMPARE(d->cancelButton->text(), QString("Cancel"));

    // The information panel has the tooltip colour.
    QCOMPARE(d->addressHelp->palette().color(QPalette::Window), d->addressHelp->palette().color(QPalette::ToolTipBase));
    QVERIFY(d->addressHelp->autoFillBackground());
    // A fixed-size dialog without minimise and maximise buttons.
    QCOMPARE(d->minimumSize(), d->maximumSize());
    QVERIFY(!(d->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    // Every control can be named by assistive technology.
    for (QWidget* control : d->findChildren<QWidget*>()) {
        if (control->objectName().isEmpty() || control->objectName().startsWith("qt_"))
            continue;
        QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
    }
}

void tst_OptionsDialog::loadsFromTheStore_data()
{
    QTest::addColumn<QString>("address");  // NotStored: nothing stored
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shownAddress");
    QTest::addColumn<QString>("shownName");
    QTest::newRow("nothing stored: the defaults") << NotStored << NotStored << "HTTP://"
                                                  << "My Forum";
    QTest::newRow("both stored") << "http://forum.test/board/"
                                 << "Test board"
                                 << "http://forum.test/board/"
                                 << "Test board";
    QTest::newRow("name absent") << "http://forum.test/" << NotStored << "http://forum.test/"
                                 << "My Forum";
    QTest::newRow("empty values are values, not absent") << ""
                                                         << ""
                                                         << ""
                                                         << "";
}

void tst_OptionsDialog::loadsFromTheStore()
{
    QFETCH(QString, address);
    QFETCH(QString, name);
    QFETCH(QString, shownAddress);
    QFETCH(QString, shownName);
    if (address != NotStored)
        m_fixture->settings.setSiteAddress(address);
    if (name != NotStored)
        m_fixture->settings.setSiteName(name);
    OptionsDialog* d = MakeDialog();
    QCOMPARE(d->siteAddressEdit->text(), shownAddress);
    QCOMPARE(d->siteNameEdit->text(), shownName);
    QCOMPARE(d->indexAddressEdit->text(), shownAddress);
}

void tst_OptionsDialog::tabsChoosePages()
{
    OptionsDialog* d = MakeDialog();
    QTest::mouseClick(d->pageTabs, Qt::LeftButton, {}, d->pageTabs->tabRect(1).center());
    QVERIFY(d->extractionPage->isVisible());
    QVERIFY(d->generalPage->isHidden());
    QTest::mouseClick(d->pageTabs, Qt::LeftButton, {}, d->pageTabs->tabRect(0).center());
    QVERIFY(d->generalPage->isVisible());
    QVERIFY(d->extractionPage->isHidden());
}

void tst_OptionsDialog::addressMirror()
{
    OptionsDialog* d = MakeDialog();
    ReplaceText(d->siteAddressEdit, "http://a.test/");
    QCOMPARE(d->indexAddressEdit->text(), QString("http://a.test/"));

    // Edits of the index page's address stay until the site address changes,
    // and never go back to it.
    QTest::mouseClick(d->pageTabs, Qt::LeftButton, {}, d->pageTabs->tabRect(1).center());
    QTest::keyClicks(d->indexAddressEdit, "index.php?c=2");
    QCOMPARE(d->indexAddressEdit->text(), QString("http://a.test/index.php?c=2"));
    QCOMPARE(d->siteAddressEdit->text(), QString("http://a.test/"));
    QTest::mouseClick(d->pageTabs, Qt::LeftButton, {}, d->pageTabs->tabRect(0).center());
    d->siteAddressEdit->setFocus();
    d->siteAddressEdit->end(false);
    QTest::keyClick(d->siteAddressEdit, Qt::Key_Backspace);
    QCOMPARE(d->indexAddressEdit->text(), QString("http://a.test"));
}

void tst_OptionsDialog::saveNormalisesAndStores_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("name");
    QTest::newRow("ends with / and index.php: cut, the / kept") << "http://forum.example.org/board/index.php"
                                                                << "http://forum.example.org/board/"
                                                                << "Board";
    QTest::newRow("index.php with a query: the whole ending goes") << "http://forum.example.org/index.php?sid=abc&c=2"
                                                                   << "http://forum.example.org/"
                                                                   << "Board";
    QTest::newRow("no final / and no index.php: / appended") << "http://forum.example.org/board"
                                                             << "http://forum.example.org/board/"
                                                             << "Board";
    QTest::newRow("already ending with /: unchanged") << "http://forum.example.org/"
                                                      << "http://forum.example.org/"
                                                      << "Board";
    QTest::newRow("Index.php with a capital I is not cut") << "http://forum.example.org/Index.php"
                                                           << "http://forum.example.org/Index.php/"
                                                           << "Board";
    QTest::newRow("the default saved unchanged") << "HTTP://"
                                                 << "HTTP://"
                                                 << "My Forum";
    QTest::newRow("empty address stays empty, name empty too") << ""
                                                               << ""
                                                               << "";
    QTest::newRow("only index.php: cut to nothing") << "index.php"
                                                    << ""
                                                    << "Board";
    QTest::newRow("cut at the first index.php") << "http://a.test/index.php/x/index.php"
                                                << "http://a.test/"
                                                << "Board";
    QTest::newRow("blanks are kept, in the address and the name") << "http://a.test/my board"
                                                                  << "http://a.test/my board/"
                                                                  << "  My  board ";
    QTest::newRow("non-ASCII letters") << "http://böard.test/forum"
                                       << "http://böard.test/forum/"
                                       << "Fórum ✓";
}

void tst_OptionsDialog::saveNormalisesAndStores()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, name);
    OptionsDialog* d = MakeDialog();
    ReplaceText(d->siteAddressEdit, typed);
    ReplaceText(d->siteNameEdit, name);
    QSignalSpy shown(d->siteAddressEdit, &QLineEdit::textChanged);
    Click(d->saveButton);
    QCOMPARE(StoredOption("SiteAdress"), stored);
    QCOMPARE(StoredOption("SiteName"), name);
    // The field shows what is stored (it changes only when cutting or
    // appending changed something).
    if (stored != typed)
        QCOMPARE(shown.last().at(0).toString(), stored);
    else
        QCOMPARE(shown.count(), 0);
    // Save closes and destroys the dialog, with no message.
    QTRY_VERIFY(m_dialog.isNull());
    QVERIFY(m_fixture->platform.messages.isEmpty());
    QVERIFY(!QFile::exists(ListPath()));
}

void tst_OptionsDialog::cancelStoresNothing_data()
{
    QTest::addColumn<bool>("byFrame");
    QTest::newRow("Cancel") << false;
    QTest::newRow("window frame's close box") << true;
}

void tst_OptionsDialog::cancelStoresNothing()
{
    QFETCH(bool, byFrame);
    WriteList("1- News\r\n\r\n");
    OptionsDialog* d = MakeDialog();
    ReplaceText(d->siteAddressEdit, "http://changed.test/index.php");
    ReplaceText(d->siteNameEdit, "Changed");
    d->forumsFoundList->addItems({"5- From an extraction", "6- Another"});
    if (byFrame)
        d->close();
    else
        Click(d->cancelButton);
    QTRY_VERIFY(m_dialog.isNull());
    QCOMPARE(StoredOption("SiteAdress"), NotStored);
    QCOMPARE(StoredOption("SiteName"), NotStored);
    QCOMPARE(ReadList(), QByteArray("1- News\r\n\r\n"));

    // The next opening starts afresh: from the store, with an empty list.
    OptionsDialog* again = MakeDialog();
    QCOMPARE(again->siteAddressEdit->text(), QString("HTTP://"));
    QCOMPARE(again->siteNameEdit->text(), QString("My Forum"));
    QCOMPARE(again->forumsFoundList->count(), 0);
}

void tst_OptionsDialog::enterAndEscapePressNothing()
{
    OptionsDialog* d = MakeDialog();
    ReplaceText(d->siteAddressEdit, "http://a.test");
    QTest::keyClick(d->siteAddressEdit, Qt::Key_Return);
    QTest::keyClick(d->siteAddressEdit, Qt::Key_Enter);
    QTest::keyClick(d->siteAddressEdit, Qt::Key_Escape);
    QTest::keyClick(d, Qt::Key_Escape);
    QVERIFY(d->isVisible());
    QCOMPARE(StoredOption("SiteAdress"), NotStored);
    for (QPushButton* button : {d->saveButton, d->cancelButton, d->testAddressButton, d->startExtractingButton}) {
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }
}

void tst_OptionsDialog::saveWithEmptyListLeavesTheForumListAlone()
{
    WriteList("1- News\r\n2- Help\r\n\r\n");
    const QDateTime longAgo(QDate(2020, 1, 1), QTime(0, 0));
    {
        QFile file(ListPath());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
    }
    auto window = m_fixture->MakeWindow();
    Controls(*window).forumChooser->setEnabled(true);
    Controls(*window).forumChooser->setFocus();
    QTest::keyClick(Controls(*window).forumChooser, Qt::Key_Down);
    QCOMPARE(window->ForumNumber(), QString("2"));

    Controls(*window).optionsAction->trigger();
    OptionsDialog* d = EditorFixture::OpenWindow<OptionsDialog>();
    QVERIFY(d);
    QCOMPARE(d->forumsFoundList->count(), 0);
    Click(d->saveButton);
    QCOMPARE(StoredOption("SiteAdress"), QString("HTTP://"));
    QCOMPARE(ReadList(), QByteArray("1- News\r\n2- Help\r\n\r\n"));
    QCOMPARE(QFileInfo(ListPath()).lastModified(), longAgo);
    QCOMPARE(Controls(*window).forumChooser->currentText(), QString("2- Help"));
    QCOMPARE(window->ForumNumber(), QString("2"));
}

void tst_OptionsDialog::saveWritesTheListAndRefreshesTheChooser()
{
    WriteList("1- News\r\n\r\n");
    auto window = m_fixture->MakeWindow();
    Controls(*window).optionsAction->trigger();
    OptionsDialog* d = EditorFixture::OpenWindow<OptionsDialog>();
    QVERIFY(d);
    // What an extraction leaves in the list.
    d->forumsFoundList->addItems({"3- Buy, sell - \"swap\"", "4- Help &amp; support", "3- Buy, sell - \"swap\""});
    Click(d->saveButton);
    QCOMPARE(ReadList(),
             QByteArray("3- Buy, sell - \"swap\"\r\n4- Help &amp; support\r\n3- Buy, sell - \"swap\"\r\n\r\n"));
    QCOMPARE(Controls(*window).forumChooser->count(), 3);
    QCOMPARE(Controls(*window).forumChooser->currentText(), QString("3- Buy, sell - \"swap\""));
    QCOMPARE(window->ForumNumber(), QString("3"));
    QCOMPARE(AllWindows<MainWindow>().size(), 1);
    QVERIFY(m_fixture->platform.messages.isEmpty());
}

void tst_OptionsDialog::saveThatCannotWriteTheListKeepsTheDialog()
{
    // A folder holds the file's name, so the list cannot be written.
    QVERIFY(QDir().mkdir(ListPath()));
    OptionsDialog* d = MakeDialog();
    ReplaceText(d->siteAddressEdit, "http://a.test/index.php");
    d->forumsFoundList->addItems({"1- News"});
    Click(d->saveButton);
    QCOMPARE(m_fixture->platform.messages.size(), 1);
    const MsgBoxCall& message = m_fixture->platform.messages[0];
    QVERIFY2(message.text.startsWith(QString("Could not write the file \"%1\".\r\n").arg(ListPath())),
             qPrintable(message.text));
    QCOMPARE(message.icon, MsgIcon::Critical);
    QCOMPARE(message.owner, d);
    // Nothing is lost and nothing stored: the user can try again or cancel.
    QVERIFY(d->isVisible());
    QCOMPARE(d->siteAddressEdit->text(), QString("http://a.test/index.php"));
    QCOMPARE(d->forumsFoundList->count(), 1);
    QCOMPARE(StoredOption("SiteAdress"), NotStored);
}

void tst_OptionsDialog::menuAndToolbarShowOneModelessDialog()
{
    m_fixture->settings.setSiteName("Stored");
    auto window = m_fixture->MakeWindow();
    Controls(*window).optionsAction->trigger();
    OptionsDialog* d = EditorFixture::OpenWindow<OptionsDialog>();
    QVERIFY(d);
    QVERIFY(!d->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(d->parentWidget(), window.get());
    QTRY_COMPARE(QApplication::activeWindow(), d);

    // The main window stays usable while the dialog is open.
    window->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), window.get());
    QTest::keyClicks(Controls(*window).subjectEdit, "Still typing");
    QCOMPARE(Controls(*window).subjectEdit->text(), QString("Still typing"));

    // Asking again, from the toolbar, brings the same dialog forward with
    // what was typed in it.
    ReplaceText(d->siteNameEdit, "Typed");
    QAction* button = nullptr;
    for (QAction* action : Controls(*window).toolBar->actions())
        if (action->toolTip() == "Options")
            button = action;
    QVERIFY(button);
    Click(Controls(*window).toolBar->widgetForAction(button));
    QCOMPARE(AllWindows<OptionsDialog>().size(), 1);
    QCOMPARE(EditorFixture::OpenWindow<OptionsDialog>(), d);
    QCOMPARE(d->siteNameEdit->text(), QString("Typed"));
    QTRY_COMPARE(QApplication::activeWindow(), d);

    // Closing destroys it; the next opening loads afresh.
    const QPointer<OptionsDialog> closed(d);
    Click(d->cancelButton);
    QTRY_VERIFY(closed.isNull());
    Controls(*window).optionsAction->trigger();
    OptionsDialog* again = EditorFixture::OpenWindow<OptionsDialog>();
    QVERIFY(again);
    QCOMPARE(again->siteNameEdit->text(), QString("Stored"));
}

void tst_OptionsDialog::firstStartShowsTheDialogFirst_data()
{
    QTest::addColumn<QString>("ending");  // how the user leaves the dialog
    QTest::addColumn<QString>("stored");
    QTest::newRow("Cancel: nothing stored") << "cancel" << NotStored;
    QTest::newRow("closed by its frame: nothing stored") << "frame" << NotStored;
    QTest::newRow("Save with an address") << "save"
                                          << "http://forum.test/";
    QTest::newRow("Save with an empty address: asked again next time") << "save empty"
                                                                       << "";
}

void tst_OptionsDialog::firstStartShowsTheDialogFirst()
{
    QFETCH(QString, ending);
    QFETCH(QString, stored);
    QString state;
    ModalDriver driver([&](QWidget* shown) {
        auto* d = qobject_cast<OptionsDialog*>(shown);
        state = QString("%1 modal=%2 mainWindows=%3")
                    .arg(d ? "options" : shown->metaObject()->className())
                    .arg(shown->isModal())
                    .arg(AllWindows<MainWindow>().size());
        if (!d)
            return;
        if (ending == "save" || ending == "save empty") {
            ReplaceText(d->siteAddressEdit, ending == "save" ? "http://forum.test/index.php" : "");
            Click(d->saveButton);
        } else if (ending == "frame") {
            d->close();
        } else {
            Click(d->cancelButton);
        }
    });
    std::unique_ptr<MainWindow> window = MainStartup(m_fixture->context, m_fixture->folder.path(), {});
    QCOMPARE(driver.Driven(), 1);
    QCOMPARE(state, QString("options modal=1 mainWindows=0"));
    QVERIFY(window->isVisible());
    QCOMPARE(AllWindows<OptionsDialog>().size(), 0);
    QCOMPARE(StoredOption("SiteAdress"), stored);
    QCOMPARE(Controls(*window).forumChooser->currentText(),
             QString("Please define forums in the options in edit menu"));

    // Only a stored address lets the next start go straight to the main window.
    window.reset();
    auto next = MainStartup(m_fixture->context, m_fixture->folder.path(), {});
    QCOMPARE(driver.Driven(), stored == "http://forum.test/" ? 1 : 2);
    QVERIFY(next->isVisible());
}

void tst_OptionsDialog::firstStartSaveCreatesTheMainWindow()
{
    // A post file on the command line opens in the window Save created.
    const QString post = m_fixture->folder.filePath("a post.bbc");
    {
        QFile file(post);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{/Title\\}\r\nOpened\r\n\r\n{/Post\\}\r\nbody\r\n");
    }
    MainWindow* createdBySave = nullptr;
    QStringList chooserAfterSave;
    bool shownAfterSave = true;
    ModalDriver driver([&](QWidget* shown) {
        auto* d = qobject_cast<OptionsDialog*>(shown);
        if (!d)
            return;
        d->forumsFoundList->addItems({"1- News", "2- Help"});
        Click(d->saveButton);
        const QList<MainWindow*> windows = AllWindows<MainWindow>();
        if (windows.size() != 1)
            return;
        createdBySave = windows[0];
        shownAfterSave = createdBySave->isVisible();
        for (int i = 0; i < Controls(*createdBySave).forumChooser->count(); ++i)
            chooserAfterSave.append(Controls(*createdBySave).forumChooser->itemText(i));
    });
    std::unique_ptr<MainWindow> window = MainStartup(m_fixture->context, m_fixture->folder.path(), {post});
    QVERIFY(createdBySave);
    QVERIFY(!shownAfterSave);
    QCOMPARE(chooserAfterSave, (QStringList{"1- News", "2- Help"}));
    QCOMPARE(window.get(), createdBySave);
    QCOMPARE(AllWindows<MainWindow>().size(), 1);
    QVERIFY(window->isVisible());
    QCOMPARE(window->ForumNumber(), QString("1"));
    QCOMPARE(Controls(*window).subjectEdit->text(), QString("Opened"));
    QCOMPARE(ReadList(), QByteArray("1- News\r\n2- Help\r\n\r\n"));
    QCOMPARE(StoredOption("SiteAdress"), QString("HTTP://"));
}

void tst_OptionsDialog::boardSoftwareChosenByTheUser()
{
    // The kind found on the site's index page is shown; the user's own
    // choice wins over it, for the size list too.
    const QString site = "http://board.test/forum/";
    m_fixture->settings.setSiteAddress(site);
    BoardProfiles::SaveFound(m_fixture->settings, site, &KindOf("phpbb3"), FoundOn::IndexPage);
    auto window = m_fixture->MakeWindow();
    Controls(*window).optionsAction->trigger();
    OptionsDialog* d = EditorFixture::OpenWindow<OptionsDialog>();
    QVERIFY(d);
    QCOMPARE(d->boardFoundLabel->text(), QString("Board: phpBB 3, found on the index page"));
    QCOMPARE(d->boardKindList->currentText(), QString("Automatic"));
    // Another address typed: nothing is known about it yet.
    ReplaceText(d->siteAddressEdit, "http://other.test/index.php");
    QCOMPARE(d->boardFoundLabel->text(), QString("Board: not known yet"));
    ReplaceText(d->siteAddressEdit, site + "index.php");
    QCOMPARE(d->boardFoundLabel->text(), QString("Board: phpBB 3, found on the index page"));
    d->boardKindList->setCurrentIndex(d->boardKindList->findText("SMF 2.1"));
    Click(d->saveButton);
    QCOMPARE(&BoardProfiles::Load(m_fixture->settings, site).Kind(), &KindOf("smf21"));
    Controls(*window).sizeList->setCurrentIndex(3);
    emit Controls(*window).sizeList->activated(3);
    QCOMPARE(window->Post().Post(), std::string("[size=5][/size]"));
    // Reopened, the dialog shows the choice.
    Controls(*window).optionsAction->trigger();
    OptionsDialog* again = EditorFixture::OpenWindow<OptionsDialog>();
    QVERIFY(again);
    QCOMPARE(again->boardKindList->currentText(), QString("SMF 2.1"));
    Click(again->cancelButton);
}

void tst_OptionsDialog::sitesAddedEditedAndRemoved()
{
    // Today's one site and its forum list become the first site, unchanged.
    m_fixture->settings.setSiteAddress("http://one.test/");
    m_fixture->settings.setSiteName("One");
    WriteList("1- News\r\n\r\n");
    auto window = m_fixture->MakeWindow();
    const auto sites = [&] { return window->findChild<QComboBox*>("siteChooser"); };
    QVERIFY(!sites()->isVisibleTo(window.get()));
    Controls(*window).optionsAction->trigger();
    OptionsDialog* d = EditorFixture::OpenWindow<OptionsDialog>();
    QCOMPARE(d->siteList->count(), 1);
    QVERIFY(!d->removeSiteButton->isEnabled());

    // A second site with its own forums; the first keeps its list.
    Click(d->addSiteButton);
    QCOMPARE(d->siteList->currentRow(), 1);
    ReplaceText(d->siteAddressEdit, "http://two.test/index.php");
    ReplaceText(d->siteNameEdit, "Two");
    QCOMPARE(d->siteList->item(1)->text(), QString("Two"));
    d->forumsFoundList->addItems({"7- Help"});
    d->siteList->setCurrentRow(0);
    QCOMPARE(d->siteAddressEdit->text(), QString("http://one.test/"));
    QCOMPARE(d->forumsFoundList->count(), 0);
    QPointer<OptionsDialog> closed(d);
    Click(d->saveButton);
    QTRY_VERIFY(closed.isNull());
    const QString secondId = m_fixture->settings.sites().at(1).id;
    QCOMPARE(m_fixture->settings.sites().at(1).address, QString("http://two.test/"));
    QCOMPARE(ReadList(), QByteArray("1- News\r\n\r\n"));
    QCOMPARE(ReadAll(m_fixture->context.WritableFile("forums-" + secondId + ".inf")), QByteArray("7- Help\r\n\r\n"));

    // The main window offers both; the forums and the board follow the choice.
    QVERIFY(sites()->isVisibleTo(window.get()));
    QCOMPARE(sites()->count(), 2);
    sites()->setCurrentIndex(1);
    emit sites()->activated(1);
    QCOMPARE(Controls(*window).forumChooser->currentText(), QString("7- Help"));
    QCOMPARE(window->ForumNumber(), QString("7"));
    QCOMPARE(m_fixture->settings.chosenSite().id, secondId);

    // Removing the first site asks first; its list goes at Save and the
    // second site's list takes the file earlier versions read.
    Controls(*window).optionsAction->trigger();
    d = EditorFixture::OpenWindow<OptionsDialog>();
    QCOMPARE(d->siteList->currentRow(), 1);
    d->siteList->setCurrentRow(0);
    m_fixture->platform.answers = {MsgAnswer::No};
    Click(d->removeSiteButton);
    QCOMPARE(d->siteList->count(), 2);
    m_fixture->platform.answers = {MsgAnswer::Yes};
    Click(d->removeSiteButton);
    QCOMPARE(d->siteList->count(), 1);
    QVERIFY(!d->removeSiteButton->isEnabled());
    QCOMPARE(m_fixture->settings.sites().size(), 2);  // nothing stored before Save
    closed = d;
    Click(d->saveButton);
    QTRY_VERIFY(closed.isNull());
    QCOMPARE(StoredOption("SiteAdress"), QString("http://two.test/"));
    QCOMPARE(ReadList(), QByteArray("7- Help\r\n\r\n"));
    QVERIFY(!QFile::exists(m_fixture->context.WritableFile("forums-" + secondId + ".inf")));
    QCOMPARE(m_fixture->settings.removedSites(), QStringList({Settings::FirstSiteId}));
    QVERIFY(!sites()->isVisibleTo(window.get()));
    QCOMPARE(window->ForumNumber(), QString("7"));
}

void tst_OptionsDialog::removingALaterSiteDeletesItsList()
{
    m_fixture->settings.setSites(
        {{Settings::FirstSiteId, "http://one.test/", "One"}, {"2", "http://two.test/", "Two"}});
    WriteList("1- News\r\n\r\n");
    const QString second = m_fixture->context.WritableFile("forums-2.inf");
    QVERIFY(WriteAll(second, "7- Help\r\n\r\n"));
    OptionsDialog* d = MakeDialog();
    d->siteList->setCurrentRow(1);
    m_fixture->platform.answers = {MsgAnswer::Yes};
    Click(d->removeSiteButton);
    QCOMPARE(m_fixture->platform.messages.size(), 1);
    QVERIFY(m_fixture->platform.messages[0].text.contains("\"Two\""));
    QVERIFY(QFile::exists(second));  // nothing goes before Save
    Click(d->saveButton);
    QTRY_VERIFY(m_dialog.isNull());
    QVERIFY(!QFile::exists(second));
    QCOMPARE(ReadList(), QByteArray("1- News\r\n\r\n"));
    QCOMPARE(m_fixture->settings.sites().size(), 1);
    QCOMPARE(m_fixture->settings.removedSites(), QStringList({"2"}));
}

void tst_OptionsDialog::movingASiteFirstGivesItTheFirstList()
{
    m_fixture->settings.setSites(
        {{Settings::FirstSiteId, "http://one.test/", "One"}, {"2", "http://two.test/", "Two"}});
    WriteList("1- News\r\n\r\n");
    QVERIFY(WriteAll(m_fixture->context.WritableFile("forums-2.inf"), "7- Help\r\n\r\n"));
    OptionsDialog* d = MakeDialog();
    d->siteList->setCurrentRow(0);
    QVERIFY(!d->moveSiteUpButton->isEnabled());
    d->siteList->setCurrentRow(1);
    QVERIFY(!d->moveSiteDownButton->isEnabled());
    Click(d->moveSiteUpButton);
    // The site moved with its fields and stays selected.
    QCOMPARE(d->siteList->currentRow(), 0);
    QCOMPARE(d->siteList->item(0)->text(), QString("Two"));
    QCOMPARE(d->siteList->item(1)->text(), QString("One"));
    QCOMPARE(d->siteAddressEdit->text(), QString("http://two.test/"));
    QVERIFY(!d->moveSiteUpButton->isEnabled());
    QVERIFY(d->moveSiteDownButton->isEnabled());
    Click(d->saveButton);
    QTRY_VERIFY(m_dialog.isNull());
    // The first site's list is the file earlier versions read; the other
    // site keeps its own list under its id.
    QCOMPARE(m_fixture->settings.sites().at(0).id, QString("2"));
    QCOMPARE(StoredOption("SiteAdress"), QString("http://two.test/"));
    QCOMPARE(ReadList(), QByteArray("7- Help\r\n\r\n"));
    QCOMPARE(ReadAll(m_fixture->context.WritableFile("forums-1.inf")), QByteArray("1- News\r\n\r\n"));
}

void tst_OptionsDialog::badSitesRefused_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");  // empty: stored
    QTest::newRow("not a web address") << "ftp://two.test/"
                                       << "Two"
                                       << "It must begin with http:// or https://.";
    QTest::newRow("no host") << "https:///board/"
                             << "Two"
                             << "It names no host after http:// or https://.";
    QTest::newRow("left unset") << "HTTP://"
                                << "Two"
                                << "It names no host";
    QTest::newRow("same address, same name") << "http://one.test/"
                                             << " one "
                                             << "different names";
    QTest::newRow("same address, another name: a second account") << "http://one.test/"
                                                                  << "One (admin)"
                                                                  << "";
}

void tst_OptionsDialog::badSitesRefused()
{
    QFETCH(QString, address);
    QFETCH(QString, name);
    QFETCH(QString, reason);
    m_fixture->settings.setSiteAddress("http://one.test/");
    m_fixture->settings.setSiteName("One");
    OptionsDialog* d = MakeDialog();
    Click(d->addSiteButton);
    ReplaceText(d->siteAddressEdit, address);
    ReplaceText(d->siteNameEdit, name);
    Click(d->saveButton);
    if (reason.isEmpty()) {
        QTRY_VERIFY(m_dialog.isNull());
        QCOMPARE(m_fixture->settings.sites().size(), 2);
        return;
    }
    // Refused with the reason; the dialog keeps everything.
    QCOMPARE(m_fixture->platform.messages.size(), 1);
    QVERIFY2(m_fixture->platform.messages[0].text.contains(reason), qPrintable(m_fixture->platform.messages[0].text));
    QVERIFY(d->isVisible());
    QCOMPARE(d->siteList->count(), 2);
    QCOMPARE(m_fixture->settings.sites().size(), 1);
}

QF_TEST_MAIN(tst_OptionsDialog)
#include "tst_optionsdialog.moc"
