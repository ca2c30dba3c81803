// SPDX-License-Identifier: MIT
#pragma once
// PHP code coloured as PHP's highlight_string() colours it with its default
// colours, by a small tokeniser that stands in for PHP's own. The boards
// that colour PHP run different PHP versions and settings, so what differs
// in the tokens is given as Rules; what a board writes around the result
// and changes in it afterwards stays with the board. Qt-free.

#include <span>
#include <string>
#include <string_view>

namespace PhpHighlight {

// PHP's default colours: the text outside PHP, comments, names, numbers
// and the opening and closing tags, keywords and operators, strings.
inline constexpr std::string_view Html = "#000000", Comment = "#FF8000", Default = "#0000BB", Keyword = "#007700",
                                  String = "#DD0000";

struct Rules {
    // The keywords in lower case; a name is one in any case.
    std::span<const std::string_view> keywords;
    // The white space between tokens; it keeps the colour before it.
    std::string_view blanks;
    // One of these right after "<?php" belongs to the opening tag.
    std::string_view openTagBlanks;
    // Whether "<?" alone opens PHP. Then "<?php" is the long opening tag
    // only before one of openTagBlanks or at the end (else it is "<?" and
    // a name); without it, a "<?" that starts neither "<?php" nor "<?=" is
    // text.
    bool shortOpenTag = false;
    // Whether "#[" opens an attribute (two operator characters) instead of
    // starting a comment.
    bool attributes = false;
    // Whether a number may start with "." (".5").
    bool leadingDotNumbers = false;
    // Whether `…` is a command: in the keyword colour, or in the string
    // colour when it holds a variable or "${".
    bool backticks = false;
    // Whether, in a string that holds variables, a "$" after a backslash
    // stays text instead of starting a variable.
    bool escapedDollarIsText = false;
};

// Appends `code` coloured: a <span style="color: …"> opens where the colour
// changes to one other than Html and closes where it changes again or at
// the end (Html needs none: it is the colour of the outer element, which
// the caller writes). A newline is written "<br />", a space "&nbsp;", a
// tab four of them, and & < > as entities; every other byte as it is.
void Append(std::string& out, std::string_view code, const Rules& rules);

}  // namespace PhpHighlight
