// SPDX-License-Identifier: MIT
#include "board/classic/BBCodeRenderer.h"

#include "board/classic/EmoticonTable.h"
#include "board/common/Reserve.h"
#include "board/classic/TagPass.h"

#include <array>
#include <cstring>

namespace bbcode {
namespace {

constexpr std::string_view CodeBoxOpening = "<p style=\"border:1px solid #C0C0C0;margin-top: 17px;font-family='courier "
                                            "new';margin-right:12px; margin-bottom:11px\">";
constexpr std::string_view QuoteBoxOpening =
    "<p style=\"border:1px solid #C0C0C0;background-color: #EDEBEB; margin-top: 17px;font-family='courier "
    "new';margin-right:12px; margin-bottom:11px\">";

struct Replacement {
    std::string_view from;
    std::string_view to;
};

// The bracketed rows of the fixed replacements; the carriage return is the
// other row.
constexpr std::array<Replacement, 16> FixedTags = {{
    {"[b]", "<b>"},
    {"[/b]", "</b>"},
    {"[i]", "<i>"},
    {"[/i]", "</i>"},
    {"[u]", "<u>"},
    {"[/u]", "</u>"},
    {"[img]", "<img border=\"0\"src=\""},
    {"[/img]", "\">"},
    {"[code]", CodeBoxOpening},
    {"[/code]", "</p>"},
    {"[list]", "<ul>"},
    {"[/list]", "</ul>"},
    {"[list=1]", "<ol type=\"1\">"},
    {"[list=a]", "<ol type=\"a\">"},
    {"[list=i]", "<ol type=\"i\">"},
    {"[*]", "<li>"},
}};
constexpr size_t LongestFixedTag = 8;

// Every non-overlapping occurrence of `from` in `text`, found from the
// start, replaced by `to`, which is no longer, in place: the result is never
// ahead of the text still to be searched.
void ReplaceInPlace(std::string& text, std::string_view from, std::string_view to)
{
    size_t at = text.find(from);
    if (at == std::string::npos)
        return;
    char* data = text.data();
    size_t write = at;
    size_t done = at;
    for (; at != std::string::npos; at = text.find(from, done)) {
        std::memmove(data + write, data + done, at - done);
        write += at - done;
        to.copy(data + write, to.size());
        write += to.size();
        done = at + from.size();
    }
    std::memmove(data + write, data + done, text.size() - done);
    text.resize(write + text.size() - done);
}

// The fixed tags (bold, italic, lists, code...): every row in one walk. The rows may be applied together:
// each bracketed tag is "[", letters and "]" with no other bracket inside, so
// two occurrences never overlap, and no replacement holds "[" or "]", so no
// row finds anything in another row's output. Always writes `out`.
bool ReplaceFixedTags(std::string_view text, std::string& out)
{
    ReserveFor(out, text.size() + text.size() / 8);
    size_t done = 0;
    size_t bracket = text.find('[');
    size_t cr = text.find('\r');
    while (bracket != std::string_view::npos || cr != std::string_view::npos) {
        if (cr < bracket) {
            out.append(text, done, cr - done);
            out += "<br />";
            done = cr + 1;
            cr = text.find('\r', done);
            continue;
        }
        const std::string_view rest = text.substr(bracket, LongestFixedTag);
        size_t next = bracket + 1;
        for (const Replacement& r : FixedTags) {
            if (rest.substr(0, r.from.size()) == r.from) {
                out.append(text, done, bracket - done);
                out += r.to;
                done = next = bracket + r.from.size();
                break;
            }
        }
        bracket = text.find('[', next);
    }
    out.append(text, done);
    return true;
}

// The valued tags: the tag with every prefix in it replaced by the opening
// HTML (`Opening`) and its "]" by the end of that HTML (`Bracket`), the
// value copied as typed.
template <const std::string_view& Prefix, const std::string_view& Opening, const std::string_view& Bracket>
void BuildValuedTag(std::string_view tag, std::string& out)
{
    size_t done = 0;
    for (size_t at = tag.find(Prefix); at != std::string_view::npos; at = tag.find(Prefix, done)) {
        out.append(tag, done, at - done);
        out += Opening;
        done = at + Prefix.size();
    }
    out.append(tag, done, tag.size() - 1 - done);  // a tag holds one "]", its last character
    out += Bracket;
}

constexpr std::string_view ColourPrefix = "[color=", ColourOpening = "<font color=\"", ValueEnd = "\">";
constexpr std::string_view LinkPrefix = "[url=", LinkOpening = "<a href=\"";
constexpr std::string_view SizePrefix = "[size=", SizeOpening = "<span style=\"font-size:", SizeEnd = "px\">";

const TagPass::BuildFn BuildColour = BuildValuedTag<ColourPrefix, ColourOpening, ValueEnd>;
const TagPass::BuildFn BuildLink = BuildValuedTag<LinkPrefix, LinkOpening, ValueEnd>;
const TagPass::BuildFn BuildSize = BuildValuedTag<SizePrefix, SizeOpening, SizeEnd>;

// How much longer a valued tag gets per prefix in it at most: the prefix
// becomes `opening`, and the tag's one "]" becomes `bracket`.
constexpr size_t ValuedGrowth(std::string_view prefix, std::string_view opening, std::string_view bracket)
{
    return opening.size() - prefix.size() + bracket.size() - 1;
}

// The colour, link and size tags that carry a value, and the closing
// colour, link and size tags (one function per kind below). A pass that
// writes `out` returns true; one that finds nothing to do returns false
// and the text stays as it was. The closing tags get no longer, so they are
// replaced in place.
bool ReplaceColourTags(std::string_view text, std::string& out)
{
    thread_local TagPass pass(ColourPrefix, BuildColour, ValuedGrowth(ColourPrefix, ColourOpening, ValueEnd));
    return pass.Run(text, out);
}

void CloseColours(std::string& text) { ReplaceInPlace(text, "[/color]", "</font>"); }

bool ReplaceLinkTags(std::string_view text, std::string& out)
{
    thread_local TagPass pass(LinkPrefix, BuildLink, ValuedGrowth(LinkPrefix, LinkOpening, ValueEnd));
    return pass.Run(text, out);
}

void CloseLinks(std::string& text) { ReplaceInPlace(text, "[/url]", "</a>"); }

bool ReplaceSizeTags(std::string_view text, std::string& out)
{
    thread_local TagPass pass(SizePrefix, BuildSize, ValuedGrowth(SizePrefix, SizeOpening, SizeEnd));
    return pass.Run(text, out);
}

void CloseSizes(std::string& text) { ReplaceInPlace(text, "[/size]", "</span>"); }

// Bare links, after "[/url]" became "</a>". A bare "[url]" is a link when the
// text between it and the first "</a>" after it (its address) holds neither
// "[url]" nor "</": "[url]" address "</" becomes <a href="address">address
// followed by the "</" (the "a>" stays where it was). Any other "[url]" is
// left as typed and the search goes on right after it: one never closed
// would otherwise take a later link's address and text into its own, and a
// tag inside an address would be copied into the link text. Each link is
// converted on its own, so identical links elsewhere get the same text; the
// searches only move forward, so the pass is linear.
bool ReplaceBareLinks(std::string_view text, std::string& out)
{
    constexpr std::string_view Open = "[url]";
    size_t at = text.find(Open);
    if (at == std::string_view::npos)
        return false;
    ReserveFor(out, text.size() + text.size() / 2);
    size_t done = 0;
    size_t close = 0;  // the first "</a>" at or after the address start, once looked up
    size_t slash = 0;  // the first "</" likewise
    while (at != std::string_view::npos) {
        const size_t address = at + Open.size();
        if (close < address)
            close = text.find("</a>", address);
        if (close == std::string_view::npos)
            break;  // no closing link after it: this and every later "[url]" stay
        if (slash < address)
            slash = text.find("</", address);
        const size_t next = text.find(Open, address);
        if (next < close || slash < close) {
            at = next;
            continue;
        }
        const std::string_view link = text.substr(address, close - address);
        out.append(text, done, at - done);
        out += "<a href=\"";
        out += link;
        out += "\">";
        out += link;
        done = close;
        at = next;
    }
    out.append(text, done);
    return true;
}

// The header of a quote tag: "<b>" name " Wrote:</b><br />" when the tag is
// "[quote=" with a name between two double quotes that both stand inside the
// tag (the first not right before the "]"); else empty. A closing quote
// further on in the post does not count: a forgotten one would take the
// text up to the next double quote as the name, once for every such tag.
std::string QuoteHeader(std::string_view tag)
{
    if (tag.substr(0, 7) != "[quote=")
        return {};
    const size_t first = tag.find('"', 7);
    if (first == std::string_view::npos)
        return {};
    const size_t second = tag.find('"', first + 1);
    if (second == std::string_view::npos || second + 1 >= tag.size())
        return {};
    std::string header = "<b>";
    header += tag.substr(first + 1, second - first - 1);
    header += " Wrote:</b><br />";
    return header;
}

// How much longer a quote tag gets at most: the header is 20 characters and
// the name, which stands in the tag between "[quote=", two double quotes and
// a character before "]", 10 characters at least.
constexpr size_t QuoteGrowth = QuoteBoxOpening.size() + 10;

void BuildQuote(std::string_view tag, std::string& out)
{
    out += QuoteBoxOpening;
    out += QuoteHeader(tag);
}

// The quote tags. Defined as rounds that each take the first "[quote" in the text,
// and that always end: a name copied into a header lies inside the tag it
// replaces and leaves out that tag's own "[quote", so every round lowers the
// number of "[quote" in the text by at least one (a copied name may hold
// "[quote" and be boxed in a later round, so it is not simply "each round
// removes its tag"). The walk of TagPass reads each "]" of the text once.
bool ReplaceQuotes(std::string_view text, std::string& out)
{
    thread_local TagPass pass("[quote", BuildQuote, QuoteGrowth);
    return pass.Run(text, out);
}

void CloseQuotes(std::string& text) { ReplaceInPlace(text, "[/quote]", "</p>"); }

// The text between passes. A pass that may lengthen the text reads one
// buffer and writes the other; one that only shortens it works in place, and
// so do the emoticons and the wrapping, in the buffer that is then returned.
// At most two copies of the text are ever held. The buffer that is not
// returned stays with the thread for the next render (the preview renders
// the same post again and again), unless it grew past BigBuffer.
class PassChain {
public:
    explicit PassChain(std::string_view post) : m_text(post) { m_buffers[0].swap(Spare()); }

    template <typename Pass>
    void Apply(Pass pass)
    {
        std::string& out = m_buffers[m_next];
        out.clear();
        if (pass(m_text, out)) {
            m_text = out;
            m_owner = m_next;
            m_next ^= 1;
        }
    }

    template <typename Pass>
    void ApplyInPlace(Pass pass)
    {
        std::string& text = Owned();
        pass(text);
        m_text = text;
    }

    // The last passes: the emoticons, then "<font face="Arial">", the text,
    // "</font>"; the result is handed over without a copy.
    std::string Finish(std::string_view appFolder)
    {
        std::string& text = Owned();
        ReplaceEmoticonsInPlace(text, appFolder, "<font face=\"Arial\">", "</font>");
        std::string& other = m_buffers[m_next];
        if (other.capacity() > BigBuffer)
            std::string().swap(other);
        Spare().swap(other);
        return std::move(text);
    }

private:
    static constexpr size_t BigBuffer = size_t(64) << 20;

    static std::string& Spare()
    {
        thread_local std::string spare;
        return spare;
    }

    // The buffer holding the text, the post copied into one if no pass has
    // written one yet.
    std::string& Owned()
    {
        if (m_owner < 0) {
            m_buffers[m_next].assign(m_text);
            m_owner = m_next;
            m_next ^= 1;
        }
        return m_buffers[m_owner];
    }

    std::string_view m_text;
    std::array<std::string, 2> m_buffers;
    int m_owner = -1;  // the buffer holding m_text, if any
    int m_next = 0;    // the buffer the next pass writes
};

}  // namespace

std::string RenderBBCode(std::string_view post, std::string_view appFolder)
{
    PassChain text(post);
    text.Apply(ReplaceFixedTags);
    text.Apply(ReplaceColourTags);
    text.ApplyInPlace(CloseColours);
    text.Apply(ReplaceLinkTags);
    text.ApplyInPlace(CloseLinks);
    text.Apply(ReplaceBareLinks);
    text.Apply(ReplaceSizeTags);
    text.ApplyInPlace(CloseSizes);
    text.Apply(ReplaceQuotes);
    text.ApplyInPlace(CloseQuotes);
    return text.Finish(appFolder);  // emoticons and the font wrapper
}

}  // namespace bbcode
