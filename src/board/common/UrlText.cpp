// SPDX-License-Identifier: MIT
#include "board/common/UrlText.h"

#include "board/common/Ascii.h"

namespace UrlText {

std::string SchemeOf(std::string_view url)
{
    size_t i = 0;
    while (i < url.size() && (Ascii::IsAlnum(url[i]) || url[i] == '+' || url[i] == '-' || url[i] == '.'))
        ++i;
    if (i == 0 || i >= url.size() || url[i] != ':' || !Ascii::IsAlpha(url[0]))
        return {};
    size_t digits = i + 1;
    while (digits < url.size() && Ascii::IsDigit(url[digits]))
        ++digits;
    if (digits > i + 1 && (digits == url.size() || url[digits] == '/'))
        return {};
    return Ascii::ToLower(url.substr(0, i));
}

namespace {

int HexValue(char c) { return Ascii::IsDigit(c) ? c - '0' : Ascii::Lower(c) - 'a' + 10; }

}  // namespace

std::string Decode(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '+') {
            out += ' ';
        } else if (s[i] == '%' && i + 2 < s.size() && Ascii::IsHexDigit(s[i + 1]) && Ascii::IsHexDigit(s[i + 2])) {
            out += char(HexValue(s[i + 1]) * 16 + HexValue(s[i + 2]));
            i += 2;
        } else {
            out += s[i];
        }
    }
    return out;
}

}  // namespace UrlText
