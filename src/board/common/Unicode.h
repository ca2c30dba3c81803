// SPDX-License-Identifier: MIT
#pragma once
// The little of Unicode that the phpBB 3 renderer needs: UTF-8 decoding,
// NFC normalisation, letter and space classes as PCRE's Unicode mode knows
// them, emoji sequences, and international host names in punycode. The
// tables are generated (tools/make-unicode-tables.py). Qt-free.

#include <cstddef>
#include <string>
#include <string_view>

namespace Unicode {

// The position of the first byte at or after `pos` that is not ASCII (the
// text's size if there is none), eight bytes at a time.
inline size_t NextNonAscii(std::string_view text, size_t pos)
{
    while (pos + 8 <= text.size()) {
        unsigned long long word;
        __builtin_memcpy(&word, text.data() + pos, 8);
        if (word & 0x8080808080808080ull)
            break;
        pos += 8;
    }
    while (pos < text.size() && static_cast<unsigned char>(text[pos]) < 0x80)
        ++pos;
    return pos;
}

// The code point starting at `pos` of valid UTF-8, `pos` moved past it.
char32_t Decode(std::string_view text, size_t& pos);
// The code point ending just before `pos` (0 at the start of the text).
char32_t DecodeBefore(std::string_view text, size_t pos);
void AppendUtf8(std::string& out, char32_t cp);

// `bytes` with every ill-formed UTF-8 sequence replaced by U+FFFD (one per
// maximal ill-formed subpart, as the Unicode standard recommends).
std::string MakeValid(std::string_view bytes);
// The length of the well-formed sequence at `pos`, or 0.
size_t ValidSequenceLength(std::string_view bytes, size_t pos);
// The length of the maximal ill-formed subpart at `pos` (at least 1).
size_t IllFormedLength(std::string_view bytes, size_t pos);

// The text in Normalization Form C. Text whose characters can never change
// under NFC (all of ASCII and Latin-1, most scripts) is returned as it is
// after one table look-up per non-ASCII character; the rest is normalised
// piece by piece around the characters that may change. Linear time.
std::string Nfc(std::string&& text);

// Whether NFC may change `cp` or combine it with what precedes it.
bool MayChangeUnderNfc(char32_t cp);

// A letter, a number or "_" (\w of PCRE in Unicode mode).
bool IsWordChar(char32_t cp);
// White space as PCRE's \s knows it in Unicode mode.
bool IsSpaceChar(char32_t cp);

// The length in bytes of the emoji sequence starting at `pos` (0 if there is
// none): a pictograph, a keycap, a flag, with their variation selectors,
// skin tones, tags and zero-width-joined parts. `name` receives the picture
// name: the code points in lower-case hexadecimal joined by "-", without
// U+FE0F unless the sequence has a zero-width joiner.
size_t MatchEmoji(std::string_view text, size_t pos, std::string& name);
// Whether the byte at `pos` may start an emoji (a cheap first test).
inline bool MayStartEmoji(std::string_view text, size_t pos)
{
    const unsigned char c = static_cast<unsigned char>(text[pos]);
    if (c >= 0xE2)
        return true;
    if ((c >= '0' && c <= '9') || c == '#' || c == '*')
        return pos + 1 < text.size()
            && (static_cast<unsigned char>(text[pos + 1]) == 0xEF || static_cast<unsigned char>(text[pos + 1]) == 0xE2);
    return c == 0xC2 && pos + 1 < text.size()
        && (static_cast<unsigned char>(text[pos + 1]) == 0xA9 || static_cast<unsigned char>(text[pos + 1]) == 0xAE);
}

// A host name with non-ASCII letters in its ASCII form: case folded,
// normalised, each such label written "xn--" + punycode. False when it
// cannot be converted (an empty label, a label or name too long).
bool HostToAscii(std::string_view host, std::string& out);

}  // namespace Unicode
