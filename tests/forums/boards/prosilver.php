<?php
// A phpBB 3 index page in prosilver, as its forum list template writes it in
// one version (?version=3.0, 3.2 or 3.3), with forum feeds on or off
// (&feeds=on or off); a visitor without cookies gets a session id in 3.0 to
// 3.2. The link forum goes to another board's forum.
$version = $_GET['version'] ?? '3.3';
$feeds = ($_GET['feeds'] ?? 'off') === 'on';
$session = $version === '3.3' ? '' : 'sid=5e8a1c3f9b7d2e4a';
$sid = $session === '' ? '' : "&amp;$session";
$linkAddress = 'http://other.example.org/viewforum.php?f=9';
include __DIR__ . '/phpbb3_forums.inc';
$new = $version !== '3.0';
$feed = function ($f, $name) use ($version, $feeds) {
    if (!$feeds)
        return '';
    if ($version === '3.0')
        return '<!-- <a class="feed-icon-forum" title="Feed - ' . $name . '" href="http://forum.example.org/feed.php?f=' . $f . '"><img src="./styles/prosilver/theme/images/feed.gif" alt="Feed - ' . $name . '" /></a> -->';
    $link = '<a class="feed-icon-forum" title="Feed - ' . $name . '" href="./app.php/feed' . ($version === '3.2' ? '?f=' . $f : '/forum/' . $f) . '"><i class="icon fa-rss-square fa-fw icon-orange" aria-hidden="true"></i><span class="sr-only">Feed - ' . $name . '</span></a>';
    return $version === '3.2' ? "<!-- $link -->" : $link;
};
$lastPost = fn($f, $p) => $version === '3.3' ? "./viewtopic.php?p=$p#p$p" : "./viewtopic.php?f=$f&amp;p=$p$sid#p$p";
?>
<!DOCTYPE html>
<html dir="ltr" lang="en-gb">
<head><meta charset="utf-8" /><title>yourdomain.com - Index page</title></head>
<body id="phpbb" class="nojs notouch section-index ltr ">
<div id="wrap" class="wrap">
<div class="navbar"><ul class="linklist navlinks"><li class="icon-home"><a href="./index.php<?= $session === '' ? '' : "?$session" ?>" accesskey="h">Board index</a></li></ul></div>
<div id="page-body" class="page-body" role="main">
<?php foreach ($rows as [$c, $category, $forums]) { ?>
<div class="forabg"><div class="inner">
<ul class="topiclist"><li class="header"><dl class="<?= $new ? 'row-item' : 'icon' ?>">
<dt><div class="list-inner"><a href="./viewforum.php?f=<?= $c . $sid ?>"><?= $category ?></a></div></dt>
<dd class="topics">Topics</dd><dd class="posts">Posts</dd><dd class="lastpost"><span>Last post</span></dd>
</dl></li></ul>
<ul class="topiclist forums">
<?php foreach ($forums as [$f, $name, $description, $extra, $post]) {
    $isLink = is_string($extra);
    $address = $isLink ? $extra : "./viewforum.php?f=$f$sid"; ?>
<li class="row">
<dl class="<?= ($new ? 'row-item ' : 'icon ') . ($isLink ? 'forum_link' : 'forum_read') ?>">
<dt title="<?= $isLink ? 'Forum link' : 'No unread posts' ?>">
<?php if ($new) { ?><a href="<?= $address ?>" class="row-item-link"></a><?php } ?>
<div class="list-inner">
<?= $isLink ? '' : $feed($f, $name) ?>
<a href="<?= $address ?>" class="forumtitle"><?= $name ?></a>
<br /><?= $description ?>
<?php if (is_array($extra)) { ?>
<br /><strong>Subforum:</strong>
<a href="./viewforum.php?f=<?= $extra[0] . $sid ?>" class="subforum read" title="No unread posts"><?php if ($new) { ?><i class="icon fa-file-o fa-fw  icon-blue icon-md" aria-hidden="true"></i><?php } ?><?= $extra[1] ?></a>
<?php } ?>
</div></dt>
<?php if ($isLink) { ?>
<dd class="redirect"><span>Redirects: 12</span></dd>
<?php } else { ?>
<dd class="topics">1 <dfn>Topics</dfn></dd><dd class="posts">1 <dfn>Posts</dfn></dd>
<dd class="lastpost"><span>
<?php if ($post) { ?>
<dfn>Last post</dfn>
<?php if ($new) { ?><a href="<?= $lastPost($f, $post) ?>" title="Re: Hello" class="lastsubject">Re: Hello</a> <br /><?php } ?>
by <a href="./memberlist.php?mode=viewprofile&amp;u=2<?= $sid ?>" style="color: #AA0000;" class="username-coloured">admin</a>
<a href="<?= $lastPost($f, $post) ?>" title="View the latest post"><?= $new ? '<i class="icon fa-external-link-square fa-fw icon-lightgray icon-md" aria-hidden="true"></i><span class="sr-only">View the latest post</span>' : '<img src="./styles/prosilver/imageset/icon_topic_latest.gif" width="11" height="9" alt="View the latest post" title="View the latest post" />' ?></a>
<br />Mon Jan 01, 2024 10:00 am
<?php } else { ?>
No posts<br />&nbsp;
<?php } ?>
</span></dd>
<?php } ?>
</dl></li>
<?php } ?>
</ul></div></div>
<?php } ?>
</div></div></body></html>
