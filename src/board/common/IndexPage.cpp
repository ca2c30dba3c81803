// SPDX-License-Identifier: MIT
#include "board/common/IndexPage.h"

#include "base/HtmlText.h"
#include "board/classic/ForumScan.h"
#include "base/HtmlNesting.h"
#include "board/common/Ascii.h"

#include <gumbo.h>

#include <memory>

namespace IndexPage {

namespace {

struct OutputDeleter {
    void operator()(GumboOutput* output) const { gumbo_destroy_output(&kGumboDefaultOptions, output); }
};

std::string AttributeOf(const GumboElement& element, const char* name)
{
    const GumboAttribute* attribute = gumbo_get_attribute(&element.attributes, name);
    return attribute ? std::string(attribute->value) : std::string();
}

std::string TagOf(const GumboElement& element)
{
    if (element.tag != GUMBO_TAG_UNKNOWN)
        return gumbo_normalized_tagname(element.tag);
    GumboStringPiece original = element.original_tag;
    gumbo_tag_from_original_text(&original);
    return Ascii::ToLower(std::string_view(original.data, original.length));
}

// Text as the browser writes it inside an element's HTML.
void AppendSerialised(std::string& out, std::string_view text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '\xC2' && i + 1 < text.size() && text[i + 1] == '\xA0') {
            out += "&nbsp;";
            ++i;
        } else
            out += c;
    }
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

// The text inside `node`, serialised; scripts and styles give none.
std::string TextInside(const GumboNode& node)
{
    std::string text;
    std::vector<const GumboNode*> pending{&node};
    while (!pending.empty()) {
        const GumboNode* at = pending.back();
        pending.pop_back();
        if (at->type == GUMBO_NODE_TEXT || at->type == GUMBO_NODE_WHITESPACE || at->type == GUMBO_NODE_CDATA) {
            AppendSerialised(text, at->v.text.text);
            continue;
        }
        if (at->type != GUMBO_NODE_ELEMENT && at->type != GUMBO_NODE_TEMPLATE)
            continue;
        const GumboTag tag = at->v.element.tag;
        if (tag == GUMBO_TAG_SCRIPT || tag == GUMBO_TAG_STYLE || tag == GUMBO_TAG_TEMPLATE)
            continue;
        const GumboVector& children = at->v.element.children;
        for (unsigned i = children.length; i-- > 0;)
            pending.push_back(static_cast<const GumboNode*>(children.data[i]));
    }
    text = ForumScan::OneLine(text);
    size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

}  // namespace

bool Element::HasClass(std::string_view name) const { return HtmlText::ListsClass(classes, name); }

void ForEachElement(std::string_view html, const Visit& visit)
{
    const std::string bounded = HtmlNesting::Bounded(html);
    // The parser's record of the page's errors copies its stack of open
    // elements for each: it is not kept.
    GumboOptions options = kGumboDefaultOptions;
    options.max_errors = 0;
    const std::unique_ptr<GumboOutput, OutputDeleter> output(
        gumbo_parse_with_options(&options, bounded.data(), bounded.size()));
    if (!output)
        return;
    // Depth first, in document order: each entry is a node and whether its
    // element has been left (then it is taken off `around`).
    struct Step {
        const GumboNode* node;
        bool leaving;
    };
    std::vector<Step> steps{{output->root, false}};
    std::vector<Element> around;
    const std::string none;
    while (!steps.empty()) {
        const Step step = steps.back();
        steps.pop_back();
        if (step.leaving) {
            around.pop_back();
            continue;
        }
        const GumboNode& node = *step.node;
        if (node.type != GUMBO_NODE_ELEMENT && node.type != GUMBO_NODE_TEMPLATE)
            continue;
        const GumboElement& source = node.v.element;
        Element element{TagOf(source), AttributeOf(source, "class"), AttributeOf(source, "id"), std::string()};
        const bool link = source.tag == GUMBO_TAG_A && gumbo_get_attribute(&source.attributes, "href");
        if (link)
            element.href = AttributeOf(source, "href");
        visit(element, around, link ? TextInside(node) : none);
        around.push_back(std::move(element));
        steps.push_back({step.node, true});
        for (unsigned i = source.children.length; i-- > 0;)
            steps.push_back({static_cast<const GumboNode*>(source.children.data[i]), false});
    }
}

}  // namespace IndexPage
