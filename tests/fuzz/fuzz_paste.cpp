// SPDX-License-Identifier: MIT
// Fuzz target for the pasted-HTML converter: any bytes convert without a
// crash or a hang (libFuzzer's -timeout), in both dialects and with colours
// and sizes kept or not; the BBCode stays within a constant times the HTML
// and closes every tag it opens; and the nesting guard keeps the parser's
// tree shallow, which is what keeps the parse linear.

#include "base/HtmlNesting.h"
#include "paste/HtmlToBBCode.h"

#include <gumbo.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

// The depth of the parser's tree, walked without recursion.
size_t TreeDepth(const GumboNode* root)
{
    size_t deepest = 0;
    std::vector<std::pair<const GumboNode*, size_t>> waiting{{root, 1}};
    while (!waiting.empty()) {
        const auto [node, depth] = waiting.back();
        waiting.pop_back();
        deepest = std::max(deepest, depth);
        if (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_TEMPLATE && node->type != GUMBO_NODE_DOCUMENT)
            continue;
        const GumboVector& children =
            node->type == GUMBO_NODE_DOCUMENT ? node->v.document.children : node->v.element.children;
        for (unsigned i = 0; i < children.length; ++i)
            waiting.push_back({static_cast<const GumboNode*>(children.data[i]), depth + 1});
    }
    return deepest;
}

void CheckTagsClosed(const std::string& bbcode)
{
    for (const std::string tag : {"[b]", "[i]", "[u]", "[url", "[quote]", "[list", "[code]", "[size=", "[color="}) {
        const std::string close = "[/" + tag.substr(1, tag.find_first_of("]=", 1) - 1) + "]";
        size_t opened = 0, closed = 0;
        for (size_t at = bbcode.find(tag); at != std::string::npos; at = bbcode.find(tag, at + 1))
            ++opened;
        for (size_t at = bbcode.find(close); at != std::string::npos; at = bbcode.find(close, at + 1))
            ++closed;
        if (opened != closed) {
            std::fprintf(stderr, "%zu %s but %zu %s\n", opened, tag.c_str(), closed, close.c_str());
            std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string html(reinterpret_cast<const char*>(data), size);
    const bool kept = size && (data[0] & 1);
    HtmlPaste::Dialect dialect;
    dialect.keepColoursAndSizes = kept;
    if (size && (data[0] & 2))
        dialect.sizes = {"50", "85", "100", "150", "200"};  // a phpBB 3 board's
    const std::string bbcode = HtmlPaste::ToBBCode(html, dialect);
    if (bbcode.size() > 4 * size + 4096) {
        std::fprintf(stderr, "%zu bytes of BBCode for %zu of HTML\n", bbcode.size(), size);
        std::abort();
    }
    // Text that holds tags of its own ("[b]" typed on the page) is not
    // checked for balance; pages without brackets are.
    if (html.find('[') == std::string::npos)
        CheckTagsClosed(bbcode);

    const std::string bounded = HtmlNesting::Bounded(html);
    GumboOptions options = kGumboDefaultOptions;
    options.max_errors = 0;
    GumboOutput* output = gumbo_parse_with_options(&options, bounded.data(), bounded.size());
    const size_t depth = TreeDepth(output->document);
    gumbo_destroy_output(&options, output);
    if (depth > 4 * HtmlNesting::DefaultDepth) {
        std::fprintf(stderr, "a tree %zu deep\n", depth);
        std::abort();
    }
    return 0;
}
