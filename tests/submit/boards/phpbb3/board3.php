<?php
// The current-generation board: form keys on every form, the login box for
// guests, the posting form sent as multipart.
require __DIR__ . '/../common.php';

const COOKIE = 'phpbb3_qftest';
const FORM_INVALID = 'The submitted form was invalid. Try submitting again.';

function form_token($creationTime, $session, $form) {
    $tokenSid = $session['user']['id'] == GUEST['id'] ? $session['sid'] : '';
    return sha1($creationTime . $session['user']['form_salt'] . $form . $tokenSid);
}

function form_key_fields($session, $form) {
    $now = time();
    return '<input type="hidden" name="creation_time" value="' . $now . '">'
        . '<input type="hidden" name="form_token" value="' . form_token($now, $session, $form) . '">';
}

// Accepted from `$minAge` seconds (for posts one, as on the board, or what
// config.json's "form_key_age" says) to two hours after the form was made; a
// posting form's key only once. The login form's key may come back: a login
// form refilled within the second it was first made carries the same key,
// and the board takes it.
function check_form_key(&$state, $session, $form, $minAge = null) {
    $minAge = $minAge ?? (int)(board_config()['form_key_age'] ?? 1);
    $time = (int)($_POST['creation_time'] ?? 0);
    $token = (string)($_POST['form_token'] ?? '');
    $age = time() - $time;
    if ($time <= 0 || $age < $minAge || $age > 7200 || !hash_equals(form_token($time, $session, $form), $token))
        return false;
    if ($form !== 'posting')
        return true;
    $used = $form . ':' . $token;
    if (in_array($used, $state['used_tokens'], true))
        return false;
    $state['used_tokens'][] = $used;
    return true;
}

function login_box($session, $redirect, $message, $error = '') {
    page('Login', '<div class="panel"><h2 class="login-title">Login</h2>'
        . '<p>' . h($message) . '</p>'
        . ($error !== '' ? '<div class="error">' . h($error) . '</div>' : '')
        . '<form action="./ucp.php?mode=login" method="post" id="login">'
        . '<dl><dt><label for="username">Username:</label></dt><dd><input type="text" tabindex="1" name="username" id="username" size="25" value="" class="inputbox autowidth"></dd></dl>'
        . '<dl><dt><label for="password">Password:</label></dt><dd><input type="password" tabindex="2" id="password" name="password" size="25" class="inputbox autowidth" autocomplete="off"></dd></dl>'
        . '<dl><dd><label for="autologin"><input type="checkbox" name="autologin" id="autologin" tabindex="4"> Remember me</label></dd>'
        . '<dd><label for="viewonline"><input type="checkbox" name="viewonline" id="viewonline" tabindex="5"> Hide my online status this session</label></dd></dl>'
        . '<input type="hidden" name="redirect" value="' . h($redirect) . '">'
        . '<input type="hidden" name="sid" value="' . h($session['sid']) . '">'
        . form_key_fields($session, 'login')
        . '<input type="submit" name="login" tabindex="6" value="Login" class="button1">'
        . '</form></div>');
}
