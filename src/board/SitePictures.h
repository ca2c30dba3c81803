// SPDX-License-Identifier: MIT
#pragma once
// Where a site's smiley pictures are, for the renderers (SiteFacts): the
// board's own smilies from the picture cache (their address on the board
// until fetched), and, for a board whose smilies were never read, the
// program's own pictures of its default smilies' faces. And the site's
// board dialect built with them.

#include "board/Board.h"
#include "board/BoardProfile.h"

#include <QString>
#include <memory>

namespace SitePictures {

// `pictureFolder` holds the program's emo/ folder; `siteAddress` is the
// site's address as stored (ending in "/"), or empty.
SiteFacts For(const QString& pictureFolder, const QString& siteAddress);

// How the site's board renders and checks posts.
std::shared_ptr<const BoardDialect> DialectFor(const BoardProfile& profile, const QString& pictureFolder,
                                               const QString& siteAddress);

}  // namespace SitePictures
