#pragma once
// The program's one table of emoticon codes and the pictures they show.
// Qt-free.

#include <array>
#include <string_view>

namespace Module2 {

struct Emoticon {
    std::string_view code;  // as typed in the post
    std::string_view name;  // picture file name without ".gif", in the folder emo
};

// In the order in which the codes are applied: where one code is part of
// another (":?:" and ":?", ":oops:" and ":o"), the longer one comes first.
inline constexpr std::array<Emoticon, 49> EmoticonTable = {{
    {":)", "smile"},          {":D", "biggrin"},       {":lol:", "lol"},
    {":(", "sad"},            {":ooh:", "uuuuh"},      {":oops:", "redface"},
    {":o", "surprised"},      {":shock:", "eek"},      {":?:", "question"},
    {":?", "confused"},       {"8)", "cool"},          {":x", "mad"},
    {":P", "razz"},           {":cry:", "cry"},        {":evil:", "evil"},
    {":twisted:", "twisted"}, {":roll:", "rolleyes"},  {":wink:", "wink"},
    {":!:", "exclaim"},       {":idea:", "idea"},      {":arrow:", "arrow"},
    {":wpn:", "auto_weapon"}, {":bad:", "bad"},        {":dizzy:", "dizzy"},
    {":dont:", "dont"},       {":love:", "love"},      {":mrgreen:", "mrgreen"},
    {":proud:", "proud"},     {":rlaugh:", "reallylol"}, {":|", "neutral"},
    {":thumb:", "thumbup"},   {":scream:", "screams"}, {":nana:", "nana"},
    {":dontsee:", "dontwannasee"}, {":loser:", "happy_loser"}, {":party:", "party"},
    {":verysad:", "verysad"}, {":sidesmile:", "sidesmile"}, {":heyes:", "heyes"},
    {":bravo:", "9"},         {":crying:", "6"},       {":blessed:", "14"},
    {":pleased:", "19"},      {":patient:", "3"},      {":jumpy:", "17"},
    {":emotive:", "16"},      {":disapprove:", "5"},   {":thanks:", "2"},
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

}  // namespace Module2
