// SPDX-License-Identifier: MIT
#pragma once
// The first thing in every page the program writes itself (the preview and
// the contact page): a content security policy under which none of the
// page's scripts runs, neither a script element nor an event handler
// attribute nor a javascript: address, whatever the browser's own setting is
// at that moment. HTML further down the page (a post's) cannot loosen it:
// every policy a page declares applies. The program's own script world and
// the page's pictures and forms are not affected. Qt-free.

#include <string_view>

namespace PagePolicy {

inline constexpr std::string_view NoScripts =
    "<meta http-equiv=\"Content-Security-Policy\" content=\"script-src 'none'\">";

}  // namespace PagePolicy
