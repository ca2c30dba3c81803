// SPDX-License-Identifier: MIT
#pragma once
// The MyBB 1.8 renderer's colouring of a [php] block: PHP 8's
// highlight_string() over the block, then the board's clean-up of what
// that gives. Qt-free.

#include <string>
#include <string_view>

namespace Mybb18::Passes {

// The HTML of a [php] block's content as the board writes it
// (<div dir="ltr"><code>…</code></div>).
std::string HighlightPhp(std::string_view code);

}  // namespace Mybb18::Passes
