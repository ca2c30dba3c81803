// SPDX-License-Identifier: MIT
#pragma once
// The program's one browser window. It shows the preview, the forum's own
// posting page (Send Topic), the contact page and the options dialog's
// address test, and, never shown, reads the forum's index page for the forum
// extraction. Each caller picks a
// mode (browser/BrowserMode.h); every shown mode is opened by the same four
// steps: the mode's banner, its caption, the navigation, and the window shown
// modally over its owner.
//
// A window is created for each use and discarded when it closes, so every
// opening starts from the loaded state: both banners hidden, caption
// "Preview post". The web engine starts with the first window.

#include "browser/BrowserMode.h"
#include "browser/PostingPage.h"

#include <QDialog>
#include <QUrl>
#include <functional>
#include <optional>

class BrowserControl;
class PictureBox;
class PreviewBackground;

class BrowserWindow : public QDialog {
    Q_OBJECT
public:
    // Creates the window in its loaded state, owned by `owner`; not shown.
    // Its pages use the browser profile (cookies, logins) of the site
    // `siteId`, or of the site chosen in the main window when empty.
    explicit BrowserWindow(QWidget* owner = nullptr, const QString& siteId = QString());
    ~BrowserWindow() override;

    // Creates a window over `owner`, opens it in `mode` at `address` and
    // returns once the user has closed it; the window is then discarded.
    static void Show(BrowserMode mode, const QUrl& address, QWidget* owner);
    // The same for a page given as text: `html` is shown as if it had been
    // loaded from `baseUrl`, which resolves its links and form actions. The
    // engine takes such a page only up to about 2 MB; a larger one completes
    // as not loaded and the window shows an empty page.
    static void ShowHtml(BrowserMode mode, const QString& html, const QUrl& baseUrl, QWidget* owner);

    // The four opening steps on this window; returns when it has been closed.
    void Open(BrowserMode mode, const QUrl& address);
    void OpenHtml(BrowserMode mode, const QString& html, const QUrl& baseUrl);

    // The browser control's operations, usable without showing the window.
    void Navigate(const QUrl& address);
    void SetHtml(const QString& html, const QUrl& baseUrl);
    // True from a navigation request until the page has arrived or failed.
    bool Busy() const { return m_busy; }
    // Runs the event loop until the control is no longer busy (at once when it
    // is not). False when the window was discarded meanwhile, or the program
    // ended the wait.
    bool WaitWhileBusy();
    // The HTML text of the loaded document's body, as the browser serialises
    // it, handed to `done` later; no value when there is no document body.
    // Works whether or not the page may run scripts.
    void BodyHtml(std::function<void(std::optional<QString>)> done);
    // The same, waited for with the event loop running (no value when the
    // program ended the wait).
    std::optional<QString> WaitForBodyHtml();
    // Whether the page shown is the direct answer to a form sent from it
    // (a forum's Preview or a refilled form); false without a browser control.
    bool ReachedBySendingForm() const;
    // Looks for a forum's posting form in the page shown and, when
    // `fill.fill` holds, fills it with the post and puts the keyboard focus
    // in its message field. `done` receives what the page held, later
    // (Other without a browser control).
    void FillPostingForm(const PostingFill& fill, std::function<void(PostingPageKind)> done);

    // The controls (their object names are the same).
    PreviewBackground* background = nullptr;
    // The browser control's view (a QWebEngineView), or, when the web module
    // cannot be loaded, a label that says why.
    QWidget* pageView = nullptr;
    PictureBox* sendTopicBanner = nullptr;  // "Send Topic", over the header's words
    PictureBox* contactUsBanner = nullptr;  // "Contact us", over the header's words
    PictureBox* closeHotSpot = nullptr;     // over the word Close

signals:
    // A navigation of the page is about to start / has completed (`ok` false
    // when the page could not be loaded; the control then shows its own
    // error page).
    void navigationStarting();
    void navigationCompleted(bool ok);

protected:
    // Escape closes the window only in the modes where the user does not type
    // into the page (the preview, the address test).
    void keyPressEvent(QKeyEvent* event) override;
    // Keeps the window's size and place for the next time.
    void hideEvent(QHideEvent* event) override;

private:
    void CreateControls(const QString& siteId);
    void LayOut();
    // Both banners hidden, the caption "Preview post".
    void ShowLoadedState();
    void ShowBanner(BrowserBanner banner);
    void ApplyCaption(const BrowserModeRow& row);
    // The hourglass from a navigation request until the page has arrived or
    // failed; the signals tell the callers.
    void PageLoadStarting();
    void PageLoadFinished(bool ok);

    BrowserControl* m_control = nullptr;  // null when the web module is missing
    bool m_busy = false;
    BrowserMode m_mode = BrowserMode::Preview;
};
