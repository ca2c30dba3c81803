// SPDX-License-Identifier: MIT
#pragma once
// The phpBB 3 renderer's clean-up of a post and its character count, as the
// board's posting form does them before anything is parsed. Qt-free.

#include <cstddef>
#include <string>
#include <string_view>

namespace Phpbb3::Text {

// The post as the parser reads it, written into `out` (whose room is
// reused), and its length as the board counts it. The clean-up: CR LF and
// lone CR to LF, NUL and U+FEFF dropped, ill-formed UTF-8 replaced by
// U+FFFD, spaces, tabs, vertical tabs and newlines trimmed from both ends,
// NFC. The count: code points of the cleaned text, & counting 5, < and > 4
// and " 6 (the form escapes them before counting). Then the remaining
// control characters (all below U+0020 but tab and LF), which count, are
// removed. One pass over the post; NFC and a second count only when a
// character that NFC may change occurs.
size_t CleanUp(std::string_view post, std::string& out);

// The length of cleaned text as the board counts it.
size_t Count(std::string_view cleaned);

// The board's length messages for a count, or "" when the length is allowed.
std::string LengthError(size_t characters, size_t minChars, size_t maxChars);

}  // namespace Phpbb3::Text
