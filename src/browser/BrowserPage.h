// SPDX-License-Identifier: MIT
#pragma once
// The page of the browser window. Pages the program writes itself (the
// preview and contact pages, loaded from the writable folder or
// given as text) are shown with JavaScript off, since a post may quote other
// people's HTML; every other page (a site reached through a link, a sent form
// or the address test) runs its scripts as in any browser.
//
// Scripts run only in a page whose remote address has committed. A
// navigation is judged when it is requested: towards a remote address the
// setting goes on (the new page's first scripts must find it on), towards one
// of the program's pages it goes off at once. When the navigation ends without
// committing (an address answering 204 No Content, a download, a form sent to
// such an address, a failure without an error page), the setting goes back to
// what the page still shown needs. A link clicked in one of the program's
// pages towards a remote address does not touch the page shown at all: it
// loads in a page of its own that takes this one's place once it has
// committed. While a form of one of the program's pages is on its way the
// setting is on, but the policy those pages start with (base/PagePolicy.h)
// keeps their own scripts from running. javascript: addresses never run in
// the program's pages.
//
// New windows: only a request that follows the user's click opens, in the
// same window; the page shown stays until the new one has committed. Windows
// a page's script opens by itself are refused.

#include <QPointer>
#include <QUrl>
#include <QWebEnginePage>

class QWebEngineLoadingInfo;
class QWebEngineNewWindowRequest;

class BrowserPage : public QWebEnginePage {
    Q_OBJECT
public:
    BrowserPage(QWebEngineProfile* profile, QObject* parent);

    // True for the addresses of the pages the program writes itself: local
    // files and pages given as text.
    static bool IsProgramPage(const QUrl& url);

    // True when the main frame's last navigation of this page sent a form
    // (the page shown, or arriving, is the answer to it); a redirect or meta
    // refresh that follows is a navigation of its own.
    bool LastNavigationWasFormSubmission() const { return m_lastNavigation == NavigationTypeFormSubmitted; }

    // True when the page committed last is one of the program's own pages
    // (also before anything has been shown).
    bool ShowsProgramPage() const { return m_committed != Kind::Remote; }

signals:
    // A page that will take this one's place (a link of one of the program's
    // pages, or a new-window request after a click) has started loading. It
    // reports its own loadStarted and loadFinished from then on.
    void successorStarted(BrowserPage* successor);
    // That page has committed: it should now be shown in place of this one,
    // which is no longer needed.
    void replacedBy(BrowserPage* successor);
    // This page has committed a navigation (its first sign: the title).
    void committed();

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    enum class Kind { None, Program, Remote };

    void OnLoadingChanged(const QWebEngineLoadingInfo& info);
    void OnUrlChanged(const QUrl& url);
    void OnNewWindowRequested(QWebEngineNewWindowRequest& request);
    void Commit(const QUrl& url, bool ownNavigation);
    void MarkCommitted();
    void ApplyScriptSetting();
    // A fresh page for a navigation that must not touch this one; a pending
    // earlier one is dropped.
    BrowserPage* StartSuccessor();
    void DropSuccessor();

    Kind m_committed = Kind::None;  // the page shown
    Kind m_pending = Kind::None;    // the main-frame navigation on its way, if any
    QUrl m_pendingUrl;
    bool m_hasCommitted = false;
    QPointer<BrowserPage> m_successor;
    NavigationType m_lastNavigation = NavigationTypeOther;
};
