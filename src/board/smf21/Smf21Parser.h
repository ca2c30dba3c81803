// SPDX-License-Identifier: MIT
#pragma once
// How an SMF 2.1 board shows a stored message: one forward pass over the
// text that finds each tag start, treats the text before it (addresses
// linked, tabs widened) and opens, closes or replaces the tag by the
// board's nesting rules; then smilies in the text between tags and the
// board's white-space rules. Qt-free.

#include "board/smf21/Smf21Renderer.h"
#include "board/smf21/Smf21Tags.h"

#include <string>

namespace Smf21::Internal {

struct Environment {
    const std::vector<Smiley>* smilies;
    std::string_view scriptUrl, origin;
    long long now = 0, offset = 0;
};

// The HTML for `stored` (the text as the board saved it). With `smilies`
// false the board's quick look is made: no smilies, no list item markers
// (as for its emptiness check and for quote authors); `allowed` limits
// the tags. `stored` is taken over as the working copy.
std::string Display(std::string stored, const Environment& environment, bool smilies = true,
                    NameSet allowed = AllNames);

}  // namespace Smf21::Internal
