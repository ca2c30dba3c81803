<?php
// The login page and do_login: the url field carries the page to go back
// to (the Referer of the login page's request); a good login starts a
// member session, keeps the sid, and shows the redirect page back there.
require __DIR__ . '/board.php';
$state = load_state(initial_state());
$session = mybb_session($state);
$action = $_POST['action'] ?? $_GET['action'] ?? '';

function login_form($session, $url, $error = '') {
    mybb_page($session, 'Login', ($error !== '' ? '<div class="error"><p><em>Please correct the following errors before continuing:</em></p><ul><li>' . $error . '</li></ul></div><br />' : '')
        . '<form action="member.php" method="post"><table border="0" cellspacing="0" cellpadding="5" class="tborder">'
        . '<tr><td class="thead" colspan="2"><strong>Login</strong></td></tr>'
        . '<tr><td class="trow1"><strong>Username:</strong></td><td class="trow1"><input type="text" class="textbox" name="username" size="25" style="width: 200px;" value="" /></td></tr>'
        . '<tr><td class="trow2"><strong>Password:</strong></td><td class="trow2"><input type="password" class="textbox" name="password" size="25" style="width: 200px;" value="" /></td></tr>'
        . '<tr><td class="trow1" colspan="2" align="center"><label title="If ticked, your login details will be remembered on this computer, otherwise, you will be logged out as soon as you close your browser."><input type="checkbox" class="checkbox" name="remember" checked="checked" value="yes" /> Remember me</label></td></tr>'
        . '</table><br /><div align="center"><input type="submit" class="button" name="submit" value="Login" /></div>'
        . '<input type="hidden" name="action" value="do_login" /><input type="hidden" name="url" value="' . h($url) . '" />'
        . '<input type="hidden" name="my_post_key" value="' . post_key($session) . '" /></form>');
}

if ($action === 'do_login' && $_SERVER['REQUEST_METHOD'] === 'POST') {
    if (!verify_post_key($session)) {
        error_page($session, 'Authorization code mismatch. Are you accessing this function correctly? Please go back and try again.');
        save_state($state);
        exit;
    }
    $quick = isset($_POST['quick_login']);
    $name = (string)($_POST[$quick ? 'quick_username' : 'username'] ?? '');
    $password = (string)($_POST[$quick ? 'quick_password' : 'password'] ?? '');
    if ($name !== BOARD_USER['name'] || $password !== BOARD_USER['password']) {
        login_form($session, $_SERVER['HTTP_REFERER'] ?? '', 'You have entered an invalid username/password combination. <br /><br />If you have forgotten your password please <a href="member.php?action=lostpw">retrieve a new one</a>.');
        save_state($state);
        exit;
    }
    $state['sessions'][$session['sid']]['user'] = BOARD_USER['id'];
    $session['user'] = BOARD_USER;
    setcookie('mybbuser', BOARD_USER['id'] . '_' . MEMBER_LOGINKEY, ['path' => cookie_path(), 'httponly' => true, 'samesite' => 'Lax', 'expires' => time() + 31536000]);
    save_state($state);
    // Back to where the user came from: the posting pages without
    // processed=1; an address off the board becomes its last segment; none,
    // or member.php, the index.
    $url = (string)($_POST['url'] ?? '');
    $url = str_replace('&processed=1', '', $url);
    if ($url !== '' && !str_starts_with($url, bburl() . '/'))
        $url = bburl() . '/' . basename(parse_url($url, PHP_URL_PATH) ?? '');
    if ($url === '' || str_contains($url, 'member.php'))
        $url = 'index.php';
    redirect_to(['user' => GUEST] + $session, $url, 'You have successfully been logged in.<br />You will now be taken back to where you came from.');
    exit;
}
login_form($session, $_SERVER['HTTP_REFERER'] ?? '');
save_state($state);
