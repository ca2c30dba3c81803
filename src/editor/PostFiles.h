// SPDX-License-Identifier: MIT
#pragma once
// The post-file commands of the main window: Open, Save, Save As, loading a
// post file into the editor, and the question about unsaved changes that New,
// Open and closing the window ask first. The main window's handlers call
// these; what a post file holds is decided by PostFile in the core.
//
// What each outcome leaves behind:
//   open succeeds        fields replaced, the file name := the file, unchanged,
//                        panel "No change in post"
//   open fails           nothing changes (a message says why)
//   save succeeds        the file name := the file written, saved,
//                        panel "Post Saved, No change"
//   Save As cancelled    nothing changes
//   write fails          a message says why; the state stays;
//                        Save As keeps the newly chosen name
// A write replaces the old file only once the new one is complete, so a
// failed save never destroys what was saved before.
//
// No file is replaced unseen: Save As asks before it replaces an existing file
// under the final name (the ".bbc" suffix added to a name typed without
// one), and Save asks what to do when the file was changed on disk since this
// window opened or last saved it. A file too large for the editor to hold is
// refused before any of it is read.

#include "base/AppContext.h"
#include "editor/FileStamp.h"

#include <QCoreApplication>
#include <QString>
#include <functional>

class PostDocument;
class QWidget;

class PostFiles {
    Q_DECLARE_TR_FUNCTIONS(PostFiles)
public:
    // The largest file Open reads.
    static constexpr qint64 LargestFile = qint64(256) * 1024 * 1024;

    // The question before Save As replaces an existing file.
    static QString ReplaceQuestion(const QString& path);
    // The question before Save replaces a file changed on disk: Yes
    // replaces it, No saves under another name, Cancel saves nothing.
    static QString ChangedOnDiskQuestion(const QString& path);
    // The name a post is saved under: `chosen`, with ".bbc" added when its
    // file name has no suffix.
    static QString WithDefaultSuffix(const QString& chosen);

    PostFiles(PostDocument& post, const AppContext& context, QWidget* owner);

    // What became of unsaved changes before a command that replaces the post.
    enum class Unsaved {
        None,       // there were none, or they were saved
        Discarded,  // the user chose not to save them
        Keep,       // the user cancelled, or chose to save and nothing was written: stop
    };
    // When the post has unsaved changes, asks whether to save them (Yes saves).
    Unsaved AskToSaveChanges();

    // `used` is told of each post file opened or written from now on.
    void SetFileUsed(std::function<void(const QString& path)> used) { m_used = std::move(used); }

    // Loads the post file `path` into the editor; false, after a message, when
    // it cannot be read or is not a post file, and the editor is untouched.
    bool OpenFile(const QString& path);
    // Open: the question about unsaved changes, the file dialog, then OpenFile.
    void Open();
    // A recent post chosen: gone, a message says so and false comes back;
    // otherwise the question about unsaved changes, then OpenFile.
    bool OpenRecent(const QString& path);
    // Save: writes to the post's file name, or runs Save As when the post has no file
    // yet. True when the file was written.
    bool Save();
    // Save As: asks for a name, then writes there. True when the file was written.
    bool SaveAs();

private:
    bool WriteTo(const QString& path);
    void ReportFailure(const QString& message);
    // The stamp of the post's own file, or an empty one when the post has
    // moved to another name since it was taken.
    const FileStamp& StampOfPostFile() const;

    PostDocument& m_post;
    AppContext m_context;
    QWidget* m_owner;
    FileStamp m_stamp;  // the post file as last read or written here
    std::function<void(const QString&)> m_used;
};
