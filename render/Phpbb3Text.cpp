#include "render/Phpbb3Text.h"

#include "render/Unicode.h"

namespace Phpbb3::Text {
namespace {

bool IsTrimmed(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\x0B';
}

// Line breaks to LF, NUL and the byte-order mark dropped.
std::string NormalizeBreaks(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    size_t done = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out.append(text, done, i - done);
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            done = i + 1;
        } else if (c == '\0') {
            out.append(text, done, i - done);
            done = i + 1;
        } else if (c == '\xEF' && text.compare(i, 3, "\xEF\xBB\xBF") == 0) {
            out.append(text, done, i - done);
            i += 2;
            done = i + 1;
        }
    }
    out.append(text, done);
    return out;
}

std::string Plural(size_t n, const char* one, const char* many)
{
    return std::to_string(n) + (n == 1 ? one : many);
}

}  // namespace

std::string CleanUp(std::string_view post)
{
    std::string text = NormalizeBreaks(Unicode::MakeValid(post));
    size_t end = text.size();
    while (end > 0 && IsTrimmed(text[end - 1]))
        --end;
    size_t start = 0;
    while (start < end && IsTrimmed(text[start]))
        ++start;
    text.resize(end);
    text.erase(0, start);
    return Unicode::Nfc(std::move(text));
}

size_t Count(std::string_view cleaned)
{
    size_t count = 0;
    for (const char c : cleaned) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
        if (c == '&')
            count += 4;
        else if (c == '<' || c == '>')
            count += 3;
        else if (c == '"')
            count += 5;
    }
    return count;
}

std::string WithoutControls(std::string text)
{
    size_t write = 0;
    for (const char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 && c != '\t' && c != '\n')
            continue;
        text[write++] = c;
    }
    text.resize(write);
    return text;
}

std::string LengthError(size_t characters, size_t minChars, size_t maxChars)
{
    if (maxChars > 0 && characters > maxChars)
        return "Your message contains " + Plural(characters, " character.", " characters.")
               + "<br />The maximum number of allowed characters is " + std::to_string(maxChars) + ".";
    if (characters == 0)
        return "Your message contains too few characters.";
    if (characters < minChars)
        return "Your message contains " + Plural(characters, " character.", " characters.")
               + "<br />You need to enter at least " + Plural(minChars, " character.", " characters.");
    return {};
}

}  // namespace Phpbb3::Text
