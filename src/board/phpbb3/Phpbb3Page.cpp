// SPDX-License-Identifier: MIT
#include "board/phpbb3/Phpbb3Page.h"

#include "board/PreviewPage.h"
#include "board/phpbb3/Phpbb3Style.h"

namespace Phpbb3 {

std::string PreviewPage(std::string_view post, const Options& options)
{
    return PageAround(Render(post, options).html);
}

std::string PageAround(std::string_view content, std::string_view contentId)
{
    std::string start = "<body><div class=\"post bg2\"><div class=\"postbody\"><div ";
    if (!contentId.empty()) {
        start += "id=\"";
        start += contentId;
        start += "\" ";
    }
    start += "class=\"content\">";
    return PreviewPage::Document(Phpbb3Style::StyleSheet, start, content, "</div></div></div></body></html>\r\n");
}

std::string LivePage() { return PageAround({}, LivePreview::ContainerId); }

LivePreview::Rendered LivePost(std::string_view post, Options options)
{
    LivePreview::Rendered rendered;
    options.lineAnchors = &rendered.lines;
    rendered.html = Render(post, options).html;
    return rendered;
}

}  // namespace Phpbb3
