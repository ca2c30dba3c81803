// SPDX-License-Identifier: MIT
#pragma once
// The live preview's line anchor: an empty element, <qf-line></qf-line>,
// written into the rendered HTML where a line of the post starts. It shows
// nothing and takes no room; the page finds the anchors in document order
// and learns each one's line from the list written beside the HTML. Qt-free.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace LineAnchor {

inline constexpr std::string_view Name = "qf-line";
inline constexpr std::string_view Element = "<qf-line></qf-line>";

// An anchor for `line` at the end of `html`, and its line in `lines`.
inline void Append(std::string& html, size_t line, std::vector<uint32_t>& lines)
{
    html += Element;
    lines.push_back(static_cast<uint32_t>(line));
}

}  // namespace LineAnchor
