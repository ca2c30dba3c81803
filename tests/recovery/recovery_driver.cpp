// SPDX-License-Identifier: MIT
// A real editor process for the recovery tests. It starts the editor as the
// program does (the start routine and the main window, with the user's data
// folder the test gives it), types a title and a body into the window
// through key events, prints a line for every recovery copy written and then
// runs until it is killed:
//
//   recovery_driver <title> <body> [command-line arguments of the editor...]
//
// The text is typed at the end of each field; a LF in it is the Enter key.
// Standard output: "COPY <path>" for each copy written, "MESSAGE <text>" for
// each message box (answered with its last button, as the scripted platform
// does).

#include "base/AppContext.h"
#include "app/MainStartup.h"
#include "base/Settings.h"
#include "recovery/RecoveryKeeper.h"
#include "editor/MainWindow.h"
#include "support/PostControls.h"
#include "support/ScriptedPlatform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <cstdio>

namespace {
void Print(const QString& line)
{
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stdout);
    std::fflush(stdout);
}

class PrintingPlatform : public ScriptedPlatform {
public:
    MsgAnswer MsgBox(QWidget* owner, const QString& text, MsgButtons buttons, MsgIcon icon,
                     const QString& title) override
    {
        Print(QStringLiteral("MESSAGE ") + text);
        return ScriptedPlatform::MsgBox(owner, text, buttons, icon, title);
    }
};

// One key press and release per character (a surrogate pair is one character).
void Type(QWidget* field, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool enter = text.at(i) == QLatin1Char('\n');
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString typed = enter ? QStringLiteral("\r") : text.mid(i, length);
        const int key = enter ? Qt::Key_Return : 0;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, typed);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, typed);
        QApplication::sendEvent(field, &press);
        QApplication::sendEvent(field, &release);
        i += length - 1;
    }
}
}  // namespace

int main(int argc, char** argv)
{
    PrepareApplication();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(Settings::AppName);
    QApplication::setApplicationName(Settings::AppName);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 3) {
        std::fputs("usage: recovery_driver <title> <body> [arguments...]\n", stderr);
        return 2;
    }

    PrintingPlatform platform;
    Settings settings;
    if (settings.siteAddress().isEmpty())
        settings.setSiteAddress(QStringLiteral("http://forum.test/"));
    AppContext context;
    context.settings = &settings;
    context.platform = &platform;
    std::unique_ptr<MainWindow> window = MainStartup(context, QApplication::applicationDirPath(), arguments.mid(3));
    // The copy follows a short pause, so the test waits little for it.
    window->Recovery().SetTiming({std::chrono::milliseconds(200), std::chrono::milliseconds(30000)});
    QObject::connect(&window->Recovery(), &RecoveryKeeper::copyWritten, &app,
                     [](const QString& path) { Print(QStringLiteral("COPY ") + path); });

    Controls(*window).subjectEdit->end(false);
    Type(Controls(*window).subjectEdit, arguments[1]);
    Controls(*window).bodyEdit->moveCursor(QTextCursor::End);
    Type(Controls(*window).bodyEdit, arguments[2]);
    Print(QStringLiteral("TYPED"));
    return app.exec();
}
