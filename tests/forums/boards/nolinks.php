<?php
// A board whose addresses name their forums another way: no forum links.
?>
<html><head><title>Other board</title></head>
<body>
<div id="forumlist"><table>
<tr><td><a href="listing.cgi?room=1">General Discussion</a></td></tr>
<tr><td><a href="listing.cgi?room=2">Help &amp; Support</a></td></tr>
</table></div>
</body></html>
