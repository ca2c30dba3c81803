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

// \x03 stands in for a tab (see HighlightPhp) and is white space here.
constexpr PhpHighlight::Rules Rules = {.keywords = Keywords,
                                       .blanks = " \t\n\r\x03",
                                       .openTagBlanks = " \t\n",
                                       .shortOpenTag = false,
                                       .attributes = true,
                                       .leadingDotNumbers = false,
                                       .backticks = true,
                                       .escapedDollarIsText = false};

}  // namespace

std::string HighlightPhp(std::string_view code)
{
    // The board turns the stored text back into PHP first, a tab standing
    // in as a call that it turns back into a tab afterwards.
    std::string plain;
    plain.reserve(code.size());
    for (size_t i = 0; i < code.size();) {
        static constexpr std::pair<std::string_view, std::string_view> Back[] = {
            {"<br />", "\n"}, {"<br>", "\n"}, {"&#91;", "["}, {"&amp;", "&"},  {"&quot;", "\""}, {"&#39;", "'"},
            {"&#039;", "'"},  {"&lt;", "<"},  {"&gt;", ">"},  {"&nbsp;", " "}, {"\t", "\x03"}};
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
    // &#039;, and the tab stand-in (SMF_TAB(); in PHP) as a tab in a pre.
    // The markup around the code holds none of these characters.
    std::string out;
    out.reserve(html.size());
    for (const char c : html) {
        if (c == '\'')
            out += "&#039;";
        else if (c == '\x03')
            out += "<pre style=\"display: inline;\">\t</pre>";
        else if (c != '\r')
            out += c;
    }
    return out;
}

}  // namespace Smf21::Internal
