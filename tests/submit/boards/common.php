<?php
// What the two test boards share: their state (sessions, used form keys,
// topics, the record of every stored post) kept in state.json beside the
// board's pages, sessions carried in HttpOnly cookies, and HTML escaping.
// The test copies the boards into a temporary folder, so the state starts
// empty for each run. A board may also read config.json there:
//   {"samesite": "Lax"}  the session cookies' SameSite attribute (none when absent)
//   {"form_key_age": 0}  phpBB 3: seconds a posting form's key must age (1)

function board_dir() { return dirname($_SERVER['SCRIPT_FILENAME']); }

function board_config() {
    $file = board_dir() . '/config.json';
    return is_file($file) ? json_decode(file_get_contents($file), true) : [];
}

// A board whose forums differ from the phpBB ones gives its own first state.
function load_state($initial = null) {
    $file = board_dir() . '/state.json';
    $state = is_file($file) ? json_decode(file_get_contents($file), true) : null;
    if (!$state && $initial !== null)
        $state = $initial;
    if (!$state) {
        $state = [
            'sessions' => [],
            'used_tokens' => [],
            // Forum 2 takes posts; forum 3 is read-only for ordinary users.
            'forums' => ['2' => ['name' => 'General chat', 'post' => true],
                         '3' => ['name' => 'Announcements', 'post' => false]],
            'topics' => ['7' => ['forum' => 2, 'subject' => 'Welcome']],
            'next_topic' => 10,
            'next_post' => 100,
            'records' => [],
        ];
    }
    return $state;
}

function save_state($state) {
    file_put_contents(board_dir() . '/state.json', json_encode($state));
}

// The characters of a UTF-8 text (PHP's multibyte extension is not needed).
function utf8_length($text) { return preg_match_all('/./us', $text); }

// The one registered user; user 1 is the guest.
const BOARD_USER = ['id' => 2, 'name' => 'tester', 'password' => 'secret', 'form_salt' => 'f0rmSa1t'];
const GUEST = ['id' => 1, 'name' => 'Anonymous', 'form_salt' => 'gu3stSa1t'];

function user_by_id($id) { return $id == BOARD_USER['id'] ? BOARD_USER : GUEST; }

function set_board_cookie($name, $value) {
    $options = ['path' => cookie_path(), 'httponly' => true, 'expires' => 0];
    $samesite = board_config()['samesite'] ?? '';
    if ($samesite !== '')
        $options['samesite'] = $samesite;
    setcookie($name, $value, $options);
}

function cookie_path() {
    return rtrim(dirname($_SERVER['SCRIPT_NAME']), '/') . '/';
}

// The session of this request: the one its cookie names, or a new guest
// session. Returns ['sid' => ..., 'user' => user row].
function start_session(&$state, $cookie) {
    $sid = $_COOKIE[$cookie . '_sid'] ?? '';
    if ($sid === '' || !isset($state['sessions'][$sid]))
        return new_session($state, $cookie, GUEST['id']);
    return ['sid' => $sid, 'user' => user_by_id($state['sessions'][$sid]['user'])];
}

function new_session(&$state, $cookie, $userId) {
    $sid = bin2hex(random_bytes(16));
    $state['sessions'][$sid] = ['user' => $userId];
    set_board_cookie($cookie . '_sid', $sid);
    set_board_cookie($cookie . '_u', (string)$userId);
    return ['sid' => $sid, 'user' => user_by_id($userId)];
}

// A posted form whose Referer names another host ends the session: the
// request goes on as a guest's.
function check_referer(&$state, &$session, $cookie) {
    if ($_SERVER['REQUEST_METHOD'] !== 'POST' || !isset($_SERVER['HTTP_REFERER']))
        return;
    $host = parse_url($_SERVER['HTTP_REFERER'], PHP_URL_HOST);
    $port = parse_url($_SERVER['HTTP_REFERER'], PHP_URL_PORT);
    $referer = $host . ($port ? ':' . $port : '');
    if ($referer !== $_SERVER['HTTP_HOST']) {
        unset($state['sessions'][$session['sid']]);
        $session = new_session($state, $cookie, GUEST['id']);
    }
}

function h($text) { return htmlspecialchars($text, ENT_QUOTES, 'UTF-8'); }

// What PHP decoded from the request, every value base64-encoded so the test
// compares bytes.
function record_post(&$state, $what) {
    $what['fields'] = array_map('base64_encode', $_POST);
    $what['content_type'] = $_SERVER['CONTENT_TYPE'] ?? '';
    $what['referer'] = $_SERVER['HTTP_REFERER'] ?? '';
    $state['records'][] = $what;
}

function page($title, $body) {
    echo "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" . h($title) . "</title></head>\n<body>\n"
        . $body . "\n</body></html>\n";
}
