// SPDX-License-Identifier: MIT
#include "browser/BrowserProfile.h"

#include <QCoreApplication>
#include <QPointer>
#include <QStandardPaths>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace BrowserProfile {

QWebEngineProfile* Shared()
{
    static QPointer<QWebEngineProfile> profile;
    if (profile)
        return profile;
    // A named profile is stored on disk; the application object owns it, and
    // every page using it belongs to a window that is closed before then.
    profile = new QWebEngineProfile(QStringLiteral("Quillforge"), QCoreApplication::instance());
    profile->setPersistentStoragePath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                                      + QStringLiteral("/browser"));
    profile->setCachePath(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/browser"));
    // Many forums keep their login in a session cookie; keeping those too is
    // what lets the user stay logged in between runs.
    profile->setPersistentCookiesPolicy(QWebEngineProfile::ForcePersistentCookies);

    QWebEngineSettings* settings = profile->settings();
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setDefaultTextEncoding(QStringLiteral("UTF-8"));
    return profile;
}

}  // namespace BrowserProfile
