// SPDX-License-Identifier: MIT
// Opening and saving a 10 MB post through the main window: the file read,
// decoded and parsed, both fields filled and the window painted; and the
// fields read back, the file built and written atomically.
//
// The first open of a run is measured in a fresh process each time (this
// program started again with --open-once): that is what a user meets, and
// there every byte the field takes is fresh memory, which on this machine
// costs as much as the field's own work. Opening again in the same window
// reuses memory the last post let go of, so it is measured apart.

#include "BenchHarness.h"

#include "base/AppContext.h"
#include "base/Platform.h"
#include "base/Settings.h"
#include "post/PostDocument.h"
#include "post/PostFile.h"
#include "editor/MainWindow.h"

#include "app/MainStartup.h"
#include "base/Utf8.h"

#include <QApplication>
#include <QProcess>
#include <QTextCursor>
#include <QTextDocument>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QWindow>

#include <time.h>

#include <cstdio>

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

// The median wall time of `runs` calls of `work`, and the median processor time.
std::pair<double, double> Measure(int runs, const std::function<void()>& work)
{
    std::vector<double> cpu;
    const double wall = Bench::MedianMs(runs, [&] {
        const double start = Bench::ThreadCpuMs();
        work();
        cpu.push_back(Bench::ThreadCpuMs() - start);
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

// What one fresh process measures, after showing the window.
enum class Once {
    Open,       // OpenFile and painting
    FieldOnly,  // the field's own work: the whole post, converted beforehand,
                // inserted into the empty field in one step without undo
};

// One measurement in this fresh process: prints "<wall> <processor>" in ms.
int MeasureOnce(MainWindow& window, const QString& path, Once what)
{
    QString fieldText;
    if (what == Once::FieldOnly) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return 5;
        const QByteArray bytes = file.readAll();
        const std::optional<PostFile::Parsed> parsed =
            PostFile::Read(std::string_view(bytes.constData(), size_t(bytes.size())));
        if (!parsed)
            return 5;
        fieldText = ToQString(parsed->post);
    }
    const double cpuStart = Bench::ThreadCpuMs();
    const auto start = std::chrono::steady_clock::now();
    if (what == Once::Open) {
        window.OpenFile(path);
    } else {
        QTextDocument* document = window.Post().BodyField()->document();
        document->setUndoRedoEnabled(false);
        QTextCursor cursor(document);
        cursor.beginEditBlock();
        cursor.insertText(fieldText);
        cursor.endEditBlock();
    }
    window.repaint();
    const double cpu = Bench::ThreadCpuMs() - cpuStart;
    const double wall = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("%f %f\n", wall, cpu);
    return 0;
}

// Runs this program again `runs` times with `--open-once <what> <path>`; the
// medians of the wall and processor times.
std::pair<double, double> MeasureInFreshProcesses(int runs, const QString& what, const QString& path)
{
    std::vector<double> walls, cpus;
    for (int i = 0; i < std::max(1, runs); ++i) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--open-once"), what, path});
        if (!child.waitForFinished(120000) || child.exitCode() != 0)
            std::exit(6);
        double wall = 0, cpu = 0;
        if (std::sscanf(child.readAllStandardOutput().constData(), "%lf %lf", &wall, &cpu) != 2)
            std::exit(7);
        walls.push_back(wall);
        cpus.push_back(cpu);
    }
    std::sort(walls.begin(), walls.end());
    std::sort(cpus.begin(), cpus.end());
    return {walls[walls.size() / 2], cpus[cpus.size() / 2]};
}
}  // namespace

int main(int argc, char** argv)
{
    const bool quick = Bench::Quick(argc, argv);
    const bool once = argc == 4 && std::strcmp(argv[1], "--open-once") == 0;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    PrepareApplication();
    QApplication app(argc, argv);

    QTemporaryDir folder;
    SilentPlatform platform;
    Settings settings;
    AppContext context{folder.path() + "/", &settings, &platform};
    MainWindow window(context);
    window.show();
    for (int i = 0; i < 1000 && !(window.windowHandle() && window.windowHandle()->isExposed()); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (once)
        return MeasureOnce(window, QString::fromLocal8Bit(argv[3]),
                           std::strcmp(argv[2], "field") == 0 ? Once::FieldOnly : Once::Open);

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

    const auto [firstMs, firstCpuMs] = MeasureInFreshProcesses(runs, QStringLiteral("open"), path);
    Bench::Report("open a " + label + " post (fields filled, shown)", firstMs, "ms");
    Bench::Report("  processor time", firstCpuMs, "ms");
    const auto [fieldMs, fieldCpuMs] = MeasureInFreshProcesses(runs, QStringLiteral("field"), path);
    Bench::Report("  of which the field's own work", fieldMs, "ms");
    Bench::Report("  processor time", fieldCpuMs, "ms");

    const auto [openMs, openCpuMs] = Measure(runs, [&] {
        window.OpenFile(path);
        window.repaint();
    });
    if (window.Post().Post() != post || platform.messages != 0)
        return 2;
    Bench::Report("open it again in the same window", openMs, "ms");
    Bench::Report("  processor time", openCpuMs, "ms");

    const QString saved = folder.filePath("saved.bbc");
    window.Post().SetFileName(saved);
    const auto [saveMs, saveCpuMs] = Measure(runs, [&] {
        if (!window.savePost())
            std::exit(3);
    });
    Bench::Report("save a " + label + " post", saveMs, "ms");
    Bench::Report("  processor time", saveCpuMs, "ms");
    if (QFileInfo(saved).size() != QFileInfo(path).size())
        return 4;
    return 0;
}
