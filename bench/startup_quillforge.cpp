// SPDX-License-Identifier: MIT
// A child of bench_startup: starts exactly as the editor does, and exits as
// soon as the main window has been shown and painted.

#include "StartupProbe.h"

#include "base/AppContext.h"
#include "app/MainStartup.h"
#include "base/Platform.h"
#include "base/Settings.h"
#include "editor/MainWindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    PrepareApplication();
    StartupProbe app(argc, argv);
    QApplication::setOrganizationName(Settings::AppName);
    QApplication::setApplicationName(Settings::AppName);
    QtPlatform platform;
    Settings settings;
    AppContext context;
    context.settings = &settings;
    context.platform = &platform;
    std::unique_ptr<MainWindow> window = MainStartup(context, QApplication::applicationDirPath(), {});
    app.ExitOncePainted(window.get());
    return app.exec();
}
