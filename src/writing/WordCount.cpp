// SPDX-License-Identifier: MIT
#include "writing/WordCount.h"

#include <algorithm>

namespace WordCount {

namespace {
// A tag's text is never longer than this; a "[" that opens nothing longer is
// read as text.
constexpr size_t LongestTag = 512;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }
bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The character at `at` (UTF-8; a byte that starts no valid sequence stands
// for itself) and its length in bytes.
char32_t CharacterAt(std::string_view text, size_t at, size_t* length)
{
    const auto byte = static_cast<unsigned char>(text[at]);
    const size_t size = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    if (size == 1 || at + size > text.size()) {
        *length = 1;
        return byte;
    }
    char32_t c = byte & (0x3F >> (size - 1));
    for (size_t k = 1; k < size; ++k)
        c = (c << 6) | (static_cast<unsigned char>(text[at + k]) & 0x3F);
    *length = size;
    return c;
}

// Spaces beyond ASCII: no-break, the typographic ones, the ideographic.
bool IsWideBlank(char32_t c) { return c == 0xA0 || (c >= 0x2000 && c <= 0x200B) || c == 0x202F || c == 0x3000; }

// Letters and digits, and every character beyond ASCII but the punctuation
// of Latin-1, the general punctuation block and the CJK one.
bool IsWordSign(char32_t c)
{
    if (c < 0x80)
        return IsAsciiLetter(char(c)) || (c >= '0' && c <= '9');
    if ((c >= 0xA1 && c <= 0xBF && c != 0xAA && c != 0xB2 && c != 0xB3 && c != 0xB5 && c != 0xB9 && c != 0xBA)
        || c == 0xD7 || c == 0xF7)
        return false;
    return !(c >= 0x2010 && c <= 0x205E) && !(c >= 0x3000 && c <= 0x303F);
}

// The length of the tag that starts at `at` ("[b]", "[/url]", "[quote=a]",
// "[*]"), or 0 when no tag starts there.
size_t TagAt(std::string_view text, size_t at, std::string_view* name)
{
    size_t i = at + 1;
    if (i < text.size() && text[i] == '/')
        ++i;
    const size_t nameStart = i;
    if (i < text.size() && text[i] == '*')
        ++i;
    else
        while (i < text.size() && (IsAsciiLetter(text[i]) || (i > nameStart && text[i] >= '0' && text[i] <= '9')))
            ++i;
    if (i == nameStart || i >= text.size())
        return 0;
    *name = text.substr(nameStart, i - nameStart);
    if (text[i] == ']')
        return i + 1 - at;
    if (text[i] != '=' && text[i] != ' ')
        return 0;
    const size_t end = text.find_first_of("]\n[", i);
    if (end == std::string_view::npos || text[end] != ']' || end - at > LongestTag)
        return 0;
    return end + 1 - at;
}

bool IsImage(std::string_view name)
{
    return name.size() == 3 && (name[0] | 0x20) == 'i' && (name[1] | 0x20) == 'm' && (name[2] | 0x20) == 'g';
}
}  // namespace

size_t Count(std::string_view post)
{
    size_t words = 0;
    bool inWord = false;   // between blanks
    bool counted = false;  // the word has had a letter or digit
    bool imageCloses = true;  // a "[/img]" may still follow
    for (size_t i = 0; i < post.size();) {
        const char c = post[i];
        if (c == '[') {
            std::string_view name;
            if (const size_t tag = TagAt(post, i, &name)) {
                i += tag;
                // A picture's address is not text: straight on to its closing
                // tag. Each search starts past the last one, and none is
                // made once one found nothing, so the pass stays linear.
                if (imageCloses && IsImage(name) && post[i - tag + 1] != '/') {
                    size_t close = i;
                    while ((close = post.find("[/", close)) != std::string_view::npos
                           && !IsImage(post.substr(close + 2, std::min<size_t>(3, post.size() - close - 2))))
                        close += 2;
                    if (close == std::string_view::npos)
                        imageCloses = false;
                    else
                        i = close;
                }
                continue;
            }
        }
        size_t length = 1;
        const char32_t character = CharacterAt(post, i, &length);
        if (IsBlank(c) || IsWideBlank(character)) {
            inWord = false;
        } else {
            if (!inWord) {
                inWord = true;
                counted = false;
            }
            if (!counted && IsWordSign(character)) {
                counted = true;
                ++words;
            }
        }
        i += length;
    }
    return words;
}

}  // namespace WordCount
