#include "render/TagPass.h"

#include <algorithm>
#include <limits>

namespace Module2 {
namespace {

constexpr size_t NoRound = std::numeric_limits<size_t>::max();

TextHash BracketHash()
{
    TextHash h;
    h.Append(static_cast<unsigned char>(']'));
    return h;
}

}  // namespace

TagPass::TagPass(std::string_view prefix, BuildFn build) : m_prefix(prefix), m_build(build) {}

std::string TagPass::Run(std::string_view text)
{
    m_out.clear();
    m_out.reserve(text.size() + text.size() / 4 + 16);
    size_t i = 0;
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
        } else {
            Open(0);
            i = j + m_prefix.size();
        }
    }
    // Prefixes with no "]" after them stay as typed: they are in m_out already.
    m_open.clear();
    return std::move(m_out);
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
        if (m_tails.find(tail.value) == m_tails.end())
            break;  // no known tag ends with this text, so none with a longer one
        shadow = std::max(shadow, m_open[k].shadow);
        const size_t round = EarliestRound(tail.value, k, shadow);
        if (round < best.round)
            best = {round, k};
    }
    if (best.round != NoRound)
        Replace(best.candidate, best.round);
    else
        StartRound();
}

// The first round after `after` whose tag is the text from candidate `k` to
// the end of m_out followed by "]"; NoRound when there is none.
size_t TagPass::EarliestRound(uint64_t hash, size_t k, size_t after) const
{
    const auto found = m_known.find(hash);
    if (found == m_known.end())
        return NoRound;
    for (const KnownTag& known : found->second) {
        if (!TagEquals(known.text, k))
            continue;
        const auto round = std::upper_bound(known.rounds.begin(), known.rounds.end(), after);
        return round == known.rounds.end() ? NoRound : *round;
    }
    return NoRound;
}

bool TagPass::TagEquals(const std::string& known, size_t k) const
{
    const size_t pos = m_open[k].pos;
    const size_t length = m_out.size() - pos;
    return known.size() == length + 1 && known.back() == ']'
        && std::string_view(m_out).substr(pos) == std::string_view(known).substr(0, length);
}

// The round now due: its tag runs from the oldest candidate to this "]".
// Every later round will look for it, so it and each of its tails from an
// inner prefix are remembered.
void TagPass::StartRound()
{
    ++m_rounds;
    TextHash tail = TopHash().Then(BracketHash());
    for (size_t k = m_open.size(); k-- > 0;) {
        if (k + 1 < m_open.size())
            tail = m_open[k].piece.Then(tail);
        m_tails.insert(tail.value);
    }
    std::string tag = m_out.substr(m_open.front().pos);
    tag += ']';
    std::vector<KnownTag>& sameHash = m_known[tail.value];
    auto known = std::find_if(sameHash.begin(), sameHash.end(), [&](const KnownTag& t) { return t.text == tag; });
    if (known == sameHash.end()) {
        sameHash.push_back({std::move(tag), {}});
        known = sameHash.end() - 1;
    }
    known->rounds.push_back(m_rounds);
    Replace(0, m_rounds);
}

// The tag from candidate `k` to the "]" just met becomes its replacement.
void TagPass::Replace(size_t k, size_t round)
{
    std::string tag = m_out.substr(m_open[k].pos);
    tag += ']';
    m_out.resize(m_open[k].pos);
    m_open.resize(k);
    if (!m_open.empty()) {
        Candidate& top = m_open.back();
        top.shadow = std::max(top.shadow, round);
        m_top = top.piece;
        m_topEnd = m_out.size();
    }
    AppendReplacement(m_build(tag), round);
}

// Prefixes inside a replacement (a quote name that holds "[quote") open
// candidates that exist from `round` on.
void TagPass::AppendReplacement(std::string_view replacement, size_t round)
{
    size_t done = 0;
    for (size_t at = replacement.find(m_prefix); at != std::string_view::npos;
         at = replacement.find(m_prefix, done)) {
        m_out.append(replacement, done, at - done);
        Open(round);
        done = at + m_prefix.size();
    }
    m_out.append(replacement, done);
}

}  // namespace Module2
