// SPDX-License-Identifier: MIT
#pragma once
// The forums of an index page, read the way the site's board links them.
// phpBB addresses a forum with "?f=N" (ForumScan); MyBB 1.8 with
// "forumdisplay.php?fid=N", or "forum-N.html" when it writes search-engine
// friendly addresses; SMF 2.1 with "index.php?board=N.0", or
// "index.php/board,N.0.html". phpBB 3, MyBB and SMF pages are read with the
// HTML5 parser (IndexPage), every other page with the classic scan. The
// pages are the body HTML as the browser serialises it; a name is the link's
// text as written there ("&amp;" for "&"), trimmed. Qt-free; every function
// is linear in the length of the page.

#include "board/BoardKind.h"
#include "board/classic/ForumScan.h"

#include <optional>
#include <string_view>

namespace ForumLinks {

// The forums and sub-forums of a phpBB 3 index page (prosilver 3.0 to 3.3,
// subsilver2), in page order, as entries "N- name": the forum title links
// (class "forumtitle", subsilver2's "forumlink") and the sub-forum links
// (class "subforum") to "viewforum.php?f=N", except in a link forum's row
// (class "forum_link"). Categories, last-post links, links in posts and
// descriptions, and feed links (which the styles write inside comments)
// give none. Nothing when the page marks none of its links so: a style of
// its own.
std::optional<ForumScan::Result> Phpbb3(std::string_view page);

// The forums and sub-forums of a MyBB 1.8 index page, in page order, as
// entries "N- name": every link to a forum's page except those in a
// category's header cell (class "thead"), and except redirect forums (a
// status span with the class "forum_offlink" whose id is "mark_read_N").
// Repeats are kept.
ForumScan::Result Mybb(std::string_view page);

// The boards and child boards of an SMF 2.1 index page, in page order, as
// entries "N- name": every link whose address names a board and nothing
// else (a session id may come with it), so category headers and the links
// to unread posts ("action=unread;board=N") give none; redirect boards (the
// icon link's class "board_redirect") are left out, and so is what comes
// before the board list (id "boardindex_table"), such as the news.
// Repeats, and the icon links with no name, are kept.
ForumScan::Result Smf(std::string_view page);

// The entries of an index page of a site of `kind`: phpBB 3 (when its
// style marks its forum rows), MyBB and SMF as above; any other page through
// the classic scan.
ForumScan::Result ForumsOf(std::string_view page, BoardKind kind);

}  // namespace ForumLinks
