// SPDX-License-Identifier: MIT
#pragma once
// For the children of bench_startup: the application, which once a window
// has been painted on screen says so on the standard output and ends the
// program. The parent times the start-up to that line, so neither the work
// queued for after the first paint nor the closing down is counted.

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <cstdio>

class StartupProbe : public QApplication {
public:
    using QApplication::QApplication;

    // Watches `window` for its first painting.
    void ExitOncePainted(QWidget* window) { m_window = window; }

    bool notify(QObject* receiver, QEvent* event) override
    {
        if (receiver == m_window && event->type() == QEvent::Paint)
            m_painted = true;
        ++m_depth;
        const bool handled = QApplication::notify(receiver, event);
        --m_depth;
        // The window is painted from within one event (its showing or an
        // update request), which has now been handled to its end.
        if (m_depth == 0 && m_painted && !m_said) {
            m_said = true;
            std::fputs("painted\n", stdout);
            std::fflush(stdout);
            exit(0);  // straight out: quit() would run the close sequence
        }
        return handled;
    }

private:
    QPointer<QWidget> m_window;
    int m_depth = 0;
    bool m_painted = false;
    bool m_said = false;
};
