// SPDX-License-Identifier: MIT
#pragma once
// The post file (.bbc): one topic title and one post body between two
// markers, as CR LF text. Qt-free.
//
// Layout, with nothing before or after:
//   "{/Title\}" CR LF  title  CR LF CR LF  "{/Post\}" CR LF  post  CR LF
// There is no header, length or escaping: a file this program wrote reads back
// to exactly the title and post that were written (the title holds no line
// break at its end; the post's line breaks are CR LF).

#include <optional>
#include <string>
#include <string_view>

namespace PostFile {

inline constexpr std::string_view TitleMarker = "{/Title\\}";
inline constexpr std::string_view PostMarker = "{/Post\\}";

// The file's bytes for `title` and `post` (UTF-8 text, post line breaks CR LF).
std::string Write(std::string_view title, std::string_view post);

struct Parsed {
    std::string title, post;
};

// The title and the post as views into the text they were found in.
struct Located {
    std::string_view title, post;
};

// Reads a post file's text (already decoded to UTF-8). Lines end at CR LF, a
// lone CR or a lone LF; the text is rebuilt with CR LF after every line, then
// both markers are searched exactly (letter case counts). The title runs from
// the twelfth character to the first post marker, less its trailing CR and LF
// characters; the post runs from the tenth character after the start of that
// marker to the end, less the final CR LF. No value when a marker is missing.
// Linear in the length of the text.
std::optional<Parsed> Read(std::string_view fileText);

// Read without copies: the views point into `fileText` when it is already in
// the layout this program writes (the usual case), and otherwise into
// `rebuilt`, which then holds the rebuilt text. Both must outlive the views.
std::optional<Located> Locate(std::string_view fileText, std::string& rebuilt);

}  // namespace PostFile
