// SPDX-License-Identifier: MIT
#pragma once
// Pasted HTML as BBCode: what a reader saw of a copied web page, office
// document or word-processor text, with its bold, italic and underlined
// runs, links, http(s) pictures, lists, quotes, preformatted text and
// headings; paragraphs and line breaks become blank lines and line breaks,
// a table's rows one line each with " | " between the cells. Scripts,
// styles, comments, hidden elements, fonts and the office suites' own
// markup are dropped; character references come out decoded. Colours and
// sizes are kept only when asked, and then only where they differ from the
// text's most common colour and size (a colour near it, such as black
// beside dark grey, counts as the same). Nothing is fetched.
//
// The HTML is read by an HTML5 parser (gumbo), after HtmlNesting has
// bounded its depth, so malformed input is read as a browser reads it and
// the work stays linear in the length of the HTML. Qt-free.

#include "board/Board.h"

#include <array>
#include <string>
#include <string_view>

namespace HtmlPaste {

// What the site's board writes.
struct Dialect {
    // The [size=] values of the size list: Tiny, Small, Normal, Large, Huge.
    std::array<std::string, 5> sizes = {"7", "9", "12", "18", "24"};
    // Colours and sizes of the text kept as [color] and [size] tags.
    bool keepColoursAndSizes = false;
};

// The dialect of a site whose board is `board` (its size values).
inline Dialect ForBoard(const Board& board, bool keepColoursAndSizes)
{
    Dialect dialect;
    for (size_t item = 0; item < dialect.sizes.size(); ++item)
        dialect.sizes[item] = board.SizeValue(item);
    dialect.keepColoursAndSizes = keepColoursAndSizes;
    return dialect;
}

// Clipboard HTML as BBCode with LF line breaks. Clipboard HTML may start
// with a "Version:0.9 StartHTML:..." description of its offsets, and mark
// the copied part with <!--StartFragment--> and <!--EndFragment-->: only
// the marked part is converted.
std::string ToBBCode(std::string_view html, const Dialect& dialect);

}  // namespace HtmlPaste
