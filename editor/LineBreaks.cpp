#include "editor/LineBreaks.h"

namespace LineBreaks {

namespace {
// U+2029 PARAGRAPH SEPARATOR in UTF-8.
constexpr std::string_view kParagraphSeparator = "\xE2\x80\xA9";
}

std::string FieldToPost(std::string_view fieldText)
{
    std::string out;
    out.reserve(fieldText.size() + fieldText.size() / 16);
    for (size_t i = 0; i < fieldText.size(); ++i) {
        const char c = fieldText[i];
        if (c == '\n') {
            out += "\r\n";
        } else if (c == '\r') {
            out += "\r\n";
            if (i + 1 < fieldText.size() && fieldText[i + 1] == '\n')
                ++i;
        } else if (c == '\xE2' && fieldText.substr(i, 3) == kParagraphSeparator) {
            out += "\r\n";
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

std::string PostToField(std::string_view postText)
{
    std::string out;
    out.reserve(postText.size());
    for (size_t i = 0; i < postText.size(); ++i) {
        const char c = postText[i];
        if (c == '\r') {
            out += '\n';
            if (i + 1 < postText.size() && postText[i + 1] == '\n')
                ++i;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace LineBreaks
