// SPDX-License-Identifier: MIT
#include "browser/WebLivePreviewView.h"

#include "base/ScriptData.h"
#include "browser/BrowserProfile.h"

#include <QDesktopServices>
#include <QJsonArray>
#include <QMouseEvent>
#include <QPointer>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

// The program's script, defined once per page in the program's script
// world: `qfLive`, whose functions read and change the page's elements
// (the world shares them with the page, not its scripts).
//
// update() changes the container only where the new content differs. Given
// the stretch between two line anchors, it replaces what stands between
// them, parsed where it stands. Given the whole content, it parses it in an
// inert template (nothing loads, nothing runs) and keeps the children both
// share at the start and at the end, and a single changed child with the
// same element and attributes is changed the same way inside. Either way the
// page keeps its scroll position, its pictures and the layout of the rest.
const char* const Definition = R"js((function () {
  if (window.qfLive)
    return window.qfLive;
  const live = {lines: []};
  const box = () => document.getElementById('qf-live-post');
  const anchors = () => box().getElementsByTagName('qf-line');
  function sameShell(a, b) {
    if (a.nodeType !== 1 || b.nodeType !== 1 || a.tagName !== b.tagName
        || a.attributes.length !== b.attributes.length)
      return false;
    for (const at of a.attributes)
      if (b.getAttribute(at.name) !== at.value)
        return false;
    return true;
  }
  function patch(old, fresh) {
    const a = old.childNodes, b = fresh.childNodes;
    let start = 0;
    while (start < a.length && start < b.length && a[start].isEqualNode(b[start]))
      ++start;
    let endA = a.length, endB = b.length;
    while (endA > start && endB > start && a[endA - 1].isEqualNode(b[endB - 1])) {
      --endA;
      --endB;
    }
    if (endA - start === 1 && endB - start === 1 && sameShell(a[start], b[start]))
      return patch(a[start], b[start]);
    const after = endA < a.length ? a[endA] : null;
    for (let k = endA - 1; k >= start; --k)
      old.removeChild(a[k]);
    const moving = document.createDocumentFragment();
    for (let k = endB - start; k > 0; --k)
      moving.appendChild(b[start]);
    old.insertBefore(moving, after);
  }
  function indexOf(line) {
    let low = 0, high = live.lines.length;
    while (low < high) {
      const mid = (low + high) >> 1;
      if (live.lines[mid] <= line) low = mid + 1; else high = mid;
    }
    return low - 1;
  }
  function topOf(k) {
    if (k < 0)
      return 0;
    const list = anchors();
    return k < list.length ? list[k].getBoundingClientRect().top + window.scrollY : null;
  }
  live.show = function (line, top) {
    if (!box() || line < 0)
      return;
    const y = topOf(indexOf(line));
    if (y === null)
      return;
    const view = window.innerHeight;
    if (top)
      window.scrollTo(0, Math.max(0, y - 4));
    else if (y < window.scrollY || y > window.scrollY + view - 24)
      window.scrollTo(0, Math.max(0, y - view / 3));
  };
  function between(data) {
    const list = anchors();
    const a = data.before >= 0 ? list[data.before] : null;
    const b = data.after >= 0 ? list[data.after] : null;
    if ((data.before >= 0 && !a) || (data.after >= 0 && !b))
      return false;
    const parent = a ? a.parentNode : b ? b.parentNode : box();
    if ((b && b.parentNode !== parent) || (!a && parent !== box()) || (!b && parent !== box()))
      return false;
    const range = document.createRange();
    if (a) range.setStartAfter(a); else range.setStart(parent, 0);
    if (b) range.setEndBefore(b); else range.setEnd(parent, parent.childNodes.length);
    const fresh = range.createContextualFragment(data.html);
    range.deleteContents();
    range.insertNode(fresh);
    return true;
  }
  live.update = function (data) {
    const old = box();
    if (!old)
      return false;
    if (data.whole) {
      const fresh = document.createElement('template');
      fresh.innerHTML = data.html;
      patch(old, fresh.content);
    } else if (!between(data)) {
      return false;
    }
    live.lines = data.lines;
    live.show(data.line, data.top);
    return true;
  };
  live.lineAt = function (x, y) {
    const at = document.caretRangeFromPoint(x, y);
    if (!at || !box() || !box().contains(at.startContainer))
      return -1;
    const list = anchors();
    let low = 0, high = list.length;
    while (low < high) {
      const mid = (low + high) >> 1;
      if (at.comparePoint(list[mid], 0) <= 0) low = mid + 1; else high = mid;
    }
    return low > 0 && low - 1 < live.lines.length ? live.lines[low - 1] : 0;
  };
  window.qfLive = live;
  return live;
})())js";

// The pane's page: the program's page and nothing else.
class LivePreviewPage : public QWebEnginePage {
public:
    LivePreviewPage(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent)
    {
        settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
        settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
        settings()->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
        connect(this, &QWebEnginePage::newWindowRequested, this, [](QWebEngineNewWindowRequest& request) {
            // Never opened here (left unopened, the request is refused); a
            // link the user opens that way goes to the desktop's browser.
            if (request.isUserInitiated())
                OpenOnDesktop(request.requestedUrl());
        });
    }

    // The next main-frame navigation is the page given to Load.
    void ExpectPage() { m_expectingPage = true; }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override
    {
        if (type == NavigationTypeLinkClicked) {
            OpenOnDesktop(url);
            return false;
        }
        if (!isMainFrame)
            return url.scheme() != QLatin1String("javascript");
        const bool expected = m_expectingPage;
        m_expectingPage = false;
        return expected;
    }

private:
    static void OpenOnDesktop(const QUrl& url)
    {
        static const QStringList Schemes = {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("ftp"),
                                            QStringLiteral("mailto")};
        if (Schemes.contains(url.scheme()))
            QDesktopServices::openUrl(url);
    }

    bool m_expectingPage = false;
};

}  // namespace

WebLivePreviewView::WebLivePreviewView(QWidget* parent) : LivePreviewView(parent), m_view(new QWebEngineView(parent))
{
    m_view->setPage(new LivePreviewPage(BrowserProfile::Shared(), m_view));
    m_view->setAccessibleName(QStringLiteral("Live preview"));
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    connect(m_view, &QWebEngineView::loadFinished, this, [this](bool ok) {
        WatchClicks();
        emit loaded(ok);
    });
}

WebLivePreviewView::~WebLivePreviewView()
{
    // The page goes before the profile it uses, which lives to the end of the run.
    delete m_view;
}

QWidget* WebLivePreviewView::View() const { return m_view; }

void WebLivePreviewView::Load(const QString& page, const QUrl& baseUrl)
{
    static_cast<LivePreviewPage*>(m_view->page())->ExpectPage();
    m_view->setHtml(page, baseUrl);
}

void WebLivePreviewView::Update(const Change& change, int line, Follow follow)
{
    QJsonArray anchorLines;
    for (const uint32_t each : change.lines)
        anchorLines.append(qint64(each));
    const QJsonObject data{{QStringLiteral("html"), change.html},
                           {QStringLiteral("whole"), change.whole},
                           {QStringLiteral("before"), qint64(change.before)},
                           {QStringLiteral("after"), qint64(change.after)},
                           {QStringLiteral("lines"), anchorLines},
                           {QStringLiteral("line"), line},
                           {QStringLiteral("top"), follow == Follow::Top}};
    RunScript(ScriptData::Call(QLatin1String("qfLive.update"), data),
              [this](const QVariant& applied) { emit updated(applied.toBool()); });
}

void WebLivePreviewView::ShowLine(int line, Follow follow)
{
    const QJsonObject data{{QStringLiteral("line"), line}, {QStringLiteral("top"), follow == Follow::Top}};
    RunScript(ScriptData::Call(QLatin1String("(d => qfLive.show(d.line, d.top))"), data), {});
}

void WebLivePreviewView::RunScript(const QString& script, std::function<void(const QVariant&)> done)
{
    // The program's own world runs although the page's scripts are off.
    const QString source = QLatin1String(Definition) + QStringLiteral(";\n") + script;
    QPointer<WebLivePreviewView> self(this);
    m_view->page()->runJavaScript(source, QWebEngineScript::ApplicationWorld,
                                  [self, done = std::move(done)](const QVariant& value) {
                                      if (self && done)
                                          done(value);
                                  });
}

void WebLivePreviewView::WatchClicks()
{
    // The page's input goes to a child the engine creates with the page.
    if (QWidget* input = m_view->focusProxy()) {
        input->removeEventFilter(this);
        input->installEventFilter(this);
    }
}

bool WebLivePreviewView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        const QPointF at = static_cast<QMouseEvent*>(event)->position() / m_view->zoomFactor();
        const QJsonObject data{{QStringLiteral("x"), at.x()}, {QStringLiteral("y"), at.y()}};
        RunScript(ScriptData::Call(QLatin1String("(d => qfLive.lineAt(d.x, d.y))"), data),
                  [this](const QVariant& line) {
                      if (line.toInt() >= 0)
                          emit lineChosen(line.toInt());
                  });
    }
    return LivePreviewView::eventFilter(watched, event);
}
