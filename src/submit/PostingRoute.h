// SPDX-License-Identifier: MIT
#pragma once
// Where the forum's own posting page is, for a new topic or a reply. phpBB
// boards of the current generation open a new topic with `mode=post`, older
// ones with `mode=newtopic`; a reply is `mode=reply` on both. Which of the
// two new-topic modes a site takes is remembered per site address, so the
// next new topic goes straight to the one that worked. MyBB and SMF have one
// page for each kind of post. Qt-free.

#include "board/BoardKind.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace PostingRoute {

enum class Mode { Post, NewTopic, Reply };

// The mode's name in the address: "post", "newtopic" or "reply".
std::string_view NameOf(Mode mode);
// The new-topic mode stored under that name; no value for anything else.
std::optional<Mode> NewTopicModeNamed(std::string_view name);

// The modes to try, in order. A reply has one; a new topic tries the
// remembered mode first (`mode=post` when none is remembered), then the
// other, except on a MyBB or SMF site, which has one new-topic page (Post).
std::vector<Mode> ModesToTry(bool reply, std::optional<Mode> remembered, BoardKind kind = BoardKind::Unknown);

// The posting page: the site address followed by "posting.php?mode=", the
// mode, and "&f=" (new topic) or "&t=" (reply) with the number. On a MyBB
// site it is "newthread.php?fid=N" or "newreply.php?tid=N", on an SMF site
// "index.php?action=post;board=N.0" or "index.php?action=post;topic=N.0".
// Blanks around the number are dropped; any character of it other than
// letters, digits and "-._~" is percent-encoded, so a number can never add
// a parameter of its own.
std::string Address(std::string_view siteAddress, Mode mode, std::string_view number,
                    BoardKind kind = BoardKind::Unknown);

}  // namespace PostingRoute
