// SPDX-License-Identifier: MIT
#include "board/mybb18/Mybb18Forums.h"

#include "board/common/Ascii.h"
#include "board/common/ForumLinks.h"

#include <unordered_set>

namespace Mybb18 {

namespace {

using namespace ForumLinks;

// MyBB: "forumdisplay.php?fid=N" (other parameters may follow) or "forum-N.html".
std::optional<std::string> MybbForum(std::string_view href)
{
    const Address address = Split(href);
    if (address.file == "forumdisplay.php")
        return NumberParameter(address.query, "fid");
    constexpr std::string_view Prefix = "forum-", Suffix = ".html";
    if (address.query.empty() && address.file.size() > Prefix.size() + Suffix.size()
        && address.file.substr(0, Prefix.size()) == Prefix
        && address.file.substr(address.file.size() - Suffix.size()) == Suffix) {
        const std::string_view number =
            address.file.substr(Prefix.size(), address.file.size() - Prefix.size() - Suffix.size());
        if (Ascii::IsDigits(number))
            return std::string(number);
    }
    return std::nullopt;
}

}  // namespace

ForumScan::Result Forums(std::string_view page)
{
    std::vector<Link> links;
    std::unordered_set<std::string> redirects;
    IndexPage::ForEachElement(page, [&](const IndexPage::Element& element,
                                        const std::vector<IndexPage::Element>& around, const std::string& text) {
        constexpr std::string_view Prefix = "mark_read_";
        if (element.tag == "span" && element.HasClass("forum_offlink")
            && element.id.compare(0, Prefix.size(), Prefix) == 0)
            redirects.insert(element.id.substr(Prefix.size()));
        if (element.tag != "a" || Within(around, "td", "thead"))
            return;
        if (std::optional<std::string> number = MybbForum(element.href))
            links.push_back({std::move(*number), text});
    });
    return Entries(links, [&redirects](const Link& link) { return !redirects.count(link.number); });
}

}  // namespace Mybb18
