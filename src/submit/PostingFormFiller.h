// SPDX-License-Identifier: MIT
#pragma once
// Fills a forum's posting form in the page a browser control shows. The
// program's script runs in a script world of its own, which the page's
// scripts cannot reach, and receives the title and body as data: the values
// are encoded by a JSON encoder into a string the script parses with
// JSON.parse, so no value ever becomes script text. Part of the web module.

#include "browser/PostingPage.h"

#include <QString>
#include <functional>

class QWebEnginePage;

class PostingFormFiller {
public:
    // Looks for a posting form in `page`; when `fill.fill` holds, writes the
    // title into its "subject" field (an empty title leaves the subject the
    // forum gave, such as a reply's "Re: ...") and the body into its
    // "message" field and, when the board's rich editor stands in for that
    // field, into the editor's source box, the editor switched to it; puts
    // the focus in the field the user types in with the caret at its start
    // and the field scrolled to its top. `done` receives what the page held (a
    // page that goes away first counts as Other).
    static void Run(QWebEnginePage* page, const PostingFill& fill, std::function<void(PostingPageKind)> done);

    // The script Run runs, for `fill`.
    static QString Script(const PostingFill& fill);
};
