// SPDX-License-Identifier: MIT
#pragma once
// The spelling part of a text field's context menu: for a misspelt word, up
// to eight suggestions, "Add to Dictionary" and "Ignore All", put above the
// field's usual commands.

#include "writing/MisspeltWord.h"

#include <functional>

class QMenu;
class Speller;

class SpellingMenu {
public:
    static constexpr size_t MostSuggestions = 8;

    // Puts the items for `word` at the top of `menu`. Choosing a suggestion
    // calls `replace` with it; adding or ignoring the word calls `changed`
    // once the dictionary's answer has changed.
    static void AddItems(QMenu* menu, const MisspeltWord& word, Speller& speller,
                         const std::function<void(const MisspeltWord& word, const QString& replacement)>& replace,
                         const std::function<void()>& changed);
};
