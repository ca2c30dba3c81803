// SPDX-License-Identifier: MIT
#pragma once
// What Submit asks and tells before the posting page opens, when the post
// is written for another board or would not pass this one: the sizes of the
// other scale, and what the board would refuse or drop, in the board's own
// words. Qt-free.

#include "base/Translatable.h"
#include "board/Board.h"

#include <string>
#include <string_view>
#include <vector>

namespace BoardWarnings {

// The question for a post holding `sizes` [size=N] tags of the other phpBB
// scale than `board` reads (phpBB 2's pixels for phpBB 3, or the reverse;
// Board::ConvertsSizesTo); Yes converts them, No sends them as they are.
// Its sentences come through `translate`.
std::string SizeQuestion(const Board& board, size_t sizes, Translator translate = Untranslated);

// What the board would do with the post: `errors` are its own messages
// (which may hold "<br />", shown as a line break), `quotesRemoved` that it
// would silently drop quotes nested deeper than `maxQuoteDepth`. Empty when
// the board takes the post as it is; otherwise the text ends with the
// question whether to send it anyway. Its own sentences come through `translate`.
std::string Warning(const std::vector<std::string>& errors, bool quotesRemoved, int maxQuoteDepth,
                    Translator translate = Untranslated);

}  // namespace BoardWarnings
