<?php
// A board whose addresses name their boards another way: no forum links.
?>
<html><head><title>Other board</title></head>
<body>
<div id="boardindex"><table>
<tr><td><a href="index.php?board=1.0">General Discussion</a></td></tr>
<tr><td><a href="index.php?board=2.0">Help &amp; Support</a></td></tr>
</table></div>
</body></html>
