// SPDX-License-Identifier: MIT
#pragma once
// ASCII character classes, case folding and the comparisons built on them,
// as the boards' byte-wise code knows them: only A-Z and a-z change case,
// and a byte of 128 or more is never a letter, a digit or white space (in
// UTF-8 text no byte of a longer character is mistaken for one). The
// boards disagree on what white space is, so each set has its own name.
// Qt-free.

#include <cstddef>
#include <string>
#include <string_view>

namespace Ascii {

constexpr bool IsAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool IsAlnum(char c) { return IsAlpha(c) || IsDigit(c); }
constexpr bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
// A letter, a digit or "_" (\w of a pattern without Unicode).
constexpr bool IsWord(char c) { return IsAlnum(c) || c == '_'; }
// One or more digits and nothing else.
constexpr bool IsDigits(std::string_view s)
{
    if (s.empty())
        return false;
    for (const char c : s)
        if (!IsDigit(c))
            return false;
    return true;
}

constexpr char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; }
constexpr char Upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; }

// White space as C's isspace(), a pattern's \s without Unicode and PHP's
// numeric strings know it: space, \t, \n, \v, \f and \r.
constexpr bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
// What PHP's trim() takes away: space, \t, \n, \r, NUL and \v (not \f).
constexpr bool IsPhpTrimmed(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\0' || c == '\v';
}
// White space as HTML's parser knows it: space, \t, \n, \r and \f (not \v).
constexpr bool IsHtmlSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

// `s` without what PHP's trim() takes away at either end.
constexpr std::string_view TrimPhp(std::string_view s)
{
    while (!s.empty() && IsPhpTrimmed(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsPhpTrimmed(s.back()))
        s.remove_suffix(1);
    return s;
}

// `s` with its ASCII letters in lower case.
inline std::string ToLower(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = Lower(c);
    return out;
}

// The comparisons below take `lower` in lower case and ignore the case of
// the ASCII letters of `s` only.

// Whether `s` holds `lower` at `at` (false when `at` is past its end).
constexpr bool HasIgnoringCase(std::string_view s, size_t at, std::string_view lower)
{
    if (at > s.size() || s.size() - at < lower.size())
        return false;
    for (size_t i = 0; i < lower.size(); ++i)
        if (Lower(s[at + i]) != lower[i])
            return false;
    return true;
}
constexpr bool StartsWithIgnoringCase(std::string_view s, std::string_view lower)
{
    return HasIgnoringCase(s, 0, lower);
}
constexpr bool EndsWithIgnoringCase(std::string_view s, std::string_view lower)
{
    return s.size() >= lower.size() && HasIgnoringCase(s, s.size() - lower.size(), lower);
}
constexpr bool EqualsIgnoringCase(std::string_view s, std::string_view lower)
{
    return s.size() == lower.size() && HasIgnoringCase(s, 0, lower);
}

}  // namespace Ascii
