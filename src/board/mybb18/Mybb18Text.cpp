// SPDX-License-Identifier: MIT
#include "board/mybb18/Mybb18Text.h"

#include "board/common/Ascii.h"
#include "board/common/ByteScan.h"
#include "board/common/Unicode.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <ctime>

namespace Mybb18::Text {

size_t Find(std::string_view s, std::string_view lower, size_t from)
{
    for (size_t at = FindByte(s, from, lower[0]); at != std::string_view::npos; at = FindByte(s, at + 1, lower[0]))
        if (Ascii::HasIgnoringCase(s, at, lower))
            return at;
    return std::string_view::npos;
}

size_t Length(std::string_view s)
{
    size_t n = 0;
    for (const char c : s)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

namespace {

// The byte offset of code point `index` (or the size).
size_t Offset(std::string_view s, size_t index)
{
    size_t at = 0;
    while (at < s.size() && index > 0) {
        ++at;
        while (at < s.size() && (static_cast<unsigned char>(s[at]) & 0xC0) == 0x80)
            ++at;
        --index;
    }
    return at;
}

}  // namespace

std::string Cut(std::string_view s, long start, long length)
{
    const long total = long(Length(s));
    if (start < 0)
        start = std::max(0L, total + start);
    if (start > total)
        return {};
    long end = length < 0 ? total : std::min(total, start + length);
    if (end < start)
        end = start;
    const size_t from = Offset(s, size_t(start));
    const size_t to = from + Offset(s.substr(from), size_t(end - start));
    return std::string(s.substr(from, to - from));
}

namespace {

// Whether "&" at `pos` starts "&#digits;".
bool IsNumericReference(std::string_view s, size_t pos)
{
    size_t at = pos + 1;
    if (s[pos] != '&' || at >= s.size() || s[at] != '#')
        return false;
    const size_t digits = ++at;
    while (at < s.size() && Ascii::IsDigit(s[at]))
        ++at;
    return at > digits && at < s.size() && s[at] == ';';
}

}  // namespace

void AppendEscaped(std::string& out, std::string_view s)
{
    size_t from = 0;
    for (size_t at = FindAnyOf(s, 0, '&', '<', '>'); at != std::string_view::npos;
         at = FindAnyOf(s, at + 1, '&', '<', '>')) {
        const char c = s[at];
        out.append(s, from, at - from);
        from = at + 1;
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (IsNumericReference(s, at))
            out += '&';
        else
            out += "&amp;";
    }
    out.append(s, from);
}

std::string SpecialChars(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    size_t from = 0;
    for (size_t at = 0; at < s.size(); ++at) {
        if (s[at] != '"')
            continue;
        AppendEscaped(out, s.substr(from, at - from));
        out += "&quot;";
        from = at + 1;
    }
    AppendEscaped(out, s.substr(from));
    return out;
}

namespace {

// The character a numeric reference at `at` ("&#60;", "&#x3C;") stands
// for when it is one of & " ' < >; its length in `length`.
char SpecialReference(std::string_view s, size_t at, size_t& length)
{
    size_t p = at + 2;
    if (s.compare(at, 2, "&#") != 0 || p >= s.size())
        return 0;
    const bool hex = s[p] == 'x' || s[p] == 'X';
    p += hex;
    const size_t digits = p;
    uint32_t value = 0;
    for (; p < s.size() && (hex ? Ascii::IsHexDigit(s[p]) : Ascii::IsDigit(s[p])); ++p) {
        const char c = Ascii::Lower(s[p]);
        value = std::min<uint32_t>(value * (hex ? 16 : 10) + uint32_t(c <= '9' ? c - '0' : c - 'a' + 10), 0x110000);
    }
    if (p == digits || p >= s.size() || s[p] != ';')
        return 0;
    length = p + 1 - at;
    return value == '&' || value == '"' || value == '\'' || value == '<' || value == '>' ? char(value) : 0;
}

}  // namespace

std::string DecodeSpecialChars(std::string_view s)
{
    static constexpr std::pair<std::string_view, char> Entities[] = {
        {"&amp;", '&'}, {"&quot;", '"'}, {"&lt;", '<'}, {"&gt;", '>'}};
    std::string out;
    out.reserve(s.size());
    for (size_t at = 0; at < s.size();) {
        size_t length = 0;
        char decoded = 0;
        if (s[at] == '&') {
            decoded = SpecialReference(s, at, length);
            for (const auto& [entity, c] : Entities)
                if (!decoded && s.substr(at, entity.size()) == entity) {
                    decoded = c;
                    length = entity.size();
                }
        }
        if (decoded) {
            out += decoded;
            at += length;
        } else {
            out += s[at++];
        }
    }
    return out;
}

std::string DecodeEntities(std::string_view s)
{
    std::string numeric;
    numeric.reserve(s.size());
    for (size_t at = 0; at < s.size();) {
        if (IsNumericReference(s, at)) {
            const size_t end = s.find(';', at);
            const int64_t cp = ToInt(s.substr(at + 2, end - at - 2));
            if (cp < 0x80)
                numeric += char(cp);
            else if (cp <= 0x10FFFF)
                Unicode::AppendUtf8(numeric, char32_t(cp));
            at = end + 1;
        } else {
            numeric += s[at++];
        }
    }
    static constexpr std::pair<std::string_view, char> Entities[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}};
    std::string out;
    out.reserve(numeric.size());
    for (size_t at = 0; at < numeric.size();) {
        bool done = false;
        if (numeric[at] == '&')
            for (const auto& [entity, c] : Entities)
                if (std::string_view(numeric).substr(at, entity.size()) == entity) {
                    out += c;
                    at += entity.size();
                    done = true;
                    break;
                }
        if (!done)
            out += numeric[at++];
    }
    return out;
}

size_t BoardLength(std::string_view s)
{
    // Counted without writing the text the board counts: all code points,
    // less all but one for each numeric reference and all of each direction
    // override, less the white space trim() would take from the ends of
    // that text (which the overrides do not interrupt, and a reference
    // does).
    auto isOverride = [&](size_t at) { return s.compare(at, 3, "\u202E") == 0 || s.compare(at, 3, "\u202D") == 0; };
    size_t first = 0, lead = 0;
    while (first < s.size()) {
        if (Ascii::IsPhpTrimmed(s[first])) {
            ++lead;
            ++first;
        } else if (isOverride(first)) {
            first += 3;
        } else {
            break;
        }
    }
    if (first == s.size())
        return 0;
    size_t last = s.size(), trail = 0;
    while (true) {
        if (Ascii::IsPhpTrimmed(s[last - 1])) {
            ++trail;
            --last;
        } else if (last >= 3 && isOverride(last - 3)) {
            last -= 3;
        } else {
            break;
        }
    }
    size_t count = Length(s);
    for (size_t at = 0; at < s.size(); ++at) {
        // Eight bytes at a time to the next "&" or override's first byte.
        while (at + 8 <= s.size()) {
            const uint64_t word = ByteScan::Load(s.data() + at);
            if (const uint64_t found = ByteScan::HasByte(word, '&') | ByteScan::HasByte(word, 0xE2)) {
                at += size_t(__builtin_ctzll(found)) / 8;
                break;
            }
            at += 8;
        }
        if (at >= s.size())
            break;
        if (IsNumericReference(s, at)) {
            const size_t end = s.find(';', at);
            count -= end - at;
            at = end;
        } else if (isOverride(at)) {
            --count;
            at += 2;
        }
    }
    return count - lead - trail;
}

std::string CutDecoded(std::string_view s, size_t length)
{
    return SpecialChars(Cut(DecodeEntities(s), 0, length == 0 ? -1 : long(length)));
}

std::string Shorten(std::string_view s)
{
    if (BoardLength(s) <= 55)
        return std::string(s);
    return Cut(s, 0, 40) + "..." + Cut(s, -10);
}

namespace {

bool IsBlank(char32_t cp)
{
    switch (cp) {
    case 0x00:
    case 0x09:
    case 0x0A:
    case 0x0B:
    case 0x0D:
    case 0x20:
    case 0x81:
    case 0x8D:
    case 0x90:
    case 0x9D:
    case 0xA0:
    case 0xAD:
    case 0x337:
    case 0x338:
    case 0x115F:
    case 0x1160:
    case 0x1680:
    case 0x180E:
    case 0x205F:
    case 0x3000:
    case 0x3164:
    case 0xFEFF:
    case 0xFFA0:
        return true;
    default:
        return (cp >= 0x2000 && cp <= 0x200F) || (cp >= 0x2028 && cp <= 0x202F) || (cp >= 0xFFF9 && cp <= 0xFFFB);
    }
}

}  // namespace

std::string_view TrimBlank(std::string_view s)
{
    while (!s.empty()) {
        size_t at = 0;
        if (!IsBlank(Unicode::Decode(s, at)))
            break;
        s.remove_prefix(at);
    }
    while (!s.empty()) {
        size_t start = s.size() - 1;
        while (start > 0 && (static_cast<unsigned char>(s[start]) & 0xC0) == 0x80)
            --start;
        size_t at = start;
        if (!IsBlank(Unicode::Decode(s, at)))
            break;
        s.remove_suffix(s.size() - start);
    }
    return s;
}

int64_t ToInt(std::string_view s)
{
    size_t at = 0;
    while (at < s.size() && Ascii::IsSpace(s[at]))
        ++at;
    bool negative = false;
    if (at < s.size() && (s[at] == '+' || s[at] == '-'))
        negative = s[at++] == '-';
    int64_t value = 0;
    for (; at < s.size() && Ascii::IsDigit(s[at]); ++at) {
        const int digit = s[at] - '0';
        if (value > (INT64_MAX - digit) / 10)
            return negative ? INT64_MIN : INT64_MAX;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

namespace {

std::tm Utc(int64_t stamp)
{
    const time_t t = time_t(stamp);
    std::tm tm{};
    gmtime_r(&t, &tm);
    return tm;
}

std::string Format(const char* format, const std::tm& tm)
{
    char text[64];
    const size_t n = std::strftime(text, sizeof text, format, &tm);
    return std::string(text, n);
}

}  // namespace

std::string RelativeDate(int64_t stamp, int64_t now, int zoneMinutes)
{
    const int64_t shift = int64_t(zoneMinutes) * 60;
    const std::tm local = Utc(stamp + shift);
    const std::string date = Format("%m-%d-%Y", local);
    const std::string time = Format("%I:%M %p", local);
    const int64_t diff = now - stamp;
    const int64_t distance = diff < 0 ? -diff : diff;
    if (distance < 43200) {
        const bool minutes = distance < 3600;
        int64_t count = minutes ? distance / 60 : distance / 3600;
        std::string unit = minutes ? "minutes" : "hours";
        if (count <= 1) {
            count = 1;
            unit = minutes ? "minute" : "hour";
        }
        std::string prefix = diff < 0 ? "in " : "";
        if (minutes && distance <= 60)
            prefix = "Less than ";
        const std::string suffix = diff < 0 ? "" : "ago";
        return "<span title=\"" + date + ", " + time + "\">" + prefix + std::to_string(count) + " " + unit + " "
            + suffix + "</span>";
    }
    const std::string today = Format("%m-%d-%Y", Utc(now + shift));
    const std::string yesterday = Format("%m-%d-%Y", Utc(now + shift - 86400));
    if (date == today)
        return "<span title=\"" + date + "\">Today</span>, " + time;
    if (date == yesterday)
        return "<span title=\"" + date + "\">Yesterday</span>, " + time;
    return date + ", " + time;
}

}  // namespace Mybb18::Text
