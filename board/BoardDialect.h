// SPDX-License-Identifier: MIT
#pragma once
// The phpBB 3 renderer's settings for a site: the board's limits as its
// posting page gave them, and its smilies with pictures the preview can show:
// the board's own smilies from the picture cache (their address on the board
// until fetched), or, for a board whose smilies were never read, phpBB 3's
// default smilies with the program's own pictures of the same faces (the
// board's address for the two it has no picture of).

#include "board/BoardProfile.h"
#include "render/Phpbb3Renderer.h"

#include <QString>
#include <vector>

class BoardDialect {
public:
    // `pictureFolder` holds the program's emo/ folder; `siteAddress` is the
    // site's address as stored (ending in "/"), or empty.
    BoardDialect(const BoardProfile& profile, const QString& pictureFolder, const QString& siteAddress);
    BoardDialect(const BoardDialect&) = delete;
    BoardDialect& operator=(const BoardDialect&) = delete;

    const Phpbb3::Options& Options() const { return m_options; }

private:
    std::vector<Phpbb3::Smiley> m_smilies;
    Phpbb3::Options m_options;
};
