// SPDX-License-Identifier: MIT
#include "ConformanceFile.h"

#include "board/classic/EmoticonTable.h"

#include <fstream>
#include <stdexcept>

namespace Conformance {
namespace {

constexpr std::string_view QuoteBox = "<p style=\"border:1px solid #C0C0C0;background-color: #EDEBEB; margin-top: "
                                      "17px;font-family='courier new';margin-right:12px; margin-bottom:11px\">";
constexpr std::string_view CodeBox = "<p style=\"border:1px solid #C0C0C0;margin-top: 17px;font-family='courier "
                                     "new';margin-right:12px; margin-bottom:11px\">";

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    throw std::runtime_error("bad \\x escape");
}

std::string Placeholder(std::string_view name)
{
    if (name == "quote-box")
        return std::string(QuoteBox);
    if (name == "code-box")
        return std::string(CodeBox);
    if (name == "long-prefix")
        return std::string(40000, 'x');
    if (name.substr(0, 4) == "emo:")
        return bbcode::PictureTag(name.substr(4), AppFolder);
    throw std::runtime_error("unknown placeholder {" + std::string(name) + "}");
}

}  // namespace

std::string Expand(std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' && i + 1 < text.size()) {
            const char e = text[++i];
            switch (e) {
            case 'r':
                out += '\r';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case '\\':
                out += '\\';
                break;
            case 'x':
                if (i + 2 >= text.size())
                    throw std::runtime_error("short \\x escape");
                out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
                i += 2;
                break;
            default:
                throw std::runtime_error(std::string("unknown escape \\") + e);
            }
        } else if (c == '{') {
            const size_t close = text.find('}', i);
            if (close == std::string_view::npos)
                throw std::runtime_error("unclosed placeholder");
            out += Placeholder(text.substr(i + 1, close - i - 1));
            i = close;
        } else {
            out += c;
        }
    }
    return out;
}

std::vector<Example> Load(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot open " + path);
    std::vector<Example> examples;
    std::string line;
    int number = 0;
    auto fail = [&](const std::string& why) {
        throw std::runtime_error(path + ":" + std::to_string(number) + ": " + why);
    };
    while (std::getline(file, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.rfind("### ", 0) == 0) {
            examples.push_back({line.substr(4), {}, {}, number});
            continue;
        }
        if (line.empty() || line[0] == '#')
            continue;
        const bool isIn = line.rfind("in:", 0) == 0;
        const bool isOut = line.rfind("out:", 0) == 0;
        if ((!isIn && !isOut) || examples.empty())
            fail("expected a title, in: or out:");
        std::string_view body = std::string_view(line).substr(isIn ? 3 : 4);
        while (!body.empty() && body.front() == ' ')
            body.remove_prefix(1);
        try {
            (isIn ? examples.back().input : examples.back().expected) += Expand(body);
        } catch (const std::runtime_error& e) {
            fail(e.what());
        }
    }
    return examples;
}

}  // namespace Conformance
