// SPDX-License-Identifier: MIT
#include "board/smf21/Smf21Text.h"

#include "board/common/Ascii.h"
#include "board/common/ByteScan.h"
#include "board/common/Unicode.h"

#include <cstdio>

namespace Smf21::Text {

size_t FindCi(std::string_view s, std::string_view lower, size_t from)
{
    if (lower.empty())
        return from <= s.size() ? from : std::string_view::npos;
    const char first = lower[0];
    const char upper = Ascii::Upper(first);
    if (from > s.size() || s.size() - from < lower.size())
        return std::string_view::npos;
    const size_t last = s.size() - lower.size();  // the last place a match can start
    if (first == upper) {
        // The usual case, a needle starting with "[": jump from one
        // candidate byte to the next.
        for (size_t i = ByteScan::Find(s.data(), last + 1, from, first); i <= last;
             i = ByteScan::Find(s.data(), last + 1, i + 1, first))
            if (Ascii::HasIgnoringCase(s, i, lower))
                return i;
        return std::string_view::npos;
    }
    for (size_t i = from; i <= last; ++i) {
        if ((s[i] == first || s[i] == upper) && Ascii::HasIgnoringCase(s, i, lower))
            return i;
    }
    return std::string_view::npos;
}

size_t SpaceAt(std::string_view s, size_t at)
{
    if (at >= s.size())
        return 0;
    const unsigned char c = static_cast<unsigned char>(s[at]);
    if (c < 0x80)
        return Ascii::IsSpace(char(c)) ? 1 : 0;
    size_t end = at;
    const char32_t cp = Unicode::Decode(s, end);
    return Unicode::IsSpaceChar(cp) ? end - at : 0;
}

size_t WordAt(std::string_view s, size_t at)
{
    if (at >= s.size())
        return 0;
    const unsigned char c = static_cast<unsigned char>(s[at]);
    if (c < 0x80)
        return Ascii::IsAlnum(char(c)) ? 1 : 0;
    size_t end = at;
    const char32_t cp = Unicode::Decode(s, end);
    return Unicode::IsWordChar(cp) && cp != '_' ? end - at : 0;
}

bool WordBefore(std::string_view s, size_t at)
{
    if (at == 0)
        return false;
    const unsigned char c = static_cast<unsigned char>(s[at - 1]);
    if (c < 0x80)
        return Ascii::IsAlnum(char(c));
    const char32_t cp = Unicode::DecodeBefore(s, at);
    return Unicode::IsWordChar(cp) && cp != '_';
}

void AppendEscaped(std::string& out, std::string_view text)
{
    static constexpr ByteSet Escaped = BytesOf("&\"'<>");
    for (size_t at = 0; at < text.size(); ++at) {
        const size_t plain = FindAny(text, at, Escaped);
        out.append(text, at, plain - at);
        if (plain == text.size())
            break;
        at = plain;
        const char c = text[at];
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out += c;
        }
    }
}

namespace {

// Days since 1970-01-01 to a civil date (proleptic Gregorian).
void CivilFromDays(long long z, long long& y, unsigned& m, unsigned& d)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    y = (long long)yoe + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y += m <= 2;
}

long long FloorDiv(long long a, long long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

}  // namespace

std::string FormatTime(long long time, long long offset, long long now)
{
    static constexpr const char* Months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const long long local = time + offset;
    const long long days = FloorDiv(local, 86400);
    const long long seconds = local - days * 86400;
    const int hour = int(seconds / 3600), minute = int(seconds % 3600 / 60);
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02d:%02d %s", hour % 12 == 0 ? 12 : hour % 12, minute,
                  hour < 12 ? "AM" : "PM");
    if (now != 0 && FloorDiv(now + offset, 86400) == days)
        return std::string("<strong>Today</strong> at ") + clock;
    long long y;
    unsigned m, d;
    CivilFromDays(days, y, m, d);
    char date[48];
    std::snprintf(date, sizeof date, "%s %02u, %lld, ", Months[m - 1], d, y);
    return date + std::string(clock);
}

}  // namespace Smf21::Text
