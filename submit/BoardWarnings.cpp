// SPDX-License-Identifier: MIT
#include "submit/BoardWarnings.h"

#include "board/SizeScale.h"

namespace BoardWarnings {

namespace {

constexpr std::string_view LineBreak = "\r\n";

std::string Numbers(const std::array<int, 5>& scale)
{
    std::string text;
    for (size_t item = 0; item < scale.size(); ++item) {
        if (item > 0)
            text += item + 1 == scale.size() ? " and " : ", ";
        text += std::to_string(scale[item]);
    }
    return text;
}

// The board's message as lines of a message box.
std::string AsLines(std::string message)
{
    for (size_t at = message.find("<br />"); at != std::string::npos; at = message.find("<br />", at))
        message.replace(at, 6, LineBreak);
    return message;
}

}  // namespace

std::string SizeQuestion(BoardKind kind, size_t sizes)
{
    const bool toThree = kind == BoardKind::Phpbb3;
    const std::string board(BoardKinds::DisplayName(kind));
    const std::string other(BoardKinds::DisplayName(toThree ? BoardKind::Phpbb2 : BoardKind::Phpbb3));
    std::string text = "This post uses " + other + "'s font sizes ("
        + Numbers(toThree ? SizeScale::Pixels : SizeScale::Percentages) + "), but your site runs " + board
        + ", which reads them as "
        + (toThree ? "percentages: \"Large\" text would show at 18 % of the normal size."
                   : "pixels and shows any above 29 as typed.");
    text += std::string(LineBreak) + std::string(LineBreak);
    text += "Convert " + std::string(sizes == 1 ? "this size" : "these " + std::to_string(sizes) + " sizes") + " to "
        + board + "'s (" + Numbers(SizeScale::For(kind)) + ")?";
    return text;
}

std::string Warning(const std::vector<std::string>& errors, bool quotesRemoved, int maxQuoteDepth)
{
    if (errors.empty() && !quotesRemoved)
        return {};
    std::string text = errors.empty() ? "The board will change this post:" : "The board will refuse this post:";
    text += LineBreak;
    for (const std::string& error : errors)
        text += std::string(LineBreak) + AsLines(error);
    if (quotesRemoved)
        text += std::string(LineBreak) + "Quotes nested deeper than " + std::to_string(maxQuoteDepth)
            + " will be removed, with everything inside them.";
    text += std::string(LineBreak) + std::string(LineBreak) + "Send it anyway?";
    return text;
}

}  // namespace BoardWarnings
