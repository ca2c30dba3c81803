// SPDX-License-Identifier: MIT
#include "board/mybb18/Mybb18Renderer.h"

#include "board/mybb18/Mybb18Passes.h"
#include "board/mybb18/Mybb18Text.h"
#include "board/common/Unicode.h"

#include <cstring>
#include <ctime>

namespace Mybb18 {

std::vector<Smiley> DefaultSmilies(std::string_view pictureFolder)
{
    struct Row {
        const char* code;
        const char* name;
        const char* file;
    };
    static constexpr Row Rows[] = {
        {":)", "Smile", "smile.png"},
        {";)", "Wink", "wink.png"},
        {":cool:", "Cool", "cool.png"},
        {":D", "Big Grin", "biggrin.png"},
        {":P", "Tongue", "tongue.png"},
        {":rolleyes:", "Rolleyes", "rolleyes.png"},
        {":shy:", "Shy", "shy.png"},
        {":(", "Sad", "sad.png"},
        {":at:", "At", "at.png"},
        {":angel:", "Angel", "angel.png"},
        {":@", "Angry", "angry.png"},
        {":blush:", "Blush", "blush.png"},
        {":s", "Confused", "confused.png"},
        {":dodgy:", "Dodgy", "dodgy.png"},
        {":exclamation:", "Exclamation", "exclamation.png"},
        {":heart:", "Heart", "heart.png"},
        {":huh:", "Huh", "huh.png"},
        {":idea:", "Idea", "lightbulb.png"},
        {":sleepy:", "Sleepy", "sleepy.png"},
        {":-/", "Undecided", "undecided.png"},
        {":cry:", "Cry", "cry.png"},
        {":sick:", "Sick", "sick.png"},
        {":arrow:", "Arrow", "arrow.png"},
        {":my:", "My", "my.png"},
    };
    std::vector<Smiley> smilies;
    smilies.reserve(std::size(Rows));
    int id = 0;
    for (const Row& row : Rows)
        smilies.push_back({row.code, row.name, std::string(pictureFolder) + row.file, ++id});
    return smilies;
}

const SizeChoice SizeChoices[7] = {{"1", "xx-small"}, {"2", "x-small"}, {"3", "small"},   {"4", "medium"},
                                   {"5", "large"},    {"6", "x-large"}, {"7", "xx-large"}};

std::string QuoteOpening(std::string_view name, int64_t pid, int64_t dateline)
{
    const bool attributes = pid != 0 || dateline != 0;
    const bool doubleQuote = name.find('"') != std::string_view::npos;
    std::string tag = "[quote=";
    if (!attributes && doubleQuote && name.find('\'') == std::string_view::npos) {
        tag += "'" + std::string(name) + "']";
        return tag;
    }
    // The board takes a quote mark right before " pid=" or " dateline=" as
    // part of the attribute, so those marks in a name are written as
    // character references, which it shows as the marks.
    tag += '"';
    for (size_t at = 0; at < name.size(); ++at) {
        if (name[at] == '"')
            tag += "&#34;";
        else if (name[at] == '\'' && at + 1 == name.size() && attributes)
            tag += "&#39;";
        else
            tag += name[at];
    }
    tag += '"';
    if (pid != 0)
        tag += " pid='" + std::to_string(pid) + "'";
    if (dateline != 0)
        tag += " dateline='" + std::to_string(dateline) + "'";
    tag += ']';
    return tag;
}

namespace {

size_t Count(std::string_view text, std::string_view what)
{
    size_t n = 0;
    for (size_t at = Text::FindByte(text, 0, what[0]); at != std::string_view::npos;
         at = Text::FindByte(text, at + 1, what[0]))
        if (text.compare(at, what.size(), what) == 0) {
            ++n;
            at += what.size() - 1;
        }
    return n;
}

}  // namespace

// The board's steps: the posting form's clean-up (lone CRs dropped, blank
// characters trimmed from both ends), its checks of the message's length,
// the parse, then its checks of the pictures in the parsed post and of the
// videos in the message. A refused post is still parsed and written.
namespace {

// The message as the board checks and stores it: valid UTF-8 (each
// ill-formed sequence U+FFFD), no CR. One copy: ASCII is passed over eight
// bytes at a time, and copied in runs between CRs.
std::string Stored(std::string_view post)
{
    std::string text;
    text.reserve(post.size());
    size_t done = 0;  // what is before this in `post` is in `text`
    auto copyTo = [&](size_t end) {
        while (done < end) {
            const void* cr = std::memchr(post.data() + done, '\r', end - done);
            const size_t stop = cr ? size_t(static_cast<const char*>(cr) - post.data()) : end;
            text.append(post, done, stop - done);
            done = cr ? stop + 1 : end;
        }
    };
    for (size_t at = Unicode::NextNonAscii(post, 0); at < post.size(); at = Unicode::NextNonAscii(post, at)) {
        if (const size_t length = Unicode::ValidSequenceLength(post, at)) {
            at += length;
            continue;
        }
        copyTo(at);
        text += "\xEF\xBF\xBD";
        at += Unicode::IllFormedLength(post, at);
        done = at;
    }
    copyTo(post.size());
    return text;
}

}  // namespace

size_t CountBytes(std::string_view post) { return Text::TrimBlank(Stored(post)).size(); }

Result Render(std::string_view post, const Options& options)
{
    static const std::vector<Smiley> defaultSmilies = DefaultSmilies();
    // The message is trimmed in place, so that the parse can take its
    // buffer once it has read it.
    std::string message = Stored(post);
    const std::string_view trimmed = Text::TrimBlank(message);
    const size_t lead = size_t(trimmed.data() - message.data());
    message.resize(lead + trimmed.size());
    message.erase(0, lead);

    Passes::Context context{options, options.smilies ? *options.smilies : defaultSmilies,
                            options.now ? options.now : int64_t(std::time(nullptr))};
    Result result;
    result.bytes = message.size();
    result.videos = Count(message, "[video=");
    const size_t characters = Text::BoardLength(message);
    result.html = Passes::Parse(std::move(message), context);
    result.images = Count(result.html, "<img");

    const Limits& limits = options.limits;
    if (characters == 0)
        result.errors.push_back("The message is missing. Please enter a message.");
    else if (limits.maxBytes && result.bytes > limits.maxBytes)
        result.errors.push_back("The message is too long. Please enter a message shorter than "
                                + std::to_string(limits.maxBytes) + " characters (currently "
                                + std::to_string(result.bytes) + ").");
    else if (characters < limits.minChars)
        result.errors.push_back("The message is too short. Please enter a message longer than "
                                + std::to_string(limits.minChars) + " characters.");
    if (limits.maxImages && result.images > limits.maxImages)
        result.errors.push_back("The message you entered contained " + std::to_string(result.images)
                                + " images, while only " + std::to_string(limits.maxImages)
                                + " images per message are allowed. Please lower the image count in your message "
                                  "to meet the limit.");
    if (limits.maxVideos && result.videos > limits.maxVideos)
        result.errors.push_back("The message you entered contained " + std::to_string(result.videos)
                                + " videos, while only " + std::to_string(limits.maxVideos)
                                + " videos per message are allowed. Please lower the video count in your message "
                                  "to meet the limit.");
    return result;
}

}  // namespace Mybb18
