// SPDX-License-Identifier: MIT
#pragma once
// The Font size list's five items and the numbers the two phpBB
// generations read in [size=N]: phpBB 3 a percentage (Tiny 50 ... Huge
// 200), phpBB 2 and the classic behaviour pixels (Tiny 7 ... Huge 24).
// Posts written for one phpBB scale can be converted to the other, item for
// item. (Each board's own values: Board::SizeValue.) Qt-free.

#include "base/Translatable.h"

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
// How a phpBB generation reads N in [size=N]: phpBB 3 as a percentage,
// phpBB 2 as pixels.
enum class Unit { Pixels, Percent };

// The numbers of the size list in `unit`.
const std::array<int, 5>& Numbers(Unit unit);

struct Conversion {
    std::string post;  // the converted post
    size_t sizes = 0;  // how many [size=N] tags changed
};

// For a post going to a board that reads sizes in `unit`: every [size=N]
// tag (name in any letter case) whose N is a number of the other unit's
// list becomes the same item of this unit's (7 to 50, 9 to 85 ... for
// percentages; the reverse for pixels). Text inside [code] ... [/code]
// stays as it is. No value when no tag needs converting. Linear in the
// post's length.
std::optional<Conversion> ToScaleOf(std::string_view post, Unit unit);

}  // namespace SizeScale
