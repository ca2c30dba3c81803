// SPDX-License-Identifier: MIT
// The web engine is loaded with the first browser window, not at start-up,
// and a missing web module leaves the editor working. This program links the
// windows library only, as the editor does.

#include "base/AppContext.h"
#include "base/Settings.h"
#include "editor/MainWindow.h"
#include "browser/BrowserWindow.h"
#include "support/ScriptedPlatform.h"
#include "support/TestMain.h"

#include <QLabel>
#include <QOpenGLContext>
#include <QProcess>
#include <QSignalSpy>

namespace {

bool WebEngineLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    return maps.readAll().contains("libQt6WebEngineCore");
}

}  // namespace

class tst_WebModule : public QObject {
    Q_OBJECT
private slots:
    void loadedWithTheFirstBrowserWindow();
    void missingModule();
};

void tst_WebModule::loadedWithTheFirstBrowserWindow()
{
    if (qEnvironmentVariableIsSet("QF_MISSING_MODULE_CHILD"))
        QSKIP("run by the missing-module case");
    QTemporaryDir folder;
    ScriptedPlatform platform;
    Settings settings;
    AppContext context{folder.path() + "/", &settings, &platform};
    {
        MainWindow window(context);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY2(!WebEngineLoaded(), "the main window loaded the web engine");
        QVERIFY2(!QOpenGLContext::globalShareContext(), "the main window made the shared OpenGL context");
    }

    QFile page(folder.filePath("page.htm"));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<p id=\"x\">hello</p>\r\n");
    page.close();

    BrowserWindow reader;
    QVERIFY(WebEngineLoaded());
    // Made just before the engine was loaded, for it to share with.
    QVERIFY(QOpenGLContext::globalShareContext());
    QVERIFY(QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts));
    QSignalSpy completed(&reader, &BrowserWindow::navigationCompleted);
    reader.Navigate(QUrl::fromLocalFile(page.fileName()));
    QVERIFY(reader.Busy());
    QVERIFY(reader.WaitWhileBusy());
    QCOMPARE(completed.count(), 1);
    QCOMPARE(completed.first().first().toBool(), true);
    const std::optional<QString> body = reader.WaitForBodyHtml();
    QVERIFY(body.has_value());
    QVERIFY2(body->contains("hello"), qPrintable(*body));
}

void tst_WebModule::missingModule()
{
    if (!qEnvironmentVariableIsSet("QF_MISSING_MODULE_CHILD")) {
        // A copy of this program and the windows' library in a folder
        // without the web module (the module is looked for beside the
        // library; the copy finds the library through its relative run path).
        QTemporaryDir folder;
        const QString copy = folder.filePath("tst_webmodule");
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copy));
        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/libquillforge_ui.so",
                            folder.filePath("libquillforge_ui.so")));
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QF_MISSING_MODULE_CHILD", "1");
        child.setProcessEnvironment(environment);
        child.start(copy, {"missingModule"});
        QVERIFY(child.waitForFinished(60000));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 child.readAllStandardOutput() + child.readAllStandardError());
        return;
    }
    BrowserWindow window;
    auto* message = qobject_cast<QLabel*>(window.pageView);
    QVERIFY(message);
    QVERIFY(message->text().startsWith("The browser component could not be loaded."));
    QCOMPARE(window.pageView->geometry(), QRect(8, 36, 745, 469));
    QSignalSpy completed(&window, &BrowserWindow::navigationCompleted);
    window.Navigate(QUrl("http://127.0.0.1:9/"));
    QVERIFY(window.WaitWhileBusy());
    QCOMPARE(completed.count(), 1);
    QCOMPARE(completed.first().first().toBool(), false);
    QCOMPARE(window.WaitForBodyHtml(), std::optional<QString>());
    QVERIFY(!WebEngineLoaded());
}

QF_TEST_MAIN(tst_WebModule)
#include "tst_webmodule.moc"
