// SPDX-License-Identifier: MIT
// A child of bench_startup: starts exactly as the editor does, and exits as
// soon as the main window has been shown and painted.

#include "base/AppContext.h"
#include "app/MainStartup.h"
#include "base/Platform.h"
#include "base/Settings.h"
#include "editor/MainWindow.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv)
{
    PrepareApplication();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(Settings::AppName);
    QApplication::setApplicationName(Settings::AppName);
    QtPlatform platform;
    Settings settings;
    AppContext context;
    context.settings = &settings;
    context.platform = &platform;
    std::unique_ptr<MainWindow> window = MainStartup(context, QApplication::applicationDirPath(), {});
    QTimer::singleShot(0, [&] {
        window->repaint();
        QCoreApplication::exit(0);  // straight out: quit() would run the close sequence
    });
    return app.exec();
}
