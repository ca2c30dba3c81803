// SPDX-License-Identifier: MIT
// Fuzz target for the MyBB 1.8 renderer: any bytes render without a crash or
// a hang (libFuzzer's -timeout), the HTML stays within a constant times the
// post's size, and every tag in it is one the renderer writes, with its own
// attributes, so that nothing a post holds becomes markup. (Crossed tags
// are the board's own output, so nesting is not checked.)

#include "board/mybb18/Mybb18Renderer.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Fail(const char* what, const std::string& html)
{
    std::fprintf(stderr, "%s\n%.2000s\n", what, html.c_str());
    std::abort();
}

bool Listed(std::string_view name, std::initializer_list<std::string_view> names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Each "<" opens a known element or closes one; inside a tag only known
// attributes with double-quoted values that hold no quote.
void CheckTags(const std::string& html)
{
    const std::string_view s = html;
    for (size_t at = s.find('<'); at != std::string_view::npos; at = s.find('<', at + 1)) {
        size_t p = at + 1;
        if (p < s.size() && s[p] == '/')
            ++p;
        const size_t nameStart = p;
        while (p < s.size() && s[p] >= 'a' && s[p] <= 'z')
            ++p;
        if (!Listed(s.substr(nameStart, p - nameStart),
                    {"span", "a", "img", "div", "blockquote", "cite", "code", "ul", "ol", "li", "hr", "br", "iframe"}))
            Fail("unknown element", html);
        while (true) {
            while (p < s.size() && s[p] == ' ')
                ++p;
            if (p < s.size() && s[p] == '>')
                break;
            if (s.compare(p, 2, "/>") == 0) {
                ++p;
                break;
            }
            const size_t attribute = p;
            while (p < s.size() && s[p] >= 'a' && s[p] <= 'z')
                ++p;
            if (!Listed(s.substr(attribute, p - attribute),
                        {"style", "class", "href", "target", "rel", "src", "loading", "alt", "width", "height", "title",
                         "frameborder", "allowfullscreen", "mozallowfullscreen", "webkitallowfullscreen",
                         "allowtransparency", "scrolling", "type", "dir"})
                || s.compare(p, 2, "=\"") != 0)
                Fail("unknown attribute", html);
            const size_t end = s.find('"', p + 2);
            if (end == std::string_view::npos
                || s.substr(p + 2, end - p - 2).find_first_of("<>") != std::string_view::npos)
                Fail("attribute value not closed", html);
            p = end + 1;
        }
        at = p;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view post(reinterpret_cast<const char*>(data), size);
    // The first byte picks the options, so the /me and limit paths run too.
    Mybb18::Options options;
    const unsigned pick = size ? data[0] : 0;
    if (pick & 1)
        options.userName = "member";
    if (pick & 2)
        options.boardUrl = "http://127.0.0.1:8795";
    options.limits.maxImages = (pick & 4) ? 2 : 10;
    options.now = (pick & 8) ? 1700000000 : 1765000000;
    const Mybb18::Result result = Mybb18::Render(post, options);
    if (result.html.size() > 64 * size + 1024)
        Fail("HTML too long for the post", result.html);
    CheckTags(result.html);
    return 0;
}
