// SPDX-License-Identifier: MIT
#pragma once
// The phpBB 3 renderer's parser: scanners find tags over the cleaned text
// (Phpbb3Scan.h), then the tag processor takes them in position order,
// checks and filters each, repairs wrong nesting and writes the events the
// HTML writer turns into HTML. Qt-free.
//
// The processor follows the board's own rules: a tag is skipped when the
// text it starts in was already consumed; a formatting element closed by
// another tag's closing tag is reopened after it; block elements close or
// foster the formatting elements they are opened in; every such repair
// costs from a budget of 10,000, after which no more repairs are made, so
// the work stays linear in the number of tags.

#include "board/phpbb3/Phpbb3Renderer.h"
#include "board/phpbb3/Phpbb3Tags.h"

#include <string>
#include <string_view>
#include <vector>

namespace Phpbb3::Internal {

// The scanners' runs of tags: BBCodes, their looked-ahead closing tags,
// e-mail addresses, web addresses, emoji, smilies, emoji short codes.
constexpr int RunCount = 7;

// The buffers of a parse, lent to each parser and given back, so repeated
// renders (a live preview) reuse their room instead of touching fresh
// memory, which costs more than the parse on some machines.
struct Workspace {
    std::vector<Tag> tags;
    std::vector<AttrValue> attrPool;
    std::vector<Event> events;
    std::vector<std::pair<size_t, TagId>> runs[RunCount];  // (position, tag)
    std::vector<TagId> sorted, heap, pending, closing, reopen, looked, openTags;
    std::vector<size_t> brackets;
    std::vector<std::pair<uint32_t, TagId>> cascades;
    std::vector<size_t> valueStops, quotes[2];
};

class Parser {
public:
    Parser(std::string_view text, const Options& options, const std::vector<Smiley>& smilies, Workspace& workspace);
    ~Parser();
    Parser(const Parser&) = delete;
    Parser& operator=(const Parser&) = delete;

    // Scans and processes the text; the results are the members below.
    void Run();

    std::string_view text;
    std::vector<Tag> tags;
    std::vector<AttrValue> attrPool;
    std::vector<Event> events;
    std::vector<std::string> errors;  // the board's messages, each once, in order
    size_t smileyCount = 0, urlCount = 0;
    const std::vector<Smiley>& smilies;

    std::span<const AttrValue> AttrsOf(TagId id) const
    {
        return {attrPool.data() + tags[id].attrBegin, tags[id].attrCount};
    }
    uint32_t FlagsOf(TagId id) const;

private:
    friend class Scanner;  // adds the tags it finds

    struct Context {
        uint32_t allowedChildren;
        uint32_t allowedDescendants;
        uint32_t flags;
    };

    // Adding tags.
    TagId AddTag(Type type, Name name, size_t pos, size_t len, int prio = 0);
    void StoreAttrs(TagId id, Attributes& list);
    void MergeRuns();
    TagId AddCopyTag(TagId original, size_t pos, size_t len, int prio);
    void Pair(TagId start, TagId end);
    void CascadeInvalidation(TagId from, TagId to);
    void Invalidate(TagId id);
    void Push(TagId id);
    TagId Pop();
    TagId Peek() const;
    bool HeapFirst() const;
    bool Waiting() const;

    // Processing.
    void ProcessTags();
    void ProcessCurrentTag();
    void ProcessStartTag(TagId id);
    void ProcessEndTag(TagId id);
    bool FilterTag(TagId id);
    bool FilterAttributes(Name name, std::span<const AttrValue> in, Attributes& out);
    void AddLinkText(TagId url);
    bool FosterParent(TagId id);
    bool CloseParent(TagId id);
    void AddMagicEndTag(TagId start, size_t pos, int prio);
    std::pair<size_t, int> MagicStartCoords(size_t pos) const;
    size_t MagicEndPos(size_t pos) const;
    bool CanClose(TagId end, TagId start) const;
    void PushContext(TagId id);
    void PopContext();
    void OutputTag(TagId id);
    void OutputText(size_t catchupPos, int maxLines);
    void OutputIgnore(size_t pos, size_t len);
    void Emit(Ev kind, TagId tag, size_t begin, size_t end);
    void Log(std::string message);

    void Exchange();

    const Options& m_options;
    Workspace& m_workspace;
    // Tags wait in order: the scanners' runs (each in position order) are
    // merged once into m_sorted; tags added while processing go to a heap.
    std::vector<std::pair<size_t, TagId>> m_runs[RunCount];
    int m_run = 0;
    std::vector<TagId> m_sorted;
    size_t m_next = 0;
    std::vector<TagId> m_heap;
    int32_t m_nextOrder = -1;
    bool m_processing = false;
    std::vector<TagId> m_pending, m_closing, m_reopen, m_looked;
    Attributes m_scratch, m_filtered;
    std::vector<std::pair<uint32_t, TagId>> m_cascades;  // (1 + next index, tag)
    std::vector<TagId> m_openTags;
    std::vector<Context> m_contexts;
    TagId m_current = NoTag;
    size_t m_pos = 0, m_wsPos = 0;
    int m_fixingCost = 0;
    uint32_t m_cntOpen[RealTagCount] = {};
    size_t m_cntTotal[RealTagCount] = {};
};

// The configuration of one tag name.
struct TagConfig {
    uint32_t flags;
    uint32_t children;      // tags allowed as children
    uint32_t descendants;   // tags allowed at any depth below
    uint32_t fosterParent;  // formatting parents closed before it and reopened inside it
    uint32_t closeParent;   // parents closed before it
    uint32_t nestingLimit;
};
const TagConfig& ConfigOf(Name name);

}  // namespace Phpbb3::Internal
