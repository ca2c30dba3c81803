// SPDX-License-Identifier: MIT
#include "submit/PostingSession.h"

#include "base/Settings.h"
#include "board/BoardProfiles.h"
#include "browser/BoardPages.h"
#include "post/LineBreaks.h"
#include "browser/BrowserWindow.h"
#include "base/Utf8.h"

#include <QCoreApplication>
#include <QUrl>

#include <memory>

PostingSession::PostingSession(const AppContext& context, Post post, const Board& board)
    : m_context(context), m_post(std::move(post)), m_textAreaBody(LineBreaks::PostToField(m_post.body)),
      m_board(&board)
{
    m_modes = PostingRoute::ModesToTry(m_post.reply, m_post.reply ? std::nullopt : RememberedMode(), board);
    // The post goes only into pages of the forum's own site.
    const QUrl site(ToQString(m_post.siteAddress));
    m_host = ToUtf8(site.host(QUrl::FullyEncoded).toLower());
}

PostingSession::~PostingSession() = default;

void PostingSession::Run(QWidget* owner)
{
    const auto window = std::make_unique<BrowserWindow>(owner);
    m_window = window.get();
    connect(window.get(), &BrowserWindow::navigationCompleted, this, &PostingSession::PageArrived);
    // A site whose board is not known yet shows its index page first, which
    // tells the board and so the address of its posting page.
    m_readingIndex = !m_board->Known();
    const QString first = m_readingIndex ? ToQString(m_post.siteAddress) : AddressOf(m_modes[m_step]);
    window->Open(BrowserMode::Submission, QUrl(first));
}

void PostingSession::ReadIndexPage()
{
    m_readingIndex = false;
    const QPointer<PostingSession> self(this);
    m_window->BodyHtml([self](std::optional<QString> body) {
        if (!self || !self->m_window)
            return;
        if (const Board* kind = body ? Boards::FromPage(ToUtf8(*body)) : nullptr) {
            BoardProfiles::SaveFound(*self->m_context.settings, ToQString(self->m_post.siteAddress), kind,
                                     FoundOn::IndexPage);
            self->m_board = kind;
            self->m_modes = PostingRoute::ModesToTry(
                self->m_post.reply, self->m_post.reply ? std::nullopt : self->RememberedMode(), *kind);
        }
        self->m_window->Navigate(QUrl(self->AddressOf(self->m_modes[self->m_step])));
    });
}

QString PostingSession::AddressOf(PostingRoute::Mode mode) const
{
    return ToQString(PostingRoute::Address(m_post.siteAddress, mode, m_post.number, *m_board));
}

void PostingSession::PageArrived(bool ok)
{
    if (m_filled || !m_window)
        return;
    if (m_readingIndex) {
        ReadIndexPage();
        return;
    }
    const unsigned arrival = ++m_arrivals;
    PostingFill fill{m_post.title, m_textAreaBody, !m_window->ReachedBySendingForm(), m_host};
    m_window->FillPostingForm(fill, [self = QPointer<PostingSession>(this), arrival, ok](PostingPageKind kind) {
        if (self && arrival == self->m_arrivals)
            self->Handle(kind, ok);
    });
}

void PostingSession::Handle(PostingPageKind kind, bool ok)
{
    if (m_probing) {
        const bool boardAnswered = kind != PostingPageKind::Other;
        if (!boardAnswered && ok && m_step + 1 < m_modes.size() && m_window) {
            // Not this generation's posting page: try the other mode.
            ++m_step;
            m_window->Navigate(QUrl(AddressOf(m_modes[m_step])));
            return;
        }
        m_probing = false;
        if (boardAnswered && m_modes.size() > 1)
            Remember(m_modes[m_step]);
        if (!boardAnswered && ok && m_step > 0 && m_window) {
            // Neither mode gave a form: the first mode's answer (the
            // remembered or the current generation's) is the one that says
            // why, such as a forum the user may not post in.
            m_window->Navigate(QUrl(AddressOf(m_modes[0])));
            return;
        }
    }
    if (kind == PostingPageKind::Filled) {
        m_filled = true;
        ReadPostingPage();
    }
    emit pageHandled(kind);
}

std::optional<PostingRoute::Mode> PostingSession::RememberedMode() const
{
    return PostingRoute::NewTopicModeNamed(ToUtf8(m_context.settings->newTopicMode(ToQString(m_post.siteAddress))));
}

void PostingSession::Remember(PostingRoute::Mode mode)
{
    if (RememberedMode() == mode)
        return;
    m_context.settings->setNewTopicMode(ToQString(m_post.siteAddress), ToQString(PostingRoute::NameOf(mode)));
}

void PostingSession::ReadPostingPage()
{
    const QPointer<PostingSession> self(this);
    m_window->BodyHtml([self](std::optional<QString> body) {
        if (!self || !body)
            return;
        BoardPages::KeepPostingPage(*self->m_context.settings, ToQString(self->m_post.siteAddress), ToUtf8(*body));
        emit self->boardRead();
    });
}

BrowserWindow* PostingSession::Window() const { return m_window.data(); }
