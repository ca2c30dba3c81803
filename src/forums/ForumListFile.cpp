// SPDX-License-Identifier: MIT
#include "forums/ForumListFile.h"

#include "base/AppContext.h"
#include "base/FileIO.h"
#include "base/Platform.h"
#include "base/Settings.h"
#include "forums/ForumList.h"
#include "base/Utf8.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace ForumListFile {

QString PathOf(const AppContext& context, const QString& siteId)
{
    if (siteId.isEmpty() || siteId == context.settings->sites().first().id)
        return context.WritableFile(ToQString(ForumList::FileName));
    return OwnPathOf(context, siteId);
}

QString OwnPathOf(const AppContext& context, const QString& siteId)
{
    return context.WritableFile(QStringLiteral("forums-%1.inf").arg(siteId));
}

Found Read(const AppContext& context, QWidget* owner, QStringList* entries, const QString& siteId)
{
    const QString path = PathOf(context, siteId);
    const QFileInfo info(path);
    if (!info.exists())
        return Found::Missing;
    QString reason;
    std::string bytes;
    if (!info.isFile())
        // A folder, a pipe or a device: reading it would fail or block.
        reason = QCoreApplication::translate("ForumListFile", "It is not an ordinary file.");
    else if (FileIO::ReadFileBytes(path, &bytes, &reason)) {
        entries->clear();
        for (const std::string& entry : ForumList::Parse(std::move(bytes)))
            entries->append(ToQString(entry));
        return Found::Read;
    }
    context.platform->MsgBox(owner, FileIO::CannotReadMessage(path, reason), MsgButtons::OK, MsgIcon::Critical);
    return Found::Unreadable;
}

bool Write(const AppContext& context, QWidget* owner, const QStringList& entries, const QString& siteId)
{
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(entries.size()));
    for (const QString& entry : entries)
        lines.push_back(ToUtf8(entry));
    const QString path = PathOf(context, siteId);
    QString reason;
    if (FileIO::MakeFolder(context.writableFolder, &reason, FileIO::Access::Private)
        && FileIO::WriteFileAtomically(path, ForumList::Build(lines), &reason))
        return true;
    context.platform->MsgBox(owner, FileIO::CannotWriteMessage(path, reason), MsgButtons::OK, MsgIcon::Critical);
    return false;
}

}  // namespace ForumListFile
