// SPDX-License-Identifier: MIT
#include "render/PreviewPage.h"

#include "base/PagePolicy.h"
#include "render/BBCodeRenderer.h"
#include "render/Phpbb3Style.h"

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

std::string BuildForPhpbb3(std::string_view post, const Phpbb3::Options& options)
{
    return Phpbb3Document(Phpbb3::Render(post, options).html);
}

std::string Phpbb3Document(std::string_view content, std::string_view contentId)
{
    // The policy leads the head: a document type after it would be ignored.
    constexpr std::string_view Start = "<!DOCTYPE html>\r\n<html><head>";
    constexpr std::string_view Head = "<meta charset=\"utf-8\"><title>Preview</title><style>";
    constexpr std::string_view Body = "</style></head>\r\n<body><div class=\"post bg2\"><div class=\"postbody\"><div ";
    constexpr std::string_view Id = "id=\"";
    constexpr std::string_view Content = "class=\"content\">";
    constexpr std::string_view End = "</div></div></div></body></html>\r\n";
    std::string page;
    page.reserve(Start.size() + PagePolicy::NoScripts.size() + Head.size() + Phpbb3Style::StyleSheet.size()
                 + Body.size() + Id.size() + contentId.size() + 2 + Content.size() + content.size() + End.size());
    page += Start;
    page += PagePolicy::NoScripts;
    page += Head;
    page += Phpbb3Style::StyleSheet;
    page += Body;
    if (!contentId.empty()) {
        page += Id;
        page += contentId;
        page += "\" ";
    }
    page += Content;
    page += content;
    page += End;
    return page;
}

}  // namespace PreviewPage
