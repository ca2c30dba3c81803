// SPDX-License-Identifier: MIT
#include "board/smf21/Smf21Renderer.h"

#include "board/smf21/Smf21Parser.h"
#include "board/smf21/Smf21Save.h"
#include "board/smf21/Smf21Text.h"
#include "board/common/Ascii.h"
#include "board/common/Unicode.h"

namespace Smf21 {

std::vector<Smiley> DefaultSmilies(std::string_view pictureFolder)
{
    struct Row {
        const char* code;
        const char* name;
        const char* file;
        bool hidden;
    };
    static constexpr Row Rows[] = {
        {":)", "Smiley", "smiley.png", false},
        {";)", "Wink", "wink.png", false},
        {":D", "Cheesy", "cheesy.png", false},
        {";D", "Grin", "grin.png", false},
        {">:(", "Angry", "angry.png", false},
        {":(", "Sad", "sad.png", false},
        {":o", "Shocked", "shocked.png", false},
        {"8)", "Cool", "cool.png", false},
        {"???", "Huh?", "huh.png", false},
        {"::)", "Roll Eyes", "rolleyes.png", false},
        {":P", "Tongue", "tongue.png", false},
        {":-[", "Embarrassed", "embarrassed.png", false},
        {":-X", "Lips Sealed", "lipsrsealed.png", false},
        {":-\\", "Undecided", "undecided.png", false},
        {":-*", "Kiss", "kiss.png", false},
        {":'(", "Cry", "cry.png", false},
        {">:D", "Evil", "evil.png", true},
        {"^-^", "Azn", "azn.png", true},
        {"O0", "Afro", "afro.png", true},
        {":))", "Laugh", "laugh.png", true},
        {"C:-)", "Police", "police.png", true},
        {"O:-)", "Angel", "angel.png", true},
    };
    std::vector<Smiley> smilies;
    smilies.reserve(std::size(Rows));
    for (const Row& row : Rows)
        smilies.push_back({row.code, row.name, std::string(pictureFolder) + row.file, row.hidden});
    return smilies;
}

const std::vector<Size>& Sizes()
{
    static const std::vector<Size> sizes = {{1, "0.7em"}, {2, "1em"},    {3, "1.35em"}, {4, "1.45em"},
                                            {5, "2em"},   {6, "2.65em"}, {7, "3.95em"}};
    return sizes;
}

std::string QuoteOpening(std::string_view author, long long messageId, long long date)
{
    const std::string valid = Unicode::MakeValid(author);
    std::string name;
    size_t escapedLength = 0;
    for (size_t i = 0; i < valid.size();) {
        const size_t start = i;
        const char32_t cp = Unicode::Decode(valid, i);
        std::string piece;
        if (cp < 0x20 || cp == 0x7F) {
            piece = " ";
        } else if (cp == '[') {
            piece = "\xEF\xBC\xBB";  // fullwidth [
        } else if (cp == ']') {
            piece = "\xEF\xBC\xBD";  // fullwidth ]
        } else if (cp == '=') {
            // "author=", "link=" or "date=" after white space would start a parameter.
            bool parameter = false;
            for (std::string_view word : {"author", "link", "date"}) {
                if (name.size() > word.size() && Ascii::HasIgnoringCase(name, name.size() - word.size(), word)
                    && Text::SpaceAt(name, name.size() - word.size() - 1))
                    parameter = true;
            }
            piece = parameter ? "\xEF\xBC\x9D" : "=";  // fullwidth =
        } else {
            piece = valid.substr(start, i - start);
        }
        std::string escaped;
        Text::AppendEscaped(escaped, piece);
        const size_t length = piece.size() == 1 ? escaped.size() : 1;
        if (escapedLength + length > 192)
            break;
        escapedLength += length;
        name += piece;
    }
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    size_t lead = 0;
    while (lead < name.size() && name[lead] == ' ')
        ++lead;
    name.erase(0, lead);
    if (name.empty())
        return "[quote]";
    if (messageId > 0 && date > 0)
        return "[quote author=" + name + " link=msg=" + std::to_string(messageId) + " date=" + std::to_string(date)
            + "]";
    // A name in double quotes would lose them: the board takes quotes
    // around the value as the tag's own.
    if (name.front() == '"')
        return "[quote author=\"" + name + "\"]";
    return "[quote author=" + name + "]";
}

namespace {

// Characters the board trims as white space (its htmltrim): separators
// and "other" characters (control, format, private use, non-characters)
// of the Basic Multilingual Plane; the others are entities by then.
bool IsBlankChar(char32_t cp)
{
    return cp <= 0x20 || (cp >= 0x7F && cp <= 0xA0) || cp == 0xAD || (cp >= 0x600 && cp <= 0x605) || cp == 0x61C
        || cp == 0x6DD || cp == 0x70F || cp == 0x8E2 || cp == 0x1680 || cp == 0x180E || (cp >= 0x2000 && cp <= 0x200F)
        || (cp >= 0x2028 && cp <= 0x202F) || (cp >= 0x205F && cp <= 0x206F) || cp == 0x3000
        || (cp >= 0xE000 && cp <= 0xF8FF) || (cp >= 0xFDD0 && cp <= 0xFDEF) || cp == 0xFEFF
        || (cp >= 0xFFF9 && cp <= 0xFFFB) || cp == 0xFFFE || cp == 0xFFFF || Unicode::IsSpaceChar(cp);
}

bool IsBlank(std::string_view text)
{
    for (size_t i = 0; i < text.size();)
        if (!IsBlankChar(Unicode::Decode(text, i)))
            return false;
    return true;
}

// Whether the HTML shows nothing once its tags (pictures and divisions
// excepted) and white space are taken away.
bool ShowsNothing(std::string_view html)
{
    for (size_t i = 0; i < html.size();) {
        if (html[i] == '<') {
            if (Ascii::HasIgnoringCase(html, i + 1, "img") || Ascii::HasIgnoringCase(html, i + 1, "div"))
                return false;
            const size_t end = html.find('>', i);
            if (end == std::string_view::npos)
                return false;
            i = end + 1;
        } else if (Text::Has(html, i, "&nbsp;")) {
            i += 6;
        } else {
            const size_t start = i;
            if (!IsBlankChar(Unicode::Decode(html, i)))
                return false;
            if (i == start)
                ++i;
        }
    }
    return true;
}

size_t CountValid(std::string_view text)
{
    size_t count = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) == 0x80)
            continue;
        if (c == '\r') {
            count += 2;
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            count += 2;
        } else {
            ++count;
        }
    }
    return count;
}

}  // namespace

size_t CountCharacters(std::string_view post) { return CountValid(Unicode::MakeValid(post)); }

// The board's steps: the form's checks (empty, too long), the save, the
// display, and the check that something is left to show.
Result Render(std::string_view post, const Options& options)
{
    static const std::vector<Smiley> defaultSmilies = DefaultSmilies();
    Result result;
    std::string text = Unicode::MakeValid(post);
    result.characters = CountValid(text);
    if (IsBlank(text)) {
        result.errors.push_back("The message body was left empty.");
        return result;
    }
    if (options.maxLength && result.characters > options.maxLength)
        result.errors.push_back("The message exceeds the maximum allowed length (" + std::to_string(options.maxLength)
                                + " characters).");
    if (!options.isAdministrator && Ascii::EqualsIgnoringCase(text, "i am the administrator."))
        result.errors.push_back("Knave! Masquerader! Charlatan!");

    const Save::Context context{options.memberName, options.scriptUrl, options.isAdministrator};
    // The text is not needed again: it is handed over, so that its memory
    // is freed as the save step goes.
    std::string stored = Save::Preparse(Save::Escape(std::move(text)), context);
    const Internal::Environment environment{options.smilies ? options.smilies : &defaultSmilies, options.scriptUrl,
                                            options.siteOrigin, options.now, options.timeOffset};
    result.html = Internal::Display(std::move(stored), environment);
    // The display took the saved text over; the quick look, needed only
    // when the HTML shows nothing, saves the post again.
    if (result.errors.empty() && ShowsNothing(result.html)
        && ShowsNothing(
            Internal::Display(Save::Preparse(Save::Escape(Unicode::MakeValid(post)), context), environment, false)))
        result.errors.push_back("The message body was left empty.");
    return result;
}

}  // namespace Smf21
