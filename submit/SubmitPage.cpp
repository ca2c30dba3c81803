#include "submit/SubmitPage.h"

namespace SubmitPage {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Appends `value` to `out` with & < > (and, with `quotes`, ") written as entities.
void AppendEscaped(std::string& out, std::string_view value, bool quotes)
{
    for (const char c : value) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"':
            if (quotes)
                out += "&quot;";
            else
                out += c;
            break;
        default: out += c;
        }
    }
}

// A line break right after the opening text-area tag is dropped by the
// browser, so a body that starts with one gets one more in front.
void AppendTextArea(std::string& out, std::string_view text)
{
    if (!text.empty() && (text.front() == '\r' || text.front() == '\n'))
        out += "\r\n";
    AppendEscaped(out, text, false);
}

// Piece 11: the paragraph with the topic or forum number. The value stands
// without quotes around it.
void AppendNumberParagraph(std::string& page, const Request& request)
{
    if (request.kind == PostKind::Reply) {
        page += "<p>Topic Number: <input type=\"text\" name=\"t\" value=";
        AppendEscaped(page, request.topicNumber, true);
    } else {
        page += "<p>Forum Number: <input type=\"text\" name=\"f\" value=";
        AppendEscaped(page, request.forumNumber, true);
    }
    page += " ></p>";
}

// Piece 13: the mode; a new topic's value carries its own double quotes.
std::string_view ModeValue(PostKind kind) { return kind == PostKind::Reply ? "reply" : "\"newtopic\""; }

}  // namespace

std::string_view Refusal(const Request& request)
{
    if (request.siteAddress.empty())
        return "you didn't specify a valid site address, please specify one at the options window";
    if (request.kind == PostKind::None)
        return "Please choose the type of your post, is it a New post or a reply?";
    if (request.kind == PostKind::Reply) {
        if (request.topicNumber.empty())
            return "Please specify the topic number";
        if (!IsTopicNumber(request.topicNumber))
            return "Post Number is not correctly specified";
    } else if (request.forumShown.empty()) {
        return "Please specify the Forum";
    }
    return {};
}

bool IsTopicNumber(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    const size_t digitsStart = i;
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    if (i == digitsStart)
        return false;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    return i == text.size();
}

std::string PostingAddress(std::string_view siteAddress)
{
    std::string address(siteAddress);
    address += "posting.php";
    return address;
}

bool FitsAsText(std::string_view page)
{
    constexpr std::string_view prefix = "data:text/html;charset=UTF-8,";
    constexpr size_t longestAddress = 2 * 1024 * 1024;
    size_t length = prefix.size();
    for (const char c : page) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || IsDigit(c) || c == '-' || c == '.'
                           || c == '_' || c == '~';
        length += plain ? 1 : 3;
    }
    return length <= longestAddress;
}

std::string EscapeAttribute(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    AppendEscaped(out, value, true);
    return out;
}

std::string EscapeTextArea(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 2);
    AppendTextArea(out, text);
    return out;
}

std::string Build(const Request& request)
{
    std::string page;
    page.reserve(1200 + request.siteAddress.size() + request.title.size() + request.body.size() + request.body.size() / 8);
    // Pieces 1 to 3: the form, sent to the forum's posting page.
    page += "<html><body bgcolor=\"#CCCCCC\"><form action=\"";
    AppendEscaped(page, PostingAddress(request.siteAddress), true);
    page += "\" method=\"POST\">";
    // Pieces 4 to 7: the title.
    page += "Title: <input type=\"text\" name=\"subject\" value=\"";
    AppendEscaped(page, request.title, true);
    page += '"';
    // Pieces 8 to 10: the body, in a read-only text area.
    page += " ><p>&nbsp;Post: <textarea name=\"message\"  rows=\"15\" cols=\"35\" wrap=\"virtual\" readonly=\"true\""
            " style=\"width:450px\"  >";
    AppendTextArea(page, request.body);
    page += "</textarea></p>";
    AppendNumberParagraph(page, request);
    // Pieces 12 to 14: the mode and the two check boxes.
    page += "<input type=\"hidden\" name=\"mode\" value=";
    page += ModeValue(request.kind);
    page += " > <!-- mode = reply for reply or newtopic for new post -->"
            "<input type=\"checkbox\" name=\"attach_sig\" checked=\"checked\" />Attach Signature<br />"
            "<input type=\"checkbox\" name=\"notify\"  />Notify me when a reply is posted<br /></p>";
    // Pieces 15 and 16: the Submit button and the closing note.
    page += "<p align=\"Center\"><input type=\"submit\" accesskey=\"s\" tabindex=\"6\" name=\"post\""
            " class=\"mainoption\" value=\"Submit\" /></p></form>";
    page += "<p style=\"{color: #FF0000; background-color: #FFFFCC;}\">Please wait for few moments for a confirmation"
            " of your submit, dont click twice</p></body></html>";
    page += "\r\n";
    return page;
}

}  // namespace SubmitPage
