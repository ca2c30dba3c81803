// SPDX-License-Identifier: MIT
#pragma once
// Bare web and e-mail addresses in an SMF 2.1 post's text, found as the
// board's display code finds them. Qt-free.

#include <string>
#include <string_view>

namespace Smf21::Internal {

// `text` with its bare web and e-mail addresses written as the board's
// [url=…]…[/url] and [email]…[/email] tags, in `out`; false (and `out`
// left as it is) when there are none.
bool LinkAddresses(std::string_view text, std::string& out);

}  // namespace Smf21::Internal
