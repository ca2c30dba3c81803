// SPDX-License-Identifier: MIT
#pragma once
// The browser's profiles, one per forum site, so that logins on two sites
// (or two accounts on one board, kept as two sites) never mix. A profile is
// created when a browser window of its site is first needed, so start-up
// never starts the web engine. It keeps cookies, the cache and site data in
// the user's data folder, so a forum login survives a restart.

#include <QString>

class QWebEngineProfile;

namespace BrowserProfile {

// The profile of the site `siteId`, created on its first call: persistent
// storage under the user's data folder ("browser" for the site an earlier
// version knew, whose one profile it keeps; "browser-<id>" for the others),
// cookies kept across runs (session cookies too), local pages allowed to
// load remote pictures and send forms to remote sites, and UTF-8 as the text
// encoding of pages that declare none. The first call of a run first deletes
// the stored data of removed sites.
QWebEngineProfile* ForSite(const QString& siteId);

// The profile of the site chosen in the main window.
QWebEngineProfile* Shared();

// The folder holding the stored data of the site `siteId`.
QString StorageFolder(const QString& siteId);

}  // namespace BrowserProfile
