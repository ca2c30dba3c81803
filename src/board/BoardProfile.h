// SPDX-License-Identifier: MIT
#pragma once
// What the program knows about the board a site runs: its kind, where that
// was found out, the user's own choice, and what its posting page offers
// (its smilies, its own tags, its limits). Kept per site address by
// board/BoardProfiles. Qt-free.

#include "board/Board.h"

#include <string>
#include <vector>

// A smiley the board's posting page offers.
struct BoardSmiley {
    std::string code;     // as typed in a post
    std::string title;    // the board's name for it
    std::string picture;  // the picture's address, absolute once read from a page
    int width = 0;
    int height = 0;
    int id = 0;  // the board's own number for it, where its HTML writes one (MyBB's "smilie_N"); 0: none
};

enum class FoundOn { Nothing, IndexPage, PostingPage };

struct BoardProfile {
    const Board* found = nullptr;  // null: not found out yet
    FoundOn foundOn = FoundOn::Nothing;
    const Board* chosen = nullptr;  // null: automatic, the kind found
    std::vector<BoardSmiley> smilies;       // empty: none read from the board
    std::vector<BoardTag> tags;
    std::string userName;  // the account logged in on the site, for "/me"; empty: not known
    size_t maxChars = 0;   // 0: the board's default
    long maxFontSize = 0;  // 0: the board's default

    // The kind the program writes for: the user's choice, else the kind
    // found, else the classic behaviour.
    const Board& Kind() const;
    // What Options says about it: "Board: phpBB 3, found on the index page".
    std::string Description() const;
};

// The smilies of a phpBB posting page's smiley box (id "smiley-box"): each
// picture's alt is the code, its title the name. A code is what a user
// types: one line of visible characters, not written as a tag ("[b]").
std::vector<BoardSmiley> SmileyBoxSmilies(std::string_view html);
// Whether `code` can be a smiley's code (as above).
bool IsSmileyCode(std::string_view code);

// The facts a posting page gives, with the kind it shows. Picture
// addresses are as the page writes them (often relative to the page).
BoardProfile ScanPostingPage(std::string_view html);
