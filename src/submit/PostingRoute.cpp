// SPDX-License-Identifier: MIT
#include "submit/PostingRoute.h"

namespace PostingRoute {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsUnreserved(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.'
        || c == '_' || c == '~';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace

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
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string address(siteAddress);
    address += board.PostingAddressStart(mode);
    for (const char c : Trimmed(number)) {
        if (IsUnreserved(c)) {
            address += c;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            address += '%';
            address += Hex[byte >> 4];
            address += Hex[byte & 15];
        }
    }
    address += board.PostingAddressEnd();
    return address;
}

}  // namespace PostingRoute
