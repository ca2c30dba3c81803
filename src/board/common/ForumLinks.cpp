// SPDX-License-Identifier: MIT
#include "board/common/ForumLinks.h"

#include "board/common/IndexPage.h"

#include <functional>
#include <optional>
#include <string>
#include <unordered_set>

namespace ForumLinks {

namespace {

constexpr size_t npos = std::string_view::npos;

bool IsDigits(std::string_view text)
{
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// An address without its fragment, split into the path's last segment and
// the query ("" when none).
struct Address {
    std::string_view file;
    std::string_view query;
};

Address Split(std::string_view href)
{
    href = href.substr(0, href.find('#'));
    Address address;
    const size_t question = href.find('?');
    if (question != npos) {
        address.query = href.substr(question + 1);
        href = href.substr(0, question);
    }
    const size_t slash = href.rfind('/');
    address.file = slash == npos ? href : href.substr(slash + 1);
    return address;
}

// Calls `each` with the name and value of every parameter of a query whose
// parameters are separated by any of `separators`; stops when it returns
// false.
void ForEachParameter(std::string_view query, std::string_view separators,
                      const std::function<bool(std::string_view, std::string_view)>& each)
{
    while (!query.empty()) {
        const size_t end = query.find_first_of(separators);
        const std::string_view parameter = query.substr(0, end);
        const size_t equals = parameter.find('=');
        if (!parameter.empty()
            && !each(parameter.substr(0, equals), equals == npos ? std::string_view() : parameter.substr(equals + 1)))
            return;
        if (end == npos)
            return;
        query.remove_prefix(end + 1);
    }
}

// "N" of "N" or "N.S" (a board's number and the start offset of its page).
std::optional<std::string> BoardNumber(std::string_view value)
{
    const std::string_view number = value.substr(0, value.find('.'));
    const size_t dot = value.find('.');
    if (!IsDigits(number) || (dot != npos && !IsDigits(value.substr(dot + 1))))
        return std::nullopt;
    return std::string(number);
}

// The first number a "&"-separated query gives the parameter `wanted`.
std::optional<std::string> NumberParameter(std::string_view query, std::string_view wanted)
{
    std::optional<std::string> number;
    ForEachParameter(query, "&", [&](std::string_view name, std::string_view value) {
        if (name == wanted && IsDigits(value))
            number = std::string(value);
        return !number;
    });
    return number;
}

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
        if (IsDigits(number))
            return std::string(number);
    }
    return std::nullopt;
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

// phpBB: "viewforum.php?f=N" (a session id may come with it).
std::optional<std::string> PhpbbForum(std::string_view href)
{
    const Address address = Split(href);
    return address.file == "viewforum.php" ? NumberParameter(address.query, "f") : std::nullopt;
}

struct Link {
    std::string number;
    std::string name;
};

ForumScan::Result Entries(const std::vector<Link>& links, const std::function<bool(const Link&)>& keep)
{
    ForumScan::Result result;
    for (const Link& link : links)
        if (keep(link))
            result.entries.push_back(link.number + "- " + link.name);
    return result;
}

bool Within(const std::vector<IndexPage::Element>& around, std::string_view tag, std::string_view className)
{
    for (auto it = around.rbegin(); it != around.rend(); ++it)
        if (it->tag == tag)
            return it->HasClass(className);
    return false;
}

}  // namespace

std::optional<ForumScan::Result> Phpbb3(std::string_view page)
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

ForumScan::Result Mybb(std::string_view page)
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

ForumScan::Result Smf(std::string_view page)
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

ForumScan::Result ForumsOf(std::string_view page, BoardKind kind)
{
    switch (kind) {
    case BoardKind::Mybb18:
        return Mybb(page);
    case BoardKind::Smf21:
        return Smf(page);
    case BoardKind::Phpbb3:
        // A style that marks no forum row is read as any other board's page.
        if (std::optional<ForumScan::Result> found = Phpbb3(page))
            return *found;
        break;
    case BoardKind::Phpbb2:
    case BoardKind::Unknown:
        break;
    }
    return ForumScan::Scan(ForumScan::WithUpperCaseLinkEnds(page));
}

}  // namespace ForumLinks
