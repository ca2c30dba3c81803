// SPDX-License-Identifier: MIT
#include "base/AppContext.h"
#include "app/MainStartup.h"
#include "base/Platform.h"
#include "base/Settings.h"
#include "base/Version.h"
#include "editor/MainWindow.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv)
{
    PrepareApplication();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(Settings::AppName);
    QApplication::setApplicationName(Settings::AppName);
    QApplication::setApplicationVersion(QString::fromLatin1(Version::Text));

    QtPlatform platform;
    Settings settings;
    AppContext context;
    context.settings = &settings;
    context.platform = &platform;

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    std::unique_ptr<MainWindow> window = MainStartup(context, QApplication::applicationDirPath(), arguments);

    // When the main window's close sequence ends the program, every other
    // window closes too and the process exits.
    QObject::connect(window.get(), &MainWindow::programEnding, &app, [] {
        QTimer::singleShot(0, [] {
            QApplication::closeAllWindows();
            QApplication::quit();
        });
    });
    return app.exec();
}
