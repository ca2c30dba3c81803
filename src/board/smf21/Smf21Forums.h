// SPDX-License-Identifier: MIT
#pragma once
// The board list of an SMF 2.1 index page. Qt-free; linear in the page's
// length.

#include "board/classic/ForumScan.h"

#include <string_view>

namespace Smf21 {

// The boards and child boards of an SMF 2.1 index page, in page order, as
// entries "N- name": every link whose address names a board and nothing
// else ("index.php?board=N.0", or "index.php/board,N.0.html"; a session id
// may come with it), so category headers and the links to unread posts
// ("action=unread;board=N") give none; redirect boards (the icon link's
// class "board_redirect") are left out, and so is what comes before the
// board list (id "boardindex_table"), such as the news. Repeats, and the
// icon links with no name, are kept.
ForumScan::Result Forums(std::string_view page);

}  // namespace Smf21
