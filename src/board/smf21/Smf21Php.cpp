// SPDX-License-Identifier: MIT
// PHP code coloured as an SMF 2.1 board colours the PHP parts of [code]
// and [php] blocks: PHP's own highlighter (default colours: #0000BB names,
// numbers and the opening and closing tags, #007700 keywords and
// operators, #DD0000 strings, #FF8000 comments, #000000 around), with the
// board's changes to its output. A small tokeniser stands in for PHP's.

#include "board/smf21/Smf21Parser.h"
#include "board/smf21/Smf21Text.h"

#include <algorithm>

namespace Smf21::Internal {

using Text::Has;

namespace {

constexpr std::string_view Default = "#0000BB", Keyword = "#007700", String = "#DD0000", Comment = "#FF8000",
                           Html = "#000000";

class Highlighter {
public:
    std::string Run(std::string_view code)
    {
        m_out = "<span style=\"color: #000000\">";
        size_t i = 0;
        while (i < code.size()) {
            if (!m_php) {
                size_t open = code.find("<?", i);
                while (open != std::string_view::npos && !Text::HasCi(code, open, "<?php") && !Has(code, open, "<?="))
                    open = code.find("<?", open + 1);
                const size_t end = open == std::string_view::npos ? code.size() : open;
                if (end > i)
                    Token(code.substr(i, end - i), Html);
                if (open == std::string_view::npos)
                    break;
                size_t tagEnd = open + (Has(code, open, "<?=") ? 3 : 5);
                if (tagEnd == open + 5 && tagEnd < code.size()
                    && (code[tagEnd] == ' ' || code[tagEnd] == '\t' || code[tagEnd] == '\n'))
                    ++tagEnd;
                Token(code.substr(open, tagEnd - open), Default);
                m_php = true;
                i = tagEnd;
                continue;
            }
            i = PhpToken(code, i);
        }
        if (m_color != Html)
            m_out += "</span>";
        m_out += "</span>";
        return m_out;
    }

private:
    static bool IsNameStart(char c)
    {
        return ((c | 32) >= 'a' && (c | 32) <= 'z') || c == '_' || static_cast<unsigned char>(c) >= 0x80;
    }
    static bool IsName(char c) { return IsNameStart(c) || (c >= '0' && c <= '9'); }

    static bool IsKeyword(std::string_view word)
    {
        static constexpr std::string_view Words[] = {
            "abstract",   "and",          "array",     "as",        "break",      "callable", "case",
            "catch",      "class",        "clone",     "const",     "continue",   "declare",  "default",
            "die",        "do",           "echo",      "else",      "elseif",     "empty",    "enddeclare",
            "endfor",     "endforeach",   "endif",     "endswitch", "endwhile",   "enum",     "eval",
            "exit",       "extends",      "final",     "finally",   "fn",         "for",      "foreach",
            "function",   "global",       "goto",      "if",        "implements", "include",  "include_once",
            "instanceof", "insteadof",    "interface", "isset",     "list",       "match",    "namespace",
            "new",        "or",           "print",     "private",   "protected",  "public",   "readonly",
            "require",    "require_once", "return",    "static",    "switch",     "throw",    "trait",
            "try",        "unset",        "use",       "var",       "while",      "xor",      "yield"};
        std::string lower(word);
        for (char& c : lower)
            c = Text::Lower(c);
        return std::find(std::begin(Words), std::end(Words), lower) != std::end(Words);
    }

    size_t PhpToken(std::string_view code, size_t i)
    {
        const char c = code[i];
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\x03') {
            size_t j = i;
            while (j < code.size()
                   && (code[j] == ' ' || code[j] == '\t' || code[j] == '\n' || code[j] == '\r' || code[j] == '\x03'))
                ++j;
            Put(code.substr(i, j - i));  // white space keeps the colour
            return j;
        }
        if (Has(code, i, "?>")) {
            size_t j = i + 2;
            if (Has(code, j, "\n"))
                ++j;
            Token(code.substr(i, j - i), Default);
            m_php = false;
            return j;
        }
        if (c == '#' || Has(code, i, "//")) {
            if (Has(code, i, "#[")) {
                Token(code.substr(i, 2), Keyword);
                return i + 2;
            }
            size_t j = i;
            while (j < code.size() && code[j] != '\n' && !Has(code, j, "?>"))
                ++j;
            Token(code.substr(i, j - i), Comment);
            return j;
        }
        if (Has(code, i, "/*")) {
            const size_t close = code.find("*/", i + 2);
            const size_t j = close == std::string_view::npos ? code.size() : close + 2;
            Token(code.substr(i, j - i), Comment);
            return j;
        }
        if (c == '$' && i + 1 < code.size() && IsNameStart(code[i + 1])) {
            size_t j = i + 1;
            while (j < code.size() && IsName(code[j]))
                ++j;
            Token(code.substr(i, j - i), Default);
            return j;
        }
        if (IsNameStart(c) || c == '\\') {
            size_t j = i;
            while (j < code.size() && (IsName(code[j]) || code[j] == '\\'))
                ++j;
            const std::string_view word = code.substr(i, j - i);
            Token(word, IsKeyword(word) ? Keyword : Default);
            return j;
        }
        if (c >= '0' && c <= '9') {
            size_t j = i;
            while (j < code.size() && (IsName(code[j]) || code[j] == '.'))
                ++j;
            Token(code.substr(i, j - i), Default);
            return j;
        }
        if (c == '\'' || c == '"' || c == '`') {
            size_t j = i + 1;
            bool interpolated = false;
            while (j < code.size() && code[j] != c) {
                if (code[j] == '\\')
                    ++j;
                else if (c != '\'' && code[j] == '$' && j + 1 < code.size()
                         && (IsNameStart(code[j + 1]) || code[j + 1] == '{'))
                    interpolated = true;
                ++j;
            }
            const size_t end = std::min(code.size(), j + 1);
            if (!interpolated) {
                Token(code.substr(i, end - i), c == '`' ? Keyword : String);
                return end;
            }
            // A string with variables: the quotes and text in the string's
            // colour, the variables as names.
            size_t k = i;
            while (k < end) {
                if (code[k] == '$' && k + 1 < end && IsNameStart(code[k + 1])) {
                    size_t v = k + 1;
                    while (v < end && IsName(code[v]))
                        ++v;
                    Token(code.substr(k, v - k), Default);
                    k = v;
                } else {
                    size_t v = k + 1;
                    while (v < end && !(code[v] == '$' && v + 1 < end && IsNameStart(code[v + 1])))
                        ++v;
                    Token(code.substr(k, v - k), String);
                    k = v;
                }
            }
            return end;
        }
        if (c == '(') {
            // Casts such as (int) are one keyword.
            size_t j = i + 1;
            while (j < code.size() && (code[j] == ' ' || code[j] == '\t'))
                ++j;
            size_t w = j;
            while (w < code.size() && IsName(code[w]))
                ++w;
            size_t k = w;
            while (k < code.size() && (code[k] == ' ' || code[k] == '\t'))
                ++k;
            static constexpr std::string_view Casts[] = {"int",  "integer", "bool",  "boolean", "float", "double",
                                                         "real", "string",  "array", "object",  "unset", "binary"};
            std::string type(code.substr(j, w - j));
            for (char& ch : type)
                ch = Text::Lower(ch);
            if (w > j && Has(code, k, ")") && std::find(std::begin(Casts), std::end(Casts), type) != std::end(Casts)) {
                Token(code.substr(i, k + 1 - i), Keyword);
                return k + 1;
            }
        }
        Token(code.substr(i, 1), Keyword);
        return i + 1;
    }

    void Token(std::string_view text, std::string_view color)
    {
        if (color != m_color) {
            if (m_color != Html)
                m_out += "</span>";
            m_color = color;
            if (m_color != Html) {
                m_out += "<span style=\"color: ";
                m_out += color;
                m_out += "\">";
            }
        }
        Put(text);
    }

    // As PHP writes highlighted text; the board then drops the line ends
    // PHP adds and writes ' as &#039;.
    void Put(std::string_view text)
    {
        for (const char c : text) {
            switch (c) {
            case '\n':
                m_out += "<br />";
                break;
            case '\r':
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
            case '\'':
                m_out += "&#039;";
                break;
            default:
                m_out += c;
            }
        }
    }

    std::string m_out;
    std::string_view m_color = Html;
    bool m_php = false;
};

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
    std::string html = Highlighter().Run(plain);
    // The tab stand-in: SMF_TAB(); in PHP, a tab in a pre here.
    std::string out;
    out.reserve(html.size());
    for (const char c : html) {
        if (c == '\x03')
            out += "<pre style=\"display: inline;\">\t</pre>";
        else
            out += c;
    }
    return out;
}

}  // namespace Smf21::Internal
