// SPDX-License-Identifier: MIT
#include "forums/ForumLinks.h"

#include "base/HtmlText.h"

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

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
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

// MyBB: "forumdisplay.php?fid=N" (other parameters may follow) or "forum-N.html".
std::optional<std::string> MybbForum(std::string_view href)
{
    const Address address = Split(href);
    if (address.file == "forumdisplay.php") {
        std::optional<std::string> number;
        ForEachParameter(address.query, "&", [&number](std::string_view name, std::string_view value) {
            if (name == "fid" && IsDigits(value))
                number = std::string(value);
            return !number;
        });
        return number;
    }
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

struct Link {
    std::string number;
    std::string_view tag;  // the start tag
    std::string name;      // one line, trimmed
    size_t start = 0;      // where the start tag begins
};

// Every link of the page (its "</a>" written "</A>") whose address `number`
// accepts, in page order. The name is the text between the last ">" before
// the link's end and that end, as the classic scan takes it.
std::vector<Link> Links(std::string_view page,
                        const std::function<std::optional<std::string>(std::string_view)>& number)
{
    std::vector<Link> links;
    size_t from = 0;
    while (auto tag = HtmlText::NextStartTag(page, "a", from)) {
        from = tag->end;
        const std::optional<std::string> href = HtmlText::Attribute(tag->text, "href");
        std::optional<std::string> found = href ? number(*href) : std::nullopt;
        if (!found)
            continue;
        const size_t close = page.find(ForumScan::LinkEnd, tag->end);
        if (close == npos)
            break;
        const size_t gt = page.rfind('>', close - 1);
        const size_t nameStart = gt == npos || gt < tag->end ? tag->end : gt + 1;
        links.push_back({std::move(*found), tag->text,
                         std::string(Trimmed(ForumScan::OneLine(page.substr(nameStart, close - nameStart)))),
                         tag->end - tag->text.size()});
        from = close;
    }
    return links;
}

ForumScan::Result Entries(const std::vector<Link>& links, const std::function<bool(const Link&)>& keep)
{
    ForumScan::Result result;
    for (const Link& link : links) {
        if (!keep(link))
            continue;
        result.entries.push_back(link.number + "- " + link.name);
        result.linkClasses.push_back(HtmlText::Attribute(link.tag, "class").value_or(std::string()));
    }
    return result;
}

// The numbers of MyBB's redirect forums: the status span with the class
// "forum_offlink" carries the forum's number in its id "mark_read_N".
std::unordered_set<std::string> MybbRedirects(std::string_view page)
{
    std::unordered_set<std::string> numbers;
    size_t from = 0;
    while (auto span = HtmlText::NextStartTag(page, "span", from)) {
        from = span->end;
        if (!HtmlText::ListsClass(HtmlText::Attribute(span->text, "class").value_or(""), "forum_offlink"))
            continue;
        const std::string id = HtmlText::Attribute(span->text, "id").value_or("");
        constexpr std::string_view Prefix = "mark_read_";
        if (id.compare(0, Prefix.size(), Prefix) == 0)
            numbers.insert(id.substr(Prefix.size()));
    }
    return numbers;
}

}  // namespace

ForumScan::Result Mybb(std::string_view page)
{
    const std::vector<Link> links = Links(page, MybbForum);
    const std::unordered_set<std::string> redirects = MybbRedirects(page);
    // The table cell each link stands in: the last "td" start tag before it,
    // found by a second walk that only moves forward.
    std::optional<HtmlText::StartTag> cell, next = HtmlText::NextStartTag(page, "td", 0);
    return Entries(links, [&](const Link& link) {
        while (next && next->end <= link.start) {
            cell = next;
            next = HtmlText::NextStartTag(page, "td", next->end);
        }
        const bool header =
            cell && HtmlText::ListsClass(HtmlText::Attribute(cell->text, "class").value_or(""), "thead");
        return !header && !redirects.count(link.number);
    });
}

ForumScan::Result Smf(std::string_view page)
{
    // The news above the list may link boards by other names.
    const size_t list = page.find("id=\"boardindex_table\"");
    if (list != npos)
        page.remove_prefix(page.rfind('<', list) == npos ? list : page.rfind('<', list));
    const std::vector<Link> links = Links(page, SmfBoard);
    std::unordered_set<std::string> redirects;
    for (const Link& link : links)
        if (HtmlText::ListsClass(HtmlText::Attribute(link.tag, "class").value_or(""), "board_redirect"))
            redirects.insert(link.number);
    return Entries(links, [&redirects](const Link& link) { return !redirects.count(link.number); });
}

ForumScan::Result ForumsOf(std::string_view page, BoardKind kind)
{
    const std::string text = ForumScan::WithUpperCaseLinkEnds(page);
    switch (kind) {
    case BoardKind::Mybb18:
        return Mybb(text);
    case BoardKind::Smf21:
        return Smf(text);
    case BoardKind::Phpbb3:
        return ForumScan::WithoutCategories(ForumScan::Scan(text));
    case BoardKind::Phpbb2:
    case BoardKind::Unknown:
        break;
    }
    return ForumScan::Scan(text);
}

}  // namespace ForumLinks
