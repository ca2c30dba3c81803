// SPDX-License-Identifier: MIT
#pragma once
// The preview page `preview.htm`: the policy that keeps the page's scripts
// from running (base/PagePolicy.h), then, in the classic dialect, the
// renderer's fragment followed by one CR LF, nothing else around it (no
// html, head or body element, no character-set declaration; the browser
// reads pages without one as UTF-8). Qt-free.

#include <string>
#include <string_view>

namespace PreviewPage {

// The page's bytes for the post body `post`; `appFolder` is the folder
// the emoticon pictures are read from (holding emo/).
std::string Build(std::string_view post, std::string_view appFolder);

// A board's page: a document in UTF-8 whose head starts with the same
// policy, then the board's style sheet `style`, the body's opening
// `bodyStart`, the post's HTML `content` and the body's end `bodyEnd`. Each
// board's folder builds its page with it (board/<kind>/<Kind>Page.h).
std::string Document(std::string_view style, std::string_view bodyStart, std::string_view content,
                     std::string_view bodyEnd);

}  // namespace PreviewPage
