// SPDX-License-Identifier: MIT
#pragma once
// The forums of an index page, read the way the site's board links them.
// phpBB addresses a forum with "?f=N" (ForumScan); MyBB 1.8 with
// "forumdisplay.php?fid=N", or "forum-N.html" when it writes search-engine
// friendly addresses; SMF 2.1 with "index.php?board=N.0", or
// "index.php/board,N.0.html". Qt-free; every function is linear in the
// length of the page.

#include "board/BoardKind.h"
#include "forums/ForumScan.h"

#include <string_view>

namespace ForumLinks {

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
// before the board list (id "boardindex_table"), such as the news. The
// name is trimmed.
// Repeats, and the icon links with no name, are kept.
ForumScan::Result Smf(std::string_view page);

// The entries of an index page (its body HTML, as the browser serialises
// it) of a site of `kind`: MyBB and SMF as above; phpBB 3 through the
// classic scan without categories; any other through the classic scan.
ForumScan::Result ForumsOf(std::string_view page, BoardKind kind);

}  // namespace ForumLinks
