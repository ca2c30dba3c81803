// SPDX-License-Identifier: MIT
#include "board/BoardProfile.h"

#include "base/HtmlText.h"
#include "board/Boards.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace {

constexpr size_t npos = std::string_view::npos;

// The number the posting page's tag buttons start with for the board's own
// tags: the standard buttons use addbbcode0 to addbbcode20 (the size list
// is addbbcode20), and the board's own follow from 22, two by two.
constexpr long FirstBoardTagNumber = 22;

std::optional<long> Number(std::string_view text)
{
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// The element that holds the attribute id="..." with `id`; the rest of the
// page from its start tag on, up to the first "</div>" after it (the boxes
// read here hold no blocks of their own).
std::string_view Box(std::string_view html, std::string_view id)
{
    const std::string marker = "id=\"" + std::string(id) + "\"";
    const size_t at = html.find(marker);
    if (at == npos)
        return {};
    const size_t end = html.find("</div>", at);
    return html.substr(at, end == npos ? npos : end - at);
}

}  // namespace

bool IsSmileyCode(std::string_view code)
{
    // SMF's ":-[" is a face; "[b]" would be a tag.
    const bool tag = code.size() > 1 && code.front() == '[' && code.back() == ']';
    return !code.empty() && code.size() <= 50 && !tag && code.find_first_of(" \t\r\n") == std::string_view::npos;
}

std::vector<BoardSmiley> SmileyBoxSmilies(std::string_view html)
{
    std::vector<BoardSmiley> smilies;
    const std::string_view box = Box(html, "smiley-box");
    for (auto tag = HtmlText::NextStartTag(box, "img", 0); tag; tag = HtmlText::NextStartTag(box, "img", tag->end)) {
        BoardSmiley smiley;
        smiley.code = HtmlText::Attribute(tag->text, "alt").value_or(std::string());
        smiley.title = HtmlText::Attribute(tag->text, "title").value_or(std::string());
        smiley.picture = HtmlText::Attribute(tag->text, "src").value_or(std::string());
        smiley.width = int(Number(HtmlText::Attribute(tag->text, "width").value_or("")).value_or(0));
        smiley.height = int(Number(HtmlText::Attribute(tag->text, "height").value_or("")).value_or(0));
        if (!IsSmileyCode(smiley.code) || smiley.picture.empty())
            continue;
        smilies.push_back(std::move(smiley));
    }
    return smilies;
}

namespace {

// A tag name a button may carry: letters, digits, "-", "_" and "*", with an
// optional "=" at its end.
bool IsTagName(std::string_view name)
{
    if (!name.empty() && name.back() == '=')
        name.remove_suffix(1);
    if (name.empty() || name.size() > 30)
        return false;
    for (char c : name)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_'
              || c == '*'))
            return false;
    return true;
}

// The board's own tag buttons, and the largest size its size list offers.
void TagButtons(std::string_view html, BoardProfile& profile)
{
    constexpr std::string_view Prefix = "addbbcode";
    constexpr std::string_view Marker = "name=\"addbbcode";
    for (size_t at = html.find(Marker); at != npos; at = html.find(Marker, at + Marker.size())) {
        const size_t open = html.substr(0, at).rfind('<');
        const size_t close = html.find('>', at);
        if (open == npos || close == npos)
            continue;
        const std::string_view tag = html.substr(open, close + 1 - open);
        const std::string name = HtmlText::Attribute(tag, "name").value_or("");
        const std::optional<long> number = Number(std::string_view(name).substr(Prefix.size()));
        if (!number)
            continue;
        if (*number == 20 && tag.substr(0, 7) == "<select") {
            const size_t listEnd = html.find("</select>", close);
            const std::string_view list = html.substr(close, listEnd == npos ? npos : listEnd - close);
            long largest = 0;
            for (auto option = HtmlText::NextStartTag(list, "option", 0); option;
                 option = HtmlText::NextStartTag(list, "option", option->end))
                largest =
                    std::max(largest, Number(HtmlText::Attribute(option->text, "value").value_or("")).value_or(0));
            if (largest > 0 && largest < 200)
                profile.maxFontSize = largest;
            continue;
        }
        if (*number < FirstBoardTagNumber)
            continue;
        BoardTag boardTag{HtmlText::Attribute(tag, "value").value_or(""),
                          HtmlText::Attribute(tag, "title").value_or("")};
        if (!IsTagName(boardTag.name))
            continue;
        bool known = false;
        for (const BoardTag& other : profile.tags)
            known = known || other.name == boardTag.name;
        if (!known)
            profile.tags.push_back(std::move(boardTag));
    }
}

// The most characters a post may hold when the page says so ("... may
// contain no more than <strong>60000</strong> characters").
size_t MaxChars(std::string_view html)
{
    const size_t at = html.find("no more than");
    if (at == npos)
        return 0;
    size_t digit = html.find_first_of("0123456789", at);
    if (digit == npos || digit > at + 40)
        return 0;
    size_t end = digit;
    while (end < html.size() && html[end] >= '0' && html[end] <= '9')
        ++end;
    return size_t(Number(html.substr(digit, end - digit)).value_or(0));
}

}  // namespace

std::string BoardTag::Closing() const
{
    if (single)
        return {};
    std::string_view bare = name;
    if (!bare.empty() && bare.back() == '=')
        bare.remove_suffix(1);
    return "[/" + std::string(bare) + "]";
}

const Board& BoardProfile::Kind() const
{
    if (chosen)
        return *chosen;
    return found ? *found : Boards::Classic();
}

std::string BoardProfile::Description() const
{
    if (!found)
        return "Board: not known yet";
    std::string text = "Board: " + std::string(found->Name());
    if (foundOn == FoundOn::IndexPage)
        text += ", found on the index page";
    else if (foundOn == FoundOn::PostingPage)
        text += ", found on the posting page";
    return text;
}

BoardProfile ScanPostingPage(std::string_view html)
{
    BoardProfile profile;
    profile.found = Boards::FromPage(html);
    profile.foundOn = FoundOn::PostingPage;
    profile.smilies = (profile.found ? *profile.found : Boards::Classic()).PostingPageSmilies(html);
    TagButtons(html, profile);
    profile.maxChars = MaxChars(html);
    profile.userName = (profile.found ? *profile.found : Boards::Classic()).PosterName(html);
    return profile;
}
