// SPDX-License-Identifier: MIT
// Fuzz target for the SMF 2.1 renderer: any bytes render without a crash or
// a hang (libFuzzer's -timeout), the HTML stays within a constant times the
// post's size, holds no raw "<" from the post (every "<" starts an element
// the renderer writes), and the character count alone agrees with the full
// render's. Closing order is not checked: the board itself writes elements
// closed out of order for some misnested posts.

#include "board/smf21/Smf21Renderer.h"

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

// Every "<" begins one of the elements the renderer writes.
void CheckElements(const std::string& html)
{
    static constexpr std::string_view Names[] = {
        "a ", "abbr ", "b>", "bdo ", "blockquote", "br",   "cite", "code",   "div", "hr>", "i>", "iframe ", "img ",
        "li", "pre",   "s>", "span", "strong>",    "sub>", "sup>", "table ", "td>", "tr>", "u>", "ul "};
    for (size_t at = html.find('<'); at != std::string::npos; at = html.find('<', at + 1)) {
        const std::string_view rest =
            std::string_view(html).substr(at + 1 + (at + 1 < html.size() && html[at + 1] == '/'));
        bool known = false;
        for (std::string_view name : Names)
            known = known || rest.substr(0, name.size()) == name
                || (name.back() == ' ' && rest.substr(0, name.size() - 1) == name.substr(0, name.size() - 1)
                    && rest.size() >= name.size() && rest[name.size() - 1] == '>');
        if (!known)
            Fail("unexpected element", html);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view post(reinterpret_cast<const char*>(data), size);
    // The first byte picks the rights and limits, so their paths run too.
    Smf21::Options options;
    const unsigned pick = size ? data[0] : 0;
    options.isAdministrator = pick & 1;
    options.maxLength = (pick & 2) ? 64 : 20000;
    options.now = (pick & 4) ? 1700000000 : 0;
    options.memberName = (pick & 8) ? "O'Brien [x]" : "member";
    const Smf21::Result result = Smf21::Render(post, options);
    if (result.html.size() > 64 * size + 1024)
        Fail("HTML too long for the post", result.html);
    CheckElements(result.html);
    if (Smf21::CountCharacters(post) != result.characters)
        Fail("character counts differ", result.html);
    return 0;
}
