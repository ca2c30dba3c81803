// SPDX-License-Identifier: MIT
#include "forums/ForumList.h"

#include "base/HtmlText.h"
#include "base/TextFile.h"

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

std::string ShownText(std::string_view entry) { return HtmlText::DecodeReferences(entry); }

std::string NumberOf(std::string_view entry) { return std::string(entry.substr(0, entry.find('-'))); }

}  // namespace ForumList
