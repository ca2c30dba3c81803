// SPDX-License-Identifier: MIT
#pragma once
// The MyBB 1.8 dialect (MyCode): a post's BBCode as a MyBB 1.8 board with
// its installer's settings shows it in a post (default theme, plain
// addresses), and the messages with which its posting form refuses it.
// Qt-free.
//
// The board's parser is a row of text replacements, each over the whole
// post; this renderer makes the same replacements in the same order, each a
// pass over the text, so that what one pass leaves behind is what the next
// one reads (render/Mybb18Passes.h). Any byte sequence is valid input
// (ill-formed UTF-8 becomes U+FFFD). Time and memory grow linearly with the
// post; the HTML is at most a constant times the post's size.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Mybb18 {

struct Smiley {
    std::string code;     // as typed, e.g. ":cool:"
    std::string name;     // the alt and title attributes, e.g. "Cool"
    std::string picture;  // the src address, written as given (HTML-escaped)
    int id = 0;           // the board's number, written in the class "smilie_N"
};

// The board's 24 default smilies in the board's order, each picture =
// pictureFolder + its file name ("smile.png" ...); on a board they sit under
// {board address}/images/smilies/. DefaultSmilies("") gives bare file names.
std::vector<Smiley> DefaultSmilies(std::string_view pictureFolder = "images/smilies/");

struct Limits {
    size_t maxBytes = 65535;  // the message's length in bytes; 0: no limit
    size_t minChars = 5;      // characters as the board counts them (Text::BoardLength), MyCode counted
    size_t maxImages = 10;    // pictures and smilies in the rendered post; 0: no limit
    size_t maxVideos = 1;     // "[video=" in the post; 0: no limit
};

struct Options {
    Limits limits;
    const std::vector<Smiley>* smilies = nullptr;  // null: DefaultSmilies()
    // The board's address without a trailing "/", for the links of quotes
    // ("{boardUrl}/showthread.php?pid=N#pidN") and twitch's parent host.
    std::string boardUrl;
    // The poster's name for "/me" and "/slap"; empty: they stay as typed.
    std::string userName;
    int64_t now = 0;          // the reader's clock (seconds since 1970); 0: the current time
    int timeZoneMinutes = 0;  // the reader's time zone, east of UTC
};

struct Result {
    std::string html;                 // the post as the board shows it; always rendered, even when refused
    std::vector<std::string> errors;  // the posting form's own messages, exactly, in the board's order
    size_t bytes = 0;                 // the message's length in bytes as the board stores it (trimmed)
    size_t images = 0, videos = 0;    // as the board counts them for its limits
};

Result Render(std::string_view post, const Options& options = {});

// The length the board checks against Limits::maxBytes: the message's
// bytes without CR, trimmed as the board trims it (Result::bytes).
size_t CountBytes(std::string_view post);

// What the board's editor offers: the size menu's seven entries, labelled
// "1" to "7", each writing a named size ([size=x-large]).
struct SizeChoice {
    std::string_view label;
    std::string_view value;
};
extern const SizeChoice SizeChoices[7];

// The opening tag for quoting a post as the board writes it,
// [quote="name" pid='N' dateline='T'] (pid and dateline left out when 0),
// with the escaping its parser needs to show the name as it is: with
// attributes a double quote in the name, and a single quote ending it, as
// character references; without, a name holding a double quote in single
// quotes.
std::string QuoteOpening(std::string_view name, int64_t pid = 0, int64_t dateline = 0);

}  // namespace Mybb18
