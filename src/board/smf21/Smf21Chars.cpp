// SPDX-License-Identifier: MIT
// The board's character clean-up on save: first every kind of line break
// becomes "\n", then each unwanted character becomes U+FFFD. A character
// that is always unwanted is replaced wherever it stands; an invisible one
// that only has a meaning between certain characters (joiners, zero-width
// spaces, variation selectors) is looked at together with its neighbours.
// One forward pass with one character of look-behind and look-ahead.

#include "board/smf21/Smf21Chars.h"

#include "board/common/Unicode.h"

namespace Smf21::Internal {

namespace {

constexpr char32_t Replacement = 0xFFFD;

// Control characters (those below U+0020 are visible symbols by now),
// private use, non-characters, the soft hyphen, invisible mathematical
// operators, the byte-order mark and the like: never kept.
bool AlwaysReplaced(char32_t cp)
{
    return (cp >= 0x7F && cp <= 0x9F) || cp == 0xAD || cp == 0x17B4 || cp == 0x17B5 || (cp >= 0x2061 && cp <= 0x2065)
        || (cp >= 0x206A && cp <= 0x206F) || (cp >= 0xE000 && cp <= 0xF8FF) || (cp >= 0xFDD0 && cp <= 0xFDEF)
        || cp == 0xFEFF || (cp >= 0xFFF0 && cp <= 0xFFFC) || cp == 0xFFFE || cp == 0xFFFF;
}

// Scripts whose letters join or stack: a joiner or non-joiner between two
// of their characters shapes the text.
bool JoiningScript(char32_t cp)
{
    return (cp >= 0x0600 && cp <= 0x08FF) || (cp >= 0x0700 && cp <= 0x074F) || (cp >= 0x0900 && cp <= 0x0DFF)
        || (cp >= 0x0F00 && cp <= 0x0FFF) || (cp >= 0x1000 && cp <= 0x109F) || (cp >= 0x1780 && cp <= 0x18AF)
        || (cp >= 0xA800 && cp <= 0xA8FF) || (cp >= 0xFB50 && cp <= 0xFDFF) || (cp >= 0xFE70 && cp <= 0xFEFE);
}

// Pictographs of the Basic Multilingual Plane that join into emoji sequences.
bool Pictograph(char32_t cp)
{
    return (cp >= 0x2300 && cp <= 0x23FF) || (cp >= 0x2600 && cp <= 0x27BF) || (cp >= 0x2B00 && cp <= 0x2BFF)
        || cp == 0xFE0F;
}

// Scripts written without spaces, where a zero-width space marks a word break.
bool UnspacedScript(char32_t cp)
{
    return (cp >= 0x0E00 && cp <= 0x0EFF) || (cp >= 0x0F00 && cp <= 0x0FFF) || (cp >= 0x1000 && cp <= 0x109F)
        || (cp >= 0x1780 && cp <= 0x17FF) || (cp >= 0x3040 && cp <= 0x30FF) || (cp >= 0x3400 && cp <= 0x9FFF)
        || (cp >= 0xF900 && cp <= 0xFAFF);
}

// An invisible character kept only between certain neighbours: whether it
// stays between `before` and `after` (0 at either end of the text).
bool KeptBetween(char32_t cp, char32_t before, char32_t after)
{
    switch (cp) {
    case 0x200C:  // zero-width non-joiner
        return JoiningScript(before) && JoiningScript(after);
    case 0x200D:  // zero-width joiner
        return (JoiningScript(before) && JoiningScript(after)) || (Pictograph(before) && Pictograph(after));
    case 0x200B:  // zero-width space
    case 0x2060:  // word joiner
        return UnspacedScript(before) && UnspacedScript(after);
    default:
        break;
    }
    if (cp >= 0x180B && cp <= 0x180F)  // Mongolian selectors and vowel separator
        return before >= 0x1800 && before <= 0x18AF;
    if (cp >= 0xFE00 && cp <= 0xFE0F)  // variation selectors
        return before >= 0x80 || (before >= '0' && before <= '9') || before == '#' || before == '*';
    return true;
}

bool Contextual(char32_t cp)
{
    return cp == 0x200B || cp == 0x200C || cp == 0x200D || cp == 0x2060 || (cp >= 0x180B && cp <= 0x180F)
        || (cp >= 0xFE00 && cp <= 0xFE0F);
}

// Line breaks as the board knows them (\R; vertical tab and form feed are
// visible symbols by now): CR LF, CR, LF, NEL, line and paragraph separators.
bool LineBreak(char32_t cp) { return cp == '\n' || cp == '\r' || cp == 0x85 || cp == 0x2028 || cp == 0x2029; }

// Characters beyond the Basic Multilingual Plane are numeric entities when
// the board looks at their neighbours: an entity's ";" before, "&" after.
char32_t AsNeighbour(char32_t cp, char entityEnd) { return cp > 0xFFFF ? char32_t(entityEnd) : cp; }

}  // namespace

std::string SanitizeCharacters(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    char32_t before = 0;
    for (size_t i = 0; i < text.size();) {
        // ASCII below DEL other than CR stays as it is: copied in runs.
        size_t run = i;
        while (run < text.size() && static_cast<unsigned char>(text[run]) < 0x7F && text[run] != '\r')
            ++run;
        if (run > i) {
            out.append(text, i, run - i);
            before = static_cast<unsigned char>(text[run - 1]);
            i = run;
            continue;
        }
        const size_t start = i;
        char32_t cp = Unicode::Decode(text, i);
        if (LineBreak(cp)) {
            if (cp == '\r' && i < text.size() && text[i] == '\n')
                ++i;
            out += '\n';
            before = '\n';
            continue;
        }
        if (Contextual(cp)) {
            size_t next = i;
            const char32_t after = next < text.size() ? AsNeighbour(Unicode::Decode(text, next), '&') : 0;
            if (!KeptBetween(cp, before, after))
                cp = Replacement;
        } else if (AlwaysReplaced(cp)) {
            cp = Replacement;
        }
        if (cp == Replacement)
            Unicode::AppendUtf8(out, cp);
        else
            out.append(text, start, i - start);
        before = AsNeighbour(cp, ';');
    }
    return out;
}

}  // namespace Smf21::Internal
