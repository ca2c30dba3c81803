// SPDX-License-Identifier: MIT
#pragma once
// The recovery copy: what the editor keeps on disk while a post has unsaved
// changes, so that a crash, a killed process or a power cut loses nothing.
// Qt-free.
//
// A copy is a short header of our own followed by the post file (PostFile)
// of the title and post, so the copy's tail is an ordinary post file:
//
//   QUILLFORGE-RECOVERY 1          magic word and format version
//   saved <ms since 1970, UTC>     when the copy was written
//   file <escaped path>            the post's file name; '\' CR LF written \\ \r \n
//   title <bytes>                  length of the title
//   post <bytes>                   length of the post
//   check <16 lower-case hex>      FNV-1a 64 of the lines above and the body
//   (empty line)
//   the post file's bytes
//
// every header line ending in CR LF. The lengths let the title and post be
// cut out exactly where they were written, so a copy gives them back byte for
// byte even when the title holds the post marker. A copy is refused as
// damaged when the magic word or version is not ours, a line is malformed,
// the body's length or layout differs from what the header says, or the
// check sum does not match: a truncated, overwritten or partly written copy
// never restores wrong text.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace RecoveryFile {

inline constexpr std::string_view Magic = "QUILLFORGE-RECOVERY";
inline constexpr int Version = 1;

struct Copy {
    std::string title;      // UTF-8, as in the title field
    std::string post;       // UTF-8, line breaks CR LF
    std::string fileName;   // the post's file name, UTF-8; empty = the post had no file
    int64_t savedAtMs = 0;  // when the copy was written, ms since 1970 (UTC)

    bool operator==(const Copy&) const = default;
};

// The bytes of a recovery copy of `copy`.
std::string Write(const Copy& copy);

// The copy `bytes` hold; no value when they are damaged or not a recovery
// copy of this version. Linear in the size of `bytes`.
std::optional<Copy> Read(std::string_view bytes);

}  // namespace RecoveryFile
