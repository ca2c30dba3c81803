// SPDX-License-Identifier: MIT
#pragma once
// The values the Font size list writes into [size=N], per board kind:
// phpBB 3 reads N as a percentage (Tiny 50 ... Huge 200), phpBB 2 and the
// classic behaviour as pixels (Tiny 7 ... Huge 24). MyBB 1.8's editor writes
// named sizes (x-small ... xx-large); SMF 2.1's writes a number from one
// to seven on its own scale, where three is the normal size. Posts written for one phpBB scale can be
// converted to the other, item for item. Qt-free.

#include "base/Translatable.h"
#include "board/BoardKind.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace SizeScale {

inline constexpr std::array<std::string_view, 5> Captions = {
    QF_TRANSLATABLE("SizeScale", "Tiny"), QF_TRANSLATABLE("SizeScale", "Small"), QF_TRANSLATABLE("SizeScale", "Normal"),
    QF_TRANSLATABLE("SizeScale", "Large"), QF_TRANSLATABLE("SizeScale", "Huge")};
inline constexpr std::array<int, 5> Pixels = {7, 9, 12, 18, 24};
inline constexpr std::array<int, 5> Percentages = {50, 85, 100, 150, 200};
// The same steps as the pixels (about 0.6, 0.75, 1, 1.5 and 2 times the
// normal size) in each engine's own values.
inline constexpr std::array<std::string_view, 5> MybbNames = {"x-small", "small", "medium", "x-large", "xx-large"};
inline constexpr std::array<std::string_view, 5> SmfSteps = {"1", "2", "3", "5", "6"};

// The numbers of the phpBB scale for a site of `kind`: percentages for
// phpBB 3, pixels otherwise.
const std::array<int, 5>& For(BoardKind kind);
// The value the size list's `item` (0 to 4) writes for a site of `kind`.
std::string ValueOf(BoardKind kind, size_t item);

struct Conversion {
    std::string post;  // the converted post
    size_t sizes = 0;  // how many [size=N] tags changed
};

// For a post going to a site of `kind`: every [size=N] tag (name in any
// letter case) whose N is a number of the other scale's list becomes the
// same item of this scale's (7 to 50, 9 to 85 ... for phpBB 3; the reverse
// for phpBB 2). Text inside [code] ... [/code] stays as it is. No value when
// no tag needs converting, or the kind is not a phpBB generation.
// Linear in the post's length.
std::optional<Conversion> ToScaleOf(std::string_view post, BoardKind kind);

}  // namespace SizeScale
