#pragma once
// The phpBB 3 renderer's clean-up of a post and its character count, as the
// board's posting form does them before anything is parsed. Qt-free.

#include <cstddef>
#include <string>
#include <string_view>

namespace Phpbb3::Text {

// CR LF and lone CR to LF, NUL and U+FEFF dropped, ill-formed UTF-8 replaced
// by U+FFFD, spaces, tabs, vertical tabs and newlines trimmed from both
// ends, then NFC: written into `out`, whose room is reused. One pass over
// the post, and one more only where NFC may change something.
void CleanUp(std::string_view post, std::string& out);
std::string CleanUp(std::string_view post);

// The length of cleaned text as the board counts it: code points, with &
// counting 5, < and > 4 and " 6 (the form escapes them before counting).
size_t Count(std::string_view cleaned);

// Count(text), then the text as the parser sees it: the remaining control
// characters (all below U+0020 but tab and LF) removed, in place.
size_t CountAndStripControls(std::string& text);

// The board's length messages for a count, or "" when the length is allowed.
std::string LengthError(size_t characters, size_t minChars, size_t maxChars);

}  // namespace Phpbb3::Text
