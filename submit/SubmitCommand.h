#pragma once
// The submission controls of the main window: the Submit button and the two
// option buttons that choose between a new topic and a reply. Submit reads
// the site address, the kind of post, the topic number or the chosen forum,
// the title and the body, runs the checks of the submission page in their
// order (the first failure is a message box and nothing more), writes
// `submit.htm` and shows it in the browser window's submission mode.
//
// The page is shown as if it came from the forum's own `posting.php`, so its
// form is sent to the forum from the forum's own site and carries the
// forum's login cookie (browsers keep same-site-only cookies from a form a
// local file sends). A page too large for the browser to take as text is
// loaded from the file instead.

class frmPost;

namespace SubmitCommand {

// cmdPost_Click. False when a check refused the post or the page could not be
// written; the browser window was not opened then.
bool Submit(frmPost& window);

// OptNew_Click: the forum chooser usable, the topic-number field not (light grey).
void ChooseNewTopic(frmPost& window);
// optReply_Click: the topic-number field usable (white), the forum chooser not.
void ChooseReply(frmPost& window);

}  // namespace SubmitCommand
