// SPDX-License-Identifier: MIT
#include "board/PreviewPage.h"

#include "base/PagePolicy.h"
#include "board/classic/BBCodeRenderer.h"

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


}  // namespace PreviewPage
