<?php
// A current-generation index page in the 3.2 style: the last-post links are
// filed under the forum's own number.
$lastPost = fn($f) => "viewtopic.php?f=$f&amp;p={$f}1#p{$f}1";
include __DIR__ . '/current_index.inc';
