// SPDX-License-Identifier: MIT
#include "editor/TagCommands.h"

#include "base/TextConcat.h"
#include "board/SizeScale.h"
#include "editor/TagTable.h"

#include <algorithm>

namespace TagCommands {

namespace {
constexpr std::string_view OpenMarker = " *";

bool ValidButton(int index) { return index >= 0 && index < static_cast<int>(TagTable::Buttons.size()); }

// The closing tag names the tag without its value: "list=1" closes with "[/list]".
std::string_view ClosingWord(std::string_view tagWord) { return tagWord.substr(0, tagWord.find_first_of("= ")); }
}  // namespace

Dialog DialogFor(int index, bool assistMode)
{
    if (!assistMode)
        return Dialog::None;
    if (index == 3)
        return Dialog::QuoteManager;
    return AssistCommandFor(index).empty() ? Dialog::None : Dialog::Assistant;
}

std::string_view AssistCommandFor(int index)
{
    switch (index) {
    case 5:
        return "list";
    case 6:
        return "list=";
    case 7:
        return "img";
    case 8:
        return "url";
    default:
        return {};
    }
}

TagClick ClickTagButton(int index, std::string_view selection, std::string_view caption, const Board& board)
{
    if (!ValidButton(index))
        return {std::string(selection), std::string(caption), false};
    const std::string_view word = TagTable::Buttons[static_cast<size_t>(index)].tagWord;
    // "[*]" has no pair: the item marker goes in front of the selection.
    if (word.empty())
        return {Concat({"[*]", selection}), std::string(caption), false};

    const std::string open = board.OpeningTag(word);
    const std::string close = Concat({"[/", ClosingWord(word), "]"});
    if (!selection.empty())
        return {Concat({open, selection, close}), std::string(caption), true};
    if (!caption.empty() && caption.back() == '*')
        return {close, std::string(caption.substr(0, caption.size() - std::min(caption.size(), OpenMarker.size()))),
                true};
    return {open, Concat({caption, OpenMarker}), true};
}

int ButtonForShortcut(char letter)
{
    switch (letter) {
    case 'B':
        return 0;
    case 'I':
        return 1;
    case 'U':
        return 2;
    case 'Q':
        return 3;
    case 'C':
        return 4;
    case 'M':
        return 7;
    case 'R':
        return 8;
    default:
        return -1;
    }
}

std::optional<std::string> SizeTag(int item, std::string_view selection, const Board& board)
{
    if (item < 0 || item >= static_cast<int>(SizeScale::Captions.size()))
        return std::nullopt;
    return Concat({"[size=", board.SizeValue(static_cast<size_t>(item)), "]", selection, "[/size]"});
}

std::string ColourValue(std::string_view item)
{
    std::string value;
    value.reserve(item.size());
    for (char c : item)
        if (c != ' ')
            value += c;
    return value;
}

std::string ColourTag(std::string_view item, std::string_view selection)
{
    return Concat({"[color=", ColourValue(item), "]", selection, "[/color]"});
}

std::optional<std::string> EmoticonCode(int index, std::string_view selection, const Board& board)
{
    if (index < 0 || index >= static_cast<int>(TagTable::Emoticons.size()))
        return std::nullopt;
    const std::optional<std::string> code = board.EmoticonCode(TagTable::Emoticons[static_cast<size_t>(index)].code);
    if (!code)
        return std::nullopt;
    return Concat({selection, *code});
}

std::string SmileyCode(std::string_view code, std::string_view selection)
{
    return Concat({selection, " ", code, " "});
}

std::string WrapInTag(std::string_view opening, std::string_view closing, std::string_view selection)
{
    return Concat({opening, selection, closing});
}

}  // namespace TagCommands
