// SPDX-License-Identifier: MIT
// Typing into the post field: a keystroke must cost the same in an empty post
// and in a 1 MB post, so nothing on the keystroke path may copy or scan the
// whole text. Types 1,000 characters at the end of the body through real key
// events and reports both times and their ratio, with the recovery copy
// switched off and on: an edit only restarts the copy's timer, so the ratio
// must not change. A tag button must cost no more than a keystroke: 1,000
// clicks of the bold button at the end of the body ("[b]" and "[/b]" in turn,
// Enter after every tenth click so that lines stay as long as typed ones), in
// both bodies, against the typing. Also reports what one recovery copy of the
// 1 MB post costs when it is written, after the pause.
//
// Writing help (spell checking and BBCode highlighting): the typing ratio
// with both switched on, against the same typing in an empty post; opening
// a 10 MB post with both on against both off, and the longest slice of the
// work that follows in idle time (the window answers input between slices);
// and the processor time of checking a 60,000-character post to its end.
// Typing with the live preview pane open, in an empty and a 1 MB post.

#include "BenchHarness.h"

#include "base/AppContext.h"
#include "base/Platform.h"
#include "base/Settings.h"
#include "post/PostDocument.h"
#include "recovery/RecoveryKeeper.h"
#include "editor/MainWindow.h"
#include "writing/BodyHighlighter.h"
#include "writing/WritingHelp.h"

#include "app/MainStartup.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextCursor>

#include <cstring>

namespace {

// A realistic body: lines of words with a little BBCode, CR LF line breaks.
std::string MakeBody(size_t bytes)
{
    static const char* const words[] = {"forum", "post",  "[b]bold[/b]", "reply", "thanks", "the", "and", "[i]note[/i]",
                                        "quote", "board", "topic",       "a",     "of",     ":)",  "link"};
    std::string body;
    body.reserve(bytes + 100);
    unsigned state = 12345;
    size_t line = 0;
    while (body.size() < bytes) {
        state = state * 1103515245u + 12345u;
        const char* word = words[(state >> 16) % 15];
        body += word;
        line += std::strlen(word) + 1;
        if (line > 70) {
            body += "\r\n";
            line = 0;
        } else {
            body += ' ';
        }
    }
    return body;
}

// Types like a user: words, and Enter at the end of each line of about 70 characters.
void TypeCharacters(QPlainTextEdit* field, int count)
{
    static const QString letters = QStringLiteral("abcdefghij klmnopqrstuvwxyz");
    for (int i = 0; i < count; ++i) {
        const bool enter = i % 70 == 69;
        const QString text = enter ? QStringLiteral("\r") : QString(letters.at(i % letters.size()));
        const int key = enter ? Qt::Key_Return : 0;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(field, &press);
        QApplication::sendEvent(field, &release);
    }
}

// Clicks the bold button, as the mouse would, `count` times; Enter after every tenth.
void ClickBold(MainWindow& window, int count)
{
    auto* bold = window.findChild<QPushButton*>(QStringLiteral("tagButton_0"));
    auto* body = window.Post().BodyField();
    for (int i = 0; i < count; ++i) {
        bold->click();
        if (i % 10 == 9) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QApplication::sendEvent(body, &press);
        }
    }
}

// Both writing helps on or off, as the Edit menu's items set them.
void SetWritingHelp(MainWindow& window, bool on)
{
    window.Writing().StartSpelling();
    for (QAction* item : {window.findChild<QAction*>(QStringLiteral("checkSpellingAction")),
                          window.findChild<QAction*>(QStringLiteral("highlightAction"))})
        if (item->isChecked() != on)
            item->trigger();
}

// Runs the event loop until the writing help has nothing left to do.
void Settle(MainWindow& window)
{
    QElapsedTimer waited;
    waited.start();
    while (!window.Writing().Body().Idle() && waited.elapsed() < 60000)
        QApplication::processEvents();
    QApplication::processEvents();
}

// Prose of many different words, as a dictionary lists them, a few of them
// misspelt, with some BBCode: what the spell checker meets in a real post.
std::string MakeProse(size_t bytes)
{
    std::vector<std::string> words;
    QFile dictionary(QStringLiteral("/usr/share/hunspell/en_US.dic"));
    if (dictionary.open(QIODevice::ReadOnly))
        while (!dictionary.atEnd() && words.size() < 40000) {
            const QByteArray line = dictionary.readLine();
            const qsizetype end = line.indexOf('/') >= 0 ? line.indexOf('/') : line.trimmed().size();
            if (end > 2 && words.size() % 7 == 0)
                words.emplace_back(line.constData(), static_cast<size_t>(end));
            else
                words.emplace_back();
        }
    words.erase(std::remove(words.begin(), words.end(), std::string()), words.end());
    if (words.empty())
        words = {"forum", "post", "reply", "thanks", "the", "and"};
    std::string text;
    unsigned state = 777;
    size_t line = 0;
    while (text.size() < bytes) {
        state = state * 1103515245u + 12345u;
        std::string word = words[(state >> 8) % words.size()];
        if ((state >> 4) % 40 == 0)
            std::swap(word[0], word[word.size() / 2]);  // a misspelling
        if ((state >> 4) % 53 == 1)
            word = "[b]" + word + "[/b]";
        text += word;
        line += word.size() + 1;
        if (line > 70) {
            text += "\r\n";
            line = 0;
        } else {
            text += ' ';
        }
    }
    return text;
}

// Types like the user, the event loop turning after each keystroke.
void TypeWithEvents(QPlainTextEdit* field, int count)
{
    for (int i = 0; i < count; ++i) {
        TypeCharacters(field, 1);
        QApplication::processEvents();
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const bool quick = Bench::Quick(argc, argv);
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    qputenv("XDG_DATA_HOME", home.path().toUtf8() + "/data");
    PrepareApplication();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(Settings::AppName);
    QApplication::setApplicationName(Settings::AppName);
    QtPlatform platform;
    Settings settings;
    AppContext context{home.path() + "/", &settings, &platform};
    MainWindow window(context);
    window.show();
    QApplication::processEvents();

    const int characters = quick ? 100 : 1000;
    const int runs = quick ? 1 : 7;
    const size_t bigSize = quick ? 100 * 1024 : 1024 * 1024;

    // Each run starts from the same body with the caret at its end.
    auto medianMs = [&](const std::string& body, const std::function<void()>& work) {
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            window.Post().SetPost(body);
            window.Post().BodyField()->moveCursor(QTextCursor::End);
            window.Post().BodyField()->setFocus();
            QApplication::processEvents();
            times.push_back(Bench::MedianMs(1, work));
        }
        std::sort(times.begin(), times.end());
        return times[times.size() / 2];
    };
    auto typingMs = [&](const std::string& body) {
        return medianMs(body, [&] { TypeCharacters(window.Post().BodyField(), characters); });
    };
    auto taggingMs = [&](const std::string& body) { return medianMs(body, [&] { ClickBold(window, characters); }); };

    const std::string big = MakeBody(bigSize);
    const std::string sizeText = std::to_string(bigSize / 1024) + " KB body";
    const std::string typed = "typing " + std::to_string(characters) + " chars, ";
    // The figures before the writing help are taken with it off.
    SetWritingHelp(window, false);
    typingMs(std::string());  // warm-up
    double bigMs = 0;         // with recovery on, as the program runs
    for (bool recovery : {false, true}) {
        window.Recovery().SetActive(recovery);
        const std::string mode = recovery ? ", recovery on" : ", recovery off";
        const double emptyMs = typingMs(std::string());
        bigMs = typingMs(big);
        Bench::Report(typed + "empty body" + mode, emptyMs, "ms");
        Bench::Report(typed + sizeText + mode, bigMs, "ms");
        Bench::Report("typing ratio (large / empty)" + mode, bigMs / emptyMs, "x");
    }

    const double emptyTagMs = taggingMs(std::string());
    const double bigTagMs = taggingMs(big);
    Bench::Report("tag button " + std::to_string(characters) + " clicks, empty body", emptyTagMs, "ms");
    Bench::Report("tag button " + std::to_string(characters) + " clicks, " + sizeText, bigTagMs, "ms");
    Bench::Report("tag button ratio (large / empty)", bigTagMs / emptyTagMs, "x");
    Bench::Report("tag click / keystroke, large body", bigTagMs / bigMs, "x");

    // The copy itself, written once after the pause: reading the post out of
    // the field and writing the file.
    // Typing with the writing help on, against typing with it off.
    window.Recovery().SetActive(true);
    const double offEmptyMs = typingMs(std::string());
    SetWritingHelp(window, true);
    for (bool events : {false, true}) {
        const std::string how = events ? ", events after each key" : "";
        auto typing = [&](const std::string& body) {
            return medianMs(body, [&] {
                if (events)
                    TypeWithEvents(window.Post().BodyField(), characters);
                else
                    TypeCharacters(window.Post().BodyField(), characters);
            });
        };
        const double emptyOnMs = typing(std::string());
        const double bigOnMs = typing(big);
        Bench::Report(typed + "empty body, writing help on" + how, emptyOnMs, "ms");
        Bench::Report(typed + sizeText + ", writing help on" + how, bigOnMs, "ms");
        Bench::Report("typing ratio (large / empty), writing help on" + how, bigOnMs / emptyOnMs, "x");
        if (!events)
            Bench::Report("typing ratio (large, on / empty, off)", bigOnMs / offEmptyMs, "x");
    }

    // Opening a long post: the field filled and the lines on screen shown.
    const size_t hugeSize = quick ? 1024 * 1024 : 10 * 1024 * 1024;
    const std::string huge = MakeBody(hugeSize);
    const std::string hugeText = std::to_string(hugeSize / 1024 / 1024) + " MB post";
    double openMs[2] = {0, 0};
    double passCpuMs = 0, longestSlice = 0;
    for (int run = 0; run < std::max(1, runs / 2); ++run)
        for (bool on : {false, true}) {
            SetWritingHelp(window, on);
            window.Post().SetPost(std::string());
            Settle(window);
            const double cpu = Bench::ThreadCpuMs();
            window.Post().SetPost(huge);
            QApplication::processEvents();
            const double opened = Bench::ThreadCpuMs() - cpu;
            openMs[on] = run == 0 ? opened : std::min(openMs[on], opened);
            if (on) {
                const double before = Bench::ThreadCpuMs();
                Settle(window);
                passCpuMs = Bench::ThreadCpuMs() - before;
                longestSlice = std::max(longestSlice, window.Writing().Body().LongestSliceMs());
            }
        }
    Bench::Report("open " + hugeText + ", writing help off (processor)", openMs[0], "ms");
    Bench::Report("open " + hugeText + ", writing help on (processor)", openMs[1], "ms");
    Bench::Report("open ratio (on / off)", openMs[1] / openMs[0], "x");
    Bench::Report("idle work after the open, in all (processor)", passCpuMs, "ms");
    Bench::Report("idle work: longest slice", longestSlice, "ms");

    // Checking a 60,000-character post to its end, with a fresh dictionary
    // (every word looked up for the first time).
    const std::string prose = MakeProse(60000);
    std::vector<double> checkMs;
    for (int run = 0; run < std::max(1, runs / 2); ++run) {
        MainWindow fresh(context);
        fresh.show();
        SetWritingHelp(fresh, true);
        Settle(fresh);
        const double cpu = Bench::ThreadCpuMs();
        fresh.Post().SetPost(prose);
        Settle(fresh);
        checkMs.push_back(Bench::ThreadCpuMs() - cpu);
        fresh.Post().SetState(PostDocument::State::Unchanged);
    }
    std::sort(checkMs.begin(), checkMs.end());
    Bench::Report("check a 60,000-character post to its end (processor)", checkMs[checkMs.size() / 2], "ms");

    // Typing with the live preview pane open: an edit only restarts the
    // pane's pause; the render and the page's update come after it.
    SetWritingHelp(window, false);
    window.findChild<QAction*>(QStringLiteral("livePreviewAction"))->trigger();
    for (bool events : {false, true}) {
        const std::string how = events ? ", events after each key" : "";
        auto typing = [&](const std::string& body) {
            return medianMs(body, [&] {
                if (events)
                    TypeWithEvents(window.Post().BodyField(), characters);
                else
                    TypeCharacters(window.Post().BodyField(), characters);
            });
        };
        const double emptyPaneMs = typing(std::string());
        const double bigPaneMs = typing(big);
        Bench::Report(typed + "empty body, live preview open" + how, emptyPaneMs, "ms");
        Bench::Report(typed + sizeText + ", live preview open" + how, bigPaneMs, "ms");
        Bench::Report("typing ratio (large / empty), live preview open" + how, bigPaneMs / emptyPaneMs, "x");
    }
    window.findChild<QAction*>(QStringLiteral("livePreviewAction"))->trigger();

    window.Post().SetPost(big);
    const double copyMs = Bench::MedianMs(runs, [&] { window.Recovery().WriteNow(); });
    Bench::Report("recovery copy of the " + sizeText, copyMs, "ms");
    return 0;
}
