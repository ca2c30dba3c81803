// SPDX-License-Identifier: MIT
#include "board/Board.h"

#include "board/BoardProfile.h"
#include "board/PreviewPage.h"
#include "board/classic/BBCodeRenderer.h"

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

std::shared_ptr<const BoardDialect> Board::DialectFor(const BoardProfile&, const SiteFacts& site) const
{
    return std::make_shared<const ClassicDialect>(site.pictureFolder);
}
