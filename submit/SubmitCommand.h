#pragma once
// The submission controls of the main window: the Submit button and the two
// option buttons that choose between a new topic and a reply. Submit reads
// the site address, the kind of post, the topic number or the chosen forum,
// the title and the body, runs the checks in their order (the first failure
// is a message box and nothing more), then shows the forum's own posting
// page in the browser window's submission mode, filled with the post
// (submit/PostingSession.h). The editor's fields are not touched.

class frmPost;

namespace SubmitCommand {

// cmdPost_Click. False when a check refused the post and the browser window
// was not opened; true once the window has been closed again.
bool Submit(frmPost& window);

// OptNew_Click: the forum chooser usable, the topic-number field not (light grey).
void ChooseNewTopic(frmPost& window);
// optReply_Click: the topic-number field usable (white), the forum chooser not.
void ChooseReply(frmPost& window);

}  // namespace SubmitCommand
