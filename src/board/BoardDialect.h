// SPDX-License-Identifier: MIT
#pragma once
// The renderers' settings for a site, for each board kind that has a
// renderer of its own: the board's limits as its posting page gave them, and
// its smilies with pictures the preview can show: the board's own smilies
// from the picture cache (their address on the board until fetched), or, for
// a board whose smilies were never read, the board software's default
// smilies with the program's own pictures of the same faces (the board's
// address for those it has no picture of).

#include "board/BoardProfile.h"
#include "board/mybb18/Mybb18Renderer.h"
#include "board/phpbb3/Phpbb3Renderer.h"
#include "board/smf21/Smf21Renderer.h"

#include <QString>
#include <vector>

class BoardDialect {
public:
    // `pictureFolder` holds the program's emo/ folder; `siteAddress` is the
    // site's address as stored (ending in "/"), or empty.
    BoardDialect(const BoardProfile& profile, const QString& pictureFolder, const QString& siteAddress);
    BoardDialect(const BoardDialect&) = delete;
    BoardDialect& operator=(const BoardDialect&) = delete;

    // phpBB 3's settings.
    const Phpbb3::Options& Options() const { return m_options; }
    // MyBB 1.8's settings.
    const Mybb18::Options& Mybb18Options() const { return m_mybb; }
    // SMF 2.1's settings.
    const Smf21::Options& Smf21Options() const { return m_smf; }

private:
    std::vector<Phpbb3::Smiley> m_smilies;
    Phpbb3::Options m_options;
    std::vector<Mybb18::Smiley> m_mybbSmilies;
    Mybb18::Options m_mybb;
    std::vector<Smf21::Smiley> m_smfSmilies;
    Smf21::Options m_smf;
};
