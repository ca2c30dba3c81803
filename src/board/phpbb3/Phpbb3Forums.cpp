// SPDX-License-Identifier: MIT
#include "board/phpbb3/Phpbb3Forums.h"

#include "board/common/ForumLinks.h"

namespace Phpbb3 {

namespace {

using namespace ForumLinks;

// phpBB: "viewforum.php?f=N" (a session id may come with it).
std::optional<std::string> PhpbbForum(std::string_view href)
{
    const Address address = Split(href);
    return address.file == "viewforum.php" ? NumberParameter(address.query, "f") : std::nullopt;
}

}  // namespace

std::optional<ForumScan::Result> Forums(std::string_view page)
{
    bool marked = false;
    std::vector<Link> links;
    IndexPage::ForEachElement(page, [&](const IndexPage::Element& element,
                                        const std::vector<IndexPage::Element>& around, const std::string& text) {
        if (element.tag != "a"
            || !(element.HasClass("forumtitle") || element.HasClass("forumlink") || element.HasClass("subforum")))
            return;
        marked = true;
        // A link forum's row goes to the link's own address, which may be a
        // forum of another board.
        for (const IndexPage::Element& outer : around)
            if (outer.HasClass("forum_link"))
                return;
        if (std::optional<std::string> number = PhpbbForum(element.href))
            links.push_back({std::move(*number), text});
    });
    if (!marked)
        return std::nullopt;
    return Entries(links, [](const Link&) { return true; });
}

}  // namespace Phpbb3
