// SPDX-License-Identifier: MIT
#include "board/mybb18/Mybb18Page.h"

#include "board/PreviewPage.h"
#include "board/mybb18/Mybb18Style.h"

namespace Mybb18 {

std::string PreviewPage(std::string_view post, const Options& options)
{
    return PageAround(Render(post, options).html);
}

std::string PageAround(std::string_view content, std::string_view contentId)
{
    std::string start = "<body><table class=\"tborder tfixed clear no_bottom_border\"><tr><td class=\"thead\">"
                        "<strong>Preview</strong></td></tr><tr><td class=\"trow1\" id=\"posts_container\">"
                        "<div id=\"posts\"><div class=\"post\" id=\"post_\"><div class=\"post_content\">"
                        "<div class=\"post_body scaleimages\" id=\"";
    start += contentId.empty() ? std::string_view("pid_") : contentId;
    start += "\">\n\t\t";
    return PreviewPage::Document(Mybb18Style::StyleSheet, start, content,
                                 "\n\t</div></div></div></div></td></tr></table></body></html>\r\n");
}

std::string LivePage() { return PageAround({}, LivePreview::ContainerId); }

LivePreview::Rendered LivePost(std::string_view post, const Options& options)
{
    return LivePreview::WithLineAnchors(Render(post, options).html);
}

}  // namespace Mybb18
