// SPDX-License-Identifier: MIT
#pragma once
// The phpBB 3 renderer's HTML writer: the processor's events as the
// board's prosilver HTML. Quotes nested deeper than the limit are left out
// with everything in them. Qt-free.

#include "render/Phpbb3Parser.h"

#include <string>

namespace Phpbb3::Internal {

std::string WriteHtml(const Parser& parser, int maxQuoteDepth, bool& quotesRemoved);

}  // namespace Phpbb3::Internal
