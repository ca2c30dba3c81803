// SPDX-License-Identifier: MIT
#include "submit/PostingRoute.h"

namespace PostingRoute {

std::string_view NameOf(Mode mode)
{
    switch (mode) {
    case Mode::Post:
        return "post";
    case Mode::NewTopic:
        return "newtopic";
    case Mode::Reply:
        return "reply";
    }
    return "post";
}

std::optional<Mode> NewTopicModeNamed(std::string_view name)
{
    if (name == NameOf(Mode::Post))
        return Mode::Post;
    if (name == NameOf(Mode::NewTopic))
        return Mode::NewTopic;
    return std::nullopt;
}

std::vector<Mode> ModesToTry(bool reply, std::optional<Mode> remembered, const Board& board)
{
    return board.ModesToTry(reply, remembered);
}

std::string Address(std::string_view siteAddress, Mode mode, std::string_view number, const Board& board)
{
    return board.PostingAddress(siteAddress, mode, number);
}

}  // namespace PostingRoute
