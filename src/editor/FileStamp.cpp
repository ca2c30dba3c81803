// SPDX-License-Identifier: MIT
#include "editor/FileStamp.h"

#include "base/FileIO.h"

#include <QFileInfo>
#include <functional>
#include <string>

namespace {
// The coarsest modification-time tick of the file systems a post may live on
// (two seconds on FAT); writes closer together than this may share a time.
constexpr qint64 kClockTickMs = 2000;
}  // namespace

FileStamp FileStamp::Take(const QString& path, std::string_view bytes)
{
    FileStamp stamp;
    const QFileInfo info(path);
    stamp.m_path = path;
    stamp.m_size = info.size();
    stamp.m_modified = info.lastModified();
    stamp.m_takenAt = QDateTime::currentDateTimeUtc();
    stamp.m_hash = Hash(bytes);
    return stamp;
}

bool FileStamp::ChangedOnDisk() const
{
    if (!IsSet())
        return false;
    const QFileInfo info(m_path);
    if (!info.exists())
        return false;
    if (!info.isFile() || info.size() != m_size)
        return true;
    const QDateTime modified = info.lastModified();
    const bool sameTime = modified == m_modified;
    if (sameTime && m_modified.msecsTo(m_takenAt) >= kClockTickMs)
        return false;
    std::string bytes;
    if (!FileIO::ReadFileBytes(m_path, &bytes, nullptr))
        return !sameTime;
    return bytes.size() != static_cast<size_t>(m_size) || Hash(bytes) != m_hash;
}

size_t FileStamp::Hash(std::string_view bytes) { return std::hash<std::string_view>{}(bytes); }
