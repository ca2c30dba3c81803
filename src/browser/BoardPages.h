// SPDX-License-Identifier: MIT
#pragma once
// What the program keeps of the board's pages it loads (Submit's posting
// page, the index page Test Address and Start Extracting open, the posting
// page read after them): the board's kind, the account logged in, and a
// posting page's smilies, tags and limits, in the site's board profile.

#include <QString>

#include <string_view>

class Settings;

namespace BoardPages {

// A posting page of the site at `siteAddress` (its body HTML as the browser
// serialises it): its smilies, their picture addresses resolved against
// the site's address (the posting pages stand in its folder), its tags,
// limits and the account logged in are kept, and the pictures not cached
// yet start downloading.
void KeepPostingPage(Settings& settings, const QString& siteAddress, std::string_view html);

// Any other page of the site: the account it shows logged in, as the
// site's board writes it.
void KeepPosterName(Settings& settings, const QString& siteAddress, std::string_view html);

}  // namespace BoardPages
