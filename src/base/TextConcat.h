// SPDX-License-Identifier: MIT
#pragma once
// Joins pieces of text with one allocation. Qt-free.

#include <initializer_list>
#include <string>
#include <string_view>

inline std::string Concat(std::initializer_list<std::string_view> parts)
{
    size_t size = 0;
    for (std::string_view part : parts)
        size += part.size();
    std::string out;
    out.reserve(size);
    for (std::string_view part : parts)
        out += part;
    return out;
}
