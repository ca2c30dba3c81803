// SPDX-License-Identifier: MIT
#pragma once
// The checks Submit makes before the browser window opens: a site address, a
// kind of post, and a topic number or a chosen forum. Qt-free.

#include <string_view>

namespace SubmitChecks {

enum class PostKind { None, NewTopic, Reply };

// What Submit reads from the settings store and the main window.
struct Request {
    std::string_view siteAddress;  // as stored, normally ending in "/"
    PostKind kind = PostKind::None;
    std::string_view topicNumber;  // reply: the topic-number field, as typed
    std::string_view forumShown;   // new topic: the chooser's shown text (only tested for being empty)
    std::string_view forumNumber;  // new topic: `ForumNumber`
};

// The checks in their order; the first one that fails gives its message and
// ends the command. Empty when every check passes.
std::string_view Refusal(const Request& request);

// One or more decimal digits, optionally surrounded by blanks.
bool IsTopicNumber(std::string_view text);

}  // namespace SubmitChecks
