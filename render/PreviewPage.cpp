#include "render/PreviewPage.h"

#include "render/BBCodeRenderer.h"

namespace PreviewPage {

std::string Build(std::string_view post, std::string_view appFolder)
{
    std::string page = Module2::RenderBBCode(post, appFolder);
    page += "\r\n";
    return page;
}

}  // namespace PreviewPage
