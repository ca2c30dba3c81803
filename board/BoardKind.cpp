// SPDX-License-Identifier: MIT
#include "board/BoardKind.h"

#include <array>

namespace BoardKinds {

namespace {

// What only one generation writes into its pages. Each marker counts once,
// however often it occurs, so a long forum list does not outweigh the rest.
// phpBB 3 addresses its pages from the board folder ("./viewforum.php"),
// keeps the user control panel in ucp.php, marks its forum links and its
// body, and puts form keys into every form; phpBB 2 has login.php,
// profile.php and privmsg.php, posts new topics with mode=newtopic and
// marks categories and forums with its own classes. (phpBB 3.0's second
// style also writes class="forumlink", so that class is not used.)
constexpr std::array<std::string_view, 9> Phpbb3Markers = {
    "./viewforum.php?",       "ucp.php?mode=",   "class=\"forumtitle",  "id=\"phpbb\"",  "name=\"form_token\"",
    "name=\"creation_time\"", "id=\"postform\"", "./posting.php?mode=", "phpBB Limited",
};
constexpr std::array<std::string_view, 8> Phpbb2Markers = {
    "login.php",     "profile.php?mode=",  "privmsg.php?",         "groupcp.php",
    "mode=newtopic", "class=\"cattitle\"", "class=\"mainoption\"", "phpBB 2",
};

template <size_t N>
int Count(std::string_view html, const std::array<std::string_view, N>& markers)
{
    int found = 0;
    for (std::string_view marker : markers)
        if (html.find(marker) != std::string_view::npos)
            ++found;
    return found;
}

}  // namespace

std::string_view DisplayName(BoardKind kind)
{
    switch (kind) {
    case BoardKind::Phpbb3:
        return "phpBB 3";
    case BoardKind::Phpbb2:
        return "phpBB 2";
    case BoardKind::Unknown:
        break;
    }
    return {};
}

std::string_view Key(BoardKind kind)
{
    switch (kind) {
    case BoardKind::Phpbb3:
        return "phpbb3";
    case BoardKind::Phpbb2:
        return "phpbb2";
    case BoardKind::Unknown:
        break;
    }
    return {};
}

std::optional<BoardKind> FromKey(std::string_view key)
{
    for (BoardKind kind : {BoardKind::Phpbb3, BoardKind::Phpbb2})
        if (key == Key(kind))
            return kind;
    return std::nullopt;
}

BoardKind FromPage(std::string_view html)
{
    const int three = Count(html, Phpbb3Markers);
    const int two = Count(html, Phpbb2Markers);
    if (three > two)
        return BoardKind::Phpbb3;
    if (two > three)
        return BoardKind::Phpbb2;
    return BoardKind::Unknown;
}

}  // namespace BoardKinds
