#include "render/BrowserPage.h"

#include <QWebEngineSettings>

BrowserPage::BrowserPage(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent)
{
    // Nothing has been shown yet: no script runs until a remote page arrives.
    settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
}

bool BrowserPage::IsProgramPage(const QUrl& url)
{
    return url.isLocalFile() || url.scheme() == QLatin1String("data") || url.scheme() == QLatin1String("about");
}

bool BrowserPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    if (isMainFrame)
        m_lastNavigation = type;
    if (isMainFrame)
        settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, !IsProgramPage(url));
    return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}

QWebEnginePage* BrowserPage::createWindow(WebWindowType /*type*/) { return this; }
