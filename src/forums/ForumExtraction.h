// SPDX-License-Identifier: MIT
#pragma once
// The browser side of the forum extraction: a browser window that is never
// shown loads the forum's index page, and the page's body HTML is read once
// the page has settled. All waiting hands control to the event loop, so the
// program stays responsive; the caller's window may be closed, and this
// object destroyed, while a read waits.

#include <QObject>
#include <QPointer>
#include <QString>
#include <chrono>
#include <string>

class BrowserWindow;
class QWidget;

class ForumExtraction : public QObject {
    Q_OBJECT
public:
    struct Timing {
        // How long to wait after asking for the page before looking at it:
        // pages often go on loading after they report being done.
        std::chrono::milliseconds pause{5000};
        // How long a read may take in all, from the request; a page that has
        // not finished loading by then counts as one that cannot be loaded.
        std::chrono::milliseconds limit{60000};
    };

    enum class Outcome {
        Read,       // the body HTML is in the result
        Failed,     // the page could not be opened, loaded or read in time
        Abandoned,  // another read, Abandon(), the owner's end or the program's end stopped it
    };

    // The hidden browser windows are created as children of `owner`.
    ForumExtraction(QWidget* owner, Timing timing);
    ~ForumExtraction() override;

    // Loads `address` (taken as typed) and returns the UTF-8 text of its
    // body HTML, as the browser serialises it, in `pageText`. A read still
    // waiting is abandoned first. The browser window is gone when this
    // returns. After Abandoned the caller must assume that its own window may
    // have been destroyed meanwhile. The page is read with the login of the
    // site `siteId` (the site chosen in the main window when empty).
    Outcome Read(const QString& address, std::string* pageText, const QString& siteId = QString());

    // The timing of the reads; a new one is taken by the next read.
    Timing GetTiming() const { return m_timing; }
    void SetTiming(Timing timing) { m_timing = timing; }

    // Ends the read in progress, if any: its browser window goes at once.
    void Abandon();
    bool Running() const { return !m_browser.isNull(); }

private:
    QWidget* m_owner;
    Timing m_timing;
    QPointer<BrowserWindow> m_browser;
};
