// SPDX-License-Identifier: MIT
#include "paste/HtmlToBBCode.h"

#include "paste/BBCodeWriter.h"
#include "paste/CssStyle.h"
#include "base/HtmlNesting.h"

#include <gumbo.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace HtmlPaste {

namespace {

constexpr size_t npos = std::string_view::npos;
// Addresses longer than this are no links or pictures: no board takes them,
// and a link is written again for every paragraph it spans.
constexpr size_t MaxAddress = 4096;
// A tree deeper than this is not walked further (the depth guard keeps
// parsed trees far below it).
constexpr int MaxDepth = 4096;

constexpr int Normal = 2;  // the Normal item of a size list

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (Lower(text[i]) != prefix[i])
            return false;
    return true;
}

std::string_view Trim(std::string_view text)
{
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; };
    while (!text.empty() && space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && space(text.back()))
        text.remove_suffix(1);
    return text;
}

// A web address a reader could follow: http or https, not overlong.
std::optional<std::string_view> WebAddress(const char* value)
{
    if (!value)
        return std::nullopt;
    const std::string_view address = Trim(value);
    if (address.size() > MaxAddress
        || !(StartsWithIgnoringCase(address, "http://") || StartsWithIgnoringCase(address, "https://")))
        return std::nullopt;
    return address;
}

// Clipboard data without the offsets some systems put before the HTML
// ("Version:0.9", "StartHTML:000000105", ...).
std::string_view WithoutClipboardHeader(std::string_view data)
{
    if (!data.starts_with("Version:"))
        return data;
    const size_t key = data.find("StartHTML:");
    if (key != npos) {
        size_t offset = 0;
        size_t at = key + 10;
        while (at < data.size() && data[at] >= '0' && data[at] <= '9' && offset < data.size())
            offset = offset * 10 + size_t(data[at++] - '0');
        if (offset > at && offset < data.size() && data[offset] == '<')
            return data.substr(offset);
    }
    const size_t tag = data.find('<');
    return tag == npos ? std::string_view() : data.substr(tag);
}

const char* AttributeOf(const GumboElement& element, const char* name)
{
    const GumboAttribute* attribute = gumbo_get_attribute(&element.attributes, name);
    return attribute ? attribute->value : nullptr;
}

// The element's name in lower case, also for names the parser does not
// know ("o:p").
std::string NameOf(const GumboElement& element)
{
    if (element.tag != GUMBO_TAG_UNKNOWN)
        return gumbo_normalized_tagname(element.tag);
    GumboStringPiece piece = element.original_tag;
    if (!piece.data || piece.length == 0)
        return {};
    gumbo_tag_from_original_text(&piece);
    std::string name(piece.data, piece.length);
    for (char& c : name)
        c = Lower(c);
    return name;
}

// The level (1, 2, ...) of an office suite's list paragraph, from its
// "mso-list: l0 level2 lfo1"; 0 for any other element.
int OfficeListLevel(const CssStyle::Declarations& style)
{
    const std::string_view list = style.officeList;
    const size_t level = list.find("level");
    if (list.empty() || list[0] != 'l' || level == npos)
        return 0;
    int number = 0;
    for (size_t at = level + 5; at < list.size() && list[at] >= '0' && list[at] <= '9' && number < 100; ++at)
        number = number * 10 + (list[at] - '0');
    return number;
}

// The text of the first text node under `node`.
std::string_view FirstText(const GumboNode* node, int depth = 0)
{
    if (node->type == GUMBO_NODE_TEXT)
        return node->v.text.text;
    if (node->type != GUMBO_NODE_ELEMENT || depth > 16)
        return {};
    const GumboVector& children = node->v.element.children;
    for (unsigned i = 0; i < children.length; ++i) {
        const std::string_view text = FirstText(static_cast<const GumboNode*>(children.data[i]), depth + 1);
        if (!Trim(text).empty())
            return text;
    }
    return {};
}

// The list tag of an office list paragraph, from the number or bullet its
// hidden mark shows: "1." and "a)" are numbered, anything else a bullet.
std::string_view OfficeListTag(const GumboNode* paragraph)
{
    const GumboVector& children = paragraph->v.element.children;
    for (unsigned i = 0; i < children.length; ++i) {
        const auto* child = static_cast<const GumboNode*>(children.data[i]);
        if (child->type != GUMBO_NODE_ELEMENT)
            continue;
        const char* style = AttributeOf(child->v.element, "style");
        if (!style || CssStyle::Read(style).officeList != "Ignore")
            continue;
        const std::string_view mark = Trim(FirstText(child));
        if (mark.size() < 2 || (mark.back() != '.' && mark.back() != ')'))
            return "[list]";
        const char first = mark[0];
        if (first >= '0' && first <= '9')
            return "[list=1]";
        if (first == 'i' || first == 'v' || first == 'x')
            return "[list=i]";
        if ((first >= 'a' && first <= 'z') || (first >= 'A' && first <= 'Z'))
            return "[list=a]";
        return "[list]";
    }
    return "[list]";
}

// Whether two "#rrggbb" colours are near enough that a reader takes them
// for one (dark grey body text and black): no channel differs by more than 48.
bool NearColours(std::string_view a, std::string_view b)
{
    const auto channel = [](std::string_view colour, size_t at) {
        return std::stoi(std::string(colour.substr(at, 2)), nullptr, 16);
    };
    for (size_t at = 1; at < 7; at += 2)
        if (std::abs(channel(a, at) - channel(b, at)) > 48)
            return false;
    return true;
}

// What an element hands down to what it holds.
struct Context {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::string_view link;  // the http(s) address of the link around; empty: none
    std::string colour = "#000000";
    double pixels = 16;  // the font size, in CSS pixels
    CssStyle::WhiteSpace whiteSpace = CssStyle::WhiteSpace::Collapse;
    int heading = 0;    // 1 to 6 inside a heading
    bool code = false;  // inside preformatted text written as [code]
    int lists = 0;      // lists open around
    int cells = 0;      // table cells open around
};

class Converter {
public:
    Converter(const Dialect& dialect, size_t htmlSize, bool whole)
        : m_dialect(dialect), m_wholeIsFragment(whole), m_writer(2 * htmlSize + MaxAddress)
    {
    }

    // The most common colour and size of the text, which are not written.
    void CountLooks(const GumboNode* document)
    {
        m_counting = true;
        m_inFragment = m_wholeIsFragment;
        Walk(document, Context(), 0);
        m_counting = false;
        // Ties go to the smaller key, so the result does not depend on the maps' order.
        size_t most = 0;
        for (const auto& [colour, count] : m_colours) {
            if (count > most || (count == most && colour < m_defaultColour)) {
                most = count;
                m_defaultColour = colour;
            }
        }
        most = 0;
        for (const auto& [pixels, count] : m_sizes) {
            if (count > most || (count == most && pixels < m_defaultPixels)) {
                most = count;
                m_defaultPixels = pixels;
            }
        }
    }

    std::string Write(const GumboNode* document)
    {
        m_inFragment = m_wholeIsFragment;
        Walk(document, Context(), 0);
        return m_writer.Finish();
    }

private:
    bool Writing() const { return !m_counting && m_inFragment; }

    void Walk(const GumboNode* node, const Context& context, int depth)
    {
        if (depth > MaxDepth)
            return;
        switch (node->type) {
        case GUMBO_NODE_DOCUMENT:
            Children(node, context, depth);
            break;
        case GUMBO_NODE_ELEMENT:
        case GUMBO_NODE_TEMPLATE:
            Element(node, context, depth);
            break;
        case GUMBO_NODE_TEXT:
        case GUMBO_NODE_CDATA:
        case GUMBO_NODE_WHITESPACE:
            Text(node->v.text.text, context);
            break;
        case GUMBO_NODE_COMMENT: {
            const std::string_view comment = Trim(node->v.text.text);
            if (comment == "StartFragment")
                m_inFragment = true;
            else if (comment == "EndFragment")
                m_inFragment = false;
            break;
        }
        }
    }

    // The children of `node`; consecutive office list paragraphs among them
    // become a list.
    void Children(const GumboNode* node, const Context& context, int depth)
    {
        const GumboVector& children =
            node->type == GUMBO_NODE_DOCUMENT ? node->v.document.children : node->v.element.children;
        std::vector<std::string_view> officeLists;  // the list tags open, one per level
        const auto closeOfficeLists = [&](size_t level) {
            while (officeLists.size() > level) {
                m_writer.CloseBlock("[/list]");
                officeLists.pop_back();
            }
            if (level == 0)
                m_writer.Break(2);
        };
        for (unsigned i = 0; i < children.length; ++i) {
            const auto* child = static_cast<const GumboNode*>(children.data[i]);
            if (child->type == GUMBO_NODE_WHITESPACE || child->type == GUMBO_NODE_COMMENT) {
                Walk(child, context, depth + 1);
                continue;
            }
            int level = 0;
            if (child->type == GUMBO_NODE_ELEMENT && Writing() && !context.code && context.cells == 0) {
                if (const char* style = AttributeOf(child->v.element, "style"))
                    level = OfficeListLevel(CssStyle::Read(style));
            }
            if (level == 0) {
                if (!officeLists.empty())
                    closeOfficeLists(0);
                Walk(child, context, depth + 1);
                continue;
            }
            const std::string_view tag = OfficeListTag(child);
            if (officeLists.empty())
                m_writer.Break(2);
            closeOfficeLists(size_t(level));
            if (officeLists.size() == size_t(level) && officeLists.back() != tag)
                closeOfficeLists(size_t(level) - 1);
            while (officeLists.size() < size_t(level)) {
                m_writer.OpenBlock(tag, !officeLists.empty());
                officeLists.push_back(tag);
            }
            m_writer.Item();
            Context item = context;
            ++item.lists;
            Walk(child, item, depth + 1);
        }
        if (!officeLists.empty())
            closeOfficeLists(0);
    }

    TextLook LookOf(const Context& context) const
    {
        TextLook look;
        look.bold = context.bold;
        look.italic = context.italic;
        look.underline = context.underline;
        look.link = context.link;
        int item = Normal;
        if (m_dialect.keepColoursAndSizes) {
            if (context.link.empty() && !NearColours(context.colour, m_defaultColour))
                look.colour = context.colour;
            // The item whose ratio to Normal is nearest, on a logarithmic scale.
            static constexpr std::array<double, 5> Ratios = {0.5, 0.85, 1, 1.5, 2};
            const double ratio = std::log(context.pixels / m_defaultPixels);
            double nearest = 1e9;
            for (size_t i = 0; i < Ratios.size(); ++i) {
                const double distance = std::fabs(std::log(Ratios[i]) - ratio);
                if (distance < nearest) {
                    nearest = distance;
                    item = int(i);
                }
            }
        }
        if (context.heading == 1)
            item = std::max(item, 4);
        else if (context.heading == 2 || context.heading == 3)
            item = std::max(item, 3);
        if (item != Normal)
            look.size = m_dialect.sizes[size_t(item)];
        return look;
    }

    void Text(const char* text, const Context& context)
    {
        if (!m_inFragment)
            return;
        if (m_counting) {
            if (!context.link.empty())
                return;
            size_t shown = 0;
            for (const char* c = text; *c; ++c)
                shown += (*c != ' ' && *c != '\n' && *c != '\t' && *c != '\r');
            if (shown > 0) {
                m_colours[context.colour] += shown;
                m_sizes[std::round(context.pixels * 100) / 100] += shown;
            }
            return;
        }
        if (context.code) {
            m_writer.Text(text, TextLook(), true, true);
            return;
        }
        const bool keepAll = context.whiteSpace == CssStyle::WhiteSpace::KeepAll;
        const bool keepLines = keepAll || context.whiteSpace == CssStyle::WhiteSpace::KeepLineBreaks;
        m_writer.Text(text, LookOf(context), keepAll, keepLines);
    }

    // Elements that show nothing a reader could paste.
    static bool Unseen(std::string_view name)
    {
        static constexpr std::array<std::string_view, 27> Names = {
            "head",   "script",   "style", "title",    "meta",   "link",     "noscript", "template", "iframe",
            "object", "embed",    "svg",   "math",     "select", "datalist", "audio",    "video",    "canvas",
            "input",  "textarea", "map",   "frameset", "frame",  "noframes", "o:p",      "param",    "colgroup"};
        return std::find(Names.begin(), Names.end(), name) != Names.end();
    }

    static bool IsBlock(std::string_view name)
    {
        static constexpr std::array<std::string_view, 24> Names = {
            "div",    "section", "article",    "header",  "footer",  "nav",     "aside",    "main",
            "center", "figure",  "figcaption", "address", "details", "summary", "fieldset", "legend",
            "form",   "dt",      "dd",         "caption", "body",    "dl",      "hgroup",   "li"};
        return std::find(Names.begin(), Names.end(), name) != Names.end();
    }

    void Element(const GumboNode* node, const Context& parent, int depth)
    {
        const GumboElement& element = node->v.element;
        const std::string name = NameOf(element);
        if (Unseen(name) || AttributeOf(element, "hidden"))
            return;
        const char* styleText = AttributeOf(element, "style");
        const CssStyle::Declarations style = styleText ? CssStyle::Read(styleText) : CssStyle::Declarations();
        if (style.hidden || style.officeList == "Ignore")
            return;
        Context context = parent;
        ApplyLook(name, element, style, context);

        if (name == "br") {
            if (Writing()) {
                if (context.code)
                    m_writer.Text("\n", TextLook(), true, true);
                else
                    m_writer.LineBreak();
            }
            return;
        }
        if (name == "img") {
            if (Writing() && !context.code)
                if (const auto address = WebAddress(AttributeOf(element, "src")))
                    m_writer.Picture(*address, LookOf(context));
            return;
        }
        if (name == "hr") {
            if (Writing())
                m_writer.Break(2);
            return;
        }
        if (context.code || m_counting) {
            if (name == "q")
                Text("\"", context);
            Children(node, context, depth);
            if (name == "q")
                Text("\"", context);
            return;
        }

        const bool flat = context.cells > 0;  // a table row holds no block tags
        if (name == "blockquote" && !flat) {
            Block(node, context, depth, "[quote]", "[/quote]");
        } else if ((name == "pre" || name == "listing" || name == "xmp" || name == "plaintext") && !flat) {
            context.code = true;
            Block(node, context, depth, "[code]", "[/code]");
        } else if ((name == "ul" || name == "ol" || name == "menu" || name == "dir") && !flat) {
            std::string_view tag = "[list]";
            if (name == "ol") {
                const char* type = AttributeOf(element, "type");
                const char kind = type ? type[0] : '1';
                tag = kind == 'a' || kind == 'A' ? "[list=a]" : kind == 'i' || kind == 'I' ? "[list=i]" : "[list=1]";
            }
            const bool nested = context.lists++ > 0;
            Block(node, context, depth, tag, "[/list]", nested);
        } else if (name == "li" && context.lists > 0 && !flat) {
            if (Writing())
                m_writer.Item();
            Children(node, context, depth);
        } else if (name == "tr") {
            if (Writing())
                m_writer.StartRow();
            m_cellsInRow.push_back(0);
            Children(node, context, depth);
            m_cellsInRow.pop_back();
            if (Writing())
                m_writer.EndRow();
        } else if (name == "td" || name == "th") {
            if (Writing())
                m_writer.StartCell(m_cellsInRow.empty() || m_cellsInRow.back() == 0);
            if (!m_cellsInRow.empty())
                ++m_cellsInRow.back();
            ++context.cells;
            Children(node, context, depth);
        } else if (name == "q") {
            Text("\xe2\x80\x9c", context);
            Children(node, context, depth);
            Text("\xe2\x80\x9d", context);
        } else {
            const bool paragraph = name == "p" || name == "table" || name == "ul" || name == "ol"
                || (name.size() == 2 && name[0] == 'h' && name[1] >= '1' && name[1] <= '6');
            const int lines = paragraph ? (style.noVerticalMargins ? 1 : 2) : IsBlock(name) ? 1 : 0;
            if (lines && Writing())
                m_writer.Break(lines);
            Children(node, context, depth);
            if (lines && Writing())
                m_writer.Break(lines);
        }
    }

    // A block tag around the element's content, when it starts inside the
    // copied part; closed whether or not that part ends inside it.
    void Block(const GumboNode* node, const Context& context, int depth, std::string_view open, std::string_view close,
               bool nested = false)
    {
        const bool opened = Writing();
        if (opened) {
            if (!nested)
                m_writer.Break(2);
            m_writer.OpenBlock(open, nested);
        }
        Children(node, context, depth);
        if (opened) {
            m_writer.CloseBlock(close);
            m_writer.Break(2);
        }
    }

    // The look an element gives its content: its own meaning (bold for
    // <b>, a size for <h1>), then its presentational attributes, then its
    // style attribute.
    static void ApplyLook(std::string_view name, const GumboElement& element, const CssStyle::Declarations& style,
                          Context& context)
    {
        if (name == "b" || name == "strong" || name == "th")
            context.bold = true;
        else if (name == "i" || name == "em" || name == "cite" || name == "var" || name == "dfn")
            context.italic = true;
        else if (name == "u" || name == "ins")
            context.underline = true;
        else if (name == "small" || name == "sub" || name == "sup")
            context.pixels *= 0.83;
        else if (name == "big")
            context.pixels *= 1.2;
        else if (name == "pre" || name == "listing" || name == "xmp" || name == "plaintext")
            context.whiteSpace = CssStyle::WhiteSpace::KeepAll;
        else if (name == "a") {
            if (const auto address = WebAddress(AttributeOf(element, "href")))
                context.link = *address;
        } else if (name == "font") {
            if (const char* colour = AttributeOf(element, "color"))
                if (const auto value = CssStyle::Colour(colour))
                    context.colour = *value;
            if (const char* size = AttributeOf(element, "size"))
                if (const auto value = CssStyle::FontElementSize(size))
                    context.pixels = value->Of(context.pixels);
        } else if (name.size() == 2 && name[0] == 'h' && name[1] >= '1' && name[1] <= '6') {
            static constexpr std::array<double, 6> Factors = {2, 1.5, 1.17, 1, 0.83, 0.67};
            context.heading = name[1] - '0';
            context.bold = true;
            context.pixels *= Factors[size_t(context.heading - 1)];
        }
        if (style.bold)
            context.bold = *style.bold;
        if (style.italic)
            context.italic = *style.italic;
        if (style.underline.value_or(false))
            context.underline = true;  // a child cannot take away its parent's underline
        if (style.colour)
            context.colour = *style.colour;
        if (style.size)
            context.pixels = std::clamp(style.size->Of(context.pixels), 1.0, 1000.0);
        if (style.whiteSpace)
            context.whiteSpace = *style.whiteSpace;
    }

    const Dialect& m_dialect;
    const bool m_wholeIsFragment;  // no StartFragment marker: all of the HTML was copied
    BBCodeWriter m_writer;
    bool m_counting = false;
    bool m_inFragment = true;
    std::vector<int> m_cellsInRow;  // per open table row: its cells so far
    std::unordered_map<std::string, size_t> m_colours;
    std::unordered_map<double, size_t> m_sizes;
    std::string m_defaultColour = "#000000";
    double m_defaultPixels = 16;
};

struct GumboOutputDeleter {
    void operator()(GumboOutput* output) const { gumbo_destroy_output(&kGumboDefaultOptions, output); }
};

}  // namespace

std::string ToBBCode(std::string_view clipboardHtml, const Dialect& dialect)
{
    const std::string_view html = WithoutClipboardHeader(clipboardHtml);
    const std::string bounded = HtmlNesting::Bounded(html);
    // The parser's record of the HTML's errors copies its stack of open
    // elements for each: it is not kept.
    GumboOptions options = kGumboDefaultOptions;
    options.max_errors = 0;
    const std::unique_ptr<GumboOutput, GumboOutputDeleter> output(
        gumbo_parse_with_options(&options, bounded.data(), bounded.size()));
    if (!output)
        return {};
    Converter converter(dialect, bounded.size(), bounded.find("<!--StartFragment") == npos);
    if (dialect.keepColoursAndSizes)
        converter.CountLooks(output->document);
    return converter.Write(output->document);
}

}  // namespace HtmlPaste
