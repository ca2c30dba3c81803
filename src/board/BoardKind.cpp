// SPDX-License-Identifier: MIT
#include "board/BoardKind.h"

#include <array>
#include <utility>

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

// MyBB links its forums and threads by fid and tid (or, with search-engine
// friendly addresses, forum-N.html), marks its forum rows with a status
// span, wraps its templates in "start:" comments, and keeps my_post_key in
// its forms and the quick-login box in every guest page.
constexpr std::array<std::string_view, 10> Mybb18Markers = {
    "forumdisplay.php?fid=", "showthread.php?tid=", "class=\"forum_status", "<!-- start: ",
    "name=\"my_post_key\"",  "id=\"quick_login\"",  "newthread.php?fid=",   "newreply.php?tid=",
    "member.php?action=",    "https://mybb.com",
};
// SMF addresses boards and topics as board=N.S and topic=N.S, separates
// query parameters with ";", builds its index from board_N blocks, and puts
// a sequence number and its login and post actions into its forms.
constexpr std::array<std::string_view, 10> Smf21Markers = {
    "?board=",         "?topic=",        "id=\"boardindex_table\"", "class=\"up_contain", "?action=post;",
    "name=\"seqnum\"", "?action=login2", "id=\"postmodify\"",       "simplemachines.org", "id=\"footerfix\"",
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
    case BoardKind::Mybb18:
        return "MyBB 1.8";
    case BoardKind::Smf21:
        return "SMF 2.1";
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
    case BoardKind::Mybb18:
        return "mybb18";
    case BoardKind::Smf21:
        return "smf21";
    case BoardKind::Unknown:
        break;
    }
    return {};
}

std::optional<BoardKind> FromKey(std::string_view key)
{
    for (BoardKind kind : Known)
        if (key == Key(kind))
            return kind;
    return std::nullopt;
}

BoardKind FromPage(std::string_view html)
{
    const std::array<std::pair<BoardKind, int>, 4> counts = {{
        {BoardKind::Phpbb3, Count(html, Phpbb3Markers)},
        {BoardKind::Phpbb2, Count(html, Phpbb2Markers)},
        {BoardKind::Mybb18, Count(html, Mybb18Markers)},
        {BoardKind::Smf21, Count(html, Smf21Markers)},
    }};
    // The kind with the most markers; none when two share the lead.
    BoardKind best = BoardKind::Unknown;
    int most = 0;
    bool shared = false;
    for (const auto& [kind, found] : counts) {
        if (found > most) {
            best = kind;
            most = found;
            shared = false;
        } else if (found == most && found > 0) {
            shared = true;
        }
    }
    return shared ? BoardKind::Unknown : best;
}

}  // namespace BoardKinds
