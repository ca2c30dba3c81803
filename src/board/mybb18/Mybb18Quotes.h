// SPDX-License-Identifier: MIT
#pragma once
// The MyBB 1.8 renderer's quote pass (see Mybb18Quotes.cpp). Qt-free.

#include "board/mybb18/Mybb18Passes.h"

#include <string>

namespace Mybb18::Passes {

// The board's quote rounds over the text: "[quote]" and "[quote=name]"
// with their closing tags as blockquotes, inner ones first, until a round
// changes nothing (at most QuoteRounds), then the newlines around the
// quote's title and end tidied as the board tidies them.
void Quotes(std::string& text, std::string& spare, const Context& context);

}  // namespace Mybb18::Passes
