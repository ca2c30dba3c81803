// SPDX-License-Identifier: MIT
#include "board/smf21/Smf21Board.h"

#include "base/HtmlText.h"
#include "board/BoardProfile.h"
#include "board/smf21/Smf21Forums.h"
#include "board/smf21/Smf21Page.h"
#include "board/smf21/Smf21Renderer.h"

#include <array>

namespace {

// SMF addresses boards and topics as board=N.S and topic=N.S, separates
// query parameters with ";", builds its index from board_N blocks, and puts
// a sequence number and its login and post actions into its forms.
constexpr std::array<std::string_view, 10> Markers = {
    "?board=",         "?topic=",        "id=\"boardindex_table\"", "class=\"up_contain", "?action=post;",
    "name=\"seqnum\"", "?action=login2", "id=\"postmodify\"",       "simplemachines.org", "id=\"footerfix\"",
};

// Its editor's sizes: a number from one to seven on its own scale, where
// three is the normal size; the same steps as the classic pixels.
constexpr std::array<std::string_view, 5> SizeSteps = {"1", "2", "3", "5", "6"};

// Its default smilies' codes for the classic faces (its :o is the shocked
// face, its :)) the laughing one, which it converts but hides from its own
// editor); it has no surprised, twisted, exclamation, question, idea or
// arrow face.
constexpr FaceCode Faces[] = {
    {":o", ""},        {":shock:", ":o"},   {":?", "???"},     {":lol:", ":))"}, {":x", ">:("},
    {":oops:", ":-["}, {":cry:", ":'("},   {":evil:", ">:D"}, {":twisted:", ""}, {":roll:", "::)"},
    {":wink:", ";)"},  {":!:", ""},        {":?:", ""},       {":idea:", ""},    {":arrow:", ""},
};

class Smf21Dialect final : public BoardDialect {
public:
    Smf21Dialect(const BoardProfile& profile, const SiteFacts& site)
    {
        // The smilies its posting page offered, then its defaults the page did
        // not show (those its editor hides still convert), with the program's
        // pictures of the same faces where it has them; and the board's
        // script for its quote links.
        m_smilies = site.Offering(profile.smilies, site.Pictured(Smf21::DefaultSmilies(""), "Smileys/fugue/"),
                                  [](const BoardSmiley& own, std::string picture) {
                                      return Smf21::Smiley{own.code, own.title, std::move(picture), false};
                                  });
        m_options.smilies = &m_smilies;
        if (!site.address.empty()) {
            m_options.scriptUrl = site.address + "index.php";
            m_options.siteOrigin = site.origin;
        }
        if (!profile.userName.empty())
            m_options.memberName = profile.userName;
    }
    Smf21Dialect(const Smf21Dialect&) = delete;
    Smf21Dialect& operator=(const Smf21Dialect&) = delete;

    BoardRendering Render(std::string_view post) const override
    {
        Smf21::Result result = Smf21::Render(post, m_options);
        return {std::move(result.html), std::move(result.errors)};
    }
    std::string PreviewPage(std::string_view post) const override { return Smf21::PreviewPage(post, m_options); }
    std::string LivePage() const override { return Smf21::LivePage(); }
    LivePreview::Rendered LivePost(std::string_view post) const override
    {
        return Smf21::LivePost(post, m_options);
    }
    BoardVerdict Check(bool, std::string_view, std::string_view body) const override
    {
        return {Smf21::Render(body, m_options).errors, false, 0};
    }
    std::optional<Length> Count(std::string_view body) const override
    {
        return Length{Smf21::CountCharacters(body), m_options.maxLength};
    }

private:
    std::vector<Smf21::Smiley> m_smilies;
    Smf21::Options m_options;
};

}  // namespace

std::span<const std::string_view> Smf21Board::PageMarkers() const { return Markers; }

std::string Smf21Board::SizeValue(size_t item) const
{
    return item < SizeSteps.size() ? std::string(SizeSteps[item]) : std::string();
}

std::optional<std::string> Smf21Board::EmoticonCode(std::string_view classicCode) const
{
    return CodeForFace(classicCode, Faces);
}

std::vector<BoardSmiley> Smf21Board::PostingPageSmilies(std::string_view html) const
{
    // The editor's smiley row, which its script writes into its toolbar:
    // each picture's alt is the code, its title the name.
    std::vector<BoardSmiley> smilies;
    const size_t start = html.find("sceditor-insertemoticon");
    if (start == std::string_view::npos)
        return smilies;
    const std::string_view box = html.substr(start, html.find("</div></div>", start) - start);
    for (auto tag = HtmlText::NextStartTag(box, "img", 0); tag; tag = HtmlText::NextStartTag(box, "img", tag->end)) {
        BoardSmiley smiley;
        smiley.code = HtmlText::Attribute(tag->text, "alt").value_or(std::string());
        smiley.title = HtmlText::Attribute(tag->text, "title").value_or(std::string());
        smiley.picture = HtmlText::Attribute(tag->text, "src").value_or(std::string());
        if (IsSmileyCode(smiley.code) && !smiley.picture.empty())
            smilies.push_back(std::move(smiley));
    }
    return smilies;
}

std::span<const BoardTag> Smf21Board::OwnTags() const
{
    // What the board's editor toolbar writes beyond the program's buttons.
    static const std::vector<BoardTag> tags = {
        {"s", "Strikethrough: [s]text[/s]"},
        {"sup", "Superscript: [sup]text[/sup]"},
        {"sub", "Subscript: [sub]text[/sub]"},
        {"pre", "Preformatted text: [pre]text[/pre]"},
        {"left", "Left align: [left]text[/left]"},
        {"center", "Centre: [center]text[/center]"},
        {"right", "Right align: [right]text[/right]"},
        {"justify", "Justify: [justify]text[/justify]"},
        {"font=", "Font: [font=Verdana]text[/font]"},
        {"float=", "Float: [float=left max=45%]text[/float], or right"},
        {"youtube", "YouTube video: [youtube]video id or address[/youtube]"},
        {"email", "E-mail: [email]name@example.org[/email] or [email=name@example.org]text[/email]"},
        {"table", "Table: [table][tr][td]cell[/td][/tr][/table]"},
        {"tr", "Table row: [tr][td]cell[/td][/tr]"},
        {"td", "Table cell: [td]cell[/td]"},
        {"hr", "Horizontal rule: [hr]", true},
    };
    return tags;
}

std::string Smf21Board::PosterName(std::string_view html) const
{
    // A member's header: the profile menu's label, or the greeting
    // "Hello NAME" of the older theme.
    if (const size_t menu = html.find("id=\"profile_menu_top\""); menu != std::string_view::npos) {
        std::string name = TextAfter(html.substr(menu, 2000), "class=\"textmenu\">");
        if (!name.empty())
            return name;
    }
    if (const size_t welcome = html.find("class=\"welcome\">Hello "); welcome != std::string_view::npos)
        return TextAfter(html.substr(welcome, 400), "Hello ");
    return {};
}

std::string Smf21Board::QuoteOpening(std::string_view poster) const { return Smf21::QuoteOpening(poster); }

std::string Smf21Board::OpeningTag(std::string_view word) const
{
    // SMF has no [list=1]: it would show the tag as text after an empty
    // list. Its numbered lists name their list style.
    static constexpr std::pair<std::string_view, std::string_view> Lists[] = {
        {"list=", "decimal"}, {"list=1", "decimal"}, {"list=a", "lower-alpha"}, {"list=i", "lower-roman"}};
    for (const auto& [list, style] : Lists)
        if (word == list)
            return "[list type=" + std::string(style) + "]";
    return Board::OpeningTag(word);
}

ForumScan::Result Smf21Board::ForumsOf(std::string_view page) const { return Smf21::Forums(page); }

std::vector<PostingMode> Smf21Board::ModesToTry(bool reply, std::optional<PostingMode>) const
{
    return OnePagePerKind(reply);
}

std::string Smf21Board::PostingAddressStart(PostingMode mode) const
{
    return mode == PostingMode::Reply ? "index.php?action=post;topic=" : "index.php?action=post;board=";
}

std::shared_ptr<const BoardDialect> Smf21Board::DialectFor(const BoardProfile& profile, const SiteFacts& site) const
{
    return std::make_shared<const Smf21Dialect>(profile, site);
}
