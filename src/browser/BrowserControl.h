// SPDX-License-Identifier: MIT
#pragma once
// The embedded web-browser control of the browser window: navigate to an
// address, show a page given as text, give the loaded document's body HTML,
// and report when a navigation starts and when it has completed.
//
// The control lives in a module of its own (libquillforge_web.so), the only
// part of the program that touches the web engine. The module is loaded the
// first time a control is created, so the editor starts without loading the
// web engine at all.

#include "browser/PostingPage.h"

#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

class QWidget;

class BrowserControl : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~BrowserControl() override;

    // The control's view, a child of the widget it was created in.
    virtual QWidget* View() const = 0;
    virtual void Load(const QUrl& address) = 0;
    // Shows `html` as if it had been loaded from `baseUrl`.
    virtual void SetHtml(const QString& html, const QUrl& baseUrl) = 0;
    // The HTML text of the loaded document's body, handed to `done` later; no
    // value when there is no document body. Works whether or not the page
    // may run scripts.
    virtual void BodyHtml(std::function<void(std::optional<QString>)> done) = 0;
    // Whether the page shown is the direct answer to a form the user sent
    // (the main frame's last navigation was a form submission; a redirect
    // after it is not).
    virtual bool ReachedBySendingForm() const = 0;
    // Looks for a forum's posting form in the page shown and, when
    // `fill.fill` holds, fills it and gives the view the keyboard focus;
    // `done` receives what the page held, later.
    virtual void FillPostingForm(const PostingFill& fill, std::function<void(PostingPageKind)> done) = 0;

    // Creates a control inside `parent`, loading the web module on first use.
    // Null when the module cannot be loaded; `error` then says why.
    // Its pages use the browser profile of the site `siteId` (the site
    // chosen in the main window when empty).
    static BrowserControl* Create(QWidget* parent, const QString& siteId, QString* error);

    // The name of the function the module exports to create a control.
    static constexpr char FactoryName[] = "QuillforgeCreateBrowserControl";

signals:
    void loadStarted();
    void loadFinished(bool ok);
};
