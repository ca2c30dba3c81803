// SPDX-License-Identifier: MIT
// The MyBB 1.8 renderer's link passes: pictures, videos, [url], [email] and
// the addresses found in running text.
#include "board/mybb18/Mybb18Links.h"

#include "board/mybb18/Mybb18Text.h"
#include "board/common/Ascii.h"
#include "board/common/Reserve.h"
#include "board/common/Unicode.h"
#include "board/common/UrlText.h"

#include <algorithm>
#include <array>
#include <optional>

namespace Mybb18::Passes {

namespace {

using Ascii::HasIgnoringCase;
using Text::Find;
constexpr size_t npos = std::string_view::npos;

// Scans a lazy "[^forbidden]+?" from `start` to the first `closer` at or
// after `start + 1`. Returns the closer's position; npos with `stop` = the
// forbidden character met, or npos when the text ended first.
size_t FindCloser(std::string_view in, size_t start, std::string_view closer, std::string_view forbidden, size_t& stop)
{
    for (size_t at = start; at < in.size(); ++at) {
        if (at > start && in[at] == closer[0] && HasIgnoringCase(in, at, closer))
            return at;
        if (forbidden.find(in[at]) != npos) {
            stop = at;
            return npos;
        }
    }
    stop = npos;
    return npos;
}

// PHP's basename() of an address.
std::string_view BaseName(std::string_view s)
{
    while (s.size() > 1 && s.back() == '/')
        s.remove_suffix(1);
    const size_t slash = s.rfind('/');
    return slash == npos ? s : s.substr(slash + 1);
}

std::string ImageHtml(std::string_view address, std::string_view width, std::string_view height, std::string_view align)
{
    std::string url;
    for (const char c : Ascii::TrimPhp(address))
        if (c != '\n' && c != '\r')
            url += c;
    const std::string alt = Text::SpecialChars(Text::Shorten(Text::DecodeSpecialChars(BaseName(url))));
    std::string html = "<img src=\"" + url + "\" loading=\"lazy\" ";
    if (!width.empty())
        html += " width=\"" + std::string(width) + "\" height=\"" + std::string(height) + "\"";
    html += " alt=\"[Image: " + alt + "]\"";
    if (!align.empty())
        html += " style=\"float: " + std::string(align) + ";\"";
    html += " class=\"mycode_img\" />";
    return html;
}

// The picture tag's opening at `at`: "[img]", "[img=WxH]", "[img align=A]"
// or "[img=WxH align=A]" as `form` (0 to 3) asks.
bool ImageOpening(std::string_view in, size_t at, int form, size_t& end, std::string_view& width,
                  std::string_view& height, std::string_view& align)
{
    size_t p = at + 4;
    width = height = align = {};
    if (form == 1 || form == 3) {
        if (p >= in.size() || in[p] != '=')
            return false;
        auto number = [&](std::string_view& out) {
            const size_t start = ++p;
            if (p >= in.size() || in[p] < '1' || in[p] > '9')
                return false;
            while (p < in.size() && Ascii::IsDigit(in[p]))
                ++p;
            out = in.substr(start, p - start);
            return true;
        };
        if (!number(width) || p >= in.size() || Ascii::Lower(in[p]) != 'x')
            return false;
        if (!number(height))
            return false;
    }
    if (form >= 2) {
        if (!HasIgnoringCase(in, p, " align="))
            return false;
        p += 7;
        if (HasIgnoringCase(in, p, "left"))
            align = in.substr(p, 4);
        else if (HasIgnoringCase(in, p, "right"))
            align = in.substr(p, 5);
        else
            return false;
        p += align.size();
        align = Ascii::EqualsIgnoringCase(align, "left") ? "left" : "right";
    }
    if (p >= in.size() || in[p] != ']')
        return false;
    end = p + 1;
    return true;
}

bool ImageForm(std::string_view in, int form, Passes::Context& context, std::string& out)
{
    size_t copied = 0;
    for (size_t at = Find(in, "[img", 0); at != npos; at = Find(in, "[img", at + 1)) {
        size_t end;
        std::string_view width, height, align;
        if (!ImageOpening(in, at, form, end, width, height, align))
            continue;
        if (end < in.size() && in[end] == '\n')
            ++end;
        const size_t scheme = HasIgnoringCase(in, end, "http://") ? 7 : HasIgnoringCase(in, end, "https://") ? 8 : 0;
        if (!scheme)
            continue;
        size_t stop;
        const size_t close = FindCloser(in, end + scheme, "[/img]", "<>\"'", stop);
        if (close == npos) {
            if (stop == npos)
                break;
            at = stop;  // every opening tag before the character fails on it too
            continue;
        }
        out.append(in, copied, at - copied);
        out += ImageHtml(in.substr(end, close - end), width, height, align);
        if (!align.empty())
            context.clearNeeded = true;
        copied = close + 6;
        at = copied - 1;
    }
    if (copied == 0)
        return false;
    out.append(in, copied);
    return true;
}

// --- videos ----------------------------------------------------------------

struct Url {
    std::string scheme, host, path, query, fragment;
};

// PHP's host name check: labels of letters, digits and inner hyphens, at
// most 63 long and 253 in all, starting and ending with a letter or digit;
// one final dot allowed.
bool ValidHostName(std::string_view host)
{
    if (!host.empty() && host.back() == '.')
        host.remove_suffix(1);
    if (host.empty() || host.size() > 253 || !Ascii::IsAlnum(host.front()) || !Ascii::IsAlnum(host.back()))
        return false;
    size_t label = 0;
    for (size_t at = 0; at < host.size(); ++at) {
        if (host[at] == '.') {
            if (!Ascii::IsAlnum(host[at - 1]) || !Ascii::IsAlnum(host[at + 1]))
                return false;
            label = 0;
        } else if (++label > 63 || (host[at] != '-' && !Ascii::IsAlnum(host[at]))) {
            return false;
        }
    }
    return true;
}

// An address's user or password: letters, digits, "-._~!$&'()*+,;=:" and
// %HH escapes.
bool ValidUserInfo(std::string_view s)
{
    for (size_t at = 0; at < s.size(); ++at) {
        if (s[at] == '%') {
            if (at + 2 >= s.size() || !Ascii::IsHexDigit(s[at + 1]) || !Ascii::IsHexDigit(s[at + 2]))
                return false;
            at += 2;
        } else if (!Ascii::IsAlnum(s[at]) && std::string_view("-._~!$&'()*+,;=:").find(s[at]) == npos) {
            return false;
        }
    }
    return true;
}

// PHP's FILTER_VALIDATE_URL: only the characters of addresses; a scheme;
// a host unless the scheme is mailto, news or file; a user and password
// of their characters; a port of at most 65535; and for http and https a
// valid host name or a bracketed IPv6 address.
bool ValidUrl(std::string_view s)
{
    static constexpr std::string_view Allowed = "$-_.+!*'(),{}|\\^~[]`<>#%\";/?:@&=";
    for (const char c : s)
        if (!(Ascii::IsAlnum(c) || Allowed.find(c) != npos))
            return false;
    size_t at = 0;
    if (s.empty() || !Ascii::IsAlpha(s[0]))
        return false;
    while (at < s.size() && (Ascii::IsAlnum(s[at]) || s[at] == '+' || s[at] == '-' || s[at] == '.'))
        ++at;
    if (at >= s.size() || s[at] != ':')
        return false;
    const std::string_view scheme = s.substr(0, at);
    const bool web = Ascii::EqualsIgnoringCase(scheme, "http") || Ascii::EqualsIgnoringCase(scheme, "https");
    if (s.compare(at, 3, "://") != 0)
        return !web && (scheme == "mailto" || scheme == "news" || scheme == "file");
    std::string_view authority = s.substr(at + 3);
    authority = authority.substr(0, authority.find_first_of("/?#"));
    if (const size_t user = authority.rfind('@'); user != npos) {
        const std::string_view info = authority.substr(0, user);
        const size_t colon = info.find(':');
        if (!ValidUserInfo(info.substr(0, colon)) || (colon != npos && !ValidUserInfo(info.substr(colon + 1))))
            return false;
        authority.remove_prefix(user + 1);
    }
    if (authority.empty())
        return false;
    std::string_view host = authority, port;
    if (authority.front() == '[') {
        const size_t bracket = authority.find(']');
        if (bracket == npos || (bracket + 1 < authority.size() && authority[bracket + 1] != ':'))
            return false;
        host = authority.substr(0, bracket + 1);
        port = authority.substr(std::min(authority.size(), bracket + 2));
    } else if (const size_t colon = authority.rfind(':'); colon != npos) {
        host = authority.substr(0, colon);
        port = authority.substr(colon + 1);
    }
    if (host.empty())
        return false;
    if (!port.empty()) {
        if (!Ascii::IsDigit(port.front()))
            return false;
        size_t digits = 0;
        while (digits < port.size() && Ascii::IsDigit(port[digits]))
            ++digits;
        if (digits > 5 || Text::ToInt(port.substr(0, digits)) > 65535)
            return false;
    }
    if (!web)
        return true;
    if (host.front() == '[') {
        const std::string_view address = host.substr(1, host.size() - 2);
        return address.find(':') != npos && address.find("::") != npos
            ? std::all_of(address.begin(), address.end(),
                          [](char c) { return Ascii::IsHexDigit(c) || c == ':' || c == '.'; })
            : std::count(address.begin(), address.end(), ':') == 7
                && std::all_of(address.begin(), address.end(), [](char c) { return Ascii::IsHexDigit(c) || c == ':'; });
    }
    return ValidHostName(host);
}

// The host of an address as PHP's parse_url() gives it: no user, no port,
// an IPv6 address with its brackets.
std::string_view HostOf(std::string_view url)
{
    const size_t scheme = url.find("://");
    std::string_view authority = scheme == npos ? std::string_view() : url.substr(scheme + 3);
    authority = authority.substr(0, authority.find_first_of("/?#"));
    if (const size_t user = authority.rfind('@'); user != npos)
        authority.remove_prefix(user + 1);
    if (!authority.empty() && authority.front() == '[')
        return authority.substr(0, authority.find(']') + 1);
    return authority.substr(0, authority.find(':'));
}

Url ParseUrl(std::string_view s)
{
    Url url;
    const size_t colon = s.find("://");
    size_t at = 0;
    if (colon != npos) {
        url.scheme = s.substr(0, colon);
        at = colon + 3;
        size_t end = at;
        while (end < s.size() && s[end] != '/' && s[end] != '?' && s[end] != '#')
            ++end;
        url.host = HostOf(s);
        at = end;
    }
    const size_t hash = s.find('#', at);
    const std::string_view beforeHash = s.substr(at, hash == npos ? npos : hash - at);
    if (hash != npos)
        url.fragment = s.substr(hash + 1);
    const size_t question = beforeHash.find('?');
    url.path = beforeHash.substr(0, question);
    if (question != npos)
        url.query = beforeHash.substr(question + 1);
    return url;
}

std::vector<std::string> Split(std::string_view s, char by)
{
    std::vector<std::string> parts;
    for (size_t from = 0;;) {
        const size_t at = s.find(by, from);
        parts.emplace_back(s.substr(from, at == npos ? npos : at - from));
        if (at == npos)
            return parts;
        from = at + 1;
    }
}

std::string VideoHtml(std::string_view video, std::string_view address, Context& context)
{
    const std::string literal = "[video=" + std::string(video) + "]" + std::string(address) + "[/video]";
    if (video.empty() || address.empty() || !ValidUrl(address))
        return literal;
    const Url url = ParseUrl(UrlText::Decode(address));
    std::string query = url.query;
    if (video == "liveleak" && !query.empty())
        query = "i" + query.substr(1);
    // PHP's list($key, $value) = explode("=", $pair): the value is what
    // lies between the first and a second "=", unset (null) without one;
    // a later key replaces an earlier one.
    std::vector<std::pair<std::string, std::optional<std::string>>> input;
    for (const std::string& pair : Split(query, '&')) {
        const std::vector<std::string> sides = Split(pair, '=');
        std::string key;
        for (size_t from = 0;;) {  // str_replace("amp;", "", $key): one pass
            const size_t at = sides[0].find("amp;", from);
            key.append(sides[0], from, at == npos ? npos : at - from);
            if (at == npos)
                break;
            from = at + 4;
        }
        input.emplace_back(key, sides.size() > 1 ? std::optional<std::string>(sides[1]) : std::nullopt);
    }
    auto lookup = [&](std::string_view key) {
        std::optional<std::string> value;
        for (const auto& [k, v] : input)
            if (k == key)
                value = v;
        return value;
    };
    auto get = [&](std::string_view key) { return lookup(key).value_or(std::string()); };
    const std::vector<std::string> path = Split(url.path, '/');
    auto part = [&](size_t i) { return i < path.size() ? path[i] : std::string(); };
    std::string id, local;
    if (video == "dailymotion") {
        id = path.size() > 2 ? Split(path[2], '_')[0] : part(1);
    } else if (video == "metacafe") {
        id = part(2);
    } else if (video == "myspacetv") {
        id = part(4);
    } else if (video == "facebook") {
        if (lookup("v"))  // isset(): an empty value counts, and then there is no video
            id = get("v");
        else if (part(3).substr(0, 3) == "vb.")
            id = part(4);
        else
            id = part(3);
    } else if (video == "mixer") {
        id = part(1);
    } else if (video == "liveleak") {
        id = get("i");
    } else if (video == "yahoo") {
        id = path.size() > 2 ? path[2] : part(1);
        const std::string first = Split(url.host, '.')[0];
        if (first != "screen" && !first.empty()
            && std::all_of(first.begin(), first.end(), [](char c) { return (c >= 'a' && c <= 'z') || c == '-'; }))
            local = first + ".";
    } else if (video == "vimeo") {
        id = path.size() > 3 ? path[3] : part(1);
    } else if (video == "youtube") {
        const std::string fragment = Split(url.fragment, '&')[0];
        if (!fragment.empty() && fragment != "0") {
            id = fragment;
            for (size_t at = id.find("!v="); at != npos; at = id.find("!v="))
                id.erase(at, 3);
        } else if (!get("v").empty() && get("v") != "0") {
            id = get("v");
        } else {
            id = part(1);
        }
    } else if (video == "twitch") {
        if (path.size() >= 3 && path[1] == "videos")
            id = "video=v" + path[2];
        else if (path.size() >= 4 && path[2] == "v")
            id = "video=v" + path[3];
        else if (path.size() >= 2)
            id = "channel=" + path[1];
    } else {
        return literal;
    }
    if (id.empty() || id == "0")
        return literal;
    id = Text::SpecialChars(id);
    if (video == "youtube")
        return "<iframe width=\"560\" height=\"315\" src=\"//www.youtube-nocookie.com/embed/" + id
            + "\" frameborder=\"0\" allowfullscreen=\"true\"></iframe>";
    if (video == "vimeo")
        return "<iframe src=\"//player.vimeo.com/video/" + id
            + "\" width=\"500\" height=\"375\" frameborder=\"0\" allowfullscreen=\"true\"></iframe>";
    if (video == "dailymotion")
        return "<iframe frameborder=\"0\" width=\"480\" height=\"270\" src=\"//www.dailymotion.com/embed/video/" + id
            + "\" allowfullscreen=\"true\"></iframe>";
    if (video == "twitch") {
        const std::string_view host = HostOf(context.options.boardUrl);
        return "<iframe src=\"https://player.twitch.tv/?" + id + "&amp;parent=" + Text::SpecialChars(host)
            + "&amp;autoplay=false\" frameborder=\"0\" allowfullscreen=\"true\" scrolling=\"no\" height=\"378\" "
              "width=\"620\"></iframe>";
    }
    if (video == "facebook")
        return "<iframe src=\"https://www.facebook.com/video/embed?video_id=" + id
            + "\" width=\"625\" height=\"350\" frameborder=\"0\"></iframe>";
    if (video == "metacafe") {
        // The board's player markup for this site is not well-formed, so
        // its output check refuses the whole post.
        context.refused = true;
        return {};
    }
    if (video == "liveleak")
        return "<iframe width=\"500\" height=\"300\" src=\"https://www.liveleak.com/ll_embed?i=" + id
            + "\" frameborder=\"0\" allowfullscreen=\"true\"></iframe>";
    if (video == "mixer")
        return "<iframe allowfullscreen=\"true\" src=\"https://mixer.com/embed/player/" + id
            + "\" width=\"620\" height=\"349\" frameborder=\"0\" scrolling=\"no\"></iframe>";
    if (video == "yahoo")
        return "<iframe width=\"640\" height=\"360\" scrolling=\"no\" frameborder=\"0\" src=\"https://" + local
            + "screen.yahoo.com/" + id
            + "?format=embed\" allowfullscreen=\"true\" mozallowfullscreen=\"true\" webkitallowfullscreen=\"true\" "
              "allowtransparency=\"true\"></iframe>";
    return "<iframe width=\"480\" height=\"270\" src=\"//media.myspace.com/play/video/" + id
        + "\" frameborder=\"0\" allowfullscreen=\"true\"></iframe>";
}

// --- [email] ---------------------------------------------------------------

bool InLocal(char c) { return Ascii::IsAlnum(c) || c == '-' || c == '_' || c == '+' || c == '.'; }
bool InDomain(char c) { return Ascii::IsAlnum(c) || c == '-'; }
bool InEnd(char c) { return InDomain(c) || c == '.'; }

// The end of "L+@D+\.E+" at `at` (npos: none).
size_t AddressEnd(std::string_view s, size_t at)
{
    size_t p = at;
    while (p < s.size() && InLocal(s[p]))
        ++p;
    if (p == at || p >= s.size() || s[p] != '@')
        return npos;
    const size_t domain = ++p;
    while (p < s.size() && InDomain(s[p]))
        ++p;
    if (p == domain || p >= s.size() || s[p] != '.')
        return npos;
    const size_t end = ++p;
    while (p < s.size() && InEnd(s[p]))
        ++p;
    return p == end ? npos : p;
}

std::string EmailHtml(std::string_view email, std::string_view name)
{
    if (name.empty() || name == "0")
        name = email;
    std::string address(email);
    if (AddressEnd(email, 0) != email.size())
        address = Text::SpecialChars(email);
    return "<a href=\"mailto:" + address + "\" class=\"mycode_email\">" + std::string(name) + "</a>";
}

// --- addresses in running text ---------------------------------------------

bool IsWord(std::string_view s, size_t at)
{
    if (static_cast<unsigned char>(s[at]) < 0x80)
        return Ascii::IsWord(s[at]);
    size_t p = at;
    return Unicode::IsWordChar(Unicode::Decode(s, p));
}

size_t CharLength(std::string_view s, size_t at)
{
    size_t p = at;
    Unicode::Decode(s, p);
    return p - at;
}

bool IsSpaceAt(std::string_view s, size_t at, size_t& length)
{
    size_t p = at;
    const char32_t cp = Unicode::Decode(s, p);
    length = p - at;
    return Unicode::IsSpaceChar(cp);
}

// The length of the address after a prefix at `start`: host, port, path and
// a last character that is a letter, digit, "_", "/" or ")", as the board's
// pattern takes it (greedy, then giving back); 0 when there is none.
size_t LinkLength(std::string_view s, size_t start)
{
    auto hostChar = [&](size_t at, size_t& n) {
        if (s[at] == '/' || s[at] == '"' || s[at] == '<' || s[at] == '[' || s[at] == '.')
            return false;
        return !IsSpaceAt(s, at, n);
    };
    // Ends of the dotted segments.
    std::vector<size_t> segments{start};
    for (size_t at = start;;) {
        size_t p = at, n = 1;
        while (p < s.size() && hostChar(p, n))
            p += n;
        if (p == at || p >= s.size() || s[p] != '.')
            break;
        at = p + 1;
        segments.push_back(at);
    }
    for (size_t j = segments.size(); j-- > 0;) {
        const size_t word = segments[j];
        size_t p = word;
        std::vector<size_t> ends;  // where the final character may stand
        while (p < s.size() && IsWord(s, p)) {
            if (p > word)
                ends.push_back(p);
            p += CharLength(s, p);
        }
        if (p == word)
            continue;
        ends.push_back(p);  // the final character after the whole word run
        // Port.
        if (p < s.size() && s[p] == ':' && p + 1 < s.size() && Ascii::IsDigit(s[p + 1])) {
            ends.push_back(p);
            ++p;
            while (p < s.size() && Ascii::IsDigit(s[p])) {
                if (p > 0 && Ascii::IsDigit(s[p - 1]) && s[p - 1] != ':')
                    ends.push_back(p);
                ++p;
            }
            ends.push_back(p);
        }
        // Path.
        if (p < s.size() && s[p] == '/') {
            ends.push_back(p);
            ++p;
            ends.push_back(p);
            while (p < s.size()) {
                size_t n = 1;
                if (s.compare(p, 2, "[]") == 0)
                    n = 2;
                else if (s[p] == '&') {
                    if (s.compare(p, 5, "&amp;") == 0)
                        n = 5;
                    else if (s.compare(p, 4, "&lt;") == 0 || s.compare(p, 4, "&gt;") == 0)
                        n = 4;
                    else
                        break;
                } else if (s[p] == '"' || s[p] == '<' || s[p] == '[' || IsSpaceAt(s, p, n))
                    break;
                else
                    n = CharLength(s, p);
                p += n;
                ends.push_back(p);
            }
        }
        // The last place where a final character stands.
        for (size_t k = ends.size(); k-- > 0;) {
            const size_t at = ends[k];
            if (at < s.size() && (IsWord(s, at) || s[at] == '/' || s[at] == ')'))
                return at + CharLength(s, at) - start;
        }
    }
    return 0;
}

}  // namespace

void Images(std::string& text, std::string& spare, Context& context)
{
    if (Find(text, "[img", 0) == npos)
        return;
    for (int form = 0; form < 4; ++form) {
        spare.clear();
        if (ImageForm(text, form, context, spare))
            text.swap(spare);
    }
}

bool Videos(std::string_view in, std::string& out, Context& context)
{
    size_t copied = 0;
    for (size_t at = Find(in, "[video=", 0); at != npos; at = Find(in, "[video=", at + 1)) {
        size_t line = in.find('\n', at);
        if (line == npos)
            line = in.size();
        const size_t bracket = in.find(']', at + 7);
        if (bracket == npos || bracket > line) {
            at = line;
            continue;
        }
        const size_t close = Find(in.substr(0, line), "[/video]", bracket + 1);
        if (close == npos) {
            at = line;
            continue;
        }
        out.append(in, copied, at - copied);
        out += VideoHtml(in.substr(at + 7, bracket - at - 7), in.substr(bracket + 1, close - bracket - 1), context);
        copied = close + 8;
        at = copied - 1;
    }
    if (copied == 0)
        return false;
    out.append(in, copied);
    return true;
}

namespace {

// A link as the board writes it for an address and its text.
std::string Link(std::string url, std::string name)
{
    size_t scheme = 0;
    while (scheme < url.size() && Ascii::IsAlnum(url[scheme]))
        ++scheme;
    if (scheme == 0 || url.compare(scheme, 3, "://") != 0)
        url = "http://" + url;
    if (name.empty() || name == "0")
        name = url;
    if (name == url)
        name = Text::SpecialChars(Text::Shorten(Text::DecodeSpecialChars(name)));
    std::string href;
    for (size_t at = 0; at < url.size(); ++at) {
        switch (url[at]) {
        case '$':
            href += "%24";
            break;
        case '^':
            href += "%5E";
            break;
        case '`':
            href += "%60";
            break;
        case '[':
            href += "%5B";
            break;
        case ']':
            href += "%5D";
            break;
        case '{':
            href += "%7B";
            break;
        case '}':
            href += "%7D";
            break;
        case '"':
            href += "%22";
            break;
        case '<':
            href += "%3C";
            break;
        case '>':
            href += "%3E";
            break;
        case ' ':
            href += "%20";
            break;
        case '&':
            if (url.compare(at, 5, "&#36;") == 0) {
                href += "%24";
                at += 4;
                break;
            }
            [[fallthrough]];
        default:
            href += url[at];
        }
    }
    // "&amp;#N;" in the text back to "&#N;".
    std::string shown;
    for (size_t at = 0; at < name.size(); ++at) {
        if (name.compare(at, 6, "&amp;#") == 0) {
            size_t end = at + 6;
            while (end < name.size() && Ascii::IsDigit(name[end]))
                ++end;
            if (end > at + 6 && end < name.size() && name[end] == ';') {
                shown += '&';
                at += 4;
                continue;
            }
        }
        shown += name[at];
    }
    return "<a href=\"" + href + "\" target=\"_blank\" rel=\"noopener\" class=\"mycode_url\">" + shown + "</a>";
}

}  // namespace

void Links(std::string& text, std::string& spare)
{
    if (Find(text, "[url", 0) == npos)
        return;
    // [url]scheme://...[/url], [url]...[/url], [url=scheme://...]text[/url], [url=...]text[/url]
    for (int form = 0; form < 4; ++form) {
        const std::string_view s = text;
        const bool named = form >= 2, scheme = form % 2 == 0;
        std::string& out = spare;
        out.clear();
        size_t copied = 0;
        for (size_t at = Find(s, named ? "[url=" : "[url]", 0); at != npos;
             at = Find(s, named ? "[url=" : "[url]", at + 1)) {
            const size_t start = at + 5;
            size_t rest = start;
            if (scheme) {
                while (rest < s.size() && Ascii::IsAlpha(s[rest]))
                    ++rest;
                if (rest == start || !HasIgnoringCase(s, rest, "://") || HasIgnoringCase(s, start, "javascript"))
                    continue;
                rest += 3;
            } else if (HasIgnoringCase(s, start, "javascript:")) {
                continue;
            }
            size_t stop;
            std::string_view url, name;
            size_t end;
            if (!named) {
                const size_t close = FindCloser(s, rest, "[/url]", "\n\"<", stop);
                if (close == npos) {
                    if (stop == npos)
                        break;
                    at = stop;
                    continue;
                }
                url = s.substr(start, close - start);
                end = close + 6;
            } else {
                const size_t bracket = FindCloser(s, rest, "]", "\n\"<", stop);
                if (bracket == npos) {
                    if (stop == npos)
                        break;
                    at = stop;
                    continue;
                }
                const size_t close = Find(s, "[/url]", bracket + 2);
                if (close == npos)
                    break;
                url = s.substr(start, bracket - start);
                name = s.substr(bracket + 1, close - bracket - 1);
                end = close + 6;
            }
            if (copied == 0)
                bbcode::ReserveFor(out, s.size() + s.size() / 4);
            out.append(s, copied, at - copied);
            out += Link(std::string(url), std::string(name));
            copied = end;
            at = end - 1;
        }
        if (copied) {
            out.append(s, copied);
            text.swap(out);
        }
    }
}

void Emails(std::string& text, std::string& spare)
{
    if (Find(text, "[email", 0) == npos)
        return;
    for (int form = 0; form < 2; ++form) {
        const std::string_view s = text;
        const bool named = form == 1;
        std::string& out = spare;
        out.clear();
        size_t copied = 0;
        for (size_t at = Find(s, named ? "[email=" : "[email]", 0); at != npos;
             at = Find(s, named ? "[email=" : "[email]", at + 1)) {
            const size_t start = at + 7;
            size_t address = AddressEnd(s, start);
            if (address == npos)
                continue;
            size_t line = s.find('\n', start);
            if (line == npos)
                line = s.size();
            std::string_view email, name;
            size_t end;
            if (!named) {
                const size_t close = Find(s, "[/email]", address);
                if (close == npos)
                    break;
                if (close != address && (s[address] != '?' || close > line))
                    continue;
                email = s.substr(start, close - start);
                end = close + 8;
            } else {
                size_t bracket = address;
                if (s[address] == '?')
                    bracket = s.find(']', address);
                if (bracket == npos || bracket > line || s[bracket] != ']')
                    continue;
                const size_t close = Find(s.substr(0, line), "[/email]", bracket + 1);
                if (close == npos) {
                    at = line;
                    continue;
                }
                email = s.substr(start, bracket - start);
                name = s.substr(bracket + 1, close - bracket - 1);
                end = close + 8;
            }
            if (copied == 0)
                bbcode::ReserveFor(out, s.size() + s.size() / 4);
            out.append(s, copied, at - copied);
            out += EmailHtml(email, name);
            copied = end;
            at = end - 1;
        }
        if (copied) {
            out.append(s, copied);
            text.swap(out);
        }
    }
}

bool AutoLinks(std::string_view s, std::string& out)
{
    size_t copied = 0;
    size_t angle = 0;  // the next "<" or ">" at or after the last query, cached
    size_t angleFrom = 1;
    // The board's pattern is tried at every position from left to right,
    // skipping what a link or a passed-over link took. Only where a prefix
    // starts can it match, and a prefix ends three to five bytes before a
    // ":" or "."; so the walk goes from mark to mark and tries the
    // positions a mark implies, in order (a prefix is letters, so these
    // never lie before an earlier "<"). `next`: the first position still
    // to try.
    size_t next = 0;
    for (size_t mark = Text::FindAnyOf(s, 0, ':', '.', '<'); mark != npos;
         mark = Text::FindAnyOf(s, mark + 1, ':', '.', '<')) {
        if (mark < next)
            continue;
        size_t at;
        if (s[mark] == '<') {
            next = mark + 1;
            // An existing link is passed over whole when its text holds no
            // newline (the board's ".*?" stops at one); else the addresses
            // in its text are looked at like any others.
            if (HasIgnoringCase(s, mark, "<a") && mark + 2 < s.size() && Ascii::IsSpace(s[mark + 2])) {
                const size_t tagEnd = s.find('>', mark);
                const size_t close = tagEnd == npos ? npos : Find(s, "</a>", tagEnd + 1);
                if (close != npos && s.substr(tagEnd, close - tagEnd).find('\n') == npos) {
                    next = close + 4;
                    mark = close + 3;
                }
            }
            continue;
        }
        if (s[mark] == '.') {
            if (mark < next + 3 || !(HasIgnoringCase(s, mark - 3, "www.") || HasIgnoringCase(s, mark - 3, "ftp.")))
                continue;
            at = mark - 3;
        } else {
            at = npos;
            for (const size_t back : {5, 4, 3})  // "https", "http"/"news"/"ircs"/"irc6", "ftp"/"irc"
                if (mark >= next + back && s.compare(mark, 3, "://") == 0) {
                    const std::string_view word = s.substr(mark - back, back);
                    for (const std::string_view scheme : {"https", "http", "news", "ircs", "irc6", "ftp", "irc"})
                        if (scheme.size() == back && Ascii::EqualsIgnoringCase(word, scheme)) {
                            at = mark - back;
                            break;
                        }
                    if (at != npos)
                        break;
                }
            if (at == npos)
                continue;
        }
        next = at + 1;
        // The character before: white space, "(", ")", "[" or ">"; the
        // board puts a space before the text, so the start counts as one.
        if (at > 0) {
            const char b = s[at - 1];
            bool before = b == '(' || b == ')' || b == '[' || b == '>' || Ascii::IsSpace(b);
            if (!before && static_cast<unsigned char>(b) >= 0x80)
                before = Unicode::IsSpaceChar(Unicode::DecodeBefore(s, at));
            if (!before)
                continue;
        }
        size_t prefix = 0;
        for (const std::string_view p :
             {"http://", "https://", "ftp://", "news://", "irc://", "ircs://", "irc6://", "www.", "ftp."})
            if (HasIgnoringCase(s, at, p)) {
                prefix = p.size();
                break;
            }
        if (!prefix)
            continue;
        const size_t length = LinkLength(s, at + prefix);
        if (!length)
            continue;
        size_t end = at + prefix + length;
        // Not inside a tag: no ">" before the next "<".
        if (end < angleFrom || end > angle) {
            angleFrom = end;
            angle = s.find_first_of("<>", end);
        }
        if (angle != npos && s[angle] == '>')
            continue;
        std::string link(s.substr(at + prefix, length));
        std::string external;
        while (!link.empty() && link.back() == ')') {
            if (std::count(link.begin(), link.end(), ')') <= std::count(link.begin(), link.end(), '('))
                break;
            link.pop_back();
            external.insert(0, 1, ')');
            while (!link.empty()
                   && (link.back() == '.' || link.back() == ',' || link.back() == '?' || link.back() == '!')) {
                external.insert(0, 1, link.back());
                link.pop_back();
            }
        }
        const std::string url = std::string(s.substr(at, prefix)) + link;
        if (copied == 0)
            bbcode::ReserveFor(out, s.size() + s.size() / 8);
        out.append(s, copied, at - copied);
        out += Link(url, url);
        out += external;
        copied = end;
        next = end;
        mark = end - 1;
    }
    if (copied == 0)
        return false;
    out.append(s, copied);
    return true;
}

}  // namespace Mybb18::Passes
