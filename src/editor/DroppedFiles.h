// SPDX-License-Identifier: MIT
#pragma once
// Files dropped on the main window (or pasted from a file manager into the
// body). A post file (".bbc") is opened as File > Open opens one, with the
// same question about unsaved changes. A text file's text goes into the body
// at the drop point (the caret when dropped elsewhere) as one undo step,
// decoded as post files are; over 1 MB, only after the user agrees. A
// picture or any other file is refused with a message that says why. Only
// the first file of several is taken. Dropped text and rich text from other
// programs are not files: the body's own paste takes them.

#include "base/AppContext.h"

#include <QObject>
#include <QString>
#include <functional>

class PostDocument;
class QMimeData;
class QTextCursor;
class QWidget;

class DroppedFiles : public QObject {
    Q_OBJECT
public:
    // The largest text file inserted without a question.
    static constexpr qint64 LargeText = qint64(1024) * 1024;

    // `openPost` opens a post file after the question about unsaved changes.
    // Files dragged over `window` or its `title` field are taken here; the
    // body hands its own to Drop.
    DroppedFiles(PostDocument& post, const AppContext& context, std::function<void(const QString&)> openPost,
                 QWidget* window, QWidget* title);

    // The first local file `data` names; empty when it names none.
    static QString FileOf(const QMimeData* data);
    // Takes the file `data` names, once the event loop turns; false when it
    // names none.
    bool Drop(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The file at `path`; a text file goes in at `at`.
    void Take(const QString& path, const QTextCursor& at);
    void InsertText(const QString& path, qint64 size);

    PostDocument& m_post;
    AppContext m_context;
    std::function<void(const QString&)> m_openPost;
    QWidget* m_owner;
    QWidget* m_title;
};
