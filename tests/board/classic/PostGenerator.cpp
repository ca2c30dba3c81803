// SPDX-License-Identifier: MIT
#include "PostGenerator.h"

#include <array>
#include <string_view>

namespace PostGenerator {
namespace {

constexpr std::array<std::string_view, 44> Tags = {
    "[b]",      "[/b]",    "[B]",     "[/B]",     "[i]",     "[/i]",    "[u]",       "[/u]",     "[img]",
    "[/img]",   "[IMG]",   "[code]",  "[/code]",  "[list]",  "[/list]", "[list=1]",  "[list=a]", "[list=i]",
    "[list=A]", "[*]",     "[color=", "[/color]", "[Color=", "[url=",   "[url]",     "[/url]",   "[URL]",
    "[size=",   "[/size]", "[Size=",  "[quote",   "[quote]", "[quote=", "[quote=\"", "[/quote]", "[QUOTE]",
    "[quotes]", "]",       "[",       "\"",       "=",       "</",      "</a>",      "a>",
};
constexpr std::array<std::string_view, 30> Codes = {
    ":)",    ":?:)", ":?", ":?:", "8)",      "8",       ")",       ":",      "o",      ":oops:",
    ":ooh:", ":o",   ":D", ":d",  ":P",      ":p",      ":|",      ":wink:", ":dont:", ":dontsee:",
    ":lol:", ":(",   ":x", ":!:", ":bravo:", ":sleep:", ":shock:", ":ok:",   ":cry:",  ":crying:",
};
constexpr std::array<std::string_view, 16> Text = {
    " ", "x", "Anna", "red",     "#00FF00", "http://a.org/", "\r\n", "\r", "\n", "\xC3\xA9", "\xE2\x98\xBA",
    "<", ">", "&",    " Wrote:", "18",
};
// Values that look like converted tags let a typed tag equal one that an
// earlier round produced, which is where the order of the rounds shows.
constexpr std::array<std::string_view, 11> Values = {
    "red",
    "x",
    "a",
    "",
    "18",
    "\"Anna\"",
    "Anna",
    "http://b.org/",
    "<font color=\"a\">",
    "x[color=a",
    "<a href=\"x\">x",
};

}  // namespace

std::string Generator::Value() { return std::string(Values[Pick(Values.size())]); }

std::string Generator::Token()
{
    switch (Pick(12)) {
    case 0:
    case 1:
    case 2:
        return std::string(Tags[Pick(Tags.size())]);
    case 3:
        return std::string(Codes[Pick(Codes.size())]);
    case 4:
    case 5:
        return std::string(Text[Pick(Text.size())]);
    case 6: {  // a whole valued tag, often one seen before
        static constexpr std::array<std::string_view, 3> prefixes = {"[color=", "[url=", "[size="};
        return std::string(prefixes[Pick(3)]) + Value() + "]";
    }
    case 7:  // a tag inside a value
        if (Pick(2))
            return "[color=x[color=[color=" + Value() + "]]";
        return "[color=[color=" + Value() + (Pick(2) ? "]" : "");
    case 8:  // a named quote, its closing quote inside the tag or beyond it
        if (Pick(2))
            return "[quote=\"" + Value() + "\"]";
        return "[quote=\"" + Value() + "]" + Value() + "\"";
    case 9:  // a bare link, maybe never closed
        return "[url]" + Value() + (Pick(3) ? "[/url]" : "");
    case 10:  // a nested quote name
        return "[quote=\"[quote=\"" + Value() + "\"]\"]";
    default: {  // a raw byte
        const char c = static_cast<char>(Pick(256));
        return std::string(1, c);
    }
    }
}

std::string Generator::Post(size_t maxTokens)
{
    std::string post;
    const size_t tokens = Pick(maxTokens + 1);
    for (size_t i = 0; i < tokens; ++i)
        post += Token();
    return post;
}

}  // namespace PostGenerator
