// SPDX-License-Identifier: MIT
#include "board/LivePreview.h"

#include "base/PagePolicy.h"
#include "board/classic/BBCodeRenderer.h"
#include "board/common/Ascii.h"
#include "board/common/LineAnchor.h"

#include <algorithm>
#include <array>

namespace LivePreview {

std::string ClassicPage()
{
    std::string page(PagePolicy::NoScripts);
    // The renderer wraps the whole post in one <font> element. Shown as a
    // block it looks the same (its content holds the post's block boxes
    // already), and the browser can lay out a changed paragraph of it
    // alone; as an inline element around a long post, any change costs a
    // layout of all of it.
    page += "<style>#";
    page += ContainerId;
    page += " > font { display: block }</style><div id=\"";
    page += ContainerId;
    page += "\"></div>\r\n";
    return page;
}

Rendered RenderClassic(std::string_view post, std::string_view appFolder)
{
    return WithLineAnchors(bbcode::RenderBBCode(post, appFolder));
}

namespace {

// Elements in which an anchor would be text, or dropped: the parser reads
// their content up to their own end tag (for `select`, the anchor would be
// dropped instead, which would put the later anchors' lines out of step).
constexpr std::array<std::string_view, 10> Closed = {"script", "style",   "textarea", "title",     "xmp",
                                                     "iframe", "noembed", "noframes", "plaintext", "select"};

// The entry of Closed for `name`; empty when it is not one of them.
std::string_view ClosedEntry(std::string_view name)
{
    const auto found = std::find_if(Closed.begin(), Closed.end(),
                                    [name](std::string_view each) { return Ascii::EqualsIgnoringCase(name, each); });
    if (found == Closed.end())
        return {};
    // Nothing ends plaintext: an end tag that can never occur.
    return *found == "plaintext" ? std::string_view("\x01") : *found;
}

// A walk over the HTML as the browser's tokenizer reads it, as far as telling
// text from the rest goes; every LF is copied and counted.
class AnchorWriter {
public:
    AnchorWriter(std::string_view html, bool breakTags) : m_html(html), m_breakTags(breakTags)
    {
        m_out.html.reserve(html.size() + html.size() / 16);
    }

    Rendered Run()
    {
        while (m_at < m_html.size()) {
            const char c = m_html[m_at];
            if (c == '\n') {
                Take(1);
                if (m_closedBy.empty())
                    LineAnchor::Append(m_out.html, m_line, m_out.lines);
            } else if (c == '<') {
                Markup();
            } else {
                const size_t next = m_html.find_first_of("<\n", m_at);
                Take((next == std::string_view::npos ? m_html.size() : next) - m_at);
            }
        }
        return std::move(m_out);
    }

private:
    // Copies `count` bytes; the LFs among them count.
    void Take(size_t count)
    {
        count = std::min(count, m_html.size() - m_at);
        const std::string_view part = m_html.substr(m_at, count);
        m_line += size_t(std::count(part.begin(), part.end(), '\n'));
        m_out.html += part;
        m_at += count;
    }

    // Copies up to and including `end`, or to the end of the HTML.
    void TakeThrough(std::string_view end)
    {
        const size_t found = m_html.find(end, m_at);
        Take(found == std::string_view::npos ? m_html.size() - m_at : found + end.size() - m_at);
    }

    // From a "<": a tag, a comment, a declaration, or a "<" that is text.
    void Markup()
    {
        const std::string_view rest = m_html.substr(m_at);
        const bool endTag = rest.size() > 2 && rest[1] == '/' && Ascii::IsAlpha(rest[2]);
        if (!m_closedBy.empty()) {
            // Inside such an element only its own end tag counts.
            if (endTag && Ascii::EqualsIgnoringCase(rest.substr(2, m_closedBy.size()), m_closedBy)
                && (rest.size() == 2 + m_closedBy.size() || Ascii::IsHtmlSpace(rest[2 + m_closedBy.size()])
                    || rest[2 + m_closedBy.size()] == '/' || rest[2 + m_closedBy.size()] == '>')) {
                m_closedBy = {};
                Tag(2);
            } else {
                Take(1);
            }
            return;
        }
        if (rest.substr(0, 4) == "<!--") {
            Take(4);
            TakeThrough("-->");
        } else if (rest.size() > 1 && (rest[1] == '!' || rest[1] == '?' || (rest[1] == '/' && !endTag))) {
            TakeThrough(">");
        } else if (endTag) {
            Tag(2);
        } else if (rest.size() > 1 && Ascii::IsAlpha(rest[1])) {
            const std::string_view name = Tag(1);
            m_closedBy = ClosedEntry(name);
            if (m_breakTags && Ascii::EqualsIgnoringCase(name, "br")) {
                ++m_line;
                LineAnchor::Append(m_out.html, m_line, m_out.lines);
            }
        } else {
            Take(1);
        }
    }

    // A start or end tag whose name starts `skip` bytes on; copied through
    // its ">", attribute values read as the tokenizer reads them. Gives the
    // name.
    std::string_view Tag(size_t skip)
    {
        Take(skip);
        const size_t nameStart = m_at;
        while (m_at < m_html.size() && !Ascii::IsHtmlSpace(m_html[m_at]) && m_html[m_at] != '/' && m_html[m_at] != '>')
            Take(1);
        const std::string_view name = m_html.substr(nameStart, m_at - nameStart);
        while (m_at < m_html.size()) {
            const char c = m_html[m_at];
            if (c == '>') {
                Take(1);
                break;
            }
            if (Ascii::IsHtmlSpace(c) || c == '/') {
                Take(1);
                continue;
            }
            // An attribute: its name, then perhaps "=" and a value.
            Take(1);
            while (m_at < m_html.size() && !Ascii::IsHtmlSpace(m_html[m_at]) && m_html[m_at] != '/'
                   && m_html[m_at] != '>' && m_html[m_at] != '=')
                Take(1);
            while (m_at < m_html.size() && Ascii::IsHtmlSpace(m_html[m_at]))
                Take(1);
            if (m_at >= m_html.size() || m_html[m_at] != '=')
                continue;
            Take(1);
            while (m_at < m_html.size() && Ascii::IsHtmlSpace(m_html[m_at]))
                Take(1);
            if (m_at < m_html.size() && (m_html[m_at] == '"' || m_html[m_at] == '\'')) {
                const char quote = m_html[m_at];
                Take(1);
                TakeThrough(std::string_view(&quote, 1));
            } else {
                while (m_at < m_html.size() && !Ascii::IsHtmlSpace(m_html[m_at]) && m_html[m_at] != '>')
                    Take(1);
            }
        }
        return name;
    }

    std::string_view m_html;
    bool m_breakTags;  // a <br> ends a line, not an LF
    size_t m_at = 0;
    size_t m_line = 0;
    std::string_view m_closedBy;  // the element whose end tag is awaited, if any
    Rendered m_out;
};

}  // namespace

Rendered WithLineAnchors(std::string_view html) { return AnchorWriter(html, false).Run(); }

Rendered WithBreakAnchors(std::string_view html) { return AnchorWriter(html, true).Run(); }

namespace {

constexpr std::array<std::string_view, 14> Void = {"area",  "base", "br",   "col",   "embed",  "hr",    "img",
                                                   "input", "link", "meta", "param", "source", "track", "wbr"};

// Whether `html` opens and closes its elements in pairs, void elements
// aside. Comments, declarations and the elements of Closed are not followed:
// HTML holding them counts as not balanced.
bool Balanced(std::string_view html)
{
    std::vector<std::string_view> open;
    for (size_t at = html.find('<'); at != std::string_view::npos; at = html.find('<', at + 1)) {
        const bool closing = at + 1 < html.size() && html[at + 1] == '/';
        const size_t nameStart = at + (closing ? 2 : 1);
        if (nameStart >= html.size())
            return false;
        if (!Ascii::IsAlpha(html[nameStart])) {
            if (html[nameStart] == '!' || html[nameStart] == '?' || closing)
                return false;
            continue;  // a "<" that is text
        }
        size_t end = nameStart;
        while (end < html.size() && !Ascii::IsHtmlSpace(html[end]) && html[end] != '/' && html[end] != '>')
            ++end;
        const std::string name = Ascii::ToLower(html.substr(nameStart, end - nameStart));
        // The tag's end: its ">" outside quoted values.
        char quote = 0;
        while (end < html.size() && (quote || html[end] != '>')) {
            if (quote && html[end] == quote)
                quote = 0;
            else if (!quote && (html[end] == '"' || html[end] == '\'') && html[end - 1] == '=')
                quote = html[end];
            ++end;
        }
        if (end >= html.size() || !ClosedEntry(name).empty())
            return false;
        const bool isVoid = std::find(Void.begin(), Void.end(), name) != Void.end();
        if (closing) {
            if (isVoid)
                continue;
            if (open.empty() || !Ascii::EqualsIgnoringCase(open.back(), name))
                return false;
            open.pop_back();
        } else if (!isVoid && html[end - 1] != '/') {
            open.push_back(html.substr(nameStart, name.size()));
        }
        at = end;
    }
    return open.empty();
}

long AnchorsBefore(std::string_view html, size_t end)
{
    long count = 0;
    for (size_t at = html.find(LineAnchor::Element); at != std::string_view::npos && at < end;
         at = html.find(LineAnchor::Element, at + 1))
        ++count;
    return count;
}

}  // namespace

Change ChangeBetween(std::string_view shown, std::string_view next)
{
    Change change;
    change.html = next;
    if (shown.empty())
        return change;
    const size_t most = std::min(shown.size(), next.size());
    size_t prefix = 0;
    while (prefix < most && shown[prefix] == next[prefix])
        ++prefix;
    size_t suffix = 0;
    while (suffix < most - prefix && shown[shown.size() - 1 - suffix] == next[next.size() - 1 - suffix])
        ++suffix;
    const std::string_view anchor = LineAnchor::Element;
    // The last anchor wholly in the common start, the first in the common end.
    size_t start = 0;
    if (prefix >= anchor.size()) {
        const size_t found = shown.rfind(anchor, prefix - anchor.size());
        if (found != std::string_view::npos) {
            start = found + anchor.size();
            change.before = AnchorsBefore(shown, found);
        }
    }
    size_t shownEnd = shown.size();
    const size_t found = shown.find(anchor, shown.size() - suffix);
    if (found != std::string_view::npos) {
        shownEnd = found;
        change.after = change.before + 1 + AnchorsBefore(shown.substr(start), found - start);
    }
    const size_t nextEnd = next.size() - (shown.size() - shownEnd);
    if (start > nextEnd || !Balanced(shown.substr(start, shownEnd - start))
        || !Balanced(next.substr(start, nextEnd - start)))
        return change;
    change.whole = false;
    change.html = next.substr(start, nextEnd - start);
    return change;
}

}  // namespace LivePreview
