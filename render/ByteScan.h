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
inline uint64_t HasZero(uint64_t word)
{
    return (word - Ones) & ~word & Highs;
}
inline uint64_t HasByte(uint64_t word, unsigned char byte)
{
    return HasZero(word ^ (Ones * byte));
}
inline uint64_t HasLess(uint64_t word, unsigned char n)
{
    return (word - Ones * n) & ~word & Highs;
}

// The position of the first `byte` at or after `pos`, or `size`. Inline and
// eight bytes at a time: faster than a call to memchr when the byte is
// frequent, as "[" is in a post.
inline size_t Find(const char* text, size_t size, size_t pos, char byte)
{
    while (pos + 8 <= size) {
        if (const uint64_t found = HasByte(Load(text + pos), static_cast<unsigned char>(byte)))
            return pos + size_t(__builtin_ctzll(found)) / 8;
        pos += 8;
    }
    while (pos < size && text[pos] != byte)
        ++pos;
    return pos;
}

}  // namespace ByteScan
