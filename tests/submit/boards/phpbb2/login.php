<?php
// The login page: a good login starts a user session and redirects to the
// page named in `redirect`.
require __DIR__ . '/board2.php';

$state = load_state();
$session = start_session($state, COOKIE);
$redirect = $_POST['redirect'] ?? $_GET['redirect'] ?? 'index.php';
if (!preg_match('#^[a-z]+\.php#', $redirect))
    $redirect = 'index.php';
$error = '';
if (isset($_POST['login'])) {
    if (($_POST['username'] ?? '') === BOARD_USER['name'] && ($_POST['password'] ?? '') === BOARD_USER['password']) {
        unset($state['sessions'][$session['sid']]);
        new_session($state, COOKIE, BOARD_USER['id']);
        save_state($state);
        header('Location: ' . $redirect, true, 302);
        exit;
    }
    $error = '<p class="gen">You have specified an incorrect or inactive username, or an invalid password.</p>';
}
save_state($state);
page('Log in', '<form action="login.php" method="post" target="_top">' . $error
    . '<table class="forumline"><tr><th colspan="2">Please enter your username and password to log in.</th></tr>'
    . '<tr><td><span class="gen">Username:</span></td><td><input type="text" class="post" name="username" size="25" maxlength="40" value=""></td></tr>'
    . '<tr><td><span class="gen">Password:</span></td><td><input type="password" class="post" name="password" size="25" maxlength="32"></td></tr>'
    . '<tr><td colspan="2"><span class="gen">Log me on automatically each visit: <input type="checkbox" name="autologin"></span></td></tr>'
    . '<tr><td colspan="2"><input type="hidden" name="redirect" value="' . h($redirect) . '">'
    . '<input type="submit" name="login" class="mainoption" value="Log in"></td></tr></table></form>');
