// SPDX-License-Identifier: MIT
#pragma once
// Where the forum's own posting page is, for a new topic or a reply, as the
// site's board addresses it (Board::PostingAddressStart). phpBB boards of
// the current generation open a new topic with `mode=post`, older ones with
// `mode=newtopic`; a reply is `mode=reply` on both. Which of the two
// new-topic modes a site takes is remembered per site address, so the next
// new topic goes straight to the one that worked. Qt-free.

#include "board/Boards.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace PostingRoute {

using Mode = PostingMode;

// The mode's name in the address: "post", "newtopic" or "reply".
std::string_view NameOf(Mode mode);
// The new-topic mode stored under that name; no value for anything else.
std::optional<Mode> NewTopicModeNamed(std::string_view name);

// The modes to try, in order (Board::ModesToTry). A reply has one; on a
// phpBB site a new topic tries the remembered mode first (`mode=post` when
// none is remembered), then the other.
std::vector<Mode> ModesToTry(bool reply, std::optional<Mode> remembered, const Board& board = Boards::Classic());

// The posting page: the site address, the board's start of the page's
// address for the mode (on phpBB "posting.php?mode=", the mode, and "&f="
// for a new topic or "&t=" for a reply), the number, and the board's end
// of it. Blanks around the number are dropped; any character of it other
// than letters, digits and "-._~" is percent-encoded, so a number can
// never add a parameter of its own.
std::string Address(std::string_view siteAddress, Mode mode, std::string_view number,
                    const Board& board = Boards::Classic());

}  // namespace PostingRoute
