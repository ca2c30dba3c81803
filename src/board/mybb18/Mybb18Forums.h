// SPDX-License-Identifier: MIT
#pragma once
// The forum list of a MyBB 1.8 index page. Qt-free; linear in the page's
// length.

#include "board/classic/ForumScan.h"

#include <string_view>

namespace Mybb18 {

// The forums and sub-forums of a MyBB 1.8 index page, in page order, as
// entries "N- name": every link to a forum's page ("forumdisplay.php?fid=N",
// or "forum-N.html" with search-engine friendly addresses) except those in
// a category's header cell (class "thead"), and except redirect forums (a
// status span with the class "forum_offlink" whose id is "mark_read_N").
// Repeats are kept.
ForumScan::Result Forums(std::string_view page);

}  // namespace Mybb18
