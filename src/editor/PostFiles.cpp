// SPDX-License-Identifier: MIT
#include "editor/PostFiles.h"

#include "base/FileIO.h"
#include "base/Platform.h"
#include "base/TextFile.h"
#include "post/PostDocument.h"
#include "post/PostFile.h"

#include <QDir>
#include <QFileInfo>

PostFiles::PostFiles(PostDocument& post, const AppContext& context, QWidget* owner)
    : m_post(post), m_context(context), m_owner(owner)
{
}

PostFiles::Unsaved PostFiles::AskToSaveChanges()
{
    if (!m_post.IsChanged())
        return Unsaved::None;
    switch (m_context.platform->MsgBox(
        m_owner, tr("You made some changed to your post, and didn't save it yet.\r\nDo you want to save it?"),
        MsgButtons::YesNoCancel, MsgIcon::Question)) {
    case MsgAnswer::Yes:
        // Going on after a save that wrote nothing would lose the post.
        return Save() ? Unsaved::None : Unsaved::Keep;
    case MsgAnswer::No:
        return Unsaved::Discarded;
    default:
        return Unsaved::Keep;
    }
}

bool PostFiles::OpenFile(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        // A folder, a pipe or a device: reading it would fail, block or never end.
        ReportFailure(FileIO::CannotReadMessage(path, tr("It is not an ordinary file.")));
        return false;
    }
    if (info.size() > LargestFile) {
        // Reading and converting it could exhaust the memory; it is not read at all.
        ReportFailure(FileIO::CannotReadMessage(
            path, tr("It is larger than %1 MB, more than the editor can hold.").arg(LargestFile >> 20)));
        return false;
    }
    std::string bytes;
    QString error;
    if (!FileIO::ReadFileBytes(path, &bytes, &error)) {
        ReportFailure(FileIO::CannotReadMessage(path, error));
        return false;
    }
    // The stamp hashes the bytes as they are on disk, before decoding.
    const FileStamp stamp = FileStamp::Take(path, bytes);
    const std::string text = TextFile::DecodeFileBytes(std::move(bytes));
    std::string rebuilt;
    const std::optional<PostFile::Located> parsed = PostFile::Locate(text, rebuilt);
    if (!parsed) {
        ReportFailure(tr("Sorry, File format is not correct"));
        return false;
    }
    // Filling the fields raises their change handlers; the state is set after.
    m_post.SetTitle(parsed->title);
    m_post.SetPost(parsed->post);
    m_post.SetFileName(path);
    m_post.SetState(PostDocument::State::Unchanged);
    m_stamp = stamp;
    if (m_used)
        m_used(path);
    return true;
}

void PostFiles::Open()
{
    // Answered No, the changes stay marked until another post replaces them:
    // a cancelled dialog or a refused file leaves the post as it was.
    if (AskToSaveChanges() == Unsaved::Keep)
        return;
    const QString path = m_context.platform->GetOpenFileName(m_owner);
    if (path.isEmpty())
        return;
    OpenFile(path);
}

bool PostFiles::OpenRecent(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        ReportFailure(tr("The post file \"%1\" is no longer there. It is taken off the list of recent posts.")
                          .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    if (AskToSaveChanges() == Unsaved::Keep)
        return true;
    OpenFile(path);
    return true;
}

bool PostFiles::Save()
{
    if (m_post.FileName().isEmpty())
        return SaveAs();
    if (StampOfPostFile().ChangedOnDisk()) {
        switch (m_context.platform->MsgBox(m_owner, ChangedOnDiskQuestion(m_post.FileName()), MsgButtons::YesNoCancel,
                                           MsgIcon::Exclamation)) {
        case MsgAnswer::Yes:
            break;
        case MsgAnswer::No:
            return SaveAs();
        default:
            return false;
        }
    }
    return WriteTo(m_post.FileName());
}

bool PostFiles::SaveAs()
{
    for (;;) {
        const QString chosen = m_context.platform->GetSaveFileName(m_owner);
        if (chosen.isEmpty())
            return false;
        const QString path = WithDefaultSuffix(chosen);
        // The dialog does not ask about replacing a file; the name it returns
        // may still gain the suffix, so the question is asked here, for the
        // name that is written. No shows the dialog again.
        if (QFileInfo(path).isFile()
            && m_context.platform->MsgBox(m_owner, ReplaceQuestion(path), MsgButtons::YesNo, MsgIcon::Exclamation)
                != MsgAnswer::Yes)
            continue;
        m_post.SetFileName(path);
        return WriteTo(path);
    }
}

bool PostFiles::WriteTo(const QString& path)
{
    QString error;
    const std::string bytes = PostFile::Write(m_post.Title(), m_post.Post());
    if (!FileIO::WriteFileAtomically(path, bytes, &error)) {
        ReportFailure(FileIO::CannotWriteMessage(path, error));
        return false;
    }
    m_stamp = FileStamp::Take(path, bytes);
    m_post.SetState(PostDocument::State::Saved);
    if (m_used)
        m_used(path);
    return true;
}

const FileStamp& PostFiles::StampOfPostFile() const
{
    static const FileStamp none;
    return m_stamp.Path() == m_post.FileName() ? m_stamp : none;
}

QString PostFiles::WithDefaultSuffix(const QString& chosen)
{
    // As the file dialog does it: only a file name with no dot at all gains the suffix.
    if (QFileInfo(chosen).fileName().contains(QLatin1Char('.')))
        return chosen;
    return chosen + QStringLiteral(".bbc");
}

QString PostFiles::ReplaceQuestion(const QString& path)
{
    return tr("The file \"%1\" already exists.\r\nReplace it?").arg(QDir::toNativeSeparators(path));
}

QString PostFiles::ChangedOnDiskQuestion(const QString& path)
{
    return tr("The file \"%1\" was changed on disk since you opened or last saved it, "
              "perhaps by another window or program.\r\n"
              "Do you want to replace it with your post?\r\n\r\n"
              "Yes replaces it, No saves your post under another name, Cancel does not save.")
        .arg(QDir::toNativeSeparators(path));
}

void PostFiles::ReportFailure(const QString& message)
{
    m_context.platform->MsgBox(m_owner, message, MsgButtons::OK, MsgIcon::Critical);
}
