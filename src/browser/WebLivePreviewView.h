// SPDX-License-Identifier: MIT
#pragma once
// The live preview's view on the web engine (part of the web module; the
// rest of the program reaches it through LivePreviewView).
//
// Its page shows only the page the program gives it: the page's scripts are
// off and its policy forbids them, every navigation after that page is
// refused, and a link the user follows (clicked, or opened in a new window)
// goes to the desktop's web browser. The program's own script, in its own
// script world, gets the rendered post as data and puts it into the page.

#include "browser/LivePreviewView.h"

class QWebEngineView;

class WebLivePreviewView : public LivePreviewView {
    Q_OBJECT
public:
    explicit WebLivePreviewView(QWidget* parent);
    ~WebLivePreviewView() override;

    QWidget* View() const override;
    void Load(const QString& page, const QUrl& baseUrl) override;
    void Update(const Change& change, int line, Follow follow) override;
    void ShowLine(int line, Follow follow) override;
    void RunScript(const QString& script, std::function<void(const QVariant&)> done) override;

protected:
    // A double click in the page asks it which line it shows there.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WatchClicks();

    QWebEngineView* m_view;
};
