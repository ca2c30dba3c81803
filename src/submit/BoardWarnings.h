// SPDX-License-Identifier: MIT
#pragma once
// What Submit asks and tells before the posting page opens, when the post
// is written for another board or would not pass this one: the sizes of the
// other scale, and what the board would refuse or drop, in the board's own
// words. Qt-free.

#include "base/Translatable.h"
#include "board/BoardKind.h"

#include <string>
#include <string_view>
#include <vector>

namespace BoardWarnings {

// The question for a post holding `sizes` [size=N] tags of the other scale
// than a site of `kind` reads (phpBB 2's pixels for phpBB 3, or the
// reverse); Yes converts them, No sends them as they are. Its sentences
// come through `translate`.
std::string SizeQuestion(BoardKind kind, size_t sizes, Translator translate = Untranslated);

// What the board would do with the post: `errors` are its own messages
// (which may hold "<br />", shown as a line break), `quotesRemoved` that it
// would silently drop quotes nested deeper than `maxQuoteDepth`. Empty when
// the board takes the post as it is; otherwise the text ends with the
// question whether to send it anyway. Its own sentences come through `translate`.
std::string Warning(const std::vector<std::string>& errors, bool quotesRemoved, int maxQuoteDepth,
                    Translator translate = Untranslated);

// What a MyBB 1.8 or SMF 2.1 board refuses in a post with `title` and `body`
// (UTF-8, CR LF line breaks, as the browser sends them), in its own words,
// from the limits it checks by default: MyBB a subject over 85 characters
// (a reply's "RE: " not counted), a message under 5 characters or over
// 65535 bytes, more than one video; SMF a message over 20000 characters.
// An empty title (the board's own subject is kept) is not judged. Empty
// for any other kind, and for a post the board takes.
std::vector<std::string> LimitErrors(BoardKind kind, bool reply, std::string_view title, std::string_view body);

}  // namespace BoardWarnings
