#include "render/WebEngineControl.h"

#include "render/BrowserPage.h"
#include "render/BrowserProfile.h"
#include "render/PostingFormFiller.h"

#include <QPointer>

#include <QWebEngineScript>
#include <QWebEngineView>

WebEngineControl::WebEngineControl(QWidget* parent) : BrowserControl(parent), m_view(new QWebEngineView(parent))
{
    m_page = new BrowserPage(BrowserProfile::Shared(), m_view);
    m_view->setPage(m_page);
    connect(m_page, &QWebEnginePage::loadStarted, this, &BrowserControl::loadStarted);
    connect(m_page, &QWebEnginePage::loadFinished, this, &BrowserControl::loadFinished);
}

WebEngineControl::~WebEngineControl()
{
    // The page goes before the profile it uses, which lives to the end of the run.
    delete m_view;
}

QWidget* WebEngineControl::View() const { return m_view; }

void WebEngineControl::Load(const QUrl& address) { m_view->load(address); }

void WebEngineControl::SetHtml(const QString& html, const QUrl& baseUrl) { m_view->setHtml(html, baseUrl); }

void WebEngineControl::BodyHtml(std::function<void(std::optional<QString>)> done)
{
    // The application's own script world runs even where the page's scripts
    // are off.
    m_view->page()->runJavaScript(
        QStringLiteral("document.body ? document.body.innerHTML : null"), QWebEngineScript::ApplicationWorld,
        [done = std::move(done)](const QVariant& result) {
            if (result.typeId() == QMetaType::QString)
                done(result.toString());
            else
                done(std::nullopt);
        });
}

bool WebEngineControl::ReachedBySendingForm() const { return m_page->LastNavigationWasFormSubmission(); }

void WebEngineControl::FillPostingForm(const PostingFill& fill, std::function<void(PostingPageKind)> done)
{
    PostingFormFiller::Run(m_page, fill, [view = QPointer<QWebEngineView>(m_view), done = std::move(done)](
                                             PostingPageKind kind) {
        if (kind == PostingPageKind::Filled && view)
            view->setFocus(Qt::OtherFocusReason);
        done(kind);
    });
}

extern "C" Q_DECL_EXPORT BrowserControl* QuillforgeCreateBrowserControl(QWidget* parent)
{
    return new WebEngineControl(parent);
}
