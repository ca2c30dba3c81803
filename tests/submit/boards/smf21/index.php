<?php
// An SMF 2.1 board as its installer and default theme make it: one
// index.php whose query separates its parameters with ";", a PHP session
// with a random session variable and value in every form (checked with the
// User-Agent of the page served before and the Referer's host), a sequence
// number against double posts, guests kicked to a login form that brings
// them back to the page they asked for, the posting page with SCEditor in
// source mode, the form re-shown with its errors, and a 302 after a stored
// post. config.json may set:
//   "editor": "source" (the default), "wysiwyg" (the member's "WYSIWYG by
//             default" option) or "off" (jQuery, which the board loads from
//             a CDN by default, does not load: no editor); "-late" after
//             "source" or "wysiwyg" makes the editor after the page's load
//   "flood": seconds between two posts from one address (5)
require __DIR__ . '/../common.php';

const FORUM_NAME = 'My Community';

function config($key, $default) { return board_config()[$key] ?? $default; }

function initial_state() {
    return [
        'sessions' => [], 'records' => [], 'used_tokens' => [], 'seqnums' => [], 'last_post_ip' => [],
        'boards' => ['1' => ['name' => 'General Discussion'], '2' => ['name' => 'Second Board'],
                     '4' => ['name' => 'Our Website', 'redirect' => 'https://example.org/']],
        'topics' => ['7' => ['board' => 1, 'subject' => 'Welcome to SMF!', 'last_msg' => 5]],
        'next_topic' => 10, 'next_msg' => 100,
    ];
}

function scripturl() { return 'http://' . $_SERVER['HTTP_HOST'] . $_SERVER['SCRIPT_NAME']; }

function asset($path) { return '../node_modules/' . $path; }

// The parameters of the query, split at ";" and "&", and of a
// search-engine friendly path (/board,1.0.html).
function parameters() {
    $params = [];
    $path = $_SERVER['PATH_INFO'] ?? '';
    if (preg_match('#^/(board|topic),([0-9.]+)\.html$#', $path, $m))
        $params[$m[1]] = $m[2];
    foreach (preg_split('/[;&]/', $_SERVER['QUERY_STRING'] ?? '') as $part) {
        if ($part === '')
            continue;
        [$name, $value] = array_pad(explode('=', $part, 2), 2, '');
        $params[urldecode($name)] = urldecode($value);
    }
    return $params;
}

function random_name() { return substr(preg_replace('/^[0-9]+/', '', sha1(random_bytes(8))), 0, random_int(7, 12)); }

// The session: a PHPSESSID cookie without HttpOnly, as PHP's defaults make it.
function smf_session(&$state) {
    $sid = $_COOKIE['PHPSESSID'] ?? '';
    if ($sid === '' || !isset($state['sessions'][$sid])) {
        $sid = bin2hex(random_bytes(16));
        $state['sessions'][$sid] = ['user' => GUEST['id'], 'var' => random_name(), 'value' => md5(random_bytes(8)),
                                    'ua' => '', 'login_url' => ''];
        setcookie('PHPSESSID', $sid, ['path' => '/']);
    }
    return $sid;
}

function user_of($state, $sid) { return user_by_id($state['sessions'][$sid]['user']); }

function is_guest($state, $sid) { return $state['sessions'][$sid]['user'] == GUEST['id']; }

// The page frame; every served page remembers the browser's User-Agent.
function smf_page(&$state, $sid, $title, $content, $status = 200) {
    http_response_code($status);
    $session = &$state['sessions'][$sid];
    $session['ua'] = $_SERVER['HTTP_USER_AGENT'] ?? '';
    $guest = $session['user'] == GUEST['id'];
    $jquery = config('editor', 'source') === 'off' ? asset('jquery/missing.min.js') : asset('jquery/dist/jquery.min.js');
    echo "<!DOCTYPE html>\n<html lang=\"en-US\">\n<head>\n\t<meta charset=\"UTF-8\">\n"
        . "\t<script>\n\t\tvar smf_scripturl = \"" . scripturl() . "\";\n\t\tvar smf_session_id = \"" . $session['value'] . "\";\n"
        . "\t\tvar smf_session_var = \"" . $session['var'] . "\";\n\t\tvar smf_member_id = " . ($guest ? 0 : BOARD_USER['id']) . ";\n\t</script>\n"
        . "\t<script src=\"$jquery\"></script>\n\t<meta name=\"theme-color\" content=\"#557EA0\">\n\t<title>" . h($title) . "</title>\n</head>\n"
        . "<body id=\"chrome\" class=\"action_post\">\n<div id=\"footerfix\">\n\t<div id=\"top_section\"><ul class=\"floatleft\" id=\"top_info\">"
        . ($guest ? '<li class="welcome">Welcome to <strong>' . FORUM_NAME . '</strong>.</li><li class="button_login"><a href="' . scripturl() . '?action=login" class="open">Log in</a></li>'
                  : '<li class="welcome">Hello <strong>' . h(BOARD_USER['name']) . '</strong>.</li>')
        . "</ul></div>\n\t<div id=\"content_section\">\n" . $content . "\n\t</div>\n"
        . "\t<div id=\"footer\"><ul><li class=\"copyright\"><a href=\"" . scripturl() . "?action=credits\" title=\"License\" target=\"_blank\" rel=\"noopener\">SMF 2.1.4 &copy; 2023</a>, <a href=\"https://www.simplemachines.org\" title=\"Simple Machines\" target=\"_blank\" rel=\"noopener\">Simple Machines</a></li></ul></div>\n"
        . "</div>\n</body>\n</html>\n";
}

function fatal(&$state, $sid, $key, $message, $status = 403) {
    smf_page($state, $sid, 'An error has occurred', '<div id="fatal_error"><div class="cat_bar"><h3 class="catbg">An error has occurred</h3></div>'
        . '<div class="windowbg"><div id="' . $key . '" class="padding">' . "\n\t\t\t" . $message . "\n\t\t" . '</div></div></div>'
        . '<div class="centertext"><a class="button floatnone" href="javascript:document.location=document.referrer">Back</a></div>', $status);
}

// The kick page for a guest: the message and a login form; the address
// asked for is kept to go back to after the login.
function kick(&$state, $sid, $message) {
    $session = &$state['sessions'][$sid];
    $session['login_url'] = scripturl() . '?' . ($_SERVER['QUERY_STRING'] ?? '');
    smf_page($state, $sid, 'Log in', '<div class="cat_bar"><h3 class="catbg">Warning!</h3></div>'
        . '<p class="information centertext">' . $message . '<br>Please login below or <a href="' . scripturl() . '?action=signup">sign up for an account</a> with ' . FORUM_NAME
        . login_form($state, $sid));
}

function login_form(&$state, $sid, $error = '') {
    $session = &$state['sessions'][$sid];
    $session['login_token'] = ['var' => random_name(), 'value' => md5(random_bytes(8)),
                               'ua' => $_SERVER['HTTP_USER_AGENT'] ?? ''];
    return '<div class="cat_bar"><h3 class="catbg"><span class="main_icons login"></span> Log in</h3></div>'
        . ($error !== '' ? '<div class="errorbox">' . $error . '</div>' : '')
        . '<form action="' . scripturl() . '?action=login2" method="post" accept-charset="UTF-8" name="frmLogin" id="frmLogin">'
        . '<div class="roundframe"><dl><dt>Username:</dt><dd><input type="text" name="user" size="20"></dd>'
        . '<dt>Password:</dt><dd><input type="password" name="passwrd" size="20"></dd></dl>'
        . '<dl><dt>Time to stay logged in:</dt><dd><select name="cookielength"><option value="3153600" selected>Forever</option><option value="60">1 Hour</option></select></dd></dl>'
        . '<p><input type="submit" value="Log in" class="button"></p>'
        . '<input type="hidden" name="' . $session['var'] . '" value="' . $session['value'] . '">'
        . '<input type="hidden" name="' . $session['login_token']['var'] . '" value="' . $session['login_token']['value'] . '">'
        . '</div></form>';
}

// The session check of a sent form: the session field (or "sc"), the
// User-Agent of the page served before, and a Referer from this host.
function session_ok($state, $sid) {
    $session = $state['sessions'][$sid];
    $given = $_POST[$session['var']] ?? $_POST['sc'] ?? '';
    if (!hash_equals($session['value'], (string)$given))
        return false;
    if (($session['ua'] ?? '') !== ($_SERVER['HTTP_USER_AGENT'] ?? ''))
        return false;
    if (isset($_SERVER['HTTP_REFERER'])) {
        $host = parse_url($_SERVER['HTTP_REFERER'], PHP_URL_HOST);
        if ($host !== parse_url('http://' . $_SERVER['HTTP_HOST'], PHP_URL_HOST))
            return false;
    }
    return true;
}

$state = load_state(initial_state());
$sid = smf_session($state);
$params = parameters();
// The board index: one category holding every board, linked as board=N.0.
function board_index($state) {
    $boards = '';
    foreach ($state['boards'] as $id => $board)
        $boards .= '<div id="board_' . $id . '" class="up_contain "><div class="board_icon"><a href="' . scripturl() . '?board=' . $id
            . '.0" class="board_on" title="New Posts"></a></div><div class="info"><a class="subject mobile_subject" href="'
            . scripturl() . '?board=' . $id . '.0" id="b' . $id . '">' . h($board['name']) . '</a></div></div>';
    return '<div id="boardindex_table" class="boardindex_table"><div class="main_container"><div class="cat_bar " id="category_1">'
        . '<h3 class="catbg"><a id="c1"></a>General Category</h3></div><div id="category_1_boards" >' . $boards . '</div></div></div>';
}

$action = $params['action'] ?? '';
if ($action === 'post' || $action === 'post2')
    require __DIR__ . '/post.inc';
elseif ($action === 'login2')
    require __DIR__ . '/login.inc';
elseif ($action === 'login')
    smf_page($state, $sid, 'Log in', login_form($state, $sid));
elseif (isset($params['topic']))
    smf_page($state, $sid, 'Topic', '<div class="navigate_section"><ul><li class="last"><span>'
        . h($state['topics'][(string)(int)$params['topic']]['subject'] ?? 'missing') . '</span></li></ul></div>');
else
    smf_page($state, $sid, FORUM_NAME . ' - Index', board_index($state));
save_state($state);
