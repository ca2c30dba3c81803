// SPDX-License-Identifier: MIT
#include "board/smf21/Smf21Save.h"

#include "board/smf21/Smf21Chars.h"
#include "board/smf21/Smf21Text.h"
#include "board/common/Ascii.h"
#include "board/common/ByteScan.h"
#include "board/common/Unicode.h"
#include "board/common/UrlText.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace Smf21::Save {

using Text::Has;
using Ascii::HasIgnoringCase;

namespace {

// The next `needle` at or after a position, for searches whose starting
// points only move forward: each byte of the text is looked at about once.
class NextFinder {
public:
    NextFinder(std::string_view text, std::string_view needle, bool ignoreCase)
        : m_text(text), m_needle(needle), m_ignoreCase(ignoreCase)
    {
    }
    size_t From(size_t from)
    {
        if (m_searched && from >= m_from && (m_at == std::string_view::npos || m_at >= from))
            return m_at;
        m_from = from;
        m_searched = true;
        m_at = m_ignoreCase ? Text::FindCi(m_text, m_needle, from) : m_text.find(m_needle, from);
        return m_at;
    }

private:
    std::string_view m_text, m_needle;
    bool m_ignoreCase;
    bool m_searched = false;
    size_t m_from = 0, m_at = 0;
};

bool IsWordByte(char c) { return Ascii::IsWord(c) || static_cast<unsigned char>(c) >= 0x80; }

// [nobbc]…[/nobbc]: brackets, colons and at signs inside become entities,
// so nothing in it is read as a tag, smiley or address.
std::string ProtectNobbc(const std::string& in)
{
    if (Text::FindCi(in, "[nobbc]", 0) == std::string::npos)
        return in;
    std::string out;
    out.reserve(in.size() + in.size() / 4);
    NextFinder opener(in, "[nobbc]", true), closer(in, "[/nobbc]", true);
    size_t at = 0;
    for (;;) {
        const size_t open = opener.From(at);
        const size_t close = open == std::string::npos ? open : closer.From(open + 8);
        if (close == std::string::npos)
            break;
        out.append(in, at, open - at);
        out += "[nobbc]";
        for (size_t i = open + 7; i < close; ++i) {
            switch (in[i]) {
            case '[':
                out += "&#91;";
                break;
            case ']':
                out += "&#93;";
                break;
            case ':':
                out += "&#58;";
                break;
            case '@':
                out += "&#64;";
                break;
            default:
                out += in[i];
            }
        }
        out += "[/nobbc]";
        at = close + 8;
    }
    out.append(in, at);
    return out;
}

std::string ShortenDots(const std::string& in)
{
    std::string out;
    out.reserve(in.size());
    for (size_t i = 0; i < in.size();) {
        if (in[i] != '.') {
            const size_t dot = ByteScan::Find(in.data(), in.size(), i, '.');
            out.append(in, i, dot - i);
            i = dot;
            continue;
        }
        size_t end = i;
        while (end < in.size() && in[end] == '.')
            ++end;
        if (end - i >= 100)
            out += "...";
        else
            out.append(in, i, end - i);
        i = end;
    }
    return out;
}

void TrimStrayQuotes(std::string& text)
{
    size_t end = text.size();
    while (end >= 7 && text.compare(end - 7, 7, "[quote]") == 0)
        end -= 7;
    size_t start = 0;
    while (end - start >= 8 && text.compare(start, 8, "[/quote]") == 0)
        start += 8;
    text = text.substr(start, end - start);
}

// [cowsay] needs a permission members lack: it becomes [pre].
std::string CowsayToPre(const std::string& in)
{
    if (in.find("[cowsay") == std::string::npos)
        return in;
    std::string out;
    NextFinder bracket(in, "]", false);
    size_t at = 0;
    for (size_t i = 0; i < in.size(); ++i) {
        if (in[i] != '[')
            continue;
        const bool closing = i + 1 < in.size() && in[i + 1] == '/';
        if (!HasIgnoringCase(in, i + 1 + closing, "cowsay"))
            continue;
        const size_t end = bracket.From(i + 7 + closing);
        if (end == std::string::npos)
            break;
        out.append(in, at, i - at);
        out += closing ? "[/pre]" : "[pre]";
        at = end + 1;
        i = end;
    }
    out.append(in, at);
    return out;
}

// One code tag at `at`: "[code]", "[/code]" or "[code=…]" (any case); its
// length, or 0. `closing` says which. The board's balancing also counts
// "[/code=…]" and repeated slashes as closing tags.
size_t CodeTagAt(std::string_view s, size_t at, bool& closing, bool balancing, NextFinder& bracket)
{
    if (s[at] != '[')
        return 0;
    size_t i = at + 1;
    closing = false;
    if (balancing) {
        while (i < s.size() && s[i] == '/') {
            closing = true;
            ++i;
        }
    } else if (i < s.size() && s[i] == '/') {
        closing = true;
        ++i;
    }
    if (!HasIgnoringCase(s, i, "code"))
        return 0;
    i += 4;
    if (i < s.size() && s[i] == ']')
        return i + 1 - at;
    if (i < s.size() && s[i] == '=' && (balancing || !closing)) {
        const size_t end = bracket.From(i + 1);
        if (end != std::string::npos && end > i + 1)
            return end + 1 - at;
    }
    return 0;
}

// An unclosed [code] is closed at the end; a closing tag before any
// opening one gets an opening at the start.
void BalanceCode(std::string& text)
{
    bool inTag = false, hadTag = false, openAtStart = false;
    NextFinder bracket(text, "]", false);
    for (size_t i = Text::FindByte(text, '['); i != std::string::npos; i = Text::FindByte(text, '[', i + 1)) {
        bool closing;
        const size_t length = CodeTagAt(text, i, closing, true, bracket);
        if (!length)
            continue;
        if (closing) {
            if (!inTag)
                openAtStart = true;
            inTag = false;
        } else {
            hadTag = true;
            inTag = true;
        }
        i += length - 1;
    }
    if (inTag)
        text += "[/code]";
    if (openAtStart && !hadTag)
        text.insert(0, "[code]");
}

// The text split at code tags: every fourth piece from the third on (the
// inside of a code block, as the board counts) is kept aside and stands in
// the text as its number between its tags.
struct CodeGuard {
    std::unordered_map<std::string, std::string> blocks;  // stand-in -> original

    std::string Hide(const std::string& text)
    {
        std::vector<std::string_view> parts;
        NextFinder bracket(text, "]", false);
        size_t start = 0;
        for (size_t i = Text::FindByte(text, '['); i != std::string::npos; i = Text::FindByte(text, '[', i + 1)) {
            bool closing;
            const size_t length = CodeTagAt(text, i, closing, false, bracket);
            if (!length)
                continue;
            parts.push_back(std::string_view(text).substr(start, i - start));
            parts.push_back(std::string_view(text).substr(i, length));
            start = i + length;
            i = start - 1;
        }
        parts.push_back(std::string_view(text).substr(start));
        if (parts.size() == 1)
            return text;
        std::string out;
        out.reserve(text.size());
        for (size_t i = 0; i < parts.size(); ++i) {
            if (i % 4 != 2) {
                out += parts[i];
                continue;
            }
            const std::string_view after = i + 1 < parts.size() ? parts[i + 1] : std::string_view();
            std::string standIn = std::string(parts[i - 1]) + std::to_string(i) + std::string(after);
            blocks.emplace(standIn, std::string(parts[i - 1]) + std::string(parts[i]) + std::string(after));
            out += std::to_string(i);
        }
        return out;
    }

    std::string Restore(const std::string& text) const
    {
        if (blocks.empty())
            return text;
        std::string out;
        out.reserve(text.size() * 2);
        NextFinder bracket(text, "]", false);
        size_t at = 0;
        for (size_t i = Text::FindByte(text, '['); i != std::string::npos; i = Text::FindByte(text, '[', i + 1)) {
            bool closing;
            const size_t open = CodeTagAt(text, i, closing, false, bracket);
            if (!open)
                continue;
            size_t j = i + open;
            while (j < text.size() && Ascii::IsDigit(text[j]))
                ++j;
            size_t close = 0;
            if (j < text.size())
                close = CodeTagAt(text, j, closing, false, bracket);
            const auto found = blocks.find(text.substr(i, j + close - i));
            if (found == blocks.end())
                continue;
            out.append(text, at, i - at);
            out += found->second;
            at = j + close;
            i = at - 1;
        }
        out.append(text, at);
        return out;
    }
};

struct FixRule {
    std::string_view tag;
    bool ftp;  // protocols ftp, ftps; else http, https
    bool equals;
    bool extra;
};

class TagFixer {
public:
    TagFixer(std::string_view scriptUrl) : m_scriptUrl(scriptUrl)
    {
        const size_t scheme = scriptUrl.find("://");
        if (scheme != std::string_view::npos) {
            const size_t slash = scriptUrl.find('/', scheme + 3);
            m_domain = scriptUrl.substr(0, slash);
        }
    }

    // The address of a link or picture as the board stores it; `tag` and
    // `close` become "iurl" for a link to a place in the post.
    std::string FixAddress(std::string_view value, bool ftp, bool embedded, std::string& tag, std::string& close) const
    {
        std::string replace(Ascii::TrimPhp(value));
        bool found = false;
        static constexpr std::string_view Ftp[] = {"ftp://", "ftps://"}, Web[] = {"http://", "https://"};
        for (std::string_view protocol : ftp ? Ftp : Web) {
            if (HasIgnoringCase(replace, 0, protocol)) {
                found = true;
                break;
            }
        }
        const std::string scheme = UrlText::SchemeOf(replace);
        if (scheme == "javascript" || scheme == "data")
            return "about:invalid";
        if (found)
            return replace;
        if (!ftp) {
            if (Has(replace, 0, "/") && !Has(replace, 0, "//"))
                return std::string(m_domain) + replace;
            if (Has(replace, 0, "?"))
                return std::string(m_scriptUrl) + replace;
            if (Has(replace, 0, "#") && embedded) {
                std::string fragment = "#";
                for (size_t i = 1; i < replace.size(); ++i) {
                    const char c = replace[i];
                    if (Ascii::IsWord(c) || c == '-' || c == '#')
                        fragment += c;
                }
                tag = close = "iurl";
                return fragment;
            }
            if (!Has(replace, 0, "//") && scheme.empty())
                return "http://" + replace;
            return replace;
        }
        // ftp: any other scheme is replaced.
        const size_t sep = replace.find("://");
        if (sep != std::string::npos && !HasIgnoringCase(replace, 0, "ftp") && replace.find(':') == sep)
            replace.erase(0, sep + 3);
        return "ftp://" + replace;
    }

    std::string Fix(std::string in, const FixRule& rule) const
    {
        const std::string name(rule.tag);
        const std::string open = "[" + name;
        const std::string closeTag = "[/" + name + "]";
        if (Text::FindCi(in, open, 0) == std::string::npos)
            return in;
        const bool quoted = rule.equals && in.find(open + "=&quot;") != std::string::npos;
        NextFinder closer(in, closeTag, true), bracket(in, "]", false), quoteEnd(in, "&quot;]", false);
        std::string out;
        out.reserve(in.size() + 64);
        size_t at = 0;
        for (size_t i = Text::FindCi(in, open, 0); i != std::string::npos; i = Text::FindCi(in, open, i + 1)) {
            size_t j = i + open.size();
            std::string tag = in.substr(i + 1, name.size()), close;
            std::string replaced;
            size_t end;
            if (rule.equals) {
                if (j >= in.size() || in[j] != '=')
                    continue;
                ++j;
                size_t valueEnd;
                if (quoted) {
                    if (!Has(in, j, "&quot;"))
                        continue;
                    j += 6;
                    valueEnd = quoteEnd.From(j);
                } else {
                    valueEnd = bracket.From(j);
                }
                if (valueEnd == std::string::npos)
                    continue;
                const size_t contentStart = valueEnd + (quoted ? 7 : 1);
                const size_t closeAt = contentStart < in.size() ? closer.From(contentStart + 1) : std::string::npos;
                if (closeAt != std::string::npos)
                    close = in.substr(closeAt + 2, name.size());
                const std::string address =
                    FixAddress(std::string_view(in).substr(j, valueEnd - j), rule.ftp, true, tag, close);
                replaced = "[" + tag + "=&quot;" + address + "&quot;]";
                if (closeAt != std::string::npos) {
                    replaced.append(in, contentStart, closeAt - contentStart);
                    replaced += "[/" + close + "]";
                    end = closeAt + closeTag.size();
                } else {
                    end = contentStart;
                }
            } else {
                size_t tagEnd;
                if (rule.extra) {
                    tagEnd = bracket.From(j);
                    if (tagEnd == std::string::npos)
                        break;
                } else {
                    if (j >= in.size() || in[j] != ']')
                        continue;
                    tagEnd = j;
                }
                tag = in.substr(i + 1, tagEnd - i - 1);
                const size_t closeAt = closer.From(tagEnd + 2);
                if (closeAt == std::string::npos)
                    continue;
                close = in.substr(closeAt + 2, name.size());
                std::string unused = tag;
                const std::string address = FixAddress(std::string_view(in).substr(tagEnd + 1, closeAt - tagEnd - 1),
                                                       rule.ftp, false, unused, close);
                replaced = "[" + tag + "]" + address + "[/" + close + "]";
                end = closeAt + closeTag.size();
            }
            out.append(in, at, i - at);
            out += replaced;
            at = end;
            i = end - 1;
        }
        out.append(in, at);
        return out;
    }

    // Pictures cannot call the board's actions: "action=" in their address
    // becomes "action-" (attachments excepted).
    static std::string DisarmPictures(std::string in)
    {
        if (Text::FindCi(in, "[img", 0) == std::string::npos)
            return in;
        NextFinder closer(in, "[/img]", true), bracket(in, "]", false);
        std::string out;
        out.reserve(in.size());
        size_t at = 0;
        for (size_t i = Text::FindCi(in, "[img", 0); i != std::string::npos; i = Text::FindCi(in, "[img", i + 1)) {
            const size_t tagEnd = bracket.From(i + 4);
            if (tagEnd == std::string::npos)
                break;
            const size_t closeAt = closer.From(tagEnd + 2);
            if (closeAt == std::string::npos)
                continue;
            out.append(in, at, tagEnd + 1 - at);
            for (size_t k = tagEnd + 1; k < closeAt;) {
                size_t length = 0;
                if (HasIgnoringCase(in, k, "action="))
                    length = 7;
                else if (HasIgnoringCase(in, k, "action%3d"))
                    length = 9;
                if (length && !HasIgnoringCase(in, k + length, "dlattach")) {
                    out += "action-";
                    k += length;
                } else {
                    out += in[k++];
                }
            }
            at = closeAt;
            i = closeAt + 5;
        }
        out.append(in, at);
        return out;
    }

private:
    std::string_view m_scriptUrl, m_domain;
};

std::string FixTags(std::string text, std::string_view scriptUrl)
{
    static constexpr FixRule Rules[] = {
        {"img", false, false, true},   {"url", false, false, false},  {"url", false, true, false},
        {"iurl", false, false, false}, {"iurl", false, true, false},  {"ftp", true, false, false},
        {"ftp", true, true, false},    {"flash", false, false, true},
    };
    // Which of the rules' tags the text holds, found in one pass; looked
    // for again only after a rule has had something to do.
    const auto present = [&text] {
        unsigned found = 0;
        for (size_t i = ByteScan::Find(text.data(), text.size(), 0, '['); i < text.size();
             i = ByteScan::Find(text.data(), text.size(), i + 1, '['))
            for (size_t r = 0; r < std::size(Rules); ++r)
                if (HasIgnoringCase(text, i + 1, Rules[r].tag))
                    found |= 1u << r;
        return found;
    };
    const TagFixer fixer(scriptUrl);
    unsigned found = present();
    for (size_t r = 0; r < std::size(Rules); ++r) {
        if (!(found & (1u << r)))
            continue;
        text = fixer.Fix(std::move(text), Rules[r]);
        found = present();
    }
    return TagFixer::DisarmPictures(std::move(text));
}

// "/me text" at the start of a line becomes [me=NAME]text[/me].
std::string MeLines(const std::string& in, std::string_view name)
{
    std::string escapedName;
    Text::AppendEscaped(escapedName, name);
    const bool quote = escapedName.find_first_of("[]'\"") != std::string::npos;
    const std::string open = quote ? "[me=&quot;" + escapedName + "&quot;]" : "[me=" + escapedName + "]";
    std::string out;
    size_t at = 0;
    for (size_t line = 0; line <= in.size();) {
        size_t rest = 0;
        if (HasIgnoringCase(in, line, "/me ")) {
            rest = line + 4;
        } else if (HasIgnoringCase(in, line, "/me&nbsp;")) {
            rest = line + 9;
        }
        size_t end = in.find('\n', line);
        if (end == std::string::npos)
            end = in.size();
        if (rest) {
            out.append(in, at, line - at);
            out += open;
            out.append(in, rest, end - rest);
            out += "[/me]";
            at = end;
        }
        line = end + 1;
    }
    out.append(in, at);
    return out;
}

// Without the permission, [html] tags vanish (their contents stay, escaped).
std::string DropHtmlTags(const std::string& in)
{
    if (in.find("[html]") == std::string::npos)
        return in;
    std::string out;
    out.reserve(in.size());
    for (const char c : in) {
        out += c;
        if (c != ']')
            continue;
        if (out.size() >= 6 && HasIgnoringCase(out, out.size() - 6, "[html]"))
            out.resize(out.size() - 6);
        else if (out.size() >= 7 && HasIgnoringCase(out, out.size() - 7, "[/html]"))
            out.resize(out.size() - 7);
    }
    return out;
}

// [red] … [/red] and the like become [color=red] … [/color].
std::string OldColourTags(const std::string& in)
{
    static constexpr std::string_view Colours[] = {"black", "blue", "green", "red", "white"};
    std::string out;
    out.reserve(in.size());
    size_t at = 0;
    for (size_t i = Text::FindByte(in, '['); i != std::string::npos; i = Text::FindByte(in, '[', i + 1)) {
        const bool closing = Has(in, i + 1, "/");
        for (std::string_view colour : Colours) {
            const size_t name = i + 1 + closing;
            if (Has(in, name, colour) && Has(in, name + colour.size(), "]")) {
                out.append(in, at, i - at);
                out += closing ? std::string("[/color]") : "[color=" + std::string(colour) + "]";
                at = name + colour.size() + 1;
                break;
            }
        }
    }
    out.append(in, at);
    return out;
}

// Tags kept only for old posts show literally in new ones: their "[" becomes &#91;.
std::string NeutraliseLegacyTags(const std::string& in)
{
    static constexpr std::string_view Legacy[] = {"acronym", "bdo",  "black", "blue",   "flash", "ftp",  "glow",
                                                  "green",   "move", "red",   "shadow", "tt",    "white"};
    std::string out;
    out.reserve(in.size());
    size_t at = 0;
    for (size_t i = Text::FindByte(in, '['); i != std::string::npos; i = Text::FindByte(in, '[', i + 1)) {
        const size_t name = i + 1 + Has(in, i + 1, "/");
        for (std::string_view tag : Legacy) {
            if (HasIgnoringCase(in, name, tag)
                && (name + tag.size() == in.size() || !IsWordByte(in[name + tag.size()]))) {
                out.append(in, at, i - at);
                out += "&#91;";
                at = i + 1;
                break;
            }
        }
    }
    out.append(in, at);
    return out;
}

// List and table tag names in lower case.
std::string LowerStructureTags(std::string text)
{
    static constexpr std::string_view Names[] = {"list", "li", "table", "tr", "td"};
    NextFinder bracket(text, "]", false);
    for (size_t i = Text::FindByte(text, '['); i != std::string::npos; i = Text::FindByte(text, '[', i + 1)) {
        const size_t name = i + 1 + Has(text, i + 1, "/");
        for (std::string_view tag : Names) {
            const size_t after = name + tag.size();
            if (HasIgnoringCase(text, name, tag) && (after == text.size() || !IsWordByte(text[after]))) {
                if (bracket.From(after) == std::string::npos)
                    break;
                for (size_t k = name; k < after; ++k)
                    text[k] = Ascii::Lower(text[k]);
                break;
            }
        }
    }
    return text;
}

size_t CountOf(const std::string& text, std::string_view piece)
{
    size_t count = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + piece.size()))
        ++count;
    return count;
}

void BalanceLists(std::string& text)
{
    const size_t open = CountOf(text, "[list]") + CountOf(text, "[list ");
    const size_t close = CountOf(text, "[/list]");
    std::string fixed;
    for (size_t i = open; i < close; ++i)
        fixed += "[list]";
    fixed += text;
    for (size_t i = close; i < open; ++i)
        fixed += "[/list]";
    text = std::move(fixed);
}

// White space as the repairs skip it between tags (including U+00A0).
size_t SkipSpace(std::string_view s, size_t at)
{
    while (size_t n = Text::SpaceAt(s, at))
        at += n;
    return at;
}

// The list and table repairs: each rule a pass like one of the board's
// regular expressions, applied in the board's order.
class StructureRepair {
public:
    static std::string Run(std::string text)
    {
        for (int round = 0; round < 3; ++round) {
            bool repaired = false;
            Holds holds = Look(text);
            if (holds.table) {
                repaired = true;
                text = NotFollowedBy(text, "[table]", {"[tr]"}, "[table][tr]");
                text = NotFollowedBy(text, "[tr]", {"[td]"}, "[tr][td]");
                text = NotFollowedBy(text, "[/td]", {"[td]", "[/tr]", "[/table]"}, "[/td][/tr]");
                text = NotFollowedBy(text, "[/tr]", {"[tr]", "[/table]"}, "[/tr][/table]");
                text = Pair(text, {"[/td]"}, "[/table]", "", "[/tr][/table]", false);
                text = Pair(text, {"[table]", "[tr]", "[/td]"}, "[td]", "", "[_td_]", true);
                text = Replace(text, "[td]", "[tr][td]");
                text = Pair(text, {"[table]", "[/tr]"}, "[tr]", "", "[_tr_]", true);
                text = Replace(text, "[tr]", "[table][tr]");
                text = Pair(text, {"[/td]"}, "[/tr]", "", "[_/tr_]", true);
                text = Replace(text, "[/tr]", "[/td][/tr]");
                holds = Look(text);
            }
            if (holds.list) {
                repaired = true;
                text = OpenItems(text);
                text = Pair(text, {"[/li]"}, "[/list]", "[_/li_]", "[/list]", true);
                text = Pair(text, {"[/li]"}, "[li]", "[_/li_]", "[_li_]", true);
                text = ListThenItem(text);
                text = Pair(text, {"[/li]"}, "[list]", "[_/li_]", "[list]", true);
                text = Pair(text, {"[/list]"}, "[li]", "", "[_li_]", true);
                text = Replace(text, "[li]", "[list][li]");
                text = Replace(text, "[/li]", "[/li][/list]");
                holds = Look(text);
            }
            const size_t size = text.size();
            if (holds.marks) {
                text = PutBack(std::move(text));
                holds = Look(text);
            }
            if (holds.pictures)
                text = DropEmptyPictures(std::move(text));
            // A round that ran no repair and changed nothing leaves the
            // text as the next round would find it: the rest would do
            // the same again. (Both passes change the size when they
            // change anything.)
            if (!repaired && text.size() == size)
                break;
        }
        return text;
    }

private:
    // Which repairs the text may need, found in one walk over its brackets.
    struct Holds {
        bool table = false;     // "[t" or "[/t"
        bool list = false;      // "[li]" or "[/li]"
        bool marks = false;     // "[_", a tag set aside by the repairs
        bool pictures = false;  // "[img]"
    };

    static Holds Look(const std::string& text)
    {
        Holds holds;
        for (size_t i = ByteScan::Find(text.data(), text.size(), 0, '['); i < text.size();
             i = ByteScan::Find(text.data(), text.size(), i + 1, '[')) {
            holds.table = holds.table || Has(text, i, "[t") || Has(text, i, "[/t");
            holds.list = holds.list || Has(text, i, "[li]") || Has(text, i, "[/li]");
            holds.marks = holds.marks || Has(text, i, "[_");
            holds.pictures = holds.pictures || Has(text, i, "[img]");
        }
        return holds;
    }

    static std::string NotFollowedBy(const std::string& in, std::string_view tag,
                                     std::initializer_list<std::string_view> next, std::string_view with)
    {
        std::string out;
        size_t at = 0;
        for (size_t i = in.find(tag); i != std::string::npos; i = in.find(tag, i + tag.size())) {
            const size_t after = SkipSpace(in, i + tag.size());
            bool ok = false;
            for (std::string_view n : next)
                ok = ok || Has(in, after, n);
            if (ok)
                continue;
            out.append(in, at, i - at);
            out += with;
            at = i + tag.size();
        }
        out.append(in, at);
        return out;
    }

    // `first` (one of), white space, `second`: written as `first` (or
    // `firstAs`), the white space if `keepSpace`, then `secondAs`.
    static std::string Pair(const std::string& in, std::initializer_list<std::string_view> first,
                            std::string_view second, std::string_view firstAs, std::string_view secondAs,
                            bool keepSpace)
    {
        std::string out;
        size_t at = 0;
        for (size_t i = Text::FindByte(in, '['); i != std::string::npos; i = Text::FindByte(in, '[', i + 1)) {
            std::string_view matched;
            for (std::string_view f : first)
                if (Has(in, i, f))
                    matched = f;
            if (matched.empty())
                continue;
            const size_t space = i + matched.size();
            const size_t after = SkipSpace(in, space);
            if (!Has(in, after, second))
                continue;
            out.append(in, at, i - at);
            out += firstAs.empty() ? matched : firstAs;
            if (keepSpace)
                out.append(in, space, after - space);
            out += secondAs;
            at = after + second.size();
            i = at - 1;
        }
        out.append(in, at);
        return out;
    }

    static std::string Replace(const std::string& in, std::string_view what, std::string_view with)
    {
        std::string out;
        size_t at = 0;
        for (size_t i = in.find(what); i != std::string::npos; i = in.find(what, i + what.size())) {
            out.append(in, at, i - at);
            out += with;
            at = i + what.size();
        }
        out.append(in, at);
        return out;
    }

    // [li]text[li], [li]text[/list] and [li]text at the end get their
    // closing tag (text without brackets).
    static std::string OpenItems(const std::string& in)
    {
        std::string out;
        size_t at = 0;
        for (size_t i = in.find("[li]"); i != std::string::npos; i = in.find("[li]", i + 1)) {
            const size_t text = i + 4;
            const size_t bracket = in.find_first_of("[]", text);
            if (bracket == text)
                continue;
            if (bracket == std::string::npos) {
                // The item runs to the end of the text, or to just before
                // a last line break (the board's "$").
                if (text == in.size())
                    break;
                const size_t end = in.size() - text >= 2 && in.back() == '\n' ? in.size() - 1 : in.size();
                out.append(in, at, i - at);
                out += "[li]";
                out.append(in, text, end - text);
                out += "[/li]";
                at = end;
                break;
            }
            if (Has(in, bracket, "[li]")) {
                out.append(in, at, i - at);
                out += "[li]";
                out.append(in, text, bracket - text);
                out += "[_/li_][_li_]";
                at = bracket + 4;
                i = at - 1;
            } else if (Has(in, bracket, "[/list]")) {
                out.append(in, at, i - at);
                out += "[_li_]";
                out.append(in, text, bracket - text);
                out += "[_/li_][/list]";
                at = bracket + 7;
                i = at - 1;
            }
        }
        out.append(in, at);
        return out;
    }

    // [list …] or [/li], white space, [li].
    static std::string ListThenItem(const std::string& in)
    {
        std::string out;
        NextFinder bracket(in, "]", false);
        size_t at = 0;
        for (size_t i = Text::FindByte(in, '['); i != std::string::npos; i = Text::FindByte(in, '[', i + 1)) {
            size_t end = 0;
            if (Has(in, i, "[/li]")) {
                end = i + 5;
            } else if (Has(in, i, "[list]")) {
                end = i + 6;
            } else if (Has(in, i, "[list ")) {
                const size_t close = bracket.From(i + 6);
                if (close == std::string::npos)
                    continue;
                end = close + 1;
            } else {
                continue;
            }
            const size_t after = SkipSpace(in, end);
            if (!Has(in, after, "[li]"))
                continue;
            out.append(in, at, after - at);
            out += "[_li_]";
            at = after + 4;
            i = at - 1;
        }
        out.append(in, at);
        return out;
    }

    static std::string PutBack(std::string in)
    {
        if (in.find("[_") == std::string::npos)
            return in;
        std::string out;
        size_t at = 0;
        for (size_t i = in.find("[_"); i != std::string::npos; i = in.find("[_", i + 1)) {
            for (std::string_view name : {"li", "/li", "td", "tr", "/tr"}) {
                if (Has(in, i + 2, name) && Has(in, i + 2 + name.size(), "_]")) {
                    out.append(in, at, i - at);
                    out += '[';
                    out += name;
                    out += ']';
                    at = i + 4 + name.size();
                    break;
                }
            }
        }
        out.append(in, at);
        return out;
    }

    // [img]http://…[/img] with at most seven characters after the scheme.
    static std::string DropEmptyPictures(std::string in)
    {
        if (in.find("[img]") == std::string::npos)
            return in;
        std::string out;
        size_t at = 0;
        for (size_t i = in.find("[img]"); i != std::string::npos; i = in.find("[img]", i + 1)) {
            size_t url = i + 5;
            if (Has(in, url, "https://"))
                url += 8;
            else if (Has(in, url, "http://"))
                url += 7;
            else
                continue;
            size_t end = std::string::npos;
            for (size_t k = url; k <= url + 7 && k < in.size(); ++k) {
                if (Has(in, k, "[/img]")) {
                    end = k;
                    break;
                }
                if (in[k] == '\n')
                    break;
            }
            if (end == std::string::npos)
                continue;
            out.append(in, at, i - at);
            at = end + 6;
            i = at - 1;
        }
        out.append(in, at);
        return out;
    }
};

// The names of the tags whose empty pairs the board removes (all but
// anchor and td).
bool EmptyPairTagAt(std::string_view s, size_t at, size_t& nameLength)
{
    static constexpr std::string_view Names[] = {
        "abbr",  "acronym", "attach", "bdo",     "black", "blue", "br",    "b",    "center", "chrissy", "code",
        "color", "cowsay",  "email",  "flash",   "float", "font", "ftp",   "glow", "green",  "hr",      "html",
        "img",   "iurl",    "i",      "justify", "kissy", "left", "list",  "li",   "ltr",    "member",  "me",
        "move",  "nobbc",   "php",    "pre",     "quote", "red",  "right", "rtl",  "shadow", "size",    "sub",
        "sup",   "s",       "table",  "time",    "tr",    "tt",   "url",   "u",    "white",  "youtube"};
    for (std::string_view name : Names) {
        if (HasIgnoringCase(s, at, name) && (at + name.size() == s.size() || !IsWordByte(s[at + name.size()]))) {
            nameLength = name.size();
            return true;
        }
    }
    return false;
}

// Empty tag pairs such as [b][/b] or [url=x] [/url] are removed with one
// white-space character after them (ASCII white space only: a U+00A0
// between the tags keeps them), innermost first, as often as the board's
// loop would. A stack of the openings with only white space after them
// does it in one pass.
std::string RemoveEmptyPairs(const std::string& in)
{
    struct Open {
        size_t outAt;  // where the opening starts in `out`
        size_t name, nameLength;
    };
    std::string out;
    out.reserve(in.size());
    std::vector<Open> open;
    NextFinder bracket(in, "]", false);
    for (size_t i = 0; i < in.size();) {
        const char c = in[i];
        if (c == '[') {
            size_t nameLength;
            if (i + 1 < in.size() && in[i + 1] == '/') {
                if (!open.empty() && EmptyPairTagAt(in, i + 2, nameLength) && Has(in, i + 2 + nameLength, "]")
                    && nameLength == open.back().nameLength) {
                    const Open& o = open.back();
                    bool same = true;
                    for (size_t k = 0; k < nameLength; ++k)
                        same = same && Ascii::Lower(in[i + 2 + k]) == Ascii::Lower(out[o.name + k]);
                    if (same) {
                        out.resize(o.outAt);
                        open.pop_back();
                        i += 3 + nameLength;
                        i += i < in.size() && Ascii::IsSpace(in[i]);
                        continue;
                    }
                }
            } else if (EmptyPairTagAt(in, i + 1, nameLength)) {
                const size_t end = bracket.From(i + 1);
                if (end != std::string::npos) {
                    open.push_back({out.size(), out.size() + 1, nameLength});
                    out.append(in, i, end + 1 - i);
                    i = end + 1;
                    continue;
                }
            }
            open.clear();
            out += c;
            ++i;
            continue;
        }
        if (Ascii::IsSpace(c)) {
            out += c;
            ++i;
            continue;
        }
        // No empty pair ends here or before the next "[" or blank.
        static constexpr Text::ByteSet Attention = Text::BytesOf("[ \t\n\v\f\r");
        const size_t next = Text::FindAny(in, i + 1, Attention);
        open.clear();
        out.append(in, i, next - i);
        i = next;
    }
    return out;
}

// Line breaks as <br>, two spaces as "&nbsp; ", U+00A0 as &nbsp;; then
// "[]" loses its meaning.
std::string StoreWhiteSpace(const std::string& in)
{
    std::string out;
    out.reserve(in.size() + in.size() / 4);
    static constexpr Text::ByteSet Special = Text::BytesOf(" \n\xC2[");
    for (size_t i = 0; i < in.size(); ++i) {
        const size_t plain = Text::FindAnyButLoneSpace(in, i, Special);
        out.append(in, i, plain - i);
        if (plain == in.size())
            break;
        i = plain;
        const char c = in[i];
        if (c == ' ' && i + 1 < in.size() && in[i + 1] == ' ') {
            out += "&nbsp; ";
            ++i;
        } else if (c == '\n') {
            out += "<br>";
        } else if (c == '\xC2' && i + 1 < in.size() && in[i + 1] == '\xA0') {
            out += "&nbsp;";
            ++i;
        } else if (c == '[' && i + 1 < in.size() && in[i + 1] == ']') {
            out += "&#91;";
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

std::string Escape(std::string text)
{
    const std::string clean = Internal::SanitizeCharacters(Unicode::Nfc(std::move(text)));
    std::string out;
    out.reserve(clean.size() + clean.size() / 8);
    static constexpr Text::ByteSet Special = [] {
        Text::ByteSet set = Text::BytesOf("&\"'<>");
        for (int c = 0; c < 0x20; ++c)
            set[c] = c != '\t' && c != '\n';
        for (int c = 0xF0; c < 0x100; ++c)
            set[c] = true;
        return set;
    }();
    for (size_t i = 0; i < clean.size();) {
        const size_t plain = Text::FindAny(clean, i, Special);
        out.append(clean, i, plain - i);
        if (plain == clean.size())
            break;
        i = plain;
        const unsigned char c = static_cast<unsigned char>(clean[i]);
        if (c < 0x20 && c != '\t' && c != '\n') {
            static constexpr char Hex[] = "0123456789ABCDEF";
            out += "&#x24";
            out += Hex[c >> 4];
            out += Hex[c & 15];
            out += ';';
            ++i;
            continue;
        }
        if (c >= 0xF0) {
            size_t end = i;
            const char32_t cp = Unicode::Decode(clean, end);
            out += "&#" + std::to_string(uint32_t(cp)) + ";";
            i = end;
            continue;
        }
        Text::AppendEscaped(out, std::string_view(clean).substr(i, 1));
        ++i;
    }
    return out;
}

std::string Preparse(std::string text, const Context& context)
{
    text = ProtectNobbc(text);
    text = ShortenDots(text);
    TrimStrayQuotes(text);
    text = CowsayToPre(text);
    BalanceCode(text);
    CodeGuard guard;
    text = guard.Hide(text);
    text = FixTags(std::move(text), context.scriptUrl);
    text = MeLines(text, context.memberName);
    if (!context.mayUseHtml)
        text = DropHtmlTags(text);
    text = OldColourTags(text);
    text = NeutraliseLegacyTags(text);
    text = LowerStructureTags(std::move(text));
    BalanceLists(text);
    text = StructureRepair::Run(std::move(text));
    text = RemoveEmptyPairs(text);
    text = guard.Restore(text);
    return StoreWhiteSpace(text);
}

}  // namespace Smf21::Save
