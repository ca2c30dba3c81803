// SPDX-License-Identifier: MIT
#pragma once
// Which board software a site runs, told from the pages the program already
// loads for it (the index page, the posting page). The kind decides the
// dialect the program writes and previews in; an unknown kind keeps the
// classic behaviour. Qt-free.

#include <optional>
#include <string_view>

enum class BoardKind {
    Unknown,  // not found out yet: the classic behaviour
    Phpbb2,   // phpBB 2.0
    Phpbb3,   // phpBB 3.0 to 3.3
    Mybb18,   // MyBB 1.8
    Smf21,    // Simple Machines Forum 2.1
};

namespace BoardKinds {

// Every kind but Unknown, in the order the Options dialog lists them.
inline constexpr BoardKind Known[] = {BoardKind::Phpbb3, BoardKind::Phpbb2, BoardKind::Mybb18, BoardKind::Smf21};

// The name a user reads: "phpBB 3", "phpBB 2", "MyBB 1.8", "SMF 2.1"; empty
// for Unknown.
std::string_view DisplayName(BoardKind kind);
// The name the settings store keeps: "phpbb3", "phpbb2", "mybb18", "smf21";
// empty for Unknown.
std::string_view Key(BoardKind kind);
// The kind kept under `key`; no value for anything else.
std::optional<BoardKind> FromKey(std::string_view key);

// The kind a page of the site (its body HTML, as the browser serialises it)
// shows, from the addresses, fields and names each kind writes: an
// index page, a posting page or a login page. Unknown when the page says
// nothing about it or two kinds equally. Linear in the page's length.
BoardKind FromPage(std::string_view html);

}  // namespace BoardKinds
