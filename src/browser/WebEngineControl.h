// SPDX-License-Identifier: MIT
#pragma once
// The browser control built on the web engine: a QWebEngineView whose page
// uses the program's one browser profile. Part of the web module; the rest of
// the program reaches it only through BrowserControl.

#include "browser/BrowserControl.h"

class BrowserPage;
class QWebEnginePage;
class QWebEngineView;

class WebEngineControl : public BrowserControl {
    Q_OBJECT
public:
    // How a forum's posting form is filled in a page: looks for the form in
    // `page` and, when `fill.fill` holds, fills it; `done` receives what the
    // page held, later (submit/PostingFormFiller).
    using FormFiller = void (*)(QWebEnginePage* page, const PostingFill& fill,
                                std::function<void(PostingPageKind)> done);

    // A control whose FillPostingForm fills the page shown with `fillForm`,
    // on the browser profile of the site `siteId` (the chosen one when empty).
    WebEngineControl(QWidget* parent, const QString& siteId, FormFiller fillForm);
    ~WebEngineControl() override;

    QWidget* View() const override;
    void Load(const QUrl& address) override;
    void SetHtml(const QString& html, const QUrl& baseUrl) override;
    void BodyHtml(std::function<void(std::optional<QString>)> done) override;
    bool ReachedBySendingForm() const override;
    void FillPostingForm(const PostingFill& fill, std::function<void(PostingPageKind)> done) override;

private:
    // The page shown reports its loading, and hands over to the page that
    // replaces it (a link of one of the program's pages, a new window).
    void Attach(BrowserPage* page);
    void ReportLoading(BrowserPage* page);
    void Replace(BrowserPage* successor);
    // The page shown now: a page that took over the window replaces the first.
    BrowserPage* Page() const;

    QWebEngineView* m_view;
    FormFiller m_fillForm;
};
