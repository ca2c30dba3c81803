<!DOCTYPE html PUBLIC "-//W3C//DTD XHTML 1.0 Transitional//EN" "http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd"><!-- start: index -->
<html xml:lang="en" lang="en" xmlns="http://www.w3.org/1999/xhtml">
<head>
<title>Forums</title>
<!-- start: headerinclude -->
<link rel="alternate" type="application/rss+xml" title="Latest Threads (RSS 2.0)" href="http://127.0.0.1/mybb/syndication.php" />
<script type="text/javascript">
<!--
	lang.unknown_error = "An unknown error has occurred.";
	var cookieDomain = "";
	var cookiePath = "/";
	var cookiePrefix = "";
	var cookieSecureFlag = "0";
	var deleteevent_confirm = "Are you sure you want to delete this event?";
	var removeattach_confirm = "Are you sure you want to remove the selected attachment from this post?";
	var loading_text = 'Loading. <br />Please Wait..';
	var saving_changes = 'Saving changes..';
	var use_xmlhttprequest = "1";
	var my_post_key = "3c5f6e8a9b0c1d2e3f4a5b6c7d8e9f00";
	var rootpath = "http://127.0.0.1/mybb";
	var imagepath = "http://127.0.0.1/mybb/images";
  	var yes_confirm = "Yes";
	var no_confirm = "No";
	var MyBBEditor = null;
	var spinner_image = "http://127.0.0.1/mybb/images/spinner.gif";
	var spinner = "<img src='" + spinner_image +"' alt='' />";
	var modal_zindex = 9999;
// -->
</script>
<!-- end: headerinclude -->
</head>
<body>
<!-- start: header -->
<div id="container">
<a name="top" id="top"></a>
<div id="header">
<div id="logo">
<div class="wrapper">
<a href="http://127.0.0.1/mybb/index.php"><img src="images/logo.png" alt="Forums" title="Forums" /></a>
<ul class="menu top_links">
<li><a href="http://127.0.0.1/mybb/search.php" class="search">Search</a></li>
<li><a href="http://127.0.0.1/mybb/memberlist.php" class="memberlist">Member List</a></li>
<li><a href="http://127.0.0.1/mybb/misc.php?action=help" class="help">Help</a></li>
</ul>
</div>
</div>
<div id="panel">
<div class="upper">
<div class="wrapper">
<!-- start: header_welcomeblock_guest -->
<span class="welcome">Hello There, Guest! <a href="http://127.0.0.1/mybb/member.php?action=login" onclick="$('#quick_login').modal({ fadeDuration: 250, keepelement: true, zIndex: (typeof modal_zindex !== 'undefined' ? modal_zindex : 9999) }); return false;" class="login">Login</a> <a href="http://127.0.0.1/mybb/member.php?action=register" class="register">Register</a></span>
<div class="modal" id="quick_login" style="display: none;">
<form method="post" action="http://127.0.0.1/mybb/member.php">
<input name="action" type="hidden" value="do_login" />
<input name="url" type="hidden" value="" />
<input name="quick_login" type="hidden" value="1" />
<input name="my_post_key" type="hidden" value="3c5f6e8a9b0c1d2e3f4a5b6c7d8e9f00" />
<table width="100%" cellspacing="0" cellpadding="5" border="0" class="tborder">
<tr><td class="thead" colspan="2"><strong>Login</strong></td></tr>
<tr><td class="trow1" width="25%"><strong>Username:</strong></td><td class="trow1"><input name="quick_username" id="quick_login_username" type="text" value="" class="textbox initial_focus" /></td></tr>
<tr><td class="trow2"><strong>Password:</strong></td><td class="trow2"><input name="quick_password" id="quick_login_password" type="password" value="" class="textbox" /><br />
<a href="http://127.0.0.1/mybb/member.php?action=lostpw" class="lost_password">Lost Password?</a></td></tr>
<tr><td class="trow1">&nbsp;</td><td class="trow1 remember_me"><input name="quick_remember" id="quick_login_remember" type="checkbox" value="yes" class="checkbox" checked="checked" /><label for="quick_login_remember">Remember me</label></td></tr>
<tr><td class="trow2" colspan="2"><div align="center"><input name="submit" type="submit" class="button" value="Login" /></div></td></tr>
</table>
</form>
</div>
<!-- end: header_welcomeblock_guest -->
</div>
</div>
</div>
</div>
<div id="content">
<div class="wrapper">
<!-- start: nav -->
<div class="navigation">
<!-- start: nav_bit_active --><span class="active">Forums</span><!-- end: nav_bit_active -->
</div>
<!-- end: nav -->
<br />
<!-- end: header -->
<!-- start: forumbit_depth1_cat -->
<table border="0" cellspacing="0" cellpadding="5" class="tborder">
<thead>
<tr>
<td class="thead" colspan="5">
<div class="expcolimage"><img src="images/collapse.png" id="cat_1_img" class="expander" alt="[-]" title="[-]" /></div>
<div><strong><a href="forumdisplay.php?fid=1">My Category</a></strong><br /><div class="smalltext"></div></div>
</td>
</tr>
</thead>
<tbody style="" id="cat_1_e">
<tr>
<td class="tcat" colspan="2"><span class="smalltext"><strong>Forum</strong></span></td>
<td class="tcat" width="85" align="center" style="white-space: nowrap"><span class="smalltext"><strong>Threads</strong></span></td>
<td class="tcat" width="85" align="center" style="white-space: nowrap"><span class="smalltext"><strong>Posts</strong></span></td>
<td class="tcat" width="200" align="center"><span class="smalltext"><strong>Last Post</strong></span></td>
</tr>
<!-- start: forumbit_depth2_forum -->
<tr>
<td class="trow1" align="center" valign="top" width="1"><span class="forum_status forum_on ajax_mark_read" title="Forum Contains New Posts" id="mark_read_2"></span></td>
<td class="trow1" valign="top">
<strong><a href="forumdisplay.php?fid=2">General chat</a></strong><div class="smalltext">Talk here.<!-- start: forumbit_subforums -->
<br /><strong>Sub Forums:</strong> <div title="Forum Contains No New Posts" class="subforumicon subforum_minioff ajax_mark_read" id="mark_read_4"></div><a href="forumdisplay.php?fid=4" title="">Child A</a>, <div title="Forum Contains No New Posts" class="subforumicon subforum_minioff ajax_mark_read" id="mark_read_5"></div><a href="forumdisplay.php?fid=5" title="">Child &amp; B</a>
<!-- end: forumbit_subforums --></div>
</td>
<td class="trow1" valign="top" align="center" style="white-space: nowrap">1</td>
<td class="trow1" valign="top" align="center" style="white-space: nowrap">2</td>
<td class="trow1" valign="top" align="right" style="white-space: nowrap"><!-- start: forumbit_depth2_forum_lastpost -->
<span class="smalltext">
<a href="showthread.php?tid=9&amp;action=lastpost" title="Hello &amp; welcome"><strong>Hello &amp; welcome</strong></a>
<br /><span title="11-14-2023">Yesterday</span>, 10:13 PM<br />by <a href="http://127.0.0.1/mybb/member.php?action=profile&amp;uid=1">tester</a></span>
<!-- end: forumbit_depth2_forum_lastpost --></td>
</tr>
<!-- end: forumbit_depth2_forum -->
<!-- start: forumbit_depth2_forum -->
<tr>
<td class="trow2" align="center" valign="top" width="1"><span class="forum_status forum_offlink ajax_mark_read" title="Redirect Forum" id="mark_read_3"></span></td>
<td class="trow2" valign="top">
<strong><a href="forumdisplay.php?fid=3">Our Website</a></strong><div class="smalltext"></div>
</td>
<td class="trow2" valign="top" align="center" style="white-space: nowrap">-</td>
<td class="trow2" valign="top" align="center" style="white-space: nowrap">-</td>
<td class="trow2" valign="top" align="right" style="white-space: nowrap"><div style="text-align: center;">-</div></td>
</tr>
<!-- end: forumbit_depth2_forum -->
</tbody>
</table>
<br />
<!-- end: forumbit_depth1_cat -->
<!-- start: forumbit_depth1_cat -->
<table border="0" cellspacing="0" cellpadding="5" class="tborder">
<thead>
<tr>
<td class="thead" colspan="5">
<div class="expcolimage"><img src="images/collapse.png" id="cat_6_img" class="expander" alt="[-]" title="[-]" /></div>
<div><strong><a href="forumdisplay.php?fid=6">Second &amp; Category</a></strong><br /><div class="smalltext"></div></div>
</td>
</tr>
</thead>
<tbody style="" id="cat_6_e">
<tr>
<td class="tcat" colspan="2"><span class="smalltext"><strong>Forum</strong></span></td>
<td class="tcat" width="85" align="center" style="white-space: nowrap"><span class="smalltext"><strong>Threads</strong></span></td>
<td class="tcat" width="85" align="center" style="white-space: nowrap"><span class="smalltext"><strong>Posts</strong></span></td>
<td class="tcat" width="200" align="center"><span class="smalltext"><strong>Last Post</strong></span></td>
</tr>
<!-- start: forumbit_depth2_forum -->
<tr>
<td class="trow1" align="center" valign="top" width="1"><span class="forum_status forum_off ajax_mark_read" title="Forum Contains No New Posts" id="mark_read_7"></span></td>
<td class="trow1" valign="top">
<strong><a href="forumdisplay.php?fid=7">Café &amp; Announcements</a></strong><div class="smalltext"></div>
</td>
<td class="trow1" valign="top" align="center" style="white-space: nowrap">1</td>
<td class="trow1" valign="top" align="center" style="white-space: nowrap">2</td>
<td class="trow1" valign="top" align="right" style="white-space: nowrap"><!-- start: forumbit_depth2_forum_lastpost_never --><div style="text-align: center;">Never</div><!-- end: forumbit_depth2_forum_lastpost_never --></td>
</tr>
<!-- end: forumbit_depth2_forum -->
</tbody>
</table>
<br />
<!-- end: forumbit_depth1_cat -->
<!-- start: index_boardstats -->
<table border="0" cellspacing="0" cellpadding="5" class="tborder">
<tr><td class="thead"><strong>Board Statistics</strong></td></tr>
<tr><td class="trow1"><span class="smalltext">Our members have made a total of 2 posts in 1 threads.<br />Please welcome our newest member, <a href="http://127.0.0.1/mybb/member.php?action=profile&amp;uid=1">tester</a><br /><a href="stats.php">View Forum Statistics</a></span></td></tr>
</table>
<!-- end: index_boardstats -->
<!-- start: footer -->
</div>
</div>
<div id="footer">
<div class="lower">
<div class="wrapper">
<span id="current_time"><strong>Current time:</strong> 11-15-2023, 10:13 PM</span>
<span id="copyright">
<!-- MyBB is free software developed and maintained by a volunteer community.
It would be much appreciated by the MyBB Group if you left the full copyright and "powered by" notice intact,
to show your support for MyBB.  If you choose to remove or modify the copyright below,
you may be refused support on the MyBB Community Forums.

This is free software, support us and we'll support you. -->
Powered By <a href="https://mybb.com" target="_blank" rel="noopener">MyBB</a>, &copy; 2002-2023 <a href="https://mybb.com" target="_blank" rel="noopener">MyBB Group</a>.
<!-- End powered by -->
</span>
</div>
</div>
<ul class="menu bottom_links">
<li><a href="http://127.0.0.1/mybb/index.php">Forums</a></li>
<li><a href="http://127.0.0.1/mybb/archive/index.php">Lite (Archive) Mode</a></li>
<li><a href="misc.php?action=markread">Mark all forums read</a></li>
</ul>
</div>
<!-- end: footer -->
</div>
</body>
</html>
<!-- end: index -->
