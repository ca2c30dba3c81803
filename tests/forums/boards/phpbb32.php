<?php
// A current-generation index page in the 3.2 style: every forum with posts
// carries two last-post links under its own number, one named by the
// topic's title and one holding an icon and hidden text; a forum lists a
// sub-forum of its own.
$forums = [
    2 => ['Your first forum', 'Welcome to phpBB3', null],
    3 => ['Meetings &amp; Exhibitions', 'Re: Spring fair &amp; stands', [6, 'Archive &amp; old']],
    4 => ['Support', null, null],
    5 => ['Off-topic', 'Anything &lt;goes&gt;', null],
];
?>
<!DOCTYPE html>
<html dir="ltr" lang="en-gb">
<head><meta charset="utf-8" /><title>yourdomain.com - Index page</title></head>
<body id="phpbb" class="nojs notouch section-index ltr ">
<div id="wrap" class="wrap"><a id="top" class="top-anchor" accesskey="t"></a>
<ul id="nav-breadcrumbs" class="nav-breadcrumbs linklist navlinks" role="menubar"><li class="breadcrumbs"><span class="crumb"><a href="./index.php" itemtype="http://data-vocabulary.org/Breadcrumb" accesskey="h" data-navbar-reference="index"><i class="icon fa-home fa-fw"></i><span>Board index</span></a></span></li></ul>
<div id="page-body" class="page-body" role="main">
<div class="forabg"><div class="inner">
<ul class="topiclist"><li class="header"><dl class="row-item">
<dt><div class="list-inner"><a href="./viewforum.php?f=1">Your first category</a></div></dt>
<dd class="topics">Topics</dd><dd class="posts">Posts</dd><dd class="lastpost"><span>Last post</span></dd>
</dl></li></ul>
<ul class="topiclist forums">
<?php foreach ($forums as $f => [$name, $last, $sub]) { ?>
<li class="row"><dl class="row-item forum_read"><dt title="No unread posts"><div class="list-inner">
<a href="./viewforum.php?f=<?= $f ?>" class="forumtitle"><?= $name ?></a>
<br />A forum of this board.
<?php if ($sub) { ?>
<br /><strong>Subforum:</strong> <a href="./viewforum.php?f=<?= $sub[0] ?>" class="subforum read" title="No unread posts"><i class="icon fa-file-o fa-fw  icon-blue icon-md" aria-hidden="true"></i><?= $sub[1] ?></a>
<?php } ?>
<div class="responsive-show" style="display: none;">Topics: <strong>1</strong></div>
</div></dt>
<dd class="topics">1 <dfn>Topics</dfn></dd><dd class="posts">1 <dfn>Posts</dfn></dd>
<dd class="lastpost"><span>
<?php if ($last) { ?>
<dfn>Last post</dfn>
<a href="./viewtopic.php?f=<?= $f ?>&amp;p=<?= $f ?>1#p<?= $f ?>1" title="<?= $last ?>" class="lastsubject"><?= $last ?></a> <br />
by <a href="./memberlist.php?mode=viewprofile&amp;u=2" style="color: #AA0000;" class="username-coloured">admin</a>
<a href="./viewtopic.php?f=<?= $f ?>&amp;p=<?= $f ?>1#p<?= $f ?>1" title="View the latest post"><i class="icon fa-external-link-square fa-fw icon-lightgray icon-md" aria-hidden="true"></i><span class="sr-only">View the latest post</span></a>
<br />Mon Jan 01, 2024 10:00 am
<?php } else { ?>
No posts<br />&nbsp;
<?php } ?>
</span></dd></dl></li>
<?php } ?>
</ul></div></div>
<div class="action-bar compact"><a href="./index.php?hash=1a2b3c4d&amp;mark=forums&amp;mark_time=1700000000" class="mark-read rightside" accesskey="m" data-ajax="mark_forums_read">Mark forums read</a></div>
</div></div></body></html>
