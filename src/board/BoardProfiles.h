// SPDX-License-Identifier: MIT
#pragma once
// The board profile of each site, kept in the user's settings: group
// "Boards", one sub-group per site address (percent-encoded, as the
// new-topic modes are kept), holding
//   Found      the kind found, by its key ("phpbb3", "mybb18" ...)
//   FoundOn    where ("index", "posting")
//   Choice     the user's choice ("automatic", or a kind's key)
//   Smilies    the posting page's smilies, as JSON
//   Tags       the board's own tags, as JSON
//   MaxChars, MaxFontSize   limits the posting page gave
//   UserName   the account last seen logged in on the site
// A site never looked at has no group and reads as an unknown board.

#include "board/BoardProfile.h"

#include <QString>

class Settings;

namespace BoardProfiles {

inline const QString Group = QStringLiteral("Boards");

BoardProfile Load(const Settings& settings, const QString& siteAddress);

// The kind a page of the site showed; none, or the classic behaviour,
// changes nothing.
void SaveFound(Settings& settings, const QString& siteAddress, const Board* kind, FoundOn foundOn);
// The user's choice; null: automatic.
void SaveChoice(Settings& settings, const QString& siteAddress, const Board* chosen);
// What a posting page gave: its kind, smilies, tags and limits. A page
// without smilies or tags keeps those read before.
void SavePostingPage(Settings& settings, const QString& siteAddress, const BoardProfile& page);
// The account a page of the site showed logged in; an empty name (a page
// that shows none) keeps the one seen before.
void SaveUserName(Settings& settings, const QString& siteAddress, const std::string& userName);

}  // namespace BoardProfiles
