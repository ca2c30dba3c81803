// SPDX-License-Identifier: MIT
#pragma once
// The web view inside a browser window, for tests that look at the page
// itself (its address, title, DOM or profile) or press its controls. Tests
// that include this link the web module.

#include "browser/BrowserWindow.h"
#include "support/EventWait.h"

#include <QDeadlineTimer>
#include <QPoint>
#include <QTest>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <memory>

inline QWebEngineView* WebView(BrowserWindow& window)
{
    auto* view = qobject_cast<QWebEngineView*>(window.pageView);
    Q_ASSERT_X(view, "WebView", "the browser window has no web view: the web module did not load");
    return view;
}

// Runs `script` in the application's own script world (which works whether or
// not the page may run scripts) and waits for its result. A script sent while
// a page loads waits for the new document, or is lost with the old one: it
// is sent once the window's load has ended, and given up (an invalid
// result) when a new load starts before its answer.
inline QVariant RunScript(BrowserWindow* window, const QString& script, int timeoutMs = 30000)
{
    const QDeadlineTimer deadline(timeoutMs);
    if (!EventWait::Until([&] { return !window->Busy(); }, timeoutMs))
        qWarning("the page is still loading; running the script all the same: %s", qPrintable(script));
    // The answer may come after this function has given up on it.
    struct Answer {
        QVariant value;
        bool done = false;
    };
    auto answer = std::make_shared<Answer>();
    QWebEnginePage* page = WebView(*window)->page();
    bool replaced = false;
    const QMetaObject::Connection newLoad =
        QObject::connect(page, &QWebEnginePage::loadStarted, page, [&replaced] { replaced = true; });
    page->runJavaScript(script, QWebEngineScript::ApplicationWorld, [answer](const QVariant& value) {
        answer->value = value;
        answer->done = true;
    });
    if (!EventWait::Until([&] { return answer->done || replaced; }, int(deadline.remainingTime())))
        qWarning("script timed out: %s", qPrintable(script));
    QObject::disconnect(newLoad);
    return answer->value;
}

// Waits until the window has loaded its page and what reads a page once it
// has loaded (the posting session, with one script) has had its answer: the
// answer to a script sent now comes after the answers to scripts sent before,
// so a load started from those has begun by then, and is waited for in turn.
// False when a load does not end in time.
inline bool WaitSettled(BrowserWindow* window, int timeoutMs = 30000)
{
    const QDeadlineTimer deadline(timeoutMs);
    do {
        if (!EventWait::Until([&] { return !window->Busy(); }, int(deadline.remainingTime())))
            return false;
        RunScript(window, QStringLiteral("0"), int(deadline.remainingTime()));
    } while (window->Busy());
    return true;
}

// Scrolls the element `selector` into view and gives its centre in the
// browser control's coordinates; (-1, -1) when there is no such element.
inline QPoint CentreOf(BrowserWindow* window, const QString& selector)
{
    const QVariantList box =
        RunScript(window,
                  QStringLiteral("(function(){ const e = document.querySelector('%1');"
                                 " if (!e) return [];"
                                 " e.scrollIntoView({block: 'center'}); const r = e.getBoundingClientRect();"
                                 " return [r.left + r.width / 2, r.top + r.height / 2]; })()")
                      .arg(selector))
            .toList();
    return box.size() == 2 ? QPoint(qRound(box[0].toDouble()), qRound(box[1].toDouble())) : QPoint(-1, -1);
}

// Clicks, as a user would, the element `selector` of the page the window shows.
inline void ClickInPage(BrowserWindow* window, const QString& selector)
{
    const QPoint centre = CentreOf(window, selector);
    if (centre.x() < 0)
        qWarning("nothing to click: %s", qPrintable(selector));
    QTest::mouseClick(window->pageView->focusProxy(), Qt::LeftButton, {}, centre);
}

// The body of the page the window shows, once it has loaded; "<no body>"
// when it cannot be read.
inline QString BodyOf(BrowserWindow* window) { return window->WaitForBodyHtml().value_or(QStringLiteral("<no body>")); }
