<?php
// A page whose only forum links hold pictures: every entry has a blank name.
?>
<html><body>
<a href="./viewforum.php?f=2"><img src="forum.gif" alt="General"></a>
<a href="./viewtopic.php?f=2&amp;p=5#p5"> &nbsp; </a>
</body></html>
