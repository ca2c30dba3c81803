// SPDX-License-Identifier: MIT
#include "base/FileIO.h"
#include "base/Utf8.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace FileIO {

namespace {
// A write beyond the process's file size limit (RLIMIT_FSIZE) raises SIGXFSZ,
// which ends the program by default and loses everything not yet saved.
// Ignored, the write fails with EFBIG instead and is reported like any other
// failed write. A handler the program installed itself is left alone.
void IgnoreFileSizeSignal()
{
    static const bool ignored = [] {
        struct sigaction current {};
        if (sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL)
            signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    (void)ignored;
}

bool Fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return false;
}

QString SystemReason() { return QString::fromLocal8Bit(std::strerror(errno)); }

// The private write: a new file of mode 600 under a name no one else could
// have chosen (exclusive creation), written whole and flushed to the disk,
// then renamed over `path`. The rename replaces whatever stands under the
// name, a link included, without following it.
bool WritePrivately(const QString& path, const std::string& bytes, QString* error)
{
    QByteArray temporary = QFile::encodeName(path) + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return Fail(error, SystemReason());
    auto failed = [&](const QString& reason) {
        ::close(fd);
        ::unlink(temporary.constData());
        return Fail(error, reason);
    };
    if (::fchmod(fd, S_IRUSR | S_IWUSR) != 0)
        return failed(SystemReason());
    const char* data = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        const ssize_t wrote = ::write(fd, data, left);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return failed(wrote < 0 ? SystemReason()
                                    : QCoreApplication::translate("FileIO", "Nothing could be written."));
        data += wrote;
        left -= size_t(wrote);
    }
    if (::fsync(fd) != 0)
        return failed(SystemReason());
    if (::close(fd) != 0) {
        ::unlink(temporary.constData());
        return Fail(error, SystemReason());
    }
    if (::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0) {
        const QString reason = SystemReason();
        ::unlink(temporary.constData());
        return Fail(error, reason);
    }
    return true;
}
}  // namespace

bool WriteFileAtomically(const QString& path, const std::string& bytes, QString* error, Access access)
{
    IgnoreFileSizeSignal();
    if (access == Access::Private)
        return WritePrivately(path, bytes, error);
    QSaveFile file(path);
    // Without this, a folder that does not let us create the temporary file
    // would make QSaveFile write the target in place.
    file.setDirectWriteFallback(false);
    // Unbuffered: a write that fails (no room left, a file size limit) fails
    // here, with its reason, instead of in a flush inside commit().
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Fail(error, file.errorString());
    const char* data = bytes.data();
    qint64 left = static_cast<qint64>(bytes.size());
    while (left > 0) {
        // A short write is followed by another, which fails with the reason.
        const qint64 wrote = file.write(data, left);
        if (wrote <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return Fail(error, reason);
        }
        data += wrote;
        left -= wrote;
    }
    // The new bytes are on the disk before they replace the old file, so a
    // crash just after the rename cannot leave an empty file under the name.
    if (::fsync(file.handle()) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        file.cancelWriting();
        return Fail(error, reason);
    }
    if (!file.commit())
        return Fail(error, file.errorString());
    return true;
}

bool ReadFileBytes(const QString& path, std::string* bytes, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    bytes->clear();
    const qint64 size = file.size();
    if (size > 0)
        bytes->reserve(static_cast<size_t>(size));
    char buffer[1 << 16];
    for (;;) {
        const qint64 got = file.read(buffer, sizeof buffer);
        if (got < 0) {
            if (error)
                *error = file.errorString();
            return false;
        }
        if (got == 0)
            break;
        bytes->append(buffer, static_cast<size_t>(got));
    }
    return true;
}

bool RemoveIfExists(const QString& path, QString* error)
{
    QFile file(path);
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return true;
    if (file.remove())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

bool MakeFolder(const QString& folder, QString* error, Access access)
{
    const std::filesystem::path path(QFile::encodeName(folder).toStdString());
    std::error_code code;
    if (access == Access::Private) {
        // Each missing folder, from the top down, made for the user alone.
        std::filesystem::path made;
        for (const std::filesystem::path& part : path) {
            made /= part;
            if (!made.has_relative_path() || std::filesystem::exists(made, code))
                continue;
            if (::mkdir(made.c_str(), S_IRWXU) != 0 && errno != EEXIST)
                return Fail(error, SystemReason());
        }
    } else {
        std::filesystem::create_directories(path, code);
    }
    if (!code && std::filesystem::is_directory(path, code))
        return true;
    if (error)
        *error = code ? ToQString(code.message()) : QCoreApplication::translate("FileIO", "It is not a folder.");
    return false;
}

bool KeepPrivate(const QString& folder, QString* problem)
{
    const QByteArray name = QFile::encodeName(folder);
    struct stat facts {};
    if (::lstat(name.constData(), &facts) != 0 || !S_ISDIR(facts.st_mode))
        return true;
    if ((facts.st_mode & (S_IRWXG | S_IRWXO)) == 0)
        return true;
    if (facts.st_uid != ::geteuid()) {
        if (problem)
            *problem = QCoreApplication::translate(
                           "FileIO",
                           "The folder \"%1\" belongs to another user, so the program leaves it as it is; "
                           "what it keeps there may be readable by others.")
                           .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    if (::chmod(name.constData(), S_IRWXU) != 0) {
        if (problem)
            *problem = QCoreApplication::translate("FileIO", "The folder \"%1\" could not be made private.\r\n%2")
                           .arg(QDir::toNativeSeparators(folder), SystemReason());
        return false;
    }
    return true;
}

QString CannotWriteMessage(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("FileIO", "Could not write the file \"%1\".\r\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString CannotReadMessage(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("FileIO", "Could not read the file \"%1\".\r\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

}  // namespace FileIO
