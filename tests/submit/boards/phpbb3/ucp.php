<?php
// The login page: a login form with a redirect back to where the user came
// from; a good login starts a user session and redirects there.
require __DIR__ . '/board3.php';

$state = load_state();
$session = start_session($state, COOKIE);
check_referer($state, $session, COOKIE);
$mode = $_GET['mode'] ?? '';
if ($mode !== 'login') {
    save_state($state);
    page('Information', '<p>No mode specified.</p>');
    exit;
}
$redirect = $_POST['redirect'] ?? $_GET['redirect'] ?? './index.php';
if (isset($_POST['login'])) {
    $error = '';
    if (!check_form_key($state, $session, 'login', 0))
        $error = FORM_INVALID;
    elseif (($_POST['username'] ?? '') !== BOARD_USER['name'] || ($_POST['password'] ?? '') !== BOARD_USER['password'])
        $error = 'You have specified an incorrect username or password.';
    if ($error === '') {
        unset($state['sessions'][$session['sid']]);
        new_session($state, COOKIE, BOARD_USER['id']);
        save_state($state);
        // Only addresses on this board.
        if (!preg_match('#^\./[a-z]+\.php#', $redirect))
            $redirect = './index.php';
        header('Location: ' . $redirect, true, 302);
        exit;
    }
    save_state($state);
    login_box($session, $redirect, 'Login', $error);
    exit;
}
save_state($state);
login_box($session, $redirect, 'Login');
