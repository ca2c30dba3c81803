// SPDX-License-Identifier: MIT
#pragma once
// The contact page `Contact.htm`: a feedback form addressed to the makers'
// contact-form endpoint. The page is the same every time; it takes nothing
// from the post, the settings or the user. Qt-free.

#include <string>
#include <string_view>

namespace ContactPage {

// The page's five lines, each ended by CR LF, with `formAction` as the form's
// action, written as given.
std::string Build(std::string_view formAction);

}  // namespace ContactPage
