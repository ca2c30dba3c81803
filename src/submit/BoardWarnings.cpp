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

// The characters (code points) of a UTF-8 text.
size_t Characters(std::string_view text)
{
    size_t count = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    return count;
}

// The length of the blank, line break or no-break space that `text` starts
// with (`atEnd`: ends with); 0 when none.
size_t BlankLength(std::string_view text, bool atEnd)
{
    constexpr std::string_view NoBreakSpace = "\xC2\xA0";
    if (text.empty())
        return 0;
    const char c = atEnd ? text.back() : text.front();
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v')
        return 1;
    if (text.size() >= 2 && (atEnd ? text.substr(text.size() - 2) : text.substr(0, 2)) == NoBreakSpace)
        return 2;
    return 0;
}

// `text` without the blanks, line breaks and no-break spaces around it.
std::string_view Trimmed(std::string_view text)
{
    while (const size_t length = BlankLength(text, false))
        text.remove_prefix(length);
    while (const size_t length = BlankLength(text, true))
        text.remove_suffix(length);
    return text;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// How often `lowerWord` (lower case) stands in `text`, letter case ignored.
size_t CountIgnoringCase(std::string_view text, std::string_view lowerWord)
{
    size_t count = 0;
    for (size_t at = 0; at + lowerWord.size() <= text.size(); ++at) {
        size_t i = 0;
        while (i < lowerWord.size() && Lower(text[at + i]) == lowerWord[i])
            ++i;
        count += i == lowerWord.size();
    }
    return count;
}

std::vector<std::string> MybbErrors(bool reply, std::string_view title, std::string_view body)
{
    std::vector<std::string> errors;
    std::string_view subject = Trimmed(title);
    if (reply && subject.substr(0, 4) == "RE: ")
        subject.remove_prefix(4);
    if (Characters(subject) > 85)
        errors.push_back("The subject is too long. Please enter a subject shorter than 85 characters (currently "
                         + std::to_string(Characters(subject)) + ").");
    const std::string_view message = Trimmed(body);
    if (message.empty())
        errors.push_back("The message is missing. Please enter a message.");
    else if (Characters(message) < 5)
        errors.push_back("The message is too short. Please enter a message longer than 5 characters.");
    else if (body.size() > 65535)
        errors.push_back("The message is too long. Please enter a message shorter than 65535 characters (currently "
                         + std::to_string(body.size()) + ").");
    if (const size_t videos = CountIgnoringCase(body, "[video="); videos > 1)
        errors.push_back("The message you entered contained " + std::to_string(videos)
                         + " videos, while only 1 videos per message are allowed. Please lower the video count in "
                           "your message to meet the limit.");
    return errors;
}

}  // namespace

std::string SizeQuestion(BoardKind kind, size_t sizes, Translator translate)
{
    const bool toThree = kind == BoardKind::Phpbb3;
    const std::string_view board = BoardKinds::DisplayName(kind);
    const std::string_view other = BoardKinds::DisplayName(toThree ? BoardKind::Phpbb2 : BoardKind::Phpbb3);
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
                            {other, Numbers(toThree ? SizeScale::Pixels : SizeScale::Percentages), board});
    text += std::string(LineBreak) + std::string(LineBreak);
    text += Fill(translate("BoardWarnings", convert), {board, Numbers(SizeScale::For(kind)), count});
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

std::vector<std::string> LimitErrors(BoardKind kind, bool reply, std::string_view title, std::string_view body)
{
    if (kind == BoardKind::Mybb18)
        return MybbErrors(reply, title, body);
    if (kind == BoardKind::Smf21 && Characters(body) > 20000)
        return {"The message exceeds the maximum allowed length (20000 characters)."};
    return {};
}

}  // namespace BoardWarnings
