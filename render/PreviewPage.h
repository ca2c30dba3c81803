#pragma once
// The preview page `preview.htm`: the policy that keeps the page's scripts
// from running (base/PagePolicy.h), then the renderer's fragment followed by
// one CR LF, nothing else around it (no html, head or body element, no
// character-set declaration; the browser reads pages without one as UTF-8).
// Qt-free.

#include <string>
#include <string_view>

namespace PreviewPage {

// The page's bytes for the post body `post`; `appFolder` is the folder
// the emoticon pictures are read from (holding emo/).
std::string Build(std::string_view post, std::string_view appFolder);

}  // namespace PreviewPage
