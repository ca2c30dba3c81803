// SPDX-License-Identifier: MIT
#include "writing/PostScan.h"

#include "board/classic/EmoticonTable.h"

#include <algorithm>

namespace PostScan {
namespace {

struct NameRow {
    std::string_view text;
    TagName name;
    bool plain;   // known without a value: [b]
    bool valued;  // known with a value: [color=red]
};

// The tags the preview turns into HTML, spelt as it knows them.
constexpr NameRow Names[] = {
    {"b", TagName::Bold, true, false},       {"i", TagName::Italic, true, false},
    {"u", TagName::Underline, true, false},  {"img", TagName::Image, true, false},
    {"code", TagName::Code, true, false},    {"list", TagName::List, true, true},
    {"quote", TagName::Quote, true, true},   {"url", TagName::Link, true, true},
    {"color", TagName::Colour, false, true}, {"size", TagName::Size, false, true},
};

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

const NameRow* FindName(std::string_view written)
{
    for (const NameRow& row : Names) {
        if (row.text.size() != written.size())
            continue;
        bool same = true;
        for (size_t i = 0; i < written.size() && same; ++i)
            same = Lower(written[i]) == row.text[i];
        if (same)
            return &row;
    }
    return nullptr;
}

// The tag starting at `at` (a "["), if it is one the preview knows in any
// letter case.
bool ReadTag(std::string_view line, size_t at, Tag& tag, TagRules rules)
{
    size_t i = at + 1;
    if (line.substr(i, 2) == "*]") {
        tag = Tag{at, 3, 0, 0, TagName::ListItem, false, false};
        return true;
    }
    const bool closing = i < line.size() && line[i] == '/';
    if (closing)
        ++i;
    const size_t nameStart = i;
    while (i < line.size() && IsAsciiLetter(line[i]))
        ++i;
    const NameRow* row = FindName(line.substr(nameStart, i - nameStart));
    if (!row || i >= line.size())
        return false;
    tag = Tag{at, 0, 0, 0, row->name, closing, false};
    tag.upperCase = !rules.anyCase && line.substr(nameStart, i - nameStart) != row->text;
    if (line[i] == ']') {
        if (!closing && !row->plain)
            return false;
        tag.length = i + 1 - at;
        return true;
    }
    // Attributes after a blank: "author=Ann link=... date=...", "type=decimal".
    if (!closing && rules.attributes && line[i] == ' '
        && (row->name == TagName::Quote || row->name == TagName::List)) {
        const size_t end = line.find_first_of("[]", i);
        const size_t equals = line.find('=', i);
        if (end == std::string_view::npos || line[end] != ']' || equals > end)
            return false;
        tag.valueStart = i + 1;
        tag.valueLength = end - i - 1;
        tag.length = end + 1 - at;
        return true;
    }
    if (closing || line[i] != '=' || !row->valued)
        return false;
    const size_t valueStart = i + 1;
    const size_t end = line.find_first_of("[]", valueStart);
    if (end == std::string_view::npos || line[end] != ']')
        return false;
    const std::string_view value = line.substr(valueStart, end - valueStart);
    if (row->name == TagName::List && value != "1" && value != "a" && value != "i")
        return false;
    tag.valueStart = valueStart;
    tag.valueLength = value.size();
    tag.length = end + 1 - at;
    return true;
}

// The length of the emoticon code at `at`, 0 when none starts there. Where
// codes share a beginning the table lists the longer first, and so it wins.
size_t EmoticonAt(std::string_view line, size_t at)
{
    if (line[at] != ':' && line[at] != '8')
        return 0;
    for (const bbcode::Emoticon& e : bbcode::EmoticonTable)
        if (line.substr(at, e.code.size()) == e.code)
            return e.code.size();
    return 0;
}

bool Pairs(const Tag& tag) { return !tag.upperCase && tag.name != TagName::ListItem; }
size_t Slot(TagName name) { return static_cast<size_t>(name); }

// The code point of the UTF-8 sequence at `at` and its length (1 for a stray byte).
char32_t Decode(std::string_view s, size_t at, size_t& length)
{
    const auto b0 = static_cast<unsigned char>(s[at]);
    length = 1;
    if (b0 < 0x80)
        return b0;
    const int more = b0 >= 0xF0 ? 3 : b0 >= 0xE0 ? 2 : b0 >= 0xC0 ? 1 : 0;
    if (more == 0 || at + static_cast<size_t>(more) >= s.size())
        return 0xFFFD;
    char32_t cp = b0 & (0x3F >> more);
    for (int k = 1; k <= more; ++k) {
        const auto b = static_cast<unsigned char>(s[at + static_cast<size_t>(k)]);
        if ((b & 0xC0) != 0x80)
            return 0xFFFD;
        cp = (cp << 6) | (b & 0x3F);
    }
    length = static_cast<size_t>(more) + 1;
    return cp;
}

// Letters of any script; the punctuation, symbol and emoji blocks are not.
bool IsLetter(char32_t cp)
{
    if (cp < 0x80)
        return IsAsciiLetter(static_cast<char>(cp));
    if (cp < 0xC0 || cp == 0xD7 || cp == 0xF7 || cp == 0xFFFD)
        return false;
    if ((cp >= 0x2000 && cp <= 0x2BFF) || (cp >= 0x3000 && cp <= 0x303F) || (cp >= 0xFE00 && cp <= 0xFE0F))
        return false;
    return cp < 0x1F000;
}

bool IsApostrophe(char32_t cp) { return cp == '\'' || cp == 0x2019; }

// Text between blanks and brackets: an address is skipped whole.
bool IsChunkEnd(char c)
{
    switch (c) {
    case ' ':
    case '\t':
    case '\r':
    case '\n':
    case '[':
    case ']':
    case '<':
    case '>':
    case '(':
    case ')':
    case '"':
    case '{':
    case '}':
    case '|':
        return true;
    default:
        return false;
    }
}

bool IsAddress(std::string_view chunk)
{
    if (chunk.find("://") != std::string_view::npos || chunk.find('@') != std::string_view::npos)
        return true;
    return chunk.size() > 4 && Lower(chunk[0]) == 'w' && Lower(chunk[1]) == 'w' && Lower(chunk[2]) == 'w'
        && chunk[3] == '.';
}

// The words of `line` outside the sorted, non-overlapping ranges `skip`.
std::vector<Range> WordsOutside(std::string_view line, const std::vector<Range>& skip)
{
    std::vector<Range> words;
    size_t next = 0;  // the next range of `skip`
    size_t at = 0;
    while (at < line.size()) {
        if (next < skip.size() && at >= skip[next].start) {
            at = std::max(at, skip[next].start + skip[next].length);
            ++next;
            continue;
        }
        const size_t limit = next < skip.size() ? skip[next].start : line.size();
        if (line[at] == '<' && at + 1 < line.size()
            && (IsAsciiLetter(line[at + 1]) || line[at + 1] == '/' || line[at + 1] == '!')) {
            // An HTML tag, through its ">".
            const size_t close = line.find('>', at);
            at = close == std::string_view::npos ? line.size() : close + 1;
            continue;
        }
        if (IsChunkEnd(line[at])) {
            ++at;
            continue;
        }
        size_t chunkEnd = at;
        while (chunkEnd < limit && !IsChunkEnd(line[chunkEnd]))
            ++chunkEnd;
        if (IsAddress(line.substr(at, chunkEnd - at))) {
            at = chunkEnd;
            continue;
        }
        // Words of the chunk: letters, digits and inner apostrophes.
        while (at < chunkEnd) {
            size_t length = 0;
            const char32_t cp = Decode(line, at, length);
            if (!IsLetter(cp) && !IsDigit(static_cast<char>(cp < 0x80 ? cp : 0))) {
                at += length;
                continue;
            }
            const size_t start = at;
            size_t end = at;
            bool digits = false;
            while (at < chunkEnd) {
                const char32_t c = Decode(line, at, length);
                if (IsLetter(c)) {
                    at += length;
                    end = at;
                } else if (c < 0x80 && (IsDigit(static_cast<char>(c)) || c == '_')) {
                    digits = true;
                    at += length;
                    end = at;
                } else if (IsApostrophe(c)) {
                    at += length;  // kept only when a letter follows
                } else {
                    break;
                }
            }
            if (!digits)
                words.push_back({start, end - start});
        }
    }
    return words;
}

// The line's pairing tags walked from the last to the first, counting per tag
// name the closing tags still waiting for an opening tag before them;
// `neverClosed` is called with each opening tag that no closing tag after it
// (on this line or, by `atEnd`, below it) takes. Returns the count at the
// line's start.
template <typename NeverClosed>
Pending WalkBackward(const Pending& atEnd, const LineTokens& line, NeverClosed neverClosed)
{
    Pending pending = atEnd;
    for (auto tag = line.tags.rbegin(); tag != line.tags.rend(); ++tag) {
        if (!Pairs(*tag))
            continue;
        uint32_t& waiting = pending.open[Slot(tag->name)];
        if (tag->closing)
            ++waiting;
        else if (waiting > 0)
            --waiting;
        else
            neverClosed(*tag);
    }
    return pending;
}

}  // namespace

LineTokens Scan(std::string_view line, TagRules rules)
{
    LineTokens tokens;
    for (size_t at = 0; at < line.size();) {
        if (line[at] == '[') {
            Tag tag;
            if (ReadTag(line, at, tag, rules)) {
                tokens.tags.push_back(tag);
                at += tag.length;
                continue;
            }
        } else if (const size_t length = EmoticonAt(line, at)) {
            tokens.emoticons.push_back({at, length});
            at += length;
            continue;
        }
        ++at;
    }
    return tokens;
}

bool SameTags(const LineTokens& a, const LineTokens& b)
{
    return std::equal(a.tags.begin(), a.tags.end(), b.tags.begin(), b.tags.end(), [](const Tag& x, const Tag& y) {
        return x.name == y.name && x.closing == y.closing && x.upperCase == y.upperCase;
    });
}

Depths Forward(const Depths& atStart, const LineTokens& line)
{
    Depths depths = atStart;
    for (const Tag& tag : line.tags) {
        if (!Pairs(tag))
            continue;
        uint32_t& open = depths.open[Slot(tag.name)];
        if (!tag.closing)
            ++open;
        else if (open > 0)
            --open;
    }
    return depths;
}

Pending Backward(const Pending& atEnd, const LineTokens& line)
{
    return WalkBackward(atEnd, line, [](const Tag&) {});
}

LineLooks Describe(std::string_view line, const LineTokens& tokens, const Depths& atStart, const Pending& atEnd)
{
    LineLooks looks;
    std::vector<Range> skip;  // never prose, in order
    Depths depths = atStart;
    auto open = [&depths](TagName name) { return depths.open[Slot(name)] > 0; };

    // Regions that run from their opening tag (or the line's start) to their
    // closing tag (or the line's end), across any other tags: code, quote,
    // and the address of [img] or a bare [url].
    size_t codeFrom = 0, quoteFrom = 0, addressFrom = 0;
    bool bareLink = false;  // a [url] without a value is open on this line
    auto inAddress = [&] { return open(TagName::Image) || bareLink; };
    auto endRegion = [&](size_t from, size_t to, Look look) {
        if (to <= from)
            return;
        looks.styles.push_back({from, to - from, look});
        if (look != Look::Quote)
            skip.push_back({from, to - from});
    };

    for (const Tag& tag : tokens.tags) {
        const std::string tagText(line.substr(tag.start, tag.length));
        if (tag.upperCase) {
            looks.marks.push_back({tag.start, tag.length, Problem::UpperCase, tagText});
            skip.push_back({tag.start, tag.length});
            continue;
        }
        looks.styles.push_back({tag.start, tag.length, Look::Tag});
        if (tag.valueLength)
            looks.styles.push_back({tag.valueStart, tag.valueLength, Look::Value});
        skip.push_back({tag.start, tag.length});
        if (tag.name == TagName::ListItem)
            continue;

        const bool wasAddress = inAddress();
        uint32_t& depth = depths.open[Slot(tag.name)];
        const size_t after = tag.start + tag.length;
        if (!tag.closing) {
            if (++depth == 1 && tag.name == TagName::Code)
                codeFrom = after;
            if (depth == 1 && tag.name == TagName::Quote)
                quoteFrom = after;
            if (tag.name == TagName::Link && tag.valueLength == 0)
                bareLink = true;
        } else if (depth > 0) {
            if (--depth == 0 && tag.name == TagName::Code)
                endRegion(codeFrom, tag.start, Look::Code);
            if (depth == 0 && tag.name == TagName::Quote)
                endRegion(quoteFrom, tag.start, Look::Quote);
            if (tag.name == TagName::Link)
                bareLink = false;
        } else {
            looks.marks.push_back({tag.start, tag.length, Problem::ClosesNothing, tagText});
        }
        if (!wasAddress && inAddress())
            addressFrom = after;
        else if (wasAddress && !inAddress())
            endRegion(addressFrom, tag.start, Look::Value);
    }
    if (open(TagName::Code))
        endRegion(codeFrom, line.size(), Look::Code);
    if (open(TagName::Quote))
        endRegion(quoteFrom, line.size(), Look::Quote);
    if (inAddress())
        endRegion(addressFrom, line.size(), Look::Value);

    // Opening quotes, code blocks and lists that no later closing tag takes.
    WalkBackward(atEnd, tokens, [&](const Tag& tag) {
        if (tag.name == TagName::Quote || tag.name == TagName::Code || tag.name == TagName::List)
            looks.marks.push_back(
                {tag.start, tag.length, Problem::NeverClosed, std::string(line.substr(tag.start, tag.length))});
    });

    for (const Range& emoticon : tokens.emoticons) {
        looks.styles.push_back({emoticon.start, emoticon.length, Look::Emoticon});
        skip.push_back(emoticon);
    }
    std::sort(skip.begin(), skip.end(), [](const Range& a, const Range& b) { return a.start < b.start; });
    looks.words = WordsOutside(line, skip);
    return looks;
}

std::vector<Range> ProseWords(std::string_view line) { return Describe(line, Scan(line), Depths{}, Pending{}).words; }

std::string ProblemText(const Mark& mark)
{
    switch (mark.problem) {
    case Problem::ClosesNothing:
        return mark.tagText + " closes nothing: there is no opening tag for it before it.";
    case Problem::NeverClosed: {
        const size_t nameEnd = mark.tagText.find_first_of("=]");
        const std::string name = mark.tagText.substr(1, nameEnd == std::string::npos ? std::string::npos : nameEnd - 1);
        return mark.tagText + " is never closed: no [/" + name + "] follows it.";
    }
    case Problem::UpperCase: {
        std::string lower = mark.tagText;
        const size_t nameEnd = std::min(lower.find_first_of("=]"), lower.size());
        std::transform(lower.begin(), lower.begin() + static_cast<std::ptrdiff_t>(nameEnd), lower.begin(), Lower);
        return mark.tagText + " is shown as typed: the preview knows tags in lower case only (" + lower + ").";
    }
    }
    return {};
}

}  // namespace PostScan
