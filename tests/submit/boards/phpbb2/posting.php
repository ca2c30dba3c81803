<?php
// The posting page: modes newtopic and reply; guests are sent to the login
// page; the form's hidden sid is checked against the session; a stored post
// gives a confirmation page.
require __DIR__ . '/board2.php';

$state = load_state();
$session = start_session($state, COOKIE);

$mode = $_POST['mode'] ?? $_GET['mode'] ?? '';
$f = (int)($_POST['f'] ?? $_GET['f'] ?? 0);
$t = (int)($_POST['t'] ?? $_GET['t'] ?? 0);

function finish($state) { save_state($state); exit; }
function message_page($text) {
    page('Information', '<table class="forumline"><tr><th>Information</th></tr><tr><td><span class="gen">'
        . h($text) . '</span></td></tr></table>');
}

if ($mode !== 'newtopic' && $mode !== 'reply') {
    message_page('No valid mode specified.');
    finish($state);
}
if ($mode === 'reply') {
    if (!isset($state['topics'][(string)$t])) {
        message_page('The topic or post you requested does not exist.');
        finish($state);
    }
    $f = $state['topics'][(string)$t]['forum'];
}
if (!isset($state['forums'][(string)$f])) {
    message_page('The forum you selected does not exist.');
    finish($state);
}
if ($session['user']['id'] == GUEST['id']) {
    $back = 'posting.php?mode=' . $mode . ($mode === 'reply' ? '&t=' . $t : '&f=' . $f);
    save_state($state);
    header('Location: login.php?redirect=' . urlencode($back), true, 302);
    exit;
}
if (!$state['forums'][(string)$f]['post']) {
    message_page('Sorry, but only Administrators can post topics in this forum.');
    finish($state);
}

function posting_form($session, $mode, $f, $t, $subject, $message, $error, $preview) {
    $body = '';
    if ($preview)
        $body .= '<table class="forumline" id="preview"><tr><th>Preview</th></tr><tr><td><span class="postbody">'
            . nl2br(h($message)) . '</span></td></tr></table>';
    $body .= '<form action="posting.php" method="post" name="post">';
    if ($error !== '')
        $body .= '<table><tr><td><span class="gen">' . h($error) . '</span></td></tr></table>';
    $body .= '<table class="forumline">'
        . '<tr><td class="row1"><span class="gen"><b>Subject</b></span></td><td class="row2"><input type="text" name="subject" size="45" maxlength="60" style="width:450px" tabindex="2" class="post" value="' . h($subject) . '"></td></tr>'
        . '<tr><td class="row1"><span class="gen"><b>Message body</b></span></td><td class="row2"><textarea name="message" rows="15" cols="35" wrap="virtual" style="width:450px" tabindex="3" class="post">' . h($message) . '</textarea></td></tr>'
        . '<tr><td class="row1"><span class="gen">Options</span></td><td class="row2"><input type="checkbox" name="attach_sig" checked="checked"> Attach signature'
        . ' <input type="checkbox" name="notify"> Notify me when a reply is posted</td></tr>'
        . '<tr><td class="catBottom" colspan="2" align="center">'
        . '<input type="hidden" name="sid" value="' . h($session['sid']) . '">'
        . '<input type="hidden" name="mode" value="' . h($mode) . '">'
        . ($mode === 'reply' ? '<input type="hidden" name="t" value="' . $t . '">' : '<input type="hidden" name="f" value="' . $f . '">')
        . '<input type="submit" tabindex="5" name="preview" class="mainoption" value="Preview">&nbsp;'
        . '<input type="submit" accesskey="s" tabindex="6" name="post" class="mainoption" value="Submit"></td></tr></table></form>';
    page('Post a new topic', $body);
}

if ($_SERVER['REQUEST_METHOD'] !== 'POST') {
    posting_form($session, $mode, $f, $t, '', '', '', false);
    finish($state);
}
$subject = (string)($_POST['subject'] ?? '');
$message = (string)($_POST['message'] ?? '');
$error = '';
if (($_POST['sid'] ?? '') !== $session['sid'])
    $error = 'Invalid Session. Please resubmit the form.';
elseif (isset($_POST['post']) && $mode === 'newtopic' && trim($subject) === '')
    $error = 'You must specify a subject when posting a new topic.';
elseif (isset($_POST['post']) && trim($message) === '')
    $error = 'You must enter a message when posting.';
if ($error !== '' || !isset($_POST['post'])) {
    posting_form($session, $mode, $f, $t, $subject, $message, $error, isset($_POST['preview']) && $error === '');
    finish($state);
}
$post = $state['next_post']++;
if ($mode === 'newtopic') {
    $topic = $state['next_topic']++;
    $state['topics'][(string)$topic] = ['forum' => $f, 'subject' => $subject];
} else {
    $topic = $t;
}
record_post($state, ['board' => 'phpbb2', 'mode' => $mode, 'f' => $f, 't' => $topic, 'p' => $post,
                     'user' => $session['user']['name']]);
save_state($state);
page('Information', '<meta http-equiv="refresh" content="3;url=viewtopic.php?p=' . $post . '#' . $post . '">'
    . '<table class="forumline"><tr><td><span class="gen">Your message has been entered successfully.<br><br>'
    . 'Click <a href="viewtopic.php?p=' . $post . '#' . $post . '">Here</a> to view your message</span></td></tr></table>');
