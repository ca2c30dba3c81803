// SPDX-License-Identifier: MIT
// The forum extraction's text work on large index pages: bringing the body
// HTML into the scan's form (closing anchor tags) and the link scan itself,
// and the same pages read with the HTML parser as phpBB 3, MyBB and SMF pages are.
//   bench_forums           every figure, the median of several runs
//   bench_forums --quick   one short run of each, for CTest
//
// Pages (about 5 MB each, generated here):
//   board     a category table as board software writes it, the browser's
//             serialisation: session ids, moderator and last-post links
//   trap      forum links with no "&", no "&f=" and no "&amp;f=" after them,
//             where a search from each link to the page's end would make the
//             scan quadratic
//   long name one forum link whose name is the whole page, without a ">"
//             before its "</A>": the longest backward search there is

#include "BenchHarness.h"
#include "board/mybb18/Mybb18Forums.h"
#include "board/classic/ForumScan.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr size_t PageSize = 5u * 1024u * 1024u;

std::string BoardPage(size_t size)
{
    std::string page = "<table class=\"forumline\"><tbody>\n";
    for (int f = 1; page.size() < size; ++f) {
        const std::string n = std::to_string(f);
        const std::string sid = "&amp;sid=0a1b2c3d4e5f";
        if (f % 10 == 1)
            page += "<tr><td class=\"catLeft\" colspan=\"2\"><span class=\"cattitle\"><a href=\"index.php?c=" + n + sid
                + "\" class=\"cattitle\">Category " + n + "</a></span></td></tr>\n";
        page += "<tr><td class=\"row1\"><img src=\"folder_big.gif\" alt=\"No new posts\"></td>\n"
                "<td class=\"row1\"><span class=\"forumlink\"> <a href=\"viewforum.php?f="
            + n + sid + "\" class=\"forumlink\">Forum number " + n
            + " &amp; friends</a><br>\n"
              "</span><span class=\"genmed\">What this forum is about, in a sentence or two.<br>\n"
              "</span><span class=\"gensmall\">Moderator: <a href=\"profile.php?mode=viewprofile&amp;u=2"
            + sid
            + "\">admin</a></span></td>\n<td class=\"row2\"><span class=\"gensmall\">12</span></td>"
              "<td class=\"row2\"><span class=\"gensmall\">345</span></td>\n"
              "<td class=\"row2\" nowrap=\"nowrap\"><span class=\"gensmall\">Mon Jan 01, 2024 10:00 am<br>"
              "<a href=\"profile.php?mode=viewprofile&amp;u=2"
            + sid + "\">admin</a> <a href=\"viewtopic.php?p=" + n + sid + "#" + n
            + "\"><img src=\"icon_latest_reply.gif\" alt=\"View latest post\"></a>"
              "</span></td></tr>\n";
    }
    return page + "</tbody></table>\n";
}

std::string TrapPage(size_t size)
{
    std::string page;
    for (int f = 1; page.size() < size; ++f)
        page += "<li><a href=\"viewforum.php?f=" + std::to_string(f) + "\">Forum " + std::to_string(f) + "</a></li>\n";
    return page;
}

std::string LongNamePage(size_t size)
{
    std::string page = "?f=1\"";
    page.append(size, 'x');
    return page + "</A>";
}

// The median processor time of `runs` calls of `work`.
template <class Work>
double MedianCpuMs(int runs, const Work& work)
{
    std::vector<double> times;
    for (int i = 0; i < std::max(1, runs); ++i) {
        const double start = Bench::ThreadCpuMs();
        work();
        times.push_back(Bench::ThreadCpuMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Measure(const std::string& name, const std::string& page, int runs)
{
    size_t sink = 0;
    std::string prepared;
    const double rewriteMs = MedianCpuMs(runs, [&] { prepared = ForumScan::WithUpperCaseLinkEnds(page); });
    const double scanMs = MedianCpuMs(runs, [&] { sink += ForumScan::Scan(prepared).entries.size(); });
    const double wallMs =
        Bench::MedianMs(runs, [&] { sink += ForumScan::Scan(ForumScan::WithUpperCaseLinkEnds(page)).entries.size(); });
    Bench::Report(name + " page size", double(page.size()) / (1024.0 * 1024.0), "MB");
    Bench::Report(name + " closing tags (CPU)", rewriteMs, "ms");
    Bench::Report(name + " scan (CPU)", scanMs, "ms");
    Bench::Report(name + " both (wall)", wallMs, "ms");
    // phpBB 3, MyBB and SMF pages are read with the HTML parser instead.
    const double parsedMs = MedianCpuMs(runs, [&] { sink += Mybb18::Forums(page).entries.size() + 1; });
    Bench::Report(name + " read with the HTML parser (CPU)", parsedMs, "ms");
    if (sink == 0)
        std::printf("(no entries)\n");
}

}  // namespace

int main(int argc, char** argv)
{
    const bool quick = Bench::Quick(argc, argv);
    const int runs = quick ? 1 : 15;
    const size_t size = quick ? PageSize / 10 : PageSize;
    Measure("board", BoardPage(size), runs);
    Measure("trap", TrapPage(size), runs);
    Measure("long name", LongNamePage(size), runs);
    return 0;
}
