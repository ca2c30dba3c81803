// SPDX-License-Identifier: MIT
#include "forums/SiteList.h"

#include "base/FileIO.h"
#include "base/Platform.h"
#include "base/Utf8.h"
#include "forums/ForumList.h"
#include "forums/ForumListFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QUrl>


namespace {

QString Tr(const char* text) { return QCoreApplication::translate("SiteList", text); }

// An address not set yet: what the first start leaves when nothing is typed.
bool Unset(const QString& address)
{
    const QString bare = address.trimmed().toLower();
    return bare.isEmpty() || bare == QLatin1String("http://") || bare == QLatin1String("https://");
}

QString SameName(const QString& name) { return name.trimmed().toCaseFolded(); }

}  // namespace

namespace SiteList {

QString AddressProblem(const QString& address)
{
    const QUrl url(address.trimmed(), QUrl::TolerantMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return Tr("It must begin with http:// or https://.");
    if (url.host().isEmpty())
        return Tr("It names no host after http:// or https://.");
    return {};
}

QString Problem(const QList<SiteEntry>& sites)
{
    if (sites.isEmpty())
        return Tr("At least one site must remain.");
    for (qsizetype index = 0; index < sites.size(); ++index) {
        const SiteEntry& site = sites[index];
        if (index == 0 && Unset(site.address))
            continue;
        if (const QString why = AddressProblem(site.address); !why.isEmpty())
            return Tr("The address \"%1\" of the site \"%2\" is not a web address. %3")
                .arg(site.address, site.name, why);
        for (qsizetype other = 0; other < index; ++other)
            if (sites[other].address == site.address && SameName(sites[other].name) == SameName(site.name))
                return Tr("Two sites have the address \"%1\" and the name \"%2\". Two sites may share an "
                          "address (two accounts on one board) only with different names.")
                    .arg(site.address, site.name);
    }
    return {};
}

bool Store(const AppContext& context, QWidget* owner, const QList<SiteEntry>& sites)
{
    const QList<SiteEntry> old = context.settings->sites();
    const QString firstFile = context.WritableFile(ToQString(ForumList::FileName));
    const auto fileOf = [&](const QString& id) { return ForumListFile::OwnPathOf(context, id); };
    const auto kept = [&](const QString& id) { return HasSite(sites, id); };
    QStringList failed;
    const auto remove = [&](const QString& path) {
        QFile file(path);
        if (file.exists() && !file.remove())
            failed.append(FileIO::CannotWriteMessage(path, file.errorString()));
    };
    const auto move = [&](const QString& from, const QString& to) {
        remove(to);
        QFile file(from);
        if (file.exists() && !file.rename(to))
            failed.append(FileIO::CannotWriteMessage(to, file.errorString()));
    };
    for (qsizetype index = 1; index < old.size(); ++index)
        if (!kept(old[index].id))
            remove(fileOf(old[index].id));
    if (old.first().id != sites.first().id) {
        if (kept(old.first().id))
            move(firstFile, fileOf(old.first().id));
        else
            remove(firstFile);
        move(fileOf(sites.first().id), firstFile);
    }
    context.settings->setSites(sites);
    if (failed.isEmpty())
        return true;
    context.platform->MsgBox(owner, failed.join(QStringLiteral("\n")), MsgButtons::OK, MsgIcon::Critical);
    return false;
}

}  // namespace SiteList
