// SPDX-License-Identifier: MIT
#include "board/mybb18/Mybb18Passes.h"

#include "board/common/Ascii.h"
#include "board/common/Reserve.h"
#include "board/common/ByteScan.h"
#include "board/mybb18/Mybb18Links.h"
#include "board/mybb18/Mybb18Lists.h"
#include "board/mybb18/Mybb18Php.h"
#include "board/mybb18/Mybb18Quotes.h"
#include "board/mybb18/Mybb18Text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <memory>

namespace Mybb18::Passes {

namespace {

using Ascii::HasIgnoringCase;
using Text::Find;
using Text::FindAnyOf;
using Text::FindByte;
using Text::Finder;
constexpr size_t npos = std::string_view::npos;
constexpr std::string_view Placeholder = "<mybb-code>\n";

// --- [code] and [php] ------------------------------------------------------

// The blocks cut out (the board's "\[(code|php)\](.*?)\[/\1\]\n?"), each
// replaced by a placeholder line, and the rest escaped as HTML. Text that
// looks like the placeholder is changed first, as the board does.
std::string CutCode(std::string_view message, std::vector<CodeBlock>& blocks)
{
    std::string renamed;
    if (message.find(Placeholder) != npos) {
        renamed.reserve(message.size());
        for (size_t from = 0;;) {
            const size_t at = message.find(Placeholder, from);
            renamed.append(message.substr(from, at == npos ? npos : at - from));
            if (at == npos)
                break;
            renamed += "<mybb_code>\n";
            from = at + Placeholder.size();
        }
        message = renamed;
    }
    std::string out;
    out.reserve(message.size() + message.size() / 8);
    bool codeLeft = true, phpLeft = true;  // a closing tag may still follow
    size_t copied = 0;
    for (size_t at = FindByte(message, 0, '['); at != npos; at = FindByte(message, at + 1, '[')) {
        const bool code = codeLeft && HasIgnoringCase(message, at, "[code]");
        const bool php = !code && phpLeft && HasIgnoringCase(message, at, "[php]");
        if (!code && !php)
            continue;
        const size_t start = at + (code ? 6 : 5);
        const size_t close = Find(message, code ? "[/code]" : "[/php]", start);
        if (close == npos) {
            (code ? codeLeft : phpLeft) = false;
            continue;
        }
        Text::AppendEscaped(out, message.substr(copied, at - copied));
        blocks.push_back({php, std::string(message.substr(start, close - start))});
        out += Placeholder;
        copied = close + (code ? 7 : 6);
        if (copied < message.size() && message[copied] == '\n')
            ++copied;
        at = copied - 1;
    }
    Text::AppendEscaped(out, message.substr(copied));
    return out;
}

// The board's clean-up of a block: leading blank lines and spaces after the
// first tabs dropped, trailing white space trimmed. Empty (or "0": PHP's
// empty()) gives nothing.
bool CleanBlock(std::string& code)
{
    size_t tabs = 0;
    while (tabs < code.size() && code[tabs] == '\t')
        ++tabs;
    size_t end = tabs;
    while (end < code.size()
           && (code[end] == '\n' || code[end] == '\r' || code[end] == '\0' || code[end] == '\x0B' || code[end] == ' '))
        ++end;
    code.erase(tabs, end - tabs);
    size_t keep = code.size();
    while (keep > 0
           && (code[keep - 1] == ' ' || code[keep - 1] == '\t' || code[keep - 1] == '\n' || code[keep - 1] == '\r'
               || code[keep - 1] == '\0' || code[keep - 1] == '\x0B'))
        --keep;
    code.resize(keep);
    const std::string_view original = std::string_view(code).substr(
        code.find_first_not_of('\t') == npos ? code.size() : code.find_first_not_of('\t'));
    return !original.empty() && original != "0";
}

std::string CodeHtml(const CodeBlock& block)
{
    std::string code = block.text;
    if (!CleanBlock(code))
        return {};
    if (block.php)
        return "<div class=\"codeblock phpcodeblock\"><div class=\"title\">PHP Code:</div><div class=\"body\">"
            + HighlightPhp(code) + "</div></div><br />";
    std::string html =
        "<div class=\"codeblock\"><div class=\"title\">Code:</div><div class=\"body\" dir=\"ltr\"><code>";
    std::string escaped;
    Text::AppendEscaped(escaped, code);
    for (size_t at = 0; at < escaped.size(); ++at) {
        const char c = escaped[at];
        if (c == '$')
            html += "&#36;";
        else if (c == '\\')
            html += "&#92;";
        else if (c == '\t')
            html += "&nbsp;&nbsp;&nbsp;&nbsp;";
        else if (c == ' ' && at + 1 < escaped.size() && escaped[at + 1] == ' ') {
            html += "&nbsp;&nbsp;";
            ++at;
        } else
            html += c;
    }
    html += "</code></div></div><br />";
    return html;
}

// The blocks written back into their placeholders, in order (with the
// newline that follows a placeholder, when it is still there).
bool PutCodeBack(std::string_view in, const std::vector<CodeBlock>& blocks, std::string& out)
{
    if (blocks.empty())
        return false;
    bbcode::ReserveFor(out, in.size() + in.size() / 8);
    size_t from = 0;
    for (const CodeBlock& block : blocks) {
        const size_t at = in.find("<mybb-code>", from);
        if (at == npos)
            break;
        out.append(in, from, at - from);
        out += CodeHtml(block);
        from = at + 11;
        if (from < in.size() && in[from] == '\n')
            ++from;
    }
    out.append(in, from);
    return true;
}

// --- /me and /slap ---------------------------------------------------------

bool MeAndSlap(std::string_view in, std::string_view command, std::string_view before, std::string_view after,
               std::string& out)
{
    size_t from = 0;
    for (size_t at = Find(in, command, 0); at != npos; at = Find(in, command, at + 1)) {
        if (at > 0 && in[at - 1] != '\n' && in[at - 1] != '>')
            continue;
        size_t end = at + command.size();
        while (end < in.size() && in[end] != '\n' && in[end] != '<')
            ++end;
        out.append(in, from, at - from);
        out += before;
        out.append(in, at + command.size(), end - at - command.size());
        out += after;
        from = end;
        at = end - 1;
    }
    if (from == 0)
        return false;
    out.append(in, from);
    return true;
}

// --- smilies ---------------------------------------------------------------

// The codes as a trie, matched longest first at each position as PHP's
// strtr() does.
class SmileyTrie {
public:
    explicit SmileyTrie(const std::vector<Smiley>& smilies)
    {
        m_nodes.emplace_back();
        for (const Smiley& s : smilies) {
            std::string code;
            Text::AppendEscaped(code, std::string_view(s.code));
            if (code.empty())
                continue;
            const std::string html = "<img src=\"" + Text::SpecialChars(s.picture) + "\" alt=\""
                + Text::SpecialChars(s.name) + "\" title=\"" + Text::SpecialChars(s.name) + "\" class=\"smilie smilie_"
                + std::to_string(s.id) + "\" />";
            Add(code, html, false);
            if (code[0] == ';')  // "&amp;)" is an escaped "&" and ")", not a wink
                for (const char* entity : {"&amp", "&lt", "&gt"})
                    Add(entity + code, entity + code, true);
        }
    }

    // The length of the longest code at `pos` (0: none), its HTML in `html`.
    size_t Match(std::string_view s, size_t pos, const std::string*& html) const
    {
        size_t node = 0, best = 0;
        for (size_t at = pos; at < s.size(); ++at) {
            const auto& next = m_nodes[node].next;
            const auto it = next.find(s[at]);
            if (it == next.end())
                break;
            node = it->second;
            if (m_nodes[node].html) {
                best = at + 1 - pos;
                html = m_nodes[node].html;
            }
        }
        return best;
    }
    bool Starts(char c) const { return m_nodes[0].next.count(c) != 0; }

private:
    void Add(const std::string& code, const std::string& html, bool keepExisting)
    {
        size_t node = 0;
        for (const char c : code) {
            const auto it = m_nodes[node].next.find(c);
            if (it == m_nodes[node].next.end()) {
                m_nodes.emplace_back();
                m_nodes[node].next[c] = m_nodes.size() - 1;
                node = m_nodes.size() - 1;
            } else {
                node = it->second;
            }
        }
        if (keepExisting && m_nodes[node].html)
            return;
        m_html.push_back(std::make_unique<std::string>(html));
        m_nodes[node].html = m_html.back().get();
    }
    struct Node {
        std::map<char, size_t> next;
        const std::string* html = nullptr;
    };
    std::vector<Node> m_nodes;
    std::vector<std::unique_ptr<std::string>> m_html;
};

// The length of a stretch the board keeps smilies out of at `pos`:
// "[url]", "[url=...]", "[quote=...]", and addresses from "http://",
// "https://", "ftp://" or "ftps://" to the next white space.
size_t ProtectedLength(std::string_view s, size_t pos)
{
    if (s[pos] == '[') {
        if (HasIgnoringCase(s, pos, "[url]"))
            return 5;
        if (HasIgnoringCase(s, pos, "[url=") || HasIgnoringCase(s, pos, "[quote=")) {
            const size_t end = s.find(']', pos);
            return end == npos ? 0 : end + 1 - pos;
        }
        return 0;
    }
    size_t at = pos;
    if (HasIgnoringCase(s, at, "http"))
        at += 4;
    else if (HasIgnoringCase(s, at, "ftp"))
        at += 3;
    else
        return 0;
    if (at < s.size() && Ascii::Lower(s[at]) == 's')
        ++at;
    if (!HasIgnoringCase(s, at, "://"))
        return 0;
    at += 3;
    while (at < s.size() && !Ascii::IsSpace(s[at]))
        ++at;
    return at - pos;
}

// Only bytes that may start a code or a protected stretch are looked at;
// the text between them is copied in runs.
void Smilies(std::string_view in, const std::vector<Smiley>& smilies, std::string& out)
{
    const SmileyTrie trie(smilies);
    std::array<bool, 256> looked{};
    for (int c = 0; c < 256; ++c)
        looked[size_t(c)] = trie.Starts(char(c));
    for (const char c : {'[', 'h', 'H', 'f', 'F'})
        looked[static_cast<unsigned char>(c)] = true;
    bbcode::ReserveFor(out, in.size() + in.size() / 8);
    size_t copied = 0;
    bool marksOnly = true;  // every code starts with ":", ";" or "&", as the board's own do
    for (int c = 0; c < 256; ++c)
        if (trie.Starts(char(c)) && c != ':' && c != ';' && c != '&')
            marksOnly = false;
    if (marksOnly) {
        // Then the walk goes from one of those bytes or "[" to the next,
        // eight bytes at a time. A protected address is found from its
        // ":", three to five bytes after its start, and tried there before
        // the ":" itself: no code starts on the letters between the two.
        size_t next = 0;  // the walk has passed what is before this
        for (size_t at = FindAnyOf(in, 0, ':', ';', '&', '['); at != npos;
             at = FindAnyOf(in, std::max(at + 1, next), ':', ';', '&', '[')) {
            if (at < next)
                continue;
            size_t n = 0;
            if (in[at] == ':') {
                for (const size_t back : {5, 4, 3})
                    if (at >= next + back && (n = ProtectedLength(in, at - back))) {
                        next = at - back + n;
                        break;
                    }
            } else if (in[at] == '[') {
                n = ProtectedLength(in, at);
                next = at + (n ? n : 1);
                continue;
            }
            if (n)
                continue;
            const std::string* html = nullptr;
            if ((n = trie.Match(in, at, html))) {
                out.append(in, copied, at - copied);
                out += *html;
                copied = at + n;
            }
            next = at + (n ? n : 1);
        }
        out.append(in, copied);
        return;
    }
    for (size_t at = 0; at < in.size();) {
        const char c = in[at];
        if (!looked[static_cast<unsigned char>(c)]) {
            ++at;
            continue;
        }
        if (c == '[' || c == 'h' || c == 'H' || c == 'f' || c == 'F') {
            if (const size_t n = ProtectedLength(in, at)) {
                at += n;
                continue;
            }
        }
        if (trie.Starts(c)) {
            const std::string* html = nullptr;
            if (const size_t n = trie.Match(in, at, html)) {
                out.append(in, copied, at - copied);
                out += *html;
                at += n;
                copied = at;
                continue;
            }
        }
        ++at;
    }
    out.append(in, copied);
}

// --- simple tags ---------------------------------------------------------

// The board's replacements of "$", of "\[b\](.*?)\[/b\]" and the like for
// underline, italic and strike, of "[hr]", "(c)", "(tm)" and "(r)", made in
// one walk. They can share it: none of them writes or removes text another
// looks for (their HTML holds no "$", "[" or "("), and their tags cannot
// overlap, so each finds the same matches it would find alone. Each
// opening tag pairs with the first closing tag after it, and the next
// opening counts only after that closing tag, as the lazy pattern
// replaced once over the text does.
struct SimpleTag {
    std::string_view open, close, before, after;
};

constexpr SimpleTag SimpleTags[] = {
    {"[b]", "[/b]", "<span style=\"font-weight: bold;\" class=\"mycode_b\">", "</span>"},
    {"[u]", "[/u]", "<span style=\"text-decoration: underline;\" class=\"mycode_u\">", "</span>"},
    {"[i]", "[/i]", "<span style=\"font-style: italic;\" class=\"mycode_i\">", "</span>"},
    {"[s]", "[/s]", "<span style=\"text-decoration: line-through;\" class=\"mycode_s\">", "</span>"},
};

bool SimpleTagsAndSigns(std::string_view in, std::string& out)
{
    struct Pairing {
        Finder closes;
        size_t close = npos;  // the closing tag of the open pair
        bool done = false;    // an opening tag found no closing tag: no more pairs
    };
    std::array<Pairing, std::size(SimpleTags)> pairings{
        {{{in, SimpleTags[0].close}}, {{in, SimpleTags[1].close}}, {{in, SimpleTags[2].close}}, {{in, SimpleTags[3].close}}}};
    bool changed = false;
    size_t copied = 0;
    auto replace = [&](size_t at, size_t length, std::string_view with) {
        if (!changed)
            bbcode::ReserveFor(out, in.size() + in.size() / 2);
        changed = true;
        out.append(in, copied, at - copied);
        out += with;
        copied = at + length;
    };
    for (size_t at = FindAnyOf(in, 0, '$', '(', '['); at != npos; at = FindAnyOf(in, at + 1, '$', '(', '[')) {
        const char c = in[at];
        if (c == '$') {
            replace(at, 1, "&#36;");
        } else if (c == '(') {
            if (HasIgnoringCase(in, at, "(c)"))
                replace(at, 3, "&copy;");
            else if (HasIgnoringCase(in, at, "(tm)"))
                replace(at, 4, "&#153;");
            else if (HasIgnoringCase(in, at, "(r)"))
                replace(at, 3, "&reg;");
            else
                continue;
            at = copied - 1;
        } else if (c == '[') {
            if (HasIgnoringCase(in, at, "[hr]")) {
                replace(at, 4, "<hr class=\"mycode_hr\" />");
                at = copied - 1;
                continue;
            }
            for (size_t k = 0; k < pairings.size(); ++k) {
                const SimpleTag& tag = SimpleTags[k];
                Pairing& pairing = pairings[k];
                if (at == pairing.close) {
                    replace(at, tag.close.size(), tag.after);
                    pairing.close = npos;
                } else if (pairing.close == npos && !pairing.done && HasIgnoringCase(in, at, tag.open)) {
                    pairing.close = pairing.closes(at + tag.open.size());
                    if (pairing.close == npos) {
                        pairing.done = true;
                        continue;
                    }
                    replace(at, tag.open.size(), tag.before);
                } else {
                    continue;
                }
                at = copied - 1;
                break;
            }
        }
    }
    if (!changed)
        return false;
    out.append(in, copied);
    return true;
}

// --- [size=N] --------------------------------------------------------------

bool NumericSizes(std::string_view in, std::string& out)
{
    size_t from = 0;
    Finder closes(in, "[/size]");
    for (size_t at = Find(in, "[size=", 0); at != npos; at = Find(in, "[size=", at + 1)) {
        size_t end = at + 6;
        while (end < in.size() && (Ascii::IsDigit(in[end]) || in[end] == '+' || in[end] == '-'))
            ++end;
        if (end == at + 6 || end >= in.size() || in[end] != ']')
            continue;
        const size_t close = closes(end + 1);
        if (close == npos)
            break;
        const int64_t size = std::clamp<int64_t>(Text::ToInt(in.substr(at + 6, end - at - 6)), 1, 50);
        out.append(in, from, at - from);
        out += "<span style=\"font-size: " + std::to_string(size) + "pt;\" class=\"mycode_size\">";
        const std::string_view content = in.substr(end + 1, close - end - 1);
        for (size_t k = 0; k < content.size(); ++k) {
            if (content[k] == '\\' && k + 1 < content.size() && content[k + 1] == '\'')
                continue;
            out += content[k];
        }
        out += "</span>";
        from = close + 7;
        at = from - 1;
    }
    if (from == 0)
        return false;
    out.append(in, from);
    return true;
}

// --- nestable tags ---------------------------------------------------------

// The board replaces "\[color=V\](.*?)\[/color\]" again and again until it
// no longer matches. Its tags make no new tags, so the result is which
// opening and closing tags are replaced: each round pairs the first opening
// tag of every run of openings with the first closing tag of the run of
// closings after it. The rounds are played over the runs, each step one
// pair, so the whole is linear in the number of tags.
struct Token {
    size_t at, end;
    bool open;
    std::string value;
    bool done = false;
};

void PlayRounds(std::vector<Token>& tokens)
{
    // A run is a chain of token numbers linked through `after`.
    constexpr size_t End = SIZE_MAX;
    std::vector<size_t> after(tokens.size(), End);
    struct Run {
        bool open;
        size_t head, tail, count;
    };
    std::vector<Run> runs;
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (runs.empty() || runs.back().open != tokens[i].open) {
            runs.push_back({tokens[i].open, i, i, 1});
        } else {
            after[runs.back().tail] = i;
            runs.back().tail = i;
            ++runs.back().count;
        }
    }
    auto take = [&](Run& run) {
        tokens[run.head].done = true;
        run.head = after[run.head];
        --run.count;
    };
    while (true) {
        bool paired = false;
        for (size_t r = 0; r + 1 < runs.size(); ++r)
            if (runs[r].open && !runs[r + 1].open && runs[r].count && runs[r + 1].count) {
                take(runs[r]);
                take(runs[r + 1]);
                paired = true;
            }
        if (!paired)
            break;
        // Empty runs go; neighbours of the same kind join, the earlier first.
        std::vector<Run> joined;
        joined.reserve(runs.size());
        for (const Run& run : runs) {
            if (!run.count)
                continue;
            if (!joined.empty() && joined.back().open == run.open) {
                after[joined.back().tail] = run.head;
                joined.back().tail = run.tail;
                joined.back().count += run.count;
            } else {
                joined.push_back(run);
            }
        }
        runs.swap(joined);
    }
}

// "[a-zA-Z]*|\#?[\da-fA-F]{3}|\#?[\da-fA-F]{6}" up to the tag's "]": letters
// only (none at all too, so "[color=]" pairs and writes "color: ;"), or one
// colour of 3 or 6 hex digits with an optional "#".
bool ValidColour(std::string_view v, std::string& value)
{
    const std::string_view hex = v.substr(!v.empty() && v[0] == '#');
    const bool letters = std::all_of(v.begin(), v.end(), Ascii::IsAlpha);
    if (!letters && !((hex.size() == 3 || hex.size() == 6) && std::all_of(hex.begin(), hex.end(), Ascii::IsHexDigit)))
        return false;
    value = v;
    return true;
}

bool ValidSizeName(std::string_view v, std::string& value)
{
    for (const std::string_view name : {"xx-small", "x-small", "small", "medium", "large", "x-large", "xx-large"})
        if (Ascii::EqualsIgnoringCase(v, name)) {
            value = v;
            return true;
        }
    return false;
}

// "\s*(\"?)([a-z0-9 ,\-_'\"]+)\1\s*" in any case; double quotes in the
// name become single ones, so that they cannot end the style attribute.
bool ValidFont(std::string_view v, std::string& value)
{
    auto inName = [](char c) {
        return Ascii::IsAlnum(c) || c == ' ' || c == ',' || c == '-' || c == '_' || c == '\'' || c == '"';
    };
    size_t lead = 0;
    while (lead < v.size() && Ascii::IsSpace(v[lead]))
        ++lead;
    size_t trail = v.size();
    while (trail > lead && Ascii::IsSpace(v[trail - 1]) && v[trail - 1] != ' ')
        --trail;
    std::string_view name;
    const std::string_view core = v.substr(lead, trail - lead);
    if (core.size() >= 3 && core.front() == '"') {
        // A quoted name, white space after the closing quote allowed.
        size_t end = core.size();
        while (end > 0 && Ascii::IsSpace(core[end - 1]))
            --end;
        if (end >= 3 && core[end - 1] == '"')
            name = core.substr(1, end - 2);
        if (!name.empty() && !std::all_of(name.begin(), name.end(), inName))
            name = {};
    }
    if (name.empty()) {
        name = core;
        if (name.empty() && lead > 0 && v[lead - 1] == ' ')
            name = v.substr(lead - 1, 1);
        if (name.empty() || !std::all_of(name.begin(), name.end(), inName))
            return false;
    }
    value = name;
    std::replace(value.begin(), value.end(), '"', '\'');
    return true;
}

bool ValidAlignment(std::string_view v, std::string& value)
{
    for (const std::string_view name : {"left", "center", "right", "justify"})
        if (Ascii::EqualsIgnoringCase(v, name)) {
            value = v;
            return true;
        }
    return false;
}

// The four nestable tags, in the board's order. Their replacements can
// share one walk: their HTML holds no "[" and a valid value holds none
// either, so no tag of one name is made, hidden or changed by replacing
// those of another, and each name's rounds pair the same tags as when
// its replacements run over the text alone.
struct NestableKind {
    std::string_view open, close;
    bool (*valid)(std::string_view, std::string&);
    std::string_view before, middle, after;
};

constexpr NestableKind NestableKinds[] = {
    {"[color=", "[/color]", ValidColour, "<span style=\"color: ", ";\" class=\"mycode_color\">", "</span>"},
    {"[size=", "[/size]", ValidSizeName, "<span style=\"font-size: ", ";\" class=\"mycode_size\">", "</span>"},
    {"[font=", "[/font]", ValidFont, "<span style=\"font-family: ", ";\" class=\"mycode_font\">", "</span>"},
    {"[align=", "[/align]", ValidAlignment, "<div style=\"text-align: ", ";\" class=\"mycode_align\">", "</div>"},
};

bool NestableTags(std::string_view in, std::string& out)
{
    constexpr size_t Kinds = std::size(NestableKinds);
    std::array<std::vector<Token>, Kinds> tokens;
    for (size_t at = FindByte(in, 0, '['); at != npos; at = FindByte(in, at + 1, '[')) {
        for (size_t k = 0; k < Kinds; ++k) {
            const NestableKind& kind = NestableKinds[k];
            if (HasIgnoringCase(in, at, kind.close)) {
                tokens[k].push_back({at, at + kind.close.size(), false, {}});
                break;
            }
            if (HasIgnoringCase(in, at, kind.open)) {
                const size_t end = in.find(']', at + kind.open.size());
                std::string value;
                if (end != npos && kind.valid(in.substr(at + kind.open.size(), end - at - kind.open.size()), value))
                    tokens[k].push_back({at, end + 1, true, std::move(value)});
                break;
            }
        }
    }
    // Each name's tags paired apart; the replaced ones then written in the
    // order of the text, the lists merged as they go.
    bool any = false;
    for (std::vector<Token>& list : tokens)
        if (std::any_of(list.begin(), list.end(), [](const Token& t) { return t.open; })) {
            PlayRounds(list);
            any = any || std::any_of(list.begin(), list.end(), [](const Token& t) { return t.done; });
        }
    if (!any)
        return false;
    bbcode::ReserveFor(out, in.size() + in.size() / 8);
    std::array<size_t, Kinds> next{};
    size_t from = 0;
    while (true) {
        size_t pick = Kinds;
        for (size_t k = 0; k < Kinds; ++k) {
            while (next[k] < tokens[k].size() && !tokens[k][next[k]].done)
                ++next[k];
            if (next[k] < tokens[k].size() && (pick == Kinds || tokens[k][next[k]].at < tokens[pick][next[pick]].at))
                pick = k;
        }
        if (pick == Kinds)
            break;
        const Token& t = tokens[pick][next[pick]++];
        const NestableKind& kind = NestableKinds[pick];
        out.append(in, from, t.at - from);
        if (t.open) {
            out += kind.before;
            out += t.value;
            out += kind.middle;
        } else {
            out += kind.after;
        }
        from = t.end;
    }
    out.append(in, from);
    return true;
}

// --- line breaks -----------------------------------------------------------

// After nl2br, a break right after a block element's tag taken away (the
// board's "(</?(?:html|head|body|div|p|form|table|thead|tbody|tfoot|tr|td|
// th|ul|ol|li|div|p|blockquote|cite|hr)[^>]*>)\s*<br />").
// nl2br: "<br />" before every newline.
bool NewlineBreaks(std::string_view in, std::string& out)
{
    size_t copied = 0;
    for (size_t at = ByteScan::Find(in.data(), in.size(), 0, '\n'); at < in.size();
         at = ByteScan::Find(in.data(), in.size(), at + 1, '\n')) {
        if (copied == 0)
            bbcode::ReserveFor(out, in.size() + in.size() / 8);
        out.append(in, copied, at - copied);
        out += "<br />";
        copied = at;
    }
    if (copied == 0)
        return false;
    out.append(in, copied);
    return true;
}

bool BlockBreaks(std::string_view s, std::string& out)
{
    static constexpr std::string_view Blocks[] = {"html",  "head",  "body",       "div",  "p",  "form", "table",
                                                  "thead", "tbody", "tfoot",      "tr",   "td", "th",   "ul",
                                                  "ol",    "li",    "blockquote", "cite", "hr"};
    size_t from = 0;
    for (size_t at = FindByte(s, 0, '<'); at != npos; at = FindByte(s, at + 1, '<')) {
        size_t name = at + 1;
        if (name < s.size() && s[name] == '/')
            ++name;
        // Only these letters start a block element's name.
        if (name >= s.size() || std::string_view("bcdfhloptuBCDFHLOPTU").find(s[name]) == npos)
            continue;
        bool block = false;
        for (const std::string_view b : Blocks)
            if (HasIgnoringCase(s, name, b)) {
                block = true;
                break;
            }
        if (!block)
            continue;
        const size_t close = s.find('>', name);
        if (close == npos)
            break;
        size_t next = close + 1;
        while (next < s.size() && Ascii::IsSpace(s[next]))
            ++next;
        if (s.substr(next, 6) != "<br />") {
            at = close;
            continue;
        }
        if (from == 0)
            bbcode::ReserveFor(out, s.size());
        out.append(s, from, close + 1 - from);
        from = next + 6;
        at = from - 1;
    }
    if (from == 0)
        return false;
    out.append(s, from);
    return true;
}

// Whether every "<" starts a tag an XML reader accepts: a name, attributes
// with quoted values free of "<", then ">" or "/>"; or a closing tag.
// Elements closed out of order pass, as they do on the board.
bool WellFormed(std::string_view s)
{
    auto isName = [](char c) { return Ascii::IsAlnum(c) || c == '-' || c == '_' || c == ':'; };
    for (size_t at = FindByte(s, 0, '<'); at != npos; at = FindByte(s, at + 1, '<')) {
        size_t p = at + 1;
        const bool closing = p < s.size() && s[p] == '/';
        p += closing;
        if (p >= s.size() || !Ascii::IsAlpha(s[p]))
            return false;
        while (p < s.size() && isName(s[p]))
            ++p;
        while (true) {
            const size_t space = p;
            while (p < s.size() && Ascii::IsSpace(s[p]))
                ++p;
            if (p < s.size() && s[p] == '>')
                break;
            if (!closing && s.compare(p, 2, "/>") == 0) {
                ++p;
                break;
            }
            if (closing || p == space || p >= s.size() || !Ascii::IsAlpha(s[p]))
                return false;
            while (p < s.size() && isName(s[p]))
                ++p;
            if (s.compare(p, 2, "=\"") != 0)
                return false;
            const size_t end = s.find_first_of("\"<", p + 2);
            if (end == npos || s[end] != '"')
                return false;
            p = end + 1;
        }
        at = p;
    }
    return true;
}

}  // namespace

std::string Parse(std::string message, Context& context)
{
    std::vector<CodeBlock> blocks;
    std::string text = CutCode(message, blocks);
    // Each pass below that writes a new text writes it into `spare` (the
    // message's old buffer), which then changes places with `text`: two
    // buffers serve all the passes.
    std::string spare = std::move(message);
    auto run = [&](auto&& pass) {
        spare.clear();
        if (pass(std::string_view(text), spare))
            text.swap(spare);
    };
    if (!context.options.userName.empty()) {
        const std::string name = Text::SpecialChars(context.options.userName);
        const std::string me = "<span style=\"color: red;\" class=\"mycode_me\">* " + name + " ";
        const std::string slap = "<span style=\"color: red;\" class=\"mycode_slap\">* " + name + " slaps ";
        run([&](std::string_view in, std::string& out) { return MeAndSlap(in, "/me ", me, "</span>", out); });
        run([&](std::string_view in, std::string& out) {
            return MeAndSlap(in, "/slap ", slap, " around a bit with a large trout.</span>", out);
        });
    }
    run([&](std::string_view in, std::string& out) {
        Smilies(in, context.smilies, out);
        return true;
    });
    Quotes(text, spare, context);
    Images(text, spare, context);
    run([&](std::string_view in, std::string& out) { return Videos(in, out, context); });
    run(SimpleTagsAndSigns);
    Links(text, spare);
    Emails(text, spare);
    run(NumericSizes);
    run(NestableTags);
    run(Lists);
    run(AutoLinks);
    run([&](std::string_view in, std::string& out) { return PutCodeBack(in, blocks, out); });
    run(NewlineBreaks);
    run(BlockBreaks);
    if (context.clearNeeded)
        text += "<br class=\"clear\" />";
    // The board checks its output is well-formed and shows nothing when it
    // is not: a tag written inside another's attribute (MyCode inside a
    // picture's address) does that.
    if (context.refused || !WellFormed(text))
        text.clear();
    return text;
}

}  // namespace Mybb18::Passes
