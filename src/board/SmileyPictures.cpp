// SPDX-License-Identifier: MIT
#include "board/SmileyPictures.h"

#include "base/FileIO.h"
#include "base/Utf8.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QStandardPaths>
#include <QUrl>

namespace {

QString Folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/smilies/");
}

// A picture's kind from its first bytes; empty for anything else.
QString PictureKind(const QByteArray& bytes)
{
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        return QStringLiteral("gif");
    if (bytes.startsWith("\x89PNG\r\n\x1a\n"))
        return QStringLiteral("png");
    if (bytes.startsWith("\xFF\xD8\xFF"))
        return QStringLiteral("jpeg");
    if (bytes.size() >= 12 && bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WEBP")
        return QStringLiteral("webp");
    return {};
}

}  // namespace

QString SmileyPictures::CacheFile(const QString& address)
{
    const QByteArray hash = QCryptographicHash::hash(address.toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
    return Folder() + QString::fromLatin1(hash);
}

QString SmileyPictures::CachedFile(const QString& address)
{
    const QString file = CacheFile(address);
    return QFileInfo(file).isFile() ? file : QString();
}

QPixmap SmileyPictures::Picture(const BoardSmiley& smiley, const QSize& fit)
{
    const QString file = CachedFile(ToQString(smiley.picture));
    if (file.isEmpty())
        return {};
    QImageReader reader(file);
    QImage image = reader.read();
    if (image.isNull())
        return {};
    if (image.width() > fit.width() || image.height() > fit.height())
        image = image.scaled(fit, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return QPixmap::fromImage(image);
}

QStringList SmileyPictures::Missing(const std::vector<BoardSmiley>& smilies)
{
    QStringList missing;
    for (const BoardSmiley& smiley : smilies) {
        const QString address = ToQString(smiley.picture);
        const QString scheme = QUrl(address).scheme().toLower();
        if ((scheme == QLatin1String("http") || scheme == QLatin1String("https")) && !missing.contains(address)
            && CachedFile(address).isEmpty())
            missing.append(address);
    }
    return missing;
}

bool SmileyPictures::Keep(const QString& address, const QByteArray& bytes)
{
    if (bytes.size() > MaxBytes || PictureKind(bytes).isEmpty())
        return false;
    QString error;
    return FileIO::MakeFolder(Folder(), &error) && FileIO::WriteFileAtomically(CacheFile(address), bytes.toStdString(), &error);
}
