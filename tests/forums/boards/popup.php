<?php
// An index page seen by a member with a new private message who asked to be
// told in a pop-up: the page opens the pop-up by itself while it loads,
// without a click. The pop-up holds no forum links.
$sid = '5a4b3c2d';
?>
<!DOCTYPE html>
<html dir="ltr" lang="en-gb">
<head>
<meta charset="utf-8" />
<title>Test board - Index page</title>
<script>
	function popup(url, width, height, name) {
		if (!name) {
			name = '_popup';
		}
		window.open(url.replace(/&amp;/g, '&'), name, 'height=' + height + ',resizable=yes,scrollbars=yes, width=' + width);
		return false;
	}
</script>
</head>
<body id="phpbb" class="nojs notouch section-index ltr ">
<div id="wrap" class="wrap">
	<div id="message" class="rules">You have 1 new private message.</div>
	<ul class="topiclist forums">
		<li class="row"><dl class="row-item forum_read"><dt><div class="list-inner">
			<a href="./viewforum.php?f=2&amp;sid=<?= $sid ?>" class="forumtitle">Announcements</a>
		</div></dt></dl></li>
		<li class="row"><dl class="row-item forum_read"><dt><div class="list-inner">
			<a href="./viewforum.php?f=5&amp;sid=<?= $sid ?>" class="forumtitle">General chat</a>
		</div></dt></dl></li>
	</ul>
</div>
<script>
	popup('./nolinks.php?i=pm&amp;mode=popup&amp;sid=<?= $sid ?>', 400, 225, '_phpbbprivmsg');
</script>
</body>
</html>
