// Opening and saving a 10 MB post through the main window: the file read,
// decoded and parsed, both fields filled and the window painted; and the
// fields read back, the file built and written atomically.

#include "BenchHarness.h"

#include "app/AppContext.h"
#include "app/Platform.h"
#include "app/SettingsStore.h"
#include "editor/PostDocument.h"
#include "editor/PostFile.h"
#include "editor/frmPost.h"

#include "app/MainStartup.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QWindow>

#include <time.h>

namespace {
// Answers every question with OK and every dialog with nothing.
class SilentPlatform : public Platform {
public:
    int messages = 0;
    MsgAnswer MsgBox(QWidget*, const QString&, MsgButtons, MsgIcon, const QString&) override
    {
        ++messages;
        return MsgAnswer::OK;
    }
    QString GetOpenFileName(QWidget*) override { return {}; }
    QString GetSaveFileName(QWidget*) override { return {}; }
    std::optional<FontChoice> ChooseFont(QWidget*, const FontChoice&) override { return std::nullopt; }
    void ShellOpen(QWidget*, const QString&) override {}
};

// The processor time of this thread, in milliseconds: on a shared machine it
// varies less than the wall time.
double ThreadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The median wall time of `runs` calls of `work`, and the median processor time.
std::pair<double, double> Measure(int runs, const std::function<void()>& work)
{
    std::vector<double> cpu;
    const double wall = Bench::MedianMs(runs, [&] {
        const double start = ThreadCpuMs();
        work();
        cpu.push_back(ThreadCpuMs() - start);
    });
    std::sort(cpu.begin(), cpu.end());
    return {wall, cpu[cpu.size() / 2]};
}

// A post of about `bytes` bytes: lines of varied length, some empty, some
// with accented letters and BBCode.
std::string MakePost(size_t bytes)
{
    std::string post;
    post.reserve(bytes + 128);
    for (unsigned line = 0; post.size() < bytes; ++line) {
        if (line % 9 == 8) {
            post += "\r\n";
            continue;
        }
        post += "[b]Line ";
        post += std::to_string(line);
        post += "[/b], with \"quotes\", caf\xC3\xA9 and a [url=http://forum.test/]link[/url]";
        post.append(line % 40, 'x');
        post += "\r\n";
    }
    return post;
}
}  // namespace

int main(int argc, char** argv)
{
    const bool quick = Bench::Quick(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    PrepareApplication();
    QApplication app(argc, argv);

    QTemporaryDir folder;
    SilentPlatform platform;
    SettingsStore settings;
    AppContext context{folder.path() + "/", &settings, &platform};
    frmPost window(context);
    window.show();
    for (int i = 0; i < 1000 && !(window.windowHandle() && window.windowHandle()->isExposed()); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);

    const size_t size = quick ? 1'000'000 : 10'000'000;
    const std::string post = MakePost(size);
    const QString path = folder.filePath("large.bbc");
    {
        const std::string bytes = PostFile::Write("A large post", post);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
            return 1;
    }
    const int runs = quick ? 1 : 7;
    const std::string label = quick ? "1 MB" : "10 MB";

    const auto [openMs, openCpuMs] = Measure(runs, [&] {
        window.OpenFile(path);
        window.repaint();
    });
    if (window.Post().Post() != post || platform.messages != 0)
        return 2;
    Bench::Report("open a " + label + " post (fields filled, shown)", openMs, "ms");
    Bench::Report("  processor time", openCpuMs, "ms");

    // Of the opening, what Qt's text field alone takes to hold the post (it
    // builds one text block per line): the floor for any way of opening.
    const QString fieldText = window.txtPost->toPlainText();
    const auto [fillMs, fillCpuMs] = Measure(runs, [&] { window.txtPost->setPlainText(fieldText); });
    Bench::Report("  of which Qt filling the post field", fillMs, "ms");
    Bench::Report("  processor time", fillCpuMs, "ms");

    const QString saved = folder.filePath("saved.bbc");
    window.Post().PostFileName = saved;
    const auto [saveMs, saveCpuMs] = Measure(runs, [&] {
        if (!window.mnusave_Click())
            std::exit(3);
    });
    Bench::Report("save a " + label + " post", saveMs, "ms");
    Bench::Report("  processor time", saveCpuMs, "ms");
    if (QFileInfo(saved).size() != QFileInfo(path).size())
        return 4;
    return 0;
}
