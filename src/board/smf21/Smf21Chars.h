// SPDX-License-Identifier: MIT
#pragma once
// The characters an SMF 2.1 board will not store as they are: vertical
// space other than a line break becomes one, and control, private-use and
// invisible formatting characters become U+FFFD where they mean nothing
// (a joiner between two Latin letters) and stay where they do (a joiner
// inside Arabic or Devanagari text). Qt-free.

#include <string>
#include <string_view>

namespace Smf21::Internal {

// `text` (valid UTF-8, NFC) as the board keeps it. Control characters
// below U+0020 are left to the caller, which shows them as symbols.
std::string SanitizeCharacters(std::string_view text);

}  // namespace Smf21::Internal
