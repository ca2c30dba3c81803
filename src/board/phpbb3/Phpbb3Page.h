// SPDX-License-Identifier: MIT
#pragma once
// The preview page and the live preview pane's page of a phpBB 3 board:
// a document styled like the board's prosilver (Phpbb3Style.h) with the
// post as phpBB 3 renders it in a post box. Qt-free.

#include "board/LivePreview.h"
#include "board/phpbb3/Phpbb3Renderer.h"

#include <string>
#include <string_view>

namespace Phpbb3 {

// The preview page for `post`: the policy first in its head
// (base/PagePolicy.h), the board's look, the post as the board renders it.
std::string PreviewPage(std::string_view post, const Options& options);

// That page around HTML already rendered; `contentId`, when not empty, is
// given as the id of the element that holds it.
std::string PageAround(std::string_view content, std::string_view contentId = {});

// The live preview pane's page: the same, the container
// (LivePreview::ContainerId) being the post box's content.
std::string LivePage();
// The post rendered for that container, with line anchors: the renderer's own,
// after the line breaks of the post (Options::lineAnchors).
LivePreview::Rendered LivePost(std::string_view post, Options options);

}  // namespace Phpbb3
