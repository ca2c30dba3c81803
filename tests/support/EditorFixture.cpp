// SPDX-License-Identifier: MIT
#include "support/EditorFixture.h"

#include "base/Utf8.h"
#include "support/PostControls.h"

#include "post/PostDocument.h"

#include <QPlainTextEdit>
#include <QSettings>
#include <QTest>
#include <QTextCursor>

EditorFixture::EditorFixture()
{
    QSettings(Settings::AppName, Settings::AppName).clear();
    context = AppContext{folder.path() + "/", &settings, &platform};
}

std::unique_ptr<MainWindow> EditorFixture::MakeWindow()
{
    auto window = std::make_unique<MainWindow>(context);
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("window not active");
    return window;
}

void EditorFixture::SetPost(MainWindow& window, const QString& fieldText, int start, int end)
{
    Controls(window).bodyEdit->setPlainText(fieldText);
    QTextCursor cursor = Controls(window).bodyEdit->textCursor();
    cursor.setPosition(start);
    if (end >= 0)
        cursor.setPosition(end, QTextCursor::KeepAnchor);
    Controls(window).bodyEdit->setTextCursor(cursor);
}

QString EditorFixture::PostText(MainWindow& window) { return ToQString(window.Post().Post()); }
