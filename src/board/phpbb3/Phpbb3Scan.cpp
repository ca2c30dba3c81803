// SPDX-License-Identifier: MIT
#include "board/phpbb3/Phpbb3Scan.h"

#include "board/common/Ascii.h"
#include "board/common/ByteScan.h"
#include "board/common/Unicode.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace Phpbb3::Internal {
namespace {

struct BBCodeDef {
    std::string_view name;  // upper case, as the closing tag is looked up
    Name tag;
    Attr defaultAttr;
    Attr contentAttr;  // taken from the content when missing (Unknown: none)
    bool forceLookahead;
};

constexpr BBCodeDef BBCodes[] = {
    {"ATTACHMENT", Name::Attachment, Attr::Index, Attr::Filename, false},
    {"B", Name::B, Attr::Unknown, Attr::Unknown, false},
    {"CODE", Name::Code, Attr::Lang, Attr::Unknown, false},
    {"COLOR", Name::Color, Attr::Color, Attr::Unknown, false},
    {"EMAIL", Name::Email, Attr::Email, Attr::Email, false},
    {"FLASH", Name::Flash, Attr::Flash, Attr::Url, false},
    {"I", Name::I, Attr::Unknown, Attr::Unknown, false},
    {"IMG", Name::Img, Attr::Src, Attr::Src, false},
    {"LIST", Name::List, Attr::Type, Attr::Unknown, false},
    {"QUOTE", Name::Quote, Attr::Author, Attr::Unknown, false},
    {"SIZE", Name::Size, Attr::Size, Attr::Unknown, false},
    {"U", Name::U, Attr::Unknown, Attr::Unknown, false},
    {"URL", Name::Url, Attr::Url, Attr::Url, true},
    {"*", Name::Li, Attr::Unknown, Attr::Unknown, false},
};

const BBCodeDef* FindBBCode(std::string_view typed)
{
    if (typed.empty() || typed.size() > 10)
        return nullptr;
    // The candidates by first letter, then the rest compared.
    const char first = Ascii::Upper(typed[0]);
    int from = 0, to = 0;
    switch (first) {
    case 'A':
        from = 0, to = 1;
        break;
    case 'B':
        from = 1, to = 2;
        break;
    case 'C':
        from = 2, to = 4;
        break;
    case 'E':
        from = 4, to = 5;
        break;
    case 'F':
        from = 5, to = 6;
        break;
    case 'I':
        from = 6, to = 8;
        break;
    case 'L':
        from = 8, to = 9;
        break;
    case 'Q':
        from = 9, to = 10;
        break;
    case 'S':
        from = 10, to = 11;
        break;
    case 'U':
        from = 11, to = 13;
        break;
    case '*':
        from = 13, to = 14;
        break;
    default:
        return nullptr;
    }
    for (int k = from; k < to; ++k) {
        const BBCodeDef& def = BBCodes[k];
        if (def.name.size() != typed.size())
            continue;
        bool same = true;
        for (size_t i = 1; i < typed.size() && same; ++i)
            same = Ascii::Upper(typed[i]) == def.name[i];
        if (same)
            return &def;
    }
    return nullptr;
}

const BBCodeDef& DefOf(std::string_view bbName) { return *FindBBCode(bbName); }

Attr AttrNamed(std::string_view lower)
{
    static constexpr std::pair<std::string_view, Attr> Names[] = {
        {"url", Attr::Url},        {"src", Attr::Src},        {"email", Attr::Email},  {"subject", Attr::Subject},
        {"body", Attr::Body},      {"color", Attr::Color},    {"size", Attr::Size},    {"type", Attr::Type},
        {"author", Attr::Author},  {"post_id", Attr::PostId}, {"msg_id", Attr::MsgId}, {"time", Attr::Time},
        {"user_id", Attr::UserId}, {"lang", Attr::Lang},      {"index", Attr::Index},  {"filename", Attr::Filename},
        {"flash", Attr::Flash},    {"width", Attr::Width},    {"height", Attr::Height}};
    for (const auto& [name, attr] : Names)
        if (name == lower)
            return attr;
    return Attr::Unknown;
}

bool IsNameChar(char c) { return Ascii::IsWord(c) || c == '-'; }
bool IsAfterBBCodeName(char c) { return c == ']' || c == ' ' || c == '=' || c == ':' || c == '/'; }
bool IsSmileyBoundary(char c) { return c == '\n' || c == ' ' || c == '.' || c == ']'; }

// A BBCode tag holds at most this many attributes; past it the tag is text.
// Keeps tags whose attributes run over other tags from costing more than a
// constant each.
constexpr int MaxAttributes = 64;

}  // namespace

Scanner::Scanner(Parser& parser, Workspace& workspace)
    : m_parser(parser), m_workspace(workspace), m_text(parser.text), m_smilies(parser.smilies),
      m_scratch(parser.m_scratch)
{
    Exchange();
}

Scanner::~Scanner() { Exchange(); }

// Takes the workspace's index buffers, or gives them back.
void Scanner::Exchange()
{
    Workspace& w = m_workspace;
    m_brackets.swap(w.brackets);
    m_valueStops.swap(w.valueStops);
    m_quotes[0].swap(w.quotes[0]);
    m_quotes[1].swap(w.quotes[1]);
    m_brackets.clear();
    m_valueStops.clear();
    m_quotes[0].clear();
    m_quotes[1].clear();
}

// --- BBCodes -------------------------------------------------------------------

size_t Scanner::Next(char byte, size_t from) const
{
    const size_t at = ByteScan::Find(m_text.data(), m_text.size(), from, byte);
    return at < m_text.size() ? at : std::string_view::npos;
}

void Scanner::ScanBBCodes()
{
    for (size_t at = Next('[', 0); at != std::string_view::npos; at = Next('[', at + 1))
        m_brackets.push_back(at);
    for (const size_t at : m_brackets) {
        size_t pos = at + 1;
        const bool closing = pos < m_text.size() && m_text[pos] == '/';
        if (closing)
            ++pos;
        const size_t nameStart = pos;
        if (pos < m_text.size() && m_text[pos] == '*')
            ++pos;
        else
            while (pos < m_text.size() && Ascii::IsAlpha(m_text[pos]))
                ++pos;
        if (pos == nameStart || pos >= m_text.size() || !IsAfterBBCodeName(m_text[pos]))
            continue;
        const BBCodeDef* def = FindBBCode(m_text.substr(nameStart, pos - nameStart));
        if (def)
            ParseBBCode(at, closing, def->tag, def->name, pos);
    }
}

void Scanner::ParseBBCode(size_t startPos, bool closing, Name name, std::string_view bbName, size_t pos)
{
    std::string_view suffix;
    if (m_text[pos] == ':') {
        size_t end = pos + 1;
        while (end < m_text.size() && Ascii::IsDigit(m_text[end]))
            ++end;
        suffix = m_text.substr(pos, end - pos);
        pos = end;
    }
    if (closing) {
        if (pos < m_text.size() && m_text[pos] == ']' && suffix.empty())
            m_parser.AddTag(Type::End, name, startPos, pos + 1 - startPos);
        return;
    }
    Attributes& attributes = m_scratch;
    attributes.clear();
    if (!ParseAttributes(pos, bbName, attributes) || pos >= m_text.size())
        return;
    Type type;
    if (m_text[pos] == ']') {
        ++pos;
        type = Type::Start;
    } else if (m_text.compare(pos, 2, "/]") == 0) {
        pos += 2;
        type = Type::SelfClosing;
    } else {
        return;
    }
    const TagId id = m_parser.AddTag(type, name, startPos, pos - startPos);
    if (type == Type::Start) {
        // A tag that may take a value from its content is paired with its
        // closing tag even when the value is given ("[img=A]text[/img]" is
        // one picture whose text is not shown). Without a closing tag it
        // stays text when it needed one (a suffix, [url]) or its content.
        const BBCodeDef& def = DefOf(bbName);
        const bool useContent = def.contentAttr != Attr::Unknown && !Find(attributes, def.contentAttr);
        const bool needsEnd = !suffix.empty() || def.forceLookahead || useContent;
        if (needsEnd || def.contentAttr != Attr::Unknown) {
            const std::string suffixed = suffix.empty() ? std::string() : std::string(bbName) + std::string(suffix);
            const std::string_view closing = suffix.empty() ? bbName : std::string_view(suffixed);
            const size_t endPos = FindClosingBBCode(closing, pos);
            if (endPos == std::string_view::npos) {
                if (needsEnd)
                    m_parser.Invalidate(id);
                else
                    m_parser.StoreAttrs(id, attributes);
                return;
            }
            m_parser.m_run = 1;
            const TagId end = m_parser.AddTag(Type::End, name, endPos, closing.size() + 3);
            m_parser.m_run = 0;
            m_parser.Pair(id, end);
            if (useContent)
                SetView(attributes, def.contentAttr, m_text.substr(pos, endPos - pos));
        }
    }
    m_parser.StoreAttrs(id, attributes);
}

bool Scanner::ParseAttributes(size_t& pos, std::string_view bbName, Attributes& attributes)
{
    const size_t firstPos = pos;
    int count = 0;
    while (pos < m_text.size()) {
        const char c = m_text[pos];
        if (c == ' ' || c == '\n' || c == '\t') {
            ++pos;
            continue;
        }
        if (c == '/' || c == ']')
            return true;
        if (++count > MaxAttributes)
            return false;
        Attr name;
        size_t spn = 0;
        while (pos + spn < m_text.size() && IsNameChar(m_text[pos + spn]))
            ++spn;
        if (spn) {
            name = AttrNamed(Ascii::ToLower(m_text.substr(pos, spn)));
            pos += spn;
            if (pos >= m_text.size())
                return false;
            if (m_text[pos] != '=')
                continue;
        } else if (c == '=' && pos == firstPos) {
            name = DefOf(bbName).defaultAttr;
        } else {
            return false;
        }
        if (++pos >= m_text.size())
            return false;
        if (!ParseAttributeValue(pos, name, attributes))
            return false;
    }
    return true;
}

bool Scanner::ParseAttributeValue(size_t& pos, Attr name, Attributes& attributes)
{
    const char quote = m_text[pos];
    if (quote == '"' || quote == '\'') {
        const size_t close = NextClosingQuote(quote, pos);
        if (close == std::string_view::npos)
            return false;
        const std::string_view value = m_text.substr(pos + 1, close - pos - 1);
        pos = close + 1;
        if (name == Attr::Unknown)
            return true;
        if (value.find('\\') == std::string_view::npos) {
            SetView(attributes, name, value);
            return true;
        }
        std::string unescaped;
        for (size_t i = 0; i < value.size(); ++i) {
            if (value[i] == '\\' && i + 1 < value.size()
                && (value[i + 1] == '\\' || value[i + 1] == '"' || value[i + 1] == '\''))
                ++i;
            unescaped += value[i];
        }
        Set(attributes, name, std::move(unescaped));
        return true;
    }
    const size_t end = NextValueStop(pos);
    if (name != Attr::Unknown)
        SetView(attributes, name, m_text.substr(pos, end - pos));
    pos = end;
    return true;
}

// An unquoted value runs to the first "]", or to white space followed by
// "]", "/]" or another attribute ("name="). Values are short, so the text
// is read from `pos` for a while; past that the places are looked up in a
// list made once, so values that run over many tags cost no more.
size_t Scanner::NextValueStop(size_t pos)
{
    auto stopsAt = [this](size_t i) {
        if (m_text[i] == ']')
            return true;
        if (!Ascii::IsSpace(m_text[i]) || (i > 0 && Ascii::IsSpace(m_text[i - 1])))
            return false;
        size_t end = i;
        while (end < m_text.size() && Ascii::IsSpace(m_text[end]))
            ++end;
        if (end < m_text.size() && (m_text[end] == ']' || m_text.compare(end, 2, "/]") == 0))
            return true;
        size_t name = end;
        while (name < m_text.size() && IsNameChar(m_text[name]))
            ++name;
        return name > end && name < m_text.size() && m_text[name] == '=';
    };
    const size_t limit = std::min(m_text.size(), pos + 256);
    for (size_t i = pos; i < limit; ++i)
        if (stopsAt(i))
            return i;
    if (limit == m_text.size())
        return m_text.size();
    if (!m_haveValueStops) {
        m_haveValueStops = true;
        for (size_t i = 0; i < m_text.size(); ++i)
            if (stopsAt(i))
                m_valueStops.push_back(i);
    }
    const auto it = std::lower_bound(m_valueStops.begin(), m_valueStops.end(), limit);
    return it == m_valueStops.end() ? m_text.size() : *it;
}

// The first quote after `after` that is not escaped by an odd number of
// backslashes.
size_t Scanner::NextClosingQuote(char quote, size_t after)
{
    if (!m_haveQuotes) {
        m_haveQuotes = true;
        for (const char q : {'"', '\''}) {
            for (size_t i = m_text.find(q); i != std::string_view::npos; i = m_text.find(q, i + 1)) {
                size_t backslashes = 0;
                while (backslashes < i && m_text[i - 1 - backslashes] == '\\')
                    ++backslashes;
                if (backslashes % 2 == 0)
                    m_quotes[q == '\''].push_back(i);
            }
        }
    }
    const std::vector<size_t>& list = m_quotes[quote == '\''];
    const auto it = std::upper_bound(list.begin(), list.end(), after);
    return it == list.end() ? std::string_view::npos : *it;
}

// The first "[/NAME]" (or "[/NAME:digits]" for a key with a suffix), in any
// case, at or after `from`.
size_t Scanner::FindClosingBBCode(std::string_view key, size_t from)
{
    if (!m_haveClosingTags) {
        // Only tags that can need their closing tag: those that take a value
        // from their content, and any tag with a suffix.
        m_haveClosingTags = true;
        for (const size_t at : m_brackets) {
            if (at + 1 >= m_text.size() || m_text[at + 1] != '/')
                continue;
            size_t pos = at + 2;
            while (pos < m_text.size() && Ascii::IsAlpha(m_text[pos]))
                ++pos;
            if (pos < m_text.size() && pos == at + 2 && m_text[pos] == '*')
                ++pos;
            const BBCodeDef* def = FindBBCode(m_text.substr(at + 2, pos - at - 2));
            if (!def)
                continue;
            std::string name(def->name);
            if (pos < m_text.size() && m_text[pos] == ':') {
                name += ':';
                ++pos;
                while (pos < m_text.size() && Ascii::IsDigit(m_text[pos]))
                    name += m_text[pos++];
            } else if (def->contentAttr == Attr::Unknown && !def->forceLookahead) {
                continue;
            }
            if (pos < m_text.size() && m_text[pos] == ']')
                m_closingTags[name].push_back(at);
        }
    }
    if (key != m_lastClosingKey) {
        const auto found = m_closingTags.find(std::string(key));
        m_lastClosing = found == m_closingTags.end() ? nullptr : &found->second;
        m_lastClosingKey = key;
    }
    if (!m_lastClosing)
        return std::string_view::npos;
    const auto it = std::lower_bound(m_lastClosing->begin(), m_lastClosing->end(), from);
    return it == m_lastClosing->end() ? std::string_view::npos : *it;
}

// --- Magic links --------------------------------------------------------------

// E-mail addresses: \b[-a-z0-9_+.]+@[-a-z0-9.]*[a-z0-9], without Unicode.
void Scanner::ScanEmails()
{
    auto local = [](char c) { return Ascii::IsWord(c) || c == '-' || c == '+' || c == '.'; };
    size_t searchFrom = 0;
    for (size_t at = m_text.find('@'); at != std::string_view::npos; at = m_text.find('@', at + 1)) {
        if (at < searchFrom)
            continue;
        size_t runStart = at;
        while (runStart > searchFrom && local(m_text[runStart - 1]))
            --runStart;
        size_t start = std::string_view::npos;
        for (size_t p = runStart; p < at; ++p) {
            const bool before = p > 0 && Ascii::IsWord(m_text[p - 1]);
            if (before != Ascii::IsWord(m_text[p])) {
                start = p;
                break;
            }
        }
        if (start == std::string_view::npos)
            continue;
        size_t end = at + 1, lastAlnum = 0;
        while (end < m_text.size()) {
            const char c = m_text[end];
            if (Ascii::IsAlnum(c))
                lastAlnum = end + 1;
            else if (c != '-' && c != '.')
                break;
            ++end;
        }
        if (!lastAlnum)
            continue;
        const TagId open = m_parser.AddTag(Type::Start, Name::Email, start, 0);
        m_scratch.clear();
        SetView(m_scratch, Attr::Email, m_text.substr(start, lastAlnum - start));
        m_parser.StoreAttrs(open, m_scratch);
        const TagId close = m_parser.AddTag(Type::End, Name::Email, lastAlnum, 0);
        m_parser.Pair(open, close);
        searchFrom = lastAlnum;
    }
}

namespace {

bool IsFullWidthPunctuation(char32_t cp)
{
    return (cp >= 0xFF01 && cp <= 0xFF0F) || (cp >= 0xFF1A && cp <= 0xFF20) || (cp >= 0xFF3B && cp <= 0xFF40)
        || (cp >= 0xFF5B && cp <= 0xFF65);
}

// The end of a web address whose body starts at `pos`: one non-space
// character, then at least one of: a character other than space, ( ) [ ]
// and full-width punctuation; a balanced "(...)" without spaces; a "[\w*]".
size_t AddressBodyEnd(std::string_view m_text, size_t pos)
{
    if (pos >= m_text.size())
        return 0;
    size_t at = pos;
    if (Unicode::IsSpaceChar(Unicode::Decode(m_text, at)))
        return 0;
    size_t end = at;
    int parts = 0;
    while (end < m_text.size()) {
        size_t next = end;
        const char32_t cp = Unicode::Decode(m_text, next);
        if (cp == '(') {
            size_t k = next;
            while (k < m_text.size()) {
                size_t n = k;
                const char32_t c = Unicode::Decode(m_text, n);
                if (c == '(' || c == ')' || Unicode::IsSpaceChar(c))
                    break;
                k = n;
            }
            if (k >= m_text.size() || m_text[k] != ')')
                break;
            next = k + 1;
        } else if (cp == '[') {
            size_t k = next;
            while (k < m_text.size()) {
                size_t n = k;
                if (!Unicode::IsWordChar(Unicode::Decode(m_text, n)))
                    break;
                k = n;
            }
            if (k >= m_text.size() || m_text[k] != ']')
                break;
            next = k + 1;
        } else if (cp == ')' || cp == ']' || Unicode::IsSpaceChar(cp) || IsFullWidthPunctuation(cp)) {
            break;
        }
        end = next;
        ++parts;
    }
    return parts ? end : 0;
}

// Trailing punctuation and spaces left outside a web address, except - = + ) / _.
size_t TrimAddress(std::string_view m_text, size_t start, size_t end)
{
    while (end > start) {
        const unsigned char c = static_cast<unsigned char>(m_text[end - 1]);
        const bool punctuation = (c >= '!' && c <= '.') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`')
            || (c >= '{' && c <= '~') || c == ' ' || (c >= 9 && c <= 13);
        if (!punctuation || c == '-' || c == '=' || c == '+' || c == ')' || c == '_')
            break;
        --end;
    }
    return end;
}

}  // namespace

// Web addresses: \b(?:ftp|https?)://... or \bwww\...., Unicode-aware. The
// places to try are found from each ":" followed by "//" and each "." after
// "www", taken in the order of the address they would start.
void Scanner::ScanLinks()
{
    // The start and body of the next address candidate from a ":" or a "."
    // at or after `from`.
    auto nextColon = [this](size_t from, size_t& body) {
        for (size_t c = Next(':', from); c != std::string_view::npos; c = Next(':', c + 1)) {
            if (m_text.compare(c + 1, 2, "//") != 0)
                continue;
            body = c + 3;
            if (c >= 5 && Ascii::HasIgnoringCase(m_text, c - 5, "https"))
                return c - 5;
            if (c >= 4 && Ascii::HasIgnoringCase(m_text, c - 4, "http"))
                return c - 4;
            if (c >= 3 && Ascii::HasIgnoringCase(m_text, c - 3, "ftp"))
                return c - 3;
        }
        return std::string_view::npos;
    };
    auto nextDot = [this](size_t from, size_t& body) {
        for (size_t d = Next('.', from); d != std::string_view::npos; d = Next('.', d + 1)) {
            if (d >= 3 && Ascii::HasIgnoringCase(m_text, d - 3, "www")) {
                body = d + 1;
                return d - 3;
            }
        }
        return std::string_view::npos;
    };
    size_t colonBody = 0, dotBody = 0;
    size_t colon = nextColon(0, colonBody), dot = nextDot(0, dotBody);
    size_t searchFrom = 0;  // a match cannot start inside the previous one
    while (true) {
        while (colon < searchFrom)
            colon = nextColon(colonBody - 2, colonBody);
        while (dot < searchFrom)
            dot = nextDot(dotBody, dotBody);
        if (colon == std::string_view::npos && dot == std::string_view::npos)
            break;
        const bool fromColon = colon < dot;
        const size_t pos = fromColon ? colon : dot;
        const size_t body = fromColon ? colonBody : dotBody;
        const size_t matchEnd =
            Unicode::IsWordChar(Unicode::DecodeBefore(m_text, pos)) ? 0 : AddressBodyEnd(m_text, body);
        if (matchEnd) {
            AddLink(pos, TrimAddress(m_text, pos, matchEnd));
            searchFrom = matchEnd;
        } else {
            searchFrom = pos + 1;
        }
    }
}

void Scanner::AddLink(size_t pos, size_t end)
{
    std::string url(m_text.substr(pos, end - pos));
    if (url.size() > 3 && url[3] == '.')
        url.insert(0, "http://");
    // The run stays in processing order: start, the verbatim text, end.
    const TagId open = m_parser.AddTag(Type::Start, Name::Url, pos, 0, 1);
    m_scratch.clear();
    Set(m_scratch, Attr::Url, std::move(url));
    m_parser.StoreAttrs(open, m_scratch);
    const TagId content = m_parser.AddTag(Type::SelfClosing, Name::Verbatim, pos, end - pos, 1000);
    m_parser.CascadeInvalidation(open, content);
    const TagId close = m_parser.AddTag(Type::End, Name::Url, end, 0);
    m_parser.Pair(open, close);
}

// --- Emoji and smilies -----------------------------------------------------

void Scanner::ScanEmoji()
{
    std::string name;
    size_t pos = 0;
    while ((pos = Unicode::NextNonAscii(m_text, pos)) < m_text.size()) {
        const unsigned char lead = static_cast<unsigned char>(m_text[pos]);
        if (lead < 0xE2 && lead != 0xC2) {  // letters and marks below U+2000 (but © and ®)
            pos += lead >= 0xE0 ? 3 : 2;
            continue;
        }
        // A keycap starts with the ASCII character before its first non-ASCII one.
        size_t start = pos;
        if (pos > 0 && Unicode::MayStartEmoji(m_text, pos - 1) && static_cast<unsigned char>(m_text[pos - 1]) < 0x80)
            start = pos - 1;
        const unsigned char c = static_cast<unsigned char>(m_text[pos]);
        const size_t len = Unicode::MayStartEmoji(m_text, start) ? Unicode::MatchEmoji(m_text, start, name) : 0;
        if (!len) {
            pos += c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
            continue;
        }
        const TagId id = m_parser.AddTag(Type::SelfClosing, Name::Emoji, start, len);
        m_scratch.clear();
        Set(m_scratch, Attr::Seq, name);
        m_parser.StoreAttrs(id, m_scratch);
        pos = start + len;
    }
}

// A smiley code counts at the start of the text or after a newline, a
// space, a full stop or "]", and not before an ASCII letter, digit or "_".
// At each place only the longest code that fits is tried: when a letter
// follows it, no shorter code is taken instead (":???:x" holds no ":?").
void Scanner::ScanSmilies()
{
    std::array<std::vector<int>, 256> byFirst;
    for (int i = 0; i < int(m_smilies.size()); ++i) {
        const std::string& code = m_smilies[size_t(i)].code;
        if (code.empty())
            continue;
        std::vector<int>& list = byFirst[static_cast<unsigned char>(code[0])];
        std::erase_if(list, [&](int j) { return m_smilies[size_t(j)].code == code; });  // a later row wins
        list.push_back(i);
    }
    for (auto& list : byFirst)
        std::stable_sort(list.begin(), list.end(), [&](int a, int b) {
            return m_smilies[size_t(a)].code.size() > m_smilies[size_t(b)].code.size();
        });
    // The places where a code may start, in order: found with memchr for
    // each first byte when the codes have few of them, else byte by byte.
    std::vector<char> firsts;
    for (int c = 0; c < 256; ++c)
        if (!byFirst[size_t(c)].empty())
            firsts.push_back(char(c));
    std::vector<size_t> next(firsts.size());
    for (size_t k = 0; k < firsts.size(); ++k)
        next[k] = Next(firsts[k], 0);
    const bool byMemchr = firsts.size() <= 4;
    size_t pos = 0;
    while (pos < m_text.size()) {
        if (byMemchr) {
            size_t nearest = std::string_view::npos;
            for (size_t k = 0; k < firsts.size(); ++k) {
                if (next[k] < pos)
                    next[k] = Next(firsts[k], pos);
                nearest = std::min(nearest, next[k]);
            }
            if (nearest == std::string_view::npos)
                break;
            pos = nearest;
        }
        const std::vector<int>& candidates = byFirst[static_cast<unsigned char>(m_text[pos])];
        if (candidates.empty() || (pos > 0 && !IsSmileyBoundary(m_text[pos - 1]))) {
            ++pos;
            continue;
        }
        int found = -1;
        for (int i : candidates) {
            const std::string& code = m_smilies[size_t(i)].code;
            if (code.size() > m_text.size() - pos || (code.size() > 1 && code[1] != m_text[pos + 1])
                || m_text.compare(pos, code.size(), code) != 0)
                continue;
            const size_t after = pos + code.size();
            if (after >= m_text.size() || !Ascii::IsWord(m_text[after]))
                found = i;
            break;
        }
        if (found < 0) {
            ++pos;
            continue;
        }
        const size_t len = m_smilies[size_t(found)].code.size();
        const TagId id = m_parser.AddTag(Type::SelfClosing, Name::Smiley, pos, len);
        m_parser.tags[id].smiley = found;
        pos += len;
    }
}

namespace {

struct ShortCode {
    std::string_view name;  // without its colons
    std::string_view seq;   // the emoji's picture name
};

constexpr ShortCode ShortCodes[] = {
#include "board/phpbb3/Phpbb3EmojiCodes.inc"
};

bool IsShortCodeChar(char c) { return Ascii::IsDigit(c) || (c >= 'a' && c <= 'z') || c == '_' || c == '+' || c == '-'; }

}  // namespace

// Emoji short codes such as ":thumbsup:": a colon, lower-case letters,
// digits, "_", "+" or "-", and a colon, anywhere in the text. The closing
// colon may open the next code, so "x:y:wink:" finds ":wink:" after ":y".
// Each colon is looked at once. A code that is also a smiley at the same
// place is the smiley, whose tag was added first; a code longer than the
// smiley it starts with (":x:" and ":x") is the emoji, as longer tags at a
// place are taken first.
void Scanner::ScanEmojiShortCodes()
{
    for (size_t at = Next(':', 0); at != std::string_view::npos; at = Next(':', at + 1)) {
        size_t end = at + 1;
        while (end < m_text.size() && IsShortCodeChar(m_text[end]))
            ++end;
        if (end == at + 1 || end >= m_text.size() || m_text[end] != ':')
            continue;
        const std::string_view name = m_text.substr(at + 1, end - at - 1);
        const auto found = std::lower_bound(std::begin(ShortCodes), std::end(ShortCodes), name,
                                            [](const ShortCode& code, std::string_view n) { return code.name < n; });
        if (found == std::end(ShortCodes) || found->name != name)
            continue;
        const TagId id = m_parser.AddTag(Type::SelfClosing, Name::Emoji, at, end + 1 - at);
        m_scratch.clear();
        SetView(m_scratch, Attr::Seq, found->seq);
        m_parser.StoreAttrs(id, m_scratch);
    }
}

}  // namespace Phpbb3::Internal
