// SPDX-License-Identifier: MIT
#pragma once
// What a file looked like when this window last read or wrote it: its size,
// its modification time and a hash of its bytes. Save compares the file on
// disk with it, so a version written meanwhile by another window or program
// is not replaced unseen.
//
// Size and time decide when they can: a different size is a change; the same
// size and time are no change unless the time lies so close to the moment the
// stamp was taken that another write in the same tick of the file system's
// clock would have left it as it was. Then, and when only the time differs
// (a file touched but not rewritten), the bytes on disk are hashed and
// compared. A file that is gone has nothing to lose and counts as unchanged.

#include <QDateTime>
#include <QString>
#include <cstddef>
#include <string_view>

class FileStamp {
public:
    FileStamp() = default;
    // The file `path` as it is now, `bytes` being what was just read from it
    // or written to it.
    static FileStamp Take(const QString& path, std::string_view bytes);

    bool IsSet() const { return !m_path.isEmpty(); }
    const QString& Path() const { return m_path; }
    // True when the file at Path() no longer holds what was recorded.
    bool ChangedOnDisk() const;

private:
    static size_t Hash(std::string_view bytes);

    QString m_path;
    qint64 m_size = -1;
    QDateTime m_modified;
    QDateTime m_takenAt;
    size_t m_hash = 0;
};
