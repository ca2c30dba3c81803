// SPDX-License-Identifier: MIT
#include "ReferenceRenderer.h"

#include <array>

namespace Reference {
namespace {

using Text = std::u32string;  // one element per byte; Protected marks a "[url]" left as typed
constexpr char32_t Protected = 0x10000;
constexpr size_t npos = Text::npos;

Text Widen(std::string_view s)
{
    Text t;
    for (char c : s)
        t += char32_t(static_cast<unsigned char>(c));
    return t;
}

std::string Narrow(const Text& t)
{
    std::string s;
    for (char32_t c : t) {
        if (c == Protected)
            s += "[url]";
        else
            s += static_cast<char>(c);
    }
    return s;
}

// Every non-overlapping occurrence, scanning from the start to the end.
Text ReplaceAll(const Text& text, const Text& from, const Text& to)
{
    Text result;
    size_t done = 0;
    for (size_t at = text.find(from); at != npos; at = text.find(from, done)) {
        result.append(text, done, at - done);
        result += to;
        done = at + from.size();
    }
    result.append(text, done);
    return result;
}

Text ReplaceAll(const Text& text, std::string_view from, std::string_view to)
{
    return ReplaceAll(text, Widen(from), Widen(to));
}

const std::string CodeBox = "<p style=\"border:1px solid #C0C0C0;margin-top: 17px;font-family='courier "
                            "new';margin-right:12px; margin-bottom:11px\">";
const std::string QuoteBox = "<p style=\"border:1px solid #C0C0C0;background-color: #EDEBEB; margin-top: "
                             "17px;font-family='courier new';margin-right:12px; margin-bottom:11px\">";

Text FixedReplacements(Text text)
{
    const std::array<std::array<std::string_view, 2>, 17> rows = {{
        {"[b]", "<b>"},
        {"[/b]", "</b>"},
        {"[i]", "<i>"},
        {"[/i]", "</i>"},
        {"[u]", "<u>"},
        {"[/u]", "</u>"},
        {"\r", "<br />"},
        {"[img]", "<img border=\"0\"src=\""},
        {"[/img]", "\">"},
        {"[code]", CodeBox},
        {"[/code]", "</p>"},
        {"[list]", "<ul>"},
        {"[/list]", "</ul>"},
        {"[list=1]", "<ol type=\"1\">"},
        {"[list=a]", "<ol type=\"a\">"},
        {"[list=i]", "<ol type=\"i\">"},
        {"[*]", "<li>"},
    }};
    for (const auto& row : rows)
        text = ReplaceAll(text, row[0], row[1]);
    return text;
}

// Each tag from `prefix` to the first "]" after it, taken in turn from the
// front, is replaced everywhere in the text by itself with `prefix` turned
// into `openingTo` and its "]" into `bracketTo`.
Text ValuedTagPass(Text text, std::string_view prefix, std::string_view openingTo, std::string_view bracketTo)
{
    const Text p = Widen(prefix);
    size_t s = 0;
    for (;;) {
        const size_t at = text.find(p, s);
        if (at == npos)
            return text;
        const size_t bracket = text.find(U']', at);
        if (bracket == npos)
            return text;
        const Text t = text.substr(at, bracket - at + 1);
        const Text h = ReplaceAll(ReplaceAll(t, prefix, openingTo), "]", bracketTo);
        text = ReplaceAll(text, t, h);
        s = bracket;
    }
}

Text BareLinkPass(Text text)
{
    const Text open = Widen("[url]");
    const Text close = Widen("</a>");
    const Text slash = Widen("</");
    // Mended rule: a "[url]" whose address (up to the first "</a>" after it,
    // in the text as this pass receives it) holds "[url]" or "</" is left as
    // typed for good; so is one with no "</a>" after it.
    Text marked;
    size_t done = 0;
    for (size_t a = text.find(open); a != npos; a = text.find(open, a + 5)) {
        const size_t b = text.find(close, a);
        bool leave = b == npos;
        if (!leave) {
            const Text address = text.substr(a + 5, b - a - 5);
            leave = address.find(open) != npos || address.find(slash) != npos;
        }
        if (leave) {
            marked.append(text, done, a - done);
            marked += Protected;
            done = a + 5;
        }
    }
    marked.append(text, done);
    text = marked;

    size_t s = 0;
    for (;;) {
        const size_t a = text.find(open, s);
        if (a == npos)
            break;
        const size_t b = text.find(close, a);
        if (b == npos)
            break;
        const Text address = text.substr(a + 5, b - a - 5);
        const Text t = open + address + slash;
        Text h = ReplaceAll(t, "[url]", "<a href=\"");
        h = ReplaceAll(h, "</", "\"></");
        h = ReplaceAll(h, Widen("></"), Widen(">") + address + slash);
        text = ReplaceAll(text, t, h);
        s = b;
    }
    return Widen(Narrow(text));
}

Text QuoteHeader(const Text& t)
{
    if (t.compare(0, 7, Widen("[quote=")) != 0)
        return {};
    const size_t first = t.find(U'"', 7);
    if (first == npos || first == t.size() - 2)
        return {};
    // Mended rule: the second double quote must stand inside the tag, before
    // its "]".
    const size_t second = t.find(U'"', first + 1);
    if (second == npos || second > t.size() - 2)
        return {};
    return Widen("<b>") + t.substr(first + 1, second - first - 1) + Widen(" Wrote:</b><br />");
}

// Ends: the name copied into a header lies inside the tag it replaces and
// leaves out the tag's own "[quote", so every round lowers the number of
// "[quote" in the text by at least one.
Text QuotePass(Text text)
{
    const Text open = Widen("[quote");
    for (;;) {
        const size_t at = text.find(open);
        if (at == npos)
            return text;
        const size_t bracket = text.find(U']', at);
        if (bracket == npos)
            return text;
        const Text t = text.substr(at, bracket - at + 1);
        text = ReplaceAll(text, t, Widen(QuoteBox) + QuoteHeader(t));
    }
}

const std::array<std::array<std::string_view, 2>, 49> Emoticons = {{
    {":)", "smile"},
    {":D", "biggrin"},
    {":lol:", "lol"},
    {":(", "sad"},
    {":ooh:", "uuuuh"},
    {":oops:", "redface"},
    {":o", "surprised"},
    {":shock:", "eek"},
    {":?:", "question"},
    {":?", "confused"},
    {"8)", "cool"},
    {":x", "mad"},
    {":P", "razz"},
    {":cry:", "cry"},
    {":evil:", "evil"},
    {":twisted:", "twisted"},
    {":roll:", "rolleyes"},
    {":wink:", "wink"},
    {":!:", "exclaim"},
    {":idea:", "idea"},
    {":arrow:", "arrow"},
    {":wpn:", "auto_weapon"},
    {":bad:", "bad"},
    {":dizzy:", "dizzy"},
    {":dont:", "dont"},
    {":love:", "love"},
    {":mrgreen:", "mrgreen"},
    {":proud:", "proud"},
    {":rlaugh:", "reallylol"},
    {":|", "neutral"},
    {":thumb:", "thumbup"},
    {":scream:", "screams"},
    {":nana:", "nana"},
    {":dontsee:", "dontwannasee"},
    {":loser:", "happy_loser"},
    {":party:", "party"},
    {":verysad:", "verysad"},
    {":sidesmile:", "sidesmile"},
    {":heyes:", "heyes"},
    {":bravo:", "9"},
    {":crying:", "6"},
    {":blessed:", "14"},
    {":pleased:", "19"},
    {":patient:", "3"},
    {":jumpy:", "17"},
    {":emotive:", "16"},
    {":disapprove:", "5"},
    {":thanks:", "2"},
    {":sleep:", "4"},
}};

Text EmoticonPass(Text text, std::string_view appFolder)
{
    for (const auto& row : Emoticons) {
        const std::string tag =
            "<img border=\"0\"src=\"" + std::string(appFolder) + "emo/" + std::string(row[1]) + ".gif\">";
        text = ReplaceAll(text, row[0], tag);
    }
    return text;
}

}  // namespace

std::string RenderBBCode(std::string_view post, std::string_view appFolder)
{
    Text text = FixedReplacements(Widen(post));
    text = ValuedTagPass(text, "[color=", "<font color=\"", "\">");
    text = ReplaceAll(text, "[/color]", "</font>");
    text = ValuedTagPass(text, "[url=", "<a href=\"", "\">");
    text = ReplaceAll(text, "[/url]", "</a>");
    text = BareLinkPass(text);
    text = ValuedTagPass(text, "[size=", "<span style=\"font-size:", "px\">");
    text = ReplaceAll(text, "[/size]", "</span>");
    text = QuotePass(text);
    text = ReplaceAll(text, "[/quote]", "</p>");
    text = EmoticonPass(text, appFolder);
    return "<font face=\"Arial\">" + Narrow(text) + "</font>";
}

}  // namespace Reference
