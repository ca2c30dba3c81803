// SPDX-License-Identifier: MIT
#include "submit/BoardWarnings.h"

#include "board/Boards.h"
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

std::string SizeQuestion(const Board& site, size_t sizes, Translator translate)
{
    const bool toThree = site.ConvertsSizesTo() == SizeScale::Unit::Percent;
    const SizeScale::Unit from = toThree ? SizeScale::Unit::Pixels : SizeScale::Unit::Percent;
    const std::string_view board = site.Name();
    const Board* const otherBoard = Boards::ReadingSizesIn(from);
    const std::string_view other = otherBoard ? otherBoard->Name() : std::string_view();
    const char* const reads = toThree
        ? QF_TRANSLATABLE("BoardWarnings",
                          "This post uses %1's font sizes (%2), but your site runs %3, which reads them as "
                          "percentages: \"Large\" text would show at 18 % of the normal size.")
        : QF_TRANSLATABLE("BoardWarnings",
                          "This post uses %1's font sizes (%2), but your site runs %3, which reads them as "
                          "pixels and shows any above 29 as typed.");
    const char* const convert = sizes == 1 ? QF_TRANSLATABLE("BoardWarnings", "Convert this size to %1's (%2)?")
                                           : QF_TRANSLATABLE("BoardWarnings", "Convert these %3 sizes to %1's (%2)?");
    const std::string count = std::to_string(sizes);
    std::string text = Fill(translate("BoardWarnings", reads),
                            {other, Numbers(SizeScale::Numbers(from)), board});
    text += std::string(LineBreak) + std::string(LineBreak);
    text += Fill(translate("BoardWarnings", convert), {board, Numbers(SizeScale::Numbers(toThree ? SizeScale::Unit::Percent : SizeScale::Unit::Pixels)), count});
    return text;
}

std::string Warning(const std::vector<std::string>& errors, bool quotesRemoved, int maxQuoteDepth, Translator translate)
{
    if (errors.empty() && !quotesRemoved)
        return {};
    std::string text = translate("BoardWarnings",
                                 errors.empty() ? QF_TRANSLATABLE("BoardWarnings", "The board will change this post:")
                                                : QF_TRANSLATABLE("BoardWarnings", "The board will refuse this post:"));
    text += LineBreak;
    for (const std::string& error : errors)
        text += std::string(LineBreak) + AsLines(error);
    if (quotesRemoved)
        text += std::string(LineBreak)
            + Fill(translate("BoardWarnings",
                             QF_TRANSLATABLE("BoardWarnings",
                                             "Quotes nested deeper than %1 will be "
                                             "removed, with everything inside them.")),
                   {std::to_string(maxQuoteDepth)});
    text += std::string(LineBreak) + std::string(LineBreak)
        + translate("BoardWarnings", QF_TRANSLATABLE("BoardWarnings", "Send it anyway?"));
    return text;
}

}  // namespace BoardWarnings
