// SPDX-License-Identifier: MIT
// The about window (caption, version, the makers' address, Close Window, how
// the main window opens it) and the contact page (its bytes and its command).

#include "about/ContactPage.h"
#include "about/VersionLabel.h"
#include "about/AboutWindow.h"
#include "base/AppContext.h"
#include "base/PagePolicy.h"
#include "base/Makers.h"
#include "base/PictureBox.h"
#include "base/Settings.h"
#include "editor/MainWindow.h"
#include "browser/BrowserWindow.h"
#include "support/ModalDriver.h"
#include "support/PostControls.h"
#include "support/TestFiles.h"
#include "support/WebView.h"
#include "support/ScriptedPlatform.h"
#include "support/TestMain.h"
#include "base/Utf8.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QToolBar>
#include <QWebEngineView>

class tst_About : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void versionLabel_data();
    void versionLabel();
    void captionAndVersionBeforeFirstShown();
    void layout();
    void webAddressOpensThroughTheShell();
    void closeWindow();
    void mainWindowOpensItModally_data();
    void mainWindowOpensItModally();
    void accessibleNames();
    void contactPageBytes();
    void contactCommand();
    void contactPageThatCannotBeWritten();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    Settings m_settings;
    ScriptedPlatform* m_platform = nullptr;
    AppContext m_context;
};

void tst_About::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_platform = new ScriptedPlatform;
    m_context = AppContext{m_folder->path() + "/", &m_settings, m_platform};
}

void tst_About::cleanup()
{
    QCOMPARE(m_platform->unexpectedMessages, 0);
    delete m_platform;
    m_platform = nullptr;
    m_folder.reset();
}

void tst_About::versionLabel_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("label");
    QTest::newRow("this release") << 1 << 2 << 0 << "Version 1.2.0";
    QTest::newRow("a revision 12 shows as 12, not padded") << 1 << 2 << 12 << "Version 1.2.12";
    QTest::newRow("two-digit numbers everywhere") << 10 << 20 << 305 << "Version 10.20.305";
    QTest::newRow("zeros are written once") << 0 << 0 << 0 << "Version 0.0.0";
}

void tst_About::versionLabel()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QFETCH(QString, label);
    QCOMPARE(ToQString(About::VersionLabel(major, minor, revision)), label);
}

void tst_About::captionAndVersionBeforeFirstShown()
{
    AboutWindow window(m_context);
    QVERIFY(!window.isVisible());
    QCOMPARE(window.windowTitle(), QString("About Quillforge"));
    QCOMPARE(window.versionLabel->text(), QString("Version 1.2.0"));
}

void tst_About::layout()
{
    AboutWindow window(m_context);
    QCOMPARE(window.size(), QSize(381, 317));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(window.webSiteLink->text(), QString::fromLatin1(Makers::WebAddress));
    QCOMPARE(window.webSiteLink->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(window.closeHotSpot->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(window.closeHotSpot->pixmap().isNull());
    QVERIFY(window.developersLabel->text().endsWith(':'));
    QVERIFY(window.supportLabel->text().endsWith(':'));
    QVERIFY(window.developersMail->text().endsWith("@quillforge.example.org"));
    QVERIFY(window.supportMail->text().endsWith("@quillforge.example.org"));
    QVERIFY(window.developersMail->isReadOnly() && window.supportMail->isReadOnly());
    // Every control lies inside the client area, and none covers another.
    const QList<QWidget*> controls = {window.versionLabel, window.developersLabel, window.developersMail,
                                      window.supportLabel, window.supportMail,     window.webSiteLink,
                                      window.legalNotice,  window.graphicsCredit,  window.closeHotSpot};
    for (QWidget* control : controls) {
        QVERIFY2(window.rect().contains(control->geometry()), qPrintable(control->objectName()));
        for (QWidget* other : controls)
            QVERIFY2(control == other || !control->geometry().intersects(other->geometry()),
                     qPrintable(control->objectName() + " / " + other->objectName()));
    }
}

void tst_About::webAddressOpensThroughTheShell()
{
    AboutWindow window(m_context);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.webSiteLink, Qt::LeftButton);
    QCOMPARE(m_platform->shellOpened, QStringList{QString::fromLatin1(Makers::WebAddress)});
    // Nothing is reported and the window stays open.
    QVERIFY(window.isVisible());
    QVERIFY(m_platform->messages.isEmpty());
}

void tst_About::closeWindow()
{
    AboutWindow window(m_context);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.closeHotSpot, Qt::LeftButton);
    QVERIFY(!window.isVisible());
}

void tst_About::mainWindowOpensItModally_data()
{
    QTest::addColumn<bool>("fromToolbar");
    QTest::newRow("Help menu") << false;
    QTest::newRow("toolbar") << true;
}

void tst_About::mainWindowOpensItModally()
{
    QFETCH(bool, fromToolbar);
    MainWindow owner(m_context);
    owner.show();
    bool inspected = false;
    QPointer<QWidget> shown;
    ModalDriver watcher([&](QWidget* w) {
        shown = w;
        auto* window = qobject_cast<AboutWindow*>(w);
        QVERIFY(window);
        QVERIFY(window->isModal());
        QCOMPARE(QApplication::activeModalWidget(), window);
        QCOMPARE(window->parentWidget(), &owner);
        QCOMPARE(window->windowTitle(), QString("About Quillforge"));
        QTest::mouseClick(window->closeHotSpot, Qt::LeftButton);
        inspected = true;
    });
    if (fromToolbar) {
        QAction* button = nullptr;
        for (QAction* action : Controls(owner).toolBar->actions())
            if (action->toolTip() == "About")
                button = action;
        QVERIFY(button);
        button->trigger();
    } else {
        Controls(owner).aboutAction->trigger();
    }
    QCOMPARE(watcher.Driven(), 1);
    QVERIFY(inspected);
    // Discarded when closed: the next opening starts afresh.
    QVERIFY(shown.isNull());
}

void tst_About::accessibleNames()
{
    AboutWindow window(m_context);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(child);
        QVERIFY2(iface && !iface->text(QAccessible::Name).isEmpty(), qPrintable(child->objectName()));
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(window.closeHotSpot)->text(QAccessible::Name),
             QString("Close Window"));
}

void tst_About::contactPageBytes()
{
    // What the page shows and what its form sends is checked in the browser
    // window's tests; here, the bytes every browser relies on.
    const QByteArray action = "https://makers.example/form?to=quill&amp;from=editor";
    const QByteArray page = QByteArray::fromStdString(ContactPage::Build(action.toStdString()));
    // The policy that keeps scripts from running comes first.
    QVERIFY(page.startsWith(QByteArray::fromStdString(std::string(PagePolicy::NoScripts))));
    // The action is written as given, in the one form.
    QCOMPARE(page.count("action=\"" + action + "\""), 1);
    QCOMPARE(page.count("<form method=\"POST\""), 1);
    // Five lines, each ended by CR LF, and no other line break.
    QCOMPARE(page.count('\n'), 5);
    QCOMPARE(page.count("\r\n"), 5);
    QCOMPARE(page.count('\r'), 5);
    QVERIFY(page.endsWith("</form></body>\r\n"));
}

void tst_About::contactCommand()
{
    MainWindow owner(m_context);
    owner.show();
    const QString path = m_context.WritableFile("Contact.htm");
    QStringList captions;
    QList<bool> banners;
    ModalDriver watcher([&](QWidget* w) {
        auto* window = qobject_cast<BrowserWindow*>(w);
        QVERIFY(window);
        captions << window->windowTitle();
        banners << window->contactUsBanner->isVisible() << window->sendTopicBanner->isVisible();
        QCOMPARE(window->parentWidget(), &owner);
        QF_TRY_VERIFY_WITH_TIMEOUT(!window->Busy(), 20000);
        QCOMPARE(WebView(*window)->url(), QUrl::fromLocalFile(path));
    });
    Controls(owner).contactAction->trigger();
    Controls(owner).contactAction->trigger();
    QCOMPARE(watcher.Driven(), 2);
    QCOMPARE(captions, (QStringList{"Contact us", "Contact us"}));
    QCOMPARE(banners, (QList<bool>{true, false, true, false}));
    // Written again, not appended to.
    QCOMPARE(ReadAll(path), QByteArray::fromStdString(ContactPage::Build(Makers::ContactFormEndpoint)));
}

void tst_About::contactPageThatCannotBeWritten()
{
    const QString path = m_context.WritableFile("Contact.htm");
    QVERIFY(QDir().mkpath(path + "/inside"));
    MainWindow owner(m_context);
    m_platform->answers << MsgAnswer::OK;
    ModalDriver watcher;
    owner.showContactPage();
    QCOMPARE(watcher.Driven(), 0);
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY(m_platform->messages[0].text.contains(QDir::toNativeSeparators(path)));
    QCOMPARE(m_platform->messages[0].icon, MsgIcon::Critical);
}

QF_TEST_MAIN(tst_About)
#include "tst_about.moc"
