// SPDX-License-Identifier: MIT
#pragma once
// What an SMF 2.1 board does to a post when it saves it: the form's
// escaping, then its clean-up and repairs (control characters, Unicode
// normalisation, [nobbc], long runs of dots, stray quotes, unclosed code,
// link and picture addresses, /me, [html], old colour and legacy tags,
// list and table repairs, empty tags, line breaks and double spaces).
// Every step is one forward pass. Qt-free.

#include <string>
#include <string_view>

namespace Smf21::Save {

struct Context {
    std::string_view memberName;  // the poster's name, not escaped
    std::string_view scriptUrl;   // {scripturl}
    bool mayUseHtml = false;      // [html] is kept only for administrators
};

// The text as the form escapes it: & " ' < > as entities, control
// characters as visible symbols, every kind of line break as "\n",
// Unicode NFC, invisible characters that mean nothing where they stand as
// U+FFFD (see Smf21Chars.h), and characters beyond the Basic Multilingual
// Plane as numeric entities (the board's default database stores three
// bytes a character). `text` is valid UTF-8.
std::string Escape(std::string text);

// The escaped text as the board stores it.
std::string Preparse(std::string text, const Context& context);

}  // namespace Smf21::Save
