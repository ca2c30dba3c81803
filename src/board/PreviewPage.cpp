// SPDX-License-Identifier: MIT
#include "board/PreviewPage.h"

#include "base/PagePolicy.h"
#include "board/classic/BBCodeRenderer.h"
#include "board/mybb18/Mybb18Style.h"
#include "board/phpbb3/Phpbb3Style.h"
#include "board/smf21/Smf21Style.h"

namespace PreviewPage {

std::string Build(std::string_view post, std::string_view appFolder)
{
    const std::string fragment = bbcode::RenderBBCode(post, appFolder);
    std::string page;
    page.reserve(PagePolicy::NoScripts.size() + fragment.size() + 2);
    page += PagePolicy::NoScripts;
    page += fragment;
    page += "\r\n";
    return page;
}

namespace {

// A document whose head starts with the policy, then the board's style
// sheet, the body's opening, the post's HTML and the body's end.
std::string Document(std::string_view style, std::string_view bodyStart, std::string_view content,
                     std::string_view bodyEnd)
{
    // The policy leads the head: a document type after it would be ignored.
    constexpr std::string_view Start = "<!DOCTYPE html>\r\n<html><head>";
    constexpr std::string_view Head = "<meta charset=\"utf-8\"><title>Preview</title><style>";
    constexpr std::string_view HeadEnd = "</style></head>\r\n";
    std::string page;
    page.reserve(Start.size() + PagePolicy::NoScripts.size() + Head.size() + style.size() + HeadEnd.size()
                 + bodyStart.size() + content.size() + bodyEnd.size());
    page += Start;
    page += PagePolicy::NoScripts;
    page += Head;
    page += style;
    page += HeadEnd;
    page += bodyStart;
    page += content;
    page += bodyEnd;
    return page;
}

}  // namespace

std::string BuildForPhpbb3(std::string_view post, const Phpbb3::Options& options)
{
    return Phpbb3Document(Phpbb3::Render(post, options).html);
}

std::string Phpbb3Document(std::string_view content, std::string_view contentId)
{
    std::string start = "<body><div class=\"post bg2\"><div class=\"postbody\"><div ";
    if (!contentId.empty()) {
        start += "id=\"";
        start += contentId;
        start += "\" ";
    }
    start += "class=\"content\">";
    return Document(Phpbb3Style::StyleSheet, start, content, "</div></div></div></body></html>\r\n");
}

std::string BuildForMybb18(std::string_view post, const Mybb18::Options& options)
{
    return Mybb18Document(Mybb18::Render(post, options).html);
}

std::string Mybb18Document(std::string_view content, std::string_view contentId)
{
    std::string start = "<body><table class=\"tborder tfixed clear no_bottom_border\"><tr><td class=\"thead\">"
                        "<strong>Preview</strong></td></tr><tr><td class=\"trow1\" id=\"posts_container\">"
                        "<div id=\"posts\"><div class=\"post\" id=\"post_\"><div class=\"post_content\">"
                        "<div class=\"post_body scaleimages\" id=\"";
    start += contentId.empty() ? std::string_view("pid_") : contentId;
    start += "\">\n\t\t";
    return Document(Mybb18Style::StyleSheet, start, content,
                    "\n\t</div></div></div></div></td></tr></table></body></html>\r\n");
}

std::string BuildForSmf21(std::string_view post, const Smf21::Options& options)
{
    return Smf21Document(Smf21::Render(post, options).html);
}

std::string Smf21Document(std::string_view content, std::string_view contentId)
{
    std::string start = "<body><div id=\"preview_body\" class=\"windowbg\"><div class=\"inner\"";
    if (!contentId.empty()) {
        start += " id=\"";
        start += contentId;
        start += "\"";
    }
    start += ">";
    return Document(Smf21Style::StyleSheet, start, content, "</div></div></body></html>\r\n");
}

}  // namespace PreviewPage
