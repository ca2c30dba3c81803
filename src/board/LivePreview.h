// SPDX-License-Identifier: MIT
#pragma once
// What the live preview pane shows, Qt-free: the page it loads once (the
// preview's policy and look around an empty container for the post) and the
// post rendered for that container, with line anchors
// (board/common/LineAnchor.h) for the scroll sync. Apart from the anchors
// the HTML is the renderer's own, byte for byte. The classic dialect's is
// here; each board's in its folder (board/<kind>/<Kind>Page.h).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace LivePreview {

// The id of the element whose content is the rendered post.
inline constexpr std::string_view ContainerId = "qf-live-post";

struct Rendered {
    std::string html;
    std::vector<uint32_t> lines;  // the line of each anchor of `html`, in order
};

// The classic dialect: the page is the preview's (the policy, then the
// post, in the browser's quirks mode) with the container in its place.
std::string ClassicPage();
Rendered RenderClassic(std::string_view post, std::string_view appFolder);

// How the container's content `shown` (as last sent, anchors included)
// becomes `next`: all differences lie in the stretch after anchor `before`
// and before anchor `after` (anchor numbers of `shown`; -1: the container's
// start, or its end), and `html` is the new stretch. `whole` when no such
// stretch can be replaced on its own: one side of it is not a balanced run
// of elements (an element opened and not closed in it, or the reverse), or
// it holds markup this check does not follow.
struct Change {
    bool whole = true;
    long before = -1, after = -1;
    std::string_view html;
};
Change ChangeBetween(std::string_view shown, std::string_view next);

// Anchors into HTML that holds every line break of its post as one LF (the
// classic renderer's output): after each LF where an element may stand,
// that is outside tags, comments, and elements whose content is text or
// drops elements (script, style, textarea, title, select ...). LFs elsewhere
// count all the same, so each anchor's line is the post's line.
Rendered WithLineAnchors(std::string_view html);

// Anchors into HTML that writes the post's line breaks as <br> elements and
// keeps no LF (SMF's): after each <br> outside the elements above. Lines the
// board folds into a block's edges are not counted, so later anchors may
// name a line a little early.
Rendered WithBreakAnchors(std::string_view html);

}  // namespace LivePreview
