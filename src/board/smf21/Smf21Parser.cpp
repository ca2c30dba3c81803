// SPDX-License-Identifier: MIT
#include "board/smf21/Smf21Parser.h"

#include "board/smf21/Smf21Links.h"
#include "board/smf21/Smf21Php.h"
#include "board/smf21/Smf21Text.h"
#include "board/common/Ascii.h"
#include "board/common/ByteScan.h"
#include "board/common/Reserve.h"
#include "board/common/Unicode.h"
#include "board/common/UrlText.h"

#include <algorithm>
#include <array>
#include <vector>

namespace Smf21::Internal {

using Text::Has;
using Ascii::HasIgnoringCase;

namespace {

// At most this many tags are open at once; tags past it stay text. The
// board has no such bound, but no post needs it, and it keeps the work a
// stray closing tag causes (the board walks through every open tag)
// within a constant.
constexpr size_t MaxOpenTags = 256;
// Room before the text, so that the closing tags an item marker adds
// further on can be written by moving the text in between back.
constexpr size_t Padding = 32;
// A parameterised tag's parameters are looked for this far at most.
constexpr size_t MaxParamText = 4096;

// The next `needle` at or after a position, for searches whose starting
// points mostly move forward: the last occurrence found and the stretch at
// the end known to hold none are remembered, so no byte is searched twice
// for the same needle.
class Finder {
public:
    static constexpr size_t None = std::string_view::npos;

    Finder() = default;
    Finder(std::string needle, bool ignoreCase) : m_needle(std::move(needle)), m_ignoreCase(ignoreCase) {}

    bool Ready() const { return !m_needle.empty(); }

    size_t From(std::string_view text, size_t from)
    {
        if (m_from != None && from >= m_from && from <= m_at)
            return m_at;
        if (m_empty != None && from >= m_empty)
            return None;
        const size_t limit = m_empty != None ? std::min(text.size(), m_empty + m_needle.size() - 1) : text.size();
        const std::string_view range = text.substr(0, limit);
        const size_t at = m_ignoreCase ? Text::FindCi(range, m_needle, from) : range.find(m_needle, from);
        if (at == None) {
            m_empty = from;
            return None;
        }
        m_from = from;
        m_at = at;
        return at;
    }

    // The text [begin, end) moved `by` bytes back and `inserted` was
    // written after it (at end - by).
    void Moved(size_t begin, size_t end, size_t by, std::string_view inserted)
    {
        auto shift = [&](size_t& at) {
            if (at != None && at >= begin && at < end)
                at -= by;
        };
        shift(m_from);
        shift(m_at);
        shift(m_empty);
        const size_t o = m_ignoreCase ? Text::FindCi(inserted, m_needle, 0) : inserted.find(m_needle);
        if (o == None)
            return;
        const size_t at = end - by + o;
        if (m_empty != None && m_empty <= at) {
            m_from = m_empty;
            m_at = at;
            m_empty = end;
        } else if (m_from != None && at >= m_from && at < m_at) {
            m_at = at;
        }
    }

private:
    std::string m_needle;
    bool m_ignoreCase = false;
    size_t m_from = None, m_at = None;  // an occurrence at m_at, none in [m_from, m_at)
    size_t m_empty = None;              // none in [m_empty, end)
};

struct OpenTag {
    std::string_view tag;  // its name as the board compares it
    Name name;
    std::string after;
    bool block = false;
    Trim trim = Trim::None;
    bool hasRequireParents = false;
    bool hasRequireChildren = false;
    NameSet requireChildren = 0;
    bool hasDisallow = false;
    NameSet disallow = 0;
};

// A text being scanned: the stored message (with room before it) or the
// text the address linking made of a piece of it.
struct Cursor {
    Cursor(std::string& text, size_t read, bool madeByLinking) : m(text), r(read), linked(madeByLinking) {}

    std::string& m;
    size_t r;     // everything before has been written out
    bool linked;  // made by the address linking: not linked again
    Finder bracket{"]", false}, quoteBracket{"&quot;]", false}, lineBreak{"<br>", false}, closing{"[/", false};
    std::array<Finder, size_t(Name::None)> closers;

    void Forget()
    {
        bracket = Finder("]", false);
        quoteBracket = Finder("&quot;]", false);
        lineBreak = Finder("<br>", false);
        closing = Finder("[/", false);
        closers = {};
    }

    void Moved(size_t begin, size_t end, size_t by, std::string_view inserted)
    {
        bracket.Moved(begin, end, by, inserted);
        quoteBracket.Moved(begin, end, by, inserted);
        lineBreak.Moved(begin, end, by, inserted);
        closing.Moved(begin, end, by, inserted);
        for (Finder& f : closers)
            f.Moved(begin, end, by, inserted);
    }
};

// (&nbsp;|\s)* and, with `breaks`, <br> among them.
size_t EatSpace(std::string_view m, size_t at, bool breaks)
{
    for (;;) {
        if (at < m.size() && Ascii::IsSpace(m[at]))
            ++at;
        else if (Has(m, at, "&nbsp;"))
            at += 6;
        else if (breaks && Has(m, at, "<br>"))
            at += 4;
        else
            return at;
    }
}

std::string RemoveBreaks(std::string_view s);

// A link's address as the board reads it from the tag: trimmed, line
// breaks taken out, spaces as %20.
std::string LinkAddress(std::string_view data)
{
    std::string out;
    for (const char c : RemoveBreaks(Ascii::TrimPhp(data))) {
        if (c == ' ')
            out += "%20";
        else
            out += c;
    }
    return out;
}

std::string RemoveBreaks(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (Has(s, i, "<br>"))
            i += 3;
        else
            out += s[i];
    }
    return out;
}

// Whether the board's address parser gives up on `url`: a scheme and "//"
// with no host after them ("http://", "http:///x", "http://#top").
bool Unparsable(std::string_view url, std::string_view scheme)
{
    const size_t host = scheme.size() + 3;
    if (scheme.empty() || !Has(url, scheme.size(), "://"))
        return false;
    size_t end = url.find_first_of("/?#", host);
    if (end == std::string_view::npos)
        end = url.size();
    const size_t user = url.rfind('@', end);
    const size_t start = user != std::string_view::npos && user >= host ? user + 1 : host;
    return start == end || url[start] == ':';
}

// An address without a scheme gets "//" (the board's display rule), and so
// does one the board cannot parse, unless `keepUnparsable` (pictures).
std::string WithScheme(std::string url, bool keepUnparsable = false)
{
    const std::string scheme = UrlText::SchemeOf(url);
    if (!scheme.empty() && (keepUnparsable || !Unparsable(url, scheme)))
        return url;
    size_t start = 0;
    while (start < url.size() && (url[start] == ':' || url[start] == '/'))
        ++start;
    return "//" + url.substr(start);
}

// Characters an address keeps as they are once it is made ASCII: letters,
// digits, "-_.~" and the delimiters "!#$&'()*+,/:;=?@", and "%" (an address
// already encoded stays as it is).
bool KeptInUrl(unsigned char c)
{
    static constexpr std::string_view Kept = "-_.~!#$&'()*+,/:;=?@%";
    return c < 0x80 && (Ascii::IsAlnum(char(c)) || Kept.find(char(c)) != std::string_view::npos);
}

// The address as ASCII: an international host name in punycode, every
// other byte outside KeptInUrl percent-encoded (spaces, brackets, bytes
// beyond ASCII and the like).
std::string AsciiUrl(const std::string& url)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string out;
    size_t i = 0;
    const size_t slashes = url.find("//");
    if (slashes != std::string::npos && (slashes == 0 || url.compare(slashes - 1, 1, ":") == 0)) {
        const size_t hostStart = slashes + 2;
        size_t hostEnd = url.find_first_of("/?#", hostStart);
        if (hostEnd == std::string::npos)
            hostEnd = url.size();
        const std::string host = url.substr(hostStart, hostEnd - hostStart);
        std::string ascii;
        out = url.substr(0, hostStart);
        if (Unicode::NextNonAscii(host, 0) < host.size() && host.find_first_of("@:") == std::string::npos
            && Unicode::HostToAscii(host, ascii))
            out += ascii;
        else
            out += host;
        i = hostEnd;
    }
    for (; i < url.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(url[i]);
        if (!KeptInUrl(c)) {
            out += '%';
            out += Hex[c >> 4];
            out += Hex[c & 15];
        } else {
            out += char(c);
        }
    }
    return out;
}

// Parameter values can hold no "$" or "{" that a later substitution would read.
std::string ParamValue(std::string_view value)
{
    std::string out;
    for (const char c : value) {
        if (c == '$')
            out += "&#036;";
        else if (c == '{')
            out += "&#123;";
        else
            out += c;
    }
    return out;
}

bool IsNumeric(std::string_view s)
{
    size_t i = 0;
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        ++i;
    if (i == s.size())
        return false;
    for (; i < s.size(); ++i)
        if (s[i] < '0' || s[i] > '9')
            return false;
    return s.size() <= 18;
}

// Room for `more` bytes after the end of `buffer`. When it must move, it
// grows by half rather than doubling: while it moves, old and new room
// are held together, 2.5 times the contents rather than 3.
void Grow(std::string& buffer, size_t more)
{
    if (buffer.size() + more > buffer.capacity())
        bbcode::ReserveExactly(buffer, std::max(buffer.size() + more, buffer.capacity() + buffer.capacity() / 2));
}

class Parser {
public:
    Parser(const Environment& environment, bool smilies, NameSet allowed)
        : m_env(environment), m_smilies(smilies), m_allowed(allowed)
    {
    }

    std::string Run(std::string stored)
    {
        std::string m = std::move(stored);
        m.insert(0, Padding, ' ');
        m_out.reserve(m.size() + m.size() / 2);
        Cursor top{m, Padding, false};
        Scan(top, true);
        while (!m_open.empty()) {
            Emit(m_open.back().after);
            Pop();
        }
        std::string().swap(m);  // the working copy is done with: free it before the last passes
        return Finish();
    }

private:
    // Generated HTML goes between two "\n", which the text never holds
    // (its line breaks are <br> by now): the smilies pass tells text from
    // HTML by them.
    void Emit(std::string_view code)
    {
        Grow(m_out, code.size() + 2);
        m_out += '\n';
        m_out += code;
        m_out += '\n';
    }

    void Push(OpenTag tag)
    {
        if (tag.name == Name::Quote)
            ++m_quotes;
        if (tag.name == Name::Url || tag.name == Name::Iurl || tag.name == Name::Email)
            ++m_noLinks;
        m_open.push_back(std::move(tag));
    }

    OpenTag Pop()
    {
        OpenTag tag = std::move(m_open.back());
        m_open.pop_back();
        if (tag.name == Name::Quote)
            --m_quotes;
        if (tag.name == Name::Url || tag.name == Name::Iurl || tag.name == Name::Email)
            --m_noLinks;
        return tag;
    }

    // The template with "$1", "$2", the script address and the origin filled in.
    std::string Fill(std::string_view t, std::string_view one, std::string_view two = {}) const
    {
        std::string out;
        out.reserve(t.size() + one.size());
        for (size_t i = 0; i < t.size(); ++i) {
            if (t[i] == '$' && i + 1 < t.size() && (t[i + 1] == '1' || t[i + 1] == '2')) {
                out += t[i + 1] == '1' ? one : two;
                ++i;
            } else if (t[i] == '\x01') {
                out += m_env.scriptUrl;
            } else if (t[i] == '\x02') {
                out += m_env.origin;
            } else {
                out += t[i];
            }
        }
        return out;
    }

    // The template with its "{name}" parameters filled in.
    static std::string FillParams(std::string_view t, const TagDef& def, const std::string* values)
    {
        std::string out;
        for (size_t i = 0; i < t.size(); ++i) {
            bool done = false;
            if (t[i] == '{') {
                for (size_t k = 0; k < def.params.size(); ++k) {
                    const std::string_view name = def.params[k].name;
                    if (Has(t, i + 1, name) && Has(t, i + 1 + name.size(), "}")) {
                        out += values[k];
                        i += name.size() + 1;
                        done = true;
                        break;
                    }
                }
            }
            if (!done)
                out += t[i];
        }
        return out;
    }

    size_t NextTagStart(std::string_view m, size_t from) const
    {
        for (size_t i = Text::FindByte(m, '[', from); i != std::string_view::npos; i = Text::FindByte(m, '[', i + 1))
            if (TagStartAt(m, i))
                return i;
        return m.size();
    }

    // The text before a tag: addresses linked, tabs widened.
    void Chunk(Cursor& c, size_t end)
    {
        const std::string_view text = std::string_view(c.m).substr(c.r, end - c.r);
        std::string linked;
        const bool links = (m_allowed & Bit(Name::Url)) && m_noLinks == 0 && LinkAddresses(text, linked);
        if (!links && text.find('\t') == std::string_view::npos) {
            Grow(m_out, text.size());
            m_out += text;
            return;
        }
        std::string data;
        const std::string_view source = links ? std::string_view(linked) : text;
        data.reserve(source.size());
        for (const char ch : source) {
            if (ch == '\t')
                data += "&nbsp;&nbsp;&nbsp;";
            else
                data += ch;
        }
        if (!links) {
            Grow(m_out, data.size());
            m_out += data;
            return;
        }
        Cursor sub{data, 0, true};
        Scan(sub, false);
    }

    void Scan(Cursor& c, bool top)
    {
        std::string& m = c.m;
        size_t searchFrom = c.r;
        bool firstChunk = top, marker = false;
        for (;;) {
            const size_t p = NextTagStart(m, searchFrom);
            if (p > c.r) {
                const size_t length = p - c.r;
                if (!c.linked && (firstChunk || length + marker >= 2))
                    Chunk(c, p);
                else {
                    Grow(m_out, length);
                    m_out.append(m, c.r, length);
                }
                c.r = p;
            }
            firstChunk = false;
            if (p + 1 >= m.size())
                break;
            const bool done = m[p + 1] == '/' ? Close(c, p) : Open(c, p, top, marker);
            if (done) {
                searchFrom = c.r;
            } else {
                searchFrom = p + 1;
                marker = false;
            }
        }
    }

    // A closing tag at `p`: the open tags down to the one it names are
    // closed; a closing tag that names none stays text. As on the board,
    // the tags walked through for nothing are put back in reverse order.
    bool Close(Cursor& c, size_t p)
    {
        const std::string& m = c.m;
        const size_t end = c.bracket.From(m, p);
        const std::string lookFor =
            end == std::string::npos ? std::string() : Ascii::ToLower(m.substr(p + 2, end - p - 2));
        enum class Level { Unknown, No, Yes } level = Level::Unknown;
        auto lookUp = [&] {
            if (const TagDef* def = FindDef(lookFor))
                level = def->block ? Level::Yes : Level::No;
        };
        // A closing tag that names no open tag is text and changes nothing.
        if (std::none_of(m_open.begin(), m_open.end(), [&](const OpenTag& tag) { return tag.tag == lookFor; }))
            return false;
        // The tags the closing tag may close: down to a block-level tag,
        // unless it names a block-level tag itself.
        size_t k = m_open.size();
        bool found = false;
        while (k > 0) {
            const OpenTag& tag = m_open[k - 1];
            if (tag.block) {
                if (!lookFor.empty())
                    lookUp();
                if (level != Level::Yes)
                    break;
            }
            --k;
            if (tag.tag == lookFor) {
                found = true;
                break;
            }
        }
        if (!found) {
            std::reverse(m_open.begin() + std::ptrdiff_t(k), m_open.end());
            return false;
        }
        m_toClose.clear();
        while (m_open.size() > k)
            m_toClose.push_back(Pop());
        c.r = end + 1;
        for (const OpenTag& tag : m_toClose) {
            Emit(tag.after);
            if (tag.block)
                c.r = EatAfterBlock(m, c.r);
            if (tag.trim == Trim::Outside || tag.trim == Trim::Both)
                c.r = EatSpace(m, c.r, tag.hasRequireParents);
        }
        m_toClose.clear();
        return true;
    }

    static size_t EatAfterBlock(std::string_view m, size_t at)
    {
        at = EatSpace(m, at, false);
        return Has(m, at, "<br>") ? at + 4 : at;
    }

    // The parameters of a tag at `p`: the text after its name up to the
    // next tag start, cut at "]" after one piece, then two, … until they
    // match.
    bool FindParams(std::string_view m, size_t p, const TagDef& def, std::string* values, size_t& length) const
    {
        const size_t start = p + 1 + def.tag.size();
        size_t blobEnd = std::min(m.size(), start + MaxParamText);
        for (size_t i = Text::FindByte(m, '[', start); i != std::string_view::npos && i < blobEnd;
             i = Text::FindByte(m, '[', i + 1)) {
            if (TagStartAt(m, i)) {
                blobEnd = i;
                break;
            }
        }
        const std::string_view blob = m.substr(start, blobEnd - start);
        size_t cut = blob.find(']');
        for (int tries = 0; tries < 64; ++tries) {
            const std::string_view given = blob.substr(0, cut);
            if (MatchParams(def, given, values)) {
                length = given.size();
                return true;
            }
            if (cut == std::string_view::npos)
                return false;
            cut = blob.find(']', cut + 1);
        }
        return false;
    }

    std::string ItemCode(Cursor& c, size_t p, char marker)
    {
        const OpenTag* inside = m_open.empty() ? nullptr : &m_open.back();
        const bool hasDisallow = inside && inside->hasDisallow;
        const NameSet disallow = hasDisallow ? inside->disallow : 0;
        std::string code;
        if (!inside || (inside->name != Name::List && inside->name != Name::Li)) {
            OpenTag list{"list", Name::List, "</ul>", true};
            list.hasRequireChildren = true;
            list.requireChildren = Bit(Name::Li);
            list.hasDisallow = hasDisallow;
            list.disallow = disallow;
            Push(std::move(list));
            code = "<ul class=\"bbc_list\">";
        } else if (inside->name == Name::Li) {
            Pop();
            code = "</li>";
        }
        OpenTag item{"li", Name::Li, "</li>", true, Trim::Outside};
        item.hasDisallow = hasDisallow;
        item.disallow = disallow;
        Push(std::move(item));
        code += "<li type=\"" + std::string(ItemType(marker)) + "\">";
        Emit(code);
        c.r = p + 3;
        // The item ends at the next line break, unless a closing tag comes
        // first; what follows the break says whether the list ends too.
        std::string& m = c.m;
        const size_t lineBreak = c.lineBreak.From(m, c.r);
        const size_t closing = c.closing.From(m, c.r);
        if (lineBreak != std::string::npos && (closing == std::string::npos || lineBreak <= closing)) {
            size_t k = lineBreak + 4;
            bool lastIsBracket = false;
            for (;;) {
                if (Has(m, k, "<br>")) {
                    k += 4;
                    lastIsBracket = false;
                } else if (Has(m, k, "&nbsp;")) {
                    k += 6;
                    lastIsBracket = false;
                } else if (const size_t space = Text::SpaceAt(m, k)) {
                    k += space;
                    lastIsBracket = false;
                } else if (Has(m, k, "[")) {
                    ++k;
                    lastIsBracket = true;
                } else {
                    break;
                }
            }
            Insert(c, lineBreak, lastIsBracket ? "[/li]" : "[/li][/list]");
            if (m_open.size() >= 2)
                m_open[m_open.size() - 2].after = "</ul>";
        } else {
            m_open.back().after.clear();
            // (An item can be the only open tag after a stray closing tag
            // turned the open tags round.)
            if (m_open.size() >= 2)
                m_open[m_open.size() - 2].after = "</li></ul>";
        }
        return code;
    }

    // `text` put into the unread text at `at`: the text between the read
    // position and `at` moves back into the room already read.
    void Insert(Cursor& c, size_t at, std::string_view text)
    {
        std::string& m = c.m;
        const size_t n = text.size();
        if (c.r >= n) {
            m.replace(c.r - n, at - c.r, m, c.r, at - c.r);
            m.replace(at - n, n, text);
            c.Moved(c.r, at, n, text);
            c.r -= n;
        } else {
            m.insert(at, text);
            c.Forget();
        }
    }

    bool Open(Cursor& c, size_t p, bool top, bool marker)
    {
        std::string& m = c.m;
        if (m_open.size() >= MaxOpenTags)
            return false;
        const char first = m[p + 1];
        const char lowerFirst = Ascii::Lower(first);
        const std::span<const TagDef> defs = DefsFor(lowerFirst);
        if (defs.empty() && !IsItemMarker(lowerFirst))
            return false;
        const OpenTag* inside = m_open.empty() ? nullptr : &m_open.back();
        const TagDef* tag = nullptr;
        size_t pos1 = 0;
        std::string values[4];
        for (const TagDef& def : defs) {
            if (!(m_allowed & Bit(def.name)) || !HasIgnoringCase(m, p + 1, def.tag))
                continue;
            const size_t next = p + 1 + def.tag.size();
            if (next >= m.size())
                break;
            const char nc = m[next];
            if (def.test != Test::None) {
                if (!Passes(def.test, m, next + 1))
                    continue;
            } else if (!def.params.empty()) {
                bool required = false;
                for (const Param& param : def.params)
                    required = required || !param.optional;
                if (required && nc != ' ')
                    continue;
            } else if (def.type != Type::Parsed) {
                if ((def.type == Type::UnparsedEquals || def.type == Type::ParsedEquals
                     || def.type == Type::UnparsedEqualsContent)
                    && nc != '=')
                    continue;
                if (def.type == Type::Closed && nc != ']' && !Has(m, next, "/]") && !Has(m, next, " /]"))
                    continue;
                if (def.type == Type::UnparsedContent && nc != ']')
                    continue;
            } else if (nc != ']') {
                continue;
            }
            if (def.requireParents && (!inside || !(def.requireParents & Bit(inside->name))))
                continue;
            if (inside && inside->hasRequireChildren && !(inside->requireChildren & Bit(def.name)))
                continue;
            if (inside && inside->hasDisallow && (inside->disallow & Bit(def.name)))
                continue;
            pos1 = next + 1;
            if (!def.params.empty()) {
                size_t length;
                if (!FindParams(m, p, def, values, length))
                    continue;
                pos1 += length;
            }
            tag = &def;
            break;
        }

        if (!tag && m_smilies && IsItemMarker(first) && Has(m, p + 2, "]") && (m_allowed & Bit(Name::List))
            && (m_allowed & Bit(Name::Li))) {
            const char before = !m_out.empty() ? m_out.back() : (top ? m.back() : '\n');
            if (first == '0' && before != ';' && before != ' ' && before != '\t' && before != '\n' && before != '>')
                return false;
            ItemCode(c, p, first);
            return true;
        }
        if (!tag && inside && inside->hasRequireChildren) {
            // Lists and tables close when something else comes in them;
            // the same tag start is then looked at again.
            Emit(Pop().after);
            c.r = p;
            return true;
        }
        if (!tag)
            return false;
        (void)marker;
        return OpenWith(c, p, pos1, *tag, values);
    }

    bool OpenWith(Cursor& c, size_t p, size_t pos1, const TagDef& def, std::string* values)
    {
        std::string& m = c.m;
        const OpenTag* inside = m_open.empty() ? nullptr : &m_open.back();
        OpenTag entry{def.tag, def.name, {}, def.block, def.trim};
        entry.hasRequireParents = def.requireParents != 0;
        entry.hasRequireChildren = def.requireChildren != 0;
        entry.requireChildren = def.requireChildren;
        entry.hasDisallow = def.disallowChildren != 0;
        entry.disallow = def.disallowChildren;
        if (inside && inside->hasDisallow) {
            entry.hasDisallow = true;
            entry.disallow |= inside->disallow;
        }
        for (size_t k = 0; k < def.params.size(); ++k) {
            const Param& param = def.params[k];
            std::string value = values[k];
            if (!param.value.empty() && !value.empty())
                value = Fill(param.value, value);
            else if (param.time && !value.empty())
                value = Text::FormatTime(std::stoll(value.substr(0, 18)), m_env.offset, m_env.now);
            values[k] = ParamValue(value);
        }
        if (def.block && def.name != Name::Html && (!inside || !inside->block)) {
            while (!m_open.empty() && !m_open.back().block)
                Emit(Pop().after);
        }
        pos1 = std::min(pos1, m.size());
        const std::string closer = "[/" + std::string(def.tag) + "]";
        switch (def.type) {
        case Type::Parsed: {
            std::string before = FillParams(Fill(def.before, {}), def, values);
            if (def.name == Name::Quote)
                before.replace(0, 12,
                               m_quotes % 2 ? "<blockquote class=\"bbc_alternate_quote\">"
                                            : "<blockquote class=\"bbc_standard_quote\">");
            entry.after = FillParams(def.after, def, values);
            Push(std::move(entry));
            Emit(before);
            c.r = pos1;
            break;
        }
        case Type::UnparsedContent: {
            const size_t end = FindCloser(c, closer, def.name, pos1);
            if (end == std::string::npos)
                return false;
            std::string data = m.substr(pos1, end - pos1);
            if (def.block && Has(data, 0, "<br>"))
                data.erase(0, 4);
            Emit(Content(def, std::move(data), {}, values));
            c.r = end + closer.size();
            break;
        }
        case Type::UnparsedEqualsContent: {
            const size_t valueEnd = c.bracket.From(m, pos1);
            if (valueEnd == std::string::npos)
                return false;
            const size_t end = FindCloser(c, closer, def.name, valueEnd);
            if (end == std::string::npos)
                return false;
            std::string data = m.substr(valueEnd + 1, end - valueEnd - 1);
            if (def.block && Has(data, 0, "<br>"))
                data.erase(0, 4);
            Emit(Content(def, std::move(data), m.substr(pos1, valueEnd - pos1), values));
            c.r = end + closer.size();
            break;
        }
        case Type::Closed: {
            const size_t end = c.bracket.From(m, p);
            Emit(def.content);
            c.r = end + 1;
            break;
        }
        case Type::UnparsedEquals:
        case Type::ParsedEquals: {
            bool quoted = false;
            if (def.quoted != Quoted::No) {
                quoted = Has(m, pos1, "&quot;");
                if (def.quoted == Quoted::Required && !quoted)
                    return false;
                if (quoted)
                    pos1 += 6;
            }
            const size_t end = quoted ? c.quoteBracket.From(m, pos1) : c.bracket.From(m, pos1);
            if (end == std::string::npos)
                return false;
            std::string data = Value(def, m.substr(pos1, end - pos1));
            if (def.type == Type::ParsedEquals)
                data = Display(std::move(data), m_env, false, def.parsedTagsAllowed);
            entry.after = Fill(def.after, data);
            std::string before = Fill(def.before, data);
            if (def.name == Name::Quote)
                before.replace(0, 12,
                               m_quotes % 2 ? "<blockquote class=\"bbc_alternate_quote\">"
                                            : "<blockquote class=\"bbc_standard_quote\">");
            Push(std::move(entry));
            Emit(before);
            c.r = end + (quoted ? 7 : 1);
            break;
        }
        }
        if (def.block && Has(m, c.r, "<br>"))
            c.r += 4;
        if (def.trim == Trim::Inside || def.trim == Trim::Both)
            c.r = EatSpace(m, c.r, true);
        return true;
    }

    size_t FindCloser(Cursor& c, const std::string& closer, Name name, size_t from)
    {
        Finder& f = c.closers[size_t(name)];
        if (!f.Ready())
            f = Finder(closer, true);
        return f.From(c.m, from);
    }

    // A tag's value as the board checks it.
    std::string Value(const TagDef& def, std::string data) const
    {
        switch (def.check) {
        case Check::UrlEquals:
            return WithScheme(AsciiUrl(LinkAddress(data)));
        case Check::IurlEquals:
            if (Has(data, 0, "#"))
                return "#post_" + data.substr(1);
            return WithScheme(AsciiUrl(LinkAddress(data)));
        case Check::Float: {
            std::string out = std::string("class=\"bbc_float float") + (Has(data, 0, "left") ? "left" : "right") + "\"";
            const size_t max = data.find("max=");
            if (max != std::string::npos) {
                size_t i = max + 4;
                while (i < data.size() && Ascii::IsDigit(data[i]))
                    ++i;
                const std::string amount = data.substr(max + 4);
                out += " style=\"max-width:" + amount + (i == data.size() ? "px" : "") + "\"";
            }
            return out;
        }
        case Check::SizeNumber: {
            static constexpr const char* Sizes[] = {"0.7em", "1em", "1.35em", "1.45em", "2em", "2.65em", "3.95em"};
            return Sizes[data[0] - '1'];
        }
        default:
            return data;
        }
    }

    // The HTML of a tag that replaces its content.
    std::string Content(const TagDef& def, std::string data, std::string_view value, const std::string* values) const
    {
        switch (def.check) {
        case Check::Url: {
            const std::string url = WithScheme(LinkAddress(data));
            std::string code = Fill(def.content, url);
            const std::string ascii = AsciiUrl(url);
            if (ascii != url)
                code.replace(code.find("href=\"") + 6, url.size(), ascii);
            return code;
        }
        case Check::Email:
            return Fill(def.content, RemoveBreaks(data));
        case Check::Img:
            return Picture(data, values);
        case Check::Code:
            return Fill(def.content, CodeText(data), value);
        case Check::Php: {
            const size_t start = data.find_first_not_of(" \t\n\r\v");
            const bool addBegin = !(start != std::string::npos && Has(data, start, "&lt;?"));
            std::string html = HighlightPhp(addBegin ? "&lt;?php " + data + "?&gt;" : data);
            if (addBegin) {
                const size_t open = html.find("&lt;?php&nbsp;");
                if (open != std::string::npos && open > 0)
                    html.erase(open, 14);
                size_t close = html.rfind("?&gt;");
                if (close != std::string::npos) {
                    size_t k = close + 5;
                    while (Has(html, k, "</span>"))
                        k += 7;
                    if (k == html.size())
                        html.erase(close, 5);
                }
            }
            return Fill(def.content, html);
        }
        case Check::Time:
            if (IsNumeric(data))
                data = Text::FormatTime(std::stoll(data), m_env.offset, m_env.now);
            return "<span class=\"bbc_time\">" + data + "</span>";
        default:
            return Fill(def.content, data);
        }
    }

    std::string Picture(const std::string& data, const std::string* values) const
    {
        // Parameters in name order: alt, height, title, width.
        const std::string url = WithScheme(AsciiUrl(RemoveBreaks(Ascii::TrimPhp(data))), true);
        std::string code = "<img src=\"" + url + "\"";
        code += values[0].empty() ? " alt=\"\"" : " alt=\"" + values[0] + "\"";
        if (!values[2].empty())
            code += " title=\"" + values[2] + "\"";
        code += values[3] + values[1];
        code += values[3].empty() && values[1].empty() ? " class=\"bbc_img\"" : " class=\"bbc_img resized\"";
        code += " loading=\"lazy\">";
        return code;
    }

    // A code block's text: PHP parts coloured, tabs kept as tabs.
    static std::string CodeText(const std::string& data)
    {
        std::string out;
        size_t at = 0;
        for (size_t open = data.find("&lt;?php"); open != std::string::npos; open = data.find("&lt;?php", at)) {
            out.append(data, at, open - at);
            size_t close = data.find("?&gt;", open + 8);
            const size_t end = close == std::string::npos ? data.size() : close + 5;
            out += HighlightPhp(std::string_view(data).substr(open, end - open));
            at = end;
        }
        out.append(data, at);
        std::string result;
        result.reserve(out.size());
        constexpr std::string_view InlineTab = "<pre style=\"display: inline;\">\t</pre>";
        for (size_t i = 0; i < out.size(); ++i) {
            if (Has(out, i, InlineTab)) {
                result += "<span style=\"white-space: pre;\">\t</span>";
                i += InlineTab.size() - 1;
            } else if (out[i] == '\t') {
                result += "<span style=\"white-space: pre;\">\t</span>";
            } else {
                result += out[i];
            }
        }
        return result;
    }

    std::string Finish();

    const Environment& m_env;
    bool m_smilies;
    NameSet m_allowed;
    std::string m_out;
    std::vector<OpenTag> m_open, m_toClose;
    size_t m_quotes = 0, m_noLinks = 0;
};

// The smilies of one piece of text between tags.
// `starts` marks the bytes some code begins with: other places are passed
// over at the cost of one look-up.
void AppendSmilies(std::string& out, std::string_view text, const std::vector<Smiley>& smilies,
                   const std::vector<std::string>& codes, const std::vector<size_t>& order, const bool (&starts)[256])
{
    size_t at = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!starts[static_cast<unsigned char>(text[i])])
            continue;
        if (i > 0) {
            const char b = text[i - 1];
            const bool ok = b == '>' || b == ':' || b == '?' || b == '.' || b == '[' || b == ']' || b == '(' || b == ')'
                || b == '*' || b == '\\' || b == ';' || Ascii::IsSpace(b)
                || (static_cast<unsigned char>(b) >= 0x80 && Unicode::IsSpaceChar(Unicode::DecodeBefore(text, i)));
            if (!ok)
                continue;
        }
        for (const size_t k : order) {
            const std::string& code = codes[k];
            if (!Has(text, i, code))
                continue;
            const size_t end = i + code.size();
            if (end < text.size() && (Text::WordAt(text, end) || Ascii::IsDigit(text[end])))
                continue;
            out.append(text, at, i - at);
            out += "<img src=\"";
            Text::AppendEscaped(out, smilies[k].picture);
            out += "\" alt=\"";
            for (const char ch : code) {
                switch (ch) {
                case ':':
                    out += "&#58;";
                    break;
                case '(':
                    out += "&#40;";
                    break;
                case ')':
                    out += "&#41;";
                    break;
                case '$':
                    out += "&#36;";
                    break;
                case '[':
                    out += "&#091;";
                    break;
                default:
                    out += ch;
                }
            }
            out += "\" title=\"";
            Text::AppendEscaped(out, smilies[k].name);
            out += "\" class=\"smiley\">";
            at = end;
            i = end - 1;
            break;
        }
    }
    out.append(text, at);
}

// The board's last white-space rules, applied as the joined HTML is made,
// so that it is never held whole beside the result: the rules read the
// buffer left to right and look at most five bytes ahead, so all but its
// last four bytes can be done before the rest has come.
class Spacing {
public:
    explicit Spacing(std::string& html) : m_html(html) {}

    // Where the joined HTML is appended; Flush() from time to time.
    std::string& Buffer() { return m_joined; }

    // The rules applied to the buffer, but to its last four bytes only
    // when `last`; what was done is taken out of the buffer.
    void Flush(bool last)
    {
        static constexpr Text::ByteSet Special = Text::BytesOf("<& \r");
        const std::string& joined = m_joined;
        size_t i = 0;
        if (!m_started && !joined.empty()) {
            m_started = true;
            if (joined[0] == ' ') {
                m_html += "&nbsp;";
                i = 1;
            }
        }
        Grow(m_html, joined.size() + joined.size() / 4);
        const size_t stop = last ? joined.size() : joined.size() > 4 ? joined.size() - 4 : 0;
        for (; i < stop; ++i) {
            // Bytes none of the rules below look at are copied a run at a time.
            const size_t plain = std::min(Text::FindAnyButLoneSpace(joined, i, Special), stop);
            if (plain > i) {
                m_html.append(joined, i, plain - i);
                i = plain;
                if (i == stop)
                    break;
            }
            if (Has(joined, i, "<br> ")) {
                m_html += "<br>&nbsp;";
                i += 4;
            } else if (Has(joined, i, "&#13;")) {
                m_html += '\n';
                i += 4;
            } else if (joined[i] == ' ' && i + 1 < joined.size() && joined[i + 1] == ' ') {
                m_html += " &nbsp;";
                ++i;
            } else if (joined[i] != '\r') {
                m_html += joined[i];
            }
        }
        m_joined.erase(0, std::min(i, m_joined.size()));
    }

private:
    std::string& m_html;
    std::string m_joined;
    bool m_started = false;  // whether the first byte has been seen
};

std::string Parser::Finish()
{
    // The HTML is joined (smilies put in the text between the "\n"
    // marks) a block at a time, and each block spaced as it fills.
    constexpr size_t Block = 64 * 1024;
    std::string html;
    html.reserve(m_out.size() + m_out.size() / 8);
    Spacing spacing(html);
    std::string& joined = spacing.Buffer();
    if (m_smilies && m_env.smilies && !m_env.smilies->empty()) {
        std::vector<std::string> codes;
        std::vector<size_t> order;
        for (size_t k = 0; k < m_env.smilies->size(); ++k) {
            std::string code;
            Text::AppendEscaped(code, (*m_env.smilies)[k].code);
            codes.push_back(std::move(code));
            order.push_back(k);
        }
        std::stable_sort(order.begin(), order.end(),
                         [&](size_t a, size_t b) { return codes[a].size() > codes[b].size(); });
        bool starts[256] = {};
        for (const std::string& code : codes) {
            if (code.empty())
                std::fill(std::begin(starts), std::end(starts), true);  // an empty code is found anywhere
            else
                starts[static_cast<unsigned char>(code[0])] = true;
        }
        size_t part = 0, at = 0;
        for (size_t i = 0; i <= m_out.size(); ++i) {
            i = ByteScan::Find(m_out.data(), m_out.size(), i, '\n');
            const std::string_view piece = std::string_view(m_out).substr(at, i - at);
            if (part % 2 == 0)
                AppendSmilies(joined, piece, *m_env.smilies, codes, order, starts);
            else
                joined += piece;
            ++part;
            at = i + 1;
            if (joined.size() >= Block)
                spacing.Flush(false);
        }
    } else {
        for (size_t at = 0; at < m_out.size();) {
            const size_t end = ByteScan::Find(m_out.data(), m_out.size(), at, '\n');
            joined.append(m_out, at, end - at);
            at = end + 1;
            if (joined.size() >= Block)
                spacing.Flush(false);
        }
    }
    std::string().swap(m_out);
    spacing.Flush(true);
    return html;
}

}  // namespace

std::string Display(std::string stored, const Environment& environment, bool smilies, NameSet allowed)
{
    Parser parser(environment, smilies, allowed);
    return parser.Run(std::move(stored));
}

}  // namespace Smf21::Internal
