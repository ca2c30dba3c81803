<?php
// A current-generation index page in the 3.0 style: a category link, forum
// links with a session id, and for every forum with posts a last-post link
// holding only a picture, under the forum's own number.
$sid = '7f3c9e1d2b4a6c8e';
$forums = [
    2 => ['Your first forum', 'Description of your first forum.', true],
    3 => ['Meetings &amp; Exhibitions', 'Where and when.', true],
    4 => ['Bob&#39;s corner', 'Quoted in a name.', false],
];
?>
<!DOCTYPE html PUBLIC "-//W3C//DTD XHTML 1.0 Strict//EN" "http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd">
<html xmlns="http://www.w3.org/1999/xhtml" dir="ltr" lang="en-gb" xml:lang="en-gb">
<head><meta http-equiv="content-type" content="text/html; charset=UTF-8" /><title>yourdomain.com &bull; Index page</title></head>
<body id="phpbb" class="section-index ltr">
<div id="wrap"><a id="top" name="top" accesskey="t"></a>
<div class="navbar"><ul class="linklist navlinks"><li class="icon-home"><a href="./index.php?sid=<?= $sid ?>" accesskey="h">Board index</a></li></ul></div>
<div id="page-body">
<ul class="linklist"><li><a href="./search.php?search_id=unanswered&amp;sid=<?= $sid ?>">View unanswered posts</a></li></ul>
<div class="forabg"><div class="inner"><span class="corners-top"><span></span></span>
<ul class="topiclist"><li class="header"><dl class="icon">
<dt><a href="./viewforum.php?f=1&amp;sid=<?= $sid ?>">Your first category</a></dt>
<dd class="topics">Topics</dd><dd class="posts">Posts</dd><dd class="lastpost"><span>Last post</span></dd>
</dl></li></ul>
<ul class="topiclist forums">
<?php foreach ($forums as $f => [$name, $description, $posts]) { ?>
<li class="row"><dl class="icon" style="background-image: url(./styles/prosilver/imageset/forum_read.gif); background-repeat: no-repeat;">
<dt title="No unread posts"><a href="./viewforum.php?f=<?= $f ?>&amp;sid=<?= $sid ?>" class="forumtitle"><?= $name ?></a><br />
<?= $description ?>
</dt>
<dd class="topics">1 <dfn>Topics</dfn></dd><dd class="posts">1 <dfn>Posts</dfn></dd>
<dd class="lastpost"><span>
<?php if ($posts) { ?>
<dfn>Last post</dfn> by <a href="./memberlist.php?mode=viewprofile&amp;u=2&amp;sid=<?= $sid ?>" style="color: #AA0000;" class="username-coloured">admin</a>
<a href="./viewtopic.php?f=<?= $f ?>&amp;p=<?= $f * 10 ?>&amp;sid=<?= $sid ?>#p<?= $f * 10 ?>"><img src="./styles/prosilver/imageset/icon_topic_latest.gif" width="11" height="9" alt="View the latest post" title="View the latest post" /></a> <br />on Mon Jan 01, 2024 10:00 am</span>
<?php } else { ?>
No posts<br />&nbsp;</span>
<?php } ?>
</dd></dl></li>
<?php } ?>
</ul>
<span class="corners-bottom"><span></span></span></div></div>
<ul class="linklist"><li><a href="./index.php?hash=1a2b3c4d&amp;mark=forums">Mark forums read</a></li></ul>
</div></div></body></html>
