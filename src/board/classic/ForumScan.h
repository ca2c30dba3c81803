// SPDX-License-Identifier: MIT
#pragma once
// The forum links of a forum's index page, read from the page's body HTML as
// the browser serialises it. Qt-free; every function is linear in the length
// of the page.

#include <string>
#include <string_view>
#include <vector>

namespace ForumScan {

inline constexpr std::string_view QueryMarker = "?f=";
inline constexpr std::string_view ParameterMarker = "&f=";
// "&f=" in a link address, as the browser writes it in the page text.
inline constexpr std::string_view SerialisedParameterMarker = "&amp;f=";
inline constexpr std::string_view LinkEnd = "</A>";

// The page text in the form the scan expects: every real closing anchor tag
// ("</a>", "</A >" ...) written "</A>". Only end tags of the markup change;
// the same letters inside comments, inside the raw text of script, style and
// similar elements, and inside attribute values are left alone, so a
// commented-out link stays as the page has it.
std::string WithUpperCaseLinkEnds(std::string_view html);

// A text on one line: each run of white space (blank, tab, CR, LF, form
// feed) that holds a line break becomes one blank; other runs stay.
std::string OneLine(std::string_view text);

struct Result {
    // Forum entries in page order, duplicates kept: the number, "- " and the
    // name, the number and the name each made one line (OneLine).
    std::vector<std::string> entries;
    // False when the scan stopped at a marker with neither a double quote nor
    // an "&" after it, or at a number with no "</A>" after it; the entries
    // found before it are kept.
    bool complete = true;
};

// Every "?f=" or "&f=" in the page text, wherever it stands, gives one entry.
// The browser writes the "&" of a link address as "&amp;", so "&amp;f=" is
// taken as "&f=": a forum link whose number follows another parameter
// ("forumdisplay.php?s=1&amp;f=2") is found like one with "?f=". The number
// runs from after the marker to the next double quote or "&"; the
// name is the text between the last ">" before the next "</A>" and that
// "</A>" (when there is no ">" before it, the name starts right after the
// number's terminator). The scan goes on from that "</A>".
Result Scan(std::string_view page);

}  // namespace ForumScan
