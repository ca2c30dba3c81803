<?php
// prosilver 3.0, forum feeds on.
$version = '3.0';
$feeds = true;
include __DIR__ . '/prosilver_index.inc';
