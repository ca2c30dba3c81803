// SPDX-License-Identifier: MIT
#pragma once
// What the phpBB 3 renderer's scanners, tag processor and HTML writer share:
// the tags with their rules, the attribute values, and the events the
// processor writes for the HTML writer. Qt-free.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace Phpbb3::Internal {

// The board's tags (BBCodes, smilies "E", emoji, the shortened text of a
// link), then the processor's own: ignored text and verbatim text.
enum class Name : uint8_t {
    B,
    I,
    U,
    Size,
    Color,
    Url,
    Email,
    Img,
    Quote,
    Code,
    List,
    Li,
    Flash,
    Attachment,
    Smiley,
    Emoji,
    LinkText,
    Ignore,
    Verbatim
};
constexpr int RealTagCount = 17;

constexpr uint32_t Bit(Name n) { return 1u << static_cast<int>(n); }

enum class Type : uint8_t { End = 0, SelfClosing = 1, Start = 2 };

enum class Attr : uint8_t {
    Url,
    Src,
    Email,
    Subject,
    Body,
    Color,
    Size,
    Type,
    Author,
    PostId,
    MsgId,
    Time,
    UserId,
    Lang,
    Index,
    Filename,
    Flash,
    Width,
    Height,
    Text,
    Seq,
    Unknown
};

// A value as typed (a view into the post, or a copy once unescaped or
// filtered).
struct AttrValue {
    Attr name = Attr::Unknown;
    bool owned = false;
    std::string_view view;
    std::string copy;
    std::string_view Get() const { return owned ? std::string_view(copy) : view; }
};

// A tag's attributes while they are built; stored tags refer to a range of
// the parser's attribute pool instead.
using Attributes = std::vector<AttrValue>;
const AttrValue* Find(std::span<const AttrValue> attributes, Attr name);
void Set(Attributes& attributes, Attr name, std::string value);
void SetView(Attributes& attributes, Attr name, std::string_view value);

// Rules of a tag, as the board's configuration derives them from its HTML.
enum Rule : uint32_t {
    AutoClose = 1 << 0,         // a void element: closes itself
    AutoReopen = 1 << 1,        // a formatting element: reopened after a wrong close
    DisableAutoBr = 1 << 2,     // no <br> for newlines inside, at any depth
    EnableAutoBr = 1 << 3,      // <br> for newlines
    IgnoreTags = 1 << 4,        // nothing inside is parsed (code)
    IgnoreWhitespace = 1 << 5,  // newlines around the tag stay plain (block elements)
    IsTransparent = 1 << 6,     // the content rules of the parent apply inside
    SuspendAutoBr = 1 << 7,     // no <br> for text directly inside (a list between items)
    TrimFirstLine = 1 << 8,     // one newline right after the opening tag is dropped
};

using TagId = uint32_t;
constexpr TagId NoTag = UINT32_MAX;

struct Tag {
    size_t pos = 0, len = 0;
    int32_t prio = 0;
    int32_t order = 0;  // ties in position order: scanned tags by scan order, later additions first
    TagId startTag = NoTag, endTag = NoTag;
    uint32_t cascade = 0;  // 1 + index of the first tag invalidated with this one, in the processor's list
    uint32_t attrBegin = 0, attrCount = 0;  // the range of the parser's attribute pool
    int32_t smiley = -1;
    uint16_t openCount = 0;
    Name name;
    Type type;
    bool invalid = false;
};

// What the processor writes for the HTML writer, in order. Text is a span
// of the parsed text, with or without <br> for its newlines; Open, Close and
// Leaf name the start tag of an element; Hidden stands for ignored text,
// which shows nothing but keeps an element from being empty.
enum class Ev : uint8_t { Text, TextBr, Open, Close, Leaf, Hidden };
struct Event {
    Ev kind;
    TagId tag;
    size_t begin, end;
};

}  // namespace Phpbb3::Internal
