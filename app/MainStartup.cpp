#include "app/MainStartup.h"

#include "app/AppContext.h"
#include "app/AppFolder.h"
#include "app/SettingsStore.h"
#include "editor/RecoveryOffer.h"
#include "editor/frmPost.h"
#include "forums/frmOptions.h"

#include <QCoreApplication>
#include <QFileInfo>

void PrepareApplication()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

QString CommandLinePath(const QStringList& arguments)
{
    std::vector<std::string> args;
    args.reserve(static_cast<size_t>(arguments.size()));
    for (const QString& argument : arguments)
        args.push_back(argument.toStdString());
    return QString::fromStdString(Startup::CommandLinePath(args));
}

std::unique_ptr<frmPost> MainStartup(AppContext& context, const QString& executableDir, const QStringList& arguments)
{
    context.appFolder = QString::fromStdString(Startup::AppFolderFromDir(executableDir.toStdString()));

    const QString path = CommandLinePath(arguments);

    // The main window is created once, on first use: by the options dialog
    // when its Save refreshes the forum chooser, or below.
    std::unique_ptr<frmPost> window;
    const auto mainWindow = [&]() -> frmPost& {
        if (!window)
            window = std::make_unique<frmPost>(context);
        return *window;
    };

    // Without a site address the options dialog comes first; whatever the user
    // does there, start-up goes on.
    if (context.settings->Get(SettingsStore::SiteAdressKey, QString()).isEmpty())
        frmOptions::ShowModal(context, mainWindow);

    // A post that an editor which did not close properly left behind is
    // offered back; once one is restored, the command line's file is not
    // opened over it.
    const bool restored = RecoveryOffer::Run(mainWindow());

    // Only an ordinary file is opened, before the window shows; one that cannot
    // be read or is no post file is reported by OpenFile, and the editor starts
    // empty.
    if (!restored && !path.isEmpty() && QFileInfo(path).isFile())
        window->OpenFile(path);
    window->show();
    return window;
}
