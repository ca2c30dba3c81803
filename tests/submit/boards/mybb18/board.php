<?php
// A MyBB 1.8 board as its default templates and settings make it: the sid
// session cookie, my_post_key in every form (six-hour windows, the three
// before still taken), guests without posting rights, the quick-login box in
// every guest page, the posting pages with SCEditor, and the friendly
// redirect page (a timed refresh) after a login or a post. config.json may
// set:
//   "editor": "wysiwyg" (the default), "source" (the user's "source mode by
//             default" option), "off" (the user's option to hide the
//             editor: a plain text area) or "nosource" (a theme whose
//             editor toolbar has no Source button)
//   "flood": seconds a member waits between posts (60)
//   "showredirect": false  members get a 302 instead of the redirect page
//   "redirect_seconds": the redirect page's refresh time (2)
require __DIR__ . '/../common.php';

const COOKIE = 'mybb';
const BOARD_NAME = 'Quillforge Test Forums';
const BOARD_KEY = 'f4e7c1a9d3b2e8f0';  // the board's internal encryption key
const MEMBER_LOGINKEY = 'Lk9xQ2wE7rT5yU3iO1pA';

function initial_state() {
    return [
        'sessions' => [], 'records' => [], 'used_tokens' => [],
        // fid 1 is a category; 2 takes posts and has the sub-forum 4; 3 is
        // a redirect forum.
        'forums' => ['1' => ['name' => 'My Category', 'type' => 'c'],
                     '2' => ['name' => 'General chat', 'type' => 'f'],
                     '3' => ['name' => 'Our Website', 'type' => 'f', 'link' => 'https://example.org/'],
                     '4' => ['name' => 'Child A', 'type' => 'f']],
        'topics' => ['7' => ['forum' => 2, 'subject' => 'Welcome', 'last_poster' => 1]],
        'next_topic' => 10, 'next_post' => 100, 'last_post_time' => [], 'recent' => [],
    ];
}

function config($key, $default) { return board_config()[$key] ?? $default; }

// The session of this request: the sid cookie names it; the user comes with it.
function mybb_session(&$state) {
    $sid = $_COOKIE['sid'] ?? '';
    if ($sid === '' || !isset($state['sessions'][$sid])) {
        $sid = bin2hex(random_bytes(16));
        $state['sessions'][$sid] = ['user' => GUEST['id']];
        set_board_cookie('sid', $sid);
    }
    return ['sid' => $sid, 'user' => user_by_id($state['sessions'][$sid]['user'])];
}

function is_guest($session) { return $session['user']['id'] == GUEST['id']; }

// md5 of the window's number and the seed: a member's login key, a guest's
// session id, and the board's key.
function post_key($session, $window = null) {
    $window = $window ?? intdiv(time(), 21600);
    $seed = is_guest($session) ? $session['sid'] : MEMBER_LOGINKEY . BOARD_USER['id'];
    return md5($window . $seed . BOARD_KEY);
}

function verify_post_key($session) {
    $given = (string)($_POST['my_post_key'] ?? $_GET['my_post_key'] ?? '');
    $now = intdiv(time(), 21600);
    for ($window = $now; $window >= $now - 3; --$window)
        if (hash_equals(post_key($session, $window), $given))
            return true;
    return false;
}

function bburl() { return 'http://' . $_SERVER['HTTP_HOST'] . rtrim(dirname($_SERVER['SCRIPT_NAME']), '/'); }

function asset($path) { return '../node_modules/' . $path; }

// The page frame of the default theme, template comments and all.
function mybb_page($session, $title, $content, $head = '') {
    $key = post_key($session);
    $welcome = is_guest($session)
        ? '<!-- start: header_welcomeblock_guest --><span class="welcome">Hello There, Guest! <a href="' . bburl() . '/member.php?action=login" class="login">Login</a> <a href="' . bburl() . '/member.php?action=register" class="register">Register</a></span>'
          . '<div class="modal" id="quick_login" style="display: none;"><form method="post" action="' . bburl() . '/member.php">'
          . '<input name="action" type="hidden" value="do_login" /><input name="url" type="hidden" value="" />'
          . '<input name="quick_login" type="hidden" value="1" /><input name="my_post_key" type="hidden" value="' . $key . '" />'
          . '<input name="quick_username" type="text" value="" class="textbox initial_focus" />'
          . '<input name="quick_password" type="password" value="" class="textbox" />'
          . '<input name="quick_remember" type="checkbox" value="yes" checked="checked" />'
          . '<input name="submit" type="submit" class="button" value="Login" /></form></div><!-- end: header_welcomeblock_guest -->'
        : '<!-- start: header_welcomeblock_member --><span class="welcome">Welcome back, <strong>' . h($session['user']['name']) . '</strong>.</span><!-- end: header_welcomeblock_member -->';
    echo '<!DOCTYPE html PUBLIC "-//W3C//DTD XHTML 1.0 Transitional//EN" "http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd"><!-- start: page -->' . "\n"
        . '<html xml:lang="en" lang="en" xmlns="http://www.w3.org/1999/xhtml"><head><title>' . h($title) . '</title>'
        . '<meta http-equiv="Content-Type" content="text/html; charset=UTF-8" />'
        . '<script type="text/javascript" src="' . asset('jquery/dist/jquery.min.js') . '"></script>'
        . '<script type="text/javascript">var my_post_key = "' . $key . '"; var MyBBEditor = null; var rootpath = "' . bburl() . '"; var cookiePrefix = ""; var use_xmlhttprequest = "1";</script>'
        . $head . "</head>\n<body>\n<!-- start: header --><div id=\"container\"><div id=\"header\"><div id=\"panel\">" . $welcome
        . '</div></div><div id="content"><div class="wrapper"><!-- end: header -->' . "\n" . $content . "\n"
        . '<!-- start: footer --></div></div><div id="footer"><span id="copyright">Powered By <a href="https://mybb.com" target="_blank" rel="noopener">MyBB</a>, &copy; 2002-2023 <a href="https://mybb.com" target="_blank" rel="noopener">MyBB Group</a>.</span>'
        . '<a href="misc.php?action=markread">Mark all forums read</a></div></div><!-- end: footer -->' . "\n</body></html><!-- end: page -->\n";
}

// The error page: the board's name and the message, HTTP 200.
function error_page($session, $message) {
    mybb_page($session, BOARD_NAME, '<!-- start: error --><table border="0" cellspacing="0" cellpadding="5" class="tborder">'
        . '<tr><td class="thead"><span class="smalltext"><strong>' . BOARD_NAME . '</strong></span></td></tr>'
        . '<tr><td class="trow1">' . $message . '</td></tr></table><!-- end: error -->');
}

function no_permission($session) {
    error_page($session, 'You are either not logged in or do not have permission to view this page. This could be because one of the following reasons:'
        . '<ol><li>You are not logged in or registered. Please login and retry the desired action.</li></ol>'
        . '<a href="member.php?action=login">Login</a> | <a href="member.php?action=register">Need to register?</a>');
}

// The friendly redirect page, or a 302 for members who turned it off.
function redirect_to($session, $url, $message) {
    if (!is_guest($session) && !config('showredirect', true)) {
        header('Location: ' . bburl() . '/' . $url, true, 302);
        return;
    }
    echo '<!DOCTYPE html PUBLIC "-//W3C//DTD XHTML 1.0 Transitional//EN" "http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd"><!-- start: redirect -->' . "\n"
        . '<html xml:lang="en" lang="en" xmlns="http://www.w3.org/1999/xhtml"><head><title>' . BOARD_NAME . '</title>'
        . '<meta http-equiv="refresh" content="' . (int)config('redirect_seconds', 2) . ';URL=' . h($url) . '" /></head><body><br /><br /><br />'
        . '<table border="0" cellspacing="0" cellpadding="5" class="tborder"><tr><td class="thead"><strong>' . BOARD_NAME . '</strong></td></tr>'
        . '<tr><td class="trow1" align="center"><p>' . $message . '</p></td></tr>'
        . '<tr><td class="trow2" align="right"><a href="' . h($url) . '"><span class="smalltext">Click here if you don\'t want to wait any longer.</span></a></td></tr>'
        . "</table></body></html><!-- end: redirect -->\n";
}
