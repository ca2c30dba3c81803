// SPDX-License-Identifier: MIT
#include "submit/SubmitCommand.h"

#include "base/Platform.h"
#include "base/Settings.h"
#include "base/Utf8.h"
#include "board/SizeScale.h"
#include "submit/BoardWarnings.h"
#include "post/PostDocument.h"
#include "submit/PostingSession.h"

namespace SubmitCommand {

bool Submit(const AppContext& context, const Choice& choice, const Board& board, const BoardDialect& dialect,
            PostDocument& post, QWidget* owner)
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
    const std::optional<SizeScale::Unit> unit = board.ConvertsSizesTo();
    if (const auto conversion = unit ? SizeScale::ToScaleOf(post.Post(), *unit) : std::nullopt) {
        const MsgAnswer answer = context.platform->MsgBox(
            owner, ToQString(BoardWarnings::SizeQuestion(board, conversion->sizes, TranslatedUtf8)),
            MsgButtons::YesNoCancel, MsgIcon::Question);
        if (answer == MsgAnswer::Cancel)
            return false;
        if (answer == MsgAnswer::Yes)
            post.ReplaceBody(conversion->post);
    }
    // What the board would refuse or drop, in its own words.
    const bool reply = request.kind == SubmitChecks::PostKind::Reply;
    const BoardVerdict verdict = dialect.Check(reply, post.Title(), post.Post());
    const std::string warning =
        BoardWarnings::Warning(verdict.errors, verdict.quotesRemoved, verdict.maxQuoteDepth, TranslatedUtf8);
    if (!warning.empty()
        && context.platform->MsgBox(owner, ToQString(warning), MsgButtons::YesNo, MsgIcon::Exclamation)
            != MsgAnswer::Yes)
        return false;
    PostingSession session(
        context, {site, reply, reply ? choice.topicNumber : choice.forumNumber, post.Title(), post.Post()}, board);
    session.Run(owner);
    return true;
}

}  // namespace SubmitCommand
