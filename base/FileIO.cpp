#include "base/FileIO.h"
#include "base/Utf8.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <csignal>
#include <signal.h>
#include <cstring>
#include <unistd.h>
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
}  // namespace

bool WriteFileAtomically(const QString& path, const std::string& bytes, QString* error)
{
    IgnoreFileSizeSignal();
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

bool MakeFolder(const QString& folder, QString* error)
{
    const std::filesystem::path path(QFile::encodeName(folder).toStdString());
    std::error_code code;
    std::filesystem::create_directories(path, code);
    if (!code && std::filesystem::is_directory(path, code))
        return true;
    if (error)
        *error = code ? ToQString(code.message()) : QStringLiteral("It is not a folder.");
    return false;
}

QString CannotWriteMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("Could not write the file \"%1\".\r\n%2").arg(QDir::toNativeSeparators(path), reason);
}

QString CannotReadMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("Could not read the file \"%1\".\r\n%2").arg(QDir::toNativeSeparators(path), reason);
}

}  // namespace FileIO
