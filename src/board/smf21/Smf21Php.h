// SPDX-License-Identifier: MIT
#pragma once
// The SMF 2.1 board's colouring of the PHP in [code] and [php] blocks:
// PHP's own highlighter with the board's changes to its output. Qt-free.

#include <string>
#include <string_view>

namespace Smf21::Internal {

// The board's PHP colouring of a code block's `&lt;?php … ?&gt;` part (the
// text as the board stores it, escaped).
std::string HighlightPhp(std::string_view code);

}  // namespace Smf21::Internal
