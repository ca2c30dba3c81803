// SPDX-License-Identifier: MIT
#pragma once
// The SMF 2.1 dialect: a post's BBCode as a Simple Machines Forum 2.1 board
// with its installer's settings saves and shows it (Curve2), and the
// messages with which the board refuses a post. Qt-free.
//
// Two steps, as on the board: the save step (Smf21Save: escaping, clean-up,
// repairs of code, link, list and table tags, empty tags removed) and the
// display step (Smf21Parser: tags in order with their nesting rules, web
// and e-mail addresses linked, smilies, white space). The board does both
// with regular expressions that rescan the text; here each is a pass that
// moves forward over the text, so time and memory grow linearly with the
// post and the HTML is at most a constant times the post's size. Any byte
// sequence is valid input (ill-formed UTF-8 becomes U+FFFD).

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace Smf21 {

struct Smiley {
    std::string code;     // as typed, e.g. ":)"
    std::string name;     // the title attribute, e.g. "Smiley"
    std::string picture;  // the src address, written as given (HTML-escaped)
    bool hidden = false;  // converted in posts, but not offered by the board's editor
};

// The board's 22 default smilies (set "fugue") in the board's order, each
// picture = pictureFolder + its file name ("smiley.png" ...).
// DefaultSmilies("") gives bare file names.
std::vector<Smiley> DefaultSmilies(std::string_view pictureFolder = "Smileys/fugue/");

// The board editor's size list: [size=1] to [size=7], and the font size
// each stands for on the board.
struct Size {
    int number;
    std::string_view fontSize;
};
const std::vector<Size>& Sizes();

// The opening of a quote as the board writes it when a message is quoted:
// "[quote author=NAME link=msg=ID date=TIME]"; without a message number or
// time, "[quote author=NAME]". The name is written so that the board reads
// it back whole: line breaks and brackets, which would end the tag, and
// an "=" after a parameter's name, which would start another, are replaced
// by look-alikes; it is cut to the board's 192 characters. An empty name
// gives a plain "[quote]".
std::string QuoteOpening(std::string_view author, long long messageId = 0, long long date = 0);

struct Options {
    const std::vector<Smiley>* smilies = nullptr;  // null: DefaultSmilies()
    std::string scriptUrl = "index.php";           // the board's {scripturl}: quote links, mentions, "?" links
    std::string siteOrigin = "http://localhost";   // scheme and host the board runs on (embedded videos' origin)
    std::string memberName = "member";             // the poster's name, for "/me"
    long long now = 0;         // the reader's time (Unix seconds) for "Today at"; 0: dates are always written in full
    long long timeOffset = 0;  // seconds added to times before they are written (the board's default: UTC)
    size_t maxLength = 20000;  // the board's maximum message length in characters; 0: none
    bool isAdministrator = false;
};

struct Result {
    std::string html;                 // the post as the board shows it; written even when refused, except when empty
    std::vector<std::string> errors;  // the board's own messages, exactly
    size_t characters = 0;            // the length as the board counts it
};

Result Render(std::string_view post, const Options& options = {});

// The board's character count alone: characters of the text as a browser
// sends it (a line break is two), cheap enough for a status bar.
size_t CountCharacters(std::string_view post);

}  // namespace Smf21
