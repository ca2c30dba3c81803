// SPDX-License-Identifier: MIT
#pragma once
// The forum list of a phpBB 3 index page. Qt-free; linear in the page's
// length.

#include "board/classic/ForumScan.h"

#include <optional>
#include <string_view>

namespace Phpbb3 {

// The forums and sub-forums of a phpBB 3 index page (prosilver 3.0 to 3.3,
// subsilver2), in page order, as entries "N- name": the forum title links
// (class "forumtitle", subsilver2's "forumlink") and the sub-forum links
// (class "subforum") to "viewforum.php?f=N", except in a link forum's row
// (class "forum_link"). Categories, last-post links, links in posts and
// descriptions, and feed links (which the styles write inside comments)
// give none. Nothing when the page marks none of its links so: a style of
// its own.
std::optional<ForumScan::Result> Forums(std::string_view page);

}  // namespace Phpbb3
