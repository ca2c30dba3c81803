// SPDX-License-Identifier: MIT
#include "recovery/RecoverySlot.h"

#include "base/FileIO.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>

namespace {
// The id of a slot's files: the file name up to the copy's suffix.
QString IdOf(const QString& fileName, const QString& suffix)
{
    const qsizetype at = fileName.indexOf(suffix);
    return at > 0 ? fileName.left(at) : QString();
}

QString LockError(const QLockFile& lock)
{
    switch (lock.error()) {
    case QLockFile::LockFailedError:
        return QCoreApplication::translate("RecoverySlot", "Another running editor holds the lock.");
    case QLockFile::PermissionError:
        return QCoreApplication::translate("RecoverySlot", "The lock file cannot be created: permission denied.");
    default:
        return QCoreApplication::translate("RecoverySlot", "The lock file cannot be created.");
    }
}
}  // namespace

QString RecoverySlot::Folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery");
}

RecoverySlot RecoverySlot::Fresh(const QString& folder)
{
    const QString id = QStringLiteral("post-%1-%2")
                           .arg(QCoreApplication::applicationPid())
                           .arg(QUuid::createUuid().toString(QUuid::Id128));
    return RecoverySlot(folder + QLatin1Char('/') + id + CopySuffix);
}

QStringList RecoverySlot::CopiesIn(const QString& folder)
{
    const QDir dir(folder);
    QStringList copies;
    for (const QString& name : dir.entryList({QLatin1Char('*') + CopySuffix}, QDir::Files | QDir::Hidden))
        copies.append(dir.filePath(name));
    return copies;
}

void RecoverySlot::ClearLeftovers(const QString& folder)
{
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        // "<id>.lock" with no copy, or "<id>.recovery.XXXXXX" left by a write
        // that never completed; never a copy, nor one set aside.
        QString id;
        if (name.endsWith(LockSuffix))
            id = name.chopped(LockSuffix.size());
        else if (name.contains(CopySuffix + QLatin1Char('.')) && !name.contains(DamagedSuffix))
            id = IdOf(name, CopySuffix);
        if (id.isEmpty() || id.contains(QLatin1Char('.')))
            continue;
        const bool isLock = name.endsWith(LockSuffix);
        if (isLock && dir.exists(id + CopySuffix))
            continue;
        RecoverySlot slot(dir.filePath(id + CopySuffix));
        if (!slot.Lock())
            continue;  // its owner still runs
        if (!isLock)
            QFile::remove(dir.filePath(name));
        slot.Unlock();
    }
}

RecoverySlot::RecoverySlot(QString copyPath) : m_copyPath(std::move(copyPath)) {}
RecoverySlot::RecoverySlot(RecoverySlot&&) noexcept = default;
RecoverySlot& RecoverySlot::operator=(RecoverySlot&&) noexcept = default;
RecoverySlot::~RecoverySlot() = default;

QString RecoverySlot::LockPath() const { return m_copyPath.chopped(CopySuffix.size()) + LockSuffix; }

bool RecoverySlot::Lock(QString* error)
{
    if (m_lock)
        return true;
    auto lock = std::make_unique<QLockFile>(LockPath());
    // Stale only when the owner's process has ended, however old the lock is:
    // an editor may run for days.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (error)
            *error = LockError(*lock);
        return false;
    }
    m_lock = std::move(lock);
    return true;
}

void RecoverySlot::Unlock() { m_lock.reset(); }

bool RecoverySlot::Write(const RecoveryFile::Copy& copy, QString* error)
{
    // An unsaved post is the user's alone: the folder and the copy too.
    const QString folder = QFileInfo(m_copyPath).path();
    if (!FileIO::MakeFolder(folder, error, FileIO::Access::Private))
        return false;
    if (!Lock(error))
        return false;
    return FileIO::WriteFileAtomically(m_copyPath, RecoveryFile::Write(copy), error, FileIO::Access::Private);
}

RecoverySlot::ReadResult RecoverySlot::Read(RecoveryFile::Copy* copy, QString* error) const
{
    std::string bytes;
    if (!FileIO::ReadFileBytes(m_copyPath, &bytes, error))
        return ReadResult::Unreadable;
    std::optional<RecoveryFile::Copy> read = RecoveryFile::Read(bytes);
    if (!read)
        return ReadResult::Damaged;
    *copy = std::move(*read);
    return ReadResult::Read;
}

bool RecoverySlot::Remove()
{
    const bool removed = FileIO::RemoveIfExists(m_copyPath, nullptr);
    Unlock();
    return removed;
}

QString RecoverySlot::SetAside()
{
    QString target = m_copyPath + DamagedSuffix;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = m_copyPath + QStringLiteral(".%1").arg(n) + DamagedSuffix;
    const bool renamed = QFile::rename(m_copyPath, target);
    Unlock();
    return renamed ? target : QString();
}
