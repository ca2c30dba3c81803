// SPDX-License-Identifier: MIT
#pragma once
// The forum list file `forums.inf` in the program folder and the forum
// entries it holds. Qt-free.
//
// A forum entry is one line: the forum number, "-", a blank and the forum
// name ("12- General chat"). The file holds one entry per line, each followed
// by CR LF, in the order of the site's index page, then one more CR LF; no
// header, count, quoting or escaping.

#include "base/Translatable.h"

#include <string>
#include <string_view>
#include <vector>

namespace ForumList {

inline constexpr std::string_view FileName = "forums.inf";
// What the forum chooser shows when there is no forum list file.
inline constexpr std::string_view Placeholder =
    QF_TRANSLATABLE("ForumList", "Please define forums in the options in edit menu");

// The file's bytes for `entries`, in their order.
std::string Build(const std::vector<std::string>& entries);

// The entries of a file's bytes: UTF-8 when valid, else Windows-1252; a line
// ends at CR LF, a lone CR or a lone LF; every line that is not empty is one
// entry, unchanged; empty lines are skipped.
std::vector<std::string> Parse(std::string bytes);

// The forum number of an entry: the text before its first "-" ("7-News-old"
// gives "7", "- Name" gives ""). An entry without any "-", which only a file
// edited by hand holds, is taken as a bare forum number: its whole text.
std::string NumberOf(std::string_view entry);

// The entries a forum scan found, without those that name no forum: an
// entry whose name is empty or blank (white space and non-breaking spaces,
// written or as "&nbsp;") is dropped, and of several entries with the same
// forum number (NumberOf) only the first stays. Order is kept.
std::vector<std::string> WithoutBlankAndRepeated(std::vector<std::string> entries);

// An entry as the forum chooser shows it: the HTML character references the
// index page's text carried decoded once ("&amp;" as "&", "&#39;" and
// "&#x27;" as "'"; the named references amp, lt, gt, quot, apos and nbsp).
// A reference without its ";", an unknown name or a number that is no
// character stays as it is written; a reference to U+0000, a surrogate or a
// number past U+10FFFF gives U+FFFD.
std::string ShownText(std::string_view entry);

}  // namespace ForumList
