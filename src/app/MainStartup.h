// SPDX-License-Identifier: MIT
#pragma once
// The start routine: the first code of the program.

#include <QString>
#include <QStringList>
#include <memory>

struct AppContext;
class MainWindow;

// What must be settled before the application object exists: it sets the
// font library reading its configuration and font list on a thread of its
// own, while the application object is made; MainStartup waits for it
// before the first window. (The shared OpenGL context the web engine needs
// is made when the web module is loaded: base/GLShareContext.h.) Call it
// first thing in main().
void PrepareApplication();

// Runs the start sequence, in order:
//  1. fixes the picture folder and the writable folder from `executableDir`
//     (FixFolders), loads the translation for the user's language
//     (LoadTranslations), makes the user's data folder and its recovery folder
//     private when others may read them (KeepDataPrivate), and gives the
//     application the name of its desktop entry, and its icon once the first
//     window has been painted;
//  2. takes the command line (`arguments`, without the program's own name)
//     as one path, its double quotes removed;
//  3. when no site address is stored, shows the options dialog modally first;
//  4. creates the main window (unless the options dialog's Save already did,
//     to refresh its forum chooser) and offers back the posts that editors
//     which did not close properly left behind (RecoveryOffer);
//  5. unless one was restored, opens the post file when the path names an
//     existing file;
//  6. shows the main window and returns it.
std::unique_ptr<MainWindow> MainStartup(AppContext& context, const QString& executableDir,
                                        const QStringList& arguments);

// Sets the context's picture folder and writable folder for an executable in
// `executableDir`, by the layout rule of base/AppFolder.h: what is on disk
// there (emo/ beside it, whether a file can be created in it) and the user's
// data folder.
void FixFolders(AppContext& context, const QString& executableDir);

// The user's data folder and its recovery folder, where unsaved posts and
// the pages that hold them are kept, made the user's alone (700) when they
// belong to the user; one that belongs to someone else is left as it is and
// reported in a message box.
void KeepDataPrivate(const AppContext& context);

// The program's texts in the user's language, when a translation for it is
// installed in the data folder's translations/ (quillforge_<language>.qm),
// and Qt's own (the standard buttons) from Qt's translations folder. Without
// one the program speaks English.
void LoadTranslations(const AppContext& context);

// The path the command line names, as the start routine reads it.
QString CommandLinePath(const QStringList& arguments);
