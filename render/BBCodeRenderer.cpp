#include "render/BBCodeRenderer.h"

#include "render/EmoticonTable.h"

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

struct ValuedTag {
    std::string_view prefix;        // P
    std::string_view opening;       // R1, replaces P
    std::string_view bracket;       // R2, replaces "]"
};

constexpr ValuedTag ColourTag{"[color=", "<font color=\"", "\">"};
constexpr ValuedTag LinkTag{"[url=", "<a href=\"", "\">"};
constexpr ValuedTag SizeTag{"[size=", "<span style=\"font-size:", "px\">"};

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to)
{
    std::string result;
    size_t done = 0;
    for (size_t at = text.find(from); at != std::string_view::npos; at = text.find(from, done)) {
        result.append(text, done, at - done);
        result += to;
        done = at + from.size();
    }
    result.append(text, done);
    return result;
}

std::string ReplaceFixedTags(std::string text)
{
    static constexpr std::array<Replacement, 17> Fixed = {{
        {"[b]", "<b>"}, {"[/b]", "</b>"}, {"[i]", "<i>"}, {"[/i]", "</i>"},
        {"[u]", "<u>"}, {"[/u]", "</u>"}, {"\r", "<br />"},
        {"[img]", "<img border=\"0\"src=\""}, {"[/img]", "\">"},
        {"[code]", CodeBoxOpening}, {"[/code]", "</p>"},
        {"[list]", "<ul>"}, {"[/list]", "</ul>"},
        {"[list=1]", "<ol type=\"1\">"}, {"[list=a]", "<ol type=\"a\">"}, {"[list=i]", "<ol type=\"i\">"},
        {"[*]", "<li>"},
    }};
    for (const Replacement& r : Fixed)
        text = ReplaceAll(text, r.from, r.to);
    return text;
}

std::string ReplaceValuedTags(std::string text, const ValuedTag& tag)
{
    size_t s = 0;
    for (;;) {
        const size_t p = text.find(tag.prefix, s);
        if (p == std::string::npos)
            return text;
        const size_t q = text.find(']', p);
        if (q == std::string::npos)
            return text;
        const std::string t = text.substr(p, q - p + 1);
        const std::string h = ReplaceAll(ReplaceAll(t, tag.prefix, tag.opening), "]", tag.bracket);
        text = ReplaceAll(text, t, h);
        s = q;
    }
}

std::string ReplaceBareLinks(std::string text)
{
    std::string result;
    size_t done = 0;
    for (size_t a = text.find("[url]"); a != std::string::npos; a = text.find("[url]", done)) {
        const size_t b = text.find("</a>", a + 5);
        if (b == std::string::npos)
            break;
        const std::string_view address = std::string_view(text).substr(a + 5, b - a - 5);
        result.append(text, done, a - done);
        if (address.find("[url]") != std::string_view::npos || address.find("</") != std::string_view::npos) {
            result += "[url]";
            done = a + 5;
            continue;
        }
        result += "<a href=\"";
        result += address;
        result += "\">";
        result += address;
        done = b;
    }
    result.append(text, done);
    return result;
}

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

std::string ReplaceQuotes(std::string text)
{
    for (;;) {
        const size_t p = text.find("[quote");
        if (p == std::string::npos)
            return text;
        const size_t q = text.find(']', p);
        if (q == std::string::npos)
            return text;
        const std::string t = text.substr(p, q - p + 1);
        text = ReplaceAll(text, t, std::string(QuoteBoxOpening) + QuoteHeader(t));
    }
}

}  // namespace

std::string RenderBBCode(std::string_view post, std::string_view appFolder)
{
    std::string text = ReplaceFixedTags(std::string(post));
    text = ReplaceValuedTags(std::move(text), ColourTag);
    text = ReplaceAll(text, "[/color]", "</font>");
    text = ReplaceValuedTags(std::move(text), LinkTag);
    text = ReplaceAll(text, "[/url]", "</a>");
    text = ReplaceBareLinks(std::move(text));
    text = ReplaceValuedTags(std::move(text), SizeTag);
    text = ReplaceAll(text, "[/size]", "</span>");
    text = ReplaceQuotes(std::move(text));
    text = ReplaceAll(text, "[/quote]", "</p>");
    text = ReplaceEmoticons(text, appFolder);
    return "<font face=\"Arial\">" + text + "</font>";
}

}  // namespace Module2
