// SPDX-License-Identifier: MIT
// Fuzz target for the forum scan: any page text is brought into the scan's
// form and scanned without a crash or a hang, the rewrite never lengthens
// the text and leaves a text without end tags alone, and the scan gives
// exactly what a word-for-word scan gives (short pages; that one searches
// afresh for everything, every time). The phpBB 3, MyBB and SMF link
// readers take the page without a crash or a hang, and every entry they give
// starts with a number and "- ".

#include "board/mybb18/Mybb18Forums.h"
#include "board/phpbb3/Phpbb3Forums.h"
#include "board/smf21/Smf21Forums.h"
#include "board/classic/ForumScan.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

constexpr size_t ReferenceLimit = 4096;
constexpr size_t npos = std::string_view::npos;

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

// The scan written word for word: from scan position P, the first marker, the
// number up to the first double quote or "&", the first "</A>" after it, the
// last ">" before that, and on from the "</A>".
ForumScan::Result LiteralScan(std::string_view page)
{
    ForumScan::Result result;
    size_t position = 0;
    for (;;) {
        size_t marker = npos, numberStart = npos;
        for (std::string_view each :
             {ForumScan::QueryMarker, ForumScan::ParameterMarker, ForumScan::SerialisedParameterMarker}) {
            const size_t at = page.find(each, position);
            if (at < marker) {
                marker = at;
                numberStart = at + each.size();
            }
        }
        if (marker == npos)
            return result;
        const size_t numberEnd = std::min(page.find('"', numberStart), page.find('&', numberStart));
        if (numberEnd == npos)
            break;
        const size_t close = page.find(ForumScan::LinkEnd, numberEnd);
        if (close == npos)
            break;
        size_t nameStart = numberEnd + 1;
        for (size_t at = close; at-- > 0;)
            if (page[at] == '>') {
                nameStart = at + 1;
                break;
            }
        result.entries.push_back(ForumScan::OneLine(page.substr(numberStart, numberEnd - numberStart)) + "- "
                                 + ForumScan::OneLine(page.substr(nameStart, close - nameStart)));
        position = close;
    }
    result.complete = false;
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view page(reinterpret_cast<const char*>(data), size);
    const std::string rewritten = ForumScan::WithUpperCaseLinkEnds(page);
    if (rewritten.size() > page.size())
        Fail("the rewrite lengthened the text");
    if (page.find("</") == npos && rewritten != page)
        Fail("the rewrite changed a text without end tags");
    const ForumScan::Result found = ForumScan::Scan(rewritten);
    const ForumScan::Result phpbb3 = Phpbb3::Forums(page).value_or(ForumScan::Result());
    for (const ForumScan::Result& engine : {phpbb3, Mybb18::Forums(page), Smf21::Forums(page)})
        for (const std::string& entry : engine.entries) {
            const size_t digits = entry.find_first_not_of("0123456789");
            if (digits == 0 || digits == npos || entry.compare(digits, 2, "- ") != 0)
                Fail("a phpBB 3, MyBB or SMF entry without its number");
        }
    if (size <= ReferenceLimit) {
        const ForumScan::Result literal = LiteralScan(rewritten);
        if (found.entries != literal.entries || found.complete != literal.complete)
            Fail("the scan differs from the word-for-word scan");
    }
    return 0;
}
