// SPDX-License-Identifier: MIT
#pragma once
// The data of the main window's tag buttons and emoticon pictures. Qt-free.

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
    {"B", "Bold  (CTRL+B)", "Bold text: [b]text[/b]   (CTRL+B)", "b"},
    {"i", "Italic  (CTRL+I)", "Italic text: [i]text[/i]   (CTRL+I)", "i"},
    {"u", "Underline  (CTRL+U)", "Underline text: [u]text[/u]   (CTRL+U)", "u"},
    {"Quote", "", "Quote text: [quote]text[/quote]   (CTRL+Q)", "quote"},
    {"Code", "Code Formatted text  (CTRL+C)", "Code display: [code]code[/code]   (CTRL+C)", "code"},
    {"List", "List", "List: [list]text[/list]", "list"},
    {"List=", "Ordered List", "Ordered list: [list=]text[/list]", "list=1"},
    {"Img", "Insert Image  (CTRL+M)", "Insert image: [img]http://image_url[/img]   (CTRL+M) ", "img"},
    {"URL", "Web Address  (CTRL+R)", "Insert URL: [url]http://url[/url] or [url=http://url]URL text[/url]   (CTRL+R)",
     "url"},
    {"[*]", "List Item", "List Item: [*]Text , must be used with  [list] or [list=]", ""},
}};

// The buttons' order in their row, left to right: "[*]" sits between "List=" and "Img".
inline constexpr std::array<int, 10> ButtonRowOrder = {0, 1, 2, 3, 4, 5, 6, 9, 7, 8};

struct EmoticonPicture {
    std::string_view code;  // inserted as it stands, blanks included
    std::string_view tooltip;
    // What the picture inserts for a phpBB 3 site, whose own code for the
    // same face differs; empty: `code` there too.
    std::string_view phpbb3Code = {};
};

// The twenty pictures of the main window, index = row * 4 + column.
inline constexpr std::array<EmoticonPicture, 20> Emoticons = {{
    {" :D ", "Very happy\r\n"},
    {" :) ", "Smile"},
    {" :( ", "Sad"},
    {" :o ", "Surprised"},
    {" :shock: ", "Shocked"},
    {" :? ", "Confused"},
    {" 8) ", "Cool", " 8-) "},
    {" :lol: ", "Laughing"},
    {" :x  ", "Mad"},
    {" :P ", "Razz"},
    {" :oops: ", "Imbarassed"},
    {" :cry: ", "Crying"},
    {" :evil: ", "Evil or very mad"},
    {" :twisted: ", "Twisted Evil"},
    {" :roll: ", "Rolling Eyes"},
    {" :wink: ", "Wink"},
    {" :!: ", "Execlamation"},
    {" :?: ", "Question"},
    {" :idea: ", "Idea"},
    {" :arrow: ", "Arrow"},
}};

inline constexpr std::array<std::string_view, 15> Colours = {
    "Default", "Dark Red", "Red",       "Orange", "Brown",  "Yellow", "Green", "Olive",
    "Cyan",    "Blue",     "Dark Blue", "Indigo", "Violet", "White",  "Black",
};

inline constexpr std::string_view AssistHelp =
    "Enable Assistant mode to have advanced options for URL, img, List and List=";

}  // namespace TagTable
