// SPDX-License-Identifier: MIT
#pragma once
// Fetches the pictures of a board's smilies that the cache (SmileyPictures)
// lacks, in the background, through the web module (SmileyFetcher), which
// alone loads the network library: loading the module is the first fetch's
// cost, never start-up's.

#include "board/BoardProfile.h"

#include <vector>

namespace SmileyDownload {

// The web module's entry point that fetches a list of addresses.
inline constexpr char FetcherName[] = "QuillforgeFetchSmileys";

// Starts fetching the http and https pictures of `smilies` not cached yet;
// a picture that cannot be fetched is simply left out.
void Start(const std::vector<BoardSmiley>& smilies);

}  // namespace SmileyDownload
