#include "forums/ForumList.h"

#include "base/TextFile.h"

#include <array>
#include <unordered_set>

namespace ForumList {

std::string Build(const std::vector<std::string>& entries)
{
    size_t size = TextFile::CrLf.size();
    for (const std::string& entry : entries)
        size += entry.size() + TextFile::CrLf.size();
    std::string bytes;
    bytes.reserve(size);
    for (const std::string& entry : entries) {
        bytes.append(entry);
        bytes.append(TextFile::CrLf);
    }
    bytes.append(TextFile::CrLf);
    return bytes;
}

std::vector<std::string> Parse(std::string bytes)
{
    const std::string text = TextFile::DecodeFileBytes(std::move(bytes));
    std::vector<std::string> entries;
    for (std::string_view line : TextFile::SplitLines(text))
        if (!line.empty())
            entries.emplace_back(line);
    return entries;
}

namespace {

constexpr std::string_view NameSeparator = "- ";
constexpr std::string_view NoBreakSpace = "\xC2\xA0";
constexpr std::string_view NoBreakSpaceReference = "&nbsp;";

bool IsBlankName(std::string_view name)
{
    size_t at = 0;
    while (at < name.size()) {
        const char c = name[at];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f')
            ++at;
        else if (name.substr(at, NoBreakSpace.size()) == NoBreakSpace)
            at += NoBreakSpace.size();
        else if (name.substr(at, NoBreakSpaceReference.size()) == NoBreakSpaceReference)
            at += NoBreakSpaceReference.size();
        else
            return false;
    }
    return true;
}

// The name of an entry made by the scan: what follows the first "- ".
std::string_view NameOf(std::string_view entry)
{
    const size_t separator = entry.find(NameSeparator);
    return separator == std::string_view::npos ? std::string_view() : entry.substr(separator + NameSeparator.size());
}

void AppendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

int DigitValue(char c, int base)
{
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

// The reference starting at the "&" at `at`: appends its character and
// returns its length, or returns 0 when it is no reference this decodes.
size_t DecodeReference(std::string_view text, size_t at, std::string& out)
{
    struct Named {
        std::string_view name;
        char32_t code;
    };
    static constexpr std::array<Named, 6> Names = {
        {{"amp;", '&'}, {"lt;", '<'}, {"gt;", '>'}, {"quot;", '"'}, {"apos;", '\''}, {"nbsp;", 0xA0}}};
    const std::string_view rest = text.substr(at + 1);
    if (rest.empty() || rest[0] != '#') {
        for (const Named& named : Names)
            if (rest.substr(0, named.name.size()) == named.name) {
                AppendUtf8(out, named.code);
                return 1 + named.name.size();
            }
        return 0;
    }
    const bool hex = rest.size() > 1 && (rest[1] == 'x' || rest[1] == 'X');
    const int base = hex ? 16 : 10;
    size_t i = hex ? 2 : 1;
    const size_t digitsStart = i;
    char32_t code = 0;
    bool tooLarge = false;
    for (; i < rest.size() && DigitValue(rest[i], base) >= 0; ++i) {
        code = code * base + static_cast<char32_t>(DigitValue(rest[i], base));
        if (code > 0x10FFFF) {
            tooLarge = true;
            code = 0x110000;
        }
    }
    if (i == digitsStart || i >= rest.size() || rest[i] != ';')
        return 0;
    if (tooLarge || code == 0 || (code >= 0xD800 && code <= 0xDFFF))
        code = 0xFFFD;
    AppendUtf8(out, code);
    return 1 + i + 1;
}

}  // namespace

std::vector<std::string> WithoutBlankAndRepeated(std::vector<std::string> entries)
{
    std::unordered_set<std::string> numbers;
    std::vector<std::string> kept;
    kept.reserve(entries.size());
    for (std::string& entry : entries) {
        if (IsBlankName(NameOf(entry)) || !numbers.insert(NumberOf(entry)).second)
            continue;
        kept.push_back(std::move(entry));
    }
    return kept;
}

std::string ShownText(std::string_view entry)
{
    std::string out;
    out.reserve(entry.size());
    size_t copied = 0;
    for (size_t at = entry.find('&'); at != std::string_view::npos; at = entry.find('&', at + 1)) {
        std::string decoded;
        const size_t length = DecodeReference(entry, at, decoded);
        if (length == 0)
            continue;
        out.append(entry.substr(copied, at - copied));
        out.append(decoded);
        copied = at + length;
        at = copied - 1;
    }
    out.append(entry.substr(copied));
    return out;
}

std::string NumberOf(std::string_view entry)
{
    return std::string(entry.substr(0, entry.find('-')));
}

}  // namespace ForumList
