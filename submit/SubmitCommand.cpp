#include "submit/SubmitCommand.h"

#include "base/Platform.h"
#include "base/SettingsStore.h"
#include "post/PostDocument.h"
#include "editor/frmPost.h"
#include "submit/PostingSession.h"
#include "submit/SubmitChecks.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>

namespace SubmitCommand {

namespace {

void PaintTopicNumberField(QLineEdit* field, const QColor& background)
{
    QPalette palette = field->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, background);
    field->setPalette(palette);
}

SubmitChecks::PostKind KindChosen(const frmPost& window)
{
    if (window.OptNew->isChecked())
        return SubmitChecks::PostKind::NewTopic;
    if (window.optReply->isChecked())
        return SubmitChecks::PostKind::Reply;
    return SubmitChecks::PostKind::None;
}

}  // namespace

bool Submit(frmPost& window)
{
    const AppContext& context = window.Context();
    const std::string site = context.settings->Get(SettingsStore::SiteAdressKey).toStdString();
    const std::string topicNumber = window.txtPostNo->text().toStdString();
    const std::string forumShown = window.cmbForum->currentText().toStdString();
    const std::string forumNumber = window.ForumNumber.toStdString();

    SubmitChecks::Request request;
    request.siteAddress = site;
    request.kind = KindChosen(window);
    request.topicNumber = topicNumber;
    request.forumShown = forumShown;
    request.forumNumber = forumNumber;

    const std::string_view refusal = SubmitChecks::Refusal(request);
    if (!refusal.empty()) {
        context.platform->MsgBox(&window, QString::fromUtf8(refusal.data(), static_cast<qsizetype>(refusal.size())),
                                 MsgButtons::OK, MsgIcon::Critical);
        return false;
    }
    const bool reply = request.kind == SubmitChecks::PostKind::Reply;
    PostingSession session(context, {site, reply, reply ? topicNumber : forumNumber, window.Post().Title(),
                                     window.Post().Post()});
    session.Run(&window);
    return true;
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
