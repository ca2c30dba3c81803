// SPDX-License-Identifier: MIT
#pragma once
// The makers' addresses, one place for each. Change them here to point the
// program at your own site.

namespace Makers {

// The makers' web site: opened by the forum hot spot when no site address is
// configured, and by the about window's link.
inline constexpr char WebAddress[] = "https://quillforge.example.org/";

// Where the contact page's form is sent.
inline constexpr char ContactFormEndpoint[] = "https://quillforge.example.org/contact";

}  // namespace Makers
