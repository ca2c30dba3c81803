// SPDX-License-Identifier: MIT
#pragma once
// The line-break boundary between the text widgets and the rest of the program.
// Inside a Qt text field a line break is one LF; the field's raw text and a
// selection read through QTextCursor hold U+2029 instead, and a soft break
// (Shift+Enter) is U+2028. Everywhere else the post is text with CR LF line
// breaks. These two functions are the only place that converts.

#include <string>
#include <string_view>

namespace LineBreaks {

// Text read from a field (LF, CR, U+2029 or U+2028 line breaks) as post text (CR LF).
std::string FieldToPost(std::string_view fieldText);

// Post text as a field holds it: CR LF, a lone CR and a lone LF each become LF.
std::string PostToField(std::string_view postText);

// Where a piece of `text` that starts at `from` and holds about `size` bytes
// ends, so that pieces passed to a field one after another give the same
// text and the same line breaks as the whole: a piece never ends between the
// CR and the LF of one line break, nor inside a UTF-8 sequence. It holds at
// least one byte while `from` is before the end; at the end it is `text.size()`.
size_t PieceEnd(std::string_view text, size_t from, size_t size);

}  // namespace LineBreaks
