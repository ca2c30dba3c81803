// SPDX-License-Identifier: MIT
#pragma once
// Texts the renderer tests build their long and pathological posts from.

#include <string>
#include <string_view>

// `piece` written `times` times in a row.
inline std::string Repeat(std::string_view piece, size_t times)
{
    std::string s;
    s.reserve(piece.size() * times);
    for (size_t i = 0; i < times; ++i)
        s += piece;
    return s;
}
