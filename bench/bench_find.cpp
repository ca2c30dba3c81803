// SPDX-License-Identifier: MIT
// Find and replace in a 1 MB post, through the find bar of a real window: a
// name used 10,000 times is searched for (the count and the first match, as
// typing the last letter of the name in the Find field does it), then
// replaced throughout by Replace All, as a word and as a regular expression
// with a back-reference; each run is undone before the next. Also typing
// 1,000 characters at the end of an empty and of the 1 MB post while the bar
// is open with its matches marked, against the same typing with the bar
// closed: an edit only restarts the bar's pause. And what the status bar's
// word count costs once the typing pauses, in the 1 MB post.

#include "BenchHarness.h"

#include "app/MainStartup.h"
#include "base/AppContext.h"
#include "base/Platform.h"
#include "base/Settings.h"
#include "editor/MainWindow.h"
#include "post/PostDocument.h"
#include "recovery/RecoveryKeeper.h"
#include "writing/WordCount.h"

#include <QAction>
#include <QApplication>
#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextCursor>

#include <cstring>

namespace {

// Lines of words with a little BBCode; `name` every `every` words.
std::string MakeBody(size_t bytes, const char* name, int every, int* names)
{
    static const char* const words[] = {"forum", "post", "[b]bold[/b]", "reply", "thanks", "the", "and", "[i]note[/i]",
                                        "quote", "board", "topic", "a", "of", ":)", "link"};
    std::string body;
    body.reserve(bytes + 100);
    unsigned state = 4242;
    size_t line = 0;
    int count = 0;
    while (body.size() < bytes) {
        state = state * 1103515245u + 12345u;
        const char* word = (++count % every == 0) ? name : words[(state >> 16) % 15];
        if (word == name)
            ++*names;
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

void TypeCharacters(QPlainTextEdit* field, int count, bool events)
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
        if (events)
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
    window.Recovery().SetActive(false);
    QApplication::processEvents();
    for (const char* item : {"checkSpellingAction", "highlightAction"})
        if (auto* action = window.findChild<QAction*>(item); action->isChecked())
            action->trigger();

    const int runs = quick ? 1 : 7;
    const int characters = quick ? 100 : 1000;
    const size_t size = quick ? 100 * 1024 : 1024 * 1024;
    int names = 0;
    // About 1 MB in 167,000 words: every 16th is the name, 10,000 or so in all.
    const std::string big = MakeBody(size, "Quillingham", 16, &names);
    const std::string sizeText = std::to_string(size / 1024) + " KB post";
    auto* body = window.Post().BodyField();
    auto* findEdit = window.findChild<QLineEdit*>("findEdit");
    auto* replaceEdit = window.findChild<QLineEdit*>("replaceEdit");
    auto* regexBox = window.findChild<QAbstractButton*>("regexBox");
    auto* replaceAll = window.findChild<QPushButton*>("replaceAllButton");
    auto* status = window.findChild<QLabel*>("findStatus");
    QAction* replaceItem = window.findChild<QAction*>("replaceAction");

    window.Post().SetPost(big);
    body->moveCursor(QTextCursor::Start);
    replaceItem->trigger();
    QApplication::processEvents();
    // The search: the last letter of the name typed into the Find field.
    const double searchMs = Bench::MedianMs(runs, [&] {
        findEdit->setText(QStringLiteral("Quillingha"));
        findEdit->setText(QStringLiteral("Quillingham"));
    });
    Bench::Report("search a " + sizeText + " for a name (" + std::to_string(names) + " matches)", searchMs, "ms");
    std::printf("  bar says: %s\n", qPrintable(status->text()));

    auto replaceAllMs = [&](const QString& pattern, const QString& replacement, bool regex) {
        regexBox->setChecked(regex);
        findEdit->setText(pattern);
        replaceEdit->setText(replacement);
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            times.push_back(Bench::MedianMs(1, [&] { replaceAll->click(); }));
            if (run == 0)
                std::printf("  bar says: %s\n", qPrintable(status->text()));
            body->undo();
            QApplication::processEvents();
        }
        std::sort(times.begin(), times.end());
        return times[times.size() / 2];
    };
    Bench::Report("replace all of them, " + sizeText, replaceAllMs("Quillingham", "Featherstonehaugh", false), "ms");
    Bench::Report("replace all, regular expression with \\1, " + sizeText,
                  replaceAllMs("Quill(\\w+)", "Feather\\1", true), "ms");

    // Typing with the bar open and its marks on screen, against the bar closed.
    regexBox->setChecked(false);
    findEdit->setText(QStringLiteral("the"));
    auto typingMs = [&](const std::string& text, bool events) {
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            window.Post().SetPost(text);
            body->moveCursor(QTextCursor::End);
            body->setFocus();
            QApplication::processEvents();
            times.push_back(Bench::MedianMs(1, [&] { TypeCharacters(body, characters, events); }));
        }
        std::sort(times.begin(), times.end());
        return times[times.size() / 2];
    };
    typingMs(std::string(), false);  // warm-up
    for (bool events : {false, true}) {
        const std::string how = events ? ", events after each key" : "";
        const std::string typed = "typing " + std::to_string(characters) + " chars, ";
        window.findChild<QAction*>("findAction")->trigger();
        const double emptyOpen = typingMs(std::string(), events);
        const double bigOpen = typingMs(big, events);
        window.findChild<QWidget*>("findBar")->hide();
        const double emptyClosed = typingMs(std::string(), events);
        Bench::Report(typed + "empty post, find bar open" + how, emptyOpen, "ms");
        Bench::Report(typed + sizeText + ", find bar open" + how, bigOpen, "ms");
        Bench::Report("typing ratio (large, bar open / empty)" + how, bigOpen / emptyOpen, "x");
        Bench::Report("typing ratio (large, bar open / empty, bar closed)" + how, bigOpen / emptyClosed, "x");
    }

    // The words panel counts after the pause: the post read out of the field and counted.
    window.Post().SetPost(big);
    size_t words = 0;
    const double countMs = Bench::MedianMs(runs, [&] { words = WordCount::Count(window.Post().Post()); });
    Bench::Report("count the words of the " + sizeText + " (" + std::to_string(words) + ")", countMs, "ms");
    window.Post().SetState(PostDocument::State::Unchanged);
    return 0;
}
