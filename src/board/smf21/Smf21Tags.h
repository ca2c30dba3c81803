// SPDX-License-Identifier: MIT
#pragma once
// The tags an SMF 2.1 board knows on a fresh install, as its display code
// lists them: kind, HTML around or instead of the content, the values it
// accepts, nesting rules and parameters. Qt-free.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace Smf21::Internal {

enum class Name : uint8_t {
    Abbr,
    Anchor,
    B,
    Br,
    Center,
    Chrissy,
    Code,
    Color,
    Email,
    Float,
    Font,
    Ftp,
    Hr,
    Html,
    I,
    Img,
    Iurl,
    Justify,
    Kissy,
    Left,
    Li,
    List,
    Ltr,
    Me,
    Member,
    Nobbc,
    Php,
    Pre,
    Quote,
    Right,
    Rtl,
    S,
    Size,
    Sub,
    Sup,
    Table,
    Td,
    Time,
    Tr,
    U,
    Url,
    Youtube,
    None
};
using NameSet = uint64_t;
constexpr NameSet Bit(Name n) { return NameSet(1) << unsigned(n); }
constexpr NameSet AllNames = ~NameSet(0);

// How a tag takes its content and value (the board's tag types).
enum class Type : uint8_t { Parsed, UnparsedContent, UnparsedEquals, ParsedEquals, UnparsedEqualsContent, Closed };
enum class Trim : uint8_t { None, Inside, Outside, Both };
enum class Quoted : uint8_t { No, Optional, Required };
// The pattern the text after "[tag=" must start with.
enum class Test : uint8_t { None, Anchor, Color, Float, Font, Member, Size, SizeNumber };
// The work done on a tag's value or content before it is written.
enum class Check : uint8_t { None, Url, UrlEquals, IurlEquals, Email, Img, Float, Code, Php, Time, SizeNumber };
// What a parameter's value may be.
enum class Match : uint8_t { Any, AuthorAny, AuthorPlain, Digits, Link, ListType };

struct Param {
    std::string_view name;
    Match match;
    bool optional;
    bool quoted;
    std::string_view value;  // written instead of the value, "$1" standing for it
    bool time;               // the value is a time, written as a date
};

// Templates: "$1" (and "$2") stand for the value and content, "{name}"
// for parameters, \x01 for the board's script address and \x02 for its
// origin.
struct TagDef {
    std::string_view tag;
    Name name = Name::None;
    Type type = Type::Parsed;
    std::string_view before, after, content;
    Test test = Test::None;
    Check check = Check::None;
    bool block = false;
    Trim trim = Trim::None;
    Quoted quoted = Quoted::No;
    NameSet requireParents = 0, requireChildren = 0, disallowChildren = 0;
    std::span<const Param> params = {};
    NameSet parsedTagsAllowed = 0;
};

// The definitions for tags starting with `lowerFirst`, in the board's order.
std::span<const TagDef> DefsFor(char lowerFirst);
// The first definition of the tag called `lowerName`, or null.
const TagDef* FindDef(std::string_view lowerName);
// Whether a tag start "[name" or "[/name" is at `at` (the "["): a known
// tag name followed by a non-word character, or an item marker.
bool TagStartAt(std::string_view s, size_t at);
bool IsItemMarker(char c);
std::string_view ItemType(char c);

bool Passes(Test test, std::string_view s, size_t at);

// The values of a parameterised tag's parameters, when `given` (the text
// between the tag's name and "]") holds them as the board reads them
// (names in any order; a parameter's name is matched in any case, but only
// its exact name gives it a value).
bool MatchParams(const TagDef& def, std::string_view given, std::string* values);

}  // namespace Smf21::Internal
