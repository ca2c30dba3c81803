// SPDX-License-Identifier: MIT
// The colouring of a [php] block: PHP 8's highlight_string() over the block
// (a small lexer of PHP's tokens, coloured as PHP colours them), then the
// board's clean-up of what that gives.
#include "board/mybb18/Mybb18Passes.h"
#include "board/mybb18/Mybb18Text.h"

#include <algorithm>
#include <array>

namespace Mybb18::Passes {

namespace {

constexpr std::string_view Html = "#000000", Comment = "#FF8000", Default = "#0000BB", Keyword = "#007700",
                           String = "#DD0000";
constexpr size_t npos = std::string_view::npos;

bool IsLabelStart(char c) { return Text::IsAlpha(c) || c == '_' || static_cast<unsigned char>(c) >= 0x80; }
bool IsLabel(char c) { return IsLabelStart(c) || Text::IsDigit(c); }

bool IsKeyword(std::string_view word)
{
    static constexpr std::array<std::string_view, 70> Words = {
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
    std::string lower(word);
    std::transform(lower.begin(), lower.end(), lower.begin(), Text::Lower);
    return std::find(Words.begin(), Words.end(), lower) != Words.end();
}

class Highlighter {
public:
    explicit Highlighter(std::string_view code) : m_s(code) {}

    std::string Run()
    {
        m_out = "<code><span style=\"color: #000000\">\n";
        while (m_at < m_s.size()) {
            if (!m_inPhp)
                InlineHtml();
            else
                PhpToken();
        }
        if (m_colour != Html)
            m_out += "</span>\n";
        m_out += "</span>\n</code>";
        return m_out;
    }

private:
    void Put(std::string_view text)
    {
        for (const char c : text) {
            switch (c) {
            case '\n':
                m_out += "<br />";
                break;
            case '<':
                m_out += "&lt;";
                break;
            case '>':
                m_out += "&gt;";
                break;
            case '&':
                m_out += "&amp;";
                break;
            case ' ':
                m_out += "&nbsp;";
                break;
            case '\t':
                m_out += "&nbsp;&nbsp;&nbsp;&nbsp;";
                break;
            default:
                m_out += c;
            }
        }
    }
    void Emit(std::string_view colour, size_t length)
    {
        if (colour != m_colour) {
            if (m_colour != Html)
                m_out += "</span>";
            m_colour = colour;
            if (m_colour != Html)
                m_out += "<span style=\"color: " + std::string(colour) + "\">";
        }
        Put(m_s.substr(m_at, length));
        m_at += length;
    }
    void Whitespace(size_t length)
    {
        Put(m_s.substr(m_at, length));
        m_at += length;
    }

    void InlineHtml()
    {
        const size_t open = m_s.find("<?", m_at);
        if (open != m_at) {
            Emit(Html, (open == npos ? m_s.size() : open) - m_at);
            return;
        }
        size_t length = 2;
        if (Text::At(m_s, m_at, "<?php") && (m_at + 5 == m_s.size() || Text::IsSpace(m_s[m_at + 5])))
            length = m_at + 5 == m_s.size() ? 5 : 6;
        else if (m_s.compare(m_at, 3, "<?=") == 0)
            length = 3;
        m_inPhp = true;
        Emit(Default, length);
    }

    void PhpToken()
    {
        const char c = m_s[m_at];
        size_t end = m_at;
        if (Text::IsSpace(c)) {
            while (end < m_s.size() && Text::IsSpace(m_s[end]))
                ++end;
            Whitespace(end - m_at);
        } else if (c == '?' && m_at + 1 < m_s.size() && m_s[m_at + 1] == '>') {
            end = m_at + 2;
            if (end < m_s.size() && m_s[end] == '\n')
                ++end;
            m_inPhp = false;
            Emit(Default, end - m_at);
        } else if (c == '#' || (c == '/' && m_at + 1 < m_s.size() && m_s[m_at + 1] == '/')) {
            while (end < m_s.size() && m_s[end] != '\n' && m_s.compare(end, 2, "?>") != 0)
                ++end;
            Emit(Comment, end - m_at);
        } else if (c == '/' && m_at + 1 < m_s.size() && m_s[m_at + 1] == '*') {
            end = m_s.find("*/", m_at + 2);
            Emit(Comment, (end == npos ? m_s.size() : end + 2) - m_at);
        } else if (c == '$' && m_at + 1 < m_s.size() && IsLabelStart(m_s[m_at + 1])) {
            end = m_at + 1;
            while (end < m_s.size() && IsLabel(m_s[end]))
                ++end;
            Emit(Default, end - m_at);
        } else if (Text::IsDigit(c) || (c == '.' && m_at + 1 < m_s.size() && Text::IsDigit(m_s[m_at + 1]))) {
            while (end < m_s.size() && (IsLabel(m_s[end]) || m_s[end] == '.'))
                ++end;
            Emit(Default, end - m_at);
        } else if (IsLabelStart(c) || c == '\\') {
            while (end < m_s.size() && (IsLabel(m_s[end]) || m_s[end] == '\\'))
                ++end;
            const std::string_view word = m_s.substr(m_at, end - m_at);
            const bool magic = word.size() > 4 && word.substr(0, 2) == "__" && word.substr(word.size() - 2) == "__";
            Emit(IsKeyword(word) && !magic ? Keyword : Default, end - m_at);
        } else if (c == '\'') {
            end = m_at + 1;
            while (end < m_s.size() && m_s[end] != '\'')
                end += m_s[end] == '\\' ? 2 : 1;
            Emit(String, std::min(end + 1, m_s.size()) - m_at);
        } else if (c == '"') {
            DoubleQuoted();
        } else if (c == '(' && Cast(end)) {
            Emit(Keyword, end - m_at);
        } else {
            Emit(Keyword, 1);
        }
    }

    // "(int)" and the other casts, one token.
    bool Cast(size_t& end)
    {
        size_t p = m_at + 1;
        while (p < m_s.size() && (m_s[p] == ' ' || m_s[p] == '\t'))
            ++p;
        const size_t word = p;
        while (p < m_s.size() && Text::IsAlpha(m_s[p]))
            ++p;
        std::string lower(m_s.substr(word, p - word));
        std::transform(lower.begin(), lower.end(), lower.begin(), Text::Lower);
        while (p < m_s.size() && (m_s[p] == ' ' || m_s[p] == '\t'))
            ++p;
        static constexpr std::string_view Types[] = {"int",  "integer", "bool",  "boolean", "float", "double",
                                                     "real", "string",  "array", "object",  "unset", "binary"};
        if (p >= m_s.size() || m_s[p] != ')' || std::find(std::begin(Types), std::end(Types), lower) == std::end(Types))
            return false;
        end = p + 1;
        return true;
    }

    // A double-quoted string: one token without variables in it, else its
    // quotes, text and simple variables each their own.
    void DoubleQuoted()
    {
        size_t end = m_at + 1;
        bool variables = false;
        while (end < m_s.size() && m_s[end] != '"') {
            if (m_s[end] == '\\') {
                end += 2;
                continue;
            }
            if (m_s[end] == '$' && end + 1 < m_s.size() && IsLabelStart(m_s[end + 1]))
                variables = true;
            ++end;
        }
        end = std::min(end + 1, m_s.size());
        if (!variables) {
            Emit(String, end - m_at);
            return;
        }
        Emit(String, 1);
        while (m_at < end) {
            size_t p = m_at;
            if (m_s[p] == '$' && p + 1 < end && IsLabelStart(m_s[p + 1])) {
                ++p;
                while (p < end && IsLabel(m_s[p]))
                    ++p;
                Emit(Default, p - m_at);
                continue;
            }
            while (p < end - 1 && !(m_s[p] == '$' && p + 1 < end && IsLabelStart(m_s[p + 1])))
                p += m_s[p] == '\\' ? 2 : 1;
            p = std::min(p, end - 1);
            if (p == m_at)
                p = end;
            Emit(String, p - m_at);
        }
    }

    std::string_view m_s;
    size_t m_at = 0;
    bool m_inPhp = false;
    std::string_view m_colour = Html;
    std::string m_out;
};

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
    while (lead < code.size() && Text::IsSpace(code[lead]))
        ++lead;
    const bool addedOpen = code.compare(lead, 2, "<?") != 0;
    if (addedOpen)
        code = "<?php \n" + code;
    size_t tail = code.size();
    while (tail > 0 && Text::IsSpace(code[tail - 1]))
        --tail;
    const bool addedEnd = !(tail >= 2 && code.compare(tail - 2, 2, "?>") == 0);
    if (addedEnd)
        code += " \n?>";
    std::string html = Highlighter(code).Run();

    // The board's clean-up of PHP's output.
    constexpr std::string_view Start = "<code><span style=\"color: #000000\">\n";
    if (html.compare(0, Start.size(), Start) == 0)
        html.replace(0, Start.size(), "<code>");
    constexpr std::string_view End = "</span>\n</span>\n</code>";
    if (html.size() >= End.size() && html.compare(html.size() - End.size(), End.size(), End) == 0)
        html.replace(html.size() - End.size(), End.size(), "</span></code>");
    else if (html.size() >= 15 && html.compare(html.size() - 15, 15, "</span>\n</code>") == 0)
        html.replace(html.size() - 15, 15, "</code>");
    html = ReplaceAll(html, "\\", "&#092;");
    html = ReplaceAll(html, "$", "&#36;");
    for (size_t at = html.find("&amp;#"); at != npos; at = html.find("&amp;#", at + 1)) {
        size_t end = at + 6;
        while (end < html.size() && Text::IsDigit(html[end]))
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
    for (const std::string_view colour : {Html, Comment, Default, Keyword, String})
        html = ReplaceAll(html, "<span style=\"color: " + std::string(colour) + "\"></span>", "");
    html = ReplaceAll(html, "<code>", "<div dir=\"ltr\"><code>");
    html = ReplaceAll(html, "</code>", "</code></div>");
    while (!html.empty() && html.back() == ' ')
        html.pop_back();
    return html;
}

}  // namespace Mybb18::Passes
