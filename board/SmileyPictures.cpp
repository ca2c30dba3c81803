// SPDX-License-Identifier: MIT
#include "board/SmileyPictures.h"

#include "base/FileIO.h"
#include "base/Utf8.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
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

SmileyPictures::SmileyPictures(QObject* parent) : QObject(parent), m_network(new QNetworkAccessManager(this))
{
    m_network->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    connect(m_network, &QNetworkAccessManager::finished, this, &SmileyPictures::Arrived);
}

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

void SmileyPictures::Fetch(const std::vector<BoardSmiley>& smilies)
{
    for (const BoardSmiley& smiley : smilies) {
        const QString address = ToQString(smiley.picture);
        const QUrl url(address);
        const QString scheme = url.scheme().toLower();
        if ((scheme != QLatin1String("http") && scheme != QLatin1String("https")) || m_waiting.contains(address)
            || !CachedFile(address).isEmpty())
            continue;
        m_waiting.insert(address);
        QNetworkRequest request(url);
        request.setAttribute(QNetworkRequest::User, address);
        request.setTransferTimeout(30000);
        QNetworkReply* reply = m_network->get(request);
        reply->setReadBufferSize(MaxBytes + 1);
        // A picture larger than any smiley is not read to its end.
        connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64 total) {
            if (received > MaxBytes || total > MaxBytes)
                reply->abort();
        });
    }
    if (m_waiting.isEmpty())
        emit finished();
}

void SmileyPictures::Arrived(QNetworkReply* reply)
{
    reply->deleteLater();
    const QString address = reply->request().attribute(QNetworkRequest::User).toString();
    m_waiting.remove(address);
    if (reply->error() == QNetworkReply::NoError) {
        const QByteArray bytes = reply->read(MaxBytes + 1);
        if (bytes.size() <= MaxBytes && !PictureKind(bytes).isEmpty()) {
            // A picture that cannot be kept is fetched again next time.
            QString error;
            if (FileIO::MakeFolder(Folder(), &error))
                FileIO::WriteFileAtomically(CacheFile(address), bytes.toStdString(), &error);
        }
    }
    if (m_waiting.isEmpty())
        emit finished();
}
