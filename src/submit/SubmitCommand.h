// SPDX-License-Identifier: MIT
#pragma once
// The Submit command. It reads the site address, takes the kind of post, the
// topic number or the chosen forum, the title and the body, runs the checks
// in their order (the first failure is a message box and nothing more), then
// shows the forum's own posting page in the browser window's submission mode,
// filled with the post (submit/PostingSession.h). The post is not touched,
// unless the user has its font sizes converted to the site's scale.

#include "base/AppContext.h"
#include "board/Board.h"
#include "submit/SubmitChecks.h"

#include <string>

class PostDocument;
class QWidget;

namespace SubmitCommand {

// What the main window's submission controls say, in UTF-8.
struct Choice {
    SubmitChecks::PostKind kind = SubmitChecks::PostKind::None;
    std::string topicNumber;  // as typed
    std::string forumShown;   // the chooser's text
    std::string forumNumber;  // the number of the forum last chosen; empty when none
};

// False when a check refused the post, or the user went back, and the
// browser window was not opened; true once the window has been closed again.
// Before the window opens, a post holding font sizes of the other board
// generation's scale is offered to be converted (one undo step), and a post
// the site's board would refuse or change is shown with the board's reasons.
// `board` is the chosen site's board and `dialect` its dialect for the
// site, as the main window holds them. `owner` owns the message boxes and
// the browser window.
bool Submit(const AppContext& context, const Choice& choice, const Board& board, const BoardDialect& dialect,
            PostDocument& post, QWidget* owner);

}  // namespace SubmitCommand
