// SPDX-License-Identifier: MIT
#include "board/smf21/Smf21Page.h"

#include "board/PreviewPage.h"
#include "board/smf21/Smf21Style.h"

namespace Smf21 {

std::string PreviewPage(std::string_view post, const Options& options)
{
    return PageAround(Render(post, options).html);
}

std::string PageAround(std::string_view content, std::string_view contentId)
{
    std::string start = "<body><div id=\"preview_body\" class=\"windowbg\"><div class=\"inner\"";
    if (!contentId.empty()) {
        start += " id=\"";
        start += contentId;
        start += "\"";
    }
    start += ">";
    return PreviewPage::Document(Smf21Style::StyleSheet, start, content, "</div></div></body></html>\r\n");
}

std::string LivePage() { return PageAround({}, LivePreview::ContainerId); }

LivePreview::Rendered LivePost(std::string_view post, const Options& options)
{
    return LivePreview::WithBreakAnchors(Render(post, options).html);
}

}  // namespace Smf21
