// SPDX-License-Identifier: MIT
// Fuzz target for the phpBB 3 renderer: any bytes render without a crash or
// a hang (libFuzzer's -timeout), the HTML stays within a constant times the
// post's size, every element it opens is closed in order, and the
// character count alone agrees with the full render's.

#include "board/phpbb3/Phpbb3Renderer.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Fail(const char* what, const std::string& html)
{
    std::fprintf(stderr, "%s\n%.2000s\n", what, html.c_str());
    std::abort();
}

bool IsVoid(std::string_view name) { return name == "img" || name == "br" || name == "param" || name == "embed"; }

// Every element closed in the order it was opened; comments skipped. The
// writer escapes "<" in text and attributes, so each "<" starts a tag.
void CheckBalanced(const std::string& html)
{
    std::vector<std::string_view> open;
    const std::string_view s = html;
    for (size_t at = s.find('<'); at != std::string_view::npos; at = s.find('<', at + 1)) {
        if (s.compare(at, 4, "<!--") == 0) {
            at = s.find("-->", at);
            if (at == std::string_view::npos)
                Fail("unterminated comment", html);
            continue;
        }
        const size_t end = s.find('>', at);
        if (end == std::string_view::npos)
            Fail("unterminated tag", html);
        const bool closing = s[at + 1] == '/';
        const size_t nameStart = at + (closing ? 2 : 1);
        size_t nameEnd = nameStart;
        while (nameEnd < end && s[nameEnd] != ' ')
            ++nameEnd;
        const std::string_view name = s.substr(nameStart, nameEnd - nameStart);
        if (closing) {
            if (open.empty() || open.back() != name)
                Fail("element closed out of order", html);
            open.pop_back();
        } else if (!IsVoid(name)) {
            open.push_back(name);
        }
        at = end;
    }
    if (!open.empty())
        Fail("element left open", html);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view post(reinterpret_cast<const char*>(data), size);
    // The first byte picks the rights and limits, so the limited paths run too.
    Phpbb3::Options options;
    const unsigned pick = size ? data[0] : 0;
    options.mayUseFlash = pick & 1;
    options.limits.maxSmilies = (pick & 2) ? 2 : 0;
    options.limits.maxUrls = (pick & 4) ? 2 : 0;
    options.limits.maxQuoteDepth = int(pick >> 3 & 3);
    options.limits.maxFontSize = (pick & 32) ? 0 : 200;
    const Phpbb3::Result result = Phpbb3::Render(post, options);
    if (result.html.size() > 64 * size + 1024)
        Fail("HTML too long for the post", result.html);
    CheckBalanced(result.html);
    if (Phpbb3::CountCharacters(post) != result.characters)
        Fail("character counts differ", result.html);
    return 0;
}
