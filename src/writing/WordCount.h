// SPDX-License-Identifier: MIT
#pragma once
// The words of a post as a reader sees them: its BBCode tags are not
// counted, and a tag inside a word ("un[b]believ[/b]able") does not split
// it. A word is a run of characters between blanks that holds at least one
// letter or digit (any character outside ASCII but punctuation and spaces
// counts as a letter), so
// smilies such as ":)" and dashes standing alone are not words. The address
// between [img] and [/img] is shown as a picture and is not counted either.
// One pass over the text (UTF-8).

#include <cstddef>
#include <string_view>

namespace WordCount {

size_t Count(std::string_view post);

}  // namespace WordCount
