// SPDX-License-Identifier: MIT
#include "board/common/PhpHighlight.h"

#include "board/common/Ascii.h"

#include <algorithm>

namespace PhpHighlight {
namespace {

constexpr size_t npos = std::string_view::npos;

bool IsNameStart(char c) { return Ascii::IsAlpha(c) || c == '_' || static_cast<unsigned char>(c) >= 0x80; }
bool IsName(char c) { return IsNameStart(c) || Ascii::IsDigit(c); }

// One pass over the code: outside PHP up to an opening tag, then token by
// token until a closing tag. Every step consumes at least one byte.
class Highlighter {
public:
    Highlighter(std::string& out, std::string_view code, const Rules& rules) : m_out(out), m_s(code), m_rules(rules) {}

    void Run()
    {
        while (m_at < m_s.size()) {
            if (m_inPhp)
                PhpToken();
            else
                InlineHtml();
        }
        if (m_colour != Html)
            m_out += "</span>";
    }

private:
    bool Has(size_t at, std::string_view literal) const
    {
        return at <= m_s.size() && m_s.compare(at, literal.size(), literal) == 0;
    }
    bool IsBlank(char c) const { return m_rules.blanks.find(c) != npos; }
    // A variable ("$" and a name) starts at `at`, within a token ending at `end`.
    bool VariableAt(size_t at, size_t end) const { return m_s[at] == '$' && at + 1 < end && IsNameStart(m_s[at + 1]); }
    bool IsKeyword(std::string_view word) const
    {
        return std::ranges::find(m_rules.keywords, Ascii::ToLower(word)) != m_rules.keywords.end();
    }

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

    // The next `length` bytes in `colour`.
    void Emit(std::string_view colour, size_t length)
    {
        if (colour != m_colour) {
            if (m_colour != Html)
                m_out += "</span>";
            m_colour = colour;
            if (m_colour != Html) {
                m_out += "<span style=\"color: ";
                m_out += colour;
                m_out += "\">";
            }
        }
        Put(m_s.substr(m_at, length));
        m_at += length;
    }

    void InlineHtml()
    {
        size_t open = m_s.find("<?", m_at);
        if (!m_rules.shortOpenTag)
            while (open != npos && !Ascii::HasIgnoringCase(m_s, open, "<?php") && !Has(open, "<?="))
                open = m_s.find("<?", open + 1);
        if (open != m_at) {
            Emit(Html, (open == npos ? m_s.size() : open) - m_at);
            return;
        }
        m_inPhp = true;
        Emit(Default, OpenTagLength());
    }

    size_t OpenTagLength() const
    {
        if (Has(m_at, "<?="))
            return 3;
        if (!Ascii::HasIgnoringCase(m_s, m_at, "<?php"))
            return 2;
        const size_t after = m_at + 5;
        if (after == m_s.size())
            return 5;
        if (m_rules.openTagBlanks.find(m_s[after]) != npos)
            return 6;
        return m_rules.shortOpenTag ? 2 : 5;
    }

    void PhpToken()
    {
        const char c = m_s[m_at];
        const size_t size = m_s.size();
        size_t end = m_at;
        if (IsBlank(c)) {
            while (end < size && IsBlank(m_s[end]))
                ++end;
            Put(m_s.substr(m_at, end - m_at));
            m_at = end;
        } else if (Has(m_at, "?>")) {
            end = m_at + 2;
            if (end < size && m_s[end] == '\n')
                ++end;
            m_inPhp = false;
            Emit(Default, end - m_at);
        } else if (m_rules.attributes && Has(m_at, "#[")) {
            Emit(Keyword, 2);
        } else if (c == '#' || Has(m_at, "//")) {
            while (end < size && m_s[end] != '\n' && !Has(end, "?>"))
                ++end;
            Emit(Comment, end - m_at);
        } else if (Has(m_at, "/*")) {
            end = m_s.find("*/", m_at + 2);
            Emit(Comment, (end == npos ? size : end + 2) - m_at);
        } else if (VariableAt(m_at, size)) {
            end = m_at + 1;
            while (end < size && IsName(m_s[end]))
                ++end;
            Emit(Default, end - m_at);
        } else if (Ascii::IsDigit(c)
                   || (m_rules.leadingDotNumbers && c == '.' && m_at + 1 < size && Ascii::IsDigit(m_s[m_at + 1]))) {
            while (end < size && (IsName(m_s[end]) || m_s[end] == '.'))
                ++end;
            Emit(Default, end - m_at);
        } else if (IsNameStart(c) || c == '\\') {
            while (end < size && (IsName(m_s[end]) || m_s[end] == '\\'))
                ++end;
            Emit(IsKeyword(m_s.substr(m_at, end - m_at)) ? Keyword : Default, end - m_at);
        } else if (c == '\'' || c == '"' || (m_rules.backticks && c == '`')) {
            Quoted(c);
        } else if (c == '(' && CastAt(end)) {
            Emit(Keyword, end - m_at);
        } else {
            Emit(Keyword, 1);
        }
    }

    // "(int)" and the other casts, one token ending before `end`.
    bool CastAt(size_t& end) const
    {
        auto skipBlanks = [this](size_t p) {
            while (p < m_s.size() && (m_s[p] == ' ' || m_s[p] == '\t'))
                ++p;
            return p;
        };
        static constexpr std::string_view Types[] = {"int",  "integer", "bool",  "boolean", "float", "double",
                                                     "real", "string",  "array", "object",  "unset", "binary"};
        const size_t word = skipBlanks(m_at + 1);
        size_t wordEnd = word;
        while (wordEnd < m_s.size() && IsName(m_s[wordEnd]))
            ++wordEnd;
        const size_t close = skipBlanks(wordEnd);
        if (close >= m_s.size() || m_s[close] != ')'
            || std::ranges::find(Types, Ascii::ToLower(m_s.substr(word, wordEnd - word))) == std::end(Types))
            return false;
        end = close + 1;
        return true;
    }

    // A quoted string (or command): one token, or, when it holds variables,
    // its variables in the name colour and the rest in the string colour.
    void Quoted(char quote)
    {
        const size_t size = m_s.size();
        size_t end = m_at + 1;
        bool variables = false;
        while (end < size && m_s[end] != quote) {
            if (m_s[end] == '\\')
                ++end;
            else if (quote != '\'' && m_s[end] == '$' && end + 1 < size
                     && (IsNameStart(m_s[end + 1]) || m_s[end + 1] == '{'))
                variables = true;
            ++end;
        }
        end = std::min(end + 1, size);
        if (!variables) {
            Emit(quote == '`' ? Keyword : String, end - m_at);
            return;
        }
        while (m_at < end) {
            size_t p = m_at;
            if (VariableAt(p, end)) {
                ++p;
                while (p < end && IsName(m_s[p]))
                    ++p;
                Emit(Default, p - m_at);
                continue;
            }
            do
                p += m_rules.escapedDollarIsText && m_s[p] == '\\' ? 2 : 1;
            while (p < end && !VariableAt(p, end));
            Emit(String, std::min(p, end) - m_at);
        }
    }

    std::string& m_out;
    std::string_view m_s;
    const Rules& m_rules;
    size_t m_at = 0;
    bool m_inPhp = false;
    std::string_view m_colour = Html;
};

}  // namespace

void Append(std::string& out, std::string_view code, const Rules& rules) { Highlighter(out, code, rules).Run(); }

}  // namespace PhpHighlight
