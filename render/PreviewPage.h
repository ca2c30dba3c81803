// SPDX-License-Identifier: MIT
#pragma once
// The preview page `preview.htm`: the policy that keeps the page's scripts
// from running (base/PagePolicy.h), then, in the classic dialect, the
// renderer's fragment followed by one CR LF, nothing else around it (no
// html, head or body element, no character-set declaration; the browser
// reads pages without one as UTF-8). Qt-free.

#include "render/Phpbb3Renderer.h"
#include "render/Smf21Renderer.h"

#include <string>
#include <string_view>

namespace PreviewPage {

// The page's bytes for the post body `post`; `appFolder` is the folder
// the emoticon pictures are read from (holding emo/).
std::string Build(std::string_view post, std::string_view appFolder);

// The page for a phpBB 3 board: a document in UTF-8 whose head starts with
// the same policy, with the board's look (render/Phpbb3Style.h), holding the
// post as phpBB 3 renders it in a post box as the board shows it.
std::string BuildForPhpbb3(std::string_view post, const Phpbb3::Options& options);

// The page for an SMF 2.1 board: as for phpBB 3, with the board's default
// look (render/Smf21Style.h) and the post as SMF 2.1 renders it.
std::string BuildForSmf21(std::string_view post, const Smf21::Options& options);

}  // namespace PreviewPage
