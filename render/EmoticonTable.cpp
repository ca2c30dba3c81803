#include "render/EmoticonTable.h"

namespace Module2 {

std::string PictureTag(std::string_view name, std::string_view appFolder)
{
    std::string tag;
    tag.reserve(PictureTagOpening.size() + appFolder.size() + 4 + name.size() + 4 + PictureTagEnd.size());
    tag += PictureTagOpening;
    tag += appFolder;
    tag += "emo/";
    tag += name;
    tag += ".gif";
    tag += PictureTagEnd;
    return tag;
}

std::string ReplaceEmoticon(std::string_view text, std::string_view code, std::string_view name,
                            std::string_view appFolder)
{
    std::string result;
    if (code.empty())
        return std::string(text);
    const std::string tag = PictureTag(name, appFolder);
    size_t from = 0;
    for (size_t at = text.find(code); at != std::string_view::npos; at = text.find(code, from)) {
        result.append(text, from, at - from);
        result += tag;
        from = at + code.size();
    }
    result.append(text, from);
    return result;
}

std::string ReplaceEmoticons(std::string_view text, std::string_view appFolder)
{
    std::string result(text);
    for (const Emoticon& e : EmoticonTable)
        result = ReplaceEmoticon(result, e.code, e.name, appFolder);
    return result;
}

}  // namespace Module2
