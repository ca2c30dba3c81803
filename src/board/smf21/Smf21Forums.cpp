// SPDX-License-Identifier: MIT
#include "board/smf21/Smf21Forums.h"

#include "board/common/Ascii.h"
#include "board/common/ForumLinks.h"

#include <unordered_set>

namespace Smf21 {

namespace {

using namespace ForumLinks;

constexpr size_t npos = std::string_view::npos;

// "N" of "N" or "N.S" (a board's number and the start offset of its page).
std::optional<std::string> BoardNumber(std::string_view value)
{
    const std::string_view number = value.substr(0, value.find('.'));
    const size_t dot = value.find('.');
    if (!Ascii::IsDigits(number) || (dot != npos && !Ascii::IsDigits(value.substr(dot + 1))))
        return std::nullopt;
    return std::string(number);
}

// SMF: a query of "board=N.S" alone (a session id may come before it), or a
// search-engine friendly "board,N.S.html".
std::optional<std::string> SmfBoard(std::string_view href)
{
    const Address address = Split(href);
    if (!address.query.empty()) {
        std::optional<std::string> number;
        bool other = false;
        ForEachParameter(address.query, ";&", [&](std::string_view name, std::string_view value) {
            if (name == "board")
                number = BoardNumber(value);
            else if (name != "PHPSESSID")
                other = true;
            return !other;
        });
        return other ? std::nullopt : number;
    }
    constexpr std::string_view Prefix = "board,", Suffix = ".html";
    if (address.file.size() > Prefix.size() + Suffix.size() && address.file.substr(0, Prefix.size()) == Prefix
        && address.file.substr(address.file.size() - Suffix.size()) == Suffix)
        return BoardNumber(address.file.substr(Prefix.size(), address.file.size() - Prefix.size() - Suffix.size()));
    return std::nullopt;
}

}  // namespace

ForumScan::Result Forums(std::string_view page)
{
    // The news above the board list may link boards by other names: when
    // the page has the list, only the links from its start on count.
    std::optional<size_t> listStart;
    std::vector<Link> links;
    std::unordered_set<std::string> redirects;
    IndexPage::ForEachElement(page, [&](const IndexPage::Element& element, const std::vector<IndexPage::Element>&,
                                        const std::string& text) {
        if (element.id == "boardindex_table" && !listStart)
            listStart = links.size();
        if (element.tag != "a")
            return;
        std::optional<std::string> number = SmfBoard(element.href);
        if (!number)
            return;
        if (element.HasClass("board_redirect"))
            redirects.insert(*number);
        links.push_back({std::move(*number), text});
    });
    if (listStart)
        links.erase(links.begin(), links.begin() + std::ptrdiff_t(*listStart));
    return Entries(links, [&redirects](const Link& link) { return !redirects.count(link.number); });
}

}  // namespace Smf21
