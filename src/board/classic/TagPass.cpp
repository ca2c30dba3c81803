// SPDX-License-Identifier: MIT
#include "board/classic/TagPass.h"

#include "board/common/Reserve.h"

#include <algorithm>
#include <limits>

namespace bbcode {
namespace {

constexpr size_t NoRound = std::numeric_limits<size_t>::max();
// Marks a known tag's offset as one in m_arena rather than in the input.
constexpr size_t InArena = size_t(1) << (std::numeric_limits<size_t>::digits - 1);
// Tables grown past this many slots are let go after the pass; smaller ones
// are kept for the next run.
constexpr size_t BigTable = size_t(1) << 22;

TextHash BracketHash()
{
    TextHash h;
    h.Append(static_cast<unsigned char>(']'));
    return h;
}

// 32 bits of a hash; 0 marks an empty slot.
uint32_t SlotKey(uint64_t hash)
{
    const uint32_t key = static_cast<uint32_t>(hash ^ (hash >> 32));
    return key == 0 ? 1 : key;
}

size_t SlotIndex(uint32_t key, size_t mask) { return size_t(uint64_t(key) * 0x9E3779B97F4A7C15ull >> 32) & mask; }

// At most three quarters of the slots are used.
bool Crowded(size_t used, size_t slots) { return 4 * used > 3 * slots; }

}  // namespace

TagPass::TagPass(std::string_view prefix, BuildFn build, size_t growth)
    : m_prefix(prefix), m_build(build), m_growth(growth)
{
}

bool TagPass::Run(std::string_view text, std::string& out)
{
    size_t i = text.find(m_prefix);
    if (i == std::string_view::npos)
        return false;
    size_t prefixes = 0;
    for (size_t at = i; at != std::string_view::npos; at = text.find(m_prefix, at + m_prefix.size()))
        ++prefixes;
    m_in = text;
    m_out.swap(out);
    m_out.clear();
    ReserveFor(m_out, text.size() + prefixes * m_growth);
    Reserve(prefixes);
    m_rounds = 0;
    m_asTypedOut = 0;
    m_asTypedIn = 0;
    m_out.append(text, 0, i);
    while (i < text.size()) {
        if (m_open.empty()) {
            // Outside any tag only the next prefix matters.
            const size_t at = text.find(m_prefix, i);
            if (at == std::string_view::npos) {
                m_out.append(text, i);
                break;
            }
            m_out.append(text, i, at - i);
            Open(0);
            i = at + m_prefix.size();
            continue;
        }
        size_t j = i;
        while (j < text.size() && text[j] != ']' && !(text[j] == '[' && text.substr(j, m_prefix.size()) == m_prefix))
            ++j;
        m_out.append(text, i, j - i);
        if (j == text.size())
            break;
        if (text[j] == ']') {
            Close();
            i = j + 1;
            // Every "]" met with candidates open is replaced; the text after
            // it is copied as typed until the next one.
            m_asTypedOut = m_out.size();
            m_asTypedIn = i;
        } else {
            Open(0);
            i = j + m_prefix.size();
        }
    }
    // Prefixes with no "]" after them stay as typed: they are in m_out already.
    m_open.clear();
    out.swap(m_out);
    m_in = {};
    if (m_slots.size() > BigTable) {
        m_slots = {};
        m_filter = {};
        m_known = {};
        m_arena = {};
    }
    return true;
}

// Empty tables for a run over a text with `prefixes` prefixes: every prefix
// adds at most one key and one known tag (copied quote names may add more,
// and the tables then grow).
void TagPass::Reserve(size_t prefixes)
{
    size_t slots = 64;
    while (Crowded(prefixes + 1, slots))
        slots *= 2;
    m_slots.assign(slots, Slot{0, -1});
    m_filter.assign(slots / 16, 0);  // 4 bits per slot
    m_pendingCount = 0;
    m_used = 0;
    m_known.clear();
    m_known.reserve(prefixes);
    m_arena.clear();
    m_moreRounds.clear();
}

// A prefix starts at the end of m_out; `shadow` is the round that created it
// (0 for one typed in the post).
void TagPass::Open(size_t shadow)
{
    if (!m_open.empty())
        m_open.back().piece = TopHash();
    m_open.push_back({m_out.size(), shadow, {}});
    m_top = {};
    m_topEnd = m_out.size();
    m_out += m_prefix;
}

// The hash of m_out from the top candidate to its end.
TextHash TagPass::TopHash()
{
    for (; m_topEnd < m_out.size(); ++m_topEnd)
        m_top.Append(static_cast<unsigned char>(m_out[m_topEnd]));
    return m_top;
}

// A "]" met with candidates open: replaced by the earliest earlier round
// whose tag ends here, or else it ends the tag of the round now due.
void TagPass::Close()
{
    TextHash tail = TopHash().Then(BracketHash());
    size_t shadow = 0;
    Match best{NoRound, 0};
    for (size_t k = m_open.size(); k-- > 0;) {
        if (k + 1 < m_open.size())
            tail = m_open[k].piece.Then(tail);
        const Slot* slot = Find(tail.value);
        if (!slot)
            break;  // no known tag ends with this text, so none with a longer one
        shadow = std::max(shadow, m_open[k].shadow);
        const size_t round = EarliestRound(slot->known, k, shadow);
        if (round < best.round)
            best = {round, k};
    }
    if (best.round != NoRound)
        Replace(best.candidate, best.round);
    else
        StartRound();
}

// The first round after `after` whose tag is the text from candidate `k` to
// the end of m_out followed by "]"; NoRound when there is none. `known` is
// the first known tag with that text's hash.
size_t TagPass::EarliestRound(int32_t known, size_t k, size_t after) const
{
    const std::string_view text = std::string_view(m_out).substr(m_open[k].pos);
    for (; known >= 0; known = m_known[size_t(known)].sameHashNext) {
        const KnownTag& tag = m_known[size_t(known)];
        if (!IsTag(tag, text))
            continue;
        if (tag.firstRound > after)
            return tag.firstRound;
        if (tag.moreRounds < 0)
            return NoRound;
        const std::vector<size_t>& rounds = m_moreRounds[size_t(tag.moreRounds)];
        const auto round = std::upper_bound(rounds.begin(), rounds.end(), after);
        return round == rounds.end() ? NoRound : *round;
    }
    return NoRound;
}

// The round now due: its tag runs from the oldest candidate to this "]".
// Every later round will look for it, so it and each of its tails from an
// inner prefix are remembered.
void TagPass::StartRound()
{
    ++m_rounds;
    TextHash tail = TopHash().Then(BracketHash());
    for (size_t k = m_open.size(); k-- > 1;) {
        if (MayHold(SlotKey(tail.value)))
            Insert(tail.value);
        else
            Defer(tail.value, -1);
        tail = m_open[k - 1].piece.Then(tail);
    }
    const std::string_view text = std::string_view(m_out).substr(m_open.front().pos);
    if (!MayHold(SlotKey(tail.value))) {
        // No tag with this key is known: a new one, the usual case.
        m_known.push_back({Remember(m_open.front().pos), text.size() + 1, m_rounds, -1, -1});
        Defer(tail.value, int32_t(m_known.size() - 1));
        Replace(0, m_rounds);
        return;
    }
    Slot& slot = Insert(tail.value);
    int32_t known = slot.known;
    for (; known >= 0; known = m_known[size_t(known)].sameHashNext)
        if (IsTag(m_known[size_t(known)], text))
            break;
    if (known < 0) {
        m_known.push_back({Remember(m_open.front().pos), text.size() + 1, m_rounds, -1, slot.known});
        slot.known = int32_t(m_known.size() - 1);
    } else {
        KnownTag& tag = m_known[size_t(known)];
        if (tag.moreRounds < 0) {
            tag.moreRounds = int32_t(m_moreRounds.size());
            m_moreRounds.emplace_back();
        }
        m_moreRounds[size_t(tag.moreRounds)].push_back(m_rounds);
    }
    Replace(0, m_rounds);
}

// Whether `tag` is `text` followed by "]".
bool TagPass::IsTag(const KnownTag& tag, std::string_view text) const
{
    if (tag.length != text.size() + 1)
        return false;
    const std::string_view source = (tag.offset & InArena) ? std::string_view(m_arena) : m_in;
    return source.substr(tag.offset & ~InArena, text.size()) == text;
}

// Where the tag from m_out's `pos` to the "]" just met can be read again
// while the run lasts: in the input when it stands there as typed, else in a
// copy in m_arena.
size_t TagPass::Remember(size_t pos)
{
    if (pos >= m_asTypedOut)
        return m_asTypedIn + (pos - m_asTypedOut);
    const size_t offset = m_arena.size();
    m_arena.append(m_out, pos);
    m_arena += ']';
    return offset | InArena;
}

// The tag from candidate `k` to the "]" just met becomes its replacement.
void TagPass::Replace(size_t k, size_t round)
{
    const size_t pos = m_open[k].pos;
    m_out += ']';
    m_replacement.clear();
    m_build(std::string_view(m_out).substr(pos), m_replacement);
    m_out.resize(pos);
    m_open.resize(k);
    if (!m_open.empty()) {
        Candidate& top = m_open.back();
        top.shadow = std::max(top.shadow, round);
        m_top = top.piece;
        m_topEnd = m_out.size();
    }
    AppendReplacement(round);
}

// Prefixes inside a replacement (a quote name that holds "[quote") open
// candidates that exist from `round` on.
void TagPass::AppendReplacement(size_t round)
{
    const std::string_view replacement = m_replacement;
    size_t done = 0;
    for (size_t at = replacement.find(m_prefix); at != std::string_view::npos; at = replacement.find(m_prefix, done)) {
        m_out.append(replacement, done, at - done);
        Open(round);
        done = at + m_prefix.size();
    }
    m_out.append(replacement, done);
}

// The filter's two bits of a key, both in one word.
TagPass::FilterBits TagPass::BitsOf(uint32_t key) const
{
    const uint64_t mixed = uint64_t(key) * 0x9E3779B97F4A7C15ull;
    return {size_t(mixed >> 12) & (m_filter.size() - 1),
            (uint64_t(1) << (mixed & 63)) | (uint64_t(1) << ((mixed >> 6) & 63))};
}

bool TagPass::MayHold(uint32_t key) const
{
    const FilterBits bits = BitsOf(key);
    return (m_filter[bits.word] & bits.mask) == bits.mask;
}

void TagPass::Note(uint32_t key)
{
    const FilterBits bits = BitsOf(key);
    m_filter[bits.word] |= bits.mask;
}

// The slot of a hash's key, or null when there is none.
TagPass::Slot* TagPass::Find(uint64_t hash)
{
    const uint32_t key = SlotKey(hash);
    if (!MayHold(key))
        return nullptr;
    Settle();
    return Probe(key);
}

// The slot of a hash's key, made when there is none.
TagPass::Slot& TagPass::Insert(uint64_t hash)
{
    const uint32_t key = SlotKey(hash);
    Settle();
    Note(key);
    return Place(key);
}

// A key that the filter says is new, with its first known tag (or -1): put
// in its slot a few keys later.
void TagPass::Defer(uint64_t hash, int32_t known)
{
    const uint32_t key = SlotKey(hash);
    Note(key);
    if (m_pendingCount == MaxPending) {
        SettleOne(0);
        std::copy(m_pending + 1, m_pending + MaxPending, m_pending);
        --m_pendingCount;
    }
    __builtin_prefetch(&m_slots[SlotIndex(key, m_slots.size() - 1)], 1);
    m_pending[m_pendingCount++] = {key, known};
}

void TagPass::Settle()
{
    for (size_t p = 0; p < m_pendingCount; ++p)
        SettleOne(p);
    m_pendingCount = 0;
}

void TagPass::SettleOne(size_t p)
{
    Slot& slot = Place(m_pending[p].key);
    if (m_pending[p].known >= 0) {
        m_known[size_t(m_pending[p].known)].sameHashNext = slot.known;
        slot.known = m_pending[p].known;
    }
}

TagPass::Slot* TagPass::Probe(uint32_t key)
{
    const size_t mask = m_slots.size() - 1;
    for (size_t i = SlotIndex(key, mask);; i = (i + 1) & mask) {
        if (m_slots[i].key == key)
            return &m_slots[i];
        if (m_slots[i].key == 0)
            return nullptr;
    }
}

// The slot of `key`, made when there is none. Its bit in the filter is set.
TagPass::Slot& TagPass::Place(uint32_t key)
{
    if (Slot* slot = Probe(key))
        return *slot;
    if (Crowded(m_used + 1, m_slots.size()))
        Grow();
    const size_t mask = m_slots.size() - 1;
    size_t i = SlotIndex(key, mask);
    while (m_slots[i].key != 0)
        i = (i + 1) & mask;
    m_slots[i] = {key, -1};
    ++m_used;
    return m_slots[i];
}

// Twice the slots; the filter grows with them.
void TagPass::Grow()
{
    std::vector<Slot> old = std::move(m_slots);
    m_slots.assign(old.size() * 2, Slot{0, -1});
    m_filter.assign(m_slots.size() / 16, 0);
    const size_t mask = m_slots.size() - 1;
    for (const Slot& s : old) {
        if (s.key == 0)
            continue;
        Note(s.key);
        size_t i = SlotIndex(s.key, mask);
        while (m_slots[i].key != 0)
            i = (i + 1) & mask;
        m_slots[i] = s;
    }
    for (size_t p = 0; p < m_pendingCount; ++p)
        Note(m_pending[p].key);
}

}  // namespace bbcode
