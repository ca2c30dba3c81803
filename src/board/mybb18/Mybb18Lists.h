// SPDX-License-Identifier: MIT
#pragma once
// The MyBB 1.8 renderer's list pass: [list], [list=1|a|A|i|I] and their
// [*] items, nested and unclosed lists as the board writes them. Qt-free.

#include <string>
#include <string_view>

namespace Mybb18::Passes {

// The lists written into `out`; false (`out` untouched) when the text has
// no list tags.
bool Lists(std::string_view in, std::string& out);

}  // namespace Mybb18::Passes
