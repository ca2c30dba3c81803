#pragma once
// The browser control built on the web engine: a QWebEngineView whose page
// uses the program's one browser profile. Part of the web module; the rest of
// the program reaches it only through BrowserControl.

#include "render/BrowserControl.h"

class BrowserPage;
class QWebEngineView;

class WebEngineControl : public BrowserControl {
    Q_OBJECT
public:
    explicit WebEngineControl(QWidget* parent);
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
};
