<?php
// A current-generation index page in the 3.3 style: as the 3.2 one, but the
// last-post links name no forum number (no "f=" in them), so only forum and
// sub-forum links give entries.
$lastPost = fn($f) => "viewtopic.php?p={$f}1#p{$f}1";
include __DIR__ . '/current_index.inc';
