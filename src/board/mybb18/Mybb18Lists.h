// SPDX-License-Identifier: MIT
#pragma once
// The MyBB 1.8 renderer's list pass: [list], [list=1|a|A|i|I] and their
// [*] items, nested and unclosed lists as the board writes them. Qt-free.

#include <string>
#include <string_view>

namespace Mybb18::Passes {

std::string Lists(std::string_view in);

}  // namespace Mybb18::Passes
