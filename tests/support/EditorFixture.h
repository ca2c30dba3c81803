// SPDX-License-Identifier: MIT
#pragma once
// A main window for GUI tests: a temporary program folder, the settings store
// (cleared first), a scripted platform, and the window shown and active.

#include "base/AppContext.h"
#include "base/Settings.h"
#include "editor/MainWindow.h"
#include "support/ScriptedPlatform.h"

#include <QApplication>
#include <QString>
#include <QTemporaryDir>
#include <memory>

class EditorFixture {
public:
    EditorFixture();

    // A new main window, shown and active, in its starting state.
    std::unique_ptr<MainWindow> MakeWindow();

    // The post field holds `fieldText` (LF line breaks) with the characters
    // from `start` to `end` selected (`end` = -1: the caret at `start`).
    static void SetPost(MainWindow& window, const QString& fieldText, int start, int end = -1);
    // The post as the rest of the program sees it (CR LF line breaks).
    static QString PostText(MainWindow& window);

    // The one shown top-level window of class `Window`; null when there is
    // none or more than one.
    template <class Window>
    static Window* OpenWindow()
    {
        Window* found = nullptr;
        int count = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* each = qobject_cast<Window*>(window); each && each->isVisible()) {
                found = each;
                ++count;
            }
        return count == 1 ? found : nullptr;
    }

    QTemporaryDir folder;
    Settings settings;
    ScriptedPlatform platform;
    AppContext context;
};
