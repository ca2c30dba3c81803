// SPDX-License-Identifier: MIT
#include "board/phpbb3/Phpbb3Text.h"

#include "board/common/ByteScan.h"
#include "board/common/Unicode.h"

#include <array>

namespace Phpbb3::Text {
namespace {

bool IsTrimmed(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\x0B'; }

bool IsControl(char c) { return static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n'; }

// What each byte adds to the count: 1 for the first byte of a character,
// more for those the form escapes.
constexpr auto Weights = [] {
    std::array<unsigned char, 256> w{};
    for (int c = 0; c < 256; ++c)
        w[size_t(c)] = (c & 0xC0) != 0x80;
    w['&'] = 5;
    w['<'] = w['>'] = 4;
    w['"'] = 6;
    return w;
}();

std::string Plural(size_t n, const char* one, const char* many) { return std::to_string(n) + (n == 1 ? one : many); }

}  // namespace

size_t CleanUp(std::string_view post, std::string& out)
{
    using namespace ByteScan;
    out.clear();
    out.reserve(post.size());
    // Leading white space, and what the clean-up drops or turns into it.
    size_t i = 0;
    while (i < post.size()) {
        const char c = post[i];
        if (IsTrimmed(c) || c == '\r' || c == '\0')
            ++i;
        else if (post.compare(i, 3, "\xEF\xBB\xBF") == 0)
            i += 3;
        else
            break;
    }
    size_t count = 0, done = i;
    bool controls = false, mayChange = false;
    while (i < post.size()) {
        // Printable ASCII that is not escaped, eight bytes at a time, is copied as it is.
        while (i + 8 <= post.size()) {
            const uint64_t w = Load(post.data() + i);
            const uint64_t special =
                (w & Highs) | HasLess(w, 0x20) | HasByte(w, '&') | HasByte(w, '<') | HasByte(w, '>') | HasByte(w, '"');
            if (special) {
                // The lowest flag marks the first special byte exactly.
                const size_t plain = size_t(__builtin_ctzll(special)) / 8;
                i += plain;
                count += plain;
                break;
            }
            i += 8;
            count += 8;
        }
        if (i >= post.size())
            break;
        const unsigned char c = static_cast<unsigned char>(post[i]);
        if (c >= 0x20 && c < 0x80) {
            count += Weights[c];
            ++i;
        } else if (c == '\r' || c == 0) {
            out.append(post, done, i - done);
            if (c == '\r') {
                out += '\n';
                ++count;
            }
            i += c == '\r' && i + 1 < post.size() && post[i + 1] == '\n' ? 2 : 1;
            done = i;
        } else if (c < 0x80) {
            controls = controls || IsControl(char(c));
            ++count;
            ++i;
        } else if (c >= 0xC2 && c < 0xCC && i + 1 < post.size()
                   && (static_cast<unsigned char>(post[i + 1]) & 0xC0) == 0x80) {
            // Latin-1 and the letters up to U+02FF: valid, and NFC keeps them.
            ++count;
            i += 2;
        } else if (const size_t length = Unicode::ValidSequenceLength(post, i)) {
            if (length == 3 && post.compare(i, 3, "\xEF\xBB\xBF") == 0) {
                out.append(post, done, i - done);
                done = i + 3;
            } else {
                size_t at = i;
                mayChange = mayChange || Unicode::MayChangeUnderNfc(Unicode::Decode(post, at));
                ++count;
            }
            i += length;
        } else {
            out.append(post, done, i - done);
            out += "\xEF\xBF\xBD";
            ++count;
            i += Unicode::IllFormedLength(post, i);
            done = i;
        }
    }
    out.append(post, done);
    while (!out.empty() && IsTrimmed(out.back())) {
        out.pop_back();
        --count;
    }
    if (mayChange) {
        out = Unicode::Nfc(std::move(out));
        count = Count(out);
    }
    if (controls) {
        size_t write = 0;
        for (const char c : out)
            if (!IsControl(c))
                out[write++] = c;
        out.resize(write);
    }
    return count;
}

size_t Count(std::string_view cleaned)
{
    using namespace ByteScan;
    size_t count = 0, i = 0;
    for (; i + 8 <= cleaned.size(); i += 8) {
        // Eight ASCII characters the form does not escape count eight.
        const uint64_t w = Load(cleaned.data() + i);
        if (!((w & Highs) | HasByte(w, '&') | HasByte(w, '<') | HasByte(w, '>') | HasByte(w, '"'))) {
            count += 8;
            continue;
        }
        for (size_t k = i; k < i + 8; ++k)
            count += Weights[static_cast<unsigned char>(cleaned[k])];
    }
    for (; i < cleaned.size(); ++i)
        count += Weights[static_cast<unsigned char>(cleaned[i])];
    return count;
}

std::string LengthError(size_t characters, size_t minChars, size_t maxChars)
{
    if (maxChars > 0 && characters > maxChars)
        return "Your message contains " + Plural(characters, " character.", " characters.")
            + "<br />The maximum number of allowed characters is " + std::to_string(maxChars) + ".";
    if (characters == 0)
        return "Your message contains too few characters.";
    if (characters < minChars)
        return "Your message contains " + Plural(characters, " character.", " characters.")
            + "<br />You need to enter at least " + Plural(minChars, " character.", " characters.");
    return {};
}

}  // namespace Phpbb3::Text
