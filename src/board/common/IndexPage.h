// SPDX-License-Identifier: MIT
#pragma once
// A board's index page read with the HTML5 parser (Debian's gumbo), as a
// browser builds it: a link in a comment is a comment, a link in a script
// is script text, and an attribute is what its quotes hold. The forum list
// readers of the boards that mark their forum rows (ForumLinks) walk its
// elements. Qt-free; the parser is shielded from pathological nesting
// (HtmlNesting), so the walk is linear in the length of the page.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace IndexPage {

struct Element {
    std::string tag;      // lower case
    std::string classes;  // the class attribute, as written
    std::string id;
    std::string href;  // of a link ("a"); empty otherwise

    // True when the class attribute lists `name`.
    bool HasClass(std::string_view name) const;
};

// Called for every element of the page, in document order, with the
// elements it stands in (outermost first) and, for a link, its text.
using Visit = std::function<void(const Element& element, const std::vector<Element>& around, const std::string& text)>;

// Walks the page's elements. A link's text is the text inside it as the
// browser writes it in the page's HTML ("&", "<", ">" and the no-break
// space as references), each run of white space that holds a line break
// made one blank, trimmed; other elements get an empty text.
void ForEachElement(std::string_view html, const Visit& visit);

}  // namespace IndexPage
