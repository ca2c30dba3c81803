// SPDX-License-Identifier: MIT
#include "board/common/Unicode.h"

#include "board/common/Ascii.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace Unicode {
namespace {

#include "board/common/UnicodeData.inc"

template <size_t N>
constexpr size_t Count(const uint32_t (&)[N])
{
    return N;
}

// Whether `cp` lies in one of the (first, last) ranges of a sorted table.
template <size_t N>
bool InRanges(const uint32_t (&ranges)[N], char32_t cp)
{
    size_t lo = 0, hi = N / 2;
    while (lo < hi) {
        const size_t mid = (lo + hi) / 2;
        if (cp > ranges[2 * mid + 1])
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo < N / 2 && cp >= ranges[2 * lo];
}

// The first row of a table of three-number rows, sorted by their column
// `key`, whose `key` column is at least `cp`; null when there is none.
template <size_t N>
const uint32_t* FirstRowAtLeast(const uint32_t (&rows)[N], size_t key, char32_t cp)
{
    size_t lo = 0, hi = N / 3;
    while (lo < hi) {
        const size_t mid = (lo + hi) / 2;
        if (cp > rows[3 * mid + key])
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo < N / 3 ? rows + 3 * lo : nullptr;
}

constexpr char32_t HangulBase = 0xAC00, LBase = 0x1100, VBase = 0x1161, TBase = 0x11A7;
constexpr char32_t LCount = 19, VCount = 21, TCount = 28, NCount = VCount * TCount, SCount = LCount * NCount;

int CombiningClass(char32_t cp)
{
    if (cp < 0x300)
        return 0;
    // Rows: first, last, class.
    const uint32_t* run = FirstRowAtLeast(CombiningClassRuns, 1, cp);
    return run && cp >= run[0] ? int(run[2]) : 0;
}

void Decompose(char32_t cp, std::u32string& out)
{
    if (cp >= HangulBase && cp < HangulBase + SCount) {
        const char32_t s = cp - HangulBase;
        out += LBase + s / NCount;
        out += VBase + (s % NCount) / TCount;
        if (s % TCount)
            out += TBase + s % TCount;
        return;
    }
    // Rows: code point, start in the pool, length.
    const uint32_t* row = FirstRowAtLeast(Decompositions, 0, cp);
    if (row && row[0] == cp) {
        const uint32_t* first = DecompositionPool + row[1];
        out.append(first, first + row[2]);
    } else {
        out += cp;
    }
}

// The primary composite of a pair, or 0.
char32_t Compose(char32_t a, char32_t b)
{
    if (a >= LBase && a < LBase + LCount && b >= VBase && b < VBase + VCount)
        return HangulBase + ((a - LBase) * VCount + (b - VBase)) * TCount;
    if (a >= HangulBase && a < HangulBase + SCount && (a - HangulBase) % TCount == 0 && b > TBase && b < TBase + TCount)
        return a + (b - TBase);
    size_t lo = 0, hi = Count(CompositionPairs) / 3;
    while (lo < hi) {
        const size_t mid = (lo + hi) / 2;
        const uint32_t ma = CompositionPairs[3 * mid], mb = CompositionPairs[3 * mid + 1];
        if (ma < a || (ma == a && mb < b))
            lo = mid + 1;
        else
            hi = mid;
    }
    if (lo < Count(CompositionPairs) / 3 && CompositionPairs[3 * lo] == a && CompositionPairs[3 * lo + 1] == b)
        return CompositionPairs[3 * lo + 2];
    return 0;
}

// NFC of one piece: decomposed, put in canonical order (a stable sort of
// each run of non-starters, so a long run costs n log n) and recomposed.
void NormalizePiece(std::string_view piece, std::string& out)
{
    std::u32string cps;
    for (size_t pos = 0; pos < piece.size();)
        Decompose(Decode(piece, pos), cps);
    std::vector<int> classes(cps.size());
    for (size_t i = 0; i < cps.size(); ++i)
        classes[i] = CombiningClass(cps[i]);
    for (size_t i = 0; i < cps.size();) {
        if (classes[i] == 0) {
            ++i;
            continue;
        }
        size_t end = i;
        while (end < cps.size() && classes[end] != 0)
            ++end;
        if (end - i > 1) {
            std::vector<std::pair<int, char32_t>> run;
            for (size_t k = i; k < end; ++k)
                run.push_back({classes[k], cps[k]});
            std::stable_sort(run.begin(), run.end(), [](auto& x, auto& y) { return x.first < y.first; });
            for (size_t k = i; k < end; ++k) {
                classes[k] = run[k - i].first;
                cps[k] = run[k - i].second;
            }
        }
        i = end;
    }
    size_t starter = std::u32string::npos;
    int lastClass = -1;
    size_t kept = 0;
    for (size_t i = 0; i < cps.size(); ++i) {
        const int cc = classes[i];
        if (starter != std::u32string::npos && (lastClass < cc || (lastClass == 0 && kept == starter + 1))) {
            if (const char32_t c = Compose(cps[starter], cps[i])) {
                cps[starter] = c;
                continue;
            }
        }
        if (cc == 0)
            starter = kept;
        lastClass = cc;
        cps[kept] = cps[i];
        classes[kept] = cc;
        ++kept;
    }
    for (size_t i = 0; i < kept; ++i)
        AppendUtf8(out, cps[i]);
}

bool IsPresentation(char32_t cp) { return cp >= 0x231A && InRanges(EmojiPresentationRanges, cp); }
bool IsPictographic(char32_t cp) { return cp >= 0xA9 && InRanges(PictographicRanges, cp); }
bool IsSkinTone(char32_t cp) { return cp >= 0x1F3FB && cp <= 0x1F3FF; }
bool IsRegional(char32_t cp) { return cp >= 0x1F1E6 && cp <= 0x1F1FF; }

// One element of an emoji sequence at `pos`: a pictograph shown as an emoji
// (by default, or through U+FE0F, a skin tone or, when `joined`, after a
// zero-width joiner), with what may follow it. Returns the end or `pos`.
size_t EmojiElement(std::string_view text, size_t pos, bool joined, std::u32string& cps)
{
    size_t at = pos;
    const char32_t base = Decode(text, at);
    const size_t mark = cps.size();
    cps += base;
    size_t next = at;
    const char32_t after = at < text.size() ? Decode(text, next) : 0;
    bool shown = IsPresentation(base);
    if (after == 0xFE0E)
        return pos;
    if (after == 0xFE0F && (shown || IsPictographic(base))) {
        cps += after;
        at = next;
        shown = true;
    } else if (IsSkinTone(after) && (shown || IsPictographic(base))) {
        cps += after;
        at = next;
        shown = true;
    } else if (!shown && joined && IsPictographic(base)) {
        shown = true;
    }
    if (!shown) {
        cps.resize(mark);
        return pos;
    }
    if (base == 0x1F3F4) {  // a subdivision flag: tag letters closed by a cancel tag
        size_t t = at;
        std::u32string tags;
        while (t < text.size()) {
            size_t n = t;
            const char32_t c = Decode(text, n);
            if (c >= 0xE0020 && c <= 0xE007E) {
                tags += c;
                t = n;
            } else {
                if (c == 0xE007F && !tags.empty()) {
                    cps += tags;
                    cps += c;
                    at = n;
                }
                break;
            }
        }
    }
    return at;
}

}  // namespace

bool MayChangeUnderNfc(char32_t cp) { return cp >= 0x300 && InRanges(NfcUnsafeRanges, cp); }

char32_t Decode(std::string_view text, size_t& pos)
{
    const unsigned char c = static_cast<unsigned char>(text[pos]);
    if (c < 0x80) {
        ++pos;
        return c;
    }
    const int length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    char32_t cp = c & (0x7F >> length);
    for (int i = 1; i < length && pos + size_t(i) < text.size(); ++i)
        cp = (cp << 6) | (static_cast<unsigned char>(text[pos + size_t(i)]) & 0x3F);
    pos += size_t(length);
    return cp;
}

char32_t DecodeBefore(std::string_view text, size_t pos)
{
    if (pos == 0)
        return 0;
    size_t start = pos - 1;
    while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80 && pos - start < 4)
        --start;
    return Decode(text, start);
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

namespace {

// The length of the well-formed UTF-8 sequence at `i` (the Unicode
// standard's table 3-7), or 0 with `good` set to the length of its maximal
// ill-formed subpart (at least 1).
size_t SequenceLength(std::string_view bytes, size_t i, size_t& good)
{
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    size_t length = 0;
    unsigned char lo = 0x80, hi = 0xBF;
    if (c < 0x80) {
        return 1;
    } else if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        lo = c == 0xE0 ? 0xA0 : 0x80;
        hi = c == 0xED ? 0x9F : 0xBF;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        lo = c == 0xF0 ? 0x90 : 0x80;
        hi = c == 0xF4 ? 0x8F : 0xBF;
    }
    good = length ? 1 : 0;
    while (good && good < length && i + good < bytes.size()) {
        const unsigned char b = static_cast<unsigned char>(bytes[i + good]);
        if (b < (good == 1 ? lo : 0x80) || b > (good == 1 ? hi : 0xBF))
            break;
        ++good;
    }
    if (length && good == length)
        return length;
    if (!good)
        good = 1;
    return 0;
}

}  // namespace

size_t ValidSequenceLength(std::string_view bytes, size_t pos)
{
    size_t good = 0;
    return SequenceLength(bytes, pos, good);
}

size_t IllFormedLength(std::string_view bytes, size_t pos)
{
    size_t good = 0;
    SequenceLength(bytes, pos, good);
    return good ? good : 1;
}

std::string MakeValid(std::string_view bytes)
{
    std::string out;
    size_t done = 0;
    for (size_t i = 0; i < bytes.size();) {
        size_t good = 0;
        if (const size_t length = SequenceLength(bytes, i, good)) {
            i += length;
            continue;
        }
        if (out.empty())
            out.reserve(bytes.size() + 16);
        out.append(bytes, done, i - done);
        out += "\xEF\xBF\xBD";
        i += good;
        done = i;
    }
    if (done == 0)
        return std::string(bytes);
    out.append(bytes, done);
    return out;
}

std::string Nfc(std::string&& text)
{
    // The first character that may change, if any: the fast path.
    size_t pos = 0, unsafe = std::string::npos;
    while ((pos = NextNonAscii(text, pos)) < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[pos]);
        if (c < 0xCC) {  // below U+0300
            pos += 2;
            continue;
        }
        const size_t at = pos;
        if (MayChangeUnderNfc(Decode(text, pos))) {
            unsafe = at;
            break;
        }
    }
    if (unsafe == std::string::npos)
        return std::move(text);

    std::string out;
    out.reserve(text.size());
    size_t done = 0;
    pos = unsafe;
    while (pos < text.size()) {
        // The piece runs from the last character before `pos` that cannot
        // change (it may take marks) to the next such character.
        size_t start = pos;
        while (start > done) {
            size_t back = start - 1;
            while (back > done && (static_cast<unsigned char>(text[back]) & 0xC0) == 0x80)
                --back;
            size_t p = back;
            const char32_t cp = Decode(text, p);
            start = back;
            if (!MayChangeUnderNfc(cp))
                break;
        }
        size_t end = pos;
        while (end < text.size()) {
            size_t p = end;
            if (!MayChangeUnderNfc(Decode(text, p)))
                break;
            end = p;
        }
        out.append(text, done, start - done);
        NormalizePiece(std::string_view(text).substr(start, end - start), out);
        done = end;
        // The next character that may change.
        pos = end;
        while (pos < text.size()) {
            const unsigned char c = static_cast<unsigned char>(text[pos]);
            if (c < 0xCC) {
                pos += c < 0x80 ? 1 : 2;
                continue;
            }
            size_t p = pos;
            if (MayChangeUnderNfc(Decode(text, p)))
                break;
            pos = p;
        }
    }
    out.append(text, done);
    return out;
}

bool IsWordChar(char32_t cp)
{
    if (cp < 0x80)
        return Ascii::IsWord(char(cp));
    return InRanges(WordRanges, cp);
}

bool IsSpaceChar(char32_t cp)
{
    if (cp < 0x80)
        return Ascii::IsSpace(char(cp));
    return cp == 0x85 || cp == 0xA0 || cp == 0x1680 || cp == 0x180E || (cp >= 0x2000 && cp <= 0x200A) || cp == 0x2028
        || cp == 0x2029 || cp == 0x202F || cp == 0x205F || cp == 0x3000;
}

size_t MatchEmoji(std::string_view text, size_t pos, std::string& name)
{
    std::u32string cps;
    size_t at = pos;
    const char32_t first = Decode(text, at);
    if ((first >= '0' && first <= '9') || first == '#' || first == '*') {
        size_t next = at;
        char32_t c = at < text.size() ? Decode(text, next) : 0;
        cps += first;
        if (c == 0xFE0F) {
            cps += c;
            at = next;
            c = at < text.size() ? Decode(text, next) : 0;
        }
        if (c != 0x20E3)
            return 0;
        cps += c;
        at = next;
    } else if (IsRegional(first)) {
        cps += first;
        size_t next = at;
        if (at < text.size() && IsRegional(Decode(text, next))) {
            cps += DecodeBefore(text, next);
            at = next;
        }
    } else {
        at = EmojiElement(text, pos, false, cps);
        if (at == pos)
            return 0;
        while (at < text.size()) {
            size_t next = at;
            if (Decode(text, next) != 0x200D || next >= text.size())
                break;
            std::u32string part;
            const size_t end = EmojiElement(text, next, true, part);
            if (end == next)
                break;
            cps += 0x200D;
            cps += part;
            at = end;
        }
    }
    const bool joined = cps.find(0x200D) != std::u32string::npos;
    name.clear();
    for (char32_t cp : cps) {
        if (cp == 0xFE0F && !joined)
            continue;
        if (!name.empty())
            name += '-';
        char hex[9];
        int n = 0;
        for (int shift = 20; shift >= 0; shift -= 4) {
            const int digit = int((cp >> shift) & 0xF);
            if (digit || n || shift == 0)
                hex[n++] = "0123456789abcdef"[digit];
        }
        name.append(hex, size_t(n));
    }
    return at - pos;
}

namespace {

// RFC 3492's encoding of one label.
std::string Punycode(const std::u32string& input)
{
    constexpr uint32_t Base = 36, TMin = 1, TMax = 26, Skew = 38, Damp = 700;
    auto digit = [](uint32_t d) { return char(d < 26 ? 'a' + d : '0' + (d - 26)); };
    auto adapt = [&](uint32_t delta, uint32_t points, bool first) {
        delta = first ? delta / Damp : delta / 2;
        delta += delta / points;
        uint32_t k = 0;
        while (delta > ((Base - TMin) * TMax) / 2) {
            delta /= Base - TMin;
            k += Base;
        }
        return k + (Base - TMin + 1) * delta / (delta + Skew);
    };
    std::string out;
    for (char32_t c : input)
        if (c < 0x80)
            out += char(c);
    const uint32_t basic = uint32_t(out.size());
    uint32_t handled = basic;
    if (basic)
        out += '-';
    uint32_t n = 0x80, delta = 0, bias = 72;
    while (handled < input.size()) {
        uint32_t m = 0x10FFFF;
        for (char32_t c : input)
            if (c >= n && c < m)
                m = c;
        delta += (m - n) * (handled + 1);
        n = m;
        for (char32_t c : input) {
            if (c < n)
                ++delta;
            if (c != n)
                continue;
            uint32_t q = delta;
            for (uint32_t k = Base;; k += Base) {
                const uint32_t t = k <= bias ? TMin : k >= bias + TMax ? TMax : k - bias;
                if (q < t)
                    break;
                out += digit(t + (q - t) % (Base - t));
                q = (q - t) / (Base - t);
            }
            out += digit(q);
            bias = adapt(delta, handled + 1, handled == basic);
            delta = 0;
            ++handled;
        }
        ++delta;
        ++n;
    }
    return out;
}

void AppendFolded(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += Ascii::Lower(char(cp));
        return;
    }
    const uint32_t* row = FirstRowAtLeast(Folds, 0, cp);
    if (row && row[0] == cp)
        out.append(reinterpret_cast<const char*>(FoldPool) + row[1], row[2]);
    else
        AppendUtf8(out, cp);
}

}  // namespace

bool HostToAscii(std::string_view host, std::string& out)
{
    std::string folded;
    for (size_t pos = 0; pos < host.size();) {
        const char32_t cp = Decode(host, pos);
        if (cp == 0x200B || cp == 0x200C || cp == 0x200D || cp == 0xAD || cp == 0xFE0F)  // mapped to nothing
            continue;
        if (cp < 0x21 || IsSpaceChar(cp))
            return false;
        AppendFolded(folded, cp);
    }
    folded = Nfc(std::move(folded));
    out.clear();
    size_t start = 0;
    while (true) {
        const size_t dot = folded.find('.', start);
        const std::string_view label =
            std::string_view(folded).substr(start, dot == std::string::npos ? std::string::npos : dot - start);
        if (label.empty())
            return false;
        std::u32string cps;
        bool ascii = true;
        for (size_t pos = 0; pos < label.size();) {
            cps += Decode(label, pos);
            ascii = ascii && cps.back() < 0x80;
        }
        const std::string encoded = ascii ? std::string(label) : "xn--" + Punycode(cps);
        if (encoded.size() > 63)
            return false;
        out += encoded;
        if (dot == std::string::npos)
            break;
        out += '.';
        start = dot + 1;
    }
    return out.size() <= 253;
}

}  // namespace Unicode
