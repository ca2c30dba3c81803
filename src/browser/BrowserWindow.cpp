// SPDX-License-Identifier: MIT
#include "browser/BrowserWindow.h"

#include "base/Look.h"
#include "base/PictureBox.h"
#include "base/Settings.h"
#include "browser/BrowserControl.h"
#include "browser/PreviewBackground.h"
#include "browser/PreviewLayout.h"
#include "base/Utf8.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QTimer>

#include <memory>

namespace {
// Where the settings keep the window's size and place.
const QString GeometryKey = QStringLiteral("BrowserWindow");
// The smallest the page becomes.
constexpr QSize PageMinimum(320, 200);
}  // namespace

BrowserWindow::BrowserWindow(QWidget* owner, const QString& siteId) : QDialog(owner)
{
    setObjectName(QStringLiteral("BrowserWindow"));
    // A frame with a title bar, a maximise and a close box, owned by its
    // caller, so it has no task-bar button of its own. It can be resized (the
    // page takes the room) and keeps its size and place between runs.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint
                   | Qt::WindowCloseButtonHint);
    CreateControls(siteId);
    LayOut();
    ShowLoadedState();
    resize(QSize(PreviewLayout::ClientWidth, PreviewLayout::ClientHeight).expandedTo(minimumSizeHint()));
    restoreGeometry(Settings().windowGeometry(GeometryKey));
    layout()->activate();
}

BrowserWindow::~BrowserWindow()
{
    // The control takes its view with it.
    delete m_control;
}

void BrowserWindow::CreateControls(const QString& siteId)
{
    background = new PreviewBackground(this);
    background->setObjectName(QStringLiteral("background"));

    QString error;
    m_control = BrowserControl::Create(this, siteId, &error);
    if (m_control) {
        pageView = m_control->View();
        connect(m_control, &BrowserControl::loadStarted, this, &BrowserWindow::PageLoadStarting);
        connect(m_control, &BrowserControl::loadFinished, this, &BrowserWindow::PageLoadFinished);
    } else {
        auto* message = new QLabel(tr("The browser component could not be loaded.\n%1").arg(error), this);
        message->setAlignment(Qt::AlignCenter);
        message->setWordWrap(true);
        pageView = message;
    }
    pageView->setObjectName(QStringLiteral("pageView"));
    pageView->setAccessibleName(tr("Page"));
    background->SetPage(pageView);

    const auto banner = [this](const char* name, const QString& words, const QRect& place) {
        auto* picture = new PictureBox(this);
        picture->setObjectName(QLatin1String(name));
        const QSize size = place.size().expandedTo(PreviewBackground::BannerSize(words));
        picture->setFixedSize(size);
        picture->setPixmap(PreviewBackground::BannerPicture(words, size));
        picture->setAccessibleName(words);
        // Shown or not, a banner keeps its room, so the page never moves.
        QSizePolicy policy = picture->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        picture->setSizePolicy(policy);
        return picture;
    };
    sendTopicBanner = banner("sendTopicBanner", tr("Send Topic"), PreviewLayout::SendTopicBanner);
    contactUsBanner = banner("contactUsBanner", tr("Contact us"), PreviewLayout::ContactUsBanner);

    closeHotSpot = new PictureBox(this);
    closeHotSpot->setObjectName(QStringLiteral("closeHotSpot"));
    closeHotSpot->SetHandCursor();
    closeHotSpot->setAccessibleName(tr("Close"));
    connect(closeHotSpot, &PictureBox::clicked, this, &BrowserWindow::close);
}

// The designed places at the first size: the banners over the header's
// words, the page below the header, Close centred in the bottom band. The
// page takes the room the window gains.
void BrowserWindow::LayOut()
{
    using namespace PreviewLayout;
    auto* banners = new QGridLayout;
    banners->setContentsMargins(SendTopicBanner.left() - Browser.left(), SendTopicBanner.top(), 0, 0);
    banners->addWidget(sendTopicBanner, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    banners->addWidget(contactUsBanner, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    banners->setColumnStretch(1, 1);

    pageView->setMinimumSize(PageMinimum);
    closeHotSpot->setFixedSize(CloseArea.size().expandedTo(PreviewBackground::CloseSize(tr("Close"))));
    auto* content = new QVBoxLayout;
    content->setSpacing(0);
    content->setContentsMargins(Browser.left(), 0, ClientWidth - Browser.right() - 1, 0);
    content->addLayout(banners);
    content->addSpacing(Browser.top() - ContactUsBanner.bottom() - 1);
    content->addWidget(pageView, 1);
    content->addSpacing(CloseArea.top() - Browser.bottom() - 1);
    content->addWidget(closeHotSpot, 0, Qt::AlignHCenter);
    content->addSpacing(ClientHeight - CloseArea.bottom() - 1);
    Look::OverBackground(this, background, content);
}

void BrowserWindow::hideEvent(QHideEvent* event)
{
    Settings().setWindowGeometry(GeometryKey, saveGeometry());
    QDialog::hideEvent(event);
}

void BrowserWindow::ShowLoadedState()
{
    setWindowTitle(tr("Preview post"));
    sendTopicBanner->hide();
    contactUsBanner->hide();
}

void BrowserWindow::Show(BrowserMode mode, const QUrl& address, QWidget* owner)
{
    const auto window = std::make_unique<BrowserWindow>(owner);
    window->Open(mode, address);
}

void BrowserWindow::ShowHtml(BrowserMode mode, const QString& html, const QUrl& baseUrl, QWidget* owner)
{
    const auto window = std::make_unique<BrowserWindow>(owner);
    window->OpenHtml(mode, html, baseUrl);
}

void BrowserWindow::ShowBanner(BrowserBanner banner)
{
    if (banner == BrowserBanner::SendTopic)
        sendTopicBanner->show();
    else if (banner == BrowserBanner::ContactUs)
        contactUsBanner->show();
}

void BrowserWindow::ApplyCaption(const BrowserModeRow& row)
{
    if (!row.caption.empty())
        setWindowTitle(QCoreApplication::translate("BrowserMode", std::string(row.caption).c_str()));
}

void BrowserWindow::Open(BrowserMode mode, const QUrl& address)
{
    m_mode = mode;
    const BrowserModeRow& row = RowOf(mode);
    ShowBanner(row.banner);
    ApplyCaption(row);
    Navigate(address);
    if (row.shown)
        exec();
}

void BrowserWindow::OpenHtml(BrowserMode mode, const QString& html, const QUrl& baseUrl)
{
    m_mode = mode;
    const BrowserModeRow& row = RowOf(mode);
    ShowBanner(row.banner);
    ApplyCaption(row);
    SetHtml(html, baseUrl);
    if (row.shown)
        exec();
}

namespace {

// A web address without a site ("HTTP://", the options dialog's default):
// the engine drops it without starting a navigation, so nothing would ever
// report it done.
bool LacksASite(const QUrl& address)
{
    static const QStringList webSchemes = {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("ftp"),
                                           QStringLiteral("ws"), QStringLiteral("wss")};
    if (!webSchemes.contains(address.scheme(), Qt::CaseInsensitive) || !address.host().isEmpty())
        return false;
    for (const QChar c : address.path())
        if (c != QLatin1Char('/'))
            return false;
    return true;
}

}  // namespace

void BrowserWindow::Navigate(const QUrl& address)
{
    PageLoadStarting();
    if (!m_control || LacksASite(address)) {
        QTimer::singleShot(0, this, [this] { PageLoadFinished(false); });
        return;
    }
    m_control->Load(address);
}

void BrowserWindow::SetHtml(const QString& html, const QUrl& baseUrl)
{
    PageLoadStarting();
    if (!m_control) {
        QTimer::singleShot(0, this, [this] { PageLoadFinished(false); });
        return;
    }
    m_control->SetHtml(html, baseUrl);
}

void BrowserWindow::keyPressEvent(QKeyEvent* event)
{
    // The page passes on the keys it does not use; Escape would reject the
    // dialog and drop what the user typed into the page's form.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && !RowOf(m_mode).escapeCloses) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void BrowserWindow::PageLoadStarting()
{
    setCursor(Qt::WaitCursor);
    if (m_busy)
        return;
    m_busy = true;
    emit navigationStarting();
}

void BrowserWindow::PageLoadFinished(bool ok)
{
    m_busy = false;
    setCursor(Qt::ArrowCursor);
    emit navigationCompleted(ok);
}

bool BrowserWindow::WaitWhileBusy()
{
    QPointer<BrowserWindow> self(this);
    if (!m_busy)
        return true;
    QEventLoop loop;
    connect(this, &BrowserWindow::navigationCompleted, &loop, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    // An event loop that cannot run (the program is ending) returns -1 at once.
    while (self && self->m_busy)
        if (loop.exec() == -1)
            return false;
    return !self.isNull();
}

void BrowserWindow::BodyHtml(std::function<void(std::optional<QString>)> done)
{
    if (m_control)
        m_control->BodyHtml(std::move(done));
    else
        QTimer::singleShot(0, this, [done = std::move(done)] { done(std::nullopt); });
}

std::optional<QString> BrowserWindow::WaitForBodyHtml()
{
    // The answer is kept apart from this function's frame: if the window is
    // discarded while waiting, a late answer has somewhere to go.
    struct Answer {
        bool arrived = false;
        std::optional<QString> html;
    };
    auto answer = std::make_shared<Answer>();
    QEventLoop loop;
    QPointer<QEventLoop> waiting(&loop);
    BodyHtml([answer, waiting](std::optional<QString> html) {
        answer->arrived = true;
        answer->html = std::move(html);
        if (waiting)
            waiting->quit();
    });
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    QPointer<BrowserWindow> self(this);
    while (!answer->arrived && self)
        if (loop.exec() == -1)
            break;
    return answer->html;
}

bool BrowserWindow::ReachedBySendingForm() const { return m_control && m_control->ReachedBySendingForm(); }

void BrowserWindow::FillPostingForm(const PostingFill& fill, std::function<void(PostingPageKind)> done)
{
    if (m_control)
        m_control->FillPostingForm(fill, std::move(done));
    else
        QTimer::singleShot(0, this, [done = std::move(done)] { done(PostingPageKind::Other); });
}
