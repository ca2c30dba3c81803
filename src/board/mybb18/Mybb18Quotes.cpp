// SPDX-License-Identifier: MIT
// The MyBB 1.8 renderer's quotes: the board's rounds of "[quote]" and
// "[quote=name]" replacements, the names with their post links and dates,
// and the limit PHP puts on the named pattern's backtracking.
#include "board/mybb18/Mybb18Quotes.h"

#include "board/common/Ascii.h"
#include "board/common/Reserve.h"
#include "board/mybb18/Mybb18Text.h"

#include <array>

namespace Mybb18::Passes {

namespace {

using Ascii::HasIgnoringCase;
using Text::Find;
using Text::Finder;
constexpr size_t npos = std::string_view::npos;

// One round of "\[quote\](.*?)\[/quote\]\n?": each opening tag with the
// first closing tag after it, written into `out`; false when none.
bool PlainQuotes(std::string_view in, std::string& out)
{
    size_t from = 0;
    for (size_t at = Find(in, "[quote]", 0); at != npos;) {
        const size_t close = Find(in, "[/quote]", at + 7);
        if (close == npos)
            break;
        if (from == 0)
            bbcode::ReserveFor(out, in.size() + in.size() / 4);
        out.append(in, from, at - from);
        out += "<blockquote class=\"mycode_quote\"><cite>Quote:</cite>";
        out.append(in, at + 7, close - at - 7);
        out += "</blockquote>\n";
        from = close + 8;
        if (from < in.size() && in[from] == '\n')
            ++from;
        at = Find(in, "[quote]", from);
    }
    if (from == 0)
        return false;
    out.append(in, from);
    return true;
}

// Removes the first match of "(&quot;|"|')? NAME=(&quot;|"|')?([0-9]+)..."
// style attributes from a quote's name and gives the first number.
struct Attribute {
    int64_t value = 0;
    bool found = false;
};

size_t QuoteMark(std::string_view s, size_t at)
{
    if (at < s.size() && (s[at] == '"' || s[at] == '\''))
        return 1;
    return s.substr(at, 6) == "&quot;" ? 6 : 0;
}

// The number of the first "name=N" in `s` (any case, N in optional quotes).
Attribute ReadAttribute(std::string_view s, std::string_view name)
{
    for (size_t at = Find(s, name, 0); at != npos; at = Find(s, name, at + 1)) {
        size_t digits = at + name.size();
        digits += QuoteMark(s, digits);
        size_t end = digits;
        while (end < s.size() && Ascii::IsDigit(s[end]))
            ++end;
        if (end > digits)
            return {Text::ToInt(s.substr(digits, end - digits)), true};
    }
    return {};
}

// Every " name=N" with its optional quotes removed, as the board's pattern
// "(?:&quot;|\"|')? name=(?:&quot;|\"|')?[0-9]+[\"']?(?:&quot;|\"|')?" does
// (`pid` allows one more quote before the last).
std::string RemoveAttribute(std::string_view s, std::string_view name, bool extraQuote)
{
    std::string out;
    size_t from = 0;
    for (size_t at = 0; at < s.size(); ++at) {
        const size_t mark = QuoteMark(s, at);
        const size_t space = at + mark;
        if (space >= s.size() || s[space] != ' ' || !HasIgnoringCase(s, space + 1, name))
            continue;
        size_t end = space + 1 + name.size();
        end += QuoteMark(s, end);
        const size_t digits = end;
        while (end < s.size() && Ascii::IsDigit(s[end]))
            ++end;
        if (end == digits)
            continue;
        if (extraQuote && end < s.size() && (s[end] == '"' || s[end] == '\''))
            ++end;
        end += QuoteMark(s, end);
        out.append(s, from, at - from);
        from = end;
        at = end - 1;
    }
    out.append(s, from);
    return out;
}

// The named quote's HTML (the board's mycode_parse_post_quotes).
std::string NamedQuote(std::string_view content, std::string_view name, const Context& context)
{
    std::string_view message = Ascii::TrimPhp(content);
    auto breakLength = [](std::string_view s, size_t at) -> size_t {
        if (!HasIgnoringCase(s, at, "<br"))
            return 0;
        size_t end = at + 3;
        if (end < s.size() && Ascii::IsSpace(s[end]))
            ++end;
        if (end < s.size() && s[end] == '/')
            ++end;
        return end < s.size() && s[end] == '>' ? end + 1 - at : 0;
    };
    if (const size_t n = breakLength(message, 0))
        message.remove_prefix(n);
    for (size_t k = 4; k <= 6 && k <= message.size(); ++k)
        if (breakLength(message, message.size() - k) == k) {
            message.remove_suffix(k);
            break;
        }
    if (message.empty() || message == "0")
        return {};

    std::string username = std::string(name) + "'";
    bool deleteQuote = true;
    std::string linkback, date;
    const Attribute pid = ReadAttribute(username, "pid=");
    if (pid.found && pid.value != 0) {
        const std::string number = std::to_string(pid.value);
        linkback = "  <a href=\"" + context.options.boardUrl + "/showthread.php?pid=" + number + "#pid" + number
            + "\" class=\"quick_jump\"></a>";
        username = RemoveAttribute(username, "pid=", true);
        deleteQuote = false;
    }
    const Attribute dateline = ReadAttribute(username, "dateline=");
    if (dateline.found && dateline.value != 0) {
        if (dateline.value < context.now)
            date = " (" + Text::RelativeDate(dateline.value, context.now, context.options.timeZoneMinutes) + ")";
        username = RemoveAttribute(username, "dateline=", false);
        deleteQuote = false;
    }
    // The board cuts the added "'" by the name's my_strlen(), which counts
    // the escaped name, skips its leading white space and counts a number
    // reference as one: so "&lt;" keeps the quote, a leading space costs
    // the name its last character, and a blank name keeps everything.
    if (deleteQuote)
        username = Text::CutDecoded(username, Text::BoardLength(username) - 1);
    std::string html = "<blockquote class=\"mycode_quote\"><cite>";
    if (!deleteQuote)
        html += "<span>" + date + "</span>";
    html += username;
    html += " Wrote:";
    html += linkback;
    html += "</cite>";
    html += message;
    html += "</blockquote><br />";
    return html;
}

// Where a named opening tag ends and what its name is, by the board's
// pattern "\[quote=([\"']|&quot;|)(.*?)\1(.*?)([\"']|&quot;)?\]" with a
// closing tag after it; npos when it has none.
struct NamedOpening {
    size_t end = npos;    // after "]"
    size_t close = npos;  // the closing tag
    std::string name;
};

class NamedQuoteScanner {
public:
    explicit NamedQuoteScanner(std::string_view text)
        : m_text(text), m_brackets{{{text, "]"}, {text, "]"}, {text, "]"}, {text, "]"}}},
          m_closes{{{text, "[/quote]"}, {text, "[/quote]"}, {text, "[/quote]"}, {text, "[/quote]"}}},
          m_marks{{{text, "\""}, {text, "'"}, {text, "&quot;"}}}
    {
    }

    NamedOpening At(size_t start)  // start: after "[quote="
    {
        static constexpr std::string_view Marks[] = {"\"", "'", "&quot;", ""};
        for (int g = 0; g < 4; ++g) {
            const std::string_view mark = Marks[g];
            if (m_text.substr(start, mark.size()) != mark)
                continue;
            size_t nameEnd = start, rest = start;
            if (!mark.empty()) {
                nameEnd = m_marks[g](start + mark.size());
                if (nameEnd == npos)
                    continue;
                rest = nameEnd + mark.size();
            }
            const size_t bracket = m_brackets[g](rest);
            if (bracket == npos)
                continue;
            const size_t close = m_closes[g](bracket + 1);
            if (close == npos)
                continue;
            size_t restEnd = bracket;
            if (bracket >= rest + 6 && m_text.substr(bracket - 6, 6) == "&quot;")
                restEnd = bracket - 6;
            else if (bracket >= rest + 1 && (m_text[bracket - 1] == '"' || m_text[bracket - 1] == '\''))
                restEnd = bracket - 1;
            NamedOpening opening;
            opening.end = bracket + 1;
            opening.close = close;
            opening.name = std::string(m_text.substr(start + mark.size(), nameEnd - start - mark.size()));
            opening.name += m_text.substr(rest, restEnd - rest);
            return opening;
        }
        return {};
    }

private:
    std::string_view m_text;
    std::array<Finder, 4> m_brackets, m_closes;  // one per kind of mark, so each moves forward
    std::array<Finder, 3> m_marks;
};

// PHP stops a regular expression search after a million backtracking
// steps (pcre.backtrack_limit); the search then gives nothing, and the
// board keeps the text of the round before and ends its quote rounds.
constexpr double BacktrackLimit = 1000000;

// The steps the board's named-quote pattern
// "\[quote=([\"']|&quot;|)(.*?)\1(.*?)([\"']|&quot;)?\](.*?)\[/quote\]"
// spends failing at an opening tag whose `rest` (the text after "[quote=",
// L bytes) holds no closing tag after a "]". With the quote mark left out,
// it tries every pair of positions for the two lazy groups, (L + 2)^2
// steps, and from each "]" at q (and from a quote mark right before one)
// searches on for the closing tag from every start before it. With a
// quote mark first, it also tries each later copy of that mark at d as the
// name's end: 2 (L - d) steps, and L - q more for each "]" at q after it
// (and for each quote mark and "]" pair after it). Measured on PHP 8.2's
// PCRE2 with JIT: exact for a name without quote marks, within about two
// thousand steps otherwise. With no "]" after the tag (`bracketAfter`
// false) PCRE gives up at once. Reads at most a thousand bytes.
double FailedQuoteSteps(std::string_view rest, bool bracketAfter)
{
    if (!bracketAfter)
        return 0;
    if (rest.size() + 2 >= 1000)
        return BacktrackLimit;
    const double L = double(rest.size());
    auto isMark = [](char c) { return c == '"' || c == '\''; };
    double steps = (L + 2) * (L + 2);
    for (size_t q = 0; q < rest.size(); ++q)
        if (rest[q] == ']') {
            steps += double(q + 1) * (L - double(q));
            if (q > 0 && isMark(rest[q - 1]))
                steps += double(q) * (L - double(q));
        }
    if (isMark(rest[0])) {
        steps += L;
        double brackets = 0, marked = 0;  // L - q summed over "]" after d, and over mark-"]" pairs after d + 1
        for (size_t d = rest.size() - 1; d >= 1; --d) {
            if (d + 1 < rest.size() && rest[d + 1] == ']')
                brackets += L - double(d + 1);
            if (d + 2 < rest.size() && rest[d + 2] == ']' && isMark(rest[d + 1]))
                marked += L - double(d + 2);
            if (rest[d] == rest[0])
                steps += 2 * (L - double(d)) + brackets + marked;
        }
    }
    return steps;
}

// One round of the named pattern, written into `out`; false when nothing
// changed. `overrun`: an opening tag that fails cost the search more than
// the limit.
bool NamedQuotes(std::string_view in, std::string& out, const Context& context, bool& overrun)
{
    NamedQuoteScanner scanner(in);
    const size_t lastBracket = in.rfind(']');
    size_t from = 0;
    bool changed = false;
    for (size_t at = Find(in, "[quote=", 0); at != npos; at = Find(in, "[quote=", at + 1)) {
        const NamedOpening opening = scanner.At(at + 7);
        if (opening.end == npos) {
            if (FailedQuoteSteps(in.substr(at + 7), lastBracket != npos && lastBracket >= at + 7) >= BacktrackLimit) {
                overrun = true;
                return false;
            }
            continue;
        }
        if (!changed)
            bbcode::ReserveFor(out, in.size() + in.size() / 4);
        out.append(in, from, at - from);
        out += NamedQuote(in.substr(opening.end, opening.close - opening.end), opening.name, context);
        from = opening.close + 8;
        if (from < in.size() && in[from] == '\n')
            ++from;
        at = from - 1;
        changed = true;
    }
    if (!changed)
        return false;
    out.append(in, from);
    return true;
}

// Newlines around "</cite>" and before "</blockquote>" dropped; "</cite>"
// followed by a break the later clean-up takes away again. The text between
// one "<" and the next is copied whole.
void QuoteNewlines(std::string_view in, std::string& out)
{
    bbcode::ReserveFor(out, in.size());
    size_t copied = 0;
    for (size_t at = Text::FindByte(in, 0, '<'); at != npos; at = Text::FindByte(in, at + 1, '<')) {
        const bool cite = in.substr(at, 7) == "</cite>";
        if (!cite && in.substr(at, 13) != "</blockquote>")
            continue;
        out.append(in, copied, at - copied);
        while (!out.empty() && out.back() == '\n')
            out.pop_back();
        if (cite) {
            out += "</cite><br />";
            at += 7;
            while (at < in.size() && in[at] == '\n')
                ++at;
        } else {
            out += "</blockquote>";
            at += 13;
        }
        copied = at;
        --at;
    }
    out.append(in, copied);
}

}  // namespace

void Quotes(std::string& text, std::string& spare, const Context& context)
{
    if (Find(text, "[quote", 0) == npos)
        return;
    // A round reads `text` and keeps it until the round is known to stand;
    // its result is in `spare`, or in `third` when both patterns changed
    // the text.
    std::string third;
    for (int round = 0; round < QuoteRounds; ++round) {
        bool overrun = false;
        spare.clear();
        const bool plain = PlainQuotes(text, spare);
        std::string& named = plain ? third : spare;
        if (plain)
            third.clear();
        const bool namedChanged = NamedQuotes(plain ? spare : text, named, context, overrun);
        if (!plain && !namedChanged)
            break;
        std::string& result = namedChanged ? named : spare;
        // A round that leaves nothing (PHP's falsy "" or "0": empty quotes
        // were all there was, or the search overran) is taken back, and
        // the rounds stop.
        if (overrun || result.empty() || result == "0")
            break;
        text.swap(result);
    }
    spare.clear();
    QuoteNewlines(text, spare);
    text.swap(spare);
}

}  // namespace Mybb18::Passes
