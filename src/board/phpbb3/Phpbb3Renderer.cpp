// SPDX-License-Identifier: MIT
#include "board/phpbb3/Phpbb3Renderer.h"

#include "board/phpbb3/Phpbb3Html.h"
#include "board/phpbb3/Phpbb3Parser.h"
#include "board/phpbb3/Phpbb3Text.h"

namespace Phpbb3 {

std::vector<Smiley> DefaultSmilies(std::string_view pictureFolder)
{
    struct Row {
        const char* code;
        const char* emotion;
        const char* file;
        int width, height;
    };
    static constexpr Row Rows[] = {
        {":D", "Very Happy", "icon_e_biggrin.gif", 15, 17},
        {":-D", "Very Happy", "icon_e_biggrin.gif", 15, 17},
        {":grin:", "Very Happy", "icon_e_biggrin.gif", 15, 17},
        {":)", "Smile", "icon_e_smile.gif", 15, 17},
        {":-)", "Smile", "icon_e_smile.gif", 15, 17},
        {":smile:", "Smile", "icon_e_smile.gif", 15, 17},
        {";)", "Wink", "icon_e_wink.gif", 15, 17},
        {";-)", "Wink", "icon_e_wink.gif", 15, 17},
        {":wink:", "Wink", "icon_e_wink.gif", 15, 17},
        {":(", "Sad", "icon_e_sad.gif", 15, 17},
        {":-(", "Sad", "icon_e_sad.gif", 15, 17},
        {":sad:", "Sad", "icon_e_sad.gif", 15, 17},
        {":o", "Surprised", "icon_e_surprised.gif", 15, 17},
        {":-o", "Surprised", "icon_e_surprised.gif", 15, 17},
        {":eek:", "Surprised", "icon_e_surprised.gif", 15, 17},
        {":shock:", "Shocked", "icon_eek.gif", 15, 17},
        {":?", "Confused", "icon_e_confused.gif", 15, 17},
        {":-?", "Confused", "icon_e_confused.gif", 15, 17},
        {":???:", "Confused", "icon_e_confused.gif", 15, 17},
        {"8-)", "Cool", "icon_cool.gif", 15, 17},
        {":cool:", "Cool", "icon_cool.gif", 15, 17},
        {":lol:", "Laughing", "icon_lol.gif", 15, 17},
        {":x", "Mad", "icon_mad.gif", 15, 17},
        {":-x", "Mad", "icon_mad.gif", 15, 17},
        {":mad:", "Mad", "icon_mad.gif", 15, 17},
        {":P", "Razz", "icon_razz.gif", 15, 17},
        {":-P", "Razz", "icon_razz.gif", 15, 17},
        {":razz:", "Razz", "icon_razz.gif", 15, 17},
        {":oops:", "Embarrassed", "icon_redface.gif", 15, 17},
        {":cry:", "Crying or Very Sad", "icon_cry.gif", 15, 17},
        {":evil:", "Evil or Very Mad", "icon_evil.gif", 15, 17},
        {":twisted:", "Twisted Evil", "icon_twisted.gif", 15, 17},
        {":roll:", "Rolling Eyes", "icon_rolleyes.gif", 15, 17},
        {":!:", "Exclamation", "icon_exclaim.gif", 15, 17},
        {":?:", "Question", "icon_question.gif", 15, 17},
        {":idea:", "Idea", "icon_idea.gif", 15, 17},
        {":arrow:", "Arrow", "icon_arrow.gif", 15, 17},
        {":|", "Neutral", "icon_neutral.gif", 15, 17},
        {":-|", "Neutral", "icon_neutral.gif", 15, 17},
        {":mrgreen:", "Mr. Green", "icon_mrgreen.gif", 15, 17},
        {":geek:", "Geek", "icon_e_geek.gif", 17, 17},
        {":ugeek:", "Uber Geek", "icon_e_ugeek.gif", 17, 18},
    };
    std::vector<Smiley> smilies;
    smilies.reserve(std::size(Rows));
    for (const Row& row : Rows)
        smilies.push_back({row.code, row.emotion, std::string(pictureFolder) + row.file, row.width, row.height});
    return smilies;
}

namespace {

// The post's lines before the first the clean-up keeps (it trims white
// space, NUL and byte-order marks from the start): the line the cleaned
// text starts on.
size_t LeadingLines(std::string_view post)
{
    size_t lines = 0, i = 0;
    while (i < post.size()) {
        const char c = post[i];
        if (c == '\r' || c == '\n') {
            ++lines;
            i += c == '\r' && i + 1 < post.size() && post[i + 1] == '\n' ? 2 : 1;
        } else if (c == ' ' || c == '\t' || c == '\x0B' || c == '\0') {
            ++i;
        } else if (post.compare(i, 3, "\xEF\xBB\xBF") == 0) {
            i += 3;
        } else {
            break;
        }
    }
    return lines;
}

}  // namespace

// The board's steps: the form's clean-up and length checks, the parse,
// the quote nesting cut while writing the HTML. A post refused for its
// length is still parsed and written, and only the length message is given,
// as the board stops there.
Result Render(std::string_view post, const Options& options)
{
    static const std::vector<Smiley> defaultSmilies = DefaultSmilies();
    thread_local std::string text;  // room kept for the next render
    thread_local Internal::Workspace workspace;
    Result result;
    result.characters = Text::CleanUp(post, text);
    const std::string lengthError =
        Text::LengthError(result.characters, options.limits.minChars, options.limits.maxChars);

    Internal::Parser parser(text, options, options.smilies ? *options.smilies : defaultSmilies, workspace);
    parser.Run();
    result.html = Internal::WriteHtml(parser, options.limits.maxQuoteDepth, result.quotesRemoved, options.lineAnchors,
                                      options.lineAnchors ? LeadingLines(post) : 0);
    result.smilies = parser.smileyCount;
    result.urls = parser.urlCount;
    if (lengthError.empty())
        result.errors = std::move(parser.errors);
    else
        result.errors.push_back(lengthError);
    return result;
}

size_t CountCharacters(std::string_view post)
{
    thread_local std::string text;  // room kept for the next count
    return Text::CleanUp(post, text);
}

}  // namespace Phpbb3
