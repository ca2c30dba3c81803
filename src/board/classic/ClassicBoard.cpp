// SPDX-License-Identifier: MIT
#include "board/classic/ClassicBoard.h"

#include <array>

namespace {

// phpBB 2 has login.php, profile.php and privmsg.php, posts new topics with
// mode=newtopic and marks categories and forums with its own classes.
constexpr std::array<std::string_view, 8> Phpbb2Markers = {
    "login.php",     "profile.php?mode=",  "privmsg.php?",         "groupcp.php",
    "mode=newtopic", "class=\"cattitle\"", "class=\"mainoption\"", "phpBB 2",
};

}  // namespace

std::span<const std::string_view> Phpbb2Board::PageMarkers() const { return Phpbb2Markers; }
