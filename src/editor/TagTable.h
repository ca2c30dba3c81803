// SPDX-License-Identifier: MIT
#pragma once
// The data of the main window's tag buttons and emoticon pictures. Qt-free.

#include "base/Translatable.h"

#include <array>
#include <string_view>

namespace TagTable {

struct TagButton {
    std::string_view caption;
    std::string_view tooltip;     // empty: the button has none
    std::string_view statusHelp;  // shown in the help panel while the mouse is over the button
    std::string_view tagWord;     // what a selection is wrapped with; empty for "[*]"
};

// By index 0 to 9.
inline constexpr std::array<TagButton, 10> Buttons = {{
    {"B", QF_TRANSLATABLE("TagTable", "Bold  (CTRL+B)"),
     QF_TRANSLATABLE("TagTable", "Bold text: [b]text[/b]   (CTRL+B)"), "b"},
    {"i", QF_TRANSLATABLE("TagTable", "Italic  (CTRL+I)"),
     QF_TRANSLATABLE("TagTable", "Italic text: [i]text[/i]   (CTRL+I)"), "i"},
    {"u", QF_TRANSLATABLE("TagTable", "Underline  (CTRL+U)"),
     QF_TRANSLATABLE("TagTable", "Underline text: [u]text[/u]   (CTRL+U)"), "u"},
    {"Quote", "", QF_TRANSLATABLE("TagTable", "Quote text: [quote]text[/quote]   (CTRL+Q)"), "quote"},
    {"Code", QF_TRANSLATABLE("TagTable", "Code Formatted text  (CTRL+C)"),
     QF_TRANSLATABLE("TagTable", "Code display: [code]code[/code]   (CTRL+C)"), "code"},
    {"List", QF_TRANSLATABLE("TagTable", "List"), QF_TRANSLATABLE("TagTable", "List: [list]text[/list]"), "list"},
    {"List=", QF_TRANSLATABLE("TagTable", "Ordered List"),
     QF_TRANSLATABLE("TagTable", "Ordered list: [list=]text[/list]"), "list=1"},
    {"Img", QF_TRANSLATABLE("TagTable", "Insert Image  (CTRL+M)"),
     QF_TRANSLATABLE("TagTable", "Insert image: [img]http://image_url[/img]   (CTRL+M) "), "img"},
    {"URL", QF_TRANSLATABLE("TagTable", "Web Address  (CTRL+R)"),
     QF_TRANSLATABLE("TagTable", "Insert URL: [url]http://url[/url] or [url=http://url]URL text[/url]   (CTRL+R)"),
     "url"},
    {"[*]", QF_TRANSLATABLE("TagTable", "List Item"),
     QF_TRANSLATABLE("TagTable", "List Item: [*]Text , must be used with  [list] or [list=]"), ""},
}};

// The buttons' order in their row, left to right: "[*]" sits between "List=" and "Img".
inline constexpr std::array<int, 10> ButtonRowOrder = {0, 1, 2, 3, 4, 5, 6, 9, 7, 8};

struct EmoticonPicture {
    std::string_view code;  // inserted as it stands, blanks included
    std::string_view tooltip;
};

// The twenty pictures of the main window, index = row * 4 + column.
inline constexpr std::array<EmoticonPicture, 20> Emoticons = {{
    {" :D ", QF_TRANSLATABLE("TagTable", "Very happy\r\n")},
    {" :) ", QF_TRANSLATABLE("TagTable", "Smile")},
    {" :( ", QF_TRANSLATABLE("TagTable", "Sad")},
    {" :o ", QF_TRANSLATABLE("TagTable", "Surprised")},
    {" :shock: ", QF_TRANSLATABLE("TagTable", "Shocked")},
    {" :? ", QF_TRANSLATABLE("TagTable", "Confused")},
    {" 8) ", QF_TRANSLATABLE("TagTable", "Cool")},
    {" :lol: ", QF_TRANSLATABLE("TagTable", "Laughing")},
    {" :x  ", QF_TRANSLATABLE("TagTable", "Mad")},
    {" :P ", QF_TRANSLATABLE("TagTable", "Razz")},
    {" :oops: ", QF_TRANSLATABLE("TagTable", "Imbarassed")},
    {" :cry: ", QF_TRANSLATABLE("TagTable", "Crying")},
    {" :evil: ", QF_TRANSLATABLE("TagTable", "Evil or very mad")},
    {" :twisted: ", QF_TRANSLATABLE("TagTable", "Twisted Evil")},
    {" :roll: ", QF_TRANSLATABLE("TagTable", "Rolling Eyes")},
    {" :wink: ", QF_TRANSLATABLE("TagTable", "Wink")},
    {" :!: ", QF_TRANSLATABLE("TagTable", "Execlamation")},
    {" :?: ", QF_TRANSLATABLE("TagTable", "Question")},
    {" :idea: ", QF_TRANSLATABLE("TagTable", "Idea")},
    {" :arrow: ", QF_TRANSLATABLE("TagTable", "Arrow")},
}};

inline constexpr std::array<std::string_view, 15> Colours = {
    QF_TRANSLATABLE("TagTable", "Default"),   QF_TRANSLATABLE("TagTable", "Dark Red"),
    QF_TRANSLATABLE("TagTable", "Red"),       QF_TRANSLATABLE("TagTable", "Orange"),
    QF_TRANSLATABLE("TagTable", "Brown"),     QF_TRANSLATABLE("TagTable", "Yellow"),
    QF_TRANSLATABLE("TagTable", "Green"),     QF_TRANSLATABLE("TagTable", "Olive"),
    QF_TRANSLATABLE("TagTable", "Cyan"),      QF_TRANSLATABLE("TagTable", "Blue"),
    QF_TRANSLATABLE("TagTable", "Dark Blue"), QF_TRANSLATABLE("TagTable", "Indigo"),
    QF_TRANSLATABLE("TagTable", "Violet"),    QF_TRANSLATABLE("TagTable", "White"),
    QF_TRANSLATABLE("TagTable", "Black"),
};

inline constexpr std::string_view AssistHelp =
    QF_TRANSLATABLE("TagTable", "Enable Assistant mode to have advanced options for URL, img, List and List=");

}  // namespace TagTable
