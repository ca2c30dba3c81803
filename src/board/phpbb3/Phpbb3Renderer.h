// SPDX-License-Identifier: MIT
#pragma once
// The phpBB 3 dialect: a post's BBCode as a phpBB 3.3 board with its
// installer's settings renders it (prosilver), and the messages with which
// the board refuses a post. Qt-free.
//
// Unlike the classic renderer this is a parser: the clean-up the board's
// form applies, then tags found by five scanners (BBCodes, web and e-mail
// addresses, emoji, smilies) with positions over the cleaned text, processed
// in position order into a tree that repairs wrong nesting, then written as
// HTML. Any byte sequence is valid input (ill-formed UTF-8 becomes U+FFFD).
// Time and memory grow linearly with the post (a logarithmic factor for the
// ordering of tags); the HTML is at most a constant times the post's size.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Phpbb3 {

struct Smiley {
    std::string code;     // as typed, e.g. ":geek:"
    std::string emotion;  // the title attribute, e.g. "Geek"
    std::string picture;  // the src address, written as given (HTML-escaped)
    int width = 0, height = 0;
};

// The board's 42 default smilies in the board's order, each picture =
// pictureFolder + its file name ("icon_e_biggrin.gif" ...).
// DefaultSmilies("") gives bare file names.
std::vector<Smiley> DefaultSmilies(std::string_view pictureFolder = "./images/smilies/");

struct Limits {
    size_t maxChars = 60000;  // 0: no limit
    size_t minChars = 1;
    long maxFontSize = 200;  // 0: no limit
    int maxQuoteDepth = 3;   // 0: no limit
    size_t maxSmilies = 0;   // 0: no limit
    size_t maxUrls = 0;      // 0: no limit
};

struct Options {
    Limits limits;
    const std::vector<Smiley>* smilies = nullptr;  // null: DefaultSmilies()
    bool mayUseFlash = false;                      // an administrator's rights; members may not use [flash]
    // When set, the HTML gets an empty line anchor (render/LineAnchor.h)
    // where each of the post's lines starts, or at the first place after it
    // where the HTML may hold one (a line that starts inside a tag), and
    // the line numbers (the post's first line is 0) are appended here in
    // the anchors' order. Off, the HTML is the board's exactly.
    std::vector<uint32_t>* lineAnchors = nullptr;
};

struct Result {
    std::string html;                 // the post's content as the board renders it; always rendered, even when refused
    std::vector<std::string> errors;  // the board's own messages, exactly (one may hold "<br />"), in the board's order
    size_t characters = 0;            // the length as the board counts it
    size_t smilies = 0, urls = 0;     // as the board counts them for its limits
    bool quotesRemoved = false;       // quotes nested deeper than maxQuoteDepth were dropped (the board says nothing)
};

Result Render(std::string_view post, const Options& options = {});

// The board's character count alone (its clean-up, then & counts 5, < and >
// 4, " 6), cheap enough for a status bar: one pass over the post into a
// buffer kept between calls, without parsing.
size_t CountCharacters(std::string_view post);

}  // namespace Phpbb3
