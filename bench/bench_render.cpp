// SPDX-License-Identifier: MIT
// The renderers' speed and memory over corpora this program generates
// itself (fixed seeds): realistic posts of 10 KB to 4 MB, a gradient post
// (every letter its own colour) and a post of thousands of distinct named
// quotes, each also at 4 MB to show the growth. The classic preview's rows
// come first, then the same for the phpBB 3 dialect ("phpbb3 ...") and the
// MyBB 1.8 dialect ("mybb18 ..."); SMF 2.1 dialect ("smf21 ...").
//   bench_render           every figure, the median of several runs
//   bench_render --quick   one short run of each, for CTest

#include "BenchHarness.h"
#include "board/classic/BBCodeRenderer.h"
#include "board/mybb18/Mybb18Renderer.h"
#include "board/phpbb3/Phpbb3Renderer.h"
#include "board/smf21/Smf21Renderer.h"

#include <malloc.h>
#include <time.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <random>
#include <string>
#include <thread>
#include <vector>

// A counting allocator: the bytes the program holds, and the most it held
// since the last reset, so the memory a render needs can be read off.
namespace {
std::atomic<size_t> g_held{0};
std::atomic<size_t> g_peak{0};

void* Count(void* p)
{
    if (!p)
        throw std::bad_alloc();
    const size_t held = g_held += malloc_usable_size(p);
    size_t peak = g_peak.load();
    while (held > peak && !g_peak.compare_exchange_weak(peak, held)) {}
    return p;
}
}  // namespace

void* operator new(size_t size) { return Count(std::malloc(size ? size : 1)); }
void* operator new[](size_t size) { return Count(std::malloc(size ? size : 1)); }
void operator delete(void* p) noexcept
{
    if (p) {
        g_held -= malloc_usable_size(p);
        std::free(p);
    }
}
void operator delete[](void* p) noexcept { operator delete(p); }
void operator delete(void* p, size_t) noexcept { operator delete(p); }
void operator delete[](void* p, size_t) noexcept { operator delete(p); }

namespace {

constexpr std::string_view AppFolder = "/opt/quillforge/";

class Corpus {
public:
    explicit Corpus(unsigned seed) : m_random(seed) {}

    // Paragraphs of words with bold and italic, named quotes, links, some
    // colours and sizes, lists, emoticons and code, as forum posts have them.
    std::string Realistic(size_t bytes)
    {
        static constexpr const char* words[] = {
            "the",         "forum",        "post",   "editor", "quick", "brown", "fox",  "jumps", "over",
            "lazy",        "dog",          "and",    "then",   "some",  "more",  "text", "about", "it",
            "caf\xC3\xA9", "na\xC3\xAFve", "really", "works",  "well",  "today", "with", "markup"};
        static constexpr const char* smileys[] = {":)", ":D", ":wink:", ":?:", "8)", ":lol:", ":P", ":oops:"};
        static constexpr const char* names[] = {"Anna", "Bert", "Carla", "Dmitri", "Eve", "Farid"};
        static constexpr const char* colours[] = {"red", "blue", "#336699", "green"};
        std::string post;
        while (post.size() < bytes) {
            switch (Pick(10)) {
            case 0:
                post += "[quote=\"" + std::string(names[Pick(6)]) + "\"]" + Sentence(words, 12) + "[/quote]\r\n";
                break;
            case 1:
                post += "[url=http://example.org/" + std::to_string(Pick(1000)) + "]" + Sentence(words, 3)
                    + "[/url] and [url]http://example.org/p" + std::to_string(Pick(100)) + ".htm[/url]\r\n";
                break;
            case 2:
                post += "[color=" + std::string(colours[Pick(4)]) + "]" + Sentence(words, 4)
                    + "[/color] [size=" + std::to_string(9 + Pick(12)) + "]" + Sentence(words, 3) + "[/size]\r\n";
                break;
            case 3:
                post += "[list]\r\n[*]" + Sentence(words, 4) + "\r\n[*]" + Sentence(words, 5) + "\r\n[/list]\r\n";
                break;
            case 4:
                post += "[code]for (int i = 0; i < n; ++i)\r\n    total += a[i];[/code]\r\n";
                break;
            default:
                for (int s = 0; s < 4; ++s) {
                    post += Sentence(words, 10);
                    post += Pick(3) == 0 ? " [b]" + Sentence(words, 2) + "[/b] " : " ";
                    post += Pick(4) == 0 ? "[i]" + Sentence(words, 2) + "[/i] " : "";
                    post += Pick(5) == 0 ? std::string(smileys[Pick(8)]) + " " : "";
                }
                post += "\r\n\r\n";
            }
        }
        post.resize(bytes);
        return post;
    }

    // Every letter in its own colour, as gradient-text generators write it.
    std::string Gradient(size_t bytes)
    {
        std::string post;
        char tag[40];
        for (unsigned i = 0; post.size() < bytes; ++i) {
            std::snprintf(tag, sizeof tag, "[color=#%06X]%c[/color]", (i * 2654435761u) & 0xFFFFFF, 'a' + int(i % 26));
            post += tag;
        }
        post.resize(bytes);
        return post;
    }

    // Thousands of named quotes, each poster a different name.
    std::string DistinctQuotes(size_t bytes)
    {
        std::string post;
        for (unsigned i = 0; post.size() < bytes; ++i)
            post += "[quote=\"Poster number " + std::to_string(i) + "\"]a short reply[/quote]\r\n";
        post.resize(bytes);
        return post;
    }

private:
    size_t Pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(m_random); }

    template <size_t N>
    std::string Sentence(const char* const (&words)[N], size_t count)
    {
        std::string s;
        for (size_t i = 0; i < count; ++i) {
            if (i)
                s += ' ';
            s += words[Pick(N)];
        }
        return s;
    }

    std::mt19937 m_random;
};

enum class Dialect { Classic, Phpbb3, Mybb18, Smf21 };

// The size of the HTML the dialect's renderer makes of `post`.
size_t Render(Dialect dialect, const std::string& post)
{
    if (dialect == Dialect::Classic)
        return bbcode::RenderBBCode(post, AppFolder).size();
    if (dialect == Dialect::Mybb18)
        return Mybb18::Render(post).html.size();
    if (dialect == Dialect::Smf21)
        return Smf21::Render(post).html.size();
    return Phpbb3::Render(post).html.size();
}

struct Timing {
    double ms;
    double mbPerSecond;
};

double ThreadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

// The median CPU time of this thread over `runs` renders: the machines this
// runs on are shared, and wall time there measures the neighbours too. The
// wall-time median is printed beside it, and the first render's CPU time,
// which also pays for fresh memory (later renders reuse the renderer's
// buffers).
Timing Measure(Dialect dialect, const std::string& name, const std::string& post, int runs)
{
    size_t sink = 0;
    std::vector<double> cpu;
    const double wall = Bench::MedianMs(runs, [&] {
        const double start = ThreadCpuMs();
        sink += Render(dialect, post);
        cpu.push_back(ThreadCpuMs() - start);
    });
    const double first = cpu.front();
    std::sort(cpu.begin(), cpu.end());
    const double ms = cpu[cpu.size() / 2];
    const double mbps = (double(post.size()) / (1024.0 * 1024.0)) / (ms / 1000.0);
    Bench::Report(name + " time (CPU)", ms, "ms");
    Bench::Report(name + " time (wall)", wall, "ms");
    Bench::Report(name + " first render (CPU)", first, "ms");
    Bench::Report(name + " speed (CPU)", mbps, "MB/s");
    if (sink == 0)
        std::printf("(empty output)\n");
    return {ms, mbps};
}

// The most memory held while rendering `post`, over the post's size. The
// render runs on a new thread, so the work buffers the renderer keeps per
// thread are counted in full.
double PeakMemoryRatio(Dialect dialect, const std::string& post)
{
    size_t peak = 0;
    std::thread([&] {
        const size_t before = g_held.load();
        g_peak = before;
        const size_t html = Render(dialect, post);
        peak = g_peak.load() - before;
        if (html == 0)
            std::printf("(empty output)\n");
    }).join();
    return double(peak) / double(post.size());
}

}  // namespace

int main(int argc, char** argv)
{
    const bool quick = Bench::Quick(argc, argv);
    const int runs = quick ? 1 : 7;
    const size_t KB = 1024, MB = 1024 * 1024;
    Corpus corpus(20240601);

    struct Family {
        std::string name;
        std::string oneMB;
        std::string fourMB;
    };
    std::vector<Family> families;
    const std::string realistic10 = corpus.Realistic(10 * KB), realistic100 = corpus.Realistic(100 * KB);
    families.push_back({"realistic", corpus.Realistic(MB), quick ? std::string() : corpus.Realistic(4 * MB)});
    families.push_back({"gradient", corpus.Gradient(MB), quick ? std::string() : corpus.Gradient(4 * MB)});
    families.push_back(
        {"distinct quotes", corpus.DistinctQuotes(MB), quick ? std::string() : corpus.DistinctQuotes(4 * MB)});
    const std::string big = quick ? corpus.Realistic(MB) : corpus.Realistic(4 * MB);

    for (const Dialect dialect : {Dialect::Classic, Dialect::Phpbb3, Dialect::Mybb18, Dialect::Smf21}) {
        const std::string prefix = dialect == Dialect::Classic ? ""
            : dialect == Dialect::Phpbb3                       ? "phpbb3 "
            : dialect == Dialect::Mybb18                       ? "mybb18 "
                                                               : "smf21 ";
        Measure(dialect, prefix + "realistic 10 KB", realistic10, quick ? 1 : 25);
        Measure(dialect, prefix + "realistic 100 KB", realistic100, quick ? 1 : 25);
        for (const Family& f : families) {
            const Timing one = Measure(dialect, prefix + f.name + " 1 MB", f.oneMB, runs);
            if (quick)
                continue;
            const Timing four = Measure(dialect, prefix + f.name + " 4 MB", f.fourMB, runs);
            Bench::Report(prefix + f.name + " 4 MB / 1 MB time", four.ms / one.ms, "x");
        }
        Bench::Report(prefix + "peak memory / post size, realistic " + (quick ? "1" : "4") + " MB",
                      PeakMemoryRatio(dialect, big), "x");
        if (!quick) {
            Bench::Report(prefix + "peak memory / post size, gradient 4 MB",
                          PeakMemoryRatio(dialect, families[1].fourMB), "x");
            Bench::Report(prefix + "peak memory / post size, distinct quotes 4 MB",
                          PeakMemoryRatio(dialect, families[2].fourMB), "x");
        }
    }
    return 0;
}
