// SPDX-License-Identifier: MIT
#include "board/classic/ForumScan.h"

#include "base/HtmlText.h"
#include "board/common/Ascii.h"

#include <algorithm>
#include <array>

namespace ForumScan {

namespace {

constexpr size_t npos = std::string_view::npos;

// Elements whose content the serialiser writes as it is, without escaping:
// their text may hold markup-like letters that are not markup. (Title and
// text areas are escaped by the serialiser but are read the same way in
// markup written by hand, so they are skipped too.)
constexpr std::array<std::string_view, 9> RawTextElements = {"script",   "style",    "xmp",      "iframe", "noembed",
                                                             "noframes", "noscript", "textarea", "title"};

bool IsRawTextElement(std::string_view name)
{
    return std::any_of(RawTextElements.begin(), RawTextElements.end(),
                       [name](std::string_view raw) { return Ascii::EqualsIgnoringCase(name, raw); });
}

// Where the end tag of the raw text element `name` starts, searching from
// `from`; the text's end when there is none.
size_t RawTextEnd(std::string_view html, size_t from, std::string_view name)
{
    const std::string lower = Ascii::ToLower(name);
    for (size_t at = html.find("</", from); at != npos; at = html.find("</", at + 2)) {
        const size_t after = at + 2 + name.size();
        if (after > html.size())
            break;
        if (Ascii::EqualsIgnoringCase(html.substr(at + 2, name.size()), lower)
            && (after == html.size() || Ascii::IsHtmlSpace(html[after]) || html[after] == '/' || html[after] == '>'))
            return at;
    }
    return html.size();
}

// Where the comment or declaration starting at `at` ("<!" or "<?") ends.
size_t SkipCommentOrDeclaration(std::string_view html, size_t at)
{
    if (html.substr(at, 4) == "<!--") {
        // "<!-->" and "<!--->" are whole (empty) comments.
        if (html.substr(at + 4, 1) == ">")
            return at + 5;
        if (html.substr(at + 4, 2) == "->")
            return at + 6;
        const size_t close = html.find("-->", at + 4);
        return close == npos ? html.size() : close + 3;
    }
    const size_t close = html.find('>', at + 2);
    return close == npos ? html.size() : close + 1;
}

// The next occurrence of a needle at or after a position that only grows:
// an answer stays valid until the position passes it, and "none" stays
// "none", so each needle's searches cover the page once in all.
class NextOf {
public:
    NextOf(std::string_view text, std::string_view needle) : m_text(text), m_needle(needle) {}
    size_t From(size_t from)
    {
        if (!m_searched || (m_at != npos && m_at < from)) {
            m_at = m_text.find(m_needle, from);
            m_searched = true;
        }
        return m_at;
    }

private:
    std::string_view m_text, m_needle;
    size_t m_at = npos;
    bool m_searched = false;
};

// The earlier of two positions, either of which may be npos.
size_t Earlier(size_t a, size_t b) { return std::min(a, b); }

}  // namespace

std::string WithUpperCaseLinkEnds(std::string_view html)
{
    std::string out;
    out.reserve(html.size());
    size_t copied = 0;
    size_t at = html.find('<');
    while (at != npos && at + 1 < html.size()) {
        const char next = html[at + 1];
        size_t resume = at + 1;
        if (next == '!' || next == '?') {
            resume = SkipCommentOrDeclaration(html, at);
        } else if (next == '/' && at + 2 < html.size() && Ascii::IsAlpha(html[at + 2])) {
            const size_t nameEnd = HtmlText::NameEnd(html, at + 2);
            const size_t end = HtmlText::TagEnd(html, nameEnd);
            if (end == npos)
                break;
            if (Ascii::EqualsIgnoringCase(html.substr(at + 2, nameEnd - at - 2), "a")) {
                out.append(html.substr(copied, at - copied));
                out.append(LinkEnd);
                copied = end + 1;
            }
            resume = end + 1;
        } else if (next == '/') {
            // "</>" is dropped; "</" before anything else opens a comment.
            resume = html.substr(at, 3) == "</>" ? at + 3 : SkipCommentOrDeclaration(html, at);
        } else if (Ascii::IsAlpha(next)) {
            const size_t nameEnd = HtmlText::NameEnd(html, at + 1);
            const size_t end = HtmlText::TagEnd(html, nameEnd);
            if (end == npos)
                break;
            const std::string_view name = html.substr(at + 1, nameEnd - at - 1);
            if (Ascii::EqualsIgnoringCase(name, "plaintext"))
                break;
            resume = IsRawTextElement(name) ? RawTextEnd(html, end + 1, name) : end + 1;
        }
        at = html.find('<', resume);
    }
    out.append(html.substr(copied));
    return out;
}

std::string OneLine(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    size_t at = 0;
    while (at < text.size()) {
        if (!Ascii::IsHtmlSpace(text[at])) {
            out.push_back(text[at++]);
            continue;
        }
        size_t end = at;
        bool lineBreak = false;
        while (end < text.size() && Ascii::IsHtmlSpace(text[end])) {
            lineBreak = lineBreak || text[end] == '\r' || text[end] == '\n';
            ++end;
        }
        if (lineBreak)
            out.push_back(' ');
        else
            out.append(text.substr(at, end - at));
        at = end;
    }
    return out;
}

Result Scan(std::string_view page)
{
    Result result;
    std::array<std::string_view, 3> markers = {QueryMarker, ParameterMarker, SerialisedParameterMarker};
    std::array<NextOf, 3> nextMarker = {NextOf(page, markers[0]), NextOf(page, markers[1]), NextOf(page, markers[2])};
    NextOf quote(page, "\""), ampersand(page, "&"), linkEnd(page, LinkEnd);
    size_t position = 0;
    for (;;) {
        size_t marker = npos, numberStart = npos;
        for (size_t k = 0; k < markers.size(); ++k)
            if (const size_t at = nextMarker[k].From(position); at < marker) {
                marker = at;
                numberStart = at + markers[k].size();
            }
        if (marker == npos)
            return result;
        const size_t numberEnd = Earlier(quote.From(numberStart), ampersand.From(numberStart));
        if (numberEnd == npos)
            break;
        const size_t close = linkEnd.From(numberEnd);
        if (close == npos)
            break;
        // The backward search stops at the latest at the ">" of the previous
        // entry's "</A>", where this round's searches began, so these walks
        // cover the page once in all.
        const size_t gt = page.rfind('>', close - 1);
        const size_t nameStart = (gt == npos ? numberEnd : gt) + 1;
        std::string entry = OneLine(page.substr(numberStart, numberEnd - numberStart));
        entry.append("- ");
        entry.append(OneLine(page.substr(nameStart, close - nameStart)));
        result.entries.push_back(std::move(entry));
        position = close;
    }
    result.complete = false;
    return result;
}

}  // namespace ForumScan
