// SPDX-License-Identifier: MIT
#pragma once
// The program's one table of emoticon codes and the pictures they show.
// Qt-free.

#include <array>
#include <string>
#include <string_view>

namespace bbcode {

struct Emoticon {
    std::string_view code;  // as typed in the post
    std::string_view name;  // picture file name without ".gif", in the folder emo
};

// In the order in which the codes are applied: where one code is part of
// another (":?:" and ":?", ":oops:" and ":o"), the longer one comes first.
inline constexpr std::array<Emoticon, 49> EmoticonTable = {{
    {":)", "smile"},
    {":D", "biggrin"},
    {":lol:", "lol"},
    {":(", "sad"},
    {":ooh:", "uuuuh"},
    {":oops:", "redface"},
    {":o", "surprised"},
    {":shock:", "eek"},
    {":?:", "question"},
    {":?", "confused"},
    {"8)", "cool"},
    {":x", "mad"},
    {":P", "razz"},
    {":cry:", "cry"},
    {":evil:", "evil"},
    {":twisted:", "twisted"},
    {":roll:", "rolleyes"},
    {":wink:", "wink"},
    {":!:", "exclaim"},
    {":idea:", "idea"},
    {":arrow:", "arrow"},
    {":wpn:", "auto_weapon"},
    {":bad:", "bad"},
    {":dizzy:", "dizzy"},
    {":dont:", "dont"},
    {":love:", "love"},
    {":mrgreen:", "mrgreen"},
    {":proud:", "proud"},
    {":rlaugh:", "reallylol"},
    {":|", "neutral"},
    {":thumb:", "thumbup"},
    {":scream:", "screams"},
    {":nana:", "nana"},
    {":dontsee:", "dontwannasee"},
    {":loser:", "happy_loser"},
    {":party:", "party"},
    {":verysad:", "verysad"},
    {":sidesmile:", "sidesmile"},
    {":heyes:", "heyes"},
    {":bravo:", "9"},
    {":crying:", "6"},
    {":blessed:", "14"},
    {":pleased:", "19"},
    {":patient:", "3"},
    {":jumpy:", "17"},
    {":emotive:", "16"},
    {":disapprove:", "5"},
    {":thanks:", "2"},
    {":sleep:", "4"},
}};

// The picture name of a code of the table (blanks around it ignored); empty
// when the code is not in the table.
constexpr std::string_view PictureNameOf(std::string_view code)
{
    while (!code.empty() && code.front() == ' ')
        code.remove_prefix(1);
    while (!code.empty() && code.back() == ' ')
        code.remove_suffix(1);
    for (const Emoticon& e : EmoticonTable)
        if (e.code == code)
            return e.name;
    return {};
}

// A picture tag is these two pieces around the picture file's path, with no
// blank between the border value and "src=" and no closing element.
inline constexpr std::string_view PictureTagOpening = "<img border=\"0\"src=\"";
inline constexpr std::string_view PictureTagEnd = "\">";

// The picture tag of the picture `name`: appFolder + "emo/" + name + ".gif"
// between the two pieces above.
std::string PictureTag(std::string_view name, std::string_view appFolder);

// `text` with every occurrence of `code` (found from the start, without
// overlap, letter case counting) replaced by the picture tag of `name`.
std::string ReplaceEmoticon(std::string_view text, std::string_view code, std::string_view name,
                            std::string_view appFolder);

// `text` becomes `before`, then `text` with the codes of every row of the
// table replaced by their picture tags, then `after`. The rows are replaced
// row after row in table order, each row working on the result of the one
// before; where codes overlap the earlier row wins (":?:" before ":?").
// It works in place: the text is moved once, to the end of the room the
// result needs, and the result is written from the front, so no second copy
// of it is ever held.
// Beside the text itself it needs memory for a piece of some 64 KB at a time.
void ReplaceEmoticonsInPlace(std::string& text, std::string_view appFolder, std::string_view before,
                             std::string_view after);

}  // namespace bbcode
