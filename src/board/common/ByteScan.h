// SPDX-License-Identifier: MIT
#pragma once
// Looking at eight bytes of text at once (the classic bit tricks on a 64-bit
// word), so passes over long ASCII text skip what they need not read.
// Qt-free.

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace ByteScan {

constexpr uint64_t Ones = 0x0101010101010101ull;
constexpr uint64_t Highs = 0x8080808080808080ull;

inline uint64_t Load(const char* p)
{
    uint64_t word;
    std::memcpy(&word, p, 8);
    return word;
}

// Non-zero when some byte of `word` is zero / is `byte` / is below `n`
// (n at most 128; bytes of 128 and more are not reported by HasLess). The
// flag (0x80) of the first such byte in memory order, the lowest set bit,
// is always exact; flags above it may be false.
inline uint64_t HasZero(uint64_t word) { return (word - Ones) & ~word & Highs; }
inline uint64_t HasByte(uint64_t word, unsigned char byte) { return HasZero(word ^ (Ones * byte)); }
inline uint64_t HasLess(uint64_t word, unsigned char n) { return (word - Ones * n) & ~word & Highs; }

// The position of the first `byte` at or after `pos`, or `size`: the next
// sixteen bytes read inline, eight at a time, the rest by memchr. So a
// frequent byte (as "[" is in a post) costs no call, a rare one no slow
// walk.
inline size_t Find(const char* text, size_t size, size_t pos, char byte)
{
    for (int k = 0; k < 2 && pos + 8 <= size; ++k, pos += 8)
        if (const uint64_t found = HasByte(Load(text + pos), static_cast<unsigned char>(byte)))
            return pos + size_t(__builtin_ctzll(found)) / 8;
    if (pos >= size)
        return size;
    const void* at = std::memchr(text + pos, byte, size - pos);
    return at ? size_t(static_cast<const char*>(at) - text) : size;
}

}  // namespace ByteScan
