#pragma once
// The submission page `submit.htm`: one line of HTML holding a form, already
// filled in, that sends a new topic or a reply to the forum's `posting.php`.
// The user presses the page's own Submit button; the forum takes over from
// there. Qt-free.
//
// Every value the page carries is escaped for its place (attribute values:
// & " < >; the text area: & < >), so the forum receives the title and body
// exactly as typed, character for character. Everything around the values is
// fixed text.

#include <string>
#include <string_view>

namespace SubmitPage {

enum class PostKind { None, NewTopic, Reply };

// What Submit reads from the settings store and the main window.
struct Request {
    std::string_view siteAddress;  // as stored, normally ending in "/"
    PostKind kind = PostKind::None;
    std::string_view topicNumber;  // reply: the topic-number field, as typed
    std::string_view forumShown;   // new topic: the chooser's shown text (only tested for being empty)
    std::string_view forumNumber;  // new topic: `ForumNumber`
    std::string_view title;
    std::string_view body;  // BBCode, unrendered, CR LF line breaks
};

// The checks Submit makes before anything is written, in this order; the
// first one that fails gives its message and ends the command. Empty when
// every check passes.
std::string_view Refusal(const Request& request);

// One or more decimal digits, optionally surrounded by blanks.
bool IsTopicNumber(std::string_view text);

// The address the form is sent to: the site address followed by "posting.php".
std::string PostingAddress(std::string_view siteAddress);

// The page's one line followed by CR LF. Meant for a request without refusal.
std::string Build(const Request& request);

// Whether the browser takes the page as text (shown with a base address).
// It turns the text into a data address, every byte but letters, digits and
// "-._~" written as three characters, and refuses an address longer than
// 2 MiB, so a page mostly of blanks, markup or non-ASCII letters is refused
// from about 700 kB on.
bool FitsAsText(std::string_view page);

// A value as it is written inside an attribute: & " < > as entities.
std::string EscapeAttribute(std::string_view value);
// The text area's content: & < > as entities, and a line break at its very
// start written twice, since the browser drops the first line break that
// follows the opening text-area tag.
std::string EscapeTextArea(std::string_view text);

}  // namespace SubmitPage
