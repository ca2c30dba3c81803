<?php
// A phpBB 3.0 index page in subsilver2: a table, categories as header rows
// with a plain link, forum title links with the class "forumlink", a
// sub-forum, a link forum that leaves the board, last-post links under each
// forum's number, a category with no forum, session ids.
$sid = '&amp;sid=3c1e5a7b9d2f4e6a';
$linkAddress = 'http://other.example.org/';
include __DIR__ . '/phpbb3_forums.inc';
?>
<!DOCTYPE html PUBLIC "-//W3C//DTD XHTML 1.0 Transitional//EN" "http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd">
<html xmlns="http://www.w3.org/1999/xhtml" dir="ltr" lang="en-gb" xml:lang="en-gb">
<head><meta http-equiv="content-type" content="text/html; charset=UTF-8" /><title>yourdomain.com &bull; Index page</title></head>
<body class="ltr">
<a name="top"></a>
<div id="wrapheader"><div id="menubar"><table width="100%" cellspacing="0"><tr>
<td class="genmed"><a href="./faq.php?sid=3c1e5a7b9d2f4e6a">FAQ</a> <a href="./ucp.php?mode=login&amp;sid=3c1e5a7b9d2f4e6a">Login</a></td>
</tr></table></div>
<div id="datebar"><table width="100%" cellspacing="0"><tr><td class="gensmall"></td></tr></table></div></div>
<div id="wrapcentre">
<p class="searchbar"><span style="float: left;"><a href="./search.php?search_id=unanswered<?= $sid ?>">View unanswered posts</a></span></p>
<table class="tablebg" cellspacing="1" width="100%">
<tr><td class="cat" colspan="5" align="right">&nbsp;</td></tr>
<tr><th colspan="2">&nbsp;Forum&nbsp;</th><th width="50">&nbsp;Topics&nbsp;</th><th width="50">&nbsp;Posts&nbsp;</th><th>&nbsp;Last post&nbsp;</th></tr>
<?php foreach ($rows as [$c, $category, $forums]) { ?>
<tr><td class="cat" colspan="2"><h4><a href="./viewforum.php?f=<?= $c . $sid ?>"><?= $category ?></a></h4></td>
<td class="catdiv" colspan="3">&nbsp;</td></tr>
<?php foreach ($forums as [$f, $name, $description, $extra, $post]) {
    $isLink = is_string($extra); ?>
<tr>
<td class="row1" width="50" align="center"><img src="./styles/subsilver2/imageset/forum_<?= $isLink ? 'link' : 'read' ?>.gif" width="46" height="25" alt="" title="" /></td>
<td class="row1" width="100%">
<a class="forumlink" href="<?= $isLink ? $extra : "./viewforum.php?f=$f$sid" ?>"><?= $name ?></a>
<p class="forumdesc"><?= $description ?></p>
<?php if (is_array($extra)) { ?>
<p class="forumdesc"><strong>Subforum: </strong><a href="./viewforum.php?f=<?= $extra[0] . $sid ?>" class="subforum read"><?= $extra[1] ?></a></p>
<?php } ?>
</td>
<?php if ($isLink) { ?>
<td class="row2" colspan="3" align="center"><span class="genmed">Redirects: 12</span></td>
<?php } else { ?>
<td class="row3" align="center"><p class="topicdetails">1</p></td>
<td class="row2" align="center"><p class="topicdetails">1</p></td>
<td class="row2" align="center" nowrap="nowrap">
<?php if ($post) { ?>
<p class="topicdetails">Mon Jan 01, 2024 10:00 am</p>
<p class="topicdetails"><a href="./memberlist.php?mode=viewprofile&amp;u=2<?= $sid ?>" style="color: #AA0000;" class="username-coloured">admin</a>
<a href="./viewtopic.php?f=<?= $f ?>&amp;p=<?= $post . $sid ?>#p<?= $post ?>"><img src="./styles/subsilver2/imageset/icon_topic_latest.gif" width="18" height="9" alt="View the latest post" title="View the latest post" /></a></p>
<?php } else { ?>
<p class="topicdetails">No posts</p>
<?php } ?>
</td>
<?php } ?>
</tr>
<?php } ?>
<?php } ?>
</table>
</div></body></html>
