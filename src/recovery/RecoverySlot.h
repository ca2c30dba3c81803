// SPDX-License-Identifier: MIT
#pragma once
// One recovery copy in the recovery folder and the lock that says its owner
// still runs.
//
// The folder is "recovery" in the user's data folder. Each editor window
// writes its own copy, "<id>.recovery" with an id unique to the process and
// the window, beside its lock file "<id>.lock" (a QLockFile). The owner takes
// the lock before its first write and holds it while it runs; the lock file
// records the owner's process, so once that process has ended (a crash, a
// kill, a power cut) anyone may take it. Whoever holds the lock is the only
// one who writes, removes or offers the copy, so two editors never touch each
// other's copies, and a copy whose owner still runs is never offered.

#include "recovery/RecoveryFile.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QLockFile;

class RecoverySlot {
public:
    static inline const QString CopySuffix = QStringLiteral(".recovery");
    static inline const QString LockSuffix = QStringLiteral(".lock");
    static inline const QString DamagedSuffix = QStringLiteral(".damaged");

    // The recovery folder in the user's data folder.
    static QString Folder();
    // A new slot in `folder` with a name no other window or process uses.
    static RecoverySlot Fresh(const QString& folder);
    // The copies in `folder`, whoever owns them.
    static QStringList CopiesIn(const QString& folder);
    // Removes what owners that no longer run left beside no copy: lock files,
    // and the temporary files of writes that never completed.
    static void ClearLeftovers(const QString& folder);

    explicit RecoverySlot(QString copyPath);
    RecoverySlot(RecoverySlot&&) noexcept;
    RecoverySlot& operator=(RecoverySlot&&) noexcept;
    ~RecoverySlot();  // releases the lock; the copy stays

    const QString& CopyPath() const { return m_copyPath; }
    QString LockPath() const;

    // Takes the lock unless another running process holds it. True when this
    // slot holds it (also when it already did).
    bool Lock(QString* error = nullptr);
    // Releases the lock and removes the lock file.
    void Unlock();
    bool Locked() const { return m_lock != nullptr; }

    // Writes the copy atomically, creating the folder and taking the lock first
    // when needed. False, with the reason, when any of that fails.
    bool Write(const RecoveryFile::Copy& copy, QString* error);

    enum class ReadResult { Read, Unreadable, Damaged };
    // Reads the copy into `copy`; `error` says why it could not be read.
    ReadResult Read(RecoveryFile::Copy* copy, QString* error) const;

    // Removes the copy and releases the lock. False when the copy is still there.
    bool Remove();
    // Renames a damaged copy to "<copy>.damaged" (numbered when that exists),
    // so it is neither offered again nor lost. The new path, or empty when the
    // copy could not be renamed. The lock is released.
    QString SetAside();

private:
    QString m_copyPath;
    std::unique_ptr<QLockFile> m_lock;
};
