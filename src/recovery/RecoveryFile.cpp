// SPDX-License-Identifier: MIT
#include "recovery/RecoveryFile.h"

#include "base/TextFile.h"
#include "post/PostFile.h"

#include <charconv>

namespace RecoveryFile {

namespace {

constexpr std::string_view SavedKey = "saved ";
constexpr std::string_view FileKey = "file ";
constexpr std::string_view TitleKey = "title ";
constexpr std::string_view PostKey = "post ";
constexpr std::string_view CheckKey = "check ";
constexpr size_t CheckDigits = 16;

// FNV-1a, 64 bits, continued from `hash`.
uint64_t Fnv1a(std::string_view bytes, uint64_t hash = 0xcbf29ce484222325ull)
{
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 0x100000001b3ull;
    }
    return hash;
}

std::string Hex(uint64_t value)
{
    static constexpr char digits[] = "0123456789abcdef";
    std::string hex(CheckDigits, '0');
    for (size_t i = CheckDigits; i-- > 0; value >>= 4)
        hex[i] = digits[value & 0xf];
    return hex;
}

// The file name on one header line: backslash, CR and LF are escaped.
std::string Escape(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        if (c == '\\')
            escaped += "\\\\";
        else if (c == '\r')
            escaped += "\\r";
        else if (c == '\n')
            escaped += "\\n";
        else
            escaped += c;
    }
    return escaped;
}

std::optional<std::string> Unescape(std::string_view text)
{
    std::string plain;
    plain.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            plain += text[i];
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        switch (text[i]) {
        case '\\':
            plain += '\\';
            break;
        case 'r':
            plain += '\r';
            break;
        case 'n':
            plain += '\n';
            break;
        default:
            return std::nullopt;
        }
    }
    return plain;
}

// A plain decimal number: digits only, no sign, no blanks, no overflow.
template <typename Number>
std::optional<Number> ParseNumber(std::string_view text)
{
    Number value{};
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Reads the header one CR LF line at a time; every step checks what it takes.
class HeaderReader {
public:
    explicit HeaderReader(std::string_view bytes) : m_bytes(bytes) {}

    // The next line, without its CR LF; no value when no CR LF ends it.
    std::optional<std::string_view> Line()
    {
        const size_t end = m_bytes.find(TextFile::CrLf, m_pos);
        if (end == std::string_view::npos)
            return std::nullopt;
        const std::string_view line = m_bytes.substr(m_pos, end - m_pos);
        m_pos = end + TextFile::CrLf.size();
        return line;
    }

    // The value of the next line, which must start with `key`.
    std::optional<std::string_view> Field(std::string_view key)
    {
        const std::optional<std::string_view> line = Line();
        if (!line || !line->starts_with(key))
            return std::nullopt;
        return line->substr(key.size());
    }

    size_t Position() const { return m_pos; }

private:
    std::string_view m_bytes;
    size_t m_pos = 0;
};

std::string MagicLine() { return std::string(Magic) + ' ' + std::to_string(Version); }

}  // namespace

std::string Write(const Copy& copy)
{
    std::string header;
    header += MagicLine();
    header += TextFile::CrLf;
    header += SavedKey;
    header += std::to_string(copy.savedAtMs);
    header += TextFile::CrLf;
    header += FileKey;
    header += Escape(copy.fileName);
    header += TextFile::CrLf;
    header += TitleKey;
    header += std::to_string(copy.title.size());
    header += TextFile::CrLf;
    header += PostKey;
    header += std::to_string(copy.post.size());
    header += TextFile::CrLf;

    const std::string body = PostFile::Write(copy.title, copy.post);
    const uint64_t check = Fnv1a(body, Fnv1a(header));

    std::string bytes;
    bytes.reserve(header.size() + CheckKey.size() + CheckDigits + 4 + body.size());
    bytes += header;
    bytes += CheckKey;
    bytes += Hex(check);
    bytes += TextFile::CrLf;
    bytes += TextFile::CrLf;
    bytes += body;
    return bytes;
}

std::optional<Copy> Read(std::string_view bytes)
{
    HeaderReader reader(bytes);
    if (reader.Line() != MagicLine())
        return std::nullopt;
    const auto saved = reader.Field(SavedKey);
    const auto file = reader.Field(FileKey);
    const auto titleLength = reader.Field(TitleKey);
    const auto postLength = reader.Field(PostKey);
    const size_t checkedHeaderEnd = reader.Position();
    const auto check = reader.Field(CheckKey);
    const auto blank = reader.Line();
    if (!saved || !file || !titleLength || !postLength || !check || blank != std::string_view())
        return std::nullopt;

    Copy copy;
    const auto savedAt = ParseNumber<int64_t>(*saved);
    const auto fileName = Unescape(*file);
    const auto titleSize = ParseNumber<size_t>(*titleLength);
    const auto postSize = ParseNumber<size_t>(*postLength);
    if (!savedAt || !fileName || !titleSize || !postSize || check->size() != CheckDigits
        || check->find_first_not_of("0123456789abcdef") != std::string_view::npos)
        return std::nullopt;

    // The body must be exactly the post file of a title and a post of the
    // lengths given: its size first (a truncated copy stops here), then the
    // fixed pieces around them.
    const std::string_view body = bytes.substr(reader.Position());
    const size_t fixed = PostFile::TitleMarker.size() + PostFile::PostMarker.size() + 5 * TextFile::CrLf.size();
    if (*titleSize > body.size() || *postSize > body.size() || body.size() != fixed + *titleSize + *postSize)
        return std::nullopt;
    const size_t titleStart = PostFile::TitleMarker.size() + TextFile::CrLf.size();
    const size_t postStart =
        titleStart + *titleSize + 2 * TextFile::CrLf.size() + PostFile::PostMarker.size() + TextFile::CrLf.size();
    const std::string_view title = body.substr(titleStart, *titleSize);
    const std::string_view post = body.substr(postStart, *postSize);
    if (PostFile::Write(title, post) != body)
        return std::nullopt;
    if (Hex(Fnv1a(body, Fnv1a(bytes.substr(0, checkedHeaderEnd)))) != *check)
        return std::nullopt;

    copy.title = title;
    copy.post = post;
    copy.fileName = *fileName;
    copy.savedAtMs = *savedAt;
    return copy;
}

}  // namespace RecoveryFile
