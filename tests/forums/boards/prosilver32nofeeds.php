<?php
// prosilver 3.2, forum feeds off.
$version = '3.2';
$feeds = false;
include __DIR__ . '/prosilver_index.inc';
