// SPDX-License-Identifier: MIT
#include "post/LineBreaks.h"

#include <algorithm>

namespace LineBreaks {

namespace {
// U+2029 PARAGRAPH SEPARATOR and U+2028 LINE SEPARATOR in UTF-8: both share
// their first two bytes.
constexpr std::string_view kSeparatorLead = "\xE2\x80";
constexpr char kParagraphSeparatorLast = '\xA9';
constexpr char kLineSeparatorLast = '\xA8';
}  // namespace

// Both conversions copy the runs between line breaks whole, so a long post
// costs little more than one copy.

std::string FieldToPost(std::string_view fieldText)
{
    std::string out;
    out.reserve(fieldText.size() + fieldText.size() / 16);
    const size_t n = fieldText.size();
    size_t run = 0;
    for (size_t i = 0; i < n; ++i) {
        const char c = fieldText[i];
        size_t breakLength;
        if (c == '\n') {
            breakLength = 1;
        } else if (c == '\r') {
            breakLength = (i + 1 < n && fieldText[i + 1] == '\n') ? 2 : 1;
        } else if (c == '\xE2' && i + 2 < n && fieldText.substr(i, 2) == kSeparatorLead
                   && (fieldText[i + 2] == kParagraphSeparatorLast || fieldText[i + 2] == kLineSeparatorLast)) {
            breakLength = 3;
        } else {
            continue;
        }
        out.append(fieldText, run, i - run);
        out += "\r\n";
        i += breakLength - 1;
        run = i + 1;
    }
    out.append(fieldText, run, n - run);
    return out;
}

std::string PostToField(std::string_view postText)
{
    std::string out;
    out.reserve(postText.size());
    const size_t n = postText.size();
    size_t run = 0;
    for (size_t i = postText.find('\r'); i != std::string_view::npos; i = postText.find('\r', run)) {
        out.append(postText, run, i - run);
        out += '\n';
        run = (i + 1 < n && postText[i + 1] == '\n') ? i + 2 : i + 1;
    }
    out.append(postText, run, n - run);
    return out;
}

size_t PieceEnd(std::string_view text, size_t from, size_t size)
{
    const size_t n = text.size();
    if (from >= n || n - from <= size)
        return n;
    size_t end = from + std::max<size_t>(size, 1);
    // Back over continuation bytes (10xxxxxx) to the start of their sequence,
    // which has at most three of them.
    for (int back = 0; back < 3 && end > from + 1 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80; ++back)
        --end;
    if (text[end - 1] == '\r' && text[end] == '\n')
        ++end;
    return end;
}

}  // namespace LineBreaks
