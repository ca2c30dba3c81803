<?php
// The same index page as mybb18.php on a board with search-engine friendly
// addresses turned on: MyBB writes forum-N.html, thread-N-lastpost.html and
// user-N.html where the plain board writes its script addresses.
ob_start();
include __DIR__ . '/mybb18.php';
echo preg_replace(
    ['/forumdisplay\.php\?fid=(\d+)/', '/showthread\.php\?tid=(\d+)&amp;action=lastpost/',
     '/member\.php\?action=profile&amp;uid=(\d+)/'],
    ['forum-$1.html', 'thread-$1-lastpost.html', 'user-$1.html'],
    ob_get_clean());
