<?php
// The older-generation board: modes newtopic and reply, a hidden sid on the
// posting form that must equal the session id, a login page of its own.
require __DIR__ . '/../common.php';

const COOKIE = 'phpbb2mysql';
