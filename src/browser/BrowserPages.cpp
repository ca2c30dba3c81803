// SPDX-License-Identifier: MIT
#include "browser/BrowserPages.h"

#include "about/ContactPage.h"
#include "base/AppContext.h"
#include "base/FileIO.h"
#include "base/Makers.h"
#include "base/Platform.h"
#include "board/PreviewPage.h"
#include "browser/BrowserWindow.h"
#include "base/Utf8.h"

namespace BrowserPages {

bool WriteAndShow(const AppContext& context, QWidget* owner, BrowserMode mode, const std::string& bytes,
                  const QUrl& baseUrl)
{
    const std::string_view name = RowOf(mode).pageFile;
    const QString path = context.WritableFile(ToQString(name));
    QString reason;
    // The pages hold the post: the user's alone.
    if (!FileIO::MakeFolder(context.writableFolder, &reason, FileIO::Access::Private)
        || !FileIO::RemoveIfExists(path, &reason)
        || !FileIO::WriteFileAtomically(path, bytes, &reason, FileIO::Access::Private)) {
        context.platform->MsgBox(owner, FileIO::CannotWriteMessage(path, reason), MsgButtons::OK, MsgIcon::Critical);
        return false;
    }
    if (baseUrl.isValid())
        BrowserWindow::ShowHtml(mode, ToQString(bytes), baseUrl, owner);
    else
        BrowserWindow::Show(mode, QUrl::fromLocalFile(path), owner);
    return true;
}

bool Preview(const AppContext& context, QWidget* owner, std::string_view post)
{
    return WriteAndShow(context, owner, BrowserMode::Preview, PreviewPage::Build(post, ToUtf8(context.pictureFolder)));
}

bool Contact(const AppContext& context, QWidget* owner)
{
    return WriteAndShow(context, owner, BrowserMode::Contact, ContactPage::Build(Makers::ContactFormEndpoint));
}

}  // namespace BrowserPages
