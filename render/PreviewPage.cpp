#include "render/PreviewPage.h"

#include "base/PagePolicy.h"
#include "render/BBCodeRenderer.h"

namespace PreviewPage {

std::string Build(std::string_view post, std::string_view appFolder)
{
    const std::string fragment = Module2::RenderBBCode(post, appFolder);
    std::string page;
    page.reserve(PagePolicy::NoScripts.size() + fragment.size() + 2);
    page += PagePolicy::NoScripts;
    page += fragment;
    page += "\r\n";
    return page;
}

}  // namespace PreviewPage
