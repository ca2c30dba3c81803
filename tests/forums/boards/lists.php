<?php
// An index page in the style of the list-based board templates: the
// category is a forum link itself, sub-forums are listed under their forum,
// and the last-post links name the forum too.
$sid = '9f8e7d6c';
?>
<!DOCTYPE html>
<html dir="ltr" lang="en-gb">
<head>
<meta charset="utf-8" />
<title>Test board - Index page</title>
</head>
<body id="phpbb" class="nojs notouch section-index ltr ">
<div id="wrap" class="wrap">
	<a id="top" class="top-anchor" accesskey="t"></a>
	<div class="navbar" role="navigation">
		<ul id="nav-breadcrumbs" class="nav-breadcrumbs linklist navlinks" role="menubar">
			<li class="breadcrumbs"><span class="crumb"><a href="./index.php?sid=<?= $sid ?>" accesskey="h" data-navbar-reference="index"><i class="icon fa-home fa-fw"></i><span>Board index</span></a></span></li>
		</ul>
	</div>
	<div class="forabg">
		<div class="inner">
		<ul class="topiclist">
			<li class="header">
				<dl class="row-item">
					<dt><div class="list-inner"><a href="./viewforum.php?f=1&amp;sid=<?= $sid ?>">Your first category</a></div></dt>
					<dd class="topics">Topics</dd>
					<dd class="posts">Posts</dd>
					<dd class="lastpost"><span>Last post</span></dd>
				</dl>
			</li>
		</ul>
		<ul class="topiclist forums">
			<li class="row">
				<dl class="row-item forum_read">
					<dt title="No unread posts">
						<div class="list-inner">
							<a href="./viewforum.php?f=2&amp;sid=<?= $sid ?>" class="forumtitle">Your first forum</a>
							<br />Description of your first forum.
							<br /><strong>Subforum:</strong>
							<a href="./viewforum.php?f=4&amp;sid=<?= $sid ?>" class="subforum read" title="No unread posts"><i class="icon fa-file-o fa-fw icon-blue icon-md" aria-hidden="true"></i>Archive</a>
						</div>
					</dt>
					<dd class="topics">1 <dfn>Topics</dfn></dd>
					<dd class="posts">1 <dfn>Posts</dfn></dd>
					<dd class="lastpost">
						<span>
							<dfn>Last post</dfn>
							<a href="./viewtopic.php?f=2&amp;p=1&amp;sid=<?= $sid ?>#p1" title="Welcome" class="lastsubject">Welcome</a> <br />
							by <a href="./memberlist.php?mode=viewprofile&amp;u=2&amp;sid=<?= $sid ?>" style="color: #AA0000;" class="username-coloured">admin</a>
							<a href="./viewtopic.php?f=2&amp;p=1&amp;sid=<?= $sid ?>#p1" title="View the latest post"><i class="icon fa-external-link-square fa-fw icon-lightgray icon-md" aria-hidden="true"></i><span class="sr-only">View the latest post</span></a>
							<br /><time datetime="2024-01-01T10:00:00+00:00">Mon Jan 01, 2024 10:00 am</time>
						</span>
					</dd>
				</dl>
			</li>
			<li class="row">
				<dl class="row-item forum_read">
					<dt title="No unread posts">
						<div class="list-inner">
							<a href="./viewforum.php?f=3&amp;sid=<?= $sid ?>" class="forumtitle">Q&amp;A</a>
							<br />Questions and answers.
						</div>
					</dt>
					<dd class="topics">0 <dfn>Topics</dfn></dd>
					<dd class="posts">0 <dfn>Posts</dfn></dd>
					<dd class="lastpost"><span>No posts<br />&nbsp;</span></dd>
				</dl>
			</li>
		</ul>
		</div>
	</div>
</div>
</body>
</html>
