#pragma once
// The web view inside a browser window, for tests that look at the page
// itself (its address, title, DOM or profile). Tests that include this link
// the web module.

#include "render/frmPreview.h"

#include <QWebEngineView>

inline QWebEngineView* WebView(frmPreview& window)
{
    auto* view = qobject_cast<QWebEngineView*>(window.WebBrowser1);
    Q_ASSERT_X(view, "WebView", "the browser window has no web view: the web module did not load");
    return view;
}
