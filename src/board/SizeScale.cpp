// SPDX-License-Identifier: MIT
#include "board/SizeScale.h"

#include "board/common/Ascii.h"

namespace SizeScale {

namespace {

constexpr size_t npos = std::string_view::npos;

// The item of `scale` written as `number`, exactly (no sign, no leading
// zero); -1 when none.
int ItemOf(std::string_view number, const std::array<int, 5>& scale)
{
    for (size_t item = 0; item < scale.size(); ++item)
        if (number == std::to_string(scale[item]))
            return int(item);
    return -1;
}

}  // namespace

const std::array<int, 5>& Numbers(Unit unit) { return unit == Unit::Percent ? Percentages : Pixels; }

std::optional<Conversion> ToScaleOf(std::string_view post, Unit unit)
{
    const std::array<int, 5>& to = Numbers(unit);
    const std::array<int, 5>& from = Numbers(unit == Unit::Percent ? Unit::Pixels : Unit::Percent);
    Conversion result;
    result.post.reserve(post.size());
    size_t copied = 0;
    for (size_t at = post.find('['); at != npos; at = post.find('[', at + 1)) {
        if (Ascii::HasIgnoringCase(post, at, "[code")) {
            const char after = at + 5 < post.size() ? post[at + 5] : '\0';
            if (after != ']' && after != '=')
                continue;
            // Code is shown as typed: skip to its closing tag.
            size_t close = at;
            do
                close = post.find('[', close + 1);
            while (close != npos && !Ascii::HasIgnoringCase(post, close, "[/code]"));
            if (close == npos)
                break;
            at = close;
            continue;
        }
        if (!Ascii::HasIgnoringCase(post, at, "[size="))
            continue;
        // The numbers of both lists have at most three digits.
        const size_t number = at + 6;
        const size_t end = post.substr(0, number + 4).find(']', number);
        if (end == npos)
            continue;
        const int item = ItemOf(post.substr(number, end - number), from);
        if (item < 0)
            continue;
        result.post.append(post.substr(copied, number - copied));
        result.post.append(std::to_string(to[size_t(item)]));
        copied = end;
        ++result.sizes;
    }
    if (result.sizes == 0)
        return std::nullopt;
    result.post.append(post.substr(copied));
    return result;
}

}  // namespace SizeScale
