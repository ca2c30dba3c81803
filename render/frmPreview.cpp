#include "render/frmPreview.h"

#include "app/PictureBox.h"
#include "render/BrowserPage.h"
#include "render/BrowserProfile.h"
#include "render/PreviewBackground.h"
#include "render/PreviewLayout.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <memory>

frmPreview::frmPreview(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmPreview"));
    // A fixed frame with a title bar and a close box, owned by its caller, so
    // it has no task-bar button of its own.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(PreviewLayout::ClientWidth, PreviewLayout::ClientHeight);
    CreateControls();
    Form_Load();
}

frmPreview::~frmPreview()
{
    // The page goes before the view, while the profile it uses still exists.
    delete WebBrowser1;
}

void frmPreview::CreateControls()
{
    Background = new PreviewBackground(this);
    Background->setObjectName(QStringLiteral("Background"));
    Background->setGeometry(PreviewLayout::Picture);

    WebBrowser1 = new QWebEngineView(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setGeometry(PreviewLayout::Browser);
    WebBrowser1->setAccessibleName(QStringLiteral("Page"));
    auto* page = new BrowserPage(BrowserProfile::Shared(), WebBrowser1);
    WebBrowser1->setPage(page);
    connect(page, &QWebEnginePage::loadStarted, this, &frmPreview::WebBrowser1_BeforeNavigate);
    connect(page, &QWebEnginePage::loadFinished, this, &frmPreview::WebBrowser1_NavigateComplete);

    const auto banner = [this](const char* name, const QString& words, const QRect& place) {
        auto* picture = new PictureBox(this);
        picture->setObjectName(QLatin1String(name));
        picture->setGeometry(place);
        picture->setPixmap(PreviewBackground::BannerPicture(words, place.size()));
        picture->setAccessibleName(words);
        return picture;
    };
    imgSend = banner("imgSend", QStringLiteral("Send Topic"), PreviewLayout::SendTopicBanner);
    Image2 = banner("Image2", QStringLiteral("Contact us"), PreviewLayout::ContactUsBanner);

    Image1 = new PictureBox(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(PreviewLayout::CloseArea);
    Image1->SetHandCursor();
    Image1->setAccessibleName(QStringLiteral("Close"));
    connect(Image1, &PictureBox::clicked, this, &frmPreview::Image1_Click);
}

void frmPreview::Form_Load()
{
    setWindowTitle(LoadedCaption);
    imgSend->hide();
    Image2->hide();
}

void frmPreview::Show(BrowserMode mode, const QUrl& address, QWidget* owner)
{
    const auto window = std::make_unique<frmPreview>(owner);
    window->Open(mode, address);
}

void frmPreview::ShowHtml(BrowserMode mode, const QString& html, const QUrl& baseUrl, QWidget* owner)
{
    const auto window = std::make_unique<frmPreview>(owner);
    window->OpenHtml(mode, html, baseUrl);
}

void frmPreview::ShowBanner(BrowserBanner banner)
{
    if (banner == BrowserBanner::SendTopic)
        imgSend->show();
    else if (banner == BrowserBanner::ContactUs)
        Image2->show();
}

void frmPreview::ApplyCaption(const BrowserModeRow& row)
{
    if (!row.caption.empty())
        setWindowTitle(QString::fromUtf8(row.caption.data(), static_cast<qsizetype>(row.caption.size())));
}

void frmPreview::Open(BrowserMode mode, const QUrl& address)
{
    const BrowserModeRow& row = RowOf(mode);
    ShowBanner(row.banner);
    ApplyCaption(row);
    Navigate(address);
    if (row.shown)
        exec();
}

void frmPreview::OpenHtml(BrowserMode mode, const QString& html, const QUrl& baseUrl)
{
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

void frmPreview::Navigate(const QUrl& address)
{
    WebBrowser1_BeforeNavigate();
    if (LacksASite(address)) {
        QTimer::singleShot(0, this, [this] { WebBrowser1_NavigateComplete(false); });
        return;
    }
    WebBrowser1->load(address);
}

void frmPreview::SetHtml(const QString& html, const QUrl& baseUrl)
{
    WebBrowser1_BeforeNavigate();
    WebBrowser1->setHtml(html, baseUrl);
}

void frmPreview::Image1_Click() { close(); }

void frmPreview::WebBrowser1_BeforeNavigate()
{
    setCursor(Qt::WaitCursor);
    if (m_busy)
        return;
    m_busy = true;
    emit navigationStarting();
}

void frmPreview::WebBrowser1_NavigateComplete(bool ok)
{
    m_busy = false;
    setCursor(Qt::ArrowCursor);
    emit navigationCompleted(ok);
}

bool frmPreview::WaitWhileBusy()
{
    QPointer<frmPreview> self(this);
    if (!m_busy)
        return true;
    QEventLoop loop;
    connect(this, &frmPreview::navigationCompleted, &loop, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    while (self && self->m_busy)
        loop.exec();
    return !self.isNull();
}

void frmPreview::BodyHtml(std::function<void(std::optional<QString>)> done)
{
    // The application's own script world runs even where the page's scripts
    // are off.
    WebBrowser1->page()->runJavaScript(
        QStringLiteral("document.body ? document.body.innerHTML : null"), QWebEngineScript::ApplicationWorld,
        [done = std::move(done)](const QVariant& result) {
            if (result.typeId() == QMetaType::QString)
                done(result.toString());
            else
                done(std::nullopt);
        });
}

std::optional<QString> frmPreview::WaitForBodyHtml()
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
    QPointer<frmPreview> self(this);
    while (!answer->arrived && self)
        loop.exec();
    return answer->html;
}
