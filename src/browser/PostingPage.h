// SPDX-License-Identifier: MIT
#pragma once
// What the browser window found on a page when asked to fill a forum's
// posting form. Qt-free.
//
// A posting form is a form holding an input named "subject" and a text area
// named "message"; a login form is a form holding a password field.

#include <string>

enum class PostingPageKind {
    Filled,       // a posting form, now holding the post, the focus in its message field
    PostingForm,  // a posting form, left as it was (filling was not wanted)
    LoginForm,    // no posting form, but a login form
    Other,        // neither: the forum's answer, shown as it is
};

// The post to write into a posting form. The body's line breaks are LF, as a
// text area holds them; the browser sends each as CR LF.
struct PostingFill {
    std::string title;
    std::string body;
    bool fill = true;  // false: only look at the page
    // The forum's host name (lower case, IDN in its ASCII form): a page on
    // any other host counts as Other and is never filled. Empty: any host.
    std::string host;
};
