// The preview of a 1 MB realistic post: rendering and writing preview.htm,
// then a new browser window (as every opening creates one) loading the page
// until it has finished. The first opening of a run also starts the web
// engine and is reported on its own; the median is over later openings.

#include "BenchHarness.h"

#include "app/FileIO.h"
#include "render/BrowserMode.h"
#include "render/EmoticonTable.h"
#include "render/PreviewPage.h"
#include "render/frmPreview.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QUrl>

#include <chrono>
#include <cstring>

namespace {

// A realistic body: lines of words with bold, italic and coloured text and
// links, an emoticon now and then, and every few paragraphs a quote, code, a
// list or a picture; CR LF line breaks.
std::string MakePost(size_t bytes)
{
    static const char* const words[] = {
        "forum", "post", "[b]bold[/b]", "reply", "thanks", "the", "and", "[i]note[/i]", "board", "topic", "a",
        "of", "[u]this[/u]", "[color=red]red[/color]", "[size=18]big[/size]", "it", "is", "for", "you", "in",
        "[url=http://forum.example.org/viewtopic.php?t=12]this thread[/url]", "[url]http://example.org/[/url]",
        "we", "think", "was", "great", "really", "update", "version", "settings", "that", "with", "have", "to",
        "on", "when", "there", "which", "would", "about"};
    constexpr unsigned wordCount = sizeof words / sizeof *words;
    // About one emoticon in every fifty words.
    static const char* const emoticons[] = {":)", ":D", ":wink:", ":lol:", "8)", ":(", ":roll:", ":thumb:"};
    static const char* const blocks[] = {
        "[quote=\"Anna\"]I tried that and it worked for me.[/quote]\r\n",
        "[quote]Plain quote of an earlier reply.[/quote]\r\n",
        "[code]for (int i = 0; i < n; ++i)\r\n    total += i;[/code]\r\n",
        "[list][*]first point[*]second point[*]third point[/list]\r\n",
        "[img]emo/smile.gif[/img]\r\n"};
    // An ordered list is never closed (its end tag becomes "</ul>"), so each
    // one nests the rest of the post a level deeper: they are rarer.
    static const char* const orderedList = "[list=1][*]one[*]two[/list]\r\n";
    std::string post;
    post.reserve(bytes + 200);
    unsigned state = 12345;
    size_t line = 0;
    while (post.size() < bytes) {
        state = state * 1103515245u + 12345u;
        if ((state >> 16) % 200 == 0) {
            const unsigned block = (state >> 8) % 30;
            post += block == 0 ? orderedList : blocks[block % 5];
            line = 0;
            continue;
        }
        const unsigned pick = (state >> 16) % (wordCount * 50);
        const char* word = pick < wordCount * 49 ? words[pick % wordCount] : emoticons[pick % 8];
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

double MsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

bool g_failed = false;

// Every emoticon picture, as a small GIF, in the program folder's emo/.
void WriteEmoticonPictures(const QString& appFolder)
{
    const std::string gif = QByteArray::fromBase64("R0lGODlhAQABAIAAAAAAAP///yH5BAEAAAAALAAAAAABAAEAAAIBRAA7").toStdString();
    QDir().mkpath(appFolder + "emo");
    for (const Module2::Emoticon& emoticon : Module2::EmoticonTable) {
        const QString name = QString::fromLatin1(emoticon.name.data(), static_cast<qsizetype>(emoticon.name.size()));
        if (!FileIO::WriteFileAtomically(appFolder + "emo/" + name + ".gif", gif, nullptr))
            g_failed = true;
    }
}

// Writes the page and opens it in a new, shown browser window; returns when
// the page has finished loading.
void OpenPreview(const std::string& post, const QString& appFolder)
{
    const std::string page = PreviewPage::Build(post, appFolder.toStdString());
    const QString path = appFolder + QString::fromLatin1(RowOf(BrowserMode::Preview).pageFile.data());
    if (!FileIO::RemoveIfExists(path, nullptr) || !FileIO::WriteFileAtomically(path, page, nullptr)) {
        g_failed = true;
        return;
    }
    frmPreview window;
    window.show();
    bool loaded = false;
    QObject::connect(&window, &frmPreview::navigationCompleted, [&loaded](bool ok) { loaded = ok; });
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
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quillforge"));
    QApplication::setApplicationName(QStringLiteral("Quillforge"));
    const QString appFolder = home.path() + "/";
    WriteEmoticonPictures(appFolder);

    const std::string post = MakePost(quick ? 100 * 1024 : 1024 * 1024);
    const int runs = quick ? 1 : 9;

    const auto first = std::chrono::steady_clock::now();
    OpenPreview(post, appFolder);
    const double cold = MsSince(first);

    const double render = Bench::MedianMs(runs, [&] { (void)PreviewPage::Build(post, appFolder.toStdString()); });
    const double small = Bench::MedianMs(runs, [&] { OpenPreview("A short post.", appFolder); });
    const double warm = Bench::MedianMs(runs, [&] { OpenPreview(post, appFolder); });

    const std::string size = quick ? "100 KB" : "1 MB";
    Bench::Report("preview " + size + ": render the page", render, "ms");
    Bench::Report("preview " + size + ": first opening of the run (engine start)", cold, "ms");
    Bench::Report("preview of a short post: open, page loaded", small, "ms");
    Bench::Report("preview " + size + ": render, write, open, page loaded", warm, "ms");
    return g_failed ? 1 : 0;
}
