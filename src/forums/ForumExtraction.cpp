// SPDX-License-Identifier: MIT
#include "forums/ForumExtraction.h"

#include "base/Utf8.h"
#include "browser/BrowserWindow.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <optional>

ForumExtraction::ForumExtraction(QWidget* owner, Timing timing) : QObject(owner), m_owner(owner), m_timing(timing) {}

ForumExtraction::~ForumExtraction() { Abandon(); }

void ForumExtraction::Abandon() { delete m_browser.data(); }

ForumExtraction::Outcome ForumExtraction::Read(const QString& address, std::string* pageText, const QString& siteId)
{
    Abandon();
    const QUrl url(address);
    // An address that names no scheme or site is one the browser cannot open.
    if (!url.isValid() || url.isRelative())
        return Outcome::Failed;

    const QDeadlineTimer pauseEnd(m_timing.pause);
    const QDeadlineTimer limit(m_timing.limit);
    auto* browser = new BrowserWindow(m_owner, siteId);
    m_browser = browser;
    // From here on `this` may be destroyed by the event loop: only locals
    // are used until `mine` says the browser, and so this object, lives.
    const QPointer<BrowserWindow> mine(browser);
    bool loaded = false;

    QEventLoop loop;
    QTimer wake;
    wake.setSingleShot(true);
    // Set by every reason of ours to stop waiting; a loop that returns
    // without one was ended by the program's end, which ends every loop
    // and keeps new ones from running.
    bool woken = false;
    const auto wakeUp = [&loop, &woken] {
        woken = true;
        loop.quit();
    };
    connect(&wake, &QTimer::timeout, &loop, wakeUp);
    connect(browser, &QObject::destroyed, &loop, wakeUp);
    connect(browser, &BrowserWindow::navigationCompleted, &loop, [&wakeUp, &loaded](bool ok) {
        loaded = ok;
        wakeUp();
    });
    // Runs the event loop until `done` holds, `deadline` passes or the
    // browser window is gone; false when the program is ending.
    const auto waitUntil = [&](const QDeadlineTimer& deadline, const auto& done) {
        while (mine && !done() && !deadline.hasExpired()) {
            woken = false;
            wake.start(std::chrono::milliseconds(deadline.remainingTime()));
            loop.exec();
            if (!woken && mine && !done())
                return false;
        }
        return true;
    };
    // The program is ending: the read stops here, its window with it.
    const auto end = [&] {
        delete mine.data();
        return Outcome::Abandoned;
    };

    browser->Open(BrowserMode::HiddenReader, url);
    if (!waitUntil(pauseEnd, [] { return false; }) || !waitUntil(limit, [&] { return !mine->Busy(); }))
        return end();
    if (!mine)
        return Outcome::Abandoned;
    if (mine->Busy() || !loaded) {
        delete browser;
        return Outcome::Failed;
    }

    // The answer is kept apart from this frame: a late one, after the window
    // went, has somewhere to go.
    struct Answer {
        bool arrived = false;
        std::optional<QString> html;
    };
    const auto answer = std::make_shared<Answer>();
    browser->BodyHtml([answer, waiting = QPointer<QEventLoop>(&loop)](std::optional<QString> html) {
        answer->arrived = true;
        answer->html = std::move(html);
        if (waiting)
            waiting->quit();
    });
    if (!waitUntil(limit, [&] { return answer->arrived; }))
        return end();
    if (!mine)
        return Outcome::Abandoned;
    delete browser;
    if (!answer->html)
        return Outcome::Failed;
    *pageText = ToUtf8(*answer->html);
    return Outcome::Read;
}
