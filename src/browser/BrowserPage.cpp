// SPDX-License-Identifier: MIT
#include "browser/BrowserPage.h"

#include <QTimer>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineSettings>

BrowserPage::BrowserPage(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent)
{
    // Nothing has been shown yet: no script runs until a remote page arrives.
    settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    // Without the user's click no script opens a window; the engine refuses
    // those before asking, and OnNewWindowRequested checks again.
    settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    connect(this, &QWebEnginePage::loadingChanged, this, &BrowserPage::OnLoadingChanged);
    connect(this, &QWebEnginePage::urlChanged, this, &BrowserPage::OnUrlChanged);
    connect(this, &QWebEnginePage::newWindowRequested, this, &BrowserPage::OnNewWindowRequested);
    // A page gets its first title when its document commits (the address,
    // until the page names itself); a navigation that never commits leaves
    // it as it was.
    connect(this, &QWebEnginePage::titleChanged, this, [this] { MarkCommitted(); });
}

bool BrowserPage::IsProgramPage(const QUrl& url)
{
    return url.isLocalFile() || url.scheme() == QLatin1String("data") || url.scheme() == QLatin1String("about");
}

bool BrowserPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    // A javascript: address runs in the page shown: never in the program's
    // own pages, whatever the setting is at that moment.
    if (url.scheme() == QLatin1String("javascript"))
        return !ShowsProgramPage() && QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    if (!isMainFrame)
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    const bool toProgramPage = IsProgramPage(url);
    if (!toProgramPage && m_committed == Kind::Program
        && (type == NavigationTypeLinkClicked || type == NavigationTypeOther)) {
        // The remote page is loaded beside this one, with its scripts on from
        // the start, while this page keeps its own setting untouched; it
        // takes this page's place once it has committed. It is asked for
        // without a referrer, which a local page does not send anyway, once
        // the engine is done with this request.
        BrowserPage* successor = StartSuccessor();
        QTimer::singleShot(0, successor, [successor, url] { successor->load(url); });
        return false;
    }
    // This page navigates itself: a page still waiting to replace it is
    // superseded.
    DropSuccessor();
    m_lastNavigation = type;
    m_pending = toProgramPage ? Kind::Program : Kind::Remote;
    m_pendingUrl = url;
    ApplyScriptSetting();
    return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}

void BrowserPage::OnUrlChanged(const QUrl& url)
{
    // The address shown changes when a navigation commits. Only the safe
    // conclusion is drawn here (a page given as text reports its base
    // address, which may look remote): one of the program's pages is shown.
    if (m_pending == Kind::Program || IsProgramPage(url)) {
        m_committed = Kind::Program;
        if (m_pending == Kind::Program)
            m_pending = Kind::None;
        ApplyScriptSetting();
    }
}

void BrowserPage::OnLoadingChanged(const QWebEngineLoadingInfo& info)
{
    const bool ownNavigation = m_pending != Kind::None && info.url() == m_pendingUrl;
    switch (info.status()) {
    case QWebEngineLoadingInfo::LoadStartedStatus:
        return;
    case QWebEngineLoadingInfo::LoadSucceededStatus:
        Commit(info.url(), ownNavigation);
        break;
    case QWebEngineLoadingInfo::LoadFailedStatus:
        if (info.isErrorPage()) {
            Commit(info.url(), ownNavigation);
            break;
        }
        [[fallthrough]];
    case QWebEngineLoadingInfo::LoadStoppedStatus:
        // Ended without committing: the page shown is still the one before.
        // Whatever the address reported (a redirect may have changed it),
        // nothing is on its way that scripts should wait for; should a newer
        // navigation still be on its way, it starts with the setting of the
        // page shown, which errs on the safe side.
        m_pending = Kind::None;
        break;
    }
    ApplyScriptSetting();
}

void BrowserPage::Commit(const QUrl& url, bool ownNavigation)
{
    MarkCommitted();
    if (ownNavigation) {
        m_committed = m_pending;
        m_pending = Kind::None;
        return;
    }
    // Another address than the one requested: a page given as text reports
    // its base address, and an earlier load may end just as a new one
    // starts. When in doubt the page shown is taken for one of the
    // program's own.
    if (IsProgramPage(url) || m_pending == Kind::Program)
        m_committed = Kind::Program;
    if (m_pending == Kind::Program)
        m_pending = Kind::None;
}

void BrowserPage::MarkCommitted()
{
    if (m_hasCommitted)
        return;
    m_hasCommitted = true;
    emit committed();
}

void BrowserPage::ApplyScriptSetting()
{
    // On while a remote page is on its way (its first scripts must find it
    // on) and while one is shown; off for the program's own pages.
    const Kind judged = m_pending != Kind::None ? m_pending : m_committed;
    settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, judged == Kind::Remote);
}

void BrowserPage::OnNewWindowRequested(QWebEngineNewWindowRequest& request)
{
    // Left unopened, the request is refused.
    if (!request.isUserInitiated())
        return;
    request.openIn(StartSuccessor());
}

BrowserPage* BrowserPage::StartSuccessor()
{
    DropSuccessor();
    auto* next = new BrowserPage(profile(), parent());
    m_successor = next;
    const auto takeOver = [this, next] {
        if (m_successor != next)
            return;
        m_successor = nullptr;
        emit replacedBy(next);
    };
    connect(next, &BrowserPage::committed, this, takeOver);
    connect(next, &QWebEnginePage::loadFinished, this, [this, next, takeOver](bool ok) {
        // Loaded, or ended without committing (204, a download, a failure
        // without an error page): this page stays as it was.
        if (ok || next->m_hasCommitted)
            takeOver();
        else if (m_successor == next)
            DropSuccessor();
    });
    emit successorStarted(next);
    return next;
}

void BrowserPage::DropSuccessor()
{
    if (!m_successor)
        return;
    m_successor->deleteLater();
    m_successor = nullptr;
}
