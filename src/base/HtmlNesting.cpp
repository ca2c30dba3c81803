// SPDX-License-Identifier: MIT
#include "base/HtmlNesting.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <vector>

namespace HtmlNesting {

namespace {

constexpr size_t npos = std::string_view::npos;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool IsAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

template <size_t N>
bool OneOf(std::string_view name, const std::array<std::string_view, N>& names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

constexpr std::array<std::string_view, 16> VoidElements = {"area",  "base",  "br",     "col",     "embed", "hr",
                                                           "img",   "input", "link",   "meta",    "param", "source",
                                                           "track", "wbr",   "keygen", "basefont"};
constexpr std::array<std::string_view, 14> FormattingElements = {"a",    "b", "big",   "code",   "em",     "font", "i",
                                                                 "nobr", "s", "small", "strike", "strong", "tt",   "u"};
// The parser makes every formatting element still open again for each run
// of text in a new block, after a search of its stack for each: no page
// nests more than a few, and a run of thousands would cost as many times
// its length.
constexpr size_t MaxFormatting = 20;
// Formatting elements closed by another element's end tag are made again
// for every later block: a few are kept, as a page typed by hand may leave
// some open.
constexpr size_t MaxLingering = 4;

// Elements an end tag's search for its element does not pass.
constexpr std::array<std::string_view, 12> ScopeBoundaries = {
    "applet", "caption", "html", "table", "td", "th", "marquee", "object", "template", "svg", "math", "foreignobject"};
// Elements whose text holds no tags, in HTML content.
constexpr std::array<std::string_view, 9> RawTextElements = {"script", "style",   "textarea", "title",    "xmp",
                                                             "iframe", "noembed", "noframes", "plaintext"};

// From just after a tag's name to the ">" that ends the tag, through the
// attribute states of the HTML tokenizer (a quote opens a value only after
// "="); npos when the text ends inside the tag.
size_t TagEnd(std::string_view html, size_t at)
{
    enum class State { BeforeName, Name, AfterName, BeforeValue, Unquoted } state = State::BeforeName;
    for (size_t i = at; i < html.size(); ++i) {
        const char c = html[i];
        if (c == '>' && state != State::BeforeValue)
            return i;
        switch (state) {
        case State::BeforeName:
            if (!IsSpace(c) && c != '/')
                state = State::Name;
            break;
        case State::Name:
            if (IsSpace(c) || c == '/')
                state = State::AfterName;
            else if (c == '=')
                state = State::BeforeValue;
            break;
        case State::AfterName:
            if (c == '=')
                state = State::BeforeValue;
            else if (!IsSpace(c) && c != '/')
                state = State::Name;
            break;
        case State::BeforeValue:
            if (c == '"' || c == '\'') {
                i = html.find(c, i + 1);
                if (i == npos)
                    return npos;
                state = State::BeforeName;
            } else if (c == '>') {
                return i;
            } else if (!IsSpace(c)) {
                state = State::Unquoted;
            }
            break;
        case State::Unquoted:
            if (IsSpace(c))
                state = State::BeforeName;
            break;
        }
    }
    return npos;
}

// The end of a comment whose "<!--" starts at `at`: the index of its ">",
// or the text's last index when it is never closed.
size_t CommentEnd(std::string_view html, size_t at)
{
    const size_t body = at + 4;
    if (body < html.size() && html[body] == '>')
        return body;  // "<!-->"
    if (body + 1 < html.size() && html[body] == '-' && html[body + 1] == '>')
        return body + 1;  // "<!--->"
    for (size_t dashes = html.find("--", body); dashes != npos; dashes = html.find("--", dashes + 1)) {
        if (dashes + 2 < html.size() && html[dashes + 2] == '>')
            return dashes + 2;
        if (dashes + 3 < html.size() && html[dashes + 2] == '!' && html[dashes + 3] == '>')
            return dashes + 3;
    }
    return html.size() - 1;
}

// Where the raw text of element `name` that starts at `from` ends: at its
// first end tag, or at the end of the text.
size_t RawTextEnd(std::string_view html, size_t from, std::string_view name)
{
    for (size_t at = html.find("</", from); at != npos; at = html.find("</", at + 1)) {
        const size_t after = at + 2 + name.size();
        if (after > html.size())
            break;
        bool same = true;
        for (size_t i = 0; i < name.size() && same; ++i)
            same = Lower(html[at + 2 + i]) == name[i];
        if (same && (after == html.size() || IsSpace(html[after]) || html[after] == '/' || html[after] == '>'))
            return at;
    }
    return html.size();
}

// The elements that may be open, as an upper bound of the parser's.
class OpenElements {
public:
    explicit OpenElements(size_t maxDepth) : m_maxDepth(maxDepth) {}

    // Whether the start tag of `name` is kept; it is then counted as open.
    bool Start(const std::string& name, bool selfClosing)
    {
        if (OneOf(name, VoidElements) || (selfClosing && m_foreign > 0))
            return true;
        if (m_foreign == 0)
            CloseSibling(name);
        const bool formatting = OneOf(name, FormattingElements);
        if (m_stack.size() + m_lingering >= m_maxDepth
            || (formatting && (m_formatting + m_lingering >= MaxFormatting || m_lingering >= MaxLingering)))
            return false;
        m_stack.push_back(name);
        m_formatting += formatting;
        if (name == "svg" || name == "math")
            ++m_foreign;
        return true;
    }

    // Whether an svg or math element is open: raw-text elements hold tags there.
    bool Foreign() const { return m_foreign > 0; }

    // Whether the end tag of `name` is kept.
    bool End(const std::string& name)
    {
        const bool formatting = OneOf(name, FormattingElements);
        for (size_t i = m_stack.size(); i-- > 0;) {
            if (m_stack[i] == name) {
                if (formatting) {
                    Remove(i);
                } else {
                    while (m_stack.size() > i)
                        Pop();
                }
                return true;
            }
            if (OneOf(std::string_view(m_stack[i]), ScopeBoundaries))
                break;
        }
        if (formatting) {
            auto lingering = m_lingeringByName.find(name);
            if (lingering != m_lingeringByName.end() && lingering->second > 0) {
                --lingering->second;
                --m_lingering;
                return true;
            }
        }
        return name == "p" || name == "br";
    }

private:
    // A paragraph, list item, cell, row or option directly open is closed by
    // the start of the next one.
    void CloseSibling(std::string_view name)
    {
        if (m_stack.empty())
            return;
        const std::string_view top = m_stack.back();
        const bool cell = top == "td" || top == "th";
        if ((name == "p" || name == "li" || name == "option") && top == name)
            Pop();
        else if ((name == "dt" || name == "dd") && (top == "dt" || top == "dd"))
            Pop();
        else if ((name == "td" || name == "th") && cell)
            Pop();
        else if (name == "tr" && (top == "tr" || (cell && m_stack.size() > 1 && m_stack[m_stack.size() - 2] == "tr"))) {
            if (cell)
                Pop();
            Pop();
        }
    }

    // A formatting element closed by another element's end tag stays in the
    // parser's list of formatting elements and is made again for later text.
    void Pop()
    {
        const std::string& name = m_stack.back();
        if (name == "svg" || name == "math")
            --m_foreign;
        if (OneOf(std::string_view(name), FormattingElements)) {
            ++m_lingeringByName[name];
            ++m_lingering;
            --m_formatting;
        }
        m_stack.pop_back();
    }

    // A formatting element's own end tag takes it out.
    void Remove(size_t index)
    {
        m_stack.erase(m_stack.begin() + std::ptrdiff_t(index));
        --m_formatting;
    }

    size_t m_maxDepth;
    std::vector<std::string> m_stack;
    size_t m_foreign = 0;     // svg and math elements open
    size_t m_formatting = 0;  // formatting elements open
    std::unordered_map<std::string, size_t> m_lingeringByName;
    size_t m_lingering = 0;
};

}  // namespace

std::string Bounded(std::string_view html, size_t maxDepth)
{
    std::string result;
    result.reserve(html.size());
    OpenElements open(maxDepth);
    size_t copied = 0;  // html before this is in the result, or left out
    size_t at = html.find('<');
    while (at != npos && at + 1 < html.size()) {
        const char next = html[at + 1];
        size_t end = npos;  // the tag's last character
        if (next == '!' && html.substr(at, 4) == "<!--") {
            end = CommentEnd(html, at);
        } else if (next == '!' || next == '?' || (next == '/' && at + 2 < html.size() && !IsAlpha(html[at + 2]))) {
            end = html.find('>', at + 2);  // a declaration or a bogus comment
            if (end == npos)
                end = html.size() - 1;
        } else if (IsAlpha(next) || (next == '/' && at + 2 < html.size())) {
            const bool isEnd = next == '/';
            const size_t nameStart = at + (isEnd ? 2 : 1);
            size_t nameEnd = nameStart;
            while (nameEnd < html.size() && !IsSpace(html[nameEnd]) && html[nameEnd] != '/' && html[nameEnd] != '>')
                ++nameEnd;
            end = TagEnd(html, nameEnd);
            if (end == npos)
                break;  // the text ends inside the tag
            std::string name;
            name.reserve(nameEnd - nameStart);
            for (size_t i = nameStart; i < nameEnd; ++i)
                name.push_back(Lower(html[i]));
            const bool selfClosing = html[end - 1] == '/';
            const bool kept = isEnd ? open.End(name) : open.Start(name, selfClosing);
            if (!kept) {
                result.append(html.substr(copied, at - copied));
                copied = end + 1;
            }
            if (!isEnd && kept && !open.Foreign() && OneOf(std::string_view(name), RawTextElements)) {
                end = RawTextEnd(html, end + 1, name);
                if (end == html.size())
                    break;
                at = end;  // its end tag is read next
                continue;
            }
        } else {
            at = html.find('<', at + 1);
            continue;
        }
        at = html.find('<', end + 1);
    }
    result.append(html.substr(copied));
    return result;
}

}  // namespace HtmlNesting
