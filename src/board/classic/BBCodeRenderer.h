// SPDX-License-Identifier: MIT
#pragma once
// The BBCode renderer behind the preview: a fixed sequence of text
// substitutions over the whole post, not a parser. Qt-free.

#include <string>
#include <string_view>

namespace bbcode {

// The post (UTF-8, CR LF line breaks) as an HTML fragment wrapped in
// <font face="Arial">. `appFolder` is the folder the pictures are read from
// (holding emo/), with its trailing '/'; emoticon pictures are referred to as appFolder + "emo/" + name + ".gif".
// Any byte sequence is valid input; the time taken grows linearly with the
// post's length and the fragment is at most a constant times its size.
std::string RenderBBCode(std::string_view post, std::string_view appFolder);

}  // namespace bbcode
