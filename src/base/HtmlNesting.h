// SPDX-License-Identifier: MIT
#pragma once
// A guard put before the HTML parser. An HTML5 parser's tree building looks
// down its stack of open elements for many tags, and rebuilds the formatting
// elements still open for every run of text; on a page of thousands of
// unclosed elements both make parsing quadratic, and the tree itself so deep
// that walking or freeing it recursively would overflow the stack. Browsers
// cap the depth of their trees for the same reason.
//
// `Bounded` reads the tags as the parser's tokenizer does (comments, raw
// text of script and style, quoted attribute values) and keeps a count of
// the elements that may still be open that never falls below what the
// parser holds: an element is taken as closed only by its own end tag, by
// the start of an element of its kind directly after it (a paragraph, list
// item, cell, row or option), and a formatting element's end tag takes out
// that element only. A start tag that would open more than `maxDepth`
// elements, or more than 20 formatting elements (b, i, font ...), or a
// formatting element while four are left open by other elements' end tags
// (the parser makes those again for every later block), is left out (its
// content stays), as is an end tag of an element
// that is not open (the parser would ignore it, after a search of its whole
// stack); "</p>" and "</br>", which make elements, are kept. HTML that
// stays within the depth, as every serialised clipboard page does, comes
// back unchanged. Linear in the length of the HTML. Qt-free.

#include <string>
#include <string_view>

namespace HtmlNesting {

inline constexpr size_t DefaultDepth = 128;

std::string Bounded(std::string_view html, size_t maxDepth = DefaultDepth);

}  // namespace HtmlNesting
