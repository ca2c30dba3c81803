#include "render/BBCodeRenderer.h"

#include "render/EmoticonTable.h"
#include "render/TagPass.h"

#include <algorithm>
#include <array>

namespace Module2 {
namespace {

constexpr std::string_view CodeBoxOpening =
    "<p style=\"border:1px solid #C0C0C0;margin-top: 17px;font-family='courier new';margin-right:12px; margin-bottom:11px\">";
constexpr std::string_view QuoteBoxOpening =
    "<p style=\"border:1px solid #C0C0C0;background-color: #EDEBEB; margin-top: 17px;font-family='courier new';margin-right:12px; margin-bottom:11px\">";

struct Replacement {
    std::string_view from;
    std::string_view to;
};

// The bracketed rows of the fixed replacements; the carriage return is the
// other row.
constexpr std::array<Replacement, 16> FixedTags = {{
    {"[b]", "<b>"}, {"[/b]", "</b>"}, {"[i]", "<i>"}, {"[/i]", "</i>"},
    {"[u]", "<u>"}, {"[/u]", "</u>"},
    {"[img]", "<img border=\"0\"src=\""}, {"[/img]", "\">"},
    {"[code]", CodeBoxOpening}, {"[/code]", "</p>"},
    {"[list]", "<ul>"}, {"[/list]", "</ul>"},
    {"[list=1]", "<ol type=\"1\">"}, {"[list=a]", "<ol type=\"a\">"}, {"[list=i]", "<ol type=\"i\">"},
    {"[*]", "<li>"},
}};
constexpr size_t LongestFixedTag = 8;

// Every non-overlapping occurrence of `from`, scanning from the start.
std::string ReplaceAll(std::string text, std::string_view from, std::string_view to)
{
    size_t at = text.find(from);
    if (at == std::string::npos)
        return text;
    std::string result;
    result.reserve(text.size() + text.size() / 16);
    size_t done = 0;
    for (; at != std::string::npos; at = text.find(from, done)) {
        result.append(text, done, at - done);
        result += to;
        done = at + from.size();
    }
    result.append(text, done);
    return result;
}

// Step 1. Every fixed row in one walk. The rows may be applied together:
// each bracketed tag is "[", letters and "]" with no other bracket inside, so
// two occurrences never overlap, and no replacement holds "[" or "]", so no
// row finds anything in another row's output.
std::string ReplaceFixedTags(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    size_t done = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out.append(text, done, i - done);
            out += "<br />";
            done = i + 1;
        } else if (c == '[') {
            const std::string_view rest = text.substr(i, LongestFixedTag);
            for (const Replacement& r : FixedTags) {
                if (rest.substr(0, r.from.size()) == r.from) {
                    out.append(text, done, i - done);
                    out += r.to;
                    done = i + r.from.size();
                    i = done - 1;
                    break;
                }
            }
        }
    }
    out.append(text, done);
    return out;
}

// The valued tags: every "[" P value "]" becomes R1 value R2, the value
// copied as typed (a prefix inside it becomes R1 too).
std::string BuildColour(std::string_view tag)
{
    return ReplaceAll(ReplaceAll(std::string(tag), "[color=", "<font color=\""), "]", "\">");
}

std::string BuildLink(std::string_view tag)
{
    return ReplaceAll(ReplaceAll(std::string(tag), "[url=", "<a href=\""), "]", "\">");
}

std::string BuildSize(std::string_view tag)
{
    return ReplaceAll(ReplaceAll(std::string(tag), "[size=", "<span style=\"font-size:"), "]", "px\">");
}

// Steps 2, 4 and 7.
std::string ReplaceColourTags(std::string_view text)
{
    return TagPass("[color=", BuildColour).Run(text);
}

std::string ReplaceLinkTags(std::string_view text)
{
    return TagPass("[url=", BuildLink).Run(text);
}

std::string ReplaceSizeTags(std::string_view text)
{
    return TagPass("[size=", BuildSize).Run(text);
}

// Step 6, after "[/url]" became "</a>". A bare "[url]" is a link when the
// text between it and the first "</a>" after it (its address) holds neither
// "[url]" nor "</": "[url]" address "</" becomes <a href="address">address
// followed by the "</" (the "a>" stays where it was). Any other "[url]" is
// left as typed and the search goes on right after it: one never closed
// would otherwise take a later link's address and text into its own, and a
// tag inside an address would be copied into the link text. Each link is
// converted on its own, so identical links elsewhere get the same text; the
// searches only move forward, so the pass is linear.
std::string ReplaceBareLinks(std::string_view text)
{
    constexpr std::string_view Open = "[url]";
    size_t at = text.find(Open);
    if (at == std::string_view::npos)
        return std::string(text);
    std::string out;
    out.reserve(text.size() * 2);
    size_t done = 0;
    size_t close = 0;  // the first "</a>" at or after the address start, once looked up
    size_t slash = 0;  // the first "</" likewise
    bool looked = false;
    while (at != std::string_view::npos) {
        const size_t address = at + Open.size();
        if (!looked || close < address) {
            close = text.find("</a>", address);
            looked = true;
        }
        if (close == std::string_view::npos)
            break;  // no closing link after it: this and every later "[url]" stay
        if (slash < address)
            slash = text.find("</", address);
        const size_t next = text.find(Open, address);
        if (next < close || slash < close) {
            at = next;
            continue;
        }
        const std::string_view link = text.substr(address, close - address);
        out.append(text, done, at - done);
        out += "<a href=\"";
        out += link;
        out += "\">";
        out += link;
        done = close;
        at = next;
    }
    out.append(text, done);
    return out;
}

// The header of a quote tag: "<b>" name " Wrote:</b><br />" when the tag is
// "[quote=" with a name between two double quotes that both stand inside the
// tag (the first not right before the "]"); else empty. A closing quote
// further on in the post does not count: a forgotten one would take the
// text up to the next double quote as the name, once for every such tag.
std::string QuoteHeader(std::string_view tag)
{
    if (tag.substr(0, 7) != "[quote=")
        return {};
    const size_t first = tag.find('"', 7);
    if (first == std::string_view::npos)
        return {};
    const size_t second = tag.find('"', first + 1);
    if (second == std::string_view::npos || second + 1 >= tag.size())
        return {};
    std::string header = "<b>";
    header += tag.substr(first + 1, second - first - 1);
    header += " Wrote:</b><br />";
    return header;
}

std::string BuildQuote(std::string_view tag)
{
    return std::string(QuoteBoxOpening) + QuoteHeader(tag);
}

// Step 9. Described as rounds that each take the first "[quote" in the text,
// and that always end: a name copied into a header lies inside the tag it
// replaces and leaves out that tag's own "[quote", so every round lowers the
// number of "[quote" in the text by at least one (a copied name may hold
// "[quote" and be boxed in a later round, so it is not simply "each round
// removes its tag"). The walk of TagPass reads each "]" of the text once.
std::string ReplaceQuotes(std::string_view text)
{
    return TagPass("[quote", BuildQuote).Run(text);
}

std::string WrapInFont(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 32);
    out += "<font face=\"Arial\">";
    out += text;
    out += "</font>";
    return out;
}

}  // namespace

std::string RenderBBCode(std::string_view post, std::string_view appFolder)
{
    std::string text = ReplaceFixedTags(post);
    text = ReplaceColourTags(text);
    text = ReplaceAll(std::move(text), "[/color]", "</font>");
    text = ReplaceLinkTags(text);
    text = ReplaceAll(std::move(text), "[/url]", "</a>");
    text = ReplaceBareLinks(text);
    text = ReplaceSizeTags(text);
    text = ReplaceAll(std::move(text), "[/size]", "</span>");
    text = ReplaceQuotes(text);
    text = ReplaceAll(std::move(text), "[/quote]", "</p>");
    text = ReplaceEmoticons(text, appFolder);
    return WrapInFont(text);
}

}  // namespace Module2
