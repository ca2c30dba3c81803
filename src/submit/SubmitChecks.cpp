// SPDX-License-Identifier: MIT
#include "submit/SubmitChecks.h"

#include "base/Translatable.h"

namespace SubmitChecks {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string_view Refusal(const Request& request)
{
    if (request.siteAddress.empty())
        return QF_TRANSLATABLE("SubmitChecks",
                               "you didn't specify a valid site address, please specify one at the options window");
    if (request.kind == PostKind::None)
        return QF_TRANSLATABLE("SubmitChecks", "Please choose the type of your post, is it a New post or a reply?");
    if (request.kind == PostKind::Reply) {
        if (request.topicNumber.empty())
            return QF_TRANSLATABLE("SubmitChecks", "Please specify the topic number");
        if (!IsTopicNumber(request.topicNumber))
            return QF_TRANSLATABLE("SubmitChecks", "Post Number is not correctly specified");
    } else if (request.forumShown.empty()) {
        return QF_TRANSLATABLE("SubmitChecks", "Please specify the Forum");
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

}  // namespace SubmitChecks
