// SPDX-License-Identifier: MIT
// The tag processor of the phpBB 3 parser: tags in position order, each
// checked against its limits, filtered, fitted into the open elements
// (closing, fostering or reopening formatting elements where the nesting is
// wrong) and written out as events.

#include "board/phpbb3/Phpbb3Parser.h"

#include "board/phpbb3/Phpbb3Filters.h"
#include "board/phpbb3/Phpbb3Scan.h"
#include "board/common/Ascii.h"

#include <algorithm>
#include <climits>
#include <iterator>

namespace Phpbb3::Internal {
namespace {

constexpr uint32_t All = (1u << RealTagCount) - 1;
constexpr uint32_t Phrasing = Bit(Name::B) | Bit(Name::I) | Bit(Name::U) | Bit(Name::Size) | Bit(Name::Color)
    | Bit(Name::Url) | Bit(Name::Email) | Bit(Name::Img) | Bit(Name::Flash) | Bit(Name::Smiley) | Bit(Name::Emoji)
    | Bit(Name::LinkText);
constexpr uint32_t Flow = Phrasing | Bit(Name::Quote) | Bit(Name::Code) | Bit(Name::List) | Bit(Name::Attachment);
constexpr uint32_t Formatting =
    Bit(Name::B) | Bit(Name::I) | Bit(Name::U) | Bit(Name::Size) | Bit(Name::Color) | Bit(Name::Url) | Bit(Name::Email);
constexpr uint32_t Links = Bit(Name::Url) | Bit(Name::Email);
constexpr uint32_t Unlimited = UINT32_MAX;
constexpr size_t DefaultTagLimit = 5000;
constexpr int MaxFixingCost = 10000;

// Derived from each tag's HTML: phrasing elements hold phrasing content,
// links are transparent but hold no links, block elements hold flow content
// and foster or close the formatting elements they are opened in, lists hold
// items only, void elements and those that do not show their content (img,
// object, the attachment's div) are taken as a span.
constexpr TagConfig Configs[RealTagCount] = {
    /* B */ {AutoReopen, Phrasing, All, 0, 0, 10},
    /* I */ {AutoReopen, Phrasing, All, 0, 0, 10},
    /* U */ {AutoReopen, Phrasing, All, 0, 0, 10},
    /* Size */ {AutoReopen, Phrasing, All, 0, 0, 10},
    /* Color */ {AutoReopen, Phrasing, All, 0, 0, 10},
    /* Url */ {AutoReopen | IsTransparent, All, All & ~Links, 0, 0, 10},
    /* Email */ {AutoReopen | IsTransparent, All, All & ~Links, 0, 0, 10},
    /* Img */ {AutoClose, Phrasing, All, 0, 0, 10},
    /* Quote */ {IgnoreWhitespace, Flow, All, Formatting, Formatting, Unlimited},
    /* Code */
    {IgnoreWhitespace | IgnoreTags | TrimFirstLine | DisableAutoBr, Phrasing, All, Formatting, Formatting, 10},
    /* List */ {IgnoreWhitespace | SuspendAutoBr, Bit(Name::Li), All, Formatting, Formatting, 10},
    /* Li */ {IgnoreWhitespace, Flow, All, Formatting, Formatting | Bit(Name::Li), 10},
    /* Flash */ {0, Phrasing, All, 0, 0, 10},
    /* Attachment */ {IgnoreWhitespace, Phrasing, All, 0, Formatting, 10},
    /* Smiley */ {AutoClose, 0, All, 0, 0, 10},
    /* Emoji */ {AutoClose, 0, All, 0, 0, 10},
    /* LinkText */ {0, 0, All, 0, 0, 10},
};

constexpr TagConfig SystemConfig = {0, 0, 0, 0, 0, 0};

bool IsReal(Name n) { return static_cast<int>(n) < RealTagCount; }

bool IsWhitespace(char c) { return c == ' ' || c == '\n' || c == '\t'; }

// The order in which tags are processed, as a heap's "less": by position;
// at one position negative priorities first, then lower priorities, then
// zero-width tags (end, self-closing, start), then longer tags first; then
// scan order, tags added while processing before older ones.
struct Later {
    const std::vector<Tag>* tags;
    bool operator()(TagId a, TagId b) const
    {
        const Tag& x = (*tags)[a];
        const Tag& y = (*tags)[b];
        if (x.pos != y.pos)
            return x.pos > y.pos;
        if ((x.prio < 0) != (y.prio < 0))
            return y.prio < 0;
        if (x.prio != y.prio)
            return x.prio > y.prio;
        if ((x.len == 0) != (y.len == 0))
            return y.len == 0;
        if (x.len != y.len)
            return x.len < y.len;
        if (x.len == 0 && x.type != y.type)
            return x.type > y.type;
        return x.order > y.order;
    }
};

}  // namespace

const TagConfig& ConfigOf(Name name) { return IsReal(name) ? Configs[static_cast<int>(name)] : SystemConfig; }

const AttrValue* Find(std::span<const AttrValue> attributes, Attr name)
{
    for (const AttrValue& a : attributes)
        if (a.name == name)
            return &a;
    return nullptr;
}

void Set(Attributes& attributes, Attr name, std::string value)
{
    for (AttrValue& a : attributes) {
        if (a.name == name) {
            a.owned = true;
            a.copy = std::move(value);
            return;
        }
    }
    attributes.push_back({name, true, {}, std::move(value)});
}

void SetView(Attributes& attributes, Attr name, std::string_view value)
{
    for (AttrValue& a : attributes) {
        if (a.name == name) {
            a.owned = false;
            a.view = value;
            a.copy.clear();
            return;
        }
    }
    attributes.push_back({name, false, value, {}});
}

Parser::Parser(std::string_view text, const Options& options, const std::vector<Smiley>& smilies, Workspace& workspace)
    : text(text), smilies(smilies), m_options(options), m_workspace(workspace)
{
    Exchange();
    tags.clear();
    attrPool.clear();
    events.clear();
}

Parser::~Parser() { Exchange(); }

// Takes the workspace's buffers, or gives them back.
void Parser::Exchange()
{
    Workspace& w = m_workspace;
    tags.swap(w.tags);
    attrPool.swap(w.attrPool);
    events.swap(w.events);
    for (int i = 0; i < RunCount; ++i)
        m_runs[i].swap(w.runs[i]);
    m_sorted.swap(w.sorted);
    m_heap.swap(w.heap);
    m_pending.swap(w.pending);
    m_closing.swap(w.closing);
    m_reopen.swap(w.reopen);
    m_looked.swap(w.looked);
    m_openTags.swap(w.openTags);
    m_cascades.swap(w.cascades);
    for (auto& run : m_runs)
        run.clear();
    for (std::vector<TagId>* v : {&m_sorted, &m_heap, &m_openTags})
        v->clear();
    m_cascades.clear();
}

uint32_t Parser::FlagsOf(TagId id) const { return ConfigOf(tags[id].name).flags; }

void Parser::Run()
{
    {
        // The scanners in the board's order, each adding its tags as a run
        // of its own (a BBCode's lookahead closing tags go to run 1).
        Scanner scanner(*this, m_workspace);
        m_run = 0;
        scanner.ScanBBCodes();
        m_run = 2;
        scanner.ScanEmails();
        m_run = 3;
        scanner.ScanLinks();
        m_run = 4;
        scanner.ScanEmoji();
        m_run = 5;
        scanner.ScanSmilies();
        m_run = 6;
        scanner.ScanEmojiShortCodes();
    }
    MergeRuns();
    ProcessTags();
    OutputText(text.size(), 0);
    smileyCount = m_cntTotal[static_cast<int>(Name::Smiley)];
    urlCount = m_cntTotal[static_cast<int>(Name::Url)];
}

// --- The tags -------------------------------------------------------------------

TagId Parser::AddTag(Type type, Name name, size_t pos, size_t len, int prio)
{
    const TagId id = TagId(tags.size());
    Tag& tag = tags.emplace_back();
    tag.name = name;
    tag.type = type;
    tag.pos = pos;
    tag.len = len;
    tag.prio = prio;
    if (pos + len > text.size()) {
        tag.invalid = true;
    } else if (name == Name::Flash && !m_options.mayUseFlash) {
        Log("You cannot use certain BBCodes: [flash].");
        tag.invalid = true;
    } else {
        Push(id);
    }
    return id;
}

TagId Parser::AddCopyTag(TagId original, size_t pos, size_t len, int prio)
{
    const TagId copy = AddTag(tags[original].type, tags[original].name, pos, len, prio);
    tags[copy].attrBegin = tags[original].attrBegin;
    tags[copy].attrCount = tags[original].attrCount;
    return copy;
}

// Moves the values of `list` (a scratch list) into the pool.
void Parser::StoreAttrs(TagId id, Attributes& list)
{
    tags[id].attrBegin = uint32_t(attrPool.size());
    tags[id].attrCount = uint32_t(list.size());
    attrPool.insert(attrPool.end(), std::make_move_iterator(list.begin()), std::make_move_iterator(list.end()));
}

void Parser::Pair(TagId start, TagId end)
{
    tags[start].endTag = end;
    tags[end].startTag = start;
}

void Parser::CascadeInvalidation(TagId from, TagId to)
{
    m_cascades.push_back({tags[from].cascade, to});
    tags[from].cascade = uint32_t(m_cascades.size());
}

void Parser::Invalidate(TagId id)
{
    m_pending.assign(1, id);
    while (!m_pending.empty()) {
        const TagId t = m_pending.back();
        m_pending.pop_back();
        if (tags[t].invalid)
            continue;
        tags[t].invalid = true;
        for (uint32_t link = tags[t].cascade; link; link = m_cascades[link - 1].first)
            m_pending.push_back(m_cascades[link - 1].second);
    }
}

void Parser::Push(TagId id)
{
    if (!m_processing) {
        tags[id].order = int32_t(id);
        m_runs[m_run].push_back({tags[id].pos, id});
        return;
    }
    tags[id].order = m_nextOrder--;
    m_heap.push_back(id);
    std::push_heap(m_heap.begin(), m_heap.end(), Later{&tags});
}

// The scanners' runs, each in processing order, merged into one in a
// single pass (there are few runs, so the smallest head is found by a scan).
void Parser::MergeRuns()
{
    const Later later{&tags};
    size_t total = 0;
    size_t heads[RunCount] = {};
    for (const auto& run : m_runs)
        total += run.size();
    m_sorted.clear();
    m_sorted.reserve(total);
    auto before = [&](int a, int b) {
        const auto& x = m_runs[a][heads[a]];
        const auto& y = m_runs[b][heads[b]];
        return x.first < y.first || (x.first == y.first && later(y.second, x.second));
    };
    while (m_sorted.size() < total) {
        int best = -1, second = -1;
        for (int r = 0; r < RunCount; ++r) {
            if (heads[r] >= m_runs[r].size())
                continue;
            if (best < 0 || before(r, best)) {
                second = best;
                best = r;
            } else if (second < 0 || before(r, second)) {
                second = r;
            }
        }
        // The best run goes on while it is ahead of every other run's head.
        const size_t limit = second < 0 ? SIZE_MAX : m_runs[second][heads[second]].first;
        const auto& run = m_runs[best];
        size_t& head = heads[best];
        do
            m_sorted.push_back(run[head++].second);
        while (head < run.size() && run[head].first < limit);
    }
    for (auto& run : m_runs)
        run.clear();
    m_next = 0;
}

bool Parser::HeapFirst() const
{
    return !m_heap.empty() && (m_next >= m_sorted.size() || Later{&tags}(m_sorted[m_next], m_heap.front()));
}

TagId Parser::Pop()
{
    if (!HeapFirst())
        return m_sorted[m_next++];
    std::pop_heap(m_heap.begin(), m_heap.end(), Later{&tags});
    const TagId id = m_heap.back();
    m_heap.pop_back();
    return id;
}

TagId Parser::Peek() const
{
    if (HeapFirst())
        return m_heap.front();
    return m_next < m_sorted.size() ? m_sorted[m_next] : NoTag;
}

bool Parser::Waiting() const { return m_next < m_sorted.size() || !m_heap.empty(); }

void Parser::Log(std::string message)
{
    if (std::find(errors.begin(), errors.end(), message) == errors.end())
        errors.push_back(std::move(message));
}

// --- Processing ---------------------------------------------------------------

void Parser::ProcessTags()
{
    m_contexts.push_back({Flow, All, EnableAutoBr});
    m_processing = true;
    while (Waiting()) {
        while (Waiting()) {
            m_current = Pop();
            ProcessCurrentTag();
        }
        // Tags left open are closed at the end, innermost first.
        for (const TagId open : m_openTags)
            AddMagicEndTag(open, text.size(), 0);
    }
}

void Parser::ProcessCurrentTag()
{
    const TagId id = m_current;
    const bool system = !IsReal(tags[id].name);
    if ((m_contexts.back().flags & IgnoreTags) && !system && !CanClose(id, m_openTags.back()))
        Invalidate(id);
    Tag* tag = &tags[id];
    if (m_pos > tag->pos && !tag->invalid) {
        // The text this tag starts in was consumed already.
        const TagId start = tag->startTag;
        if (start != NoTag && tags[start].openCount > 0) {
            const size_t end = tag->pos + tag->len;
            const TagId moved = AddTag(Type::End, tags[start].name, m_pos, end > m_pos ? end - m_pos : 0);
            Pair(start, moved);
            return;
        }
        if (tag->name == Name::Ignore && tag->pos + tag->len > m_pos) {
            AddTag(Type::SelfClosing, Name::Ignore, m_pos, tag->pos + tag->len - m_pos);
            return;
        }
        Invalidate(id);
    }
    tag = &tags[id];
    if (tag->invalid)
        return;
    if (tag->name == Name::Ignore) {
        OutputIgnore(tag->pos, tag->len);
    } else if (tag->name == Name::Verbatim) {
        const uint32_t flags = m_contexts.back().flags;
        m_contexts.back().flags = 0;
        OutputText(tag->pos + tag->len, 0);
        m_contexts.back().flags = flags;
    } else if (tag->type == Type::End) {
        ProcessEndTag(id);
    } else {
        ProcessStartTag(id);
    }
}

void Parser::ProcessStartTag(TagId id)
{
    const Name name = tags[id].name;
    const int n = static_cast<int>(name);
    const TagConfig& config = ConfigOf(name);
    size_t limit = DefaultTagLimit;
    if (name == Name::Smiley)
        limit = m_options.limits.maxSmilies ? m_options.limits.maxSmilies : SIZE_MAX;
    else if (name == Name::Url)
        limit = m_options.limits.maxUrls ? m_options.limits.maxUrls : SIZE_MAX;
    if (m_cntTotal[n] >= limit) {
        if (name == Name::Smiley)
            Log("Your message contains too many smilies. The maximum number of smilies allowed is "
                + std::to_string(limit) + ".");
        else if (name == Name::Url)
            Log("Your message contains too many URLs. The maximum number of URLs allowed is " + std::to_string(limit)
                + ".");
        Invalidate(id);
        return;
    }
    if (!FilterTag(id)) {
        Invalidate(id);
        return;
    }
    if (tags[id].invalid)
        return;
    if (m_fixingCost < MaxFixingCost && (FosterParent(id) || CloseParent(id)))
        return;
    if (m_cntOpen[n] >= config.nestingLimit || !(m_contexts.back().allowedChildren & Bit(name))) {
        Invalidate(id);
        return;
    }
    TagId tag = id;
    if ((FlagsOf(id) & AutoClose) && tags[id].type != Type::SelfClosing && tags[id].endTag == NoTag
        && !(Peek() != NoTag && CanClose(Peek(), id))) {
        // A void element on its own: written as self-closing.
        Tag copy = tags[id];
        copy.type = Type::SelfClosing;
        tag = TagId(tags.size());
        tags.push_back(std::move(copy));
        tags[tag].cascade = 0;
    }
    const size_t after = tags[tag].pos + tags[tag].len;
    if ((FlagsOf(tag) & TrimFirstLine) && after < text.size() && text[after] == '\n')
        AddTag(Type::SelfClosing, Name::Ignore, after, 1);
    OutputTag(tag);
    PushContext(tag);
    if (name == Name::List && tags[tag].type == Type::Start) {
        size_t childPos = m_pos;
        while (childPos < text.size() && (IsWhitespace(text[childPos]) || text[childPos] == '\r'))
            ++childPos;
        AddTag(Type::Start, Name::Li, childPos, 0, -999);
    }
}

void Parser::ProcessEndTag(TagId id)
{
    const Name name = tags[id].name;
    if (m_cntOpen[static_cast<int>(name)] == 0)
        return;
    std::vector<TagId>& closing = m_closing;
    closing.clear();
    ptrdiff_t i = ptrdiff_t(m_openTags.size());
    while (--i >= 0) {
        if (CanClose(id, m_openTags[size_t(i)]))
            break;
        closing.push_back(m_openTags[size_t(i)]);
        ++m_fixingCost;
    }
    if (i < 0)
        return;
    uint32_t flags = FlagsOf(id);
    for (const TagId t : closing)
        flags |= FlagsOf(t);
    const bool ignoreWhitespace = flags & IgnoreWhitespace;
    bool keepReopening = m_fixingCost < MaxFixingCost;
    std::vector<TagId>& reopen = m_reopen;
    reopen.clear();
    for (const TagId open : closing) {
        if (keepReopening) {
            if (FlagsOf(open) & AutoReopen)
                reopen.push_back(open);
            else
                keepReopening = false;
        }
        const size_t pos = ignoreWhitespace ? MagicEndPos(tags[id].pos) : tags[id].pos;
        const TagId end = TagId(tags.size());
        Tag& t = tags.emplace_back();
        t.name = tags[open].name;
        t.type = Type::End;
        t.pos = pos;
        OutputTag(end);
        PopContext();
    }
    OutputTag(id);
    PopContext();

    if (!closing.empty() && m_fixingCost < MaxFixingCost) {
        // End tags right here that would close what was just closed are
        // taken as done, and those elements not reopened.
        size_t ignorePos = m_pos;
        m_looked.clear();
        while (Waiting() && ++m_fixingCost < MaxFixingCost) {
            const TagId upcoming = Peek();
            if (tags[upcoming].pos > ignorePos || tags[upcoming].type != Type::End)
                break;
            m_looked.push_back(Pop());
            for (ptrdiff_t j = ptrdiff_t(closing.size()); --j >= 0 && ++m_fixingCost < MaxFixingCost;) {
                if (CanClose(upcoming, closing[size_t(j)])) {
                    closing.erase(closing.begin() + j);
                    if (size_t(j) < reopen.size())
                        reopen.erase(reopen.begin() + j);
                    ignorePos = std::max(ignorePos, tags[upcoming].pos + tags[upcoming].len);
                    break;
                }
            }
        }
        for (const TagId t : m_looked) {
            m_heap.push_back(t);
            std::push_heap(m_heap.begin(), m_heap.end(), Later{&tags});
        }
        if (ignorePos > m_pos)
            OutputIgnore(m_pos, ignorePos - m_pos);
    }
    for (size_t k = 0; k < reopen.size(); ++k) {
        const TagId start = reopen[k];
        const TagId copy = AddCopyTag(start, m_pos, 0, tags[start].prio);
        if (tags[start].endTag != NoTag)
            Pair(copy, tags[start].endTag);
    }
}

bool Parser::FosterParent(TagId id)
{
    if (m_openTags.empty())
        return false;
    const TagId parent = m_openTags.back();
    if (!(ConfigOf(tags[id].name).fosterParent & Bit(tags[parent].name)))
        return false;
    if (tags[parent].name != tags[id].name && m_fixingCost < MaxFixingCost) {
        const auto [childPos, childPrio] = MagicStartCoords(tags[id].pos + tags[id].len);
        const TagId child = AddCopyTag(parent, childPos, 0, childPrio);
        CascadeInvalidation(id, child);
    }
    Push(id);
    AddMagicEndTag(parent, tags[id].pos, tags[id].prio - 1);
    m_fixingCost += 4;
    return true;
}

bool Parser::CloseParent(TagId id)
{
    if (m_openTags.empty())
        return false;
    const TagId parent = m_openTags.back();
    if (!(ConfigOf(tags[id].name).closeParent & Bit(tags[parent].name)))
        return false;
    ++m_fixingCost;
    Push(id);
    AddMagicEndTag(parent, tags[id].pos, tags[id].prio - 1);
    return true;
}

void Parser::AddMagicEndTag(TagId start, size_t pos, int prio)
{
    if ((FlagsOf(m_current) | FlagsOf(start)) & IgnoreWhitespace)
        pos = MagicEndPos(pos);
    const TagId end = AddTag(Type::End, tags[start].name, pos, 0, prio);
    Pair(start, end);
}

// Where a tag reopened inside another goes: past the white space after it,
// before the next tag if that comes first.
std::pair<size_t, int> Parser::MagicStartCoords(size_t pos) const
{
    size_t nextPos = text.size() + 1;
    int nextPrio = 0;
    if (const TagId next = Peek(); next != NoTag) {
        nextPos = tags[next].pos;
        nextPrio = tags[next].prio;
    }
    while (pos < nextPos && pos < text.size() && IsWhitespace(text[pos]))
        ++pos;
    return {pos, pos == nextPos ? nextPrio - 1 : 0};
}

// Where an element closed by another's tag ends: before the white space
// that precedes that tag, but not before the cursor.
size_t Parser::MagicEndPos(size_t pos) const
{
    while (pos > m_pos && IsWhitespace(text[pos - 1]))
        --pos;
    return pos;
}

bool Parser::CanClose(TagId endId, TagId startId) const
{
    const Tag& end = tags[endId];
    const Tag& start = tags[startId];
    return !end.invalid && end.name == start.name && end.type == Type::End && start.type == Type::Start
        && (end.startTag == NoTag || end.startTag == startId) && (start.endTag == NoTag || start.endTag == endId);
}

void Parser::PushContext(TagId id)
{
    Tag& tag = tags[id];
    const int n = static_cast<int>(tag.name);
    ++m_cntTotal[n];
    if (tag.type == Type::SelfClosing)
        return;
    const TagConfig& config = ConfigOf(tag.name);
    const Context& parent = m_contexts.back();
    Context context;
    context.allowedDescendants = parent.allowedDescendants & config.descendants;
    context.allowedChildren =
        ((config.flags & IsTransparent) ? parent.allowedChildren : config.children) & context.allowedDescendants;
    context.flags = config.flags | (parent.flags & EnableAutoBr);
    if (context.flags & DisableAutoBr)
        context.flags &= ~EnableAutoBr;
    ++m_cntOpen[n];
    ++tag.openCount;
    m_openTags.push_back(id);
    m_contexts.push_back(context);
}

void Parser::PopContext()
{
    const TagId id = m_openTags.back();
    m_openTags.pop_back();
    m_contexts.pop_back();
    --m_cntOpen[static_cast<int>(tags[id].name)];
    --tags[id].openCount;
}

// --- Output ---------------------------------------------------------------------

void Parser::OutputTag(TagId id)
{
    const Tag& tag = tags[id];
    const size_t pos = tag.pos, len = tag.len;
    const Type type = tag.type;
    int skipBefore = 0, skipAfter = 0;
    if (FlagsOf(id) & IgnoreWhitespace) {
        skipBefore = 1;
        skipAfter = type == Type::Start ? 1 : 2;
    }
    OutputText(pos, skipBefore);
    if (type == Type::Start)
        Emit(Ev::Open, id, pos, pos + len);
    else if (type == Type::SelfClosing)
        Emit(Ev::Leaf, id, pos, pos + len);
    else
        Emit(Ev::Close, m_openTags.back(), pos, pos + len);
    m_pos = pos + len;
    m_wsPos = m_pos;
    while (skipAfter && m_wsPos < text.size() && text[m_wsPos] == '\n') {
        --skipAfter;
        ++m_wsPos;
    }
}

// The text up to `catchupPos`: newlines a tag already skipped stay plain,
// as do up to `maxLines` newlines (with the spaces around them) just before
// it; the rest gets <br> when the context wants them.
void Parser::OutputText(size_t catchupPos, int maxLines)
{
    if (m_pos >= catchupPos)
        return;
    if (m_wsPos > m_pos) {
        const size_t skip = std::min(catchupPos, m_wsPos);
        Emit(Ev::Text, NoTag, m_pos, skip);
        m_pos = skip;
        if (m_pos >= catchupPos)
            return;
    }
    size_t ignoreLen = 0;
    for (size_t at = catchupPos; maxLines && at > m_pos;) {
        const char c = text[--at];
        if (!IsWhitespace(c))
            break;
        if (c == '\n')
            --maxLines;
        ++ignoreLen;
    }
    catchupPos -= ignoreLen;
    if (catchupPos > m_pos) {
        const uint32_t breaks = m_contexts.back().flags & (EnableAutoBr | DisableAutoBr | SuspendAutoBr);
        Emit(breaks == EnableAutoBr ? Ev::TextBr : Ev::Text, NoTag, m_pos, catchupPos);
    }
    if (ignoreLen)
        Emit(Ev::Text, NoTag, catchupPos, catchupPos + ignoreLen);
    m_pos = catchupPos + ignoreLen;
}

void Parser::OutputIgnore(size_t pos, size_t len)
{
    OutputText(pos, 0);
    Emit(Ev::Hidden, NoTag, pos, pos + len);
    m_pos = pos + len;
}

// Appends an event; an element opened and closed with nothing written
// between and no tag text of its own (an item created and closed at once)
// is dropped, as the board drops empty elements.
void Parser::Emit(Ev kind, TagId tag, size_t begin, size_t end)
{
    if (kind == Ev::Close && begin == end && !events.empty() && events.back().kind == Ev::Open
        && events.back().tag == tag && events.back().begin == events.back().end) {
        events.pop_back();
        return;
    }
    if ((kind == Ev::Text || kind == Ev::TextBr) && !events.empty() && events.back().kind == kind
        && events.back().end == begin) {
        events.back().end = end;
        return;
    }
    events.push_back({kind, tag, begin, end});
}

// --- Filters ----------------------------------------------------------------------

bool Parser::FilterTag(TagId id)
{
    const Name name = tags[id].name;
    std::span<const AttrValue> attributes = AttrsOf(id);
    if (name == Name::Quote) {
        if (const AttrValue* author = Find(attributes, Attr::Author)) {
            Filters::QuoteAuthor parsed = Filters::ParseQuoteAuthor(author->Get());
            m_scratch.assign(attributes.begin(), attributes.end());
            if (parsed.url && !Find(m_scratch, Attr::Url))
                Set(m_scratch, Attr::Url, std::move(*parsed.url));
            Set(m_scratch, Attr::Author, std::move(parsed.author));
            attributes = m_scratch;
        }
    } else if (name == Name::Flash) {
        if (const AttrValue* size = Find(attributes, Attr::Flash)) {
            const std::string_view v = size->Get();
            const size_t comma = v.find(',');
            if (comma != std::string_view::npos && Ascii::IsDigits(v.substr(0, comma))
                && Ascii::IsDigits(v.substr(comma + 1))) {
                const std::string width(v.substr(0, comma)), height(v.substr(comma + 1));
                m_scratch.assign(attributes.begin(), attributes.end());
                if (!Find(m_scratch, Attr::Width))
                    Set(m_scratch, Attr::Width, width);
                if (!Find(m_scratch, Attr::Height))
                    Set(m_scratch, Attr::Height, height);
                attributes = m_scratch;
            }
        }
    }
    m_filtered.clear();
    if (!FilterAttributes(name, attributes, m_filtered))
        return false;
    if (name == Name::LinkText) {
        std::string shortened = Filters::ShortenLinkText(Find(m_filtered, Attr::Text)->Get());
        if (shortened == text.substr(tags[id].pos, tags[id].len))
            return false;
        Set(m_filtered, Attr::Text, std::move(shortened));
    }
    if (name != Name::Smiley)
        StoreAttrs(id, m_filtered);
    if (name == Name::Url)
        AddLinkText(id);
    return true;
}

// The tag's attributes through their filters: what is not defined for the
// tag goes, a refused optional attribute goes, a refused or missing
// required one refuses the tag.
bool Parser::FilterAttributes(Name tagName, std::span<const AttrValue> in, Attributes& out)
{
    auto keep = [&](Attr name, bool required, auto check) {
        if (const AttrValue* v = Find(in, name)) {
            std::optional<std::string> filtered = check(v->Get());
            if (filtered) {
                Set(out, name, std::move(*filtered));
                return true;
            }
        }
        return !required;
    };
    auto asIs = [](std::string_view v) { return std::optional<std::string>(std::string(v)); };
    auto only = [](bool valid, std::string_view v) {
        return valid ? std::optional<std::string>(std::string(v)) : std::nullopt;
    };
    auto digits = [&](std::string_view v) { return only(Ascii::IsDigits(v), v); };
    auto url = [](std::string_view v) { return Filters::Url(v); };
    auto uint = [](std::string_view v) { return Filters::Uint(v); };
    bool ok = true;
    switch (tagName) {
    case Name::Attachment:
        ok = keep(Attr::Index, true, digits);
        ok = keep(Attr::Filename, true, asIs) && ok;
        return ok;
    case Name::Code:
        return keep(Attr::Lang, false, [&](std::string_view v) { return only(Filters::IsIdentifier(v), v); });
    case Name::Color:
        return keep(Attr::Color, true, [&](std::string_view v) { return only(Filters::IsColor(v), v); });
    case Name::Email: {
        ok = keep(Attr::Email, true, [&](std::string_view v) { return only(Filters::IsEmail(v), v); });
        auto encoded = [](std::string_view v) { return std::optional<std::string>(Filters::RawUrlEncode(v)); };
        keep(Attr::Subject, false, encoded);
        keep(Attr::Body, false, encoded);
        return ok;
    }
    case Name::Flash:
        ok = keep(Attr::Width, true, digits);
        ok = keep(Attr::Height, true, digits) && ok;
        ok = keep(Attr::Url, true, url) && ok;
        return ok;
    case Name::Img:
        return keep(Attr::Src, true, url);
    case Name::List:
        return keep(Attr::Type, false, [](std::string_view v) { return Filters::ListType(v); });
    case Name::Quote:
        keep(Attr::Author, false, asIs);
        keep(Attr::PostId, false, uint);
        keep(Attr::MsgId, false, uint);
        keep(Attr::Time, false, uint);
        keep(Attr::Url, false, url);
        keep(Attr::UserId, false, uint);
        return true;
    case Name::Size:
        return keep(Attr::Size, true, [this](std::string_view v) -> std::optional<std::string> {
            switch (Filters::CheckFontSize(v, m_options.limits.maxFontSize)) {
            case Filters::FontSize::Fine:
                return std::string(v);
            case Filters::FontSize::TooLarge:
                Log("You may only use fonts up to size " + std::to_string(m_options.limits.maxFontSize) + ".");
                return std::nullopt;
            default:
                return std::nullopt;
            }
        });
    case Name::Url:
        return keep(Attr::Url, true, url);
    case Name::Emoji:
        return keep(Attr::Seq, true, asIs);
    case Name::LinkText:
        return keep(Attr::Text, true, asIs);
    default:
        return true;
    }
}

// A link whose text is its address (a magic link, or [url] without a
// value) shows a long address shortened: a tag over the link's text that
// carries the shortened form, dropped when it would change nothing.
void Parser::AddLinkText(TagId url)
{
    const Tag& tag = tags[url];
    if (tag.endTag == NoTag)
        return;
    if (tag.len != 0) {
        const std::string_view typed = text.substr(tag.pos, tag.len);
        if (!Ascii::EqualsIgnoringCase(typed, "[url]"))
            return;
    }
    const size_t start = tag.pos + tag.len;
    const size_t end = std::max(start, tags[tag.endTag].pos);
    const TagId linkText = AddTag(Type::SelfClosing, Name::LinkText, start, end - start, 10);
    m_scratch.clear();
    SetView(m_scratch, Attr::Text, text.substr(start, end - start));
    StoreAttrs(linkText, m_scratch);
    CascadeInvalidation(url, linkText);
}

}  // namespace Phpbb3::Internal
