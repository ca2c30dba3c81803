// SPDX-License-Identifier: MIT
#include "base/HtmlText.h"

#include <array>

namespace HtmlText {

namespace {

constexpr size_t npos = std::string_view::npos;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
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

size_t TagEnd(std::string_view html, size_t at)
{
    const size_t n = html.size();
    for (;;) {
        while (at < n && (IsSpace(html[at]) || html[at] == '/'))
            ++at;
        if (at >= n)
            return npos;
        if (html[at] == '>')
            return at;
        ++at;  // an attribute's name (its first letter may be "=")
        while (at < n && !IsSpace(html[at]) && html[at] != '/' && html[at] != '>' && html[at] != '=')
            ++at;
        while (at < n && IsSpace(html[at]))
            ++at;
        if (at >= n || html[at] != '=')
            continue;
        ++at;
        while (at < n && IsSpace(html[at]))
            ++at;
        if (at < n && (html[at] == '"' || html[at] == '\'')) {
            const size_t close = html.find(html[at], at + 1);
            if (close == npos)
                return npos;
            at = close + 1;
        } else {
            while (at < n && !IsSpace(html[at]) && html[at] != '>')
                ++at;
        }
    }
}

size_t NameEnd(std::string_view html, size_t from)
{
    while (from < html.size() && !IsSpace(html[from]) && html[from] != '/' && html[from] != '>')
        ++from;
    return from;
}

std::string DecodeReferences(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    size_t copied = 0;
    for (size_t at = text.find('&'); at != npos; at = text.find('&', at + 1)) {
        std::string decoded;
        const size_t length = DecodeReference(text, at, decoded);
        if (length == 0)
            continue;
        out.append(text.substr(copied, at - copied));
        out.append(decoded);
        copied = at + length;
        at = copied - 1;
    }
    out.append(text.substr(copied));
    return out;
}

std::optional<StartTag> NextStartTag(std::string_view html, std::string_view element, size_t from)
{
    for (size_t at = html.find('<', from); at != npos && at + 1 < html.size(); at = html.find('<', at + 1)) {
        if (html.substr(at, 4) == "<!--") {
            const size_t close = html.find("-->", at + 4);
            if (close == npos)
                return std::nullopt;
            at = close + 2;
            continue;
        }
        const size_t nameEnd = NameEnd(html, at + 1);
        const std::string_view name = html.substr(at + 1, nameEnd - at - 1);
        if (!EqualsIgnoringCase(name, element))
            continue;
        const size_t end = TagEnd(html, nameEnd);
        if (end == npos)
            return std::nullopt;
        return StartTag{name, html.substr(at, end + 1 - at), end + 1};
    }
    return std::nullopt;
}

std::optional<std::string> Attribute(std::string_view tag, std::string_view name)
{
    size_t at = NameEnd(tag, 1);
    const size_t n = tag.size();
    while (at < n) {
        while (at < n && (IsSpace(tag[at]) || tag[at] == '/'))
            ++at;
        if (at >= n || tag[at] == '>')
            break;
        const size_t nameStart = at++;
        while (at < n && !IsSpace(tag[at]) && tag[at] != '/' && tag[at] != '>' && tag[at] != '=')
            ++at;
        const std::string_view attribute = tag.substr(nameStart, at - nameStart);
        while (at < n && IsSpace(tag[at]))
            ++at;
        std::string_view value;
        if (at < n && tag[at] == '=') {
            ++at;
            while (at < n && IsSpace(tag[at]))
                ++at;
            if (at < n && (tag[at] == '"' || tag[at] == '\'')) {
                size_t close = tag.find(tag[at], at + 1);
                if (close == npos)
                    close = n;
                value = tag.substr(at + 1, close - at - 1);
                at = close + 1;
            } else {
                const size_t valueStart = at;
                while (at < n && !IsSpace(tag[at]) && tag[at] != '>')
                    ++at;
                value = tag.substr(valueStart, at - valueStart);
            }
        }
        if (EqualsIgnoringCase(attribute, name))
            return DecodeReferences(value);
    }
    return std::nullopt;
}

bool ListsClass(std::string_view classes, std::string_view name)
{
    for (size_t at = 0; at < classes.size();) {
        while (at < classes.size() && IsSpace(classes[at]))
            ++at;
        size_t end = at;
        while (end < classes.size() && !IsSpace(classes[end]))
            ++end;
        if (!name.empty() && classes.substr(at, end - at) == name)
            return true;
        at = end;
    }
    return false;
}

}  // namespace HtmlText
