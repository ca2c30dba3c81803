// SPDX-License-Identifier: MIT
#pragma once
// The pictures of a board's own smilies, fetched once into the user's cache
// folder (~/.cache/Quillforge/Quillforge/smilies/) and shown from there
// afterwards, offline too. Only http and https addresses are fetched, only
// pictures are kept (GIF, PNG, JPEG or WebP, told from their bytes, never
// from what the server says), and none larger than MaxBytes; anything else
// is dropped and the smiley shows its code instead.
// The fetching itself is the web module's (browser/SmileyDownload.h), so
// that the network library is loaded with it, never on the way up.

#include "board/BoardProfile.h"

#include <QPixmap>
#include <QString>
#include <QStringList>
#include <vector>

class SmileyPictures {
public:
    static constexpr qint64 MaxBytes = 256 * 1024;

    // The cache file for the picture at `address` (named by a hash of the
    // address), whether or not it exists yet.
    static QString CacheFile(const QString& address);
    // That file when it has been fetched; empty otherwise.
    static QString CachedFile(const QString& address);
    // The smiley's picture (its first frame) fitted into `fit`; a null
    // picture when it has not been fetched or cannot be read.
    static QPixmap Picture(const BoardSmiley& smiley, const QSize& fit);

    // The http and https addresses among `smilies` whose pictures are not
    // cached yet, each once.
    static QStringList Missing(const std::vector<BoardSmiley>& smilies);
    // Keeps `bytes` fetched from `address` when they are a picture no larger
    // than MaxBytes; false when they are not kept.
    static bool Keep(const QString& address, const QByteArray& bytes);
};
