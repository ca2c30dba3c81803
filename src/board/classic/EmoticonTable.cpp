// SPDX-License-Identifier: MIT
#include "board/classic/EmoticonTable.h"

#include "board/common/Reserve.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace bbcode {
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

// The bytes that some code holds. The text may be cut after any other byte:
// no code stands across such a cut.
const std::array<bool, 256>& CodeBytes()
{
    static const std::array<bool, 256> bytes = [] {
        std::array<bool, 256> in{};
        for (const Emoticon& e : EmoticonTable)
            for (char c : e.code)
                in[static_cast<unsigned char>(c)] = true;
        return in;
    }();
    return bytes;
}

// The pass works on pieces of about this size, each cut where no code stands
// across the cut.
constexpr size_t PieceSize = size_t(64) << 10;

// The length of the piece that `text` starts with.
size_t PieceLength(std::string_view text)
{
    if (text.size() <= PieceSize)
        return text.size();
    const std::array<bool, 256>& codeBytes = CodeBytes();
    for (size_t i = PieceSize; i < text.size(); ++i)
        if (!codeBytes[static_cast<unsigned char>(text[i])])
            return i + 1;
    return text.size();
}

// The codes that the row by row replacement replaces in one piece of text.
// A picture tag starts with "<" and ends with "\">", characters no code
// holds, so no code can straddle a tag's edge; when no tag holds a code
// either (see TagsHoldLaterCodes), row r replaces exactly those of its codes
// in the original text that overlap no code replaced by an earlier row,
// taken from left to right without overlap. Whether a code is replaced
// depends only on the codes it overlaps, so pieces cut where no code stands
// across the cut are marked one at a time. The tables are kept from piece to
// piece.
class CodeMarks {
public:
    explicit CodeMarks(const PictureTags& tags) : m_tags(tags) {}

    // Marks the codes of `piece`; false when it holds none to replace.
    bool Mark(std::string_view piece)
    {
        FindCodes(piece);
        m_covered.clear();
        m_growth = 0;
        for (size_t r = 0; r < Rows; ++r) {
            const size_t length = EmoticonTable[r].code.size();
            size_t rowEnd = 0;
            for (size_t at : m_found[r]) {
                if (at < rowEnd)
                    continue;
                if (m_covered.empty())
                    m_covered.assign(piece.size(), Free);
                bool clear = true;
                for (size_t k = at; k < at + length && clear; ++k)
                    clear = m_covered[k] == Free;
                if (!clear)
                    continue;
                m_covered[at] = static_cast<uint8_t>(r + 1);
                for (size_t k = at + 1; k < at + length; ++k)
                    m_covered[k] = Inside;
                rowEnd = at + length;
                m_growth += m_tags[r].size() - length;
            }
        }
        return !m_covered.empty();
    }

    // How much longer the marked piece gets.
    size_t Growth() const { return m_growth; }

    // The marked piece, read from `from`, with its codes replaced, written
    // to `to`. `to` may lie before `from` and overlap the piece, as long as
    // the result written never passes what is still to be read.
    char* Write(const char* from, size_t length, char* to) const
    {
        size_t done = 0;
        for (size_t i = 0; i < length; ++i) {
            const uint8_t mark = m_covered[i];
            if (mark == Free || mark == Inside)
                continue;
            std::memmove(to, from + done, i - done);
            to += i - done;
            const std::string& tag = m_tags[mark - 1];
            std::memcpy(to, tag.data(), tag.size());
            to += tag.size();
            done = i + EmoticonTable[mark - 1].code.size();
            i = done - 1;
        }
        std::memmove(to, from + done, length - done);
        return to + (length - done);
    }

private:
    // The start of every code of the table in `text`, by row, each row's in
    // ascending order. Every code starts with ':' or '8' and is at least two
    // characters long.
    void FindCodes(std::string_view text)
    {
        for (std::vector<size_t>& row : m_found)
            row.clear();
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
                        m_found[r].push_back(i);
            }
            if (isColon)
                colon = text.find(':', i + 1);
            else
                eight = text.find('8', i + 1);
        }
    }

    const PictureTags& m_tags;
    std::array<std::vector<size_t>, Rows> m_found;
    std::vector<uint8_t> m_covered;  // per byte: Free, Inside, or 1 + the row whose code starts here
    size_t m_growth = 0;
};

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

void ReplaceEmoticonsInPlace(std::string& text, std::string_view appFolder, std::string_view before,
                             std::string_view after)
{
    const PictureTags tags = MakePictureTags(appFolder);
    if (TagsHoldLaterCodes(tags)) {
        std::string result = ReplaceRowByRow(text, appFolder);
        text.clear();
        text.reserve(before.size() + result.size() + after.size());
        text += before;
        text += result;
        text += after;
        return;
    }

    // First the length of the result, then the text moves to the end of
    // that room and the result is written from the front: after each piece
    // the result is at most as far on as the text still to be read.
    CodeMarks marks(tags);
    const size_t length = text.size();
    size_t growth = 0;
    for (size_t from = 0; from < length;) {
        const size_t piece = PieceLength(std::string_view(text).substr(from));
        if (marks.Mark(std::string_view(text).substr(from, piece)))
            growth += marks.Growth();
        from += piece;
    }
    const size_t start = before.size() + growth;
    ReserveExactly(text, start + length + after.size());
    text.resize(start + length + after.size());
    char* data = text.data();
    std::memmove(data + start, data, length);
    before.copy(data, before.size());
    if (growth > 0) {
        char* to = data + before.size();
        for (size_t from = 0; from < length;) {
            const std::string_view rest(data + start + from, length - from);
            const size_t piece = PieceLength(rest);
            if (marks.Mark(rest.substr(0, piece)))
                to = marks.Write(rest.data(), piece, to);
            else
                to = static_cast<char*>(std::memmove(to, rest.data(), piece)) + piece;
            from += piece;
        }
    }
    after.copy(data + start + length, after.size());
}

}  // namespace bbcode
