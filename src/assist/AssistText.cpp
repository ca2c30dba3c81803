// SPDX-License-Identifier: MIT
#include "assist/AssistText.h"

#include "base/TextConcat.h"
#include "assist/ExtraEmoticonTable.h"

namespace AssistText {

namespace {
constexpr std::string_view ItemMarker = "  [*]";
constexpr std::string_view ListEnd = "[/list]";
}  // namespace

std::string LinkTarget(std::string_view address) { return address.empty() ? std::string() : Concat({"=", address}); }

std::string ImageOutput(std::string_view address) { return Concat({"[img]", address, "[/img]"}); }

std::string ListBody(const std::vector<std::string>& items)
{
    size_t size = 0;
    for (const std::string& item : items)
        size += ItemMarker.size() + item.size();
    std::string body;
    body.reserve(size);
    for (const std::string& item : items) {
        body += ItemMarker;
        body += item;
    }
    return body;
}

std::string_view ListKind(int choice)
{
    switch (choice) {
    case 1:
        return "1";
    case 2:
        return "a";
    case 3:
        return "i";
    default:
        return {};
    }
}

std::optional<std::string> Output(const AssistState& s, const Board& board)
{
    if (s.command == UrlCommand)
        return Concat({"[url", s.linkTarget, "]", s.linkName, "[/url]"});
    if (s.command == ListCommand)
        return Concat({"[list]", s.title, s.listBody, ListEnd});
    if (s.command == NumberedListCommand)
        return Concat({board.OpeningTag(Concat({"list=", ListKind(s.listKind)})), s.title, s.listBody, ListEnd});
    return std::nullopt;
}

std::string QuoteBlock(std::string_view poster, std::string_view quoted, const Board& board)
{
    if (poster.empty())
        return Concat({"[quote]", quoted, "[/quote]"});
    return Concat({board.QuoteOpening(poster), quoted, "[/quote]"});
}

std::optional<std::string> ExtraEmoticonText(int index)
{
    if (index < 0 || index >= static_cast<int>(ExtraEmoticons::Pictures.size()))
        return std::nullopt;
    return Concat({" ", ExtraEmoticons::Pictures[static_cast<size_t>(index)].code, " "});
}

std::string AfterSelection(std::string_view selection, std::string_view text) { return Concat({selection, text}); }

}  // namespace AssistText
