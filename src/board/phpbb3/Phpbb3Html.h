// SPDX-License-Identifier: MIT
#pragma once
// The phpBB 3 renderer's HTML writer: the processor's events as the
// board's prosilver HTML. Quotes nested deeper than the limit are left out
// with everything in them. Qt-free.

#include "board/phpbb3/Phpbb3Parser.h"

#include <string>

namespace Phpbb3::Internal {

// With `lineAnchors`, an anchor is written where each line of the cleaned
// text starts (see Options::lineAnchors); `firstLine` is the post's line the
// cleaned text starts on.
std::string WriteHtml(const Parser& parser, int maxQuoteDepth, bool& quotesRemoved,
                      std::vector<uint32_t>* lineAnchors = nullptr, size_t firstLine = 0);

}  // namespace Phpbb3::Internal
