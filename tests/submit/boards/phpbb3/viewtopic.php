<?php
// The topic page a stored post leads to: the stored posts of the topic.
require __DIR__ . '/board3.php';

$state = load_state();
$session = start_session($state, COOKIE);
save_state($state);
$body = '<h2>Topic</h2>';
foreach ($state['records'] as $record) {
    if ((isset($_GET['t']) && $record['t'] == $_GET['t']) || (isset($_GET['p']) && $record['p'] == $_GET['p']))
        $body .= '<div class="post" id="p' . $record['p'] . '"><h3>' . h(base64_decode($record['fields']['subject'] ?? ''))
            . '</h3><div class="content">' . nl2br(h(base64_decode($record['fields']['message'] ?? ''))) . '</div></div>';
}
page('View topic', $body);
