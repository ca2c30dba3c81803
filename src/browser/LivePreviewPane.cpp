// SPDX-License-Identifier: MIT
#include "browser/LivePreviewPane.h"

#include "base/Utf8.h"

#include <QApplication>
#include <QHideEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>

// A render on its way to the page.
struct LivePreviewPane::Update {
    LivePreview::Rendered rendered;
};

namespace {

// While the user types (an edit this recent), the pane follows the caret's
// line; otherwise the line at the top of the body.
constexpr qint64 TypingMs = 1000;
// The body's scrolling, followed at most this often.
constexpr int ScrollSyncMs = 30;

}  // namespace

LivePreviewPane::LivePreviewPane(QPlainTextEdit* body, std::function<std::string()> postText, const QUrl& baseUrl,
                                 QWidget* parent)
    : QWidget(parent), m_body(body), m_postText(std::move(postText)), m_baseUrl(baseUrl), m_pause(new QTimer(this)),
      m_scrollSync(new QTimer(this))
{
    setObjectName(QStringLiteral("livePreviewPane"));
    setAccessibleName(tr("Live preview"));
    setAutoFillBackground(false);
    setMinimumWidth(120);
    setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    hide();

    // One render at a time, on a thread of its own.
    m_renderer.setMaxThreadCount(1);

    m_pause->setSingleShot(true);
    m_pause->setInterval(PauseMs);
    connect(m_pause, &QTimer::timeout, this, &LivePreviewPane::Render);
    connect(m_body, &QPlainTextEdit::textChanged, this, [this] {
        m_lastEdit.start();
        // The body scrolls to the caret within the same turn of the event loop.
        m_editScrolling = true;
        QTimer::singleShot(0, this, [this] { m_editScrolling = false; });
        if (isVisible())
            m_pause->start();
    });

    m_scrollSync->setSingleShot(true);
    m_scrollSync->setInterval(ScrollSyncMs);
    connect(m_scrollSync, &QTimer::timeout, this, &LivePreviewPane::SyncToBody);
    connect(m_body->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        // An edit scrolls the body to the caret, which the update follows.
        if (m_view && m_pageReady && !m_editScrolling && !m_scrollSync->isActive())
            m_scrollSync->start();
    });

    auto* switchFocus = new QShortcut(QKeySequence(Qt::Key_F6), this);
    switchFocus->setContext(Qt::WindowShortcut);
    connect(switchFocus, &QShortcut::activated, this, &LivePreviewPane::MoveFocus);
}

LivePreviewPane::~LivePreviewPane()
{
    // A render still running hands its result to a pane that is gone: the
    // result is dropped (see Render); the thread is waited for here.
    m_renderer.waitForDone();
}

bool LivePreviewPane::UpdateDue() const { return m_pause->isActive(); }

void LivePreviewPane::SetDialect(Dialect dialect)
{
    const bool newPage = dialect.page != m_dialect.page;
    m_dialect = std::move(dialect);
    if (!m_view)
        return;
    if (newPage) {
        m_pageReady = false;
        m_view->Load(ToQString(m_dialect.page), m_baseUrl);
    } else {
        Render();
    }
}

void LivePreviewPane::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    // The window shows first; the engine starts once the pane has been painted.
    if (!m_view && !m_message && !m_createPending) {
        m_createPending = true;
        QTimer::singleShot(0, this, &LivePreviewPane::CreateView);
    }
    if (!m_view) {
        QPainter painter(this);
        painter.fillRect(rect(), palette().base());
    }
}

void LivePreviewPane::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // A minimised window keeps its page.
    if (event->spontaneous())
        return;
    // Closed, the pane costs nothing: the page goes, with its engine process.
    m_pause->stop();
    m_scrollSync->stop();
    DropView();
}

void LivePreviewPane::CreateView()
{
    m_createPending = false;
    if (m_view || !isVisible())
        return;
    QString error;
    m_view = LivePreviewView::Create(this, &error);
    if (!m_view) {
        m_message = new QLabel(tr("The live preview cannot be shown: %1").arg(error), this);
        m_message->setWordWrap(true);
        m_message->setAlignment(Qt::AlignCenter);
        layout()->addWidget(m_message);
        return;
    }
    QWidget* view = m_view->View();
    view->setObjectName(QStringLiteral("livePreviewView"));
    view->setAccessibleName(tr("Live preview"));
    layout()->addWidget(view);
    connect(m_view, &LivePreviewView::loaded, this, [this](bool ok) {
        m_pageReady = ok;
        m_pageHtml.clear();
        if (ok)
            Render();
    });
    connect(m_view, &LivePreviewView::updated, this, [this](bool applied) {
        m_sending = false;
        if (!applied) {
            // The page could not take the stretch alone, and still shows
            // what it showed: the whole post goes next.
            if (!m_waiting)
                m_waiting = std::make_shared<Update>(Update{{std::move(m_pageHtml), std::move(m_pageLines)}});
            m_pageHtml.clear();
        }
        if (m_waiting)
            Send();
        else
            emit updated();
    });
    connect(m_view, &LivePreviewView::lineChosen, this, &LivePreviewPane::ChooseLine);
    m_view->Load(ToQString(m_dialect.page), m_baseUrl);
}

void LivePreviewPane::DropView()
{
    if (!m_view)
        return;
    LivePreviewView* view = m_view;
    m_view = nullptr;
    view->View()->hide();
    view->deleteLater();
    m_pageReady = m_sending = false;
    m_pageHtml.clear();
    m_waiting.reset();
}

void LivePreviewPane::Render()
{
    if (!m_view || !m_pageReady || !m_dialect.render)
        return;
    if (m_rendering) {
        m_renderAgain = true;
        return;
    }
    m_rendering = true;
    m_renderAgain = false;
    // The post is read here, on the window's thread; the rest runs beside it.
    QPointer<LivePreviewPane> pane(this);
    m_renderer.start([pane, render = m_dialect.render, post = m_postText()] {
        auto update = std::make_shared<Update>(Update{render(post)});
        // Back on the window's thread, where the pane is looked at.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [pane, update] {
                if (pane)
                    pane->Arrived(update);
            },
            Qt::QueuedConnection);
    });
}

void LivePreviewPane::Arrived(std::shared_ptr<Update> update)
{
    m_rendering = false;
    if (!m_view)
        return;
    m_waiting = std::move(update);
    if (!m_sending)
        Send();
    if (m_renderAgain)
        Render();
}

void LivePreviewPane::Send()
{
    std::shared_ptr<Update> update = std::move(m_waiting);
    if (!update || !m_view)
        return;
    m_sending = true;
    // Only the stretch that changed travels, when it can be replaced alone.
    const LivePreview::Change change = LivePreview::ChangeBetween(m_pageHtml, update->rendered.html);
    LivePreviewView::Change sent;
    sent.html = ToQString(change.html);
    sent.whole = change.whole;
    sent.before = change.before;
    sent.after = change.after;
    sent.lines = update->rendered.lines;  // the page needs them all: anchors before may have moved
    m_pageHtml = std::move(update->rendered.html);
    m_pageLines = std::move(update->rendered.lines);
    const bool typing = Typing();
    m_view->Update(sent, typing ? CaretLine() : TopLine(),
                   typing ? LivePreviewView::Follow::InView : LivePreviewView::Follow::Top);
}

void LivePreviewPane::SyncToBody()
{
    if (m_view && m_pageReady && (!m_lastChoice.isValid() || m_lastChoice.elapsed() > 300))
        m_view->ShowLine(TopLine(), LivePreviewView::Follow::Top);
}

bool LivePreviewPane::Typing() const { return m_lastEdit.isValid() && m_lastEdit.elapsed() < TypingMs; }

int LivePreviewPane::TopLine() const { return m_body->cursorForPosition(QPoint(0, 0)).blockNumber(); }

int LivePreviewPane::CaretLine() const { return m_body->textCursor().blockNumber(); }

void LivePreviewPane::MoveFocus()
{
    if (!m_view)
        return;
    QWidget* view = m_view->View();
    if (view->hasFocus() || view->isAncestorOf(QApplication::focusWidget()))
        m_body->setFocus(Qt::ShortcutFocusReason);
    else
        view->setFocus(Qt::ShortcutFocusReason);
}

void LivePreviewPane::ChooseLine(int line)
{
    const QTextBlock block = m_body->document()->findBlockByNumber(line);
    if (!block.isValid())
        return;
    m_lastChoice.start();
    QTextCursor caret(block);
    m_body->setTextCursor(caret);
    m_body->ensureCursorVisible();
    m_body->setFocus(Qt::MouseFocusReason);
}
