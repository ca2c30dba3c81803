// SPDX-License-Identifier: MIT
// Bare web and e-mail addresses in a post's text, found as the SMF 2.1
// board's display code finds them and written as the tags it makes of
// them. Each pattern is matched by a forward scan: a position is tried once
// as a start, and a run of address characters is read once.

#include "board/smf21/Smf21Links.h"

#include "board/smf21/Smf21Text.h"
#include "board/common/Ascii.h"
#include "board/common/Unicode.h"

#include <algorithm>
#include <unordered_set>

namespace Smf21::Internal {

using Text::Has;
using Ascii::HasIgnoringCase;

namespace {

// The top-level domains the board links bare addresses with: the generic
// ones in common use and every country code.
bool IsTopLevelDomain(std::string_view label)
{
    static const std::unordered_set<std::string> Domains = [] {
        std::unordered_set<std::string> set;
        static constexpr std::string_view Generic[] = {
            "com",     "org",   "net",      "edu",       "gov",      "mil",      "int",    "info",      "biz",
            "name",    "pro",   "aero",     "asia",      "cat",      "coop",     "jobs",   "mobi",      "museum",
            "post",    "tel",   "travel",   "xxx",       "app",      "dev",      "online", "site",      "store",
            "tech",    "xyz",   "club",     "shop",      "blog",     "cloud",    "page",   "live",      "news",
            "top",     "icu",   "vip",      "wiki",      "design",   "art",      "email",  "link",      "space",
            "website", "fun",   "host",     "press",     "agency",   "digital",  "group",  "media",     "network",
            "world",   "today", "life",     "solutions", "services", "company",  "center", "studio",    "games",
            "social",  "one",   "zone",     "guru",      "ninja",    "rocks",    "chat",   "team",      "work",
            "works",   "tools", "software", "systems",   "codes",    "download", "forum",  "community", "help"};
        static constexpr std::string_view Countries =
            "ac ad ae af ag ai al am ao aq ar as at au aw ax az ba bb bd be bf bg bh bi bj bm bn bo br bs bt bw "
            "by bz ca cc cd cf cg ch ci ck cl cm cn co cr cu cv cw cx cy cz de dj dk dm do dz ec ee eg er es et "
            "eu fi fj fk fm fo fr ga gb gd ge gf gg gh gi gl gm gn gp gq gr gs gt gu gw gy hk hm hn hr ht hu id "
            "ie il im in io iq ir is it je jm jo jp ke kg kh ki km kn kp kr kw ky kz la lb lc li lk lr ls lt lu "
            "lv ly ma mc md me mg mh mk ml mm mn mo mp mq mr ms mt mu mv mw mx my mz na nc ne nf ng ni nl no np "
            "nr nu nz om pa pe pf pg ph pk pl pm pn pr ps pt pw py qa re ro rs ru rw sa sb sc sd se sg sh si sk "
            "sl sm sn so sr ss st su sv sx sy sz tc td tf tg th tj tk tl tm tn to tr tt tv tw tz ua ug uk us uy "
            "uz va vc ve vg vi vn vu wf ws ye yt za zm zw";
        for (std::string_view g : Generic)
            set.emplace(g);
        // Special-use names the board adds to its list: not in the DNS, but
        // they may resolve.
        for (std::string_view special : {"local", "onion", "test"})
            set.emplace(special);
        for (size_t i = 0; i + 2 <= Countries.size(); i += 3)
            set.emplace(Countries.substr(i, 2));
        return set;
    }();
    if (label.empty() || label.size() > 24)
        return false;
    return Domains.count(Ascii::ToLower(label)) > 0;
}

bool IsMark(char32_t cp) { return cp >= 0x300 && !Unicode::IsWordChar(cp) && Unicode::MayChangeUnderNfc(cp); }

constexpr unsigned Letter = 1, MarkClass = 2, Digit = 4;

// The class of the character at `at` (letters, marks, digits), its length in `length`.
unsigned ClassAt(std::string_view s, size_t at, size_t& length)
{
    length = 1;
    if (at >= s.size())
        return 0;
    const unsigned char c = static_cast<unsigned char>(s[at]);
    if (c < 0x80) {
        if (Ascii::IsDigit(char(c)))
            return Digit;
        return Ascii::IsAlpha(char(c)) ? Letter : 0;
    }
    size_t end = at;
    const char32_t cp = Unicode::Decode(s, end);
    length = end - at;
    if (Unicode::IsWordChar(cp))
        return cp == '_' ? 0 : Letter;
    return IsMark(cp) ? MarkClass : 0;
}

// White space or &nbsp; (the board hides &nbsp; as U+00A0 while linking),
// and the escaped < > " (the board hides them behind "<" and ">" while
// linking, which no address holds).
bool StopAt(std::string_view s, size_t at)
{
    return Text::SpaceAt(s, at) || s[at] == '<' || s[at] == '>'
        || (s[at] == '&' && (Has(s, at, "&nbsp;") || Has(s, at, "&quot;") || Has(s, at, "&lt;") || Has(s, at, "&gt;")));
}

// The end of a run of characters in `classes` or `extra`, from `at`.
size_t RunEnd(std::string_view s, size_t at, unsigned classes, std::string_view extra)
{
    while (at < s.size()) {
        const char c = s[at];
        if (static_cast<unsigned char>(c) < 0x80) {  // ClassAt's ASCII part, without the call
            const unsigned cls = Ascii::IsDigit(c) ? Digit : Ascii::IsAlpha(c) ? Letter : 0;
            if (!(cls & classes) && extra.find(c) == std::string_view::npos)
                break;
            ++at;
            continue;
        }
        size_t length;
        const unsigned cls = ClassAt(s, at, length);
        if (!(cls & classes) && extra.find(s[at]) == std::string_view::npos)
            break;
        at += length;
    }
    return at;
}

// The end of a domain name "run.tld" in s[start, runEnd): the end of its
// rightmost dot and top-level domain, checked as `tldEndOk` says; 0 if none.
template <class EndOk>
size_t DomainEnd(std::string_view s, size_t start, size_t runEnd, size_t minBefore, EndOk tldEndOk)
{
    for (size_t d = runEnd; d-- > start + minBefore - 1;) {
        if (s[d] != '.' || d < start + minBefore)
            continue;
        size_t e = d + 1;
        while (e < runEnd) {
            size_t length;
            const unsigned cls = ClassAt(s, e, length);
            if (!(cls & (Letter | Digit)) && s[e] != '-')
                break;
            e += length;
        }
        if (e > d + 1 && tldEndOk(e) && IsTopLevelDomain(s.substr(d + 1, e - d - 1)))
            return e;
    }
    return 0;
}

// A balanced group of parentheses, two levels at most, at `at`; its end or 0.
size_t ParenGroup(std::string_view s, size_t at)
{
    auto plain = [&](size_t k) { return k < s.size() && !StopAt(s, k) && s[k] != '(' && s[k] != ')'; };
    size_t k = at + 1;
    while (k < s.size()) {
        if (s[k] == ')')
            return k + 1;
        if (s[k] == '(') {
            size_t j = k + 1;
            while (plain(j))
                ++j;
            if (j == k + 1 || !Has(s, j, ")"))
                return 0;
            k = j + 1;
        } else if (plain(k)) {
            ++k;
        } else {
            return 0;
        }
    }
    return 0;
}

// The end of an address's path from `at` (a "/"), or `at` if there is none.
size_t PathEnd(std::string_view s, size_t at)
{
    if (!Has(s, at, "/"))
        return at;
    static constexpr std::string_view Punctuation = "`!()[]{};:'\".,<>?/";
    size_t best = at + 1, k = at + 1, units = 0;
    while (k < s.size()) {
        size_t end;
        bool canEnd;
        if (s[k] == '(') {
            end = ParenGroup(s, k);
            if (!end)
                break;
            canEnd = true;
        } else if (StopAt(s, k) || s[k] == ')') {
            break;
        } else {
            size_t length = 1;
            if (static_cast<unsigned char>(s[k]) >= 0x80) {
                size_t e = k;
                const char32_t cp = Unicode::Decode(s, e);
                length = e - k;
                canEnd = !(cp == 0xAB || cp == 0xBB || (cp >= 0x2018 && cp <= 0x201D));
            } else if (s[k] == '/') {
                canEnd = s[k - 1] != '/';
            } else {
                canEnd = Punctuation.find(s[k]) == std::string_view::npos;
            }
            end = k + length;
        }
        ++units;
        if (canEnd && units >= 2)
            best = end;
        k = end;
    }
    return best;
}

// "localhost" or a dotted IPv4 address at `at`, standing alone; its end or 0.
size_t LocalHostEnd(std::string_view s, size_t at)
{
    size_t end = 0;
    if (HasIgnoringCase(s, at, "localhost")) {
        end = at + 9;
    } else {
        size_t k = at;
        for (int part = 0; part < 4; ++part) {
            if (part > 0) {
                if (!Has(s, k, "."))
                    return 0;
                ++k;
            }
            const size_t digits = k;
            while (k < s.size() && k - digits < 3 && Ascii::IsDigit(s[k]))
                ++k;
            if (k == digits)
                return 0;
        }
        end = k;
    }
    size_t length;
    if (end < s.size() && ((ClassAt(s, end, length) & (Letter | Digit)) || s[end] == '-' || s[end] == '.'))
        return 0;
    return end;
}

// A port number after a host ending at `at`: the end of ":digits", or `at`.
size_t PortEnd(std::string_view s, size_t at)
{
    if (!Has(s, at, ":"))
        return at;
    size_t k = at + 1;
    while (k < s.size() && Ascii::IsDigit(s[k]))
        ++k;
    return k > at + 1 ? k : at;
}

// Schemes whose addresses name no host ("news:comp.lang.php"): linked
// without "//" after the colon.
bool NoAuthorityScheme(std::string_view scheme)
{
    static constexpr std::string_view Schemes[] = {"about", "bitcoin", "callto", "file", "geo", "im",  "magnet",
                                                   "news",  "sip",     "sips",   "sms",  "tel", "urn", "xmpp"};
    for (std::string_view known : Schemes)
        if (Ascii::EqualsIgnoringCase(scheme, known))
            return true;
    return false;
}

// After "scheme:" at `at`, an address without a host: a run of address
// characters from a letter or digit, ending on a dot and a last label. Its
// end, or 0; once the run is read, `skip` is its end, as a later start
// inside it fails too.
size_t OpaqueEnd(std::string_view s, size_t at, size_t& skip)
{
    size_t length;
    if (!(ClassAt(s, at, length) & (Letter | Digit)))
        return 0;
    const size_t runEnd = RunEnd(s, at, Letter | MarkClass | Digit, "-.:@");
    skip = runEnd;
    // The last dot with a label after it and an address character before it.
    for (size_t d = runEnd; d-- > at + 1;) {
        if (s[d] != '.')
            continue;
        const size_t labelEnd = RunEnd(s, d + 1, Letter | MarkClass | Digit, "-");
        if (labelEnd > d + 1 && s[d - 1] != '.' && s[d - 1] != ':' && s[d - 1] != '@' && s[d - 1] != '-')
            return labelEnd;
    }
    return 0;
}

bool LinkUrls(std::string_view text, std::string& out)
{
    bool any = false;
    size_t at = 0, nakedSkip = 0, schemeSkip = 0, opaqueSkip = 0;
    for (size_t i = 0; i < text.size();) {
        // Places that start nothing are passed over at once: ASCII
        // punctuation and blanks other than "/" (no scheme, "//" or
        // domain starts there); ASCII letters and digits after another
        // (inside a word, where neither a scheme nor a domain may start);
        // and a word of ASCII letters and digits followed by neither a
        // letter nor one of "_-:." (no ":" to end a scheme, no dot for a
        // domain). Passing over a word leaves the skip marks as checking
        // it would: it sets them to the word's end at most.
        const char c = text[i];
        if (static_cast<unsigned char>(c) < 0x80 && !Ascii::IsAlnum(c) && c != '/') {
            ++i;
            continue;
        }
        if (Ascii::IsAlnum(c)) {
            size_t wordEnd = i + 1;
            while (wordEnd < text.size() && Ascii::IsAlnum(text[wordEnd]))
                ++wordEnd;
            const bool inside = i > 0 && Ascii::IsAlnum(text[i - 1]);
            const bool plainEnd = wordEnd == text.size()
                || (static_cast<unsigned char>(text[wordEnd]) < 0x80 && text[wordEnd] != '_' && text[wordEnd] != '-'
                    && text[wordEnd] != ':' && text[wordEnd] != '.');
            if (inside || plainEnd) {
                i = wordEnd;
                continue;
            }
        }
        size_t length;
        const unsigned cls = ClassAt(text, i, length);
        const bool wordBefore = Text::WordBefore(text, i) || (i > 0 && text[i - 1] == '_');
        size_t end = 0;
        std::string full;
        // scheme: (and // with a host), or //host
        size_t hostStart = std::string_view::npos;
        if (!wordBefore && i >= schemeSkip && cls == Letter && static_cast<unsigned char>(text[i]) < 0x80) {
            const size_t word = RunEnd(text, i, Letter | Digit, "_-");
            if (!Has(text, word, ":"))
                schemeSkip = word;  // a later start in this word ends at the same place
            if (word > i + 1 && Has(text, word, ":")) {
                if (Has(text, word + 1, "//"))
                    hostStart = word + 3;
                else if (NoAuthorityScheme(text.substr(i, word - i)) && word + 1 >= opaqueSkip) {
                    if (const size_t opaque = OpaqueEnd(text, word + 1, opaqueSkip)) {
                        end = PathEnd(text, opaque);
                        full = std::string(text.substr(i, end - i));
                    }
                } else if (HasIgnoringCase(text, i, "mailto:") && word == i + 6) {
                    // An e-mail address is at most 254 characters long.
                    const size_t runEnd = RunEnd(text.substr(0, std::min(text.size(), word + 256)), word + 1,
                                                 Letter | MarkClass | Digit, "-.:@");
                    const size_t at2 = text.find('@', word + 1);
                    const size_t domainEnd = DomainEnd(text, word + 1, runEnd, 2, [](size_t) { return true; });
                    if (at2 != std::string_view::npos && at2 < runEnd && domainEnd > at2) {
                        const std::string_view address = text.substr(word + 1, domainEnd - word - 1);
                        out.append(text, at, i - at);
                        out += "[email=";
                        out += address;
                        out += "]";
                        out.append(text, i, domainEnd - i);
                        out += "[/email]";
                        at = i = domainEnd;
                        any = true;
                        continue;
                    }
                }
            }
        } else if (Has(text, i, "//") && !wordBefore) {
            hostStart = i + 2;
        }
        if (hostStart != std::string_view::npos) {
            const size_t runEnd = RunEnd(text, hostStart, Letter | MarkClass | Digit, "-.:@");
            size_t host = LocalHostEnd(text, hostStart);
            if (!host)
                host = DomainEnd(text, hostStart, runEnd, 1,
                                 [&](size_t e) { return e == runEnd || text[e] == ':' || text[e] == '@'; });
            if (host)
                host = PortEnd(text, host);
            if (host) {
                end = PathEnd(text, host);
                full = std::string(text.substr(i, end - i));
                if (hostStart == i + 2) {
                    size_t k = 0;
                    while (k < full.size() && (full[k] == ':' || full[k] == '/'))
                        ++k;
                    full = "//" + full.substr(k);
                }
            }
        }
        // a bare domain name
        if (!end && i >= nakedSkip && (cls & (Letter | Digit))) {
            const bool boundary = i == 0
                || !(Text::WordBefore(text, i) || text[i - 1] == '-' || text[i - 1] == '.' || text[i - 1] == ':'
                     || text[i - 1] == '@' || IsMark(Unicode::DecodeBefore(text, i)));
            if (boundary) {
                const size_t runEnd = RunEnd(text, i, Letter | MarkClass | Digit, "-.");
                const size_t domain = DomainEnd(text, i, runEnd, 2, [&](size_t e) {
                    if (e >= text.size())
                        return true;
                    size_t l;
                    return !(ClassAt(text, e, l) & (Letter | Digit)) && text[e] != '-';
                });
                if (domain && text[domain - 1] != '.') {
                    end = PathEnd(text, domain);
                    full = "//" + std::string(text.substr(i, end - i));
                } else {
                    nakedSkip = runEnd;
                }
            }
        }
        if (!end) {
            i += length;
            continue;
        }
        // A javascript: address matches but is left as text, all of it.
        if (hostStart != std::string_view::npos && hostStart != i + 2
            && Ascii::EqualsIgnoringCase(text.substr(i, hostStart - 3 - i), "javascript")) {
            i = end;
            continue;
        }
        out.append(text, at, i - at);
        out += "[url=&quot;";
        for (const char c : full) {
            if (c == '[')
                out += "&#91;";
            else if (c == ']')
                out += "&#93;";
            else
                out += c;
        }
        out += "&quot;]";
        out.append(text, i, end - i);
        out += "[/url]";
        at = i = end;
        any = true;
    }
    out.append(text, at);
    return any;
}

bool IsEmailChar(std::string_view s, size_t at, size_t& length, bool dot)
{
    length = 1;
    if (at >= s.size())
        return false;
    const unsigned char c = static_cast<unsigned char>(s[at]);
    if (c == '-' || c == '_' || (dot && c == '.'))
        return true;
    if (c < 0x80)
        return Ascii::IsAlnum(char(c));
    size_t end = at;
    const char32_t cp = Unicode::Decode(s, end);
    length = end - at;
    return Unicode::IsWordChar(cp);
}

bool EmailAfterOk(std::string_view s, size_t e)
{
    if (e >= s.size())
        return true;
    const char c = s[e];
    if (c == '?' || c == ',' || c == '[' || c == ']' || c == '(' || c == ')' || c == '*' || c == '\\'
        || Text::SpaceAt(s, e))
        return true;
    for (std::string_view w : {"<br>", "&nbsp;", "&gt;", "&lt;", "&quot;", "&#039;"})
        if (Has(s, e, w))
            return true;
    if (c == '.') {
        const size_t n = e + 1;
        return n >= s.size() || s[n] == '.' || s[n] == ';' || Has(s, n, "&nbsp;") || Text::SpaceAt(s, n)
            || Has(s, n, "<br>");
    }
    return false;
}

bool LinkEmails(std::string_view text, std::string& out)
{
    bool any = false;
    size_t at = 0;
    for (size_t a = text.find('@'); a != std::string_view::npos; a = text.find('@', a + 1)) {
        if (a < at)
            continue;
        // The local part: the run of [\w.-] before the "@", starting after
        // one of ? white space [ ] ( ) * \ ; > or the start.
        size_t start = a;
        while (start > at && a - start <= 80) {
            size_t k = start - 1;
            while (k > 0 && (static_cast<unsigned char>(text[k]) & 0xC0) == 0x80)
                --k;
            size_t length;
            if (!IsEmailChar(text, k, length, true))
                break;
            start = k;
        }
        if (start == a || a - start > 80)
            continue;
        if (start > 0) {
            const char b = text[start - 1];
            const bool ok = b == '?' || b == '[' || b == ']' || b == '(' || b == ')' || b == '*' || b == '\\'
                || b == ';' || b == '>' || Ascii::IsSpace(b)
                || Unicode::IsSpaceChar(Unicode::DecodeBefore(text, start));
            if (!ok)
                continue;
        }
        // The domain: a label, a dot, then more, ending on [\w-].
        size_t k = a + 1, length;
        while (IsEmailChar(text, k, length, false))
            k += length;
        if (k == a + 1 || !Has(text, k, "."))
            continue;
        size_t runEnd = k;
        while (IsEmailChar(text, runEnd, length, true))
            runEnd += length;
        size_t end = 0;
        for (size_t e = runEnd; e >= k + 3; --e) {
            if (text[e - 1] == '.' || (e < text.size() && (static_cast<unsigned char>(text[e]) & 0xC0) == 0x80))
                continue;
            if (EmailAfterOk(text, e)) {
                end = e;
                break;
            }
        }
        if (!end)
            continue;
        out.append(text, at, start - at);
        out += "[email]";
        out.append(text, start, end - start);
        out += "[/email]";
        at = end;
        any = true;
    }
    out.append(text, at);
    return any;
}

}  // namespace

bool LinkAddresses(std::string_view text, std::string& out)
{
    std::string urls;
    const bool linkUrls = text.find("[url") == std::string_view::npos && LinkUrls(text, urls);
    const std::string_view afterUrls = linkUrls ? std::string_view(urls) : text;
    std::string emails;
    const bool linkEmails = afterUrls.find('@') != std::string_view::npos
        && afterUrls.find("[email") == std::string_view::npos && LinkEmails(afterUrls, emails);
    if (!linkUrls && !linkEmails)
        return false;
    out = linkEmails ? std::move(emails) : std::move(urls);
    return true;
}

}  // namespace Smf21::Internal
