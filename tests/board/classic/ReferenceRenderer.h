// SPDX-License-Identifier: MIT
#pragma once
// A deliberately simple renderer that follows the passes word for word:
// every replacement is a replace-all over the whole text and every search
// starts at the start of the text or just after the previous match. Slow (quadratic and worse) and only for
// checking the real renderer on short posts. It keeps the two mended rules:
// a bare "[url]" whose address holds "[url]" or "</" is left as typed for
// good, and a quote name's closing double quote must stand inside its tag.

#include <string>
#include <string_view>

namespace Reference {

std::string RenderBBCode(std::string_view post, std::string_view appFolder);

}  // namespace Reference
