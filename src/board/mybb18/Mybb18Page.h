// SPDX-License-Identifier: MIT
#pragma once
// The preview page and the live preview pane's page of a MyBB 1.8 board:
// a document with the board's default look (Mybb18Style.h) holding the
// post as MyBB 1.8 renders it in the posting page's preview box. Qt-free.

#include "board/LivePreview.h"
#include "board/mybb18/Mybb18Renderer.h"

#include <string>
#include <string_view>

namespace Mybb18 {

// The preview page for `post`: the policy first in its head
// (base/PagePolicy.h), the board's look, the post as the board renders it.
std::string PreviewPage(std::string_view post, const Options& options);

// That page around HTML already rendered; `contentId`, when not empty, is
// given as the id of the element that holds it.
std::string PageAround(std::string_view content, std::string_view contentId = {});

// The live preview pane's page: the same, the container
// (LivePreview::ContainerId) being the post's body.
std::string LivePage();
// The post rendered for that container, with line anchors: after the line
// breaks the board's HTML keeps.
LivePreview::Rendered LivePost(std::string_view post, const Options& options);

}  // namespace Mybb18
