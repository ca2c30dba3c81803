#include "forums/ForumList.h"

#include "app/TextFile.h"

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

std::string NumberOf(std::string_view entry)
{
    return std::string(entry.substr(0, entry.find('-')));
}

}  // namespace ForumList
