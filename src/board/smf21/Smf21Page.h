// SPDX-License-Identifier: MIT
#pragma once
// The preview page and the live preview pane's page of an SMF 2.1 board:
// a document with the board's default look (Smf21Style.h) holding the post
// as SMF 2.1 renders it in its preview box. Qt-free.

#include "board/LivePreview.h"
#include "board/smf21/Smf21Renderer.h"

#include <string>
#include <string_view>

namespace Smf21 {

// The preview page for `post`: the policy first in its head
// (base/PagePolicy.h), the board's look, the post as the board renders it.
std::string PreviewPage(std::string_view post, const Options& options);

// That page around HTML already rendered; `contentId`, when not empty, is
// given as the id of the element that holds it.
std::string PageAround(std::string_view content, std::string_view contentId = {});

// The live preview pane's page: the same, the container
// (LivePreview::ContainerId) being the preview box's content.
std::string LivePage();
// The post rendered for that container, with line anchors: after its <br>
// elements (LivePreview::WithBreakAnchors).
LivePreview::Rendered LivePost(std::string_view post, const Options& options);

}  // namespace Smf21
