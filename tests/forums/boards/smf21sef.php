<!DOCTYPE html>
<html lang="en-US">
<head>
	<meta charset="UTF-8">
	<link rel="stylesheet" href="http://127.0.0.1/smf/Themes/default/css/minified_8a7c2f.css?smf214_1683475207">
	<script>
		var smf_theme_url = "http://127.0.0.1/smf/Themes/default";
		var smf_default_theme_url = "http://127.0.0.1/smf/Themes/default";
		var smf_images_url = "http://127.0.0.1/smf/Themes/default/images";
		var smf_smileys_url = "http://127.0.0.1/smf/Smileys";
		var smf_smiley_sets = "fugue,alienine";
		var smf_smiley_sets_default = "fugue";
		var smf_avatars_url = "http://127.0.0.1/smf/avatars";
		var smf_scripturl = "http://127.0.0.1/smf/index.php";
		var smf_iso_case_folding = false;
		var smf_charset = "UTF-8";
		var smf_session_id = "5b1c0f2a3d4e5f60718293a4b5c6d7e8";
		var smf_session_var = "c4b2b01";
		var smf_member_id = 0;
	</script>
	<script src="https://ajax.googleapis.com/ajax/libs/jquery/3.6.3/jquery.min.js"></script>
	<meta name="viewport" content="width=device-width, initial-scale=1">
	<meta name="theme-color" content="#557EA0">
	<title>My Community - Index</title>
	<link rel="canonical" href="http://127.0.0.1/smf/index.php">
	<link rel="help" href="http://127.0.0.1/smf/index.php?action=help">
	<link rel="contents" href="http://127.0.0.1/smf/index.php">
</head>
<body id="firefox" class="action_home">
<div id="footerfix">
	<div id="top_section">
		<div class="inner_wrap">
			<ul class="floatleft" id="top_info">
				<li class="welcome">Welcome to <strong>My Community</strong>.</li><li class="button_login"><a href="http://127.0.0.1/smf/index.php?action=login" class="open" onclick="return reqOverlayDiv(this.href, 'Log in', 'login');"><span class="main_icons login"></span><span class="textmenu">Log in</span></a></li><li class="button_signup"><a href="http://127.0.0.1/smf/index.php?action=signup" class="open"><span class="main_icons regcenter"></span><span class="textmenu">Sign up</span></a></li>
			</ul>
		</div>
	</div>
	<div id="wrapper">
		<div id="upper_section">
			<div id="inner_section">
				<div id="inner_wrap" class="hide_720">
					<div class="news">
						<h2>News: </h2>
						<p>Welcome to <a href="http://127.0.0.1/smf/index.php/board,1.0.html">our board</a>!</p>
					</div>
				</div>
				<div class="navigate_section">
					<ul>
						<li class="last">
							<a href="http://127.0.0.1/smf/index.php"><span>My Community</span></a>
						</li>
					</ul>
				</div>
			</div>
		</div>
		<div id="content_section">
			<div id="main_content_section">
		<div id="boardindex_table" class="boardindex_table">
			<div class="main_container">
				<div class="cat_bar " id="category_1">
					<h3 class="catbg">
						<a id="c1"></a>General Category
					</h3>
				</div>
				<div id="category_1_boards" >
					<div id="board_1" class="up_contain ">
						<div class="board_icon">
							<a href="http://127.0.0.1/smf/index.php/board,1.0.html" class="board_on" title="New Posts"></a>
						</div>
						<div class="info">
							<a class="subject mobile_subject" href="http://127.0.0.1/smf/index.php/board,1.0.html" id="b1">
								General Discussion
							</a>
							<div class="board_description">Feel free to talk about anything and everything in this board.</div>
						</div><!-- .info -->
						<div class="board_stats">
							<p>
								Posts: 1<br>Topics: 1
							</p>
						</div>
						<div class="lastpost">
							<p><strong>Last post: </strong><strong>Today</strong> at 02:11 AM <span class="postby"><a href="http://127.0.0.1/smf/index.php/topic,1.msg1#new.html" title="Welcome to SMF!">Welcome to SMF!</a> by <a href="http://127.0.0.1/smf/index.php?action=profile;u=1">tester</a></span></p>
						</div>
					<div id="board_1_children" class="children">
						<p><strong id="child_list_1">Sub-Boards</strong><span><a href="http://127.0.0.1/smf/index.php/board,3.0.html" title="No New Posts (Topics: 0, Posts: 0)">Child Board</a></span>, <span class="strong"><a href="http://127.0.0.1/smf/index.php?action=unread;board=5" title="New Posts" class="new_posts">New</a><a href="http://127.0.0.1/smf/index.php/board,5.0.html" title="New Posts (Topics: 1, Posts: 1)">New &amp; Child</a></span></p>
					</div>
					</div><!-- #board_[id] -->
					<div id="board_2" class="up_contain ">
						<div class="board_icon">
							<a href="http://127.0.0.1/smf/index.php/board,2.0.html" class="board_off" title="No New Posts"></a>
						</div>
						<div class="info">
							<a class="subject mobile_subject" href="http://127.0.0.1/smf/index.php/board,2.0.html" id="b2">
								Second Board
							</a>
							<div class="board_description"></div>
						</div><!-- .info -->
						<div class="board_stats">
							<p>
								Posts: 1<br>Topics: 1
							</p>
						</div>
						<div class="lastpost"></div>
					</div><!-- #board_[id] -->
					<div id="board_4" class="up_contain ">
						<div class="board_icon">
							<a href="http://127.0.0.1/smf/index.php/board,4.0.html" class="board_redirect" title="Redirect Board"></a>
						</div>
						<div class="info">
							<a class="subject mobile_subject" href="http://127.0.0.1/smf/index.php/board,4.0.html" id="b4">
								Our Website
							</a>
							<div class="board_description">Goes elsewhere.</div>
						</div><!-- .info -->
						<div class="board_stats">
							<p>Redirects: 3</p>
						</div>
						<div class="lastpost"></div>
					</div><!-- #board_[id] -->
				</div><!-- #category_[id]_boards -->
			</div><!-- .main_container -->
			<div class="main_container">
				<div class="cat_bar " id="category_2">
					<h3 class="catbg">
						<a id="c2"></a>Caf&eacute; corner
					</h3>
				</div>
				<div id="category_2_boards" >
					<div id="board_6" class="up_contain ">
						<div class="board_icon">
							<a href="http://127.0.0.1/smf/index.php/board,6.0.html" class="board_off" title="No New Posts"></a>
						</div>
						<div class="info">
							<a class="subject mobile_subject" href="http://127.0.0.1/smf/index.php/board,6.0.html" id="b6">
								Café &amp; more
							</a>
							<div class="board_description"></div>
						</div><!-- .info -->
						<div class="board_stats">
							<p>
								Posts: 1<br>Topics: 1
							</p>
						</div>
						<div class="lastpost"></div>
					</div><!-- #board_[id] -->
				</div><!-- #category_[id]_boards -->
			</div><!-- .main_container -->
		</div><!-- #boardindex_table -->
			</div>
		</div>
	</div>
	<div id="footer">
		<div class="inner_wrap">
		<ul>
			<li class="floatright"><a href="http://127.0.0.1/smf/index.php?action=help">Help</a> | <a href="http://127.0.0.1/smf/index.php?action=agreement">Terms and Rules</a> | <a href="#top_section">Go Up &#9650;</a></li>
			<li class="copyright"><a href="http://127.0.0.1/smf/index.php?action=credits" title="License" target="_blank" rel="noopener">SMF 2.1.4 &copy; 2023</a>, <a href="https://www.simplemachines.org" title="Simple Machines" target="_blank" rel="noopener">Simple Machines</a></li>
		</ul>
		</div>
	</div>
</div><!-- #footerfix -->
</body>
</html>
