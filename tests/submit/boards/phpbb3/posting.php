<?php
// The posting page: modes post and reply; the login box for guests; the
// posting form with its form key, checked on every send; Preview refills
// the form; a stored post redirects to its topic.
require __DIR__ . '/board3.php';

$state = load_state();
$session = start_session($state, COOKIE);
check_referer($state, $session, COOKIE);

// Posted fields win over the query.
$mode = $_POST['mode'] ?? $_GET['mode'] ?? '';
$f = (int)($_POST['f'] ?? $_GET['f'] ?? 0);
$t = (int)($_POST['t'] ?? $_GET['t'] ?? 0);

function finish($state) { save_state($state); exit; }

if ($mode !== 'post' && $mode !== 'reply') {
    page('Information', '<div class="panel"><h2>Information</h2><p>No post mode specified.</p></div>');
    finish($state);
}
if ($mode === 'reply') {
    if (!isset($state['topics'][(string)$t])) {
        page('Information', '<p>The requested topic does not exist.</p>');
        finish($state);
    }
    $f = $state['topics'][(string)$t]['forum'];
}
if (!isset($state['forums'][(string)$f])) {
    page('Information', '<p>The forum you selected does not exist.</p>');
    finish($state);
}
$action = $mode === 'post' ? "./posting.php?mode=post&f=$f" : "./posting.php?mode=reply&t=$t";
if ($session['user']['id'] == GUEST['id']) {
    // The redirect comes from the query only.
    $redirect = $mode === 'post' ? './posting.php?mode=post&f=' . (int)($_GET['f'] ?? 0)
                                 : './posting.php?mode=reply&t=' . (int)($_GET['t'] ?? 0);
    login_box($session, $redirect, $mode === 'post' ? 'You need to login in order to post within this forum.'
                                                    : 'You need to login in order to reply to topics within this forum.');
    finish($state);
}
if (!$state['forums'][(string)$f]['post']) {
    page('Information', '<div class="panel"><h2>Information</h2><p>You are not authorised to post in this forum.</p></div>');
    finish($state);
}

// The tag buttons with the size list (the board allows sizes up to 200)
// and one tag of the board's own, as phpBB 3.3 writes them.
function format_buttons() {
    return '<div id="format-buttons" class="format-buttons">'
        . '<button type="button" class="button button-icon-only bbcode-b" accesskey="b" name="addbbcode0" value=" B " onclick="bbstyle(0)" title="Bold text: [b]text[/b]">B</button>'
        . '<select name="addbbcode20" class="bbcode-size" title="Font size: [size=85]small text[/size]">'
        . '<option value="50">Tiny</option><option value="85">Small</option><option value="100" selected="selected">Normal</option>'
        . '<option value="150">Large</option><option value="200">Huge</option></select>'
        . '<button type="button" class="button button-secondary bbcode-spoiler" name="addbbcode22" value="spoiler" onclick="bbstyle(22)" title="Spoiler: [spoiler]hidden text[/spoiler]">spoiler</button>'
        . '</div><p>Enter your message here, it may contain no more than <strong>5000</strong> characters.</p>';
}

// The smiley box: two pictures and one address that gives no picture.
function smiley_box() {
    $smilies = [[':D', 'Very Happy', 'icon_e_biggrin.gif', 15, 17], [':geek:', 'Geek', 'icon_e_geek.gif', 17, 17],
                [':fake:', 'Not a picture', 'not-a-picture.gif', 15, 17]];
    $box = '<div id="smiley-box" class="smiley-box"><strong>Smilies</strong><br>';
    foreach ($smilies as [$code, $title, $file, $width, $height])
        $box .= '<a href="#" onclick="insert_text(\'' . h($code) . '\', true); return false;">'
            . '<img src="./images/smilies/' . $file . '" width="' . $width . '" height="' . $height
            . '" alt="' . h($code) . '" title="' . h($title) . '"></a> ';
    return $box . '</div>';
}

function posting_form($session, $action, $mode, $t, $subject, $message, $errors, $preview) {
    $body = '';
    if ($preview)
        $body .= '<div class="post bg2" id="preview"><h3>Preview: ' . h($subject) . '</h3><div class="content">'
            . nl2br(h($message)) . '</div></div>';
    $body .= '<form id="postform" method="post" action="' . h($action) . '" enctype="multipart/form-data">';
    if ($errors)
        $body .= '<p class="error">' . implode('<br>', array_map('h', $errors)) . '</p>';
    $body .= '<dl><dt><label for="subject">Subject:</label></dt><dd><input type="text" name="subject" id="subject" size="45" maxlength="120" tabindex="2" value="' . h($subject) . '" class="inputbox autowidth"></dd></dl>'
        . format_buttons()
        . '<div id="message-box"><textarea name="message" id="message" rows="15" cols="76" tabindex="4" class="inputbox">' . h($message) . '</textarea></div>'
        . smiley_box()
        . '<label for="attach_sig"><input type="checkbox" name="attach_sig" id="attach_sig" checked="checked"> Attach a signature</label>'
        . '<label for="notify"><input type="checkbox" name="notify" id="notify"> Notify me when a reply is posted</label>'
        . '<input type="hidden" name="show_panel" value="options-panel">'
        . ($mode === 'reply' ? '<input type="hidden" name="topic_cur_post_id" value="99">' : '')
        . form_key_fields($session, 'posting')
        . '<fieldset class="submit-buttons"><input type="submit" tabindex="5" name="preview" value="Preview" class="button1">'
        . ' <input type="submit" accesskey="s" tabindex="6" name="post" value="Submit" class="button1 default-submit-action"></fieldset>'
        . '</form>';
    page('Post a new topic', $body);
}

if ($_SERVER['REQUEST_METHOD'] !== 'POST') {
    posting_form($session, $action, $mode, $t, $mode === 'reply' ? 'Re: ' . $state['topics'][(string)$t]['subject'] : '', '', [], false);
    finish($state);
}
$subject = (string)($_POST['subject'] ?? '');
$message = (string)($_POST['message'] ?? '');
$errors = [];
if (!check_form_key($state, $session, 'posting'))
    $errors[] = FORM_INVALID;
if (isset($_POST['post'])) {
    if ($mode === 'post' && trim($subject) === '')
        $errors[] = 'You must specify a subject when posting a new topic.';
    if (trim($message) === '')
        $errors[] = 'You must enter a message when posting.';
}
if ($errors || !isset($_POST['post'])) {
    posting_form($session, $action, $mode, $t, $subject, $message, $errors, isset($_POST['preview']) && !$errors);
    finish($state);
}
$post = $state['next_post']++;
if ($mode === 'post') {
    $topic = $state['next_topic']++;
    $state['topics'][(string)$topic] = ['forum' => $f, 'subject' => $subject];
} else {
    $topic = $t;
}
record_post($state, ['board' => 'phpbb3', 'mode' => $mode, 'f' => $f, 't' => $topic, 'p' => $post,
                     'user' => $session['user']['name']]);
save_state($state);
header('Location: ' . ($mode === 'post' ? "./viewtopic.php?t=$topic" : "./viewtopic.php?p=$post#p$post"), true, 302);
