// SPDX-License-Identifier: MIT
#pragma once
// Small text functions of the MyBB 1.8 renderer, each doing what the board's
// own helper of the same purpose does: escaping, multi-byte lengths and
// cuts, trimming, integer reading, dates (ASCII classes, case and PHP's
// trim() are in board/common/Ascii.h). Text is valid UTF-8. Qt-free.

#include "board/common/ByteScan.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace Mybb18::Text {

// The first `byte` at or after `from`, or npos. The bytes the passes look
// for ("[", "<") are frequent, so up to 64 bytes are read inline, eight at
// a time, before memchr is called: a call for each would cost more than
// the search.
inline size_t FindByte(std::string_view s, size_t from, char byte)
{
    size_t pos = from;
    for (int k = 0; k < 8 && pos + 8 <= s.size(); ++k, pos += 8)
        if (const uint64_t found = ByteScan::HasByte(ByteScan::Load(s.data() + pos), static_cast<unsigned char>(byte)))
            return pos + size_t(__builtin_ctzll(found)) / 8;
    if (pos >= s.size())
        return std::string_view::npos;
    const void* at = std::memchr(s.data() + pos, byte, s.size() - pos);
    return at ? size_t(static_cast<const char*>(at) - s.data()) : std::string_view::npos;
}

// The first position at or after `from` where `lower` (which starts with a
// character that is not a letter) is found in any case, or npos.
size_t Find(std::string_view s, std::string_view lower, size_t from);

// The first `needle` at or after `from` for queries that mostly move
// forward: the answer is kept, so a row of queries over the same stretch
// reads it once.
class Finder {
public:
    Finder(std::string_view text, std::string_view lower) : m_text(text), m_lower(lower) {}
    size_t operator()(size_t from)
    {
        if (from < m_from || from > m_at) {
            m_from = from;
            m_at = from > m_text.size() ? std::string_view::npos : Find(m_text, m_lower, from);
        }
        return m_at;
    }

private:
    std::string_view m_text, m_lower;
    size_t m_from = 1, m_at = 0;  // the answer for queries in [m_from, m_at]; empty at first
};

// The first of the bytes `bytes` at or after `from`, or npos; eight bytes
// at a time (of the flags for each byte in a word the lowest is exact, so
// their union's is too).
template <typename... Bytes>
inline size_t FindAnyOf(std::string_view s, size_t from, Bytes... bytes)
{
    size_t pos = from;
    for (; pos + 8 <= s.size(); pos += 8) {
        const uint64_t word = ByteScan::Load(s.data() + pos);
        if (const uint64_t found = (ByteScan::HasByte(word, static_cast<unsigned char>(bytes)) | ...))
            return pos + size_t(__builtin_ctzll(found)) / 8;
    }
    for (; pos < s.size(); ++pos)
        if (((s[pos] == bytes) || ...))
            return pos;
    return std::string_view::npos;
}

// Code points in `s`, and the board's multi-byte cut (negative start:
// from the end; length < 0: to the end).
size_t Length(std::string_view s);
std::string Cut(std::string_view s, long start, long length = -1);
// The board's my_strlen(): code points after each "&#digits;" is counted
// as one, the right-to-left and left-to-right overrides (U+202E, U+202D)
// are left out and PHP's trim() is applied, so leading white space does
// not count.
size_t BoardLength(std::string_view s);
// The board's my_substr(s, 0, length, true): character references
// decoded, the first `length` code points kept, escaped again. A length of
// 0 counts as none given (PHP's 0 != null is false), keeping the whole.
std::string CutDecoded(std::string_view s, size_t length);

// "&" not starting "&#digits;", "<" and ">" escaped (the parser's own
// escaping of a post).
void AppendEscaped(std::string& out, std::string_view s);
// The same and '"' as "&quot;" (the board's htmlspecialchars_uni).
std::string SpecialChars(std::string_view s);
// &amp; &lt; &gt; &quot; and the numeric references (decimal or hex) of
// & " ' < > decoded (PHP's htmlspecialchars_decode).
std::string DecodeSpecialChars(std::string_view s);
// Decimal character references and &amp; &lt; &gt; &quot; decoded, as the
// board's unhtmlentities does for the text an escaped post (and an inner
// quote's escaped name) can hold.
std::string DecodeEntities(std::string_view s);

// A shown address longer than 55 characters (BoardLength) as its first
// 40, "..." and its last 10.
std::string Shorten(std::string_view s);

// The board's trim_blank_chrs(): what PHP's trim() takes away
// (Ascii::TrimPhp) and the blank characters of Unicode (no-break space,
// zero-width and other spaces, fillers, the BOM).
std::string_view TrimBlank(std::string_view s);

// PHP's (int) of a string: optional blanks and sign, then digits, saturated.
int64_t ToInt(std::string_view s);

// The board's relative date of `stamp` for a reader at `now` in the time
// zone `zoneMinutes`: "N minutes ago" and "N hours ago" (with the date as
// the title), Today / Yesterday, else "MM-DD-YYYY, hh:mm AM".
std::string RelativeDate(int64_t stamp, int64_t now, int zoneMinutes);

}  // namespace Mybb18::Text
