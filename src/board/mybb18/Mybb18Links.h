// SPDX-License-Identifier: MIT
#pragma once
// The MyBB 1.8 renderer's link passes, each one replacement of the board's
// over the whole text: pictures, videos, the [url] forms, the [email]
// forms and the addresses found in running text. Qt-free.

#include "board/mybb18/Mybb18Passes.h"

#include <string>
#include <string_view>

namespace Mybb18::Passes {

// [img] in its four forms (plain, with a size, aligned, both); an aligned
// picture sets `context.clearNeeded`.
std::string Images(std::string_view in, Context& context);
// [video=site]address[/video] as the site's player.
std::string Videos(std::string_view in, Context& context);
// [url]address[/url] and [url=address]text[/url], with and without a
// scheme.
std::string Links(std::string_view in);
// [email]address[/email] and [email=address]text[/email].
std::string Emails(std::string_view in);
// Addresses in running text (outside links) made links.
std::string AutoLinks(std::string_view in);

}  // namespace Mybb18::Passes
