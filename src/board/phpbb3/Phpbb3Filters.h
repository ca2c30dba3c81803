// SPDX-License-Identifier: MIT
#pragma once
// The checks and rewrites the board applies to BBCode attribute values:
// addresses, e-mail addresses, colours, font sizes, numbers, list types,
// quote authors, and the shortening of long link texts. Qt-free.

#include <optional>
#include <string>
#include <string_view>

namespace Phpbb3::Filters {

// A link or picture address as the board keeps it: trimmed; scheme http,
// https or ftp (any other scheme refuses it) or none (kept relative); the
// host a valid name or IP address, international names in punycode; user
// and password re-encoded; the rest percent-encoded byte by byte outside
// !#$%&*+,-./0-9:;=?@A-Z_a-z~. Nothing when the address is refused. The
// host is checked before the rest is read, so a refused address costs no
// more than its scheme and host.
std::optional<std::string> Url(std::string_view value);

// An e-mail address as PHP's address validation accepts it.
bool IsEmail(std::string_view value);

// #RGB, #RGBA, #RRGGBB, #RRGGBBAA, rgb(r,g,b) or a name made of letters.
bool IsColor(std::string_view value);

enum class FontSize { Fine, TooLarge, Refused };
// [size=N]: a number from 1 to `max` as PHP compares a typed string with a
// number (so "large" is too large and "150%" refused); max 0: no maximum.
FontSize CheckFontSize(std::string_view value, long max);

// A non-negative integer as PHP's integer validation reads it, written
// back in its plain form.
std::optional<std::string> Uint(std::string_view value);

bool IsIdentifier(std::string_view value);  // [-0-9A-Za-z_]+
// A list type: 1, a, A, i, I mapped to their CSS names, anything else kept
// when made of letters, digits, spaces and - + , . _ only.
std::optional<std::string> ListType(std::string_view value);
// Whether a list type makes an ordered list: its first five characters
// found in "upperlowerdecim".
bool IsOrderedListType(std::string_view type);

std::string RawUrlEncode(std::string_view value);

// The quote author forms that carry a link: "[url=A]N[/url]" and
// "[url]A[/url]" (the name becomes N, respectively A), then any
// http(s):// address in the name.
struct QuoteAuthor {
    std::string author;
    std::optional<std::string> url;
};
QuoteAuthor ParseQuoteAuthor(std::string_view author);

// A Unix time as "Mon Jan 01, 2024 12:00 am" in UTC.
std::string FormatDate(std::string_view seconds);

// Link text over 55 characters as its first 39, " ... " and its last 10.
std::string ShortenLinkText(std::string_view text);

}  // namespace Phpbb3::Filters
