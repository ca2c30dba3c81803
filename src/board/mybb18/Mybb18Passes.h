// SPDX-License-Identifier: MIT
#pragma once
// The MyBB 1.8 renderer's passes, in the order the board's parser makes its
// replacements. Each pass reads the text the one before it wrote, as the
// board's replacements do, and is one scan over it (replacements that
// cannot see each other's work share one); the board's loops that
// repeat a replacement until nothing changes are computed in one go where
// the result allows it (nested colours, sizes, fonts, alignments; lists)
// and otherwise bounded (quotes: see QuoteRounds). Qt-free.

#include "board/mybb18/Mybb18Renderer.h"

#include <string>
#include <string_view>
#include <vector>

namespace Mybb18::Passes {

struct Context {
    const Options& options;
    const std::vector<Smiley>& smilies;
    int64_t now = 0;
    bool clearNeeded = false;  // an aligned picture was written: the post ends with a clearing break
    // Markup the board's output check refuses was written (its metacafe
    // player is not well-formed): the board shows an empty post.
    bool refused = false;
};

// [code] and [php] blocks taken out before anything else.
struct CodeBlock {
    bool php = false;
    std::string text;
};

// The parser's own rounds over quotes stop after this many; only quotes
// nested deeper than that stay as typed.
inline constexpr int QuoteRounds = 64;

// The whole parse of a message (newlines as LF, trimmed) into the post's
// HTML. The message's buffer is reused for the passes' work.
std::string Parse(std::string message, Context& context);

}  // namespace Mybb18::Passes
