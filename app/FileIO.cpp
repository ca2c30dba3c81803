#include "app/FileIO.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <filesystem>

namespace FileIO {

bool WriteFileAtomically(const QString& path, const std::string& bytes, QString* error)
{
    QSaveFile file(path);
    // Without this, a folder that does not let us create the temporary file
    // would make QSaveFile write the target in place.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const qint64 size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
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
        *error = code ? QString::fromStdString(code.message()) : QStringLiteral("It is not a folder.");
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
