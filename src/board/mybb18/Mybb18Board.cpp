// SPDX-License-Identifier: MIT
#include "board/mybb18/Mybb18Board.h"

#include "base/HtmlText.h"
#include "board/BoardProfile.h"
#include "board/mybb18/Mybb18Forums.h"
#include "board/mybb18/Mybb18Page.h"
#include "board/mybb18/Mybb18Renderer.h"

#include <array>

namespace {

// MyBB links its forums and threads by fid and tid (or, with search-engine
// friendly addresses, forum-N.html), marks its forum rows with a status
// span, wraps its templates in "start:" comments, and keeps my_post_key in
// its forms and the quick-login box in every guest page.
constexpr std::array<std::string_view, 10> Markers = {
    "forumdisplay.php?fid=", "showthread.php?tid=", "class=\"forum_status", "<!-- start: ",
    "name=\"my_post_key\"",  "id=\"quick_login\"",  "newthread.php?fid=",   "newreply.php?tid=",
    "member.php?action=",    "https://mybb.com",
};

// Its editor's sizes: the same steps as the classic pixels (about 0.6,
// 0.75, 1, 1.5 and 2 times the normal size), by name.
constexpr std::array<std::string_view, 5> SizeNames = {"x-small", "small", "medium", "x-large", "xx-large"};

// Its default smilies' codes for the classic faces; it has no surprised,
// shocked, laughing, evil, twisted or question face.
constexpr FaceCode Faces[] = {
    {":o", ""},         {":shock:", ""},      {":?", ":s"},        {"8)", ":cool:"},  {":lol:", ""},
    {":x", ":@"},       {":oops:", ":blush:"}, {":evil:", ""},       {":twisted:", ""}, {":roll:", ":rolleyes:"},
    {":wink:", ";)"},   {":!:", ":exclamation:"}, {":?:", ""},
};

// The length of the blank, line break or no-break space that `text` starts
// with (`atEnd`: ends with); 0 when none.
size_t BlankLength(std::string_view text, bool atEnd)
{
    constexpr std::string_view NoBreakSpace = "\xC2\xA0";
    if (text.empty())
        return 0;
    const char c = atEnd ? text.back() : text.front();
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v')
        return 1;
    if (text.size() >= 2 && (atEnd ? text.substr(text.size() - 2) : text.substr(0, 2)) == NoBreakSpace)
        return 2;
    return 0;
}

// The characters (code points) of a UTF-8 text.
size_t Characters(std::string_view text)
{
    size_t count = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    return count;
}

// The posting form's check of the subject: at most 85 characters, blanks
// around it and a reply's "RE: " not counted. An empty subject (the
// board keeps its own) passes.
std::vector<std::string> SubjectErrors(bool reply, std::string_view title)
{
    while (const size_t length = BlankLength(title, false))
        title.remove_prefix(length);
    while (const size_t length = BlankLength(title, true))
        title.remove_suffix(length);
    if (reply && title.substr(0, 4) == "RE: ")
        title.remove_prefix(4);
    if (Characters(title) <= 85)
        return {};
    return {"The subject is too long. Please enter a subject shorter than 85 characters (currently "
            + std::to_string(Characters(title)) + ")."};
}

// The code a clickable smilie's onclick inserts: "MyBBEditor.insertText(' :) ');",
// with "\\" and "\'" escaped, the blanks around it left out.
std::string InsertedCode(std::string_view onclick)
{
    constexpr std::string_view Call = "insertText('";
    const size_t start = onclick.find(Call);
    if (start == std::string_view::npos)
        return {};
    std::string code;
    for (size_t at = start + Call.size(); at < onclick.size(); ++at) {
        if (onclick[at] == '\'')
            break;
        if (onclick[at] == '\\' && at + 1 < onclick.size())
            ++at;
        code += onclick[at];
    }
    const size_t first = code.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return code.substr(first, code.find_last_not_of(' ') + 1 - first);
}

// The number N of the class "smilie_N"; 0 when none.
int SmilieNumber(std::string_view classes)
{
    constexpr std::string_view Prefix = "smilie_";
    for (size_t at = classes.find(Prefix); at != std::string_view::npos; at = classes.find(Prefix, at + 1)) {
        int number = 0;
        size_t digit = at + Prefix.size();
        while (digit < classes.size() && classes[digit] >= '0' && classes[digit] <= '9' && number < 1000000)
            number = number * 10 + (classes[digit++] - '0');
        if (digit > at + Prefix.size() && (digit == classes.size() || classes[digit] == ' '))
            return number;
    }
    return 0;
}

class Mybb18Dialect final : public BoardDialect {
public:
    Mybb18Dialect(const BoardProfile& profile, const SiteFacts& site)
    {
        // The smilies its posting page offered, then its defaults the page did
        // not show (its "get more" ones), which still convert, with the
        // program's pictures of the same faces where it has them; and the
        // site's address for its quote links.
        m_smilies = site.Offering(profile.smilies, site.Pictured(Mybb18::DefaultSmilies(""), "images/smilies/"),
                                  [](const BoardSmiley& own, std::string picture) {
                                      return Mybb18::Smiley{own.code, own.title, std::move(picture), own.id};
                                  });
        m_options.smilies = &m_smilies;
        std::string_view board = site.address;
        while (!board.empty() && board.back() == '/')
            board.remove_suffix(1);
        m_options.boardUrl = std::string(board);
        m_options.userName = profile.userName;
    }
    Mybb18Dialect(const Mybb18Dialect&) = delete;
    Mybb18Dialect& operator=(const Mybb18Dialect&) = delete;

    BoardRendering Render(std::string_view post) const override
    {
        Mybb18::Result result = Mybb18::Render(post, m_options);
        return {std::move(result.html), std::move(result.errors)};
    }
    std::string PreviewPage(std::string_view post) const override
    {
        return Mybb18::PreviewPage(post, m_options);
    }
    std::string LivePage() const override { return Mybb18::LivePage(); }
    LivePreview::Rendered LivePost(std::string_view post) const override
    {
        return Mybb18::LivePost(post, m_options);
    }
    BoardVerdict Check(bool reply, std::string_view title, std::string_view body) const override
    {
        BoardVerdict verdict;
        verdict.errors = SubjectErrors(reply, title);
        for (std::string& error : Mybb18::Render(body, m_options).errors)
            verdict.errors.push_back(std::move(error));
        return verdict;
    }
    std::optional<Length> Count(std::string_view body) const override
    {
        return Length{Mybb18::CountBytes(body), m_options.limits.maxBytes};
    }

private:
    std::vector<Mybb18::Smiley> m_smilies;
    Mybb18::Options m_options;
};

}  // namespace

std::span<const std::string_view> Mybb18Board::PageMarkers() const { return Markers; }

std::string Mybb18Board::SizeValue(size_t item) const
{
    return item < SizeNames.size() ? std::string(SizeNames[item]) : std::string();
}

std::optional<std::string> Mybb18Board::EmoticonCode(std::string_view classicCode) const
{
    return CodeForFace(classicCode, Faces);
}

std::vector<BoardSmiley> Mybb18Board::PostingPageSmilies(std::string_view html) const
{
    // The clickable smilies beside the editor: a table of pictures, each
    // inserting its code when clicked.
    std::vector<BoardSmiley> smilies;
    const size_t start = html.find("id=\"clickable_smilies\"");
    if (start == std::string_view::npos)
        return smilies;
    const std::string_view box = html.substr(start, html.find("</table>", start) - start);
    for (auto tag = HtmlText::NextStartTag(box, "img", 0); tag; tag = HtmlText::NextStartTag(box, "img", tag->end)) {
        BoardSmiley smiley;
        smiley.code = InsertedCode(HtmlText::Attribute(tag->text, "onclick").value_or(std::string()));
        smiley.title = HtmlText::Attribute(tag->text, "title").value_or(std::string());
        smiley.picture = HtmlText::Attribute(tag->text, "src").value_or(std::string());
        smiley.id = SmilieNumber(HtmlText::Attribute(tag->text, "class").value_or(std::string()));
        if (IsSmileyCode(smiley.code) && !smiley.picture.empty())
            smilies.push_back(std::move(smiley));
    }
    return smilies;
}

std::span<const BoardTag> Mybb18Board::OwnTags() const
{
    // What the board's editor toolbar writes beyond the program's buttons.
    static const std::vector<BoardTag> tags = {
        {"s", "Strikethrough: [s]text[/s]"},
        {"align=", "Align: [align=left], center, right or justify"},
        {"font=", "Font: [font=Verdana]text[/font]"},
        {"hr", "Horizontal rule: [hr]", true},
        {"email", "E-mail: [email]name@example.org[/email] or [email=name@example.org]text[/email]"},
        {"video=", "Video: [video=youtube]address[/video]; also dailymotion, facebook, liveleak, metacafe, "
                   "mixer, vimeo, twitch"},
        {"php", "PHP code: [php]code[/php]"},
    };
    return tags;
}

std::string Mybb18Board::PosterName(std::string_view html) const
{
    // A member's header: "Welcome back, NAME"; a page refused for want of a
    // permission: "logged in with the username: 'NAME'".
    if (const size_t welcome = html.find("class=\"welcome\""); welcome != std::string_view::npos) {
        std::string name = TextAfter(html.substr(welcome, 600), "Welcome back, ");
        if (!name.empty())
            return name;
    }
    constexpr std::string_view Refused = "logged in with the username: '";
    const size_t at = html.find(Refused);
    if (at == std::string_view::npos)
        return {};
    const size_t start = at + Refused.size();
    const size_t end = html.find("'", start);
    if (end == std::string_view::npos || end - start > 200)
        return {};
    return HtmlText::DecodeReferences(html.substr(start, end - start));
}

std::string Mybb18Board::QuoteOpening(std::string_view poster) const { return Mybb18::QuoteOpening(poster); }

ForumScan::Result Mybb18Board::ForumsOf(std::string_view page) const { return Mybb18::Forums(page); }

std::vector<PostingMode> Mybb18Board::ModesToTry(bool reply, std::optional<PostingMode>) const
{
    return OnePagePerKind(reply);
}

std::string Mybb18Board::PostingAddressStart(PostingMode mode) const
{
    return mode == PostingMode::Reply ? "newreply.php?tid=" : "newthread.php?fid=";
}

std::shared_ptr<const BoardDialect> Mybb18Board::DialectFor(const BoardProfile& profile, const SiteFacts& site) const
{
    return std::make_shared<const Mybb18Dialect>(profile, site);
}
