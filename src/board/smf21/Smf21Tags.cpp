// SPDX-License-Identifier: MIT
#include "board/smf21/Smf21Tags.h"

#include "board/smf21/Smf21Text.h"
#include "board/common/Ascii.h"

#include <algorithm>
#include <vector>

namespace Smf21::Internal {

using Text::Has;
using Ascii::HasIgnoringCase;

namespace {

constexpr std::string_view CodeOpen = "<div class=\"codeheader\"><span class=\"code floatleft\">Code</span> ";
constexpr std::string_view CodeRest =
    "<a class=\"codeoperation smf_select_text\">Select</a> <a class=\"codeoperation smf_expand_code hidden\" "
    "data-shrink-txt=\"Shrink\" data-expand-txt=\"Expand\">Expand</a></div><code class=\"bbc_code\">$1</code>";

// Templates joined at compile time would need constexpr strings; these are
// built once.
const std::string& CodeContent()
{
    static const std::string s = std::string(CodeOpen) + std::string(CodeRest);
    return s;
}
const std::string& CodeTitledContent()
{
    static const std::string s = std::string(CodeOpen) + "($2) " + std::string(CodeRest);
    return s;
}

constexpr NameSet LinkTags = Bit(Name::Email) | Bit(Name::Ftp) | Bit(Name::Url) | Bit(Name::Iurl);

constexpr Param ImgParams[] = {
    {"alt", Match::Any, true, false, {}, false},
    {"height", Match::Digits, true, false, " height=\"$1\"", false},
    {"title", Match::Any, true, false, {}, false},
    {"width", Match::Digits, true, false, " width=\"$1\"", false},
};
constexpr Param ListParams[] = {{"type", Match::ListType, false, false, {}, false}};
constexpr Param QuotedAuthor[] = {{"author", Match::AuthorAny, false, true, {}, false}};
constexpr Param QuoteFull[] = {
    {"author", Match::AuthorPlain, false, false, {}, false},
    {"date", Match::Digits, false, false, {}, true},
    {"link", Match::Link, false, false, {}, false},
};
constexpr Param PlainAuthor[] = {{"author", Match::AuthorAny, false, false, {}, false}};

std::vector<TagDef> MakeDefs()
{
    const std::string_view code = CodeContent(), codeTitled = CodeTitledContent();
    constexpr std::string_view link = "<a href=\"$1\" class=\"bbc_link\" target=\"_blank\" rel=\"noopener\">";
    constexpr std::string_view ilink = "<a href=\"$1\" class=\"bbc_link\">";
    std::vector<TagDef> d;
    auto parsed = [&](std::string_view tag, Name name, std::string_view before, std::string_view after,
                      bool block = false) {
        TagDef t;
        t.tag = tag;
        t.name = name;
        t.before = before;
        t.after = after;
        t.block = block;
        d.push_back(t);
        return &d.back();
    };
    TagDef* t;
    t = parsed("abbr", Name::Abbr, "<abbr title=\"$1\">", "</abbr>");
    t->type = Type::UnparsedEquals, t->quoted = Quoted::Optional;
    t = parsed("anchor", Name::Anchor, "<span id=\"post_$1\">", "</span>");
    t->type = Type::UnparsedEquals, t->test = Test::Anchor;
    parsed("b", Name::B, "<b>", "</b>");
    t = parsed("br", Name::Br, {}, {});
    t->type = Type::Closed, t->content = "<br>";
    parsed("center", Name::Center, "<div class=\"centertext\">", "</div>", true);
    parsed("chrissy", Name::Chrissy, "<span style=\"color: #cc0099;\">", " :-*</span>");
    t = parsed("code", Name::Code, {}, {}, true);
    t->type = Type::UnparsedContent, t->content = code, t->check = Check::Code;
    t = parsed("code", Name::Code, {}, {}, true);
    t->type = Type::UnparsedEqualsContent, t->content = codeTitled, t->check = Check::Code;
    t = parsed("color", Name::Color, "<span style=\"color: $1;\" class=\"bbc_color\">", "</span>");
    t->type = Type::UnparsedEquals, t->test = Test::Color;
    t = parsed("email", Name::Email, {}, {});
    t->type = Type::UnparsedContent, t->content = "<a href=\"mailto:$1\" class=\"bbc_email\">$1</a>",
    t->check = Check::Email;
    t = parsed("email", Name::Email, "<a href=\"mailto:$1\" class=\"bbc_email\">", "</a>");
    t->type = Type::UnparsedEquals, t->disallowChildren = LinkTags;
    t = parsed("float", Name::Float, "<div $1>", "</div>", true);
    t->type = Type::UnparsedEquals, t->test = Test::Float, t->check = Check::Float, t->trim = Trim::Outside;
    t = parsed("font", Name::Font, "<span style=\"font-family: $1;\" class=\"bbc_font\">", "</span>");
    t->type = Type::UnparsedEquals, t->test = Test::Font;
    t = parsed("hr", Name::Hr, {}, {}, true);
    t->type = Type::Closed, t->content = "<hr>";
    t = parsed("html", Name::Html, {}, {}, true);
    t->type = Type::UnparsedContent, t->content = "<div>$1</div>";
    parsed("i", Name::I, "<i>", "</i>");
    t = parsed("img", Name::Img, {}, {});
    t->type = Type::UnparsedContent, t->content = "$1", t->check = Check::Img, t->params = ImgParams;
    t = parsed("iurl", Name::Iurl, {}, {});
    t->type = Type::UnparsedContent, t->content = "<a href=\"$1\" class=\"bbc_link\">$1</a>", t->check = Check::Url;
    t = parsed("iurl", Name::Iurl, ilink, "</a>");
    t->type = Type::UnparsedEquals, t->quoted = Quoted::Optional, t->check = Check::IurlEquals;
    t->disallowChildren = LinkTags;
    parsed("justify", Name::Justify, "<div class=\"justifytext\">", "</div>", true);
    parsed("kissy", Name::Kissy, "<span style=\"color: #cc0099;\">", " :-*</span>");
    parsed("left", Name::Left, "<div class=\"lefttext\">", "</div>", true);
    t = parsed("li", Name::Li, "<li>", "</li>", true);
    t->trim = Trim::Outside, t->requireParents = Bit(Name::List);
    t = parsed("list", Name::List, "<ul class=\"bbc_list\">", "</ul>", true);
    t->trim = Trim::Inside, t->requireChildren = Bit(Name::Li) | Bit(Name::List);
    t = parsed("list", Name::List, "<ul class=\"bbc_list\" style=\"list-style-type: {type};\">", "</ul>", true);
    t->trim = Trim::Inside, t->requireChildren = Bit(Name::Li) | Bit(Name::List), t->params = ListParams;
    parsed("ltr", Name::Ltr, "<bdo dir=\"ltr\">", "</bdo>", true);
    t = parsed("me", Name::Me, "<div class=\"meaction\">* $1 ", "</div>", true);
    t->type = Type::UnparsedEquals, t->quoted = Quoted::Optional;
    t = parsed("member", Name::Member, "<a href=\"\x01?action=profile;u=$1\" class=\"mention\" data-mention=\"$1\">@",
               "</a>");
    t->type = Type::UnparsedEquals, t->test = Test::Member;
    t = parsed("nobbc", Name::Nobbc, {}, {});
    t->type = Type::UnparsedContent, t->content = "$1";
    t = parsed("php", Name::Php, {}, {});
    t->type = Type::UnparsedContent, t->content = "<span class=\"phpcode\">$1</span>", t->check = Check::Php;
    parsed("pre", Name::Pre, "<pre>", "</pre>");
    constexpr std::string_view quoteEnd = "</blockquote>";
    t = parsed("quote", Name::Quote, "<blockquote><cite>Quote</cite>", quoteEnd, true);
    t->trim = Trim::Both;
    t = parsed("quote", Name::Quote, "<blockquote><cite>Quote from: {author}</cite>", quoteEnd, true);
    t->trim = Trim::Both, t->params = QuotedAuthor;
    t = parsed("quote", Name::Quote, "<blockquote><cite>Quote from: $1</cite>", quoteEnd, true);
    t->trim = Trim::Both, t->type = Type::ParsedEquals, t->quoted = Quoted::Optional;
    t->parsedTagsAllowed = Bit(Name::Url) | Bit(Name::Iurl) | Bit(Name::Ftp);
    t = parsed("quote", Name::Quote,
               "<blockquote><cite><a href=\"\x01?{link}\">Quote from: {author} on {date}</a></cite>", quoteEnd, true);
    t->trim = Trim::Both, t->params = QuoteFull;
    t = parsed("quote", Name::Quote, "<blockquote><cite>Quote from: {author}</cite>", quoteEnd, true);
    t->trim = Trim::Both, t->params = PlainAuthor;
    parsed("right", Name::Right, "<div class=\"righttext\">", "</div>", true);
    parsed("rtl", Name::Rtl, "<bdo dir=\"rtl\">", "</bdo>", true);
    parsed("s", Name::S, "<s>", "</s>");
    t = parsed("size", Name::Size, "<span style=\"font-size: $1;\" class=\"bbc_size\">", "</span>");
    t->type = Type::UnparsedEquals, t->test = Test::Size;
    t = parsed("size", Name::Size, "<span style=\"font-size: $1;\" class=\"bbc_size\">", "</span>");
    t->type = Type::UnparsedEquals, t->test = Test::SizeNumber, t->check = Check::SizeNumber;
    parsed("sub", Name::Sub, "<sub>", "</sub>");
    parsed("sup", Name::Sup, "<sup>", "</sup>");
    t = parsed("table", Name::Table, "<table class=\"bbc_table\">", "</table>", true);
    t->trim = Trim::Inside, t->requireChildren = Bit(Name::Tr);
    t = parsed("td", Name::Td, "<td>", "</td>", true);
    t->trim = Trim::Outside, t->requireParents = Bit(Name::Tr);
    t = parsed("time", Name::Time, {}, {});
    t->type = Type::UnparsedContent, t->content = "$1", t->check = Check::Time;
    t = parsed("tr", Name::Tr, "<tr>", "</tr>", true);
    t->trim = Trim::Both, t->requireParents = Bit(Name::Table), t->requireChildren = Bit(Name::Td);
    parsed("u", Name::U, "<u>", "</u>");
    t = parsed("url", Name::Url, {}, {});
    t->type = Type::UnparsedContent,
    t->content = std::string_view("<a href=\"$1\" class=\"bbc_link\" target=\"_blank\" rel=\"noopener\">$1</a>"),
    t->check = Check::Url;
    t = parsed("url", Name::Url, link, "</a>");
    t->type = Type::UnparsedEquals, t->quoted = Quoted::Optional, t->check = Check::UrlEquals;
    t->disallowChildren = LinkTags;
    t = parsed("youtube", Name::Youtube, {}, {}, true);
    t->type = Type::UnparsedContent;
    t->content = "<div class=\"videocontainer\"><div><iframe frameborder=\"0\" "
                 "src=\"https://www.youtube.com/embed/$1?origin=\x02&wmode=opaque\" data-youtube-id=\"$1\" "
                 "allowfullscreen loading=\"lazy\"></iframe></div></div>";
    return d;
}

const std::vector<TagDef>& Defs()
{
    static const std::vector<TagDef> defs = MakeDefs();
    return defs;
}

// Every tag name the board's display code knows (also those it cannot show
// here, such as attach, and the legacy ones), for finding tag starts.
constexpr std::string_view StartNames[] = {
    "abbr",    "acronym", "anchor", "attach", "bdo",   "black",  "blue",    "br",    "b",     "center",
    "chrissy", "code",    "color",  "cowsay", "email", "flash",  "float",   "font",  "ftp",   "glow",
    "green",   "hr",      "html",   "img",    "iurl",  "i",      "justify", "kissy", "left",  "list",
    "li",      "ltr",     "member", "me",     "move",  "nobbc",  "php",     "pre",   "quote", "red",
    "right",   "rtl",     "shadow", "size",   "sub",   "sup",    "s",       "table", "td",    "time",
    "tr",      "tt",      "url",    "u",      "white", "youtube"};

}  // namespace

std::span<const TagDef> DefsFor(char lowerFirst)
{
    struct Index {
        size_t start[128] = {}, count[128] = {};
    };
    static const Index index = [] {
        Index i;
        const std::vector<TagDef>& defs = Defs();
        for (size_t k = 0; k < defs.size(); ++k) {
            const unsigned char c = static_cast<unsigned char>(defs[k].tag[0]);
            if (i.count[c] == 0)
                i.start[c] = k;
            ++i.count[c];
        }
        return i;
    }();
    const unsigned char c = static_cast<unsigned char>(lowerFirst);
    if (c >= 128 || index.count[c] == 0)
        return {};
    return std::span<const TagDef>(Defs()).subspan(index.start[c], index.count[c]);
}

const TagDef* FindDef(std::string_view lowerName)
{
    if (lowerName.empty())
        return nullptr;
    for (const TagDef& def : DefsFor(lowerName[0]))
        if (def.tag == lowerName)
            return &def;
    return nullptr;
}

bool IsItemMarker(char c)
{
    return c == '*' || c == '@' || c == '+' || c == 'x' || c == '#' || c == 'o' || c == 'O' || c == '0';
}

std::string_view ItemType(char c)
{
    if (c == '*' || c == '@')
        return "disc";
    if (c == 'o' || c == 'O' || c == '0')
        return "circle";
    return "square";
}

bool TagStartAt(std::string_view s, size_t at)
{
    size_t i = at + 1;
    if (i < s.size() && s[i] == '/')
        ++i;
    if (i >= s.size())
        return false;
    const char c = s[i];
    if (IsItemMarker(c) || c == 'X')
        return true;
    const char lower = Ascii::Lower(c);
    if (lower < 'a' || lower > 'z')
        return false;
    for (std::string_view name : StartNames) {
        if (name[0] != lower || !HasIgnoringCase(s, i, name))
            continue;
        const size_t end = i + name.size();
        if (end == s.size() || !(Ascii::IsWord(s[end]) || Text::WordAt(s, end)))
            return true;
    }
    return false;
}

namespace {

// A number from 0 to 255 as the colour pattern writes it; its length or 0.
size_t ByteNumber(std::string_view s, size_t at)
{
    size_t n = 0;
    while (n < 3 && at + n < s.size() && Ascii::IsDigit(s[at + n]))
        ++n;
    while (n > 0) {
        const int value = std::stoi(std::string(s.substr(at, n)));
        if (value <= 255 && !(n == 3 && s[at] == '0'))
            return n;
        --n;
    }
    return 0;
}

bool Color(std::string_view s, size_t at)
{
    if (Has(s, at, "#")) {
        size_t n = 0;
        while (at + 1 + n < s.size() && Ascii::IsHexDigit(s[at + 1 + n]) && n < 7)
            ++n;
        return (n >= 3 && Has(s, at + 4, "]")) || (n >= 6 && Has(s, at + 7, "]"));
    }
    size_t n = 0;
    while (at + n < s.size() && Ascii::IsAlpha(s[at + n]))
        ++n;
    for (size_t k = std::min<size_t>(n, 20); k >= 1; --k)
        if (Has(s, at + k, "]"))
            return true;
    if (!Has(s, at, "rgb("))
        return false;
    size_t i = at + 4;
    for (int part = 0; part < 3; ++part) {
        if (part > 0) {
            if (!Has(s, i, ","))
                return false;
            ++i;
            if (Has(s, i, " ") || Has(s, i, "\t"))
                ++i;
        }
        const size_t n = ByteNumber(s, i);
        if (!n)
            return false;
        i += n;
    }
    return Has(s, i, ")]");
}

bool Size(std::string_view s, size_t at)
{
    for (std::string_view word :
         {"smaller]", "small]", "larger]", "large]", "x-small]", "xx-small]", "x-large]", "xx-large]", "medium]"})
        if (Has(s, at, word))
            return true;
    if (at < s.size() && s[at] >= '1' && s[at] <= '9') {
        size_t i = at + 1;
        if (i < s.size() && Ascii::IsDigit(s[i]) && (Has(s, i + 1, "px]") || Has(s, i + 1, "pt]")))
            return true;
        if (Has(s, i, "px]") || Has(s, i, "pt]"))
            return true;
    }
    // (0\.[1-9]|[1-9](\.\d\d?)?)?em
    size_t i = at;
    if (Has(s, i, "0.") && i + 2 < s.size() && s[i + 2] >= '1' && s[i + 2] <= '9') {
        i += 3;
    } else if (i < s.size() && s[i] >= '1' && s[i] <= '9') {
        ++i;
        if (Has(s, i, ".") && i + 1 < s.size() && Ascii::IsDigit(s[i + 1])) {
            i += 2;
            if (i < s.size() && Ascii::IsDigit(s[i]) && Has(s, i + 1, "em]"))
                return true;
        }
    }
    return Has(s, i, "em]");
}

bool Float(std::string_view s, size_t at)
{
    size_t i = at;
    if (Has(s, i, "left"))
        i += 4;
    else if (Has(s, i, "right"))
        i += 5;
    else
        return false;
    if (Has(s, i, "]"))
        return true;
    size_t space = i;
    while (space < s.size() && (s[space] == ' ' || (s[space] >= '\t' && s[space] <= '\r')))
        ++space;
    if (space == i || !Has(s, space, "max="))
        return false;
    i = space + 4;
    const size_t digits = i;
    while (i < s.size() && Ascii::IsDigit(s[i]))
        ++i;
    if (i == digits)
        return false;
    if (Has(s, i, "]"))
        return true;
    for (std::string_view unit :
         {"%", "px", "em", "rem", "ex", "pt", "pc", "ch", "vw", "vh", "vmin", "vmax", "cm", "mm", "in"})
        if (Has(s, i, unit) && Has(s, i + unit.size(), "]"))
            return true;
    return false;
}

}  // namespace

bool Passes(Test test, std::string_view s, size_t at)
{
    switch (test) {
    case Test::None:
        return true;
    case Test::Anchor: {
        size_t i = at + Has(s, at, "#");
        if (i >= s.size() || !Ascii::IsAlpha(s[i]))
            return false;
        while (i < s.size() && (Ascii::IsWord(s[i]) || s[i] == '-'))
            ++i;
        return Has(s, i, "]");
    }
    case Test::Color:
        return Color(s, at);
    case Test::Float:
        return Float(s, at);
    case Test::Font: {
        size_t i = at;
        while (i < s.size() && (Ascii::IsWord(s[i]) || s[i] == ',' || s[i] == '-' || Ascii::IsSpace(s[i])))
            ++i;
        return i > at && Has(s, i, "]");
    }
    case Test::Member: {
        size_t i = at;
        while (i < s.size() && Ascii::IsDigit(s[i]))
            ++i;
        return i > at && Has(s, i, "]");
    }
    case Test::Size:
        return Size(s, at);
    case Test::SizeNumber:
        return at < s.size() && s[at] >= '1' && s[at] <= '7' && Has(s, at + 1, "]");
    }
    return false;
}

namespace {

constexpr std::string_view ListTypes[] = {
    "none",        "disc",        "circle",         "square",        "decimal",     "decimal-leading-zero",
    "lower-roman", "upper-roman", "lower-alpha",    "upper-alpha",   "lower-greek", "upper-greek",
    "lower-latin", "upper-latin", "hebrew",         "armenian",      "georgian",    "cjk-ideographic",
    "hiragana",    "katakana",    "hiragana-iroha", "katakana-iroha"};

size_t Utf8Length(std::string_view s)
{
    size_t n = 0;
    for (const char c : s)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

// Whether `value` (the text given for a parameter, white space after it
// removed) can be the parameter's value; `out` receives what is captured.
bool ValueMatches(Match match, std::string_view value, std::string& out)
{
    if (value.empty())
        return false;
    switch (match) {
    case Match::Any:
        out = value;
        return true;
    case Match::AuthorAny:
        out = value;
        return Utf8Length(value) <= 192;
    case Match::AuthorPlain:
        out = value;
        return Utf8Length(value) <= 192 && value.find_first_of("<>") == std::string_view::npos;
    case Match::Digits:
        out = value;
        return std::all_of(value.begin(), value.end(), Ascii::IsDigit);
    case Match::ListType:
        out = value;
        for (std::string_view type : ListTypes)
            if (value.size() == type.size() && HasIgnoringCase(value, 0, type))
                return true;
        return false;
    case Match::Link: {
        size_t i = 0;
        if (HasIgnoringCase(value, 0, "board=")) {
            size_t j = 6;
            while (j < value.size() && Ascii::IsDigit(value[j]))
                ++j;
            if (j > 6 && Has(value, j, ";"))
                i = j + 1;
        }
        const std::string_view rest = value.substr(i);
        out = rest;
        auto allIn = [](std::string_view t) {
            return !t.empty() && t.size() <= 40 && std::all_of(t.begin(), t.end(), [](char c) {
                return Ascii::IsDigit(c) || c == 'm' || c == 's' || c == 'g' || c == '#' || c == '.' || c == '/';
            });
        };
        for (std::string_view key : {"topic=", "threadid="}) {
            if (!HasIgnoringCase(rest, 0, key))
                continue;
            std::string_view body = rest.substr(key.size());
            const size_t start = body.find(";start=");
            if (start != std::string_view::npos)
                return allIn(body.substr(0, start)) && allIn(body.substr(start + 7));
            return allIn(body);
        }
        if (HasIgnoringCase(rest, 0, "msg=") && rest.size() > 4)
            return std::all_of(rest.begin() + 4, rest.end(), Ascii::IsDigit);
        if (HasIgnoringCase(rest, 0, "action=profile;u=") && rest.size() > 17)
            return std::all_of(rest.begin() + 17, rest.end(), Ascii::IsDigit);
        return false;
    }
    }
    return false;
}

}  // namespace

bool MatchParams(const TagDef& def, std::string_view given, std::string* values)
{
    // Split before each "name=" that follows white space, sort the pieces
    // as strings, join them with spaces: then the parameters must come in
    // the order of their names (the definitions list them so).
    std::vector<std::string_view> pieces;
    size_t start = 0;
    for (size_t i = 0; i < given.size(); ++i) {
        if (!Ascii::IsSpace(given[i]))
            continue;
        for (const Param& p : def.params) {
            if (HasIgnoringCase(given, i + 1, p.name) && Has(given, i + 1 + p.name.size(), "=")) {
                pieces.push_back(given.substr(start, i - start));
                start = i + 1;
                break;
            }
        }
    }
    pieces.push_back(given.substr(start));
    std::sort(pieces.begin(), pieces.end());
    if (!pieces.front().empty() && !Ascii::IsSpace(pieces.front().front()))
        return false;
    // Each piece after the first is "name=value"; the first is white space.
    if (pieces.front().find_first_not_of(" \t\n\r\f\v") != std::string_view::npos)
        return false;
    for (size_t k = 0; k < def.params.size(); ++k)
        values[k].clear();
    size_t next = 0;  // the next parameter a piece may be
    for (size_t i = 1; i < pieces.size(); ++i) {
        std::string_view piece = pieces[i];
        while (!piece.empty() && Ascii::IsSpace(piece.back()))
            piece.remove_suffix(1);
        size_t k = next;
        while (k < def.params.size() && !HasIgnoringCase(piece, 0, def.params[k].name))
            ++k;
        if (k == def.params.size())
            return false;
        const Param& p = def.params[k];
        std::string_view value = piece.substr(p.name.size() + 1);
        if (p.quoted) {
            if (!Has(value, 0, "&quot;") || value.size() < 12 || value.substr(value.size() - 6) != "&quot;")
                return false;
            value = value.substr(6, value.size() - 12);
        }
        std::string captured;
        if (!ValueMatches(p.match, value, captured))
            return false;
        for (size_t skipped = next; skipped < k; ++skipped)
            if (!def.params[skipped].optional)
                return false;
        // Only the exact name gives the parameter its value.
        if (piece.substr(0, p.name.size()) == p.name)
            values[k] = captured;
        next = k + 1;
    }
    for (size_t k = next; k < def.params.size(); ++k)
        if (!def.params[k].optional)
            return false;
    return true;
}

}  // namespace Smf21::Internal
