// SPDX-License-Identifier: MIT
#include "editor/DroppedFiles.h"

#include "base/FileIO.h"
#include "base/Platform.h"
#include "base/TextFile.h"
#include "editor/PostFiles.h"
#include "post/PostDocument.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QLocale>
#include <QMimeData>
#include <QMimeDatabase>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QUrl>

DroppedFiles::DroppedFiles(PostDocument& post, const AppContext& context,
                           std::function<void(const QString&)> openPost, QWidget* window, QWidget* title)
    : QObject(window), m_post(post), m_context(context), m_openPost(std::move(openPost)), m_owner(window),
      m_title(title)
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    // The title field would take a file's address as dropped text.
    title->installEventFilter(this);
}

bool DroppedFiles::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_owner && watched != m_title)
        return false;
    const auto type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    if (FileOf(drop->mimeData()).isEmpty())
        return false;
    drop->acceptProposedAction();
    if (type == QEvent::Drop) {
        // Dropped beside the body, a text file goes in at the caret.
        QPlainTextEdit* body = m_post.BodyField();
        QTextCursor caret = body->textCursor();
        caret.clearSelection();
        body->setTextCursor(caret);
        Drop(drop->mimeData());
    }
    return true;
}

QString DroppedFiles::FileOf(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}

bool DroppedFiles::Drop(const QMimeData* data)
{
    const QString path = FileOf(data);
    if (path.isEmpty())
        return false;
    // Taken once the drop has ended: the body's drop is one edit of its own
    // that must not wrap a post being opened (it would mark it changed), and
    // no question waits while the program the file came from waits for the
    // drop's end. The caret, where the drop put it, follows edits meanwhile.
    const QTextCursor at = m_post.BodyField()->textCursor();
    QMetaObject::invokeMethod(this, [this, path, at] { Take(path, at); }, Qt::QueuedConnection);
    return true;
}

void DroppedFiles::Take(const QString& path, const QTextCursor& at)
{
    const QFileInfo file(path);
    const QString shown = QDir::toNativeSeparators(path);
    auto refuse = [&](const QString& message) {
        m_context.platform->MsgBox(m_owner, message, MsgButtons::OK, MsgIcon::Exclamation);
    };
    if (!file.isFile()) {
        refuse(tr("\"%1\" is not a file: only a post file (.bbc) or a text file can be dropped here.").arg(shown));
        return;
    }
    if (file.suffix().compare(QLatin1String("bbc"), Qt::CaseInsensitive) == 0) {
        m_openPost(path);
        return;
    }
    const QMimeType type = QMimeDatabase().mimeTypeForFile(file);
    if (type.inherits(QStringLiteral("text/plain"))) {
        m_post.BodyField()->setTextCursor(at);
        InsertText(path, file.size());
    } else if (type.name().startsWith(QLatin1String("image/"))) {
        refuse(tr("\"%1\" is a picture, and a post holds only text. Put the picture on the web, "
                  "then add its address with the Img button.")
                   .arg(shown));
    } else {
        refuse(tr("\"%1\" is not a text file: only a post file (.bbc) or a text file can be dropped here.")
                   .arg(shown));
    }
}

void DroppedFiles::InsertText(const QString& path, qint64 size)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (size > PostFiles::LargestFile) {
        m_context.platform->MsgBox(
            m_owner,
            FileIO::CannotReadMessage(
                path, tr("It is larger than %1 MB, more than the editor can hold.").arg(PostFiles::LargestFile >> 20)),
            MsgButtons::OK, MsgIcon::Critical);
        return;
    }
    if (size > LargeText
        && m_context.platform->MsgBox(m_owner,
                                      tr("\"%1\" holds %2 MB of text. Put all of it into the post?")
                                          .arg(shown, QLocale().toString(double(size) / (1024 * 1024), 'f', 1)),
                                      MsgButtons::YesNo, MsgIcon::Question)
               != MsgAnswer::Yes)
        return;
    std::string bytes;
    QString error;
    if (!FileIO::ReadFileBytes(path, &bytes, &error)) {
        m_context.platform->MsgBox(m_owner, FileIO::CannotReadMessage(path, error), MsgButtons::OK, MsgIcon::Critical);
        return;
    }
    // One edit at the caret, where the drop put it: one undo step.
    m_post.ReplaceSelection(TextFile::DecodeFileBytes(std::move(bytes)));
    // Undo and typing go on where the text went in.
    m_post.BodyField()->setFocus(Qt::OtherFocusReason);
}
