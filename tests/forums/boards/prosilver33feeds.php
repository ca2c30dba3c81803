<?php
// prosilver 3.3, forum feeds on.
$version = '3.3';
$feeds = true;
include __DIR__ . '/prosilver_index.inc';
