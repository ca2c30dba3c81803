// SPDX-License-Identifier: MIT
// The preview of a 1 MB realistic post: rendering and writing preview.htm,
// then a new browser window (as every opening creates one) loading the page
// until it has finished. The first opening of a run also starts the web
// engine and is reported on its own; the median is over later openings.

#include "BenchHarness.h"

#include "base/FileIO.h"
#include "browser/BrowserMode.h"
#include "board/classic/EmoticonTable.h"
#include "board/PreviewPage.h"
#include "browser/BrowserWindow.h"

#include "app/MainStartup.h"
#include "base/Utf8.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QUrl>

#include <chrono>
#include <cstring>
#include <random>
#include <unistd.h>

namespace {

// How often the post's words carry formatting. A realistic post formats one
// word in twenty, shows an emoticon every hundred words and a quote, code, a
// list or a picture every three hundred; the tag-heavy post five, two and
// three times as often.
struct Mix {
    unsigned formattedEvery;
    unsigned emoticonEvery;
    unsigned blockEvery;
};
constexpr Mix Realistic{20, 100, 300};
constexpr Mix TagHeavy{4, 50, 100};

// Lines of about seventy characters with CR LF line breaks; the same text on
// every run.
std::string MakePost(size_t bytes, const Mix& mix)
{
    static const char* const plain[] = {"forum", "post", "reply", "thanks", "the",    "and",     "board",    "topic",
                                        "a",     "of",   "it",    "is",     "for",    "you",     "in",       "we",
                                        "think", "was",  "great", "really", "update", "version", "settings", "that",
                                        "with",  "have", "to",    "on",     "when",   "there",   "which",    "would",
                                        "about", "this", "but",   "not",    "can",    "my",      "all",      "so"};
    static const char* const formatted[] = {"[b]bold[/b]",
                                            "[i]note[/i]",
                                            "[u]this[/u]",
                                            "[color=red]red[/color]",
                                            "[size=18]big[/size]",
                                            "[url=http://forum.example.org/viewtopic.php?t=12]this thread[/url]",
                                            "[url]http://example.org/[/url]",
                                            "[b][i]both[/i][/b]"};
    static const char* const emoticons[] = {":)", ":D", ":wink:", ":lol:", "8)", ":(", ":roll:", ":thumb:"};
    static const char* const blocks[] = {"[quote=\"Anna\"]I tried that and it worked for me.[/quote]\r\n",
                                         "[quote]Plain quote of an earlier reply.[/quote]\r\n",
                                         "[code]for (int i = 0; i < n; ++i)\r\n    total += i;[/code]\r\n",
                                         "[list][*]first point[*]second point[*]third point[/list]\r\n",
                                         "[img]emo/smile.gif[/img]\r\n"};
    // An ordered list is never closed (its end tag becomes "</ul>"), so each
    // one nests the rest of the post a level deeper: one block in a hundred.
    static const char* const orderedList = "[list=1][*]one[*]two[/list]\r\n";
    std::mt19937 random(12345);
    std::string post;
    post.reserve(bytes + 200);
    size_t line = 0;
    while (post.size() < bytes) {
        if (random() % mix.blockEvery == 0) {
            const unsigned block = random() % 100;
            post += block == 0 ? orderedList : blocks[block % 5];
            line = 0;
            continue;
        }
        const char* word = random() % mix.formattedEvery == 0 ? formatted[random() % 8]
            : random() % mix.emoticonEvery == 0               ? emoticons[random() % 8]
                                                              : plain[random() % 40];
        post += word;
        line += std::strlen(word) + 1;
        if (line > 70) {
            post += "\r\n";
            line = 0;
        } else {
            post += ' ';
        }
    }
    return post;
}

// Processor time used so far by this program and every process it started
// (the web engine's helpers, with those that have ended), in milliseconds.
double ProcessorMs()
{
    QHash<QString, QString> parentOf;
    QHash<QString, double> ticksOf;
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat("/proc/" + pid + "/stat");
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid ... utime stime cutime cstime ...", fields 14 to 17.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() < 13)
            continue;
        parentOf.insert(pid, QString::fromLatin1(fields[1]));
        ticksOf.insert(pid,
                       fields[11].toDouble() + fields[12].toDouble() + fields[13].toDouble() + fields[14].toDouble());
    }
    const QString self = QString::number(QCoreApplication::applicationPid());
    double ticks = 0;
    for (auto it = ticksOf.cbegin(); it != ticksOf.cend(); ++it) {
        QString pid = it.key();
        while (!pid.isEmpty() && pid != self && pid != "0" && pid != "1")
            pid = parentOf.value(pid);
        if (pid == self)
            ticks += it.value();
    }
    return ticks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double MsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

bool g_failed = false;

// Every emoticon picture, as a small GIF, in the program folder's emo/.
void WriteEmoticonPictures(const QString& appFolder)
{
    const std::string gif =
        QByteArray::fromBase64("R0lGODlhAQABAIAAAAAAAP///yH5BAEAAAAALAAAAAABAAEAAAIBRAA7").toStdString();
    QDir().mkpath(appFolder + "emo");
    for (const bbcode::Emoticon& emoticon : bbcode::EmoticonTable) {
        const QString name = QString::fromLatin1(emoticon.name.data(), static_cast<qsizetype>(emoticon.name.size()));
        if (!FileIO::WriteFileAtomically(appFolder + "emo/" + name + ".gif", gif, nullptr))
            g_failed = true;
    }
}

// Writes the page and opens it in a new, shown browser window; returns when
// the page has finished loading.
void OpenPreview(const std::string& post, const QString& appFolder)
{
    const std::string page = PreviewPage::Build(post, ToUtf8(appFolder));
    const QString path = appFolder + QString::fromLatin1(RowOf(BrowserMode::Preview).pageFile.data());
    if (!FileIO::RemoveIfExists(path, nullptr) || !FileIO::WriteFileAtomically(path, page, nullptr)) {
        g_failed = true;
        return;
    }
    BrowserWindow window;
    window.show();
    bool loaded = false;
    QObject::connect(&window, &BrowserWindow::navigationCompleted, [&loaded](bool ok) { loaded = ok; });
    window.Navigate(QUrl::fromLocalFile(path));
    if (!window.WaitWhileBusy() || !loaded)
        g_failed = true;
}

}  // namespace

int main(int argc, char** argv)
{
    const bool quick = Bench::Quick(argc, argv);
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
    qputenv("XDG_CACHE_HOME", (home.path() + "/cache").toUtf8());
    PrepareApplication();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quillforge"));
    QApplication::setApplicationName(QStringLiteral("Quillforge"));
    const QString appFolder = home.path() + "/";
    WriteEmoticonPictures(appFolder);

    const size_t bytes = quick ? 100 * 1024 : 1024 * 1024;
    const std::string post = MakePost(bytes, Realistic);
    const std::string heavy = MakePost(bytes, TagHeavy);
    const int runs = quick ? 1 : 9;

    const auto first = std::chrono::steady_clock::now();
    OpenPreview(post, appFolder);
    const double cold = MsSince(first);

    const double render = Bench::MedianMs(runs, [&] { (void)PreviewPage::Build(post, ToUtf8(appFolder)); });
    const double small = Bench::MedianMs(runs, [&] { OpenPreview("A short post.", appFolder); });
    const double processorBefore = ProcessorMs();
    const double warm = Bench::MedianMs(runs, [&] { OpenPreview(post, appFolder); });
    const double processor = (ProcessorMs() - processorBefore) / runs;
    const double heavyBefore = ProcessorMs();
    const double heavyWarm = Bench::MedianMs(runs, [&] { OpenPreview(heavy, appFolder); });
    const double heavyProcessor = (ProcessorMs() - heavyBefore) / runs;

    const std::string size = quick ? "100 KB" : "1 MB";
    Bench::Report("preview " + size + ": render the page", render, "ms");
    Bench::Report("preview " + size + ": first opening of the run (engine start)", cold, "ms");
    Bench::Report("preview of a short post: open, page loaded", small, "ms");
    Bench::Report("preview " + size + ": render, write, open, page loaded", warm, "ms");
    Bench::Report("preview " + size + ": processor time (all processes)", processor, "ms");
    Bench::Report("preview " + size + " tag-heavy: render, write, open, page loaded", heavyWarm, "ms");
    Bench::Report("preview " + size + " tag-heavy: processor time (all processes)", heavyProcessor, "ms");
    return g_failed ? 1 : 0;
}
