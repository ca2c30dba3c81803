// SPDX-License-Identifier: MIT
#include "board/common/ForumLinks.h"

#include "board/common/Ascii.h"

namespace ForumLinks {

namespace {

constexpr size_t npos = std::string_view::npos;

}  // namespace

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

std::optional<std::string> NumberParameter(std::string_view query, std::string_view wanted)
{
    std::optional<std::string> number;
    ForEachParameter(query, "&", [&](std::string_view name, std::string_view value) {
        if (name == wanted && Ascii::IsDigits(value))
            number = std::string(value);
        return !number;
    });
    return number;
}

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

}  // namespace ForumLinks
