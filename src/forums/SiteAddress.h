// SPDX-License-Identifier: MIT
#pragma once
// The forum site's address as the options dialog stores it. The submission
// page appends "posting.php" to it directly, so a stored address is either
// empty or ends with "/", and holds no "index.php". Qt-free.

#include <string>
#include <string_view>

namespace SiteAddress {

inline constexpr std::string_view IndexPage = "index.php";

// The address as typed, cut just before its first "index.php" (exact, letter
// case counts; the rest of the text goes with it), then given a final "/"
// unless it is empty or already ends with one. Nothing else changes: no
// trimming and no check of the address.
std::string Normalise(std::string_view typed);

}  // namespace SiteAddress
