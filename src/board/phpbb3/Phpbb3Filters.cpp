// SPDX-License-Identifier: MIT
#include "board/phpbb3/Phpbb3Filters.h"

#include "board/common/Ascii.h"
#include "board/common/Unicode.h"
#include "board/common/UrlText.h"

#include <charconv>
#include <cstdint>
#include <cstring>

namespace Phpbb3::Filters {
namespace {

// --- Addresses --------------------------------------------------------------

struct UrlParts {
    std::string_view scheme, user, pass, host, port, rest;
};

// host, [IPv6] or host:port (port digits, maybe none) filling all of `s`.
bool SplitHostPort(std::string_view s, UrlParts& p)
{
    if (!s.empty() && s[0] == '[') {
        size_t i = 1;
        while (i < s.size() && (Ascii::IsHexDigit(s[i]) || s[i] == ':'))
            ++i;
        if (i > 1 && i < s.size() && s[i] == ']') {
            const std::string_view after = s.substr(i + 1);
            if (after.empty()
                || (after[0] == ':' && after.find_first_not_of("0123456789", 1) == std::string_view::npos)) {
                p.host = s.substr(0, i + 1);
                p.port = after.empty() ? after : after.substr(1);
                return true;
            }
        }
    }
    const size_t colon = s.find(':');
    const std::string_view host = s.substr(0, colon);
    if (host.empty())
        return false;
    if (colon == std::string_view::npos) {
        p.host = host;
        p.port = {};
        return true;
    }
    const std::string_view port = s.substr(colon + 1);
    if (port.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    p.host = host;
    p.port = port;
    return true;
}

// The parts of an address as the board's URL expression splits them. The
// expression always matches, except when a fragment holds a newline: then
// every part is empty.
UrlParts ParseUrl(std::string_view url)
{
    UrlParts p;
    size_t pos = 0;
    if (!url.empty() && Ascii::IsAlpha(url[0])) {
        size_t j = 1;
        while (j < url.size()
               && (Ascii::IsAlnum(url[j]) || url[j] == '-' || url[j] == '+' || url[j] == '.' || url[j] == '_'))
            ++j;
        if (j < url.size() && url[j] == ':') {
            p.scheme = url.substr(0, j);
            pos = j + 1;
        }
    }
    if (url.compare(pos, 2, "//") == 0) {
        const size_t segEnd = std::min(url.find_first_of("/?#", pos + 2), url.size());
        const std::string_view seg = url.substr(pos + 2, segEnd - pos - 2);
        // The longest user part that leaves a valid host, tried from the last "@".
        size_t at = seg.rfind('@');
        bool found = false;
        for (int tries = 0; tries < 2 && at != std::string_view::npos && !found; ++tries) {
            if (SplitHostPort(seg.substr(at + 1), p)) {
                const std::string_view info = seg.substr(0, at);
                const size_t colon = info.find(':');
                p.user = info.substr(0, colon);
                p.pass = colon == std::string_view::npos ? std::string_view() : info.substr(colon + 1);
                found = true;
            } else {
                at = at ? seg.rfind('@', at - 1) : std::string_view::npos;
            }
        }
        if (!found)
            found = SplitHostPort(seg, p);
        if (found)
            pos = segEnd;
        else
            p.host = p.port = {};
    }
    p.rest = url.substr(pos);
    const size_t hash = p.rest.find('#');
    if (hash != std::string_view::npos && p.rest.find('\n', hash) != std::string_view::npos)
        return {};
    return p;
}

bool IsHostName(std::string_view host)
{
    size_t start = 0;
    while (true) {
        const size_t dot = host.find('.', start);
        const std::string_view label =
            host.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start);
        if (label.empty() || label.size() > 63 || label[0] == '-' || !Ascii::IsAlnum(label.back()))
            return false;
        for (const char c : label)
            if (!Ascii::IsAlnum(c) && c != '-')
                return false;
        if (dot == std::string_view::npos)
            return true;
        start = dot + 1;
    }
}

bool IsIpv4(std::string_view s)
{
    int parts = 0;
    size_t start = 0;
    while (true) {
        const size_t dot = s.find('.', start);
        const std::string_view part =
            s.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start);
        if (part.empty() || part.size() > 3 || (part.size() > 1 && part[0] == '0') || !Ascii::IsDigits(part))
            return false;
        int value = 0;
        std::from_chars(part.data(), part.data() + part.size(), value);
        if (value > 255 || ++parts > 4)
            return false;
        if (dot == std::string_view::npos)
            return parts == 4;
        start = dot + 1;
    }
}

bool IsIpv6(std::string_view s)
{
    int groups = 0;
    bool elided = false;
    if (s.size() >= 2 && s.substr(0, 2) == "::") {
        elided = true;
        s.remove_prefix(2);
        if (s.empty())
            return true;
    }
    size_t start = 0;
    while (true) {
        const size_t colon = s.find(':', start);
        const std::string_view group =
            s.substr(start, colon == std::string_view::npos ? std::string_view::npos : colon - start);
        if (colon == std::string_view::npos && group.find('.') != std::string_view::npos) {
            if (!IsIpv4(group))
                return false;
            groups += 2;
            break;
        }
        if (group.empty() || group.size() > 4)
            return false;
        for (const char c : group)
            if (!Ascii::IsHexDigit(c))
                return false;
        ++groups;
        if (colon == std::string_view::npos)
            break;
        start = colon + 1;
        if (start < s.size() && s[start] == ':') {
            if (elided)
                return false;
            elided = true;
            ++start;
            if (start == s.size())
                break;
        } else if (start == s.size()) {
            return false;
        }
    }
    return elided ? groups < 8 : groups == 8;
}

void AppendPercent(std::string& out, unsigned char c)
{
    out += '%';
    out += "0123456789ABCDEF"[c >> 4];
    out += "0123456789ABCDEF"[c & 15];
}

bool IsUrlSafe(unsigned char c)
{
    return c == '!' || (c >= '#' && c <= '&') || (c >= '*' && c <= ';') || c == '=' || (c >= '?' && c <= 'Z')
        || c == '_' || (c >= 'a' && c <= 'z') || c == '~';
}

// The path, query and fragment, in one pass: where "%" is followed by a
// lower-case hex letter, or by any character and then one, those
// characters in upper case; then every byte outside the safe set, and a "%"
// that starts no escape, percent-encoded.
void AppendSanitizedPath(std::string& out, std::string_view rest)
{
    auto isLowerHex = [&](size_t k) { return k < rest.size() && rest[k] >= 'a' && rest[k] <= 'f'; };
    size_t upperFrom = 0, upperTo = 0, matchEnd = 0;
    for (size_t i = 0; i < rest.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(rest[i]);
        if (c == '%' && i >= matchEnd) {
            if (i + 1 < rest.size() && rest[i + 1] != '\n' && isLowerHex(i + 2))
                upperFrom = i + 1, upperTo = matchEnd = i + 3;
            else if (isLowerHex(i + 1))
                upperFrom = i + 1, upperTo = matchEnd = i + 2;
        }
        if (i >= upperFrom && i < upperTo)
            c = static_cast<unsigned char>(Ascii::Upper(char(c)));
        if (c == '%' ? !(i + 2 < rest.size() && Ascii::IsHexDigit(rest[i + 1]) && Ascii::IsHexDigit(rest[i + 2]))
                     : !IsUrlSafe(c))
            AppendPercent(out, c);
        else
            out += char(c);
    }
}

// --- E-mail addresses ----------------------------------------------------------

bool IsAtext(char c)
{
    return Ascii::IsAlnum(c)
        || (c != '"' && c != '(' && c != ')' && c != ',' && c != '.' && c != ':' && c != ';' && c != '<' && c != '>'
            && c != '@' && c != '[' && c != '\\' && c != ']' && c > ' ' && c < 0x7F);
}

bool IsLocalPart(std::string_view s)
{
    if (s.empty() || s.size() > 64)
        return false;
    size_t i = 0;
    while (true) {
        if (i < s.size() && s[i] == '"') {
            ++i;
            while (i < s.size() && s[i] != '"') {
                const unsigned char c = static_cast<unsigned char>(s[i]);
                if (c == '\\' && i + 1 < s.size() && static_cast<unsigned char>(s[i + 1]) < 0x80) {
                    i += 2;
                    continue;
                }
                if (c == 0 || c == '\t' || c == '\n' || c == '\r' || c == ' ' || c >= 0x80 || c == '\\')
                    return false;
                ++i;
            }
            if (i >= s.size())
                return false;
            ++i;
        } else {
            const size_t start = i;
            while (i < s.size() && IsAtext(s[i]))
                ++i;
            if (i == start)
                return false;
        }
        if (i == s.size())
            return true;
        if (s[i] != '.')
            return false;
        ++i;
    }
}

bool IsDomainLabel(std::string_view label, bool last)
{
    if (label.empty() || label.size() > 63 || !Ascii::IsAlnum(label[0]) || !Ascii::IsAlnum(label.back()))
        return false;
    if (last && !Ascii::IsAlpha(label[0]))
        return false;
    for (const char c : label)
        if (!Ascii::IsAlnum(c) && c != '-')
            return false;
    return true;
}

bool IsEmailDomain(std::string_view d)
{
    if (d.size() > 2 && d.front() == '[' && d.back() == ']') {
        const std::string_view inner = d.substr(1, d.size() - 2);
        if (Ascii::StartsWithIgnoringCase(inner, "ipv6:"))
            return IsIpv6(inner.substr(5));
        return IsIpv4(inner);
    }
    size_t start = 0;
    int labels = 0;
    while (true) {
        const size_t dot = d.find('.', start);
        const bool last = dot == std::string_view::npos;
        if (!IsDomainLabel(d.substr(start, last ? std::string_view::npos : dot - start), last))
            return false;
        ++labels;
        if (last)
            return labels >= 2;
        start = dot + 1;
    }
}

// --- Numbers ---------------------------------------------------------------------

// A numeric string as PHP 8 reads one (white space around allowed), and its value.
bool PhpNumber(std::string_view s, double& value)
{
    size_t i = 0, end = s.size();
    while (i < end && Ascii::IsSpace(s[i]))
        ++i;
    while (end > i && Ascii::IsSpace(s[end - 1]))
        --end;
    const size_t start = i;
    if (i < end && (s[i] == '+' || s[i] == '-'))
        ++i;
    size_t digits = 0;
    while (i < end && Ascii::IsDigit(s[i]))
        ++i, ++digits;
    if (i < end && s[i] == '.') {
        ++i;
        while (i < end && Ascii::IsDigit(s[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i < end && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < end && (s[j] == '+' || s[j] == '-'))
            ++j;
        const size_t expStart = j;
        while (j < end && Ascii::IsDigit(s[j]))
            ++j;
        if (j > expStart)
            i = j;
    }
    if (i != end)
        return false;
    const char* first = s.data() + start + (s[start] == '+' ? 1 : 0);
    value = 0;
    std::from_chars(first, s.data() + end, value);
    return true;
}

int PhpCompareWithInt(std::string_view s, long n)
{
    double value = 0;
    if (PhpNumber(s, value))
        return value < double(n) ? -1 : value > double(n) ? 1 : 0;
    const int c = s.compare(std::to_string(n));
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

void AppendTwoDigits(std::string& out, int64_t n)
{
    out += char('0' + n / 10);
    out += char('0' + n % 10);
}

}  // namespace

std::optional<std::string> Url(std::string_view value)
{
    const UrlParts p = ParseUrl(Ascii::TrimPhp(value));
    auto schemeIs = [&](std::string_view lower) { return Ascii::EqualsIgnoringCase(p.scheme, lower); };
    const bool web = schemeIs("http") || schemeIs("https") || schemeIs("ftp");
    if (!p.scheme.empty() && !web)
        return std::nullopt;
    // Ideographic and full-width full stops separate labels; trailing dots
    // go; a host with other letters than ASCII goes to punycode.
    std::string_view host = p.host;
    std::string converted;
    bool ascii = true;
    for (const char c : host)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (!ascii) {
        std::string dotted;
        for (size_t i = 0; i < host.size(); ++i) {
            if (host.compare(i, 3, "\xE3\x80\x82") == 0 || host.compare(i, 3, "\xEF\xBC\x8E") == 0
                || host.compare(i, 3, "\xEF\xBD\xA1") == 0) {
                dotted += '.';
                i += 2;
            } else {
                dotted += host[i];
            }
        }
        while (!dotted.empty() && dotted.back() == '.')
            dotted.pop_back();
        bool stillWide = false;
        for (const char c : dotted)
            stillWide = stillWide || static_cast<unsigned char>(c) >= 0x80;
        if (stillWide) {
            if (!Unicode::HostToAscii(dotted, converted))
                return std::nullopt;
        } else {
            converted = std::move(dotted);
        }
        host = converted;
    }
    while (!host.empty() && host.back() == '.')
        host.remove_suffix(1);
    if (!host.empty()) {
        const bool bracketed = host.size() > 2 && host.front() == '[' && host.back() == ']';
        if (!IsHostName(host) && !IsIpv4(host) && !IsIpv6(bracketed ? host.substr(1, host.size() - 2) : host))
            return std::nullopt;
    } else if (web) {
        return std::nullopt;
    }

    std::string url;
    url.reserve(value.size() + 8);
    url += Ascii::ToLower(p.scheme);
    if (!p.scheme.empty())
        url += ':';
    if (!host.empty()) {
        url += "//";
        if (!p.user.empty()) {
            url += RawUrlEncode(UrlText::Decode(p.user));
            if (!p.pass.empty())
                url += ":" + RawUrlEncode(UrlText::Decode(p.pass));
            url += '@';
        }
        url += host;
        if (!p.port.empty()) {
            url += ':';
            url += p.port;
        }
    }
    AppendSanitizedPath(url, p.rest);
    if (p.scheme.empty()) {
        const size_t colon = url.find(':');
        if (colon != std::string::npos && url.find('/') > colon)
            url.replace(colon, 1, "%3A");
    }
    return url;
}

bool IsEmail(std::string_view value)
{
    if (value.size() > 254)
        return false;
    const size_t at = value.rfind('@');
    if (at == std::string_view::npos)
        return false;
    return IsLocalPart(value.substr(0, at)) && IsEmailDomain(value.substr(at + 1));
}

bool IsColor(std::string_view v)
{
    if (!v.empty() && v[0] == '#') {
        // #RGB, #RGBA, #RRGGBB or #RRGGBBAA.
        if (v.size() != 4 && v.size() != 5 && v.size() != 7 && v.size() != 9)
            return false;
        for (size_t i = 1; i < v.size(); ++i)
            if (!Ascii::IsHexDigit(v[i]))
                return false;
        return true;
    }
    if (Ascii::StartsWithIgnoringCase(v, "rgb(") && v.back() == ')') {
        std::string_view inner = v.substr(4, v.size() - 5);
        for (int part = 0; part < 3; ++part) {
            if (part > 0) {
                if (inner.empty() || inner[0] != ',')
                    return false;
                inner.remove_prefix(1);
                while (!inner.empty() && inner[0] == ' ')
                    inner.remove_prefix(1);
            }
            size_t digits = 0;
            while (digits < inner.size() && Ascii::IsDigit(inner[digits]))
                ++digits;
            if (digits < 1 || digits > 3)
                return false;
            inner.remove_prefix(digits);
        }
        return inner.empty();
    }
    if (v.empty())
        return false;
    for (const char c : v)
        if (!Ascii::IsAlpha(c))
            return false;
    return true;
}

FontSize CheckFontSize(std::string_view value, long max)
{
    if (max != 0 && PhpCompareWithInt(value, max) > 0)
        return FontSize::TooLarge;
    double number = 0;
    if (PhpCompareWithInt(value, 1) < 0 || !PhpNumber(value, number))
        return FontSize::Refused;
    return FontSize::Fine;
}

std::optional<std::string> Uint(std::string_view value)
{
    std::string_view s = value;
    while (!s.empty() && Ascii::IsSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && Ascii::IsSpace(s.back()))
        s.remove_suffix(1);
    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    if (s.empty() || !Ascii::IsDigits(s) || (s.size() > 1 && s[0] == '0'))
        return std::nullopt;
    uint64_t n = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (error != std::errc() || n > uint64_t(INT64_MAX) || (negative && n != 0))
        return std::nullopt;
    return std::to_string(n);
}

bool IsIdentifier(std::string_view value)
{
    if (value.empty())
        return false;
    for (const char c : value)
        if (!Ascii::IsAlnum(c) && c != '-' && c != '_')
            return false;
    return true;
}

std::optional<std::string> ListType(std::string_view value)
{
    static constexpr std::pair<std::string_view, std::string_view> Names[] = {
        {"1", "decimal"}, {"a", "lower-alpha"}, {"A", "upper-alpha"}, {"i", "lower-roman"}, {"I", "upper-roman"}};
    for (const auto& [from, to] : Names)
        if (value == from)
            return std::string(to);
    if (value.empty())
        return std::nullopt;
    for (const char c : value)
        if (!Ascii::IsAlnum(c) && !std::strchr("- +,._", c))
            return std::nullopt;
    return std::string(value);
}

bool IsOrderedListType(std::string_view type)
{
    return std::string_view("upperlowerdecim").find(type.substr(0, 5)) != std::string_view::npos;
}

std::string RawUrlEncode(std::string_view value)
{
    std::string out;
    for (const char c : value) {
        if (Ascii::IsAlnum(c) || c == '-' || c == '_' || c == '.' || c == '~')
            out += c;
        else
            AppendPercent(out, static_cast<unsigned char>(c));
    }
    return out;
}

QuoteAuthor ParseQuoteAuthor(std::string_view author)
{
    QuoteAuthor result{std::string(author), std::nullopt};
    auto setUrl = [&](std::string_view url) {
        if (!result.url)
            result.url = std::string(url);
    };
    // "$" also matches before one final newline; "." matches no newline.
    auto body = [](std::string_view s) { return !s.empty() && s.back() == '\n' ? s.substr(0, s.size() - 1) : s; };
    {
        const std::string_view s = body(result.author);
        const size_t close = s.find(']', 5);
        if (Ascii::StartsWithIgnoringCase(s, "[url=") && Ascii::EndsWithIgnoringCase(s, "[/url]")
            && close != std::string_view::npos && close + 1 + 6 <= s.size() && s.find('\n') == std::string_view::npos) {
            setUrl(s.substr(5, close - 5));
            result.author = std::string(s.substr(close + 1, s.size() - 6 - close - 1));
        }
    }
    {
        const std::string_view s = body(result.author);
        if (s.size() >= 11 && Ascii::StartsWithIgnoringCase(s, "[url]") && Ascii::EndsWithIgnoringCase(s, "[/url]")
            && s.find('\n') == std::string_view::npos) {
            const std::string inner(s.substr(5, s.size() - 11));
            setUrl(inner);
            result.author = inner;
        }
    }
    const std::string& s = result.author;
    for (size_t i = 0; i + 7 < s.size(); ++i) {
        if (Ascii::Lower(s[i]) != 'h')
            continue;
        size_t j = i;
        if (Ascii::HasIgnoringCase(s, i, "https://"))
            j = i + 8;
        else if (Ascii::HasIgnoringCase(s, i, "http://"))
            j = i + 7;
        else
            continue;
        size_t end = j;
        while (end < s.size() && s[end] != '[' && s[end] != ']')
            ++end;
        if (end > j) {
            setUrl(std::string_view(s).substr(i, end - i));
            break;
        }
    }
    return result;
}

std::string FormatDate(std::string_view seconds)
{
    int64_t t = 0;
    std::from_chars(seconds.data(), seconds.data() + seconds.size(), t);
    const int64_t days = t / 86400, secs = t % 86400;
    // Days to a civil date (proleptic Gregorian), after H. Hinnant.
    const int64_t z = days + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int64_t day = doy - (153 * mp + 2) / 5 + 1;
    const int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
    static constexpr const char* Days[] = {"Thu", "Fri", "Sat", "Sun", "Mon", "Tue", "Wed"};
    static constexpr const char* Months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const int64_t hour = secs / 3600, minute = secs / 60 % 60;
    std::string out = Days[days % 7];
    out += ' ';
    out += Months[month - 1];
    out += ' ';
    AppendTwoDigits(out, day);
    out += ", ";
    std::string y = std::to_string(year);
    if (y.size() < 4)
        y.insert(0, 4 - y.size(), '0');
    out += y + ' ' + std::to_string(hour % 12 == 0 ? 12 : hour % 12) + ':';
    AppendTwoDigits(out, minute);
    out += hour < 12 ? " am" : " pm";
    return out;
}

std::string ShortenLinkText(std::string_view text)
{
    size_t chars = 0;
    for (const char c : text)
        chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    if (chars <= 55)
        return std::string(text);
    auto lead = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; };
    size_t head = 0;
    for (size_t seen = 0; head < text.size(); ++head) {
        if (lead(text[head]) && seen++ == 39)
            break;
    }
    size_t tail = text.size(), counted = 0;
    while (tail > 0 && counted < 10)
        counted += lead(text[--tail]);
    return std::string(text.substr(0, head)) + " ... " + std::string(text.substr(tail));
}

}  // namespace Phpbb3::Filters
