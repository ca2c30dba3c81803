// SPDX-License-Identifier: MIT
#pragma once
// The MyBB 1.8 renderer's link passes, each one replacement of the board's
// over the whole text: pictures, videos, the [url] forms, the [email]
// forms and the addresses found in running text. Qt-free.

#include "board/mybb18/Mybb18Passes.h"

#include <string>
#include <string_view>

namespace Mybb18::Passes {

// Passes that take `text` and `spare` replace `text` with their result,
// writing it into `spare` and swapping the two; the others write into
// `out` and say whether they did (false: the text stays as it is).

// [img] in its four forms (plain, with a size, aligned, both); an aligned
// picture sets `context.clearNeeded`.
void Images(std::string& text, std::string& spare, Context& context);
// [video=site]address[/video] as the site's player.
bool Videos(std::string_view in, std::string& out, Context& context);
// [url]address[/url] and [url=address]text[/url], with and without a
// scheme.
void Links(std::string& text, std::string& spare);
// [email]address[/email] and [email=address]text[/email].
void Emails(std::string& text, std::string& spare);
// Addresses in running text (outside links) made links, written to `out`;
// false (and `out` untouched) when there are none.
bool AutoLinks(std::string_view in, std::string& out);

}  // namespace Mybb18::Passes
