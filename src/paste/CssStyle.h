// SPDX-License-Identifier: MIT
#pragma once
// What the pasted-HTML converter reads from an element's style attribute and
// from the presentational attributes of old HTML (<font color size>): the
// text's weight, slant, underline, colour and size, whether the element is
// shown at all, how its white space is kept, whether it has vertical
// margins, and the office suites' list marks. Everything else (fonts,
// backgrounds, classes) is ignored. Qt-free; linear in the text read.

#include <optional>
#include <string>
#include <string_view>

namespace CssStyle {

enum class WhiteSpace { Collapse, KeepLineBreaks, KeepAll };

// A font size: either absolute, in CSS pixels, or a factor of the
// inherited size.
struct FontSize {
    double pixels = 0;  // > 0: absolute
    double factor = 1;  // used when pixels is 0
    double Of(double inherited) const { return pixels > 0 ? pixels : inherited * factor; }
};

struct Declarations {
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<bool> underline;
    std::optional<std::string> colour;  // "#rrggbb"
    std::optional<FontSize> size;
    std::optional<WhiteSpace> whiteSpace;
    bool hidden = false;             // display: none, visibility: hidden, mso-hide: all
    bool noVerticalMargins = false;  // the bottom margin is (near) zero, the top one too or not set
    std::string officeList;          // the value of mso-list ("l0 level1 lfo1", "Ignore")
};

// The declarations of a style attribute's value. Unknown properties and
// values are skipped; a later declaration of a property wins.
Declarations Read(std::string_view style);

// A CSS colour ("#abc", "#aabbcc", "rgb(1, 2, 3)", "rgba(...)" not fully
// transparent, a common colour name) as "#rrggbb" in lower case; no value
// for anything else (transparent, "auto", "inherit", unknown names).
std::optional<std::string> Colour(std::string_view value);

// A CSS font-size value ("12pt", "16px", "1.5em", "120%", "large",
// "smaller"); no value when it cannot be read.
std::optional<FontSize> Size(std::string_view value);

// The size of an HTML <font size="N"> ("1" to "7", or "+1", "-2" relative
// to 3); no value when it cannot be read.
std::optional<FontSize> FontElementSize(std::string_view value);

}  // namespace CssStyle
