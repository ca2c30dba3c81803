<?php
// A thread: where the redirect page after a post leads.
require __DIR__ . '/board.php';
$state = load_state(initial_state());
$session = mybb_session($state);
$tid = (int)($_GET['tid'] ?? 0);
$thread = $state['topics'][(string)$tid] ?? null;
save_state($state);
if (!$thread) {
    error_page($session, 'The specified thread does not exist.');
    exit;
}
mybb_page($session, $thread['subject'], '<div class="navigation"><span class="active">' . h($thread['subject']) . '</span></div>'
    . '<a href="newreply.php?tid=' . $tid . '" class="button new_reply_button"><span>New Reply</span></a>');
