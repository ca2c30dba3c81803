// SPDX-License-Identifier: MIT
#pragma once
// One opening-tag pass of the renderer in time linear in the text's length.
// Qt-free.
//
// The pass it computes is defined by rounds over the whole text: find an
// opening tag T (a prefix such as "[color=" up to the first "]" after it),
// build its replacement from T alone, replace every occurrence of T in the
// whole text, and go on with the next prefix. Taken literally that costs the
// text's length for every distinct tag. This class gives the same result in
// one walk from left to right.
//
// Why one walk is enough. When a round replaces T further on in the text,
// the replacement holds no "]", so the "]" that ended that occurrence is gone
// and a prefix standing before it now reaches on to the next "]". Later
// rounds therefore see, at each "]", the text between a prefix and that "]"
// as earlier rounds left it. The walk keeps the prefixes that are still open
// (the candidates) on a stack and, at each "]", asks which earlier round
// would have replaced a candidate's tag ending there first: round t replaced
// it when the tag's text equals round t's tag and the text already read so
// at round t (every "]" inside it was consumed before round t, and the text
// it holds existed by then). If no earlier round did, the "]" ends the tag of
// the round now due, which opens at the oldest candidate. Tags are recognised
// by hash and confirmed by comparison; a hash set of the tails of known tags
// (from each prefix they hold to their end) stops the look-down at the first
// candidate that no known tag could start at, so a "]" costs a constant
// unless tags are nested inside tags' values.
//
// Memory. A known tag that stands in the text as typed (no earlier round
// changed anything inside it, the usual case) is referred to where it stands
// in the pass's input; only the others are copied. The hash set keeps 32 bits
// of each hash: a false match costs one more comparison, never a wrong
// result, since every match is confirmed.
//
// Time. For a long post the keys lie beyond the processor's nearer caches,
// and a look there per tag made a 4 MB post cost more than four times a
// 1 MB one. So a filter of two bits per key, sixteen times smaller than the
// keys, answers most looks for a tag not seen before (a false "maybe" only
// sends the look on to the keys), and a new key is put in its slot a few
// tags after it is known, the slot fetched meanwhile.

#include "board/common/TextHash.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bbcode {

class TagPass {
public:
    // `build` appends a tag's replacement, made from the tag's text ("]"
    // included), to `out`. The replacement must hold no "]", must not start
    // with a character of the prefix, and may hold the prefix itself only as
    // whole occurrences (they open new candidates, as the quote pass's copied
    // names do).
    using BuildFn = void (*)(std::string_view tag, std::string& out);

    // `growth` is how much longer the text gets at most per prefix, used to
    // size the result up front (rounds opened by prefixes inside
    // replacements may add more; the result then grows as it goes).
    TagPass(std::string_view prefix, BuildFn build, size_t growth);

    // Writes the pass's result over `out` (its capacity is reused) and
    // returns true; when the text holds no prefix, returns false and leaves
    // `out` as it was, since the result is the text itself. `text` must not
    // be `out`'s own. The object keeps its tables' memory for the next run
    // and no other state.
    bool Run(std::string_view text, std::string& out);

private:
    struct Candidate {
        size_t pos;      // of the prefix in m_out
        size_t shadow;   // latest round that changed the text between this and the next candidate
        TextHash piece;  // of m_out from pos up to the next candidate (when there is one)
    };
    // A tag that was some round's tag: where its text is and its rounds.
    struct KnownTag {
        size_t offset;  // in the input, or in m_arena when InArena is set
        size_t length;
        size_t firstRound;
        int32_t moreRounds;    // index in m_moreRounds, or -1
        int32_t sameHashNext;  // next known tag with the same key, or -1
    };
    // Open addressing over the keys (32 bits of the hashes) of known tags and
    // of their tails.
    struct Slot {
        uint32_t key;   // 0: empty
        int32_t known;  // first known tag with this key, or -1 for a tail only
    };
    struct Match {
        size_t round;
        size_t candidate;
    };

    void Open(size_t shadow);
    void Close();
    TextHash TopHash();
    size_t EarliestRound(int32_t known, size_t candidate, size_t after) const;
    bool IsTag(const KnownTag& tag, std::string_view text) const;
    void StartRound();
    size_t Remember(size_t pos);
    void Replace(size_t candidate, size_t round);
    void AppendReplacement(size_t round);
    Slot* Find(uint64_t hash);
    Slot& Insert(uint64_t hash);
    void Defer(uint64_t hash, int32_t known);
    void Settle();
    void SettleOne(size_t pending);
    Slot* Probe(uint32_t key);
    Slot& Place(uint32_t key);
    void Grow();
    struct FilterBits {
        size_t word;
        uint64_t mask;
    };
    FilterBits BitsOf(uint32_t key) const;
    bool MayHold(uint32_t key) const;
    void Note(uint32_t key);
    void Reserve(size_t prefixes);

    std::string_view m_prefix;
    BuildFn m_build;
    std::string_view m_in;  // the text of the current run
    size_t m_growth;
    std::string m_out;          // the text as the rounds leave it, up to the walk
    std::string m_replacement;  // scratch for the replacement being built
    std::vector<Candidate> m_open;
    TextHash m_top;  // of m_out from the top candidate to m_topEnd
    size_t m_topEnd = 0;
    size_t m_rounds = 0;
    size_t m_asTypedOut = 0;  // m_out from here on is the input from m_asTypedIn on
    size_t m_asTypedIn = 0;
    std::string m_arena;  // known tags that do not stand in the input as typed
    std::vector<KnownTag> m_known;
    std::vector<std::vector<size_t>> m_moreRounds;
    std::vector<Slot> m_slots;
    size_t m_used = 0;
    std::vector<uint64_t> m_filter;  // two bits per key in one word, four bits per slot
    // Keys known but not yet in their slots, oldest first, with their first
    // known tag (or -1).
    static constexpr size_t MaxPending = 8;
    struct Pending {
        uint32_t key;
        int32_t known;
    };
    Pending m_pending[MaxPending];
    size_t m_pendingCount = 0;
};

}  // namespace bbcode
