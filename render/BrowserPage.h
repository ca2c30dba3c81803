#pragma once
// The page of the browser window. Pages the program writes itself (the
// preview, submission and contact pages, loaded from the program folder or
// given as text) are shown with JavaScript off, since a post may quote other
// people's HTML; every other page (a site reached through a link, a sent form
// or the address test) runs its scripts as in any browser. The choice is made
// for each navigation of the main frame, before the new page arrives.

#include <QWebEnginePage>

class BrowserPage : public QWebEnginePage {
    Q_OBJECT
public:
    BrowserPage(QWebEngineProfile* profile, QObject* parent);

    // True for the addresses of the pages the program writes itself: local
    // files and pages given as text.
    static bool IsProgramPage(const QUrl& url);

    // True when the main frame's last navigation sent a form (the page shown,
    // or arriving, is the answer to it); a redirect or meta refresh that
    // follows is a navigation of its own.
    bool LastNavigationWasFormSubmission() const { return m_lastNavigation == NavigationTypeFormSubmitted; }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    // The window has no tabs and opens no others: a link meant for a new
    // window opens in this one.
    QWebEnginePage* createWindow(WebWindowType type) override;

private:
    NavigationType m_lastNavigation = NavigationTypeOther;
};
