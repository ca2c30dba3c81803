<?php
// A new thread in forum fid.
require __DIR__ . '/posting.inc';
posting_page(false);
