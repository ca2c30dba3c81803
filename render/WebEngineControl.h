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
    QWebEngineView* m_view;
    BrowserPage* m_page;
};
