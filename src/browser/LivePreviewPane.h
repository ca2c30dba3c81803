// SPDX-License-Identifier: MIT
#pragma once
// The live preview pane beside the message body: the post as the site's
// board shows it, updated in place after a pause in typing, following the
// body as it scrolls.
//
// Rendering runs on a thread of its own, so typing never waits for it; a
// render that finishes after newer typing is followed by another. The page
// view (and with it the web engine) is made the first time the pane has been
// painted, so a window that opens with the pane shows first, and goes when
// the pane is hidden. F6 moves the keyboard focus between the body and the
// pane; a double click in the pane puts the caret at the start of the line
// it shows there.

#include "browser/LivePreviewView.h"
#include "board/LivePreview.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QThreadPool>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

class QLabel;
class QPlainTextEdit;
class QTimer;

class LivePreviewPane : public QWidget {
    Q_OBJECT
public:
    // What the pane shows a post with: the page it loads once, and the
    // renderer that fills the page's container (it runs on another thread).
    struct Dialect {
        std::string page;
        std::function<LivePreview::Rendered(std::string_view post)> render;
    };

    // The pane for `body`, whose post (CR LF line breaks) `postText` gives;
    // pages resolve their addresses against `baseUrl`. Hidden until shown.
    LivePreviewPane(QPlainTextEdit* body, std::function<std::string()> postText, const QUrl& baseUrl, QWidget* parent);
    ~LivePreviewPane() override;

    // Renders with `dialect` from now on (a new page when its page differs).
    void SetDialect(Dialect dialect);

    // The page view while the pane is shown and the web module could be
    // loaded; null otherwise.
    LivePreviewView* PageView() const { return m_view; }

    // How long typing must pause before the pane follows.
    static constexpr int PauseMs = 120;
    // True while an edit waits for that pause to end.
    bool UpdateDue() const;

signals:
    // The page shows the post as it was when the last render started.
    void updated();

protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void CreateView();
    void DropView();
    void Render();
    struct Update;
    void Arrived(std::shared_ptr<Update> update);
    void Send();
    void SyncToBody();
    void MoveFocus();
    void ChooseLine(int line);
    int TopLine() const;
    int CaretLine() const;
    bool Typing() const;

    QPlainTextEdit* m_body;
    std::function<std::string()> m_postText;
    QUrl m_baseUrl;
    Dialect m_dialect;
    QPointer<LivePreviewView> m_view;
    QLabel* m_message = nullptr;  // why there is no page, when the module is missing
    QTimer* m_pause;              // restarted by every edit
    QTimer* m_scrollSync;         // follows the body's scrolling at most this often
    QThreadPool m_renderer;
    bool m_createPending = false;
    bool m_pageReady = false;
    bool m_rendering = false;
    bool m_renderAgain = false;         // the post changed while a render ran
    bool m_sending = false;             // an update is on its way to the page
    bool m_editScrolling = false;       // the body scrolls because of an edit
    std::shared_ptr<Update> m_waiting;  // the newest render, while an update is on its way
    std::string m_pageHtml;             // the container's content as last sent; empty: not known
    std::vector<uint32_t> m_pageLines;
    QElapsedTimer m_lastEdit;
    QElapsedTimer m_lastChoice;  // the caret placed from the pane: the body's scrolling does not move the pane
};
