// SPDX-License-Identifier: MIT
#pragma once
// Reading and writing a site's forum list file in the writable folder (the
// format is ForumList's): `forums.inf` for the first site, where earlier
// versions read it, `forums-<id>.inf` for each other site. A file that cannot be read or written gives a message naming
// it and the system's reason; nothing else changes then.

#include <QString>
#include <QStringList>
#include <optional>

struct AppContext;
class QWidget;

namespace ForumListFile {

// The forum list file of the site `siteId`; the first site's when empty.
QString PathOf(const AppContext& context, const QString& siteId = QString());
// The file the list of the site `siteId` has while that site is not the
// first (the first site's is forums.inf).
QString OwnPathOf(const AppContext& context, const QString& siteId);

enum class Found { Missing, Read, Unreadable };

// The entries of the file, when it exists and can be read; messages over
// `owner` when it cannot.
Found Read(const AppContext& context, QWidget* owner, QStringList* entries, const QString& siteId = QString());

// Replaces the file with `entries`, atomically: a write that fails leaves the
// earlier file as it was. False, after its message, when it failed.
bool Write(const AppContext& context, QWidget* owner, const QStringList& entries, const QString& siteId = QString());

}  // namespace ForumListFile
