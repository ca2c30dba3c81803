// SPDX-License-Identifier: MIT
#pragma once
// Text as the program's files hold it: UTF-8 without a byte-order mark and
// CR LF line breaks when written; when read, valid UTF-8 is taken as UTF-8 and
// anything else as Windows-1252, so files made on older Windows systems open
// with their accented letters intact. Qt-free.

#include <string>
#include <string_view>
#include <vector>

namespace TextFile {

inline constexpr std::string_view CrLf = "\r\n";

bool IsValidUtf8(std::string_view bytes);

// Windows-1252 bytes to UTF-8. The five bytes that code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value.
std::string Windows1252ToUtf8(std::string_view bytes);

// The UTF-8 byte-order mark some editors write at the start of a file.
inline constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

// The bytes of a file read as text: UTF-8 when valid, else Windows-1252. A
// leading UTF-8 byte-order mark is not text and is dropped first.
std::string DecodeFileBytes(std::string bytes);

// Splits text into lines: a line ends at CR LF, at a lone CR or at a lone LF.
// A last line without a line break is a line too; an empty text has no lines.
// The views point into `text`.
std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace TextFile
