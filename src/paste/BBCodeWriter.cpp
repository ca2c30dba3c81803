// SPDX-License-Identifier: MIT
#include "paste/BBCodeWriter.h"

#include <algorithm>
#include <array>

namespace HtmlPaste {

namespace {

bool IsCollapsible(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

// The length of a character that shows nothing at `at` (a soft hyphen,
// zero-width space or joiner, byte-order mark, control character); 0 for
// any other.
size_t InvisibleLength(std::string_view text, size_t at)
{
    const auto byte = [&](size_t i) { return at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0; };
    const unsigned char c = byte(0);
    if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
        return 1;
    if (c == 0x7f)
        return 1;
    if (c == 0xc2 && byte(1) == 0xad)
        return 2;  // soft hyphen
    if (c == 0xe2 && byte(1) == 0x80 && (byte(2) >= 0x8b && byte(2) <= 0x8d))
        return 3;  // zero-width space, non-joiner, joiner
    if (c == 0xef && byte(1) == 0xbb && byte(2) == 0xbf)
        return 3;  // byte-order mark
    return 0;
}

bool IsNoBreakSpace(std::string_view text, size_t at)
{
    return at + 1 < text.size() && static_cast<unsigned char>(text[at]) == 0xc2
        && static_cast<unsigned char>(text[at + 1]) == 0xa0;
}

// An address as a tag's value: characters that would end the tag or break
// the page are percent-encoded.
std::string TagValue(std::string_view address)
{
    std::string value;
    value.reserve(address.size());
    for (char c : address) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || c == '[' || c == ']' || c == '"' || c == '<' || c == '>' || byte == 0x7f) {
            static constexpr char Digits[] = "0123456789ABCDEF";
            value += '%';
            value += Digits[byte >> 4];
            value += Digits[byte & 15];
        } else {
            value += c;
        }
    }
    return value;
}

}  // namespace

bool BBCodeWriter::Wants(const TextLook& look, Tag tag) const
{
    switch (tag) {
    case Tag::Link:
        return !look.link.empty() && look.link.data() == m_current.link.data()
            && look.link.size() == m_current.link.size();
    case Tag::Size:
        return !look.size.empty() && look.size == m_current.size;
    case Tag::Colour:
        return !look.colour.empty() && look.colour == m_current.colour;
    case Tag::Bold:
        return look.bold;
    case Tag::Italic:
        return look.italic;
    case Tag::Underline:
        return look.underline;
    }
    return false;
}

void BBCodeWriter::CloseTag()
{
    const Opened open = m_open.back();
    m_open.pop_back();
    switch (open.tag) {
    case Tag::Link: {
        // A link whose text is its address is written the short way.
        const std::string value = TagValue(m_current.link);
        const size_t text = open.at + 5 + value.size() + 1;  // after "[url=" value "]"
        if (m_out.compare(text, std::string::npos, value) == 0)
            m_out.replace(open.at, text - open.at, "[url]");
        m_out += "[/url]";
        m_current.link = {};
        break;
    }
    case Tag::Size:
        m_out += "[/size]";
        m_current.size.clear();
        break;
    case Tag::Colour:
        m_out += "[/color]";
        m_current.colour.clear();
        break;
    case Tag::Bold:
        m_out += "[/b]";
        m_current.bold = false;
        break;
    case Tag::Italic:
        m_out += "[/i]";
        m_current.italic = false;
        break;
    case Tag::Underline:
        m_out += "[/u]";
        m_current.underline = false;
        break;
    }
}

void BBCodeWriter::CloseInline()
{
    while (!m_open.empty())
        CloseTag();
}

void BBCodeWriter::OpenInline(const TextLook& look, Tag tag)
{
    m_open.push_back({tag, m_out.size()});
    switch (tag) {
    case Tag::Link:
        m_current.link = look.link;
        m_out += "[url=";
        m_out += TagValue(look.link);
        m_out += ']';
        break;
    case Tag::Size:
        m_current.size = look.size;
        m_out += "[size=" + look.size + "]";
        break;
    case Tag::Colour:
        m_current.colour = look.colour;
        m_out += "[color=" + look.colour + "]";
        break;
    case Tag::Bold:
        m_current.bold = true;
        m_out += "[b]";
        break;
    case Tag::Italic:
        m_current.italic = true;
        m_out += "[i]";
        break;
    case Tag::Underline:
        m_current.underline = true;
        m_out += "[u]";
        break;
    }
}

void BBCodeWriter::WriteBreaks()
{
    if (m_breaks > 0 && !m_blockStart) {
        m_out.append(size_t(m_breaks), '\n');
        m_lineStart = true;
    }
    m_breaks = 0;
}

void BBCodeWriter::Prepare(const TextLook& look, bool space)
{
    // The first open tag the look does not want, and everything after it, closes.
    size_t keep = 0;
    while (keep < m_open.size() && Wants(look, m_open[keep].tag))
        ++keep;
    while (m_open.size() > keep)
        CloseTag();
    WriteBreaks();
    if (space && !m_lineStart)
        m_out += ' ';
    m_space = false;
    static constexpr std::array<Tag, 6> Order = {Tag::Link, Tag::Size,   Tag::Colour,
                                                 Tag::Bold, Tag::Italic, Tag::Underline};
    for (Tag tag : Order) {
        const bool open = std::any_of(m_open.begin(), m_open.end(), [&](const auto& o) { return o.tag == tag; });
        const bool wanted = tag == Tag::Link ? !look.link.empty()
            : tag == Tag::Size               ? !look.size.empty()
            : tag == Tag::Colour             ? !look.colour.empty()
            : tag == Tag::Bold               ? look.bold
            : tag == Tag::Italic             ? look.italic
                                             : look.underline;
        if (tag == Tag::Link && wanted && !open) {
            // The budget pays for the address as written, percent-encoded.
            const size_t cost = TagValue(look.link).size();
            if (cost > m_addressBudget)
                continue;
            m_addressBudget -= cost;
        }
        if (wanted && !open)
            OpenInline(look, tag);
    }
    m_lineStart = false;
    m_blockStart = false;
}

void BBCodeWriter::Text(std::string_view text, const TextLook& look, bool keepSpaces, bool keepLineBreaks)
{
    size_t at = 0;
    while (at < text.size()) {
        if (const size_t invisible = InvisibleLength(text, at)) {
            at += invisible;
            continue;
        }
        const char c = text[at];
        if ((c == '\n' || c == '\r') && keepLineBreaks) {
            if (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
                ++at;
            ++at;
            m_space = false;
            if (m_rows > 0) {
                m_space = true;
            } else {
                ++m_breaks;
                m_blockStart = false;
            }
            continue;
        }
        if (IsCollapsible(c) && !keepSpaces) {
            m_space = true;
            ++at;
            continue;
        }
        // A run of text to write as it is: up to the next space, line
        // break or invisible character.
        size_t end = at;
        while (end < text.size() && InvisibleLength(text, end) == 0) {
            const char d = text[end];
            if ((d == '\n' || d == '\r') && (keepLineBreaks || !keepSpaces))
                break;
            if (IsCollapsible(d) && !keepSpaces)
                break;
            ++end;
        }
        if (end == at)
            end = at + 1;  // a line break in text that keeps spaces only
        Prepare(look, m_space);
        // A no-break space shows as a space that does not collapse.
        for (size_t i = at; i < end; ++i) {
            if (IsNoBreakSpace(text, i)) {
                m_out += ' ';
                ++i;
            } else if (text[i] == '\n' || text[i] == '\r') {
                m_out += ' ';
            } else {
                m_out += text[i];
            }
        }
        at = end;
    }
}

void BBCodeWriter::Picture(std::string_view address, const TextLook& look)
{
    Prepare(look, m_space);
    m_out += "[img]" + TagValue(address) + "[/img]";
}

void BBCodeWriter::LineBreak()
{
    if (m_rows > 0) {
        m_space = true;
        return;
    }
    m_space = false;
    ++m_breaks;
    m_blockStart = false;
}

void BBCodeWriter::Break(int lines)
{
    if (m_rows > 0) {
        m_space = true;
        return;
    }
    CloseInline();
    m_space = false;
    m_breaks = std::max(m_breaks, lines);
}

void BBCodeWriter::OpenBlock(std::string_view tag, bool nested)
{
    CloseInline();
    if (!m_blockStart && !m_out.empty())
        m_breaks = nested ? 1 : std::max(m_breaks, 1);
    WriteBreaks();
    m_out += tag;
    m_space = false;
    m_lineStart = true;
    m_blockStart = true;
}

void BBCodeWriter::CloseBlock(std::string_view tag)
{
    CloseInline();
    m_breaks = 0;
    if (tag == "[/list]" && m_out.back() != '\n')
        m_out += '\n';
    m_out += tag;
    m_space = false;
    m_lineStart = false;
    m_blockStart = false;
}

void BBCodeWriter::Item()
{
    CloseInline();
    m_breaks = 0;
    if (!m_out.empty())
        m_out += '\n';
    m_out += "[*]";
    m_space = false;
    m_lineStart = true;
    m_blockStart = true;
}

void BBCodeWriter::StartRow()
{
    Break(1);
    ++m_rows;
}

void BBCodeWriter::StartCell(bool first)
{
    if (first || m_rows == 0)
        return;
    CloseInline();
    m_space = false;
    if (m_out.ends_with("| "))
        m_out += "| ";
    else
        m_out += " | ";
    m_lineStart = true;
}

void BBCodeWriter::EndRow()
{
    if (m_rows > 0)
        --m_rows;
    Break(1);
}

std::string BBCodeWriter::Finish()
{
    CloseInline();
    // Lines end without trailing spaces.
    std::string result;
    result.reserve(m_out.size());
    size_t lineStart = 0;
    while (lineStart <= m_out.size()) {
        size_t lineEnd = m_out.find('\n', lineStart);
        const bool last = lineEnd == std::string::npos;
        if (last)
            lineEnd = m_out.size();
        size_t end = lineEnd;
        while (end > lineStart && m_out[end - 1] == ' ')
            --end;
        result.append(m_out, lineStart, end - lineStart);
        if (last)
            break;
        result += '\n';
        lineStart = lineEnd + 1;
    }
    while (!result.empty() && result.back() == '\n')
        result.pop_back();
    return result;
}

}  // namespace HtmlPaste
