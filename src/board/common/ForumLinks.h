// SPDX-License-Identifier: MIT
#pragma once
// What the boards' forum-list readers share: the parts of a link's address,
// its query's parameters, and the entries "N- name" made of the links a
// reader keeps. Each board's reader (board/<kind>/*Forums.h) walks the
// index page with the HTML5 parser (IndexPage). Qt-free.

#include "board/classic/ForumScan.h"
#include "board/common/IndexPage.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ForumLinks {

// An address without its fragment, split into the path's last segment and
// the query ("" when none).
struct Address {
    std::string_view file;
    std::string_view query;
};
Address Split(std::string_view href);

// Calls `each` with the name and value of every parameter of a query whose
// parameters are separated by any of `separators`; stops when it returns
// false.
void ForEachParameter(std::string_view query, std::string_view separators,
                      const std::function<bool(std::string_view, std::string_view)>& each);

// The first number a "&"-separated query gives the parameter `wanted`.
std::optional<std::string> NumberParameter(std::string_view query, std::string_view wanted);

// A forum link a reader found: its number and its text as the page writes
// it ("&amp;" for "&").
struct Link {
    std::string number;
    std::string name;
};

// The entries "N- name" of the links `keep` accepts, in order.
ForumScan::Result Entries(const std::vector<Link>& links, const std::function<bool(const Link&)>& keep);

// True when the innermost `tag` element around lists the class `className`.
bool Within(const std::vector<IndexPage::Element>& around, std::string_view tag, std::string_view className);

}  // namespace ForumLinks
