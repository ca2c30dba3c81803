// SPDX-License-Identifier: MIT
#include "board/Board.h"

#include "base/HtmlText.h"
#include "board/BoardProfile.h"
#include "board/PreviewPage.h"
#include "board/classic/BBCodeRenderer.h"
#include "board/common/Ascii.h"

namespace {

// The classic dialect: the program's own renderer, with its pictures read
// from the program's folder; it refuses nothing.
class ClassicDialect final : public BoardDialect {
public:
    explicit ClassicDialect(std::string pictureFolder) : m_pictureFolder(std::move(pictureFolder)) {}

    BoardRendering Render(std::string_view post) const override
    {
        return {bbcode::RenderBBCode(post, m_pictureFolder), {}};
    }
    std::string PreviewPage(std::string_view post) const override { return PreviewPage::Build(post, m_pictureFolder); }
    std::string LivePage() const override { return LivePreview::ClassicPage(); }
    LivePreview::Rendered LivePost(std::string_view post) const override
    {
        return LivePreview::RenderClassic(post, m_pictureFolder);
    }
    BoardVerdict Check(bool, std::string_view, std::string_view) const override { return {}; }

private:
    std::string m_pictureFolder;
};

}  // namespace

std::optional<std::string> CodeForFace(std::string_view classicCode, std::span<const FaceCode> faces)
{
    const size_t start = classicCode.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return std::string(classicCode);
    const size_t end = classicCode.find_last_not_of(' ') + 1;
    const std::string_view bare = classicCode.substr(start, end - start);
    for (const FaceCode& face : faces)
        if (face.classic == bare) {
            if (face.own.empty())
                return std::nullopt;
            return std::string(classicCode.substr(0, start)) + std::string(face.own)
                + std::string(classicCode.substr(end));
        }
    return std::string(classicCode);
}

std::string Board::SizeValue(size_t item) const
{
    return item < SizeScale::Pixels.size() ? std::to_string(SizeScale::Pixels[item]) : std::string();
}

std::vector<BoardSmiley> Board::PostingPageSmilies(std::string_view html) const { return SmileyBoxSmilies(html); }

std::string Board::QuoteOpening(std::string_view poster) const { return "[quote=\"" + std::string(poster) + "\"]"; }

ForumScan::Result Board::ForumsOf(std::string_view page) const
{
    return ForumScan::Scan(ForumScan::WithUpperCaseLinkEnds(page));
}

std::vector<PostingMode> Board::ModesToTry(bool reply, std::optional<PostingMode> remembered) const
{
    if (reply)
        return {PostingMode::Reply};
    if (remembered == PostingMode::NewTopic)
        return {PostingMode::NewTopic, PostingMode::Post};
    return {PostingMode::Post, PostingMode::NewTopic};
}

std::string Board::PostingAddressStart(PostingMode mode) const
{
    switch (mode) {
    case PostingMode::Post:
        return "posting.php?mode=post&f=";
    case PostingMode::NewTopic:
        return "posting.php?mode=newtopic&f=";
    case PostingMode::Reply:
        break;
    }
    return "posting.php?mode=reply&t=";
}

std::string Board::PostingAddress(std::string_view siteAddress, PostingMode mode, std::string_view number) const
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    while (!number.empty() && (number.front() == ' ' || number.front() == '\t'))
        number.remove_prefix(1);
    while (!number.empty() && (number.back() == ' ' || number.back() == '\t'))
        number.remove_suffix(1);
    std::string address(siteAddress);
    address += PostingAddressStart(mode);
    for (const char c : number) {
        if (Ascii::IsAlnum(c) || c == '-' || c == '.' || c == '_' || c == '~') {
            address += c;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            address += '%';
            address += Hex[byte >> 4];
            address += Hex[byte & 15];
        }
    }
    address += PostingAddressEnd();
    return address;
}

std::string Board::TextAfter(std::string_view html, std::string_view marker)
{
    size_t at = html.find(marker);
    if (at == std::string_view::npos)
        return {};
    at += marker.size();
    while (true) {
        while (at < html.size() && Ascii::IsSpace(html[at]))
            ++at;
        if (at >= html.size() || html[at] != '<')
            break;
        const size_t end = html.find('>', at);
        if (end == std::string_view::npos)
            return {};
        at = end + 1;
    }
    const size_t end = std::min(html.find('<', at), html.size());
    std::string_view text = html.substr(at, end - at);
    while (!text.empty() && Ascii::IsSpace(text.back()))
        text.remove_suffix(1);
    return HtmlText::DecodeReferences(text);
}

std::shared_ptr<const BoardDialect> Board::DialectFor(const BoardProfile&, const SiteFacts& site) const
{
    return std::make_shared<const ClassicDialect>(site.pictureFolder);
}
