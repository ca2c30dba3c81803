// SPDX-License-Identifier: MIT
#include "board/phpbb3/Phpbb3Html.h"

#include "board/common/ByteScan.h"
#include "board/common/LineAnchor.h"
#include "board/phpbb3/Phpbb3Filters.h"

#include <algorithm>

namespace Phpbb3::Internal {
namespace {

constexpr std::string_view CodeBoxOpening =
    "<div class=\"codebox\"><p>Code: <a href=\"#\" onclick=\"selectCode(this); return false;\">Select all</a></p>"
    "<pre><code>";
constexpr std::string_view ArrowIcon = "<i class=\"icon fa-arrow-circle-up fa-fw\" aria-hidden=\"true\"></i></a>";

class Writer {
public:
    Writer(const Parser& parser, int maxQuoteDepth, std::vector<uint32_t>* lineAnchors, size_t firstLine)
        : m_parser(parser), m_maxQuoteDepth(maxQuoteDepth), m_anchors(lineAnchors), m_line(firstLine)
    {
        m_out.reserve(2 * parser.text.size() + 256);
    }

    std::string Write(bool& quotesRemoved);

private:
    void Text(size_t begin, size_t end, bool breaks);
    void AnchorUpTo(size_t pos);
    void Escaped(std::string_view s, bool attribute);
    void Attribute(const Tag& tag, Attr name);
    bool Open(TagId id);
    void Close(TagId id);
    void Leaf(TagId id);
    void QuoteOpening(const Tag& tag);
    void FlashObject(const Tag& tag);
    std::span<const AttrValue> Attrs(const Tag& tag) const
    {
        return {m_parser.attrPool.data() + tag.attrBegin, tag.attrCount};
    }
    std::string_view Value(const Tag& tag, Attr name) const
    {
        const AttrValue* v = Find(Attrs(tag), name);
        return v ? v->Get() : std::string_view();
    }

    const Parser& m_parser;
    const int m_maxQuoteDepth;
    std::string m_out;
    int m_quoteDepth = 0;
    std::vector<uint32_t>* m_anchors;  // null: no line anchors
    size_t m_line;                     // the post's line at m_counted
    size_t m_counted = 0;              // the newlines before it are counted
};

std::string Writer::Write(bool& quotesRemoved)
{
    TagId skipping = NoTag;  // an element whose content is not shown, or a quote nested too deep
    for (const Event& e : m_parser.events) {
        if (skipping != NoTag) {
            if (e.kind == Ev::Close && e.tag == skipping)
                skipping = NoTag;
            continue;
        }
        AnchorUpTo(e.begin);
        switch (e.kind) {
        case Ev::Text:
        case Ev::TextBr:
            Text(e.begin, e.end, e.kind == Ev::TextBr);
            break;
        case Ev::Open:
            if (!Open(e.tag)) {
                skipping = e.tag;
                if (m_parser.tags[e.tag].name == Name::Quote)
                    quotesRemoved = true;
            }
            break;
        case Ev::Close:
            Close(e.tag);
            break;
        case Ev::Leaf:
            Leaf(e.tag);
            break;
        case Ev::Hidden:
            break;
        }
    }
    return std::move(m_out);
}

// Lines starting before `pos` that no anchor marks yet: one anchor for the
// last of them, here (they started inside a tag, or in text not shown).
void Writer::AnchorUpTo(size_t pos)
{
    if (!m_anchors || pos <= m_counted)
        return;
    const std::string_view text = m_parser.text;
    const auto found = std::count(text.begin() + ptrdiff_t(m_counted), text.begin() + ptrdiff_t(pos), '\n');
    m_counted = pos;
    if (found == 0)
        return;
    m_line += size_t(found);
    LineAnchor::Append(m_out, m_line, *m_anchors);
}

void Writer::Text(size_t begin, size_t end, bool breaks)
{
    using namespace ByteScan;
    const std::string_view text = m_parser.text.substr(begin, end - begin);
    // With line anchors every newline stops the copy, for the anchor after it.
    const bool stopAtNewline = breaks || m_anchors;
    const uint64_t newline = stopAtNewline ? Ones * '\n' : Ones * '&';
    size_t done = 0, i = 0;
    while (true) {
        // Eight bytes at a time to the next byte that must be written otherwise.
        while (i + 8 <= text.size()) {
            const uint64_t w = Load(text.data() + i);
            if (const uint64_t special = HasByte(w, '&') | HasByte(w, '<') | HasByte(w, '>') | HasZero(w ^ newline)) {
                i += size_t(__builtin_ctzll(special)) / 8;  // the lowest flag is exact
                break;
            }
            i += 8;
        }
        while (i < text.size() && text[i] != '&' && text[i] != '<' && text[i] != '>'
               && !(stopAtNewline && text[i] == '\n'))
            ++i;
        if (i >= text.size())
            break;
        const char c = text[i];
        m_out.append(text, done, i - done);
        if (c == '\n') {
            m_out += breaks ? "<br>\n" : "\n";
            AnchorUpTo(begin + i + 1);
        } else {
            m_out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : "&gt;";
        }
        done = ++i;
    }
    m_out.append(text, done);
}

void Writer::Escaped(std::string_view s, bool attribute)
{
    size_t done = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c != '&' && c != '<' && c != '>' && !(attribute && c == '"'))
            continue;
        m_out.append(s, done, i - done);
        m_out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : "&quot;";
        done = i + 1;
    }
    m_out.append(s, done);
}

void Writer::Attribute(const Tag& tag, Attr name) { Escaped(Value(tag, name), true); }

// Writes an element's opening; false when its content is not to be shown
// (a picture, a Flash object, an attachment, a quote nested too deep).
bool Writer::Open(TagId id)
{
    const Tag& tag = m_parser.tags[id];
    switch (tag.name) {
    case Name::B:
        m_out += "<strong class=\"text-strong\">";
        return true;
    case Name::I:
        m_out += "<em class=\"text-italics\">";
        return true;
    case Name::U:
        m_out += "<span style=\"text-decoration:underline\">";
        return true;
    case Name::Size:
        m_out += "<span style=\"font-size:";
        Attribute(tag, Attr::Size);
        m_out += "%;line-height:116%\">";
        return true;
    case Name::Color:
        m_out += "<span style=\"color:";
        Attribute(tag, Attr::Color);
        m_out += "\">";
        return true;
    case Name::Url:
        m_out += "<a href=\"";
        Attribute(tag, Attr::Url);
        m_out += "\" class=\"postlink\">";
        return true;
    case Name::Email: {
        m_out += "<a href=\"mailto:";
        Attribute(tag, Attr::Email);
        const AttrValue* subject = Find(Attrs(tag), Attr::Subject);
        const AttrValue* body = Find(Attrs(tag), Attr::Body);
        if (subject || body)
            m_out += '?';
        if (subject) {
            m_out += "subject=";
            Escaped(subject->Get(), true);
        }
        if (body) {
            m_out += subject ? "&amp;body=" : "body=";
            Escaped(body->Get(), true);
        }
        m_out += "\">";
        return true;
    }
    case Name::Quote:
        if (m_maxQuoteDepth > 0 && m_quoteDepth >= m_maxQuoteDepth)
            return false;
        ++m_quoteDepth;
        QuoteOpening(tag);
        return true;
    case Name::Code:
        m_out += CodeBoxOpening;
        return true;
    case Name::List: {
        const std::string_view type = Value(tag, Attr::Type);
        if (type.empty()) {
            m_out += "<ul>";
        } else {
            m_out += Filters::IsOrderedListType(type) ? "<ol style=\"list-style-type:" : "<ul style=\"list-style-type:";
            Escaped(type, true);
            m_out += "\">";
        }
        return true;
    }
    case Name::Li:
        m_out += "<li>";
        return true;
    default:
        Leaf(id);
        return false;
    }
}

void Writer::Close(TagId id)
{
    const Tag& tag = m_parser.tags[id];
    switch (tag.name) {
    case Name::B:
        m_out += "</strong>";
        break;
    case Name::I:
        m_out += "</em>";
        break;
    case Name::U:
    case Name::Size:
    case Name::Color:
        m_out += "</span>";
        break;
    case Name::Url:
    case Name::Email:
        m_out += "</a>";
        break;
    case Name::Quote:
        --m_quoteDepth;
        m_out += "</div></blockquote>";
        break;
    case Name::Code:
        m_out += "</code></pre></div>";
        break;
    case Name::List:
        m_out +=
            Value(tag, Attr::Type).empty() || !Filters::IsOrderedListType(Value(tag, Attr::Type)) ? "</ul>" : "</ol>";
        break;
    case Name::Li:
        m_out += "</li>";
        break;
    default:
        break;
    }
}

// A self-closing element: a smiley, an emoji, a shortened link text, a
// picture, a Flash object, an attachment, or a BBCode written "[b/]",
// whose tag text is its content.
void Writer::Leaf(TagId id)
{
    const Tag& tag = m_parser.tags[id];
    const std::string_view tagText = m_parser.text.substr(tag.pos, tag.len);
    switch (tag.name) {
    case Name::Smiley: {
        const Smiley& smiley = m_parser.smilies[size_t(tag.smiley)];
        m_out += "<img class=\"smilies\" src=\"";
        Escaped(smiley.picture, true);
        m_out +=
            "\" width=\"" + std::to_string(smiley.width) + "\" height=\"" + std::to_string(smiley.height) + "\" alt=\"";
        Escaped(tagText, true);
        m_out += "\" title=\"";
        Escaped(smiley.emotion, true);
        m_out += "\">";
        return;
    }
    case Name::Emoji:
        m_out += "<img alt=\"";
        Escaped(tagText, true);
        m_out += "\" class=\"emoji smilies\" draggable=\"false\" "
                 "src=\"//cdn.jsdelivr.net/gh/twitter/twemoji@latest/assets/svg/";
        Attribute(tag, Attr::Seq);
        m_out += ".svg\">";
        return;
    case Name::LinkText:
        Escaped(Value(tag, Attr::Text), false);
        return;
    case Name::Img:
        m_out += "<img src=\"";
        Attribute(tag, Attr::Src);
        m_out += "\" class=\"postimage\" alt=\"Image\">";
        return;
    case Name::Flash:
        FlashObject(tag);
        return;
    case Name::Attachment:
        m_out += "<div class=\"inline-attachment\"><!-- ia";
        Escaped(Value(tag, Attr::Index), false);
        m_out += " -->";
        Escaped(Value(tag, Attr::Filename), false);
        m_out += "<!-- ia";
        Escaped(Value(tag, Attr::Index), false);
        m_out += " --></div>";
        return;
    default:
        if (Open(id)) {
            Escaped(tagText, false);
            Close(id);
        }
        return;
    }
}

void Writer::QuoteOpening(const Tag& tag)
{
    const AttrValue* author = Find(Attrs(tag), Attr::Author);
    const std::string_view postId = Value(tag, Attr::PostId);
    const std::string postUrl = "./viewtopic.php?p=" + std::string(postId) + "#p" + std::string(postId);
    m_out += "<blockquote";
    if (!postId.empty())
        m_out += " cite=\"" + postUrl + "\"";
    if (!author)
        m_out += " class=\"uncited\"";
    m_out += "><div>";
    if (!author)
        return;
    m_out += "<cite>";
    if (Find(Attrs(tag), Attr::Url)) {
        m_out += "<a href=\"";
        Attribute(tag, Attr::Url);
        m_out += "\" class=\"postlink\">";
        Escaped(author->Get(), false);
        m_out += "</a>";
    } else if (const std::string_view user = Value(tag, Attr::UserId); !user.empty()) {
        m_out += "<a href=\"./memberlist.php?mode=viewprofile&amp;u=" + std::string(user) + "\">";
        Escaped(author->Get(), false);
        m_out += "</a>";
    } else {
        Escaped(author->Get(), false);
    }
    m_out += " wrote:";
    if (!postId.empty()) {
        m_out += " <a href=\"" + postUrl + "\" aria-label=\"View quoted post\" data-post-id=\"" + std::string(postId)
            + "\" onclick=\"if(document.getElementById(hash.substr(1)))href=hash\">";
        m_out += ArrowIcon;
    }
    if (const std::string_view msg = Value(tag, Attr::MsgId); !msg.empty()) {
        m_out += " <a href=\"./ucp.php?i=pm&amp;mode=view&amp;p=" + std::string(msg)
            + "\" aria-label=\"View quoted post\" data-msg-id=\"" + std::string(msg) + "\">";
        m_out += ArrowIcon;
    }
    if (const std::string_view time = Value(tag, Attr::Time); !time.empty())
        m_out += "<span class=\"responsive-hide\">" + Filters::FormatDate(time) + "</span>";
    m_out += "</cite>";
}

void Writer::FlashObject(const Tag& tag)
{
    m_out += "<object classid=\"clsid:D27CDB6E-AE6D-11CF-96B8-444553540000\" "
             "codebase=\"http://active.macromedia.com/flash2/cabs/swflash.cab#version=5,0,0,0\" width=\"";
    Attribute(tag, Attr::Width);
    m_out += "\" height=\"";
    Attribute(tag, Attr::Height);
    m_out += "\"><param name=\"movie\" value=\"";
    Attribute(tag, Attr::Url);
    m_out += "\"><param name=\"play\" value=\"false\"><param name=\"loop\" value=\"false\">"
             "<param name=\"quality\" value=\"high\"><param name=\"allowScriptAccess\" value=\"never\">"
             "<param name=\"allowNetworking\" value=\"internal\"><embed src=\"";
    Attribute(tag, Attr::Url);
    m_out += "\" type=\"application/x-shockwave-flash\" "
             "pluginspage=\"http://www.macromedia.com/shockwave/download/index.cgi?P1_Prod_Version=ShockwaveFlash\" "
             "width=\"";
    Attribute(tag, Attr::Width);
    m_out += "\" height=\"";
    Attribute(tag, Attr::Height);
    m_out += "\" play=\"false\" loop=\"false\" quality=\"high\" allowscriptaccess=\"never\" "
             "allownetworking=\"internal\"></object>";
}

}  // namespace

std::string WriteHtml(const Parser& parser, int maxQuoteDepth, bool& quotesRemoved, std::vector<uint32_t>* lineAnchors,
                      size_t firstLine)
{
    quotesRemoved = false;
    return Writer(parser, maxQuoteDepth, lineAnchors, firstLine).Write(quotesRemoved);
}

}  // namespace Phpbb3::Internal
