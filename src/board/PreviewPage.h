// SPDX-License-Identifier: MIT
#pragma once
// The preview page `preview.htm`: the policy that keeps the page's scripts
// from running (base/PagePolicy.h), then, in the classic dialect, the
// renderer's fragment followed by one CR LF, nothing else around it (no
// html, head or body element, no character-set declaration; the browser
// reads pages without one as UTF-8). Qt-free.

#include "board/mybb18/Mybb18Renderer.h"
#include "board/phpbb3/Phpbb3Renderer.h"
#include "board/smf21/Smf21Renderer.h"

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

// That page around HTML already rendered; `contentId`, when not empty, is
// given as the id of the element that holds it.
std::string Phpbb3Document(std::string_view content, std::string_view contentId = {});

// The page for a MyBB 1.8 board: the same kind of document with the board's
// default look (render/Mybb18Style.h), holding the post as MyBB 1.8 renders
// it in the posting page's preview box.
std::string BuildForMybb18(std::string_view post, const Mybb18::Options& options);

// That page around HTML already rendered; `contentId`, when not empty, is
// the id of the element that holds it.
std::string Mybb18Document(std::string_view content, std::string_view contentId = {});

// The page for an SMF 2.1 board: as for phpBB 3, with the board's default
// look (render/Smf21Style.h) and the post as SMF 2.1 renders it.
std::string BuildForSmf21(std::string_view post, const Smf21::Options& options);

// That page around HTML already rendered; `contentId`, when not empty, is
// the id of the element that holds it.
std::string Smf21Document(std::string_view content, std::string_view contentId = {});

}  // namespace PreviewPage
