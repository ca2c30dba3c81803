// SPDX-License-Identifier: MIT
#include "app/MainStartup.h"

#include "base/AppContext.h"
#include "base/AppFolder.h"
#include "base/FileIO.h"
#include "base/Platform.h"
#include "app/AppIcon.h"
#include "base/InstallLayout.h"
#include "base/Settings.h"
#include "base/Utf8.h"
#include "recovery/RecoveryOffer.h"
#include "recovery/RecoverySlot.h"
#include "editor/MainWindow.h"
#include "forums/OptionsDialog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTimer>
#include <QTranslator>

#include <dlfcn.h>
#include <functional>
#include <thread>
#include <utility>

namespace {

// The font library (fontconfig) reads its configuration files and font
// caches, some 6 ms of work, the first time a font is looked up. Started on
// a thread of its own before the application object exists, that reading
// runs beside the application's own start instead of within the building of
// the first window. The library comes with Qt's GUI library; its function is
// looked up, not linked, and without it nothing is started.
class FontLibraryWarmUp {
public:
    void Start()
    {
        if (const auto init = reinterpret_cast<int (*)()>(dlsym(RTLD_DEFAULT, "FcInit")); init && !m_thread.joinable())
            m_thread = std::thread(init);
    }
    // Before the first font is looked up: two threads reading at once would
    // each read it all.
    void Wait()
    {
        if (m_thread.joinable())
            m_thread.join();
    }
    ~FontLibraryWarmUp() { Wait(); }

private:
    std::thread m_thread;
};

FontLibraryWarmUp g_fontLibraryWarmUp;

}  // namespace

void PrepareApplication()
{
    g_fontLibraryWarmUp.Start();
}

namespace {

// True when a file can be created in `folder`: tried for real, since only
// that answers for access lists, read-only mounts and root alike.
bool CanCreateFileIn(const QString& folder)
{
    QTemporaryFile probe(folder + QStringLiteral(".quillforge-probe-XXXXXX"));
    return probe.open();
}

// Runs `work` from the event loop once the program's first window has been
// painted: work the first showing can do without waits until it is on screen.
void AfterFirstPaint(std::function<void()> work)
{
    class FirstPaint : public QObject {
    public:
        explicit FirstPaint(std::function<void()> work) : QObject(qApp), m_work(std::move(work)) {}
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint && m_work) {
                QTimer::singleShot(0, qApp, std::exchange(m_work, nullptr));
                deleteLater();
            }
            return false;
        }

    private:
        std::function<void()> m_work;
    };
    qApp->installEventFilter(new FirstPaint(std::move(work)));
}

}  // namespace

void FixFolders(AppContext& context, const QString& executableDir)
{
    Startup::FolderFacts facts;
    facts.executableFolder = Startup::AppFolderFromDir(QFile::encodeName(executableDir).toStdString());
    const QString executableFolder = QFile::decodeName(facts.executableFolder.c_str());
    facts.picturesBeside = QFileInfo(executableFolder + QStringLiteral("emo")).isDir();
    // Only the portable layout ever writes beside the program.
    facts.besideWritable = facts.picturesBeside && CanCreateFileIn(executableFolder);
    facts.userDataFolder =
        QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).toStdString();
    const Startup::ProgramFolders folders = Startup::ChooseFolders(facts, InstallLayout::BinToData);
    context.pictureFolder = QFile::decodeName(folders.pictures.c_str());
    context.writableFolder = QFile::decodeName(folders.writable.c_str());
}

QString CommandLinePath(const QStringList& arguments)
{
    std::vector<std::string> args;
    args.reserve(static_cast<size_t>(arguments.size()));
    for (const QString& argument : arguments)
        args.push_back(ToUtf8(argument));
    return ToQString(Startup::CommandLinePath(args));
}

void KeepDataPrivate(const AppContext& context)
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    for (const QString& folder : {data, RecoverySlot::Folder()}) {
        QString problem;
        if (!FileIO::KeepPrivate(folder, &problem))
            context.platform->MsgBox(nullptr, problem, MsgButtons::OK, MsgIcon::Exclamation);
    }
}

std::unique_ptr<MainWindow> MainStartup(AppContext& context, const QString& executableDir, const QStringList& arguments)
{
    g_fontLibraryWarmUp.Wait();
    FixFolders(context, executableDir);
    LoadTranslations(context);
    KeepDataPrivate(context);
    // Reading the icon's pictures loads every image format plug-in; the
    // windows take the icon as soon as the first of them is on screen.
    AfterFirstPaint([] { QApplication::setWindowIcon(AppIcon::ForWindows()); });
    QGuiApplication::setDesktopFileName(QString::fromLatin1(InstallLayout::AppId));

    const QString path = CommandLinePath(arguments);

    // The main window is created once, on first use: when the options dialog's
    // Save has written a forum list for its chooser, or below.
    std::unique_ptr<MainWindow> window;
    const auto mainWindow = [&]() -> MainWindow& {
        if (!window)
            window = std::make_unique<MainWindow>(context);
        return *window;
    };

    // Without a site address the options dialog comes first; whatever the user
    // does there, start-up goes on.
    if (context.settings->siteAddress().isEmpty()) {
        OptionsDialog::ShowModal(context, [&] {
            mainWindow().ReloadSites();
            mainWindow().ReloadForums();
        });
        // The site and its board, as the dialog left them.
        mainWindow().RefreshBoard();
    }

    // A post that an editor which did not close properly left behind is
    // offered back; once one is restored, the command line's file is not
    // opened over it.
    MainWindow& main = mainWindow();
    const bool restored = RecoveryOffer::Run({main.Post(), main.Recovery(), *context.platform, &main});
    if (restored)
        main.RestoreRecoveredTarget();

    // Only an ordinary file is opened, before the window shows; one that cannot
    // be read or is no post file is reported by OpenFile, and the editor starts
    // empty.
    if (!restored && !path.isEmpty() && QFileInfo(path).isFile())
        window->OpenFile(path);
    window->show();
    return window;
}

void LoadTranslations(const AppContext& context)
{
    const QLocale language;
    const auto install = [&language](const QString& name, const QString& folder) {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(language, name, QStringLiteral("_"), folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    };
    install(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    install(QStringLiteral("quillforge"), context.PictureFile(QStringLiteral("translations")));
}
