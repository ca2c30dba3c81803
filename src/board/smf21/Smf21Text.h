// SPDX-License-Identifier: MIT
#pragma once
// Small text helpers shared by the SMF 2.1 renderer's passes: comparison,
// ASCII case-insensitive search, white space as the board's regular
// expressions know it, HTML escaping as the board does it, and the board's
// date format (ASCII classes and case are in board/common/Ascii.h).
// Qt-free.

#include "board/common/ByteScan.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace Smf21::Text {

// A set of bytes: passes look up whether a byte needs their attention
// and copy the bytes between those a run at a time.
using ByteSet = std::array<bool, 256>;

constexpr ByteSet BytesOf(std::string_view bytes)
{
    ByteSet set{};
    for (const char c : bytes)
        set[static_cast<unsigned char>(c)] = true;
    return set;
}

// The first byte at or after `at` that is in `set`, or s.size().
inline size_t FindAny(std::string_view s, size_t at, const ByteSet& set)
{
    while (at < s.size() && !set[static_cast<unsigned char>(s[at])])
        ++at;
    return at;
}

// FindAny for passes whose only rule for a space is about two in a row:
// a space counts only when another follows it.
inline size_t FindAnyButLoneSpace(std::string_view s, size_t at, const ByteSet& set)
{
    for (;; ++at) {
        at = FindAny(s, at, set);
        if (at == s.size() || s[at] != ' ' || (at + 1 < s.size() && s[at + 1] == ' '))
            return at;
    }
}

// The first `byte` at or after `from`, or npos: find() for a byte as
// frequent as "[" in a post, without a library call for each one.
inline size_t FindByte(std::string_view s, char byte, size_t from = 0)
{
    const size_t at = ByteScan::Find(s.data(), s.size(), from, byte);
    return at < s.size() ? at : std::string_view::npos;
}

inline bool Has(std::string_view s, size_t at, std::string_view lit)
{
    return at <= s.size() && s.size() - at >= lit.size() && s.compare(at, lit.size(), lit) == 0;
}

// The first `lower` at or after `from`, ignoring ASCII case; npos if none.
size_t FindCi(std::string_view s, std::string_view lower, size_t from);

// The length of the white-space character at `at` (Unicode white space,
// as \s with Unicode properties), or 0.
size_t SpaceAt(std::string_view s, size_t at);
// A letter, mark or digit (Unicode) starts at `at`; its length, or 0.
size_t WordAt(std::string_view s, size_t at);
// Whether the character ending just before `at` is a letter, mark or digit.
bool WordBefore(std::string_view s, size_t at);

// & " ' < > as the board escapes a post (' as &#39;).
void AppendEscaped(std::string& out, std::string_view text);

// A time as the board's default format writes it ("Nov 14, 2023, 10:13 PM"),
// "<strong>Today</strong> at 10:13 PM" when it is the same day as `now`.
std::string FormatTime(long long time, long long offset, long long now);

}  // namespace Smf21::Text
