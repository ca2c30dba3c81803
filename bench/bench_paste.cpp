// SPDX-License-Identifier: MIT
// Pasted HTML as BBCode on large clipboard pages.
//   bench_paste           every figure, the median of several runs
//   bench_paste --quick   one short run of each, for CTest
//
// Pages (generated here, 1 MB and 4 MB):
//   browser    a web page as the web engine puts it on the clipboard: every
//              block with its computed style inline, links, lists, tables
//   word       a word processor's clipboard page: class-only spans, mso-
//              styles, o:p elements, list paragraphs with their hidden marks
//   browser, colours and sizes kept: the same page walked twice
//   pathological pages: 200,000 nested divs; bold left open in every
//              paragraph; lists nested without end; formatting end tags
//              across blocks. The 4 MB over 1 MB ratio shows the growth.

#include "BenchHarness.h"
#include "board/Boards.h"
#include "paste/HtmlToBBCode.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr size_t MB = 1u << 20;

const std::string BlockStyle =
    " style=\"color: rgb(34, 34, 34); font-family: Georgia, serif; font-size: 16px; font-style: normal; "
    "font-variant-ligatures: normal; font-weight: 400; letter-spacing: normal; orphans: 2; text-align: start; "
    "text-indent: 0px; text-transform: none; white-space: normal; widows: 2; word-spacing: 0px;\"";

std::string BrowserPage(size_t size)
{
    std::string page = "<meta charset='utf-8'>";
    for (int n = 0; page.size() < size; ++n) {
        const std::string i = std::to_string(n);
        page += "<h2" + BlockStyle + ">Section " + i + "</h2><p" + BlockStyle
            + ">We set off at<span> </span><b>six in the morning</b>, with<span> </span><i>far</i> too much "
              "coffee &amp; not enough sleep. The route is on<span> </span><a href=\"https://example.org/maps/"
            + i + "?x=1&amp;y=2\">the club’s map</a>.</p><ul" + BlockStyle
            + "><li>Water – at least<span> </span><strong>two litres</strong></li><li>A map, and<ul><li>a "
              "compass</li></ul></li></ul><p"
            + BlockStyle
            + "><span style=\"color: rgb(204, 0, 0);\">Mind the red markers</span> and <span style=\"font-size: "
              "11px;\">the small print</span>.<br>Keep left.</p><table><tr><th>Leg</th><th>Distance</th></tr>"
              "<tr><td>Bridge</td><td>3.2 km</td></tr></table>";
    }
    return page;
}

std::string WordPage(size_t size)
{
    std::string page = "Version:0.9\r\nStartHTML:0000000105\r\nEndHTML:0000000000\r\nStartFragment:0000000000\r\n"
                       "EndFragment:0000000000\r\n<html xmlns:o=\"urn:schemas-microsoft-com:office:office\"><head>"
                       "<style><!-- p.MsoNormal {margin:0cm;} --></style></head><body lang=EN-GB>"
                       "<!--StartFragment-->";
    while (page.size() < size) {
        page += "<p class=MsoNormal><span lang=EN-US>The committee met on <b>Tuesday</b> in the library. We agreed "
                "the <i>budget</i> and the name <span class=SpellE>Quillforge</span>.<o:p></o:p></span></p>\r\n"
                "<p class=MsoListParagraphCxSpFirst style='text-indent:-18.0pt;mso-list:l0 level1 lfo1'><![if "
                "!supportLists]><span style='font-family:Symbol'><span style='mso-list:Ignore'>·<span "
                "style='font:7.0pt \"Times New Roman\"'>&nbsp;&nbsp;&nbsp; </span></span></span><![endif]><span "
                "lang=EN-US>Room booking<o:p></o:p></span></p>\r\n"
                "<p class=MsoListParagraphCxSpLast style='margin-left:72.0pt;text-indent:-18.0pt;mso-list:l0 level2 "
                "lfo1'><![if !supportLists]><span style='mso-list:Ignore'>o<span style='font:7.0pt \"Times New "
                "Roman\"'>&nbsp; </span></span><![endif]><span lang=EN-US style='color:#C00000'>Main "
                "hall</span><o:p></o:p></p>\r\n";
    }
    return page + "<!--EndFragment--></body></html>";
}

std::string Repeat(const std::string& piece, size_t size)
{
    std::string text;
    while (text.size() < size)
        text += piece;
    return text;
}

std::string LingeringBold(size_t size)
{
    std::string page;
    for (int i = 0; page.size() < size; ++i)
        page += "<p><b id=" + std::to_string(i) + ">x</p>";
    return page;
}

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

double ConvertMs(const std::string& page, const HtmlPaste::Dialect& dialect, int runs)
{
    size_t sink = 0;
    const double ms = MedianCpuMs(runs, [&] { sink += HtmlPaste::ToBBCode(page, dialect).size(); });
    if (sink == 0)
        std::printf("(no BBCode)\n");
    return ms;
}

// One page kind at 1 MB (a sixteenth in the quick run), and the growth to
// four times that.
void Measure(const std::string& name, std::string (*make)(size_t), const HtmlPaste::Dialect& dialect, int runs,
             size_t scale)
{
    const double small = ConvertMs(make(MB / scale), dialect, runs);
    const double large = ConvertMs(make(4 * MB / scale), dialect, runs);
    const std::string size = scale == 1 ? "1 MB" : std::to_string(MB / scale / 1024) + " KB";
    Bench::Report(name + ", " + size + " (CPU)", small, "ms");
    Bench::Report(name + ", 4x over " + size, large / small, "x");
}

}  // namespace

int main(int argc, char** argv)
{
    const bool quick = Bench::Quick(argc, argv);
    const int runs = quick ? 1 : 7;
    const size_t scale = quick ? 16 : 1;
    const HtmlPaste::Dialect plain = HtmlPaste::ForBoard(*Boards::Named("phpbb3"), false);
    const HtmlPaste::Dialect kept = HtmlPaste::ForBoard(*Boards::Named("phpbb3"), true);
    Measure("browser page", BrowserPage, plain, runs, scale);
    Measure("browser page, colours and sizes kept", BrowserPage, kept, runs, scale);
    Measure("word processor page", WordPage, plain, runs, scale);
    Measure(
        "nested divs", [](size_t size) { return Repeat("<div>", size) + "x"; }, plain, runs, scale);
    Measure("bold left open in every paragraph", LingeringBold, plain, runs, scale);
    Measure(
        "lists nested without end", [](size_t size) { return Repeat("<ul><li>x", size); }, plain, runs, scale);
    Measure(
        "formatting ends across blocks", [](size_t size) { return Repeat("<b><div>x</b>", size); }, plain, runs, scale);
    return 0;
}
