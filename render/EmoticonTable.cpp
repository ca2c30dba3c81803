#include "render/EmoticonTable.h"

#include "render/Reserve.h"

#include <cstdint>
#include <vector>

namespace Module2 {
namespace {

constexpr size_t Rows = EmoticonTable.size();
constexpr uint8_t Free = 0;
constexpr uint8_t Inside = 0xFF;  // covered by a code, not its first byte

using PictureTags = std::array<std::string, Rows>;

PictureTags MakePictureTags(std::string_view appFolder)
{
    PictureTags tags;
    for (size_t r = 0; r < Rows; ++r)
        tags[r] = PictureTag(EmoticonTable[r].name, appFolder);
    return tags;
}

// True when a picture tag holds the code of a later row, which the row by
// row replacement would then replace inside the tag. Only a program folder
// whose path holds such a code (say "8)") does that.
bool TagsHoldLaterCodes(const PictureTags& tags)
{
    for (size_t r = 0; r < Rows; ++r)
        for (size_t later = r + 1; later < Rows; ++later)
            if (tags[r].find(EmoticonTable[later].code) != std::string::npos)
                return true;
    return false;
}

std::string ReplaceRowByRow(std::string_view text, std::string_view appFolder)
{
    std::string result(text);
    for (const Emoticon& e : EmoticonTable)
        result = ReplaceEmoticon(result, e.code, e.name, appFolder);
    return result;
}

// The rows whose code starts with ':' or '8', by the code's second character.
struct CodeIndex {
    std::array<std::vector<uint8_t>, 256> colon;
    std::array<std::vector<uint8_t>, 256> eight;
};

const CodeIndex& Index()
{
    static const CodeIndex index = [] {
        CodeIndex built;
        for (size_t r = 0; r < Rows; ++r) {
            const std::string_view code = EmoticonTable[r].code;
            auto& byFirst = code[0] == ':' ? built.colon : built.eight;
            byFirst[static_cast<unsigned char>(code[1])].push_back(static_cast<uint8_t>(r));
        }
        return built;
    }();
    return index;
}

// The start of every code of the table in `text`, by row, each row's in
// ascending order. Every code starts with ':' or '8' and is at least two
// characters long.
std::array<std::vector<size_t>, Rows> FindCodes(std::string_view text)
{
    std::array<std::vector<size_t>, Rows> found;
    const CodeIndex& index = Index();
    size_t colon = text.find(':');
    size_t eight = text.find('8');
    while (colon != std::string_view::npos || eight != std::string_view::npos) {
        const bool isColon = colon < eight;
        const size_t i = isColon ? colon : eight;
        if (i + 1 < text.size()) {
            const auto& rows = (isColon ? index.colon : index.eight)[static_cast<unsigned char>(text[i + 1])];
            for (uint8_t r : rows)
                if (text.compare(i, EmoticonTable[r].code.size(), EmoticonTable[r].code) == 0)
                    found[r].push_back(i);
        }
        if (isColon)
            colon = text.find(':', i + 1);
        else
            eight = text.find('8', i + 1);
    }
    return found;
}

}  // namespace

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
    if (code.empty())
        return std::string(text);
    std::string result;
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

// The rows one after the other, in one walk. A picture tag starts with "<"
// and ends with "\">", characters no code holds, so no code can straddle a
// tag's edge; when no tag holds a code either (see TagsHoldLaterCodes), row
// r replaces exactly those of its codes in the original text that overlap no
// code replaced by an earlier row, taken from left to right without overlap.
std::string ReplaceEmoticons(std::string_view text, std::string_view appFolder)
{
    std::string out;
    ReplaceEmoticons(text, appFolder, out);
    return out;
}

void ReplaceEmoticons(std::string_view text, std::string_view appFolder, std::string& out)
{
    const PictureTags tags = MakePictureTags(appFolder);
    if (TagsHoldLaterCodes(tags)) {
        out += ReplaceRowByRow(text, appFolder);
        return;
    }

    const auto found = FindCodes(text);
    std::vector<uint8_t> covered;  // per byte: Free, Inside, or 1 + the row whose code starts here
    for (size_t r = 0; r < Rows; ++r) {
        const size_t length = EmoticonTable[r].code.size();
        size_t rowEnd = 0;
        for (size_t at : found[r]) {
            if (at < rowEnd)
                continue;
            if (covered.empty())
                covered.assign(text.size(), Free);
            bool clear = true;
            for (size_t k = at; k < at + length && clear; ++k)
                clear = covered[k] == Free;
            if (!clear)
                continue;
            covered[at] = static_cast<uint8_t>(r + 1);
            for (size_t k = at + 1; k < at + length; ++k)
                covered[k] = Inside;
            rowEnd = at + length;
        }
    }
    if (covered.empty()) {
        out.append(text);
        return;
    }

    size_t length = text.size();
    for (size_t i = 0; i < text.size(); ++i)
        if (covered[i] != Free && covered[i] != Inside)
            length += tags[covered[i] - 1].size() - EmoticonTable[covered[i] - 1].code.size();
    ReserveFor(out, out.size() + length);
    size_t done = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const uint8_t mark = covered[i];
        if (mark == Free || mark == Inside)
            continue;
        out.append(text, done, i - done);
        out += tags[mark - 1];
        done = i + EmoticonTable[mark - 1].code.size();
        i = done - 1;
    }
    out.append(text, done);
}

}  // namespace Module2
