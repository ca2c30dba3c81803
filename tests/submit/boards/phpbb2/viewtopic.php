<?php
// The topic page: the stored posts of the topic or of the post asked for.
require __DIR__ . '/board2.php';

$state = load_state();
$session = start_session($state, COOKIE);
save_state($state);
$body = '<table class="forumline">';
foreach ($state['records'] as $record) {
    if ((isset($_GET['t']) && $record['t'] == $_GET['t']) || (isset($_GET['p']) && $record['p'] == $_GET['p']))
        $body .= '<tr><td><span class="postbody">' . nl2br(h(base64_decode($record['fields']['message'] ?? '')))
            . '</span></td></tr>';
}
page('View topic', $body . '</table>');
