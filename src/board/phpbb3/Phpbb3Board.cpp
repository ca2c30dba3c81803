// SPDX-License-Identifier: MIT
#include "board/phpbb3/Phpbb3Board.h"

#include "board/BoardProfile.h"
#include "board/phpbb3/Phpbb3Forums.h"
#include "board/phpbb3/Phpbb3Page.h"
#include "board/phpbb3/Phpbb3Renderer.h"

#include <array>
#include <utility>

namespace {

// phpBB 3 addresses its pages from the board folder ("./viewforum.php"),
// keeps the user control panel in ucp.php, marks its forum links and its
// body, and puts form keys into every form. (phpBB 3.0's second style also
// writes class="forumlink", as phpBB 2 does, so that class is not used.)
constexpr std::array<std::string_view, 9> Markers = {
    "./viewforum.php?",       "ucp.php?mode=",   "class=\"forumtitle",  "id=\"phpbb\"",  "name=\"form_token\"",
    "name=\"creation_time\"", "id=\"postform\"", "./posting.php?mode=", "phpBB Limited",
};

// The classic emoticon codes whose face phpBB 3 writes otherwise.
constexpr FaceCode Faces[] = {{"8)", "8-)"}};

class Phpbb3Dialect final : public BoardDialect {
public:
    Phpbb3Dialect(const BoardProfile& profile, const SiteFacts& site)
    {
        if (!profile.smilies.empty()) {
            // The board's own smilies, from the picture cache once fetched.
            for (const BoardSmiley& own : profile.smilies)
                m_smilies.push_back({own.code, own.title, site.Picture(own.picture), own.width, own.height});
        } else {
            // Its default smilies, with the program's pictures of the same
            // faces where it has them.
            m_smilies = site.Pictured(Phpbb3::DefaultSmilies(""),
                                      site.address.empty() ? "./images/smilies/" : "images/smilies/");
        }
        m_options.smilies = &m_smilies;
        if (profile.maxChars > 0)
            m_options.limits.maxChars = profile.maxChars;
        if (profile.maxFontSize > 0)
            m_options.limits.maxFontSize = profile.maxFontSize;
    }
    Phpbb3Dialect(const Phpbb3Dialect&) = delete;
    Phpbb3Dialect& operator=(const Phpbb3Dialect&) = delete;

    BoardRendering Render(std::string_view post) const override
    {
        Phpbb3::Result result = Phpbb3::Render(post, m_options);
        return {std::move(result.html), std::move(result.errors)};
    }
    std::string PreviewPage(std::string_view post) const override
    {
        return Phpbb3::PreviewPage(post, m_options);
    }
    std::string LivePage() const override { return Phpbb3::LivePage(); }
    LivePreview::Rendered LivePost(std::string_view post) const override
    {
        return Phpbb3::LivePost(post, m_options);
    }
    BoardVerdict Check(bool, std::string_view, std::string_view body) const override
    {
        Phpbb3::Result rendered = Phpbb3::Render(body, m_options);
        return {std::move(rendered.errors), rendered.quotesRemoved, m_options.limits.maxQuoteDepth};
    }
    std::optional<Length> Count(std::string_view body) const override
    {
        return Length{Phpbb3::CountCharacters(body), m_options.limits.maxChars};
    }

private:
    std::vector<Phpbb3::Smiley> m_smilies;
    Phpbb3::Options m_options;
};

}  // namespace

std::span<const std::string_view> Phpbb3Board::PageMarkers() const { return Markers; }

std::string Phpbb3Board::SizeValue(size_t item) const
{
    return item < SizeScale::Percentages.size() ? std::to_string(SizeScale::Percentages[item]) : std::string();
}

std::optional<std::string> Phpbb3Board::EmoticonCode(std::string_view classicCode) const
{
    return CodeForFace(classicCode, Faces);
}

ForumScan::Result Phpbb3Board::ForumsOf(std::string_view page) const
{
    // A style that marks no forum row is read as any other board's page.
    if (std::optional<ForumScan::Result> found = Phpbb3::Forums(page))
        return std::move(*found);
    return Board::ForumsOf(page);
}

std::shared_ptr<const BoardDialect> Phpbb3Board::DialectFor(const BoardProfile& profile, const SiteFacts& site) const
{
    return std::make_shared<const Phpbb3Dialect>(profile, site);
}
