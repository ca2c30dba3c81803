// SPDX-License-Identifier: MIT
// The live preview pane: from a keystroke in the body to the pane's page
// painted with the change, pause included, for a 60,000-character post and
// for a 1 MB post, in both dialects' renderers (the classic and phpBB 3
// pages); and the memory of the program with its web engine processes, the
// pane closed and open.
//
// The keystroke goes to the middle of the post. The time ends when the page
// has painted its next frame after the update: the program's script world
// asks for two animation frames and notes the time of the second (the first
// comes before the frame that holds the change is drawn); both ends are read
// from the system clock.

#include "BenchHarness.h"

#include "app/MainStartup.h"
#include "base/AppContext.h"
#include "base/Platform.h"
#include "base/Settings.h"
#include "board/BoardProfiles.h"
#include "board/Boards.h"
#include "browser/LivePreviewPane.h"
#include "editor/MainWindow.h"
#include "post/PostDocument.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextCursor>

#include <unistd.h>

namespace {

// Lines of about seventy characters, CR LF line breaks, formatting one word
// in twenty, an emoticon every hundred words, a quote, code or a list every
// three hundred: the same text on every run.
std::string MakePost(size_t bytes)
{
    static const char* const words[] = {"forum", "post", "reply", "thanks", "the",  "and", "board", "topic",
                                        "a",     "of",   "it",    "is",     "for",  "you", "think", "great",
                                        "that",  "with", "have",  "about",  "this", "but", "not",   "can"};
    static const char* const formatted[] = {"[b]bold[/b]", "[i]note[/i]", "[color=red]red[/color]",
                                            "[url=http://forum.example.org/viewtopic.php?t=12]this thread[/url]"};
    static const char* const blocks[] = {"\r\n[quote=\"Ann\"]a quoted line\r\nand another[/quote]\r\n",
                                         "\r\n[code]int main()\r\n{\r\n}\r\n[/code]\r\n",
                                         "\r\n[list]\r\n[*]one\r\n[*]two\r\n[/list]\r\n"};
    std::string post;
    post.reserve(bytes + 200);
    unsigned state = 4242, count = 0;
    size_t line = 0;
    while (post.size() < bytes) {
        state = state * 1103515245u + 12345u;
        ++count;
        std::string word = count % 300 == 0 ? blocks[(state >> 16) % 3]
            : count % 100 == 0              ? ":)"
            : count % 20 == 0               ? formatted[(state >> 16) % 4]
                                            : words[(state >> 16) % 24];
        post += word;
        line += word.size() + 1;
        if (line > 70) {
            post += "\r\n";
            line = 0;
        } else {
            post += ' ';
        }
    }
    return post;
}

// Waits, the event loop running, until `done` holds or `ms` have passed.
bool WaitFor(const std::function<bool()>& done, int ms = 60000)
{
    const qint64 end = QDateTime::currentMSecsSinceEpoch() + ms;
    while (!done()) {
        if (QDateTime::currentMSecsSinceEpoch() > end)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

QVariant RunScript(LivePreviewPane* pane, const QString& script)
{
    QVariant result;
    bool done = false;
    pane->PageView()->RunScript(script, [&](const QVariant& value) {
        result = value;
        done = true;
    });
    WaitFor([&] { return done; });
    return result;
}

// The system clock's time of the page's next painted frame, in ms.
double NextPaint(LivePreviewPane* pane)
{
    RunScript(pane,
              "qfLive.painted = 0; requestAnimationFrame(() => requestAnimationFrame(() => "
              "qfLive.painted = performance.timeOrigin + performance.now())); 0");
    double painted = 0;
    WaitFor(
        [&] {
            painted = RunScript(pane, "qfLive.painted").toDouble();
            return painted > 0;
        },
        5000);
    return painted;
}

// The proportional set size of this process and every process below it, in MB.
double MemoryMb()
{
    QList<QByteArray> family = {QByteArray::number(getpid())};
    for (qsizetype i = 0; i < family.size(); ++i)
        for (const QString& pid : QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile stat("/proc/" + pid + "/stat");
            if (!stat.open(QIODevice::ReadOnly))
                continue;
            const QByteArray line = stat.readAll();
            if (line.mid(line.lastIndexOf(')') + 2).split(' ').value(1) == family[i])
                family.append(pid.toLatin1());
        }
    double kb = 0;
    for (const QByteArray& pid : family) {
        QFile rollup("/proc/" + pid + "/smaps_rollup");
        if (!rollup.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : rollup.readAll().split('\n'))
            if (line.startsWith("Pss:"))
                kb += line.mid(4).trimmed().split(' ').value(0).toDouble();
    }
    return kb / 1024;
}

}  // namespace

int main(int argc, char** argv)
{
    const bool quick = Bench::Quick(argc, argv);
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    qputenv("XDG_DATA_HOME", home.path().toUtf8() + "/data");
    qputenv("XDG_CACHE_HOME", home.path().toUtf8() + "/cache");
    PrepareApplication();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(Settings::AppName);
    QApplication::setApplicationName(Settings::AppName);
    QtPlatform platform;
    Settings settings;
    const QString site = QStringLiteral("http://127.0.0.1:9/board/");
    settings.setSiteAddress(site);
    AppContext context{home.path() + "/", &settings, &platform};
    const int runs = quick ? 1 : 7;

    for (const bool phpbb3 : {false, true}) {
        BoardProfiles::SaveFound(settings, site, Boards::Named(phpbb3 ? "phpbb3" : "phpbb2"), FoundOn::IndexPage);
        MainWindow window(context);
        window.show();
        QPlainTextEdit* body = window.Post().BodyField();
        auto* pane = window.findChild<LivePreviewPane*>();
        const std::string dialect = phpbb3 ? "phpBB 3" : "classic";
        if (!phpbb3 && !quick) {
            window.Post().SetPost(MakePost(size_t(1) << 20));
            QApplication::processEvents();
            Bench::Report("memory, pane closed, 1 MB post", MemoryMb(), "MB");
        }
        if (!pane->isVisible())
            window.findChild<QAction*>("livePreviewAction")->trigger();
        for (const size_t size : {size_t(60000), size_t(1) << 20}) {
            if (quick && size > 60000)
                break;
            int updated = 0;
            const QMetaObject::Connection counting =
                QObject::connect(pane, &LivePreviewPane::updated, [&] { ++updated; });
            window.Post().SetPost(MakePost(size));
            if (!WaitFor([&] { return updated > 0; }))
                return std::printf("the pane showed no update\n"), 1;
            const std::string name = dialect + ", " + (size > 60000 ? "1 MB" : "60,000 chars");
            if (!phpbb3 && size > 60000)
                Bench::Report("memory, pane open, " + name, MemoryMb(), "MB");
            std::vector<double> times;
            for (int run = 0; run < runs + 1; ++run) {
                QTextCursor caret = body->textCursor();
                caret.setPosition(body->document()->characterCount() / 2);
                body->setTextCursor(caret);
                updated = 0;
                const double start = double(QDateTime::currentMSecsSinceEpoch());
                QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
                QApplication::sendEvent(body, &press);
                if (!WaitFor([&] { return updated > 0; }))
                    return std::printf("the pane showed no update\n"), 1;
                const double painted = NextPaint(pane);
                if (run > 0)  // the first run warms the page up
                    times.push_back(painted - start);
            }
            QObject::disconnect(counting);
            std::sort(times.begin(), times.end());
            Bench::Report("keystroke to painted update, " + name, times[times.size() / 2], "ms");
        }
    }
    return 0;
}
