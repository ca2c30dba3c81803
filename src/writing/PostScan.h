// SPDX-License-Identifier: MIT
#pragma once
// What the editor shows about a line of a post: its BBCode tags and their
// values, emoticon codes, the text inside [code], quotes and bare addresses,
// tags that close nothing or are never closed, and the words that are prose
// and so are spell-checked. Qt-free; positions are byte offsets into the
// line's UTF-8 text.
//
// A post is scanned line by line. `Scan` finds what a line holds on its own
// (its tags and emoticon codes); what depends on other lines (inside a code
// block or a quote, whether a tag is matched) comes from two small states:
// the tags still open at the line's start (`Depths`, carried forward line by
// line) and the closing tags still waiting for an opening tag at the line's
// end (`Pending`, carried backward). Tags pair as a stack per tag name: a
// closing tag closes the latest open tag of its name, so a closing tag with
// no open tag of its name before it closes nothing, and an opening tag with
// no unmatched closing tag after it is never closed.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace PostScan {

// The tags that come in pairs, each with its closing tag.
enum class TagName : uint8_t { Bold, Italic, Underline, Image, Code, List, Quote, Link, Colour, Size, ListItem };
inline constexpr size_t PairedCount = 10;  // every name before ListItem

struct Tag {
    size_t start = 0;        // the "["
    size_t length = 0;       // through the "]"
    size_t valueStart = 0;   // the value after "=", if any
    size_t valueLength = 0;  // 0: no value
    TagName name = TagName::Bold;
    bool closing = false;
    bool upperCase = false;  // written with capitals: the preview shows it as typed
};

struct Range {
    size_t start = 0;
    size_t length = 0;
    bool operator==(const Range&) const = default;
};

// What a line holds on its own, whatever the lines around it say.
struct LineTokens {
    std::vector<Tag> tags;         // in order
    std::vector<Range> emoticons;  // codes of the program's emoticon table, outside tags
};

// Open tags per paired name before a point of the post.
struct Depths {
    std::array<uint32_t, PairedCount> open{};
    bool operator==(const Depths&) const = default;
};
// Closing tags per paired name after a point of the post that no opening tag
// between has taken.
using Pending = Depths;

// How the site's board reads tags. With `anyCase`, tags in capitals are
// tags like the others (boards of the phpBB 3 generation read names in any
// letter case); otherwise they are marked as shown as typed. With
// `attributes`, a quote or a list may take attributes after a blank
// ([quote author=Ann date=1], [list type=decimal]), as on SMF.
struct TagRules {
    bool anyCase = false;
    bool attributes = false;
    bool operator==(const TagRules&) const = default;
};
LineTokens Scan(std::string_view line, TagRules rules = {});

// Whether two lines' tags pair the same way (names and directions in order).
bool SameTags(const LineTokens& a, const LineTokens& b);

// The open tags at the end of a line, given those at its start.
Depths Forward(const Depths& atStart, const LineTokens& line);
// The waiting closing tags at the start of a line, given those at its end.
Pending Backward(const Pending& atEnd, const LineTokens& line);

enum class Look : uint8_t {
    Tag,       // a tag the preview knows: its brackets, "/" and name
    Value,     // a tag's value, and the address between [url] or [img] and its closing tag
    Code,      // text inside [code]...[/code]
    Quote,     // text inside [quote]...[/quote]
    Emoticon,  // an emoticon code
};

enum class Problem : uint8_t { ClosesNothing, NeverClosed, UpperCase };

struct Styled {
    size_t start = 0;
    size_t length = 0;
    Look look = Look::Tag;
};

struct Mark {
    size_t start = 0;
    size_t length = 0;
    Problem problem = Problem::ClosesNothing;
    std::string tagText;  // the tag as typed
};

struct LineLooks {
    std::vector<Styled> styles;  // may overlap: a quote's text is also code or a tag
    std::vector<Mark> marks;
    std::vector<Range> words;  // prose words to spell-check
};

// The looks, marks and prose words of a line, given its tokens and the two
// states around it. Text inside code, a bare address, tags, emoticon codes,
// web and e-mail addresses, HTML tags and words holding digits are never
// prose.
LineLooks Describe(std::string_view line, const LineTokens& tokens, const Depths& atStart, const Pending& atEnd);

// The prose words of a line on its own (no code or address open before it):
// what the title field checks.
std::vector<Range> ProseWords(std::string_view line);

// The tooltip of a mark: which tag, and what is wrong with it.
std::string ProblemText(const Mark& mark);

}  // namespace PostScan
