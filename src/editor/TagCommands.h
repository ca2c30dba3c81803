// SPDX-License-Identifier: MIT
#pragma once
// The texts that the main window's tag buttons, size and colour lists and
// emoticon pictures put into the post. Qt-free: each function takes the
// selection of the post field (and, for a tag button, its caption) and gives
// the text that replaces the selection.
//
// A tag button's caption doubles as its toggle state: a caption ending in " *"
// means its opening tag was inserted and the closing tag is due. The marker
// belongs to the button, not to the text: deleting the inserted tag leaves it.

#include "board/Boards.h"

#include <optional>
#include <string>
#include <string_view>

namespace TagCommands {

// What a tag button does with assistance on: buttons 3 and 5 to 8 open a
// dialog instead of inserting text; every other click inserts.
enum class Dialog { None, QuoteManager, Assistant };
Dialog DialogFor(int index, bool assistMode);

// The assistant's builder for tag buttons 5 to 8: "list", "list=", "img" or
// "url"; empty for the other buttons.
std::string_view AssistCommandFor(int index);

// The result of a tag button click with assistance off (or for a button that
// opens no dialog), its opening tag as `board` writes it
// (Board::OpeningTag). `index` is 0 to 9; any other index gives back the
// selection and the caption unchanged.
struct TagClick {
    std::string text;     // replaces the selection
    std::string caption;  // the button's caption afterwards
    bool focusPost;       // the keyboard focus goes to the post field
};
TagClick ClickTagButton(int index, std::string_view selection, std::string_view caption,
                        const Board& board = Boards::Classic());

// The tag button run by Ctrl and a letter in the post field ('B', 'I', 'U',
// 'Q', 'C', 'M', 'R', upper case); -1 for any other letter.
int ButtonForShortcut(char letter);

// The size list's item `item` (0 to 4) around the selection, in the scale of
// a site of `kind`: "[size=12]" ... "[/size]" (phpBB 3: "[size=100]", MyBB:
// "[size=medium]", SMF: "[size=3]"). None
// for an item outside the list: nothing is inserted.
std::optional<std::string> SizeTag(int item, std::string_view selection, const Board& board);

// The colour value of a colour list item: its text without blanks
// ("Dark Red" gives "DarkRed").
std::string ColourValue(std::string_view item);
// "[color=" value "]" + selection + "[/color]".
std::string ColourTag(std::string_view item, std::string_view selection);

// Emoticon picture `index` (0 to 19): the selection followed by the
// board's code for the picture's face (Board::EmoticonCode), blanks
// included. None for an index outside the grid, or a face the board has
// not.
std::optional<std::string> EmoticonCode(int index, std::string_view selection, const Board& board);

// A board's own smiley: the selection, a blank, its code and a blank (the
// board shows a code as a picture only after a blank or a line break).
std::string SmileyCode(std::string_view code, std::string_view selection);

// A board's own tag around the selection: `opening`, the selection,
// `closing`.
std::string WrapInTag(std::string_view opening, std::string_view closing, std::string_view selection);

}  // namespace TagCommands
