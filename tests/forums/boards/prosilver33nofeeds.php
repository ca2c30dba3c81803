<?php
// prosilver 3.3, forum feeds off.
$version = '3.3';
$feeds = false;
include __DIR__ . '/prosilver_index.inc';
