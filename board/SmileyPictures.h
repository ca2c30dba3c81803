// SPDX-License-Identifier: MIT
#pragma once
// The pictures of a board's own smilies, fetched once into the user's cache
// folder (~/.cache/Quillforge/Quillforge/smilies/) and shown from there
// afterwards, offline too. Only http and https addresses are fetched, only
// pictures are kept (GIF, PNG, JPEG or WebP, told from their bytes, never
// from what the server says), and none larger than MaxBytes; anything else
// is dropped and the smiley shows its code instead.

#include "board/BoardProfile.h"

#include <QObject>
#include <QPixmap>
#include <QSet>
#include <QString>
#include <vector>

class QNetworkAccessManager;
class QNetworkReply;

class SmileyPictures : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 MaxBytes = 256 * 1024;

    explicit SmileyPictures(QObject* parent = nullptr);

    // The cache file for the picture at `address` (named by a hash of the
    // address), whether or not it exists yet.
    static QString CacheFile(const QString& address);
    // That file when it has been fetched; empty otherwise.
    static QString CachedFile(const QString& address);
    // The smiley's picture (its first frame) fitted into `fit`; a null
    // picture when it has not been fetched or cannot be read.
    static QPixmap Picture(const BoardSmiley& smiley, const QSize& fit);

    // Fetches every picture of `smilies` not cached yet; `finished` follows
    // once all have arrived or failed.
    void Fetch(const std::vector<BoardSmiley>& smilies);

signals:
    void finished();

private:
    void Arrived(QNetworkReply* reply);

    QNetworkAccessManager* m_network = nullptr;
    QSet<QString> m_waiting;
};
