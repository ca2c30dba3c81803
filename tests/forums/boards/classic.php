<?php
// An index page in the style of the classic board templates: a category
// table, session ids in every address, moderator and last-post links.
$sid = 'a0b1c2d3e4f5';
function forum_row($f, $name, $sid, $topics, $posts) {
?>
  <tr>
	<td class="row1" align="center" valign="middle" height="50"><img src="folder_big.gif" width="46" height="25" alt="No new posts" title="No new posts" /></td>
	<td class="row1" width="100%" height="50"><span class="forumlink"> <a href="viewforum.php?f=<?= $f ?>&amp;sid=<?= $sid ?>" class="forumlink"><?= $name ?></a><br />
	  </span> <span class="genmed">A forum of this board<br />
	  </span><span class="gensmall">Moderator: <a href="profile.php?mode=viewprofile&amp;u=2&amp;sid=<?= $sid ?>">admin</a></span></td>
	<td class="row2" align="center" valign="middle" height="50"><span class="gensmall"><?= $topics ?></span></td>
	<td class="row2" align="center" valign="middle" height="50"><span class="gensmall"><?= $posts ?></span></td>
	<td class="row2" align="center" valign="middle" height="50" nowrap="nowrap"> <span class="gensmall">Mon Jan 01, 2024 10:00 am<br /><a href="profile.php?mode=viewprofile&amp;u=2&amp;sid=<?= $sid ?>">admin</a> <a href="viewtopic.php?p=12&amp;sid=<?= $sid ?>#12"><img src="icon_latest_reply.gif" border="0" alt="View latest post" title="View latest post" /></a></span></td>
  </tr>
<?php
}
?>
<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=iso-8859-1">
<title>Test board :: Index</title>
<style type="text/css">a.forumlink { font-weight: bold; }</style>
</head>
<body bgcolor="#E5E5E5">
<table width="100%" cellspacing="0" cellpadding="2" border="0" align="center">
  <tr>
	<td align="left" valign="bottom"><span class="gensmall"><a href="search.php?search_id=newposts&amp;sid=<?= $sid ?>" class="gensmall">View posts since last visit</a></span></td>
  </tr>
</table>
<table width="100%" cellpadding="2" cellspacing="1" border="0" class="forumline">
  <tr>
	<th colspan="2" class="thCornerL" height="25" nowrap="nowrap">&nbsp;Forum&nbsp;</th>
	<th width="50" class="thTop" nowrap="nowrap">&nbsp;Topics&nbsp;</th>
	<th width="50" class="thTop" nowrap="nowrap">&nbsp;Posts&nbsp;</th>
	<th class="thCornerR" nowrap="nowrap">&nbsp;Last Post&nbsp;</th>
  </tr>
  <tr>
	<td class="catLeft" colspan="2" height="28"><span class="cattitle"><a href="index.php?c=1&amp;sid=<?= $sid ?>" class="cattitle">News &amp; Events</a></span></td>
	<td class="rowpic" colspan="3" align="right">&nbsp;</td>
  </tr>
<?php forum_row(1, 'Announcements', $sid, 3, 7); ?>
<?php forum_row(2, 'General chat', $sid, 10, 120); ?>
  <tr>
	<td class="catLeft" colspan="2" height="28"><span class="cattitle"><a href="index.php?c=2&amp;sid=<?= $sid ?>" class="cattitle">Support</a></span></td>
	<td class="rowpic" colspan="3" align="right">&nbsp;</td>
  </tr>
<?php forum_row(3, 'Tips & Tricks', $sid, 4, 9); ?>
<?php forum_row(14, 'Bugs &amp; Fixes', $sid, 0, 0); ?>
</table>
<table width="100%" cellspacing="0" border="0" align="center" cellpadding="2">
  <tr>
	<td align="left"><span class="gensmall"><a href="index.php?mark=forums&amp;sid=<?= $sid ?>" class="gensmall">Mark all forums read</a></span></td>
	<td align="right"><span class="gensmall">All times are GMT</span></td>
  </tr>
</table>
</body>
</html>
