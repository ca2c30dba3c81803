// SPDX-License-Identifier: MIT
#pragma once
// Reads the renderer's conformance files (see conformance/README.md): titled
// examples of a post and the fragment it renders to.

#include <string>
#include <string_view>
#include <vector>

namespace Conformance {

inline constexpr std::string_view AppFolder = "/opt/quillforge/";

struct Example {
    std::string title;
    std::string input;
    std::string expected;
    int line = 0;  // of the title, for messages
};

// The examples of one file; a malformed line throws std::runtime_error
// naming it, so a typo in a file fails the test instead of skipping cases.
std::vector<Example> Load(const std::string& path);

// The text of an `in:` or `out:` line with its escapes and placeholders
// expanded.
std::string Expand(std::string_view text);

}  // namespace Conformance
