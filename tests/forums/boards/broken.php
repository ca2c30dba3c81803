<?php
// A forum link, then a marker with nothing to end its number.
?>
<html><body><p><a href="viewforum.php?f=1">One</a></p><p>see ?f=2 for more</p></body></html>
