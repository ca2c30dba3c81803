// SPDX-License-Identifier: MIT
#pragma once
// Random posts for comparing the renderer with the reference: short token
// sequences drawn from the recognised tags in both letter cases, their
// pieces (a prefix without its bracket, a lone "]" or double quote), values
// from a small pool so identical tags recur, overlapping emoticon codes,
// lone CR and LF, and non-ASCII text. Deterministic for a given seed.

#include <random>
#include <string>

namespace PostGenerator {

class Generator {
public:
    explicit Generator(unsigned seed) : m_random(seed) {}
    std::string Post(size_t maxTokens);

private:
    size_t Pick(size_t count) { return std::uniform_int_distribution<size_t>(0, count - 1)(m_random); }
    std::string Token();
    std::string Value();
    std::mt19937 m_random;
};

}  // namespace PostGenerator
