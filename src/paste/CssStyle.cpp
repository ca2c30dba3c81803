// SPDX-License-Identifier: MIT
#include "paste/CssStyle.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <utility>

namespace CssStyle {

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string LowerCase(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = Lower(c);
    return lower;
}

// A number at the start of `text` (sign, digits, a fraction); the rest after it.
std::optional<std::pair<double, std::string_view>> Number(std::string_view text)
{
    size_t end = 0;
    if (end < text.size() && (text[end] == '+' || text[end] == '-'))
        ++end;
    const size_t digits = end;
    while (end < text.size() && ((text[end] >= '0' && text[end] <= '9') || text[end] == '.'))
        ++end;
    if (end == digits)
        return std::nullopt;
    double value = 0;
    const char* first = text.data() + (text[0] == '+' ? 1 : 0);
    const auto [ptr, error] = std::from_chars(first, text.data() + end, value);
    if (error != std::errc() || ptr != text.data() + end)
        return std::nullopt;
    return std::pair{value, text.substr(end)};
}

// A length in CSS pixels; no value for relative units and unreadable text.
std::optional<double> Pixels(std::string_view value)
{
    const auto number = Number(value);
    if (!number)
        return std::nullopt;
    const std::string unit = LowerCase(Trim(number->second));
    static constexpr std::array<std::pair<std::string_view, double>, 7> Units = {
        {{"px", 1}, {"pt", 96.0 / 72}, {"pc", 16}, {"in", 96}, {"cm", 96 / 2.54}, {"mm", 96 / 25.4}, {"", 1}}};
    for (const auto& [name, factor] : Units)
        if (unit == name)
            return number->first * factor;
    return std::nullopt;
}

bool NearZero(std::string_view length)
{
    const std::optional<double> pixels = Pixels(length);
    return pixels && *pixels < 2 && *pixels > -2;
}

// The top and bottom of a margin shorthand: one to four lengths.
std::pair<std::string_view, std::string_view> VerticalOfShorthand(std::string_view value)
{
    std::array<std::string_view, 4> parts;
    size_t count = 0;
    size_t at = 0;
    while (count < parts.size()) {
        while (at < value.size() && IsSpace(value[at]))
            ++at;
        if (at == value.size())
            break;
        const size_t start = at;
        while (at < value.size() && !IsSpace(value[at]))
            ++at;
        parts[count++] = value.substr(start, at - start);
    }
    if (count == 0)
        return {};
    return {parts[0], count >= 3 ? parts[2] : parts[0]};
}

int Hex(char c)
{
    c = Lower(c);
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::string HexColour(int red, int green, int blue)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", red, green, blue);
    return text;
}

int Channel(double value) { return value < 0 ? 0 : value > 255 ? 255 : static_cast<int>(value + 0.5); }

std::optional<std::string> FunctionalColour(std::string_view arguments)
{
    std::array<double, 4> values{0, 0, 0, 1};
    size_t count = 0;
    while (count < values.size()) {
        while (!arguments.empty()
               && (IsSpace(arguments.front()) || arguments.front() == ',' || arguments.front() == '/'))
            arguments.remove_prefix(1);
        const auto number = Number(arguments);
        if (!number)
            break;
        double value = number->first;
        arguments = number->second;
        if (!arguments.empty() && arguments.front() == '%') {
            value = count < 3 ? value * 255 / 100 : value / 100;
            arguments.remove_prefix(1);
        }
        values[count++] = value;
    }
    if (count < 3 || values[3] <= 0)
        return std::nullopt;
    return HexColour(Channel(values[0]), Channel(values[1]), Channel(values[2]));
}

constexpr std::array<std::pair<std::string_view, std::string_view>, 30> NamedColours = {{
    {"black", "#000000"},      {"white", "#ffffff"},      {"red", "#ff0000"},      {"green", "#008000"},
    {"blue", "#0000ff"},       {"yellow", "#ffff00"},     {"navy", "#000080"},     {"maroon", "#800000"},
    {"purple", "#800080"},     {"teal", "#008080"},       {"olive", "#808000"},    {"gray", "#808080"},
    {"grey", "#808080"},       {"silver", "#c0c0c0"},     {"lime", "#00ff00"},     {"aqua", "#00ffff"},
    {"cyan", "#00ffff"},       {"fuchsia", "#ff00ff"},    {"magenta", "#ff00ff"},  {"orange", "#ffa500"},
    {"brown", "#a52a2a"},      {"pink", "#ffc0cb"},       {"gold", "#ffd700"},     {"indigo", "#4b0082"},
    {"violet", "#ee82ee"},     {"darkred", "#8b0000"},    {"darkblue", "#00008b"}, {"darkgreen", "#006400"},
    {"windowtext", "#000000"}, {"darkorange", "#ff8c00"},
}};

}  // namespace

std::optional<std::string> Colour(std::string_view value)
{
    const std::string colour = LowerCase(Trim(value));
    if (!colour.empty() && colour[0] == '#') {
        const std::string_view digits = std::string_view(colour).substr(1);
        for (char c : digits)
            if (Hex(c) < 0)
                return std::nullopt;
        if (digits.size() == 3 || digits.size() == 4) {
            if (digits.size() == 4 && digits[3] == '0')
                return std::nullopt;
            return HexColour(Hex(digits[0]) * 17, Hex(digits[1]) * 17, Hex(digits[2]) * 17);
        }
        if (digits.size() == 6 || digits.size() == 8) {
            if (digits.size() == 8 && digits.substr(6) == "00")
                return std::nullopt;
            return HexColour(Hex(digits[0]) * 16 + Hex(digits[1]), Hex(digits[2]) * 16 + Hex(digits[3]),
                             Hex(digits[4]) * 16 + Hex(digits[5]));
        }
        return std::nullopt;
    }
    for (std::string_view function : {"rgba(", "rgb("}) {
        if (colour.starts_with(function) && colour.ends_with(')'))
            return FunctionalColour(
                std::string_view(colour).substr(function.size(), colour.size() - function.size() - 1));
    }
    for (const auto& [name, hex] : NamedColours)
        if (colour == name)
            return std::string(hex);
    return std::nullopt;
}

std::optional<FontSize> Size(std::string_view value)
{
    const std::string size = LowerCase(Trim(value));
    static constexpr std::array<std::pair<std::string_view, double>, 8> Keywords = {{{"xx-small", 9},
                                                                                     {"x-small", 10},
                                                                                     {"small", 13},
                                                                                     {"medium", 16},
                                                                                     {"large", 18},
                                                                                     {"x-large", 24},
                                                                                     {"xx-large", 32},
                                                                                     {"xxx-large", 48}}};
    for (const auto& [name, pixels] : Keywords)
        if (size == name)
            return FontSize{pixels, 1};
    if (size == "smaller")
        return FontSize{0, 0.83};
    if (size == "larger")
        return FontSize{0, 1.2};
    const auto number = Number(size);
    if (!number || number->first <= 0)
        return std::nullopt;
    const std::string_view unit = number->second;
    if (unit == "%")
        return FontSize{0, number->first / 100};
    if (unit == "em")
        return FontSize{0, number->first};
    if (unit == "rem")
        return FontSize{number->first * 16, 1};
    if (unit.empty())
        return std::nullopt;  // a bare number is no font size
    const std::optional<double> pixels = Pixels(size);
    if (!pixels)
        return std::nullopt;
    return FontSize{*pixels, 1};
}

std::optional<FontSize> FontElementSize(std::string_view value)
{
    value = Trim(value);
    const auto number = Number(value);
    if (!number || !Trim(number->second).empty())
        return std::nullopt;
    int step = static_cast<int>(number->first);
    if (value[0] == '+' || value[0] == '-')
        step += 3;
    static constexpr std::array<double, 7> Pixels = {10, 13, 16, 18, 24, 32, 48};
    step = step < 1 ? 1 : step > 7 ? 7 : step;
    return FontSize{Pixels[size_t(step - 1)], 1};
}

Declarations Read(std::string_view style)
{
    Declarations result;
    std::optional<bool> topZero, bottomZero;
    size_t at = 0;
    while (at < style.size()) {
        // One declaration: up to a ";" outside quotes and brackets.
        size_t end = at;
        char quote = 0;
        int brackets = 0;
        for (; end < style.size(); ++end) {
            const char c = style[end];
            if (quote) {
                if (c == quote)
                    quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '(') {
                ++brackets;
            } else if (c == ')' && brackets > 0) {
                --brackets;
            } else if (c == ';' && brackets == 0) {
                break;
            }
        }
        const std::string_view declaration = style.substr(at, end - at);
        at = end + 1;
        const size_t colon = declaration.find(':');
        if (colon == std::string_view::npos)
            continue;
        const std::string name = LowerCase(Trim(declaration.substr(0, colon)));
        std::string_view rawValue = Trim(declaration.substr(colon + 1));
        if (const size_t bang = rawValue.find('!'); bang != std::string_view::npos)
            rawValue = Trim(rawValue.substr(0, bang));  // "!important"
        const std::string value = LowerCase(rawValue);

        if (name == "font-weight") {
            if (value == "bold" || value == "bolder")
                result.bold = true;
            else if (value == "normal" || value == "lighter")
                result.bold = false;
            else if (const auto weight = Number(value); weight && weight->second.empty())
                result.bold = weight->first >= 600;
        } else if (name == "font-style") {
            if (value == "italic" || value.starts_with("oblique"))
                result.italic = true;
            else if (value == "normal")
                result.italic = false;
        } else if (name == "text-decoration" || name == "text-decoration-line") {
            if (value.find("underline") != std::string::npos)
                result.underline = true;
            else if (value.find("none") != std::string::npos)
                result.underline = false;
        } else if (name == "color") {
            if (const auto colour = Colour(value))
                result.colour = colour;
        } else if (name == "font-size") {
            if (const auto size = Size(value))
                result.size = size;
        } else if (name == "font") {
            // The shorthand: its size is the first word starting with a digit or a size keyword.
            size_t word = 0;
            while (word < value.size()) {
                size_t wordEnd = value.find(' ', word);
                if (wordEnd == std::string::npos)
                    wordEnd = value.size();
                std::string_view token = std::string_view(value).substr(word, wordEnd - word);
                token = token.substr(0, token.find('/'));  // "12pt/1.5"
                if (const auto size = Size(token); size && !token.empty() && token[0] != '+') {
                    result.size = size;
                    break;
                }
                word = wordEnd + 1;
            }
        } else if (name == "display") {
            if (value == "none")
                result.hidden = true;
        } else if (name == "visibility") {
            if (value == "hidden" || value == "collapse")
                result.hidden = true;
        } else if (name == "mso-hide") {
            if (value == "all")
                result.hidden = true;
        } else if (name == "white-space") {
            if (value == "pre" || value == "pre-wrap" || value == "break-spaces")
                result.whiteSpace = WhiteSpace::KeepAll;
            else if (value == "pre-line")
                result.whiteSpace = WhiteSpace::KeepLineBreaks;
            else if (value == "normal" || value == "nowrap")
                result.whiteSpace = WhiteSpace::Collapse;
        } else if (name == "margin") {
            const auto [top, bottom] = VerticalOfShorthand(value);
            topZero = NearZero(top);
            bottomZero = NearZero(bottom);
        } else if (name == "margin-top") {
            topZero = NearZero(value);
        } else if (name == "margin-bottom") {
            bottomZero = NearZero(value);
        } else if (name == "mso-list") {
            result.officeList = std::string(rawValue);
        }
    }
    // A paragraph with no space below and none set above is one of an office
    // suite's lines: the suites write the space they leave, and only that.
    result.noVerticalMargins = bottomZero.value_or(false) && topZero.value_or(true);
    return result;
}

}  // namespace CssStyle
