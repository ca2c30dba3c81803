// SPDX-License-Identifier: MIT
#pragma once
// Writes BBCode from a walk over an HTML tree: runs of text with their look,
// pictures, line breaks, and the block tags (quotes, code, lists). The
// inline tags ([url], [size], [color], [b], [i], [u]) are opened just before
// text that needs them and closed when text no longer does, always in a
// fixed order, so they nest properly whatever the HTML's nesting was; every
// block tag, paragraph break and table cell closes them first (a line break
// does not). Line breaks
// between blocks are asked for, not written: the largest request is written
// before the next text, and none at the start of a block tag or at the end,
// so empty paragraphs leave no lines. White space is collapsed as a browser
// collapses it, unless the text is preformatted. Qt-free; each call costs
// the length of what it writes.

#include <string>
#include <string_view>
#include <vector>

namespace HtmlPaste {

// How a run of text looks, as far as BBCode can say it.
struct TextLook {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    // The address of the link the text is in (empty: none). Runs of one link
    // share the address's characters: a link is told from another by where
    // its address is kept, so that comparing them costs nothing.
    std::string_view link;
    std::string colour;  // the [color=] value; empty: none
    std::string size;    // the [size=] value; empty: none
};

class BBCodeWriter {
public:
    // `addressBudget`: how many bytes of link addresses may be written in
    // all. A link is written again in every paragraph its text spans; past
    // the budget links are written as their text, so the BBCode stays within
    // a constant times the HTML.
    explicit BBCodeWriter(size_t addressBudget) : m_addressBudget(addressBudget) {}

    // Text as the HTML holds it (UTF-8): white space collapsed unless
    // `keepSpaces`, line breaks kept when `keepLineBreaks`.
    void Text(std::string_view text, const TextLook& look, bool keepSpaces = false, bool keepLineBreaks = false);
    // A picture at an http(s) address.
    void Picture(std::string_view address, const TextLook& look);
    // A <br>.
    void LineBreak();
    // The end or start of a block: at least `lines` line breaks (1: a new
    // line, 2: a blank line) before the next text. Inside a table row a
    // space instead.
    void Break(int lines);
    // A block tag on a line of its own ("[quote]", "[code]", "[list]",
    // "[list=1]"); what follows starts right after it. A list nested in a
    // list item starts on the next line, never after a blank one.
    void OpenBlock(std::string_view tag, bool nested = false);
    // Its closing tag: "[/quote]" and "[/code]" right after the content,
    // "[/list]" on a line of its own.
    void CloseBlock(std::string_view tag);
    // A list item: "[*]" on a new line.
    void Item();
    // The rows of a table are written on one line each: while `inRow`, line
    // breaks become spaces. A cell after the first is preceded by " | ".
    void StartRow();
    void StartCell(bool first);
    void EndRow();

    // The BBCode, all tags closed, without leading or trailing line breaks.
    std::string Finish();

private:
    enum class Tag { Link, Size, Colour, Bold, Italic, Underline };
    struct Opened {
        Tag tag;
        size_t at;  // where its opening tag starts in the output
    };

    // Closes the inline tags `look` does not want (and those opened after
    // them), writes the waiting space and line breaks, and opens what
    // `look` wants.
    void Prepare(const TextLook& look, bool space);
    void CloseInline();
    void CloseTag();
    void WriteBreaks();
    bool Wants(const TextLook& look, Tag tag) const;
    void OpenInline(const TextLook& look, Tag tag);

    std::string m_out;
    std::vector<Opened> m_open;
    TextLook m_current;        // the look the open tags give
    int m_breaks = 0;          // line breaks asked for before the next text
    bool m_space = false;      // a collapsed space waits before the next text
    bool m_lineStart = true;   // nothing written since the last line break or block tag
    bool m_blockStart = true;  // nothing written since the start or the last block tag
    int m_rows = 0;            // table rows open
    size_t m_addressBudget;
};

}  // namespace HtmlPaste
