// SPDX-License-Identifier: MIT
// The main window driven as a user would: typing, the changed flag, New, the
// close sequence, the menus and toolbar, the hot spot and accessible names.

#include "base/AppContext.h"
#include "base/Makers.h"
#include "base/PictureBox.h"
#include "base/Settings.h"
#include "board/BoardProfiles.h"
#include "post/PostDocument.h"
#include "editor/MainWindow.h"
#include "forums/ForumListFile.h"
#include "support/TestBoards.h"
#include "support/PostControls.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTimer>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTextCursor>
#include <QToolBar>
#include <qpa/qwindowsysteminterface.h>

namespace {
const QString SavePrompt = "You made some changed to your post, and didn't save it yet.\r\nDo you want to save it?";
}

class tst_MainWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void stateAfterLoad();
    void windowGeometry();
    void typingFollowsTheChangedRule_data();
    void typingFollowsTheChangedRule();
    void deletingTheWholeBodyDoesNotMarkChanged();
    void newPost_data();
    void newPost();
    void closeSequence_data();
    void closeSequence();
    void menus();
    void toolbar();
    void toolbarRunsTheMenuCommands();
    void toolbarButtonIsTheMenuItem_data();
    void toolbarButtonIsTheMenuItem();
    void hotSpot_data();
    void hotSpot();
    void accessibleNames();
    void wheelOverClosedListsChangesNothing_data();
    void wheelOverClosedListsChangesNothing();
    void screenReaderReadsTheLists_data();
    void screenReaderReadsTheLists();
    void screenReaderPressesButtons_data();
    void screenReaderPressesButtons();
    void clockPanels();
    void lengthPanelCountsAsTheBoard_data();
    void lengthPanelCountsAsTheBoard();

private:
    std::unique_ptr<MainWindow> MakeWindow();
    QTemporaryDir m_folder;
    Settings m_settings;
    ScriptedPlatform* m_platform = nullptr;
    AppContext m_context;
};

void tst_MainWindow::init()
{
    QSettings(Settings::AppName, Settings::AppName).clear();
    m_platform = new ScriptedPlatform;
    m_context = AppContext{m_folder.path() + "/", &m_settings, m_platform};
}

void tst_MainWindow::cleanup()
{
    delete m_platform;
    m_platform = nullptr;
}

std::unique_ptr<MainWindow> tst_MainWindow::MakeWindow()
{
    auto window = std::make_unique<MainWindow>(m_context);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("window not exposed");
    return window;
}

void tst_MainWindow::stateAfterLoad()
{
    auto w = MakeWindow();
    QCOMPARE(w->windowTitle(), QString("Quillforge"));
    QCOMPARE(Controls(*w).subjectEdit->text(), QString());
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString());
    QCOMPARE(w->Post().FileName(), QString());
    QCOMPARE(w->Post().IsChanged(), false);
    QCOMPARE(w->AssistMode(), false);
    QCOMPARE(Controls(*w).assistanceBox->isChecked(), false);
    QCOMPARE(Controls(*w).statePanel->text(), QString("No change in post"));
    QCOMPARE(Controls(*w).sizeList->currentText(), QString("Normal"));
    QCOMPARE(Controls(*w).colourList->currentText(), QString("Default"));
    QCOMPARE(Controls(*w).assistanceBox->toolTip(),
             QString("Enable Assistant mode to have advanced options for URL, img, List and List="));
    QVERIFY(!Controls(*w).newTopicOption->isChecked());
    QVERIFY(!Controls(*w).replyOption->isChecked());
    QVERIFY(!Controls(*w).topicNumberEdit->isEnabled());
    QCOMPARE(Controls(*w).topicNumberEdit->palette().color(QPalette::Disabled, QPalette::Base), QColor(192, 192, 192));
    QVERIFY(!Controls(*w).forumChooser->isEnabled());
    QCOMPARE(Controls(*w).moreEmoticonsLink->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(Controls(*w).moreEmoticonsLink->text(), QString("View More Emoticons"));
}

void tst_MainWindow::windowGeometry()
{
    auto w = MakeWindow();
    QCOMPARE(w->width(), 824);
    QCOMPARE(w->height() - w->menuBar()->height(), 525);
    // It can be resized and maximised (tst_windowlayout grows it).
    QVERIFY(w->minimumSize() != w->maximumSize());
    QVERIFY(w->windowFlags() & Qt::WindowMaximizeButtonHint);
    QVERIFY(w->windowFlags() & Qt::WindowMinimizeButtonHint);
    // Every control lies inside the central area.
    const QRect area = w->centralWidget()->rect();
    for (QWidget* child : w->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        QVERIFY2(area.contains(child->geometry()), qPrintable(child->objectName()));
}

void tst_MainWindow::typingFollowsTheChangedRule_data()
{
    QTest::addColumn<QString>("titleKeys");
    QTest::addColumn<QString>("postKeys");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QString>("panel");
    QTest::newRow("title alone while the body is empty") << "Hello"
                                                         << "" << false << "No change in post";
    QTest::newRow("first character of the body") << ""
                                                 << "x" << true << "Post Changed";
    QTest::newRow("title then body") << "Hello"
                                     << "body" << true << "Post Changed";
}

void tst_MainWindow::typingFollowsTheChangedRule()
{
    QFETCH(QString, titleKeys);
    QFETCH(QString, postKeys);
    QFETCH(bool, changed);
    QFETCH(QString, panel);
    auto w = MakeWindow();
    QTest::keyClicks(Controls(*w).subjectEdit, titleKeys);
    QTest::keyClicks(Controls(*w).bodyEdit, postKeys);
    QCOMPARE(Controls(*w).subjectEdit->text(), titleKeys);
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), postKeys);
    QCOMPARE(w->Post().IsChanged(), changed);
    QCOMPARE(Controls(*w).statePanel->text(), panel);
}

void tst_MainWindow::deletingTheWholeBodyDoesNotMarkChanged()
{
    auto w = MakeWindow();
    QTest::keyClicks(Controls(*w).subjectEdit, "Title");
    QTest::keyClicks(Controls(*w).bodyEdit, "ab");
    // As after a save: the post is unchanged.
    w->Post().SetState(PostDocument::State::Saved);
    QTest::keyClick(Controls(*w).bodyEdit, Qt::Key_Backspace);
    QCOMPARE(w->Post().IsChanged(), true);  // "a" is left: a change
    w->Post().SetState(PostDocument::State::Saved);
    QTest::keyClick(Controls(*w).bodyEdit, Qt::Key_Backspace);  // the body is empty after this change
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString());
    QCOMPARE(w->Post().IsChanged(), false);
    QCOMPARE(Controls(*w).statePanel->text(), QString("Post Saved, No change"));
    // Typing into the title now does not mark it either: the body is empty.
    QTest::keyClicks(Controls(*w).subjectEdit, "!");
    QCOMPARE(w->Post().IsChanged(), false);
}

void tst_MainWindow::newPost_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QString>("fileName");  // the post's file, in a test folder; empty: never saved
    QTest::addColumn<QList<MsgAnswer>>("answers");
    QTest::addColumn<QString>("saveName");  // what the Save As dialog returns; empty: cancelled
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<bool>("changedAfter");
    QTest::addColumn<QString>("savedTo");  // where the post was written; empty: nowhere
    using L = QList<MsgAnswer>;
    QTest::newRow("unchanged: no question, cleared") << false << "old.bbc" << L{} << "" << true << false << "";
    QTest::newRow("No: cleared, unchanged") << true << "old.bbc" << L{MsgAnswer::No} << "" << true << false << "";
    QTest::newRow("Cancel: nothing changes") << true << "old.bbc" << L{MsgAnswer::Cancel} << "" << false << true << "";
    QTest::newRow("Yes, saved to its file: cleared, unchanged")
        << true << "old.bbc" << L{MsgAnswer::Yes} << "" << true << false << "old.bbc";
    QTest::newRow("Yes on a never-saved post, saved under a chosen name: cleared")
        << true << "" << L{MsgAnswer::Yes} << "chosen.bbc" << true << false << "chosen.bbc";
    // Yes, and the save writes no file: clearing the post would lose it, so New stops.
    QTest::newRow("Yes, Save As cancelled: post kept") << true << "" << L{MsgAnswer::Yes} << "" << false << true << "";
    QTest::newRow("Yes, the write fails: reported, post kept")
        << true << "missing folder/old.bbc" << L{MsgAnswer::Yes, MsgAnswer::OK} << "" << false << true << "";
}

void tst_MainWindow::newPost()
{
    QFETCH(bool, changed);
    QFETCH(QString, fileName);
    QFETCH(QList<MsgAnswer>, answers);
    QFETCH(QString, saveName);
    QFETCH(bool, cleared);
    QFETCH(bool, changedAfter);
    QFETCH(QString, savedTo);
    QTemporaryDir folder;
    auto w = MakeWindow();
    QTest::keyClicks(Controls(*w).subjectEdit, "Title");
    QTest::keyClicks(Controls(*w).bodyEdit, "Body");
    const QString file = fileName.isEmpty() ? QString() : folder.filePath(fileName);
    w->Post().SetFileName(file);
    if (!changed) {
        w->Post().SetState(PostDocument::State::Saved);
    }
    m_platform->answers = answers;
    if (!saveName.isEmpty())
        m_platform->saveNames = {folder.filePath(saveName)};
    Controls(*w).newPostAction->trigger();

    QCOMPARE(m_platform->messages.size(), answers.size());
    if (changed) {
        const MsgBoxCall& call = m_platform->messages.first();
        QCOMPARE(call.text, SavePrompt);
        QCOMPARE(call.buttons, MsgButtons::YesNoCancel);
        QCOMPARE(call.icon, MsgIcon::Question);
        QCOMPARE(call.title, QString("Quillforge"));
    }
    QCOMPARE(Controls(*w).subjectEdit->text(), cleared ? QString() : QString("Title"));
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), cleared ? QString() : QString("Body"));
    QCOMPARE(w->Post().FileName(), cleared ? QString() : file);
    QCOMPARE(w->Post().IsChanged(), changedAfter);
    if (cleared)
        QCOMPARE(Controls(*w).statePanel->text(), QString("No change in post"));
    else
        QCOMPARE(Controls(*w).statePanel->text(), QString("Post Changed"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), savedTo.isEmpty() ? QStringList{} : QStringList{savedTo});
    if (!savedTo.isEmpty()) {
        QFile saved(folder.filePath(savedTo));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("{/Title\\}\r\nTitle\r\n\r\n{/Post\\}\r\nBody\r\n"));
    }
    QCOMPARE(m_platform->unexpectedMessages, 0);
}

void tst_MainWindow::closeSequence_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QList<MsgAnswer>>("answers");
    QTest::addColumn<QString>("saveName");  // what the Save As dialog returns; empty: cancelled
    QTest::addColumn<bool>("ends");
    using L = QList<MsgAnswer>;
    QTest::newRow("No: nothing happens") << true << L{MsgAnswer::No} << "" << false;
    QTest::newRow("Yes, unchanged post: ends") << false << L{MsgAnswer::Yes} << "" << true;
    QTest::newRow("Yes, then No in the save prompt: ends") << true << L{MsgAnswer::Yes, MsgAnswer::No} << "" << true;
    QTest::newRow("Yes, then Cancel in the save prompt: close cancelled")
        << true << L{MsgAnswer::Yes, MsgAnswer::Cancel} << "" << false;
    QTest::newRow("Yes, then Yes and the save writes nothing: close cancelled")
        << true << L{MsgAnswer::Yes, MsgAnswer::Yes} << "" << false;
    QTest::newRow("Yes, then Yes and the post is saved: ends")
        << true << L{MsgAnswer::Yes, MsgAnswer::Yes} << "saved.bbc" << true;
}

void tst_MainWindow::closeSequence()
{
    QFETCH(bool, changed);
    QFETCH(QList<MsgAnswer>, answers);
    QFETCH(QString, saveName);
    QFETCH(bool, ends);
    QTemporaryDir folder;
    auto w = MakeWindow();
    QTest::keyClicks(Controls(*w).subjectEdit, "Title");
    QTest::keyClicks(Controls(*w).bodyEdit, "Body");
    if (!changed)
        w->Post().SetState(PostDocument::State::Unchanged);
    QSignalSpy ending(w.get(), &MainWindow::programEnding);
    m_platform->answers = answers;
    if (!saveName.isEmpty())
        m_platform->saveNames = {folder.filePath(saveName)};
    Controls(*w).exitAction->trigger();

    QCOMPARE(m_platform->messages.first().text, QString("Are you sure you want to exit Quillforge"));
    QCOMPARE(m_platform->messages.first().buttons, MsgButtons::YesNo);
    QCOMPARE(m_platform->messages.first().icon, MsgIcon::Question);
    QCOMPARE(m_platform->messages.size(), answers.size());
    QCOMPARE(ending.count(), ends ? 1 : 0);
    QCOMPARE(w->isVisible(), !ends);
    if (!ends) {
        QCOMPARE(Controls(*w).subjectEdit->text(), QString("Title"));
        QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString("Body"));
        QCOMPARE(w->Post().IsChanged(), changed);
    }
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), saveName.isEmpty() ? QStringList{} : QStringList{saveName});
}

void tst_MainWindow::menus()
{
    auto w = MakeWindow();
    struct Item {
        const char* name;
        const char* text;
        const char* keys = "";  // the shortcut the menu shows
    };
    const QList<QList<Item>> expected = {
        {{"newPostAction", "&New Post"},
         {"openPostAction", "&Open Post..."},
         {"recentPostsItem", "&Recent Posts"},
         {"savePostAction", "&Save Post"},
         {"saveAsAction", "Sa&ve Post as..."},
         {"", "-"},
         {"exitAction", "E&xit"}},
        {{"undoAction", "&Undo", "Ctrl+Z"},
         {"redoAction", "&Redo", "Ctrl+Shift+Z"},
         {"", "-"},
         {"copyAction", "&Copy"},
         {"cutAction", "Cu&t"},
         {"pasteAction", "&Paste"},
         {"pastePlainAction", "Paste as Plain &Text", "Ctrl+Shift+V"},
         {"keepPastedLooksAction", "&Keep Colours and Sizes When Pasting"},
         {"selectAllAction", "Select &All", "Ctrl+A"},
         {"", "-"},
         {"findAction", "&Find...", "Ctrl+F"},
         {"replaceAction", "R&eplace...", "Ctrl+H"},
         {"findNextAction", "Find &Next", "F3"},
         {"findPreviousAction", "Find Pre&vious", "Shift+F3"},
         {"", "-"},
         {"copyPostAction", "C&opy post to clipboard"},
         {"previewAction", "Previe&w post..."},
         {"", "-"},
         {"fontAction", "&Font..."},
         {"optionsAction", "Op&tions..."},
         {"", "-"},
         {"checkSpellingAction", "Check &Spelling as You Type"},
         {"spellingLanguageItem", "Spelling &Language"},
         {"highlightAction", "&Highlight BBCode"}},
        {{"livePreviewAction", "&Live Preview"},
         {"", "-"},
         {"zoomInAction", "Zoom &In", "Ctrl+="},
         {"zoomOutAction", "Zoom &Out", "Ctrl+-"},
         {"actualSizeAction", "&Actual Size", "Ctrl+0"}},
        {{"contactAction", "Contact Quillforge &Team"}, {"", "-"}, {"aboutAction", "&About..."}},
    };
    const QStringList titles = {"&File", "&Edit", "&View", "&Help"};
    const QList<QAction*> menus = w->menuBar()->actions();
    QCOMPARE(menus.size(), 4);
    for (int m = 0; m < 4; ++m) {
        QCOMPARE(menus[m]->text(), titles[m]);
        const QList<QAction*> items = menus[m]->menu()->actions();
        QCOMPARE(items.size(), expected[m].size());
        for (int i = 0; i < items.size(); ++i) {
            const Item& e = expected[m][i];
            if (QString(e.text) == "-") {
                QVERIFY(items[i]->isSeparator());
                continue;
            }
            QCOMPARE(items[i]->objectName(), QString(e.name));
            QCOMPARE(items[i]->text(), QString(e.text));
            QCOMPARE(items[i]->shortcut(), QKeySequence(e.keys));
        }
    }
}

void tst_MainWindow::toolbar()
{
    auto w = MakeWindow();
    const QStringList expected = {"New",  "Open",         "Save",         "-",   "Copy", "Cut", "Paste", "-", "Undo",
                                  "Redo", "-",            "Copy post to clipboard", "Preview post", "Live preview", "-",
                                  "Options", "About"};
    const QList<QAction*> buttons = Controls(*w).toolBar->actions();
    QCOMPARE(buttons.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        if (expected[i] == "-") {
            QVERIFY(buttons[i]->isSeparator());
            continue;
        }
        QCOMPARE(buttons[i]->toolTip(), expected[i]);
        QVERIFY2(!buttons[i]->icon().isNull(), qPrintable(expected[i]));
        QVERIFY(!buttons[i]->icon().pixmap(24, 24).isNull());
    }
}

void tst_MainWindow::toolbarRunsTheMenuCommands()
{
    // Position 1 runs New: with a changed post it asks the same question.
    auto w = MakeWindow();
    QTest::keyClicks(Controls(*w).bodyEdit, "Body");
    m_platform->answers = {MsgAnswer::No};
    Controls(*w).toolBar->actions().at(0)->trigger();
    QCOMPARE(m_platform->MessageTexts(), QStringList{SavePrompt});
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString());
}

void tst_MainWindow::toolbarButtonIsTheMenuItem_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    QTest::newRow("New, shorter than the menu's") << 0 << "newPostAction"
                                                  << "New";
    QTest::newRow("Open, without the menu's dots") << 1 << "openPostAction"
                                                   << "Open";
    QTest::newRow("Save") << 2 << "savePostAction"
                          << "Save";
    QTest::newRow("Copy") << 4 << "copyAction"
                          << "Copy";
    QTest::newRow("Cut") << 5 << "cutAction"
                         << "Cut";
    QTest::newRow("Paste") << 6 << "pasteAction"
                           << "Paste";
    QTest::newRow("Undo") << 8 << "undoAction"
                          << "Undo";
    QTest::newRow("Redo") << 9 << "redoAction"
                          << "Redo";
    QTest::newRow("Copy post to clipboard") << 11 << "copyPostAction"
                                            << "Copy post to clipboard";
    QTest::newRow("Preview post") << 12 << "previewAction"
                                  << "Preview post";
    QTest::newRow("Live preview, beside Preview") << 13 << "livePreviewAction"
                                                  << "Live preview";
    QTest::newRow("Options") << 15 << "optionsAction"
                             << "Options";
    QTest::newRow("About") << 16 << "aboutAction"
                           << "About";
}

void tst_MainWindow::toolbarButtonIsTheMenuItem()
{
    QFETCH(int, position);
    QFETCH(QString, item);
    QFETCH(QString, caption);
    auto w = MakeWindow();
    QToolBar* bar = Controls(*w).toolBar;
    QAction* button = bar->actions().at(position);
    // One action for both: disabling or renaming the item reaches the button too.
    QCOMPARE(button, w->findChild<QAction*>(item));
    QCOMPARE(button->objectName(), item);
    // The button keeps its short caption for screen readers and its picture;
    // the menu shows its own text and no picture.
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(bar->widgetForAction(button));
    QVERIFY(iface);
    QCOMPARE(iface->text(QAccessible::Name), caption);
    QCOMPARE(button->toolTip(), caption);
    QVERIFY(!button->icon().isNull());
    QVERIFY(!button->isIconVisibleInMenu());
}

void tst_MainWindow::hotSpot_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("opened");
    QTest::newRow("no site address: the makers' site") << QString() << QString(Makers::WebAddress);
    QTest::newRow("the stored site address") << "http://forum.test/"
                                             << "http://forum.test/";
}

void tst_MainWindow::hotSpot()
{
    QFETCH(QString, stored);
    QFETCH(QString, opened);
    if (!stored.isEmpty())
        m_settings.setSiteAddress(stored);
    auto w = MakeWindow();
    QCOMPARE(Controls(*w).openForumHotSpot->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(Controls(*w).openForumHotSpot, Qt::LeftButton);
    QCOMPARE(m_platform->shellOpened, QStringList{opened});
}

void tst_MainWindow::accessibleNames()
{
    auto w = MakeWindow();
    const QList<QPair<QString, QString>> expected = {
        {"subjectEdit", "Subject"},
        {"bodyEdit", "Message body"},
        {"sizeList", "Font size"},
        {"colourList", "Font colour"},
        {"forumChooser", "Forum"},
        {"topicNumberEdit", "Topic number"},
        {"openForumHotSpot", "Open forum"},
        {"tagButton_0", "B"},
        {"tagButton_9", "[*]"},
        {"quoteManagerButton", "Quote manager"},
        {"previewButton", "Preview"},
        {"submitButton", "Submit"},
        {"emoticonPicture_1", "Smile"},
        {"emoticonPicture_0", "Very happy"},
        {"assistanceBox", "Enable assistance"},
        {"newTopicOption", "New topic in Forum:"},
    };
    for (const auto& [name, accessible] : expected) {
        auto* widget = w->findChild<QWidget*>(name);
        QVERIFY2(widget, qPrintable(name));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
        QVERIFY2(iface, qPrintable(name));
        QCOMPARE(iface->text(QAccessible::Name), accessible);
    }
    // Every control of the central area has a name a screen reader can read.
    for (QWidget* child : w->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->objectName() == "submitFrame")
            continue;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(child);
        QVERIFY2(iface && !iface->text(QAccessible::Name).isEmpty(), qPrintable(child->objectName()));
    }
}

void tst_MainWindow::clockPanels()
{
    auto w = MakeWindow();
    QCOMPARE(Controls(*w).helpPanel->text(), QString());
    QVERIFY(!Controls(*w).timePanel->text().isEmpty());
    QVERIFY(!Controls(*w).datePanel->text().isEmpty());
    QCOMPARE(Controls(*w).datePanel->text(), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
}

namespace {
// Rolls the mouse wheel over the middle of `widget`, as the window system
// reports it (so the focus rules for the wheel apply too). Negative notches
// roll towards the user.
void RollWheel(QWidget* widget, int notches)
{
    QWidget* top = widget->window();
    const QPointF local = widget->mapTo(top, widget->rect().center());
    QWindowSystemInterface::handleWheelEvent(top->windowHandle(), local, top->mapToGlobal(local), QPoint(),
                                             QPoint(0, 120 * notches));
    QCoreApplication::processEvents();
}
}  // namespace

void tst_MainWindow::wheelOverClosedListsChangesNothing_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("startIndex");
    QTest::addColumn<int>("notches");
    QTest::addColumn<bool>("selection");
    QTest::newRow("size list rolled down, caret in the post") << "sizeList" << 2 << -3 << false;
    QTest::newRow("size list rolled up, text selected") << "sizeList" << 2 << 2 << true;
    QTest::newRow("colour list rolled down, text selected") << "colourList" << 0 << -5 << true;
    QTest::newRow("colour list rolled up, caret in the post") << "colourList" << 4 << 1 << false;
}

void tst_MainWindow::wheelOverClosedListsChangesNothing()
{
    QFETCH(QString, list);
    QFETCH(int, startIndex);
    QFETCH(int, notches);
    QFETCH(bool, selection);
    auto w = MakeWindow();
    auto* combo = w->findChild<QComboBox*>(list);
    QVERIFY(combo);
    combo->setCurrentIndex(startIndex);
    Controls(*w).bodyEdit->setPlainText("some post text");
    w->Post().SetState(PostDocument::State::Saved);
    w->activateWindow();
    Controls(*w).bodyEdit->setFocus();
    QTextCursor cursor = Controls(*w).bodyEdit->textCursor();
    cursor.setPosition(5);
    if (selection)
        cursor.setPosition(9, QTextCursor::KeepAnchor);
    Controls(*w).bodyEdit->setTextCursor(cursor);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Controls(*w).bodyEdit));
    QSignalSpy activated(combo, &QComboBox::activated);

    RollWheel(combo, notches);

    QCOMPARE(activated.count(), 0);
    QCOMPARE(combo->currentIndex(), startIndex);
    QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString("some post text"));
    QCOMPARE(w->Post().IsChanged(), false);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Controls(*w).bodyEdit));
    QCOMPARE(Controls(*w).bodyEdit->textCursor().selectedText(), selection ? QString("post") : QString());

    // Choosing with the keyboard still runs the list's command.
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(activated.count(), 1);
    QCOMPARE(combo->currentIndex(), startIndex + 1);
    QVERIFY2(Controls(*w).bodyEdit->toPlainText() != "some post text", "the chosen item inserted no tag");
}

void tst_MainWindow::screenReaderReadsTheLists_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("name");
    QTest::newRow("forum chooser") << "forumChooser"
                                   << "Forum";
    QTest::newRow("size list") << "sizeList"
                               << "Font size";
    QTest::newRow("colour list") << "colourList"
                                 << "Font colour";
}

void tst_MainWindow::screenReaderReadsTheLists()
{
    QFETCH(QString, list);
    QFETCH(QString, name);
    QVERIFY(WriteAll(ForumListFile::PathOf(m_context), "3- News\r\n7- General chat\r\n12- Help\r\n\r\n"));
    auto w = MakeWindow();
    Controls(*w).newTopicOption->click();  // the forum chooser is enabled only for a new topic
    auto* combo = w->findChild<QComboBox*>(list);
    QVERIFY(combo && combo->count() > 2);

    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(combo);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::ComboBox);
    QCOMPARE(iface->text(QAccessible::Name), name);
    for (int chosen : {0, 2}) {
        // Chosen with the keyboard, as the user would.
        combo->setFocus();
        QTest::keyClick(combo, chosen == 0 ? Qt::Key_Home : Qt::Key_Down);
        if (chosen)
            QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->currentIndex(), chosen);
        QCOMPARE(iface->text(QAccessible::Value), combo->itemText(chosen));

        // The items, as a screen reader walks them: one list child holding
        // every item, the chosen one marked.
        QAccessibleInterface* items = iface->childCount() == 1 ? iface->child(0) : nullptr;
        QVERIFY2(items, "the list's items are not reachable");
        QCOMPARE(iface->indexOfChild(items), 0);
        QCOMPARE(items->role(), QAccessible::List);
        QCOMPARE(items->childCount(), combo->count());
        for (int i = 0; i < combo->count(); ++i) {
            QAccessibleInterface* item = items->child(i);
            QVERIFY(item);
            QCOMPARE(item->text(QAccessible::Name), combo->itemText(i));
            QVERIFY2(item->state().selected == (i == chosen), qPrintable(combo->itemText(i)));
        }
    }
    // Pressing the list opens it, as a click does.
    QAccessibleActionInterface* actions = iface->actionInterface();
    QVERIFY(actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(combo->view()->isVisible());
    combo->hidePopup();
}

void tst_MainWindow::screenReaderPressesButtons_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("action");
    const QString press = QAccessibleActionInterface::pressAction();
    const QString toggle = QAccessibleActionInterface::toggleAction();
    QTest::newRow("New topic option pressed: the forum chooser is enabled") << "newTopicOption" << press;
    QTest::newRow("New topic option toggled: the forum chooser is enabled") << "newTopicOption" << toggle;
    QTest::newRow("Reply option pressed: the topic number is enabled") << "replyOption" << press;
    QTest::newRow("Reply option toggled: the topic number is enabled") << "replyOption" << toggle;
    QTest::newRow("assistance box pressed: assistance is on") << "assistanceBox" << press;
    QTest::newRow("assistance box toggled: assistance is on") << "assistanceBox" << toggle;
    QTest::newRow("bold button pressed: its tag is inserted") << "tagButton_0" << press;
}

void tst_MainWindow::screenReaderPressesButtons()
{
    QFETCH(QString, control);
    QFETCH(QString, action);
    auto w = MakeWindow();
    auto* button = w->findChild<QAbstractButton*>(control);
    QVERIFY(button);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button);
    QVERIFY(iface && iface->actionInterface());
    QVERIFY2(iface->actionInterface()->actionNames().contains(action),
             qPrintable(iface->actionInterface()->actionNames().join(", ")));

    iface->actionInterface()->doAction(action);

    // The command has run at once, as for a click.
    if (control == "newTopicOption") {
        QVERIFY(Controls(*w).newTopicOption->isChecked());
        QVERIFY(Controls(*w).forumChooser->isEnabled());
        QVERIFY(!Controls(*w).topicNumberEdit->isEnabled());
    } else if (control == "replyOption") {
        QVERIFY(Controls(*w).replyOption->isChecked());
        QVERIFY(Controls(*w).topicNumberEdit->isEnabled());
        QVERIFY(!Controls(*w).forumChooser->isEnabled());
    } else if (control == "assistanceBox") {
        QVERIFY(Controls(*w).assistanceBox->isChecked());
        QVERIFY(w->AssistMode());
        QVERIFY(iface->state().checked);
    } else {
        QCOMPARE(Controls(*w).bodyEdit->toPlainText(), QString("[b]"));
    }
}

void tst_MainWindow::lengthPanelCountsAsTheBoard_data()
{
    QTest::addColumn<QString>("board");
    QTest::addColumn<int>("maxChars");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");  // empty: the panel is hidden
    QTest::addColumn<bool>("tooLong");
    QTest::addColumn<bool>("beforeShown");  // the post arrives before the window shows
    QTest::newRow("unknown kind: no panel") << "" << 0 << "a & b"
                                            << "" << false << false;
    QTest::newRow("phpBB 2: no panel") << "phpbb2" << 0 << "a & b"
                                       << "" << false << false;
    QTest::newRow("phpBB 3: & counts five, \" six, < and > four; trimmed")
        << "phpbb3" << 0 << "  a&\"<> \n"
        << QLocale().toString(20) + " of " + QLocale().toString(60000) << false << false;
    QTest::newRow("phpBB 3 over the limit its posting page gave") << "phpbb3" << 10 << "eleven char"
                                                                  << "11 of 10" << true << false;
    QTest::newRow("phpBB 3, a post restored or opened before the window shows")
        << "phpbb3" << 10 << "eleven char"
        << "11 of 10" << true << true;
    const QString mybbMost = " of " + QLocale().toString(65535);
    QTest::newRow("MyBB counts bytes after its trim, without CR")
        << "mybb18" << 0 << " \r\n\u00e9t\u00e9 & a\r\nb \r\n" << "11" + mybbMost << false << false;
    QTest::newRow("MyBB at its limit: trailing blanks not counted")
        << "mybb18" << 0 << QString(65535, 'x') + "   \r\n" << QLocale().toString(65535) + mybbMost << false << false;
    QTest::newRow("MyBB one byte over") << "mybb18" << 0 << QString(65534, 'x') + "\u00e9"
                                        << QLocale().toString(65536) + mybbMost << true << false;
    QTest::newRow("SMF counts characters") << "smf21" << 0 << "\u00e9t\u00e9 & <b>"
                                           << "9 of " + QLocale().toString(20000) << false << false;
}

void tst_MainWindow::lengthPanelCountsAsTheBoard()
{
    QFETCH(QString, board);
    QFETCH(int, maxChars);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(bool, tooLong);
    QFETCH(bool, beforeShown);
    const QString site = "http://board.test/";
    m_settings.setSiteAddress(site);
    if (!board.isEmpty()) {
        BoardProfile page;
        page.found = &KindOf(board);
        page.maxChars = size_t(maxChars);
        BoardProfiles::SavePostingPage(m_settings, site, page);
    }
    auto w = MakeWindow();
    auto* panel = w->findChild<QLabel*>("lengthPanel");
    QVERIFY(panel);
    if (beforeShown)
        w->hide();
    w->Post().SetPost(typed.toStdString());
    if (beforeShown)
        w->show();
    if (shown.isEmpty()) {
        // Nor will it show after the pause in typing: no count waits for it.
        QVERIFY(panel->isHidden());
        QVERIFY(!w->findChild<QTimer*>("lengthTimer")->isActive());
        return;
    }
    QVERIFY(!panel->isHidden());
    QTRY_COMPARE(panel->text(), shown);
    QCOMPARE(panel->styleSheet().contains("color"), tooLong);
}

QF_TEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
