// SPDX-License-Identifier: MIT
#pragma once
// The board kinds the program writes for, in one list (Boards.cpp), and
// which one a site runs, told from the pages the program already loads for
// it (the index page, the posting page). A site whose kind is not known
// keeps the classic behaviour. Qt-free.

#include "board/Board.h"

#include <span>
#include <string_view>

namespace Boards {

// The classic behaviour, for a site whose board is not known.
const Board& Classic();

// Every known kind, in the order the Options dialog lists them.
std::span<const Board* const> Known();

// The kind kept under `key` in the settings; null for anything else.
const Board* Named(std::string_view key);

// The known kind whose [size=N] numbers are read in `unit`; null when none.
const Board* ReadingSizesIn(SizeScale::Unit unit);

// The kind a page of the site (its body HTML, as the browser serialises it)
// shows, from the markers each kind writes (Board::PageMarkers): an index
// page, a posting page or a login page. Each marker counts once, however
// often it occurs, so a long forum list does not outweigh the rest. Null
// when the page says nothing about it or two kinds equally. Linear in the
// page's length.
const Board* FromPage(std::string_view html);

}  // namespace Boards
