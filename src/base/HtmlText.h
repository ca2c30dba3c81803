// SPDX-License-Identifier: MIT
#pragma once
// Small readers of HTML text as the browser serialises it: character
// references, start tags and their attributes. They look at the text only;
// nothing is fetched or run. Qt-free; every function is linear in the
// length of the text it is given.

#include <optional>
#include <string>
#include <string_view>

namespace HtmlText {

// `text` with its character references decoded once: "&amp;" as "&", "&#39;"
// and "&#x27;" as "'", and the named references amp, lt, gt, quot, apos and
// nbsp. A reference without its ";", an unknown name or a number that is no
// character stays as it is written; a reference to U+0000, a surrogate or a
// number past U+10FFFF gives U+FFFD.
std::string DecodeReferences(std::string_view text);

// Where a tag's name that starts at `from` ends (at white space, "/" or ">").
size_t NameEnd(std::string_view html, size_t from);
// From just after a tag's name, past its attributes (quoted values may hold
// ">"), to the ">" that ends the tag; npos when the text ends inside the tag.
size_t TagEnd(std::string_view html, size_t at);

// A start tag in a page: its element name (as written) and its whole text,
// from "<" to ">".
struct StartTag {
    std::string_view name;
    std::string_view text;
    size_t end = 0;  // just after the tag's ">"
};

// The first start tag at or after `from` whose element name is `element`
// (letter case ignored); no value when there is none. Quoted attribute
// values may hold ">". Comments are skipped.
std::optional<StartTag> NextStartTag(std::string_view html, std::string_view element, size_t from);

// The value of the attribute `name` (letter case ignored) of a start tag's
// text, its references decoded; no value when the tag has no such attribute.
std::optional<std::string> Attribute(std::string_view tag, std::string_view name);

// Whether a class attribute's value (a list of names separated by white
// space) lists `name`.
bool ListsClass(std::string_view classes, std::string_view name);

}  // namespace HtmlText
