// SPDX-License-Identifier: MIT
#include "browser/WebEngineControl.h"

#include "browser/BrowserPage.h"
#include "browser/BrowserProfile.h"

#include <QPointer>

#include <QWebEngineScript>
#include <QWebEngineView>

WebEngineControl::WebEngineControl(QWidget* parent, const QString& siteId, FormFiller fillForm)
    : BrowserControl(parent), m_view(new QWebEngineView(parent)), m_fillForm(fillForm)
{
    QWebEngineProfile* profile = siteId.isEmpty() ? BrowserProfile::Shared() : BrowserProfile::ForSite(siteId);
    auto* page = new BrowserPage(profile, m_view);
    m_view->setPage(page);
    Attach(page);
}

void WebEngineControl::Attach(BrowserPage* page)
{
    ReportLoading(page);
    connect(page, &BrowserPage::successorStarted, this, [this](BrowserPage* successor) {
        // A page without a view may report its start only after its request
        // has gone out; the window shows the hourglass from the click on.
        ReportLoading(successor);
        emit loadStarted();
    });
    connect(page, &BrowserPage::replacedBy, this, &WebEngineControl::Replace);
}

void WebEngineControl::ReportLoading(BrowserPage* page)
{
    // A page waiting to replace the one shown reports its loading already,
    // so the window shows the hourglass while it is on its way.
    connect(page, &QWebEnginePage::loadStarted, this, &BrowserControl::loadStarted, Qt::UniqueConnection);
    connect(page, &QWebEnginePage::loadFinished, this, &BrowserControl::loadFinished, Qt::UniqueConnection);
}

void WebEngineControl::Replace(BrowserPage* successor)
{
    QWebEnginePage* shown = m_view->page();
    if (shown != successor) {
        disconnect(shown, nullptr, this, nullptr);
        // The view would delete a page of its own at once, and this one may
        // be the page whose signal brought us here: it goes later, and at
        // the latest with the control, still before the profile.
        shown->setParent(this);
        shown->deleteLater();
    }
    m_view->setPage(successor);
    Attach(successor);
}

WebEngineControl::~WebEngineControl()
{
    // The pages go before the profile they use, which lives to the end of
    // the run.
    delete m_view;
}

QWidget* WebEngineControl::View() const { return m_view; }

void WebEngineControl::Load(const QUrl& address) { m_view->load(address); }

void WebEngineControl::SetHtml(const QString& html, const QUrl& baseUrl) { m_view->setHtml(html, baseUrl); }

void WebEngineControl::BodyHtml(std::function<void(std::optional<QString>)> done)
{
    // The application's own script world runs even where the page's scripts
    // are off.
    m_view->page()->runJavaScript(QStringLiteral("document.body ? document.body.innerHTML : null"),
                                  QWebEngineScript::ApplicationWorld, [done = std::move(done)](const QVariant& result) {
                                      if (result.typeId() == QMetaType::QString)
                                          done(result.toString());
                                      else
                                          done(std::nullopt);
                                  });
}

bool WebEngineControl::ReachedBySendingForm() const { return Page()->LastNavigationWasFormSubmission(); }

BrowserPage* WebEngineControl::Page() const { return static_cast<BrowserPage*>(m_view->page()); }

void WebEngineControl::FillPostingForm(const PostingFill& fill, std::function<void(PostingPageKind)> done)
{
    m_fillForm(Page(), fill, [view = QPointer<QWebEngineView>(m_view), done = std::move(done)](PostingPageKind kind) {
        if (kind == PostingPageKind::Filled && view)
            view->setFocus(Qt::OtherFocusReason);
        done(kind);
    });
}
