// SPDX-License-Identifier: MIT
#pragma once
// Reading and writing `forums.inf` in the writable folder (the format is
// ForumList's). A file that cannot be read or written gives a message naming
// it and the system's reason; nothing else changes then.

#include <QString>
#include <QStringList>
#include <optional>

struct AppContext;
class QWidget;

namespace ForumListFile {

QString PathOf(const AppContext& context);

enum class Found { Missing, Read, Unreadable };

// The entries of the file, when it exists and can be read; messages over
// `owner` when it cannot.
Found Read(const AppContext& context, QWidget* owner, QStringList* entries);

// Replaces the file with `entries`, atomically: a write that fails leaves the
// earlier file as it was. False, after its message, when it failed.
bool Write(const AppContext& context, QWidget* owner, const QStringList& entries);

}  // namespace ForumListFile
