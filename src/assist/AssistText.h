// SPDX-License-Identifier: MIT
#pragma once
// The texts that the assistant, the quote manager and the extra emoticons
// window put into the post. Qt-free: each function takes what the window's
// fields hold and gives the text. Nothing is trimmed, escaped or validated,
// and line breaks inside the fields pass through unchanged.

#include "board/Boards.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace AssistText {

// The assistant's builders, as its `AssistCommand` names them.
inline constexpr std::string_view UrlCommand = "url";
inline constexpr std::string_view ImgCommand = "img";
inline constexpr std::string_view ListCommand = "list";
inline constexpr std::string_view NumberedListCommand = "list=";

// What the assistant's output is built from.
struct AssistState {
    std::string_view command;     // `AssistCommand`
    std::string_view linkName;    // `LinkName`
    std::string_view linkTarget;  // `LinkTarget`
    std::string_view title;       // the list title as typed
    std::string_view listBody;    // `ListBody`
    int listKind = 1;             // the chosen numbering, 1 to 3; 0 when none is chosen
};

// `LinkTarget`: "=" followed by the address, or empty for an empty address.
std::string LinkTarget(std::string_view address);

// "[img]" + address + "[/img]".
std::string ImageOutput(std::string_view address);

// `ListBody`: every item, in order, preceded by "  [*]"; no line breaks added.
std::string ListBody(const std::vector<std::string>& items);

// The list kind written for numbering choice 1, 2 or 3 ("1", "a", "i"); empty
// for any other choice.
std::string_view ListKind(int choice);

// The output of the "url", "list" and "list=" builders, a numbered list
// opened as `board` writes it (Board::OpeningTag). None for any other
// command ("img" included): their output is not recomputed from the state.
std::optional<std::string> Output(const AssistState& state, const Board& board = Boards::Classic());

// The quote block: the board's opening for the poster (Board::QuoteOpening;
// "[quote]" for an empty poster), quoted, and "[/quote]".
std::string QuoteBlock(std::string_view poster, std::string_view quoted, const Board& board = Boards::Classic());

// What extra emoticon `index` (0 to 28) inserts: a blank, its code, a blank.
// None for an index outside the window's pictures.
std::optional<std::string> ExtraEmoticonText(int index);

// The text that replaces the post's selection when a window adds `text`
// after it: the selection stays in front.
std::string AfterSelection(std::string_view selection, std::string_view text);

}  // namespace AssistText
