// SPDX-License-Identifier: MIT
// Fuzz target for the renderer: any bytes render without a crash or a hang
// (libFuzzer's -timeout), the fragment stays within a constant times the
// post's size, and short posts render exactly as the literal reference does.

#include "ReferenceRenderer.h"
#include "board/classic/BBCodeRenderer.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
constexpr size_t ReferenceLimit = 512;  // the reference is quadratic and worse
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string post(reinterpret_cast<const char*>(data), size);
    // The program folder varies with the input's first byte, and one of them
    // holds emoticon codes, which sends the emoticon pass down its other road.
    static const char* const folders[] = {"/opt/quillforge/", "/", "/home/a:)b/8)/"};
    const char* folder = folders[size ? data[0] % 3 : 0];
    const std::string html = bbcode::RenderBBCode(post, folder);
    if (html.size() > 64 * size + 64) {
        std::fprintf(stderr, "fragment of %zu bytes for a post of %zu\n", html.size(), size);
        std::abort();
    }
    if (size <= ReferenceLimit && html != Reference::RenderBBCode(post, folder)) {
        std::fprintf(stderr, "differs from the reference\n");
        std::abort();
    }
    return 0;
}
