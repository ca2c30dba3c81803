// SPDX-License-Identifier: MIT
#include "browser/BrowserProfile.h"

#include "base/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QPointer>
#include <QStandardPaths>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace BrowserProfile {

namespace {

// The folder name under the data or cache folder: the first site keeps the
// folder its one profile always had.
QString FolderName(const QString& siteId)
{
    return siteId == Settings::FirstSiteId ? QStringLiteral("/browser") : QStringLiteral("/browser-") + siteId;
}

QString CacheFolder(const QString& siteId)
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + FolderName(siteId);
}

// Removed sites' data goes before any profile of the run holds files open.
void DeleteRemovedSites()
{
    Settings settings;
    const QStringList removed = settings.removedSites();
    if (removed.isEmpty())
        return;
    for (const QString& id : removed) {
        QDir(StorageFolder(id)).removeRecursively();
        QDir(CacheFolder(id)).removeRecursively();
    }
    settings.clearRemovedSites();
}

}  // namespace

QString StorageFolder(const QString& siteId)
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + FolderName(siteId);
}

QWebEngineProfile* ForSite(const QString& siteId)
{
    static QHash<QString, QPointer<QWebEngineProfile>> profiles;
    static bool cleaned = false;
    if (!cleaned) {
        cleaned = true;
        DeleteRemovedSites();
    }
    QPointer<QWebEngineProfile>& profile = profiles[siteId];
    if (profile)
        return profile;
    // A named profile is stored on disk; the application object owns it, and
    // every page using it belongs to a window that is closed before then.
    const QString name =
        siteId == Settings::FirstSiteId ? Settings::AppName : Settings::AppName + QLatin1Char('-') + siteId;
    profile = new QWebEngineProfile(name, QCoreApplication::instance());
    profile->setPersistentStoragePath(StorageFolder(siteId));
    profile->setCachePath(CacheFolder(siteId));
    // Many forums keep their login in a session cookie; keeping those too is
    // what lets the user stay logged in between runs.
    profile->setPersistentCookiesPolicy(QWebEngineProfile::ForcePersistentCookies);

    QWebEngineSettings* settings = profile->settings();
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setDefaultTextEncoding(QStringLiteral("UTF-8"));
    return profile;
}

QWebEngineProfile* Shared() { return ForSite(Settings().chosenSite().id); }

}  // namespace BrowserProfile
