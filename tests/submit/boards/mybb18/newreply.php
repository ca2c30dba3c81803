<?php
// A reply to thread tid.
require __DIR__ . '/posting.inc';
posting_page(true);
