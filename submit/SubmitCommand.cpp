#include "submit/SubmitCommand.h"

#include "app/Platform.h"
#include "app/SettingsStore.h"
#include "editor/PostDocument.h"
#include "editor/frmPost.h"
#include "render/BrowserPages.h"
#include "submit/SubmitPage.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <QUrl>

namespace SubmitCommand {

namespace {

void PaintTopicNumberField(QLineEdit* field, const QColor& background)
{
    QPalette palette = field->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, background);
    field->setPalette(palette);
}

SubmitPage::PostKind KindChosen(const frmPost& window)
{
    if (window.OptNew->isChecked())
        return SubmitPage::PostKind::NewTopic;
    if (window.optReply->isChecked())
        return SubmitPage::PostKind::Reply;
    return SubmitPage::PostKind::None;
}

// The base address the page is shown with: the posting address when it is a
// web address; otherwise none (the page is loaded from its file).
QUrl BaseAddress(const std::string& postingAddress)
{
    const QUrl address(QString::fromStdString(postingAddress));
    const QString scheme = address.scheme();
    const bool web = scheme.compare(QLatin1String("http"), Qt::CaseInsensitive) == 0
                     || scheme.compare(QLatin1String("https"), Qt::CaseInsensitive) == 0;
    if (!address.isValid() || address.host().isEmpty() || !web)
        return {};
    return address;
}

}  // namespace

bool Submit(frmPost& window)
{
    const AppContext& context = window.Context();
    const std::string site = context.settings->Get(SettingsStore::SiteAdressKey).toStdString();
    const std::string topicNumber = window.txtPostNo->text().toStdString();
    const std::string forumShown = window.cmbForum->currentText().toStdString();
    const std::string forumNumber = window.ForumNumber.toStdString();
    const std::string title = window.Post().Title();
    const std::string body = window.Post().Post();

    SubmitPage::Request request;
    request.siteAddress = site;
    request.kind = KindChosen(window);
    request.topicNumber = topicNumber;
    request.forumShown = forumShown;
    request.forumNumber = forumNumber;
    request.title = title;
    request.body = body;

    const std::string_view refusal = SubmitPage::Refusal(request);
    if (!refusal.empty()) {
        context.platform->MsgBox(&window, QString::fromUtf8(refusal.data(), static_cast<qsizetype>(refusal.size())),
                                 MsgButtons::OK, MsgIcon::Critical);
        return false;
    }
    const std::string page = SubmitPage::Build(request);
    QUrl base;
    if (SubmitPage::FitsAsText(page))
        base = BaseAddress(SubmitPage::PostingAddress(site));
    return BrowserPages::WriteAndShow(context, &window, BrowserMode::Submission, page, base);
}

void ChooseNewTopic(frmPost& window)
{
    window.txtPostNo->setEnabled(false);
    PaintTopicNumberField(window.txtPostNo, QColor(205, 205, 205));
    window.cmbForum->setEnabled(true);
}

void ChooseReply(frmPost& window)
{
    window.txtPostNo->setEnabled(true);
    PaintTopicNumberField(window.txtPostNo, Qt::white);
    window.cmbForum->setEnabled(false);
}

}  // namespace SubmitCommand
