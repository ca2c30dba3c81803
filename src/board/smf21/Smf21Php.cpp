// SPDX-License-Identifier: MIT
// PHP code coloured as an SMF 2.1 board colours the PHP parts of [code]
// and [php] blocks: PHP's own highlighter (board/common/PhpHighlight, with
// the tokens of the PHP the board runs and short opening tags off), with
// the board's changes to its output.

#include "board/smf21/Smf21Php.h"

#include "board/smf21/Smf21Text.h"
#include "board/common/PhpHighlight.h"

namespace Smf21::Internal {

using Text::Has;

namespace {

constexpr std::string_view Keywords[] = {
    "abstract",  "and",          "array",      "as",        "break",      "callable",  "case",       "catch",
    "class",     "clone",        "const",      "continue",  "declare",    "default",   "die",        "do",
    "echo",      "else",         "elseif",     "empty",     "enddeclare", "endfor",    "endforeach", "endif",
    "endswitch", "endwhile",     "enum",       "eval",      "exit",       "extends",   "final",      "finally",
    "fn",        "for",          "foreach",    "function",  "global",     "goto",      "if",         "implements",
    "include",   "include_once", "instanceof", "insteadof", "interface",  "isset",     "list",       "match",
    "namespace", "new",          "or",         "print",     "private",    "protected", "public",     "readonly",
    "require",   "require_once", "return",     "static",    "switch",     "throw",     "trait",      "try",
    "unset",     "use",          "var",        "while",     "xor",        "yield"};

constexpr PhpHighlight::Rules Rules = {.keywords = Keywords,
                                       .blanks = " \t\n\r",
                                       .openTagBlanks = " \t\n",
                                       .shortOpenTag = false,
                                       .attributes = true,
                                       .leadingDotNumbers = false,
                                       .backticks = true,
                                       .escapedDollarIsText = false};

constexpr std::string_view TabCall = "SMF_TAB();";

// "SMF_TAB" and "();", with at most one change of colour between them
// (the name and the brackets are coloured differently when they stand
// among code), become a tab in an inline pre; a change of colour there is
// lost with them.
std::string TabsBack(const std::string& html)
{
    static constexpr std::string_view Name = "SMF_TAB", Call = "();", Close = "</span><span style=\"";
    if (html.find(Name) == std::string::npos)
        return html;
    std::string out;
    out.reserve(html.size());
    size_t at = 0;
    for (size_t i = html.find(Name); i != std::string::npos; i = html.find(Name, i + 1)) {
        size_t k = i + Name.size();
        if (Has(html, k, Close)) {
            const size_t quote = html.find('"', k + Close.size());
            if (quote == std::string::npos || !Has(html, quote + 1, ">"))
                continue;
            k = quote + 2;
        }
        if (!Has(html, k, Call))
            continue;
        out.append(html, at, i - at);
        out += "<pre style=\"display: inline;\">\t</pre>";
        at = k + Call.size();
        i = at - 1;
    }
    out.append(html, at);
    return out;
}

}  // namespace

std::string HighlightPhp(std::string_view code)
{
    // The board turns the stored text back into PHP first, a tab standing
    // in as a call, "SMF_TAB();", that is coloured as PHP code and then
    // turned back into a tab (see TabsBack).
    std::string plain;
    plain.reserve(code.size());
    for (size_t i = 0; i < code.size();) {
        static constexpr std::pair<std::string_view, std::string_view> Back[] = {
            {"<br />", "\n"}, {"<br>", "\n"}, {"&#91;", "["}, {"&amp;", "&"},  {"&quot;", "\""}, {"&#39;", "'"},
            {"&#039;", "'"},  {"&lt;", "<"},  {"&gt;", ">"},  {"&nbsp;", " "}, {"\t", TabCall}};
        bool done = false;
        for (const auto& [from, to] : Back) {
            if (Has(code, i, from)) {
                plain += to;
                i += from.size();
                done = true;
                break;
            }
        }
        if (!done)
            plain += code[i++];
    }
    std::string html = "<span style=\"color: #000000\">";
    PhpHighlight::Append(html, plain, Rules);
    html += "</span>";
    // The board's changes to PHP's output: carriage returns dropped, ' as
    // &#039;. The markup around the code holds neither.
    std::string out;
    out.reserve(html.size());
    for (const char c : html) {
        if (c == '\'')
            out += "&#039;";
        else if (c != '\r')
            out += c;
    }
    return TabsBack(out);
}

}  // namespace Smf21::Internal
