<?php
// prosilver 3.2, forum feeds on.
$version = '3.2';
$feeds = true;
include __DIR__ . '/prosilver_index.inc';
