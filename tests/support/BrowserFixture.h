// SPDX-License-Identifier: MIT
#pragma once
// The set-up the browser window's tests share, as a base of the test class:
// a program folder and settings store, a scripted platform made anew for each
// test, the test's own web server on 127.0.0.1, on request PHP's server over
// pages of the test's own, and the main window that opens the browser window.
//
//     class tst_X : public QObject, protected BrowserFixture { ...
//     void tst_X::initTestCase() { QVERIFY(StartFixture()); }
//     void tst_X::init() { BeginTest(); }
//     void tst_X::cleanup() { QCOMPARE(EndTest(), 0); }

#include "base/AppContext.h"
#include "base/Settings.h"
#include "editor/MainWindow.h"
#include "support/LocalWebServer.h"
#include "support/PhpServer.h"
#include "support/ScriptedPlatform.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <utility>
#include <vector>

class BrowserFixture {
protected:
    // How long a page may take to load, or a request to arrive.
    static constexpr int LoadTimeout = 20000;

    // Once per test program: the program folder and the web server.
    bool StartFixture();
    // PHP's server over a folder holding `pages` (file name, content). False,
    // with the reason in the warnings, when it could not be started.
    bool StartPhp(const std::vector<std::pair<QString, QByteArray>>& pages);
    // Before each test: a new scripted platform; the server's log is cleared.
    void BeginTest();
    // After each test: the messages the platform did not expect; it goes.
    int EndTest();

    // A main window on this fixture's folder and platform, shown.
    std::unique_ptr<MainWindow> MakeMainWindow();
    // Writes `bytes` to the file `name` in the program folder; its path.
    QString WritePage(const QString& name, const QByteArray& bytes);

    QTemporaryDir m_folder;
    Settings m_settings;
    ScriptedPlatform* m_platform = nullptr;
    AppContext m_context;
    LocalWebServer m_server;
    QTemporaryDir m_docRoot;
    std::unique_ptr<PhpServer> m_php;
};
