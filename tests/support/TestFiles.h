// SPDX-License-Identifier: MIT
#pragma once
// Whole files read and written by tests, for setting a scene and for looking
// at what the program wrote.

#include <QByteArray>
#include <QFile>

#include <sys/stat.h>
#include <QString>

// The file's bytes; "<unreadable>" when it cannot be opened, so a comparison
// with what was expected fails and says why.
inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Writes `bytes` as the whole file; false when it cannot be written.
inline bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A file's or folder's permission bits (07777), links not followed; -1 when
// there is nothing under the name.
inline int ModeOf(const QString& path)
{
    struct stat facts {};
    return ::lstat(QFile::encodeName(path).constData(), &facts) == 0 ? int(facts.st_mode & 07777) : -1;
}
