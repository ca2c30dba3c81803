// SPDX-License-Identifier: MIT
// The colouring of a [php] block: PHP 8's highlight_string() over the block
// (board/common/PhpHighlight with PHP 8.0's tokens and the short opening
// tag on), then the board's clean-up of what that gives.
#include "board/mybb18/Mybb18Php.h"

#include "board/common/Ascii.h"
#include "board/common/PhpHighlight.h"

#include <array>

namespace Mybb18::Passes {

namespace {

constexpr size_t npos = std::string_view::npos;

// PHP 8.0's keywords.
constexpr std::array<std::string_view, 70> Keywords = {
    "abstract",     "and",       "array",     "as",         "break",    "callable",     "case",
    "catch",        "class",     "clone",     "const",      "continue", "declare",      "default",
    "do",           "echo",      "else",      "elseif",     "empty",    "enddeclare",   "endfor",
    "endforeach",   "endif",     "endswitch", "endwhile",   "eval",     "exit",         "die",
    "extends",      "final",     "finally",   "fn",         "for",      "foreach",      "function",
    "global",       "goto",      "if",        "implements", "include",  "include_once", "instanceof",
    "insteadof",    "interface", "isset",     "list",       "match",    "namespace",    "new",
    "or",           "print",     "private",   "protected",  "public",   "readonly",     "require",
    "require_once", "return",    "static",    "switch",     "throw",    "trait",        "try",
    "unset",        "use",       "var",       "while",      "xor",      "yield",        "__halt_compiler"};

constexpr PhpHighlight::Rules Rules = {.keywords = Keywords,
                                       .blanks = " \t\n\v\f\r",
                                       .openTagBlanks = " \t\n\v\f\r",
                                       .shortOpenTag = true,
                                       .attributes = false,
                                       .leadingDotNumbers = true,
                                       .backticks = false,
                                       .escapedDollarIsText = true};

std::string ReplaceAll(const std::string& text, std::string_view from, std::string_view to)
{
    std::string out;
    out.reserve(text.size());
    size_t copied = 0;
    for (size_t at = text.find(from); at != npos; at = text.find(from, at + from.size())) {
        out.append(text, copied, at - copied);
        out += to;
        copied = at + from.size();
    }
    out.append(text, copied);
    return out;
}

}  // namespace

std::string HighlightPhp(std::string_view block)
{
    std::string code(block);
    size_t lead = 0;
    while (lead < code.size() && Ascii::IsSpace(code[lead]))
        ++lead;
    const bool addedOpen = code.compare(lead, 2, "<?") != 0;
    if (addedOpen)
        code = "<?php \n" + code;
    size_t tail = code.size();
    while (tail > 0 && Ascii::IsSpace(code[tail - 1]))
        --tail;
    const bool addedEnd = !(tail >= 2 && code.compare(tail - 2, 2, "?>") == 0);
    if (addedEnd)
        code += " \n?>";
    // PHP writes the coloured code as <code><span style="color: #000000">\n
    // … </span>\n</code> (a coloured span still open closed with a line end
    // too); the board's clean-up first takes the outer span and those line
    // ends away again, so they are not written.
    std::string html = "<code>";
    PhpHighlight::Append(html, code, Rules);
    html += "</code>";

    // The rest of the board's clean-up.
    html = ReplaceAll(html, "\\", "&#092;");
    html = ReplaceAll(html, "$", "&#36;");
    for (size_t at = html.find("&amp;#"); at != npos; at = html.find("&amp;#", at + 1)) {
        size_t end = at + 6;
        while (end < html.size() && Ascii::IsDigit(html[end]))
            ++end;
        if (end > at + 6 && end < html.size() && html[end] == ';')
            html.erase(at + 1, 4);
    }
    if (addedOpen)  // the opening tag added above, right after the first colour's span
        if (const size_t at = html.find("&lt;?php&nbsp;<br />"); at != npos)
            html.erase(at, 20);
    if (addedEnd) {
        html = ReplaceAll(html, "?&gt;</span></code>", "</span></code>");
        html = ReplaceAll(html, "?&gt;</code>", "</code>");
    }
    for (const std::string_view colour : {PhpHighlight::Html, PhpHighlight::Comment, PhpHighlight::Default,
                                          PhpHighlight::Keyword, PhpHighlight::String})
        html = ReplaceAll(html, "<span style=\"color: " + std::string(colour) + "\"></span>", "");
    html = ReplaceAll(html, "<code>", "<div dir=\"ltr\"><code>");
    html = ReplaceAll(html, "</code>", "</code></div>");
    while (!html.empty() && html.back() == ' ')
        html.pop_back();
    return html;
}

}  // namespace Mybb18::Passes
