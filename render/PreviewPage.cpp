// SPDX-License-Identifier: MIT
#include "render/PreviewPage.h"

#include "base/PagePolicy.h"
#include "render/BBCodeRenderer.h"
#include "render/Phpbb3Style.h"
#include "render/Smf21Style.h"

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

// A document in UTF-8: the policy first in its head, then the board's
// style sheet, then the post's HTML between `body` and `end`.
std::string BoardPage(std::string_view styleSheet, std::string_view body, std::string_view content,
                      std::string_view end)
{
    // The policy leads the head: a document type after it would be ignored.
    constexpr std::string_view Start = "<!DOCTYPE html>\r\n<html><head>";
    constexpr std::string_view Head = "<meta charset=\"utf-8\"><title>Preview</title><style>";
    std::string page;
    page.reserve(Start.size() + PagePolicy::NoScripts.size() + Head.size() + styleSheet.size() + body.size()
                 + content.size() + end.size());
    page += Start;
    page += PagePolicy::NoScripts;
    page += Head;
    page += styleSheet;
    page += body;
    page += content;
    page += end;
    return page;
}

}  // namespace

std::string BuildForSmf21(std::string_view post, const Smf21::Options& options)
{
    return BoardPage(Smf21Style::StyleSheet,
                     "</style></head>\r\n<body><div id=\"preview_body\" class=\"windowbg\"><div class=\"inner\">",
                     Smf21::Render(post, options).html, "</div></div></body></html>\r\n");
}

std::string BuildForPhpbb3(std::string_view post, const Phpbb3::Options& options)
{
    const std::string content = Phpbb3::Render(post, options).html;
    // The policy leads the head: a document type after it would be ignored.
    constexpr std::string_view Start = "<!DOCTYPE html>\r\n<html><head>";
    constexpr std::string_view Head = "<meta charset=\"utf-8\"><title>Preview</title><style>";
    constexpr std::string_view Body =
        "</style></head>\r\n<body><div class=\"post bg2\"><div class=\"postbody\"><div class=\"content\">";
    constexpr std::string_view End = "</div></div></div></body></html>\r\n";
    std::string page;
    page.reserve(Start.size() + PagePolicy::NoScripts.size() + Head.size() + Phpbb3Style::StyleSheet.size()
                 + Body.size() + content.size() + End.size());
    page += Start;
    page += PagePolicy::NoScripts;
    page += Head;
    page += Phpbb3Style::StyleSheet;
    page += Body;
    page += content;
    page += End;
    return page;
}

}  // namespace PreviewPage
