// SPDX-License-Identifier: MIT
#pragma once
// One Submit press: the browser window, in its submission mode, shows the
// forum's own posting page and fills it with the post, exactly once.
//
// The window goes to the posting page of the post's kind, on the site's
// board: a site whose board is not known yet shows its index page first,
// which tells the board (and is kept for the site, as Test Address does). The first page
// that holds a posting form and is not the answer to a form the user sent
// gets the title and body, the focus in its message field; pages the user
// reaches by sending a form (the forum's Preview, a form refilled after an
// error) are left as the forum made them. A login form is left alone too:
// the user logs in in the same window and the board sends them back to the
// posting page, which is filled then. A new topic tries the remembered
// new-topic mode of the site first and the other one when the answer holds
// neither a posting form nor a login form; the mode that gave either is
// remembered for the site (a MyBB or SMF site has one page for each kind of
// post, its own). When neither gives one, the window goes back to
// the first mode's answer (no permission, no such forum) and shows it as the
// forum gave it.
// Only pages on the site address's host are filled: a board that sends the
// user elsewhere never receives the post there. The first posting page also
// tells the program which board the site runs, its smilies, its own tags
// and its limits (board/BoardProfiles). The program never sends the
// post: the user presses the forum's Submit.

#include "base/AppContext.h"
#include "browser/PostingPage.h"
#include "submit/PostingRoute.h"

#include <QObject>
#include <QPointer>
#include <optional>
#include <string>
#include <vector>

class BrowserWindow;
class QWidget;

class PostingSession : public QObject {
    Q_OBJECT
public:
    struct Post {
        std::string siteAddress;  // as stored, normally ending in "/"
        bool reply = false;
        std::string number;  // the topic number of a reply, the forum number of a new topic
        std::string title;
        std::string body;  // CR LF line breaks
    };

    // `board` is the site's board as the main window holds it (a kind of
    // the registry); the classic behaviour when not known yet.
    PostingSession(const AppContext& context, Post post, const Board& board);
    ~PostingSession() override;

    // Opens the browser window over `owner` at the posting page and returns
    // once the user has closed it.
    void Run(QWidget* owner);

    // The window while Run runs.
    BrowserWindow* Window() const;

signals:
    // A page has been looked at (and filled when the kind says so).
    void pageHandled(PostingPageKind kind);
    // The posting page's offer has been kept for the site.
    void boardRead();

private:
    void PageArrived(bool ok);
    void Handle(PostingPageKind kind, bool ok);
    std::optional<PostingRoute::Mode> RememberedMode() const;
    void Remember(PostingRoute::Mode mode);
    // Keeps what the board's posting page offers (its kind, smilies, own
    // tags and limits) for the site, and fetches the smilies' pictures.
    void ReadPostingPage();
    // Learns the site's board from its index page, then goes to the posting page.
    void ReadIndexPage();
    QString AddressOf(PostingRoute::Mode mode) const;

    AppContext m_context;
    Post m_post;
    std::string m_textAreaBody;
    std::string m_host;  // the site's host: pages elsewhere are never filled
    const Board* m_board;  // the site's board, which decides the posting page
    std::vector<PostingRoute::Mode> m_modes;
    size_t m_step = 0;
    // True until the answer to the program's own navigation to the current
    // mode's page has been looked at.
    bool m_probing = true;
    // True while the page awaited is the site's index page.
    bool m_readingIndex = false;
    bool m_filled = false;
    // Counts arrived pages, so the answer about a page that another has
    // replaced meanwhile is ignored.
    unsigned m_arrivals = 0;
    QPointer<BrowserWindow> m_window;
};
