<?php
// An index page in other styles: capital-letter markup with the forum number
// after a session parameter, names with inner tags and spread over lines,
// a commented-out link, a forum address inside a script, and a forum jump
// that links forums a second time.
$s = "ab12cd";
?>
<HTML>
<HEAD><TITLE>Test community</TITLE></HEAD>
<BODY>
<TABLE class="tborder" cellpadding="6" cellspacing="1" border="0" width="100%">
<TR><TD class="tcat" colspan="2"><A HREF="forumdisplay.php?s=<?= $s ?>&amp;f=5">Community</A></TD></TR>
<TR><TD class="alt1Active"><DIV><A HREF="forumdisplay.php?s=<?= $s ?>&amp;f=6"><STRONG>Rules</STRONG></A></DIV>
<DIV class="smallfont">Read these first</DIV></TD>
<TD class="alt2"><A HREF="showthread.php?s=<?= $s ?>&amp;goto=lastpost&amp;t=77">Last post</A></TD></TR>
<TR><TD colspan="2"><A HREF="forumdisplay.php?s=<?= $s ?>&amp;f=7">
		Buy, sell
		&amp; "swap"
	</A></TD></TR>
</TABLE>
<!-- <a href="forumdisplay.php?f=8">Closed forum</a> -->
<P><A HREF="forumdisplay.php?f=9">Games</A> <A HREF="forumdisplay.php?f=10"><B>New</B> Releases</A></P>
<SCRIPT type="text/javascript">var jump = "forumdisplay.php?f=11"; var model = '<a href="x">y</a>';</SCRIPT>
<P><A HREF="forumdisplay.php?f=12">Music</A></P>
<DIV class="jump">Forum jump: <A HREF="forumdisplay.php?f=5">Community</A> | <A HREF="forumdisplay.php?f=9">Games</A></DIV>
</BODY>
</HTML>
