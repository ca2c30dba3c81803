// SPDX-License-Identifier: MIT
#include "submit/SubmitCommand.h"

#include "base/Platform.h"
#include "base/Settings.h"
#include "base/Utf8.h"
#include "board/BoardDialect.h"
#include "board/BoardProfiles.h"
#include "board/SizeScale.h"
#include "submit/BoardWarnings.h"
#include "post/PostDocument.h"
#include "submit/PostingSession.h"

namespace SubmitCommand {

bool Submit(const AppContext& context, const Choice& choice, PostDocument& post, QWidget* owner)
{
    const std::string site = ToUtf8(context.settings->chosenSiteAddress());

    SubmitChecks::Request request;
    request.siteAddress = site;
    request.kind = choice.kind;
    request.topicNumber = choice.topicNumber;
    request.forumShown = choice.forumShown;
    request.forumNumber = choice.forumNumber;

    const std::string_view refusal = SubmitChecks::Refusal(request);
    if (!refusal.empty()) {
        context.platform->MsgBox(owner, QCoreApplication::translate("SubmitChecks", std::string(refusal).c_str()),
                                 MsgButtons::OK, MsgIcon::Critical);
        return false;
    }
    // A post written for the other scale of font sizes: convert, send as
    // it is, or go back.
    const BoardProfile board = BoardProfiles::Load(*context.settings, ToQString(site));
    if (const auto conversion = SizeScale::ToScaleOf(post.Post(), board.Kind())) {
        const MsgAnswer answer = context.platform->MsgBox(
            owner, ToQString(BoardWarnings::SizeQuestion(board.Kind(), conversion->sizes, TranslatedUtf8)),
            MsgButtons::YesNoCancel, MsgIcon::Question);
        if (answer == MsgAnswer::Cancel)
            return false;
        if (answer == MsgAnswer::Yes)
            post.ReplaceBody(conversion->post);
    }
    // What the board would refuse or drop, in its own words.
    if (board.Kind() == BoardKind::Phpbb3) {
        const BoardDialect dialect(board, context.pictureFolder, ToQString(site));
        const Phpbb3::Result rendered = Phpbb3::Render(post.Post(), dialect.Options());
        const std::string warning = BoardWarnings::Warning(rendered.errors, rendered.quotesRemoved,
                                                           dialect.Options().limits.maxQuoteDepth, TranslatedUtf8);
        if (!warning.empty()
            && context.platform->MsgBox(owner, ToQString(warning), MsgButtons::YesNo, MsgIcon::Exclamation)
                != MsgAnswer::Yes)
            return false;
    }
    const bool reply = request.kind == SubmitChecks::PostKind::Reply;
    const std::vector<std::string> refusals =
        BoardWarnings::LimitErrors(board.Kind(), reply, post.Title(), post.Post());
    if (!refusals.empty()
        && context.platform->MsgBox(owner, ToQString(BoardWarnings::Warning(refusals, false, 0)), MsgButtons::YesNo,
                                    MsgIcon::Exclamation)
            != MsgAnswer::Yes)
        return false;
    PostingSession session(context,
                           {site, reply, reply ? choice.topicNumber : choice.forumNumber, post.Title(), post.Post()});
    session.Run(owner);
    return true;
}

}  // namespace SubmitCommand
