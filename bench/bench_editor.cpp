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

#include "BenchHarness.h"

#include "app/AppContext.h"
#include "app/Platform.h"
#include "app/SettingsStore.h"
#include "editor/PostDocument.h"
#include "editor/RecoveryKeeper.h"
#include "editor/frmPost.h"

#include "app/MainStartup.h"

#include <QApplication>
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
    static const char* const words[] = {"forum", "post", "[b]bold[/b]", "reply", "thanks", "the", "and",
                                        "[i]note[/i]", "quote", "board", "topic", "a", "of", ":)", "link"};
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
void ClickBold(frmPost& window, int count)
{
    for (int i = 0; i < count; ++i) {
        window.cmdBBcode[0]->click();
        if (i % 10 == 9) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QApplication::sendEvent(window.txtPost, &press);
        }
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
    QApplication::setOrganizationName(SettingsStore::AppName);
    QApplication::setApplicationName(SettingsStore::AppName);
    QtPlatform platform;
    SettingsStore settings;
    AppContext context{home.path() + "/", &settings, &platform};
    frmPost window(context);
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
            window.txtPost->moveCursor(QTextCursor::End);
            window.txtPost->setFocus();
            QApplication::processEvents();
            times.push_back(Bench::MedianMs(1, work));
        }
        std::sort(times.begin(), times.end());
        return times[times.size() / 2];
    };
    auto typingMs = [&](const std::string& body) {
        return medianMs(body, [&] { TypeCharacters(window.txtPost, characters); });
    };
    auto taggingMs = [&](const std::string& body) { return medianMs(body, [&] { ClickBold(window, characters); }); };

    const std::string big = MakeBody(bigSize);
    const std::string sizeText = std::to_string(bigSize / 1024) + " KB body";
    const std::string typed = "typing " + std::to_string(characters) + " chars, ";
    typingMs(std::string());  // warm-up
    double bigMs = 0;  // with recovery on, as the program runs
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
    window.Post().SetPost(big);
    const double copyMs = Bench::MedianMs(runs, [&] { window.Recovery().WriteNow(); });
    Bench::Report("recovery copy of the " + sizeText, copyMs, "ms");
    return 0;
}
