// SPDX-License-Identifier: MIT
#include "post/PostFile.h"

#include "base/TextFile.h"

namespace PostFile {

namespace {
// The title starts after the title marker's line: 9 characters and CR LF.
constexpr size_t kTitleStart = 11;
// The post starts after the post marker and the CR LF that ends its line.
constexpr size_t kPostOffset = 10;

// True when rebuilding `text` would give it back unchanged: every line break
// is CR LF and the text is empty or ends with one, as in every file this
// program writes.
bool IsRebuilt(std::string_view text)
{
    const size_t n = text.size();
    if (n == 0)
        return true;
    if (n < 2 || text[n - 2] != '\r' || text[n - 1] != '\n')
        return false;
    for (size_t i = 0; i < n; ++i) {
        const char c = text[i];
        if (c == '\r') {
            if (i + 1 == n || text[i + 1] != '\n')
                return false;
            ++i;
        } else if (c == '\n') {
            return false;
        }
    }
    return true;
}

// Every line of `text` followed by CR LF, in order: lone CR and lone LF breaks
// become CR LF, and a last line without a break gains one.
std::string Rebuild(std::string_view text)
{
    std::string rebuilt;
    rebuilt.reserve(text.size() + 2);
    for (std::string_view line : TextFile::SplitLines(text)) {
        rebuilt += line;
        rebuilt += TextFile::CrLf;
    }
    return rebuilt;
}
}  // namespace

std::string Write(std::string_view title, std::string_view post)
{
    std::string bytes;
    bytes.reserve(TitleMarker.size() + PostMarker.size() + title.size() + post.size() + 10);
    bytes += TitleMarker;
    bytes += TextFile::CrLf;
    bytes += title;
    bytes += TextFile::CrLf;
    bytes += TextFile::CrLf;
    bytes += PostMarker;
    bytes += TextFile::CrLf;
    bytes += post;
    bytes += TextFile::CrLf;
    return bytes;
}

std::optional<Located> Locate(std::string_view fileText, std::string& rebuilt)
{
    // Files in this program's own layout need no rebuilding, which spares a
    // copy of a long post.
    std::string_view text = fileText;
    if (!IsRebuilt(fileText)) {
        rebuilt = Rebuild(fileText);
        text = rebuilt;
    }
    const size_t postAt = text.find(PostMarker);
    if (postAt == std::string_view::npos || text.find(TitleMarker) == std::string_view::npos)
        return std::nullopt;

    Located located;
    if (postAt > kTitleStart) {
        size_t titleEnd = postAt;
        while (titleEnd > kTitleStart && (text[titleEnd - 1] == '\r' || text[titleEnd - 1] == '\n'))
            --titleEnd;
        located.title = text.substr(kTitleStart, titleEnd - kTitleStart);
    }
    // The rebuilt text ends with CR LF, which is not part of the post.
    const size_t postStart = postAt + kPostOffset;
    const size_t postEnd = text.size() - TextFile::CrLf.size();
    if (postEnd > postStart)
        located.post = text.substr(postStart, postEnd - postStart);
    return located;
}

std::optional<Parsed> Read(std::string_view fileText)
{
    std::string rebuilt;
    const std::optional<Located> located = Locate(fileText, rebuilt);
    if (!located)
        return std::nullopt;
    return Parsed{std::string(located->title), std::string(located->post)};
}

}  // namespace PostFile
