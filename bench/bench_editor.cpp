// Typing into the post field: a keystroke must cost the same in an empty post
// and in a 1 MB post, so nothing on the keystroke path may copy or scan the
// whole text. Types 1,000 characters at the end of the body through real key
// events and reports both times and their ratio. A tag button must cost no
// more than a keystroke: 1,000 clicks of the bold button at the end of the
// body ("[b]" and "[/b]" in turn, Enter after every tenth click so that lines
// stay as long as typed ones), in both bodies, against the typing.

#include "BenchHarness.h"

#include "app/AppContext.h"
#include "app/Platform.h"
#include "app/SettingsStore.h"
#include "editor/PostDocument.h"
#include "editor/frmPost.h"

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
    QApplication app(argc, argv);
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
    typingMs(std::string());  // warm-up
    const double emptyMs = typingMs(std::string());
    const double bigMs = typingMs(big);
    const double emptyTagMs = taggingMs(std::string());
    const double bigTagMs = taggingMs(big);

    Bench::Report("typing " + std::to_string(characters) + " chars, empty body", emptyMs, "ms");
    Bench::Report("typing " + std::to_string(characters) + " chars, " + std::to_string(bigSize / 1024) + " KB body",
                  bigMs, "ms");
    Bench::Report("typing ratio (large / empty)", bigMs / emptyMs, "x");
    Bench::Report("tag button " + std::to_string(characters) + " clicks, empty body", emptyTagMs, "ms");
    Bench::Report("tag button " + std::to_string(characters) + " clicks, " + std::to_string(bigSize / 1024) + " KB body",
                  bigTagMs, "ms");
    Bench::Report("tag button ratio (large / empty)", bigTagMs / emptyTagMs, "x");
    Bench::Report("tag click / keystroke, large body", bigTagMs / bigMs, "x");
    return 0;
}
