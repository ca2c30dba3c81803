// SPDX-License-Identifier: MIT
#pragma once
// Polynomial hashes of byte strings modulo 2^61 - 1 that can be joined in
// constant time: the hash of A followed by B comes from the hashes of A and
// B. Used to recognise a repeated tag without comparing it letter by letter;
// a match is always confirmed by a comparison before it is acted on.

#include <cstdint>
#include <string_view>

namespace bbcode {

struct TextHash {
    static constexpr uint64_t Modulus = (uint64_t(1) << 61) - 1;
    static constexpr uint64_t Base = 0x1F3A5C7E9B2D4F61 % Modulus;

    uint64_t value = 0;
    uint64_t power = 1;  // Base to the length of the text

    static uint64_t Multiply(uint64_t a, uint64_t b)
    {
        const unsigned __int128 product = static_cast<unsigned __int128>(a) * b;
        uint64_t r = static_cast<uint64_t>(product & Modulus) + static_cast<uint64_t>(product >> 61);
        while (r >= Modulus)
            r -= Modulus;
        return r;
    }

    static uint64_t Add(uint64_t a, uint64_t b)
    {
        const uint64_t r = a + b;
        return r >= Modulus ? r - Modulus : r;
    }

    void Append(unsigned char c)
    {
        value = Add(Multiply(value, Base), uint64_t(c) + 1);
        power = Multiply(power, Base);
    }

    void Append(std::string_view text)
    {
        for (char c : text)
            Append(static_cast<unsigned char>(c));
    }

    // This text followed by `tail`.
    TextHash Then(const TextHash& tail) const
    {
        return {Add(Multiply(value, tail.power), tail.value), Multiply(power, tail.power)};
    }
};

}  // namespace bbcode
