<?php
// The board index: where a login without a page to go back to ends.
require __DIR__ . '/board.php';
$state = load_state(initial_state());
$session = mybb_session($state);
save_state($state);
$rows = '';
foreach ($state['forums'] as $fid => $forum)
    if ($forum['type'] === 'f')
        $rows .= '<tr><td class="trow1"><strong><a href="forumdisplay.php?fid=' . $fid . '">' . h($forum['name']) . '</a></strong></td></tr>';
mybb_page($session, BOARD_NAME, '<table border="0" cellspacing="0" cellpadding="5" class="tborder">' . $rows . '</table>');
