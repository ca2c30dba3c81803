// SPDX-License-Identifier: MIT
#pragma once
// The web view inside a browser window, for tests that look at the page
// itself (its address, title, DOM or profile) or press its controls. Tests
// that include this link the web module.

#include "browser/BrowserWindow.h"

#include <QPoint>
#include <QTest>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

inline QWebEngineView* WebView(BrowserWindow& window)
{
    auto* view = qobject_cast<QWebEngineView*>(window.pageView);
    Q_ASSERT_X(view, "WebView", "the browser window has no web view: the web module did not load");
    return view;
}

// Runs `script` in the application's own script world (which works whether or
// not the page may run scripts) and waits for its result.
inline QVariant RunScript(BrowserWindow* window, const QString& script, int timeoutMs = 30000)
{
    QVariant result;
    bool done = false;
    WebView(*window)->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld, [&](const QVariant& value) {
        result = value;
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, timeoutMs))
        qWarning("script timed out: %s", qPrintable(script));
    return result;
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
