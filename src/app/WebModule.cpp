// SPDX-License-Identifier: MIT
// The web module's entry point, which the browser control looks up by name
// when it loads the module (browser/BrowserControl.h): a browser control on
// the web engine that fills forum posting forms with the posting form filler,
// the live preview pane's view, and the smiley picture fetcher.
// It lives above both of its parts, so neither the browser folder nor the
// submission folder includes the other's side of the module.

#include "browser/WebEngineControl.h"
#include "browser/SmileyFetcher.h"
#include "browser/WebLivePreviewView.h"
#include "submit/PostingFormFiller.h"

extern "C" Q_DECL_EXPORT BrowserControl* QuillforgeCreateBrowserControl(QWidget* parent, const QString& siteId)
{
    return new WebEngineControl(parent, siteId, &PostingFormFiller::Run);
}

extern "C" Q_DECL_EXPORT LivePreviewView* QuillforgeCreateLivePreviewView(QWidget* parent)
{
    return new WebLivePreviewView(parent);
}

extern "C" Q_DECL_EXPORT void QuillforgeFetchSmileys(const QStringList& addresses) { SmileyFetcher::Start(addresses); }
