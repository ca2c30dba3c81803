#include "editor/PostFiles.h"

#include "app/FileIO.h"
#include "app/Platform.h"
#include "app/TextFile.h"
#include "editor/PostDocument.h"
#include "editor/PostFile.h"

#include <QFileInfo>

PostFiles::PostFiles(PostDocument& post, const AppContext& context, QWidget* owner)
    : m_post(post), m_context(context), m_owner(owner)
{
}

PostFiles::Unsaved PostFiles::AskToSaveChanges()
{
    if (!m_post.PostChanged)
        return Unsaved::None;
    switch (m_context.platform->MsgBox(m_owner, SavePrompt, MsgButtons::YesNoCancel, MsgIcon::Question)) {
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
        ReportFailure(FileIO::CannotReadMessage(path, QStringLiteral("It is not an ordinary file.")));
        return false;
    }
    std::string bytes;
    QString error;
    if (!FileIO::ReadFileBytes(path, &bytes, &error)) {
        ReportFailure(FileIO::CannotReadMessage(path, error));
        return false;
    }
    const std::string text = TextFile::DecodeFileBytes(std::move(bytes));
    std::string rebuilt;
    const std::optional<PostFile::Located> parsed = PostFile::Locate(text, rebuilt);
    if (!parsed) {
        ReportFailure(FormatError);
        return false;
    }
    // Filling the fields raises their change handlers; the state is set after.
    m_post.SetTitle(parsed->title);
    m_post.SetPost(parsed->post);
    m_post.PostFileName = path;
    m_post.SetUnchanged(PostDocument::NoChangeText);
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

bool PostFiles::Save()
{
    if (m_post.PostFileName.isEmpty())
        return SaveAs();
    return WriteTo(m_post.PostFileName);
}

bool PostFiles::SaveAs()
{
    const QString path = m_context.platform->GetSaveFileName(m_owner);
    if (path.isEmpty())
        return false;
    m_post.PostFileName = path;
    return WriteTo(path);
}

bool PostFiles::WriteTo(const QString& path)
{
    QString error;
    if (!FileIO::WriteFileAtomically(path, PostFile::Write(m_post.Title(), m_post.Post()), &error)) {
        ReportFailure(FileIO::CannotWriteMessage(path, error));
        return false;
    }
    m_post.SetUnchanged(PostDocument::SavedText);
    return true;
}

void PostFiles::ReportFailure(const QString& message)
{
    m_context.platform->MsgBox(m_owner, message, MsgButtons::OK, MsgIcon::Critical);
}
