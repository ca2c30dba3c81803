// SPDX-License-Identifier: MIT
// quillforge-render: the preview's HTML fragment for a post, outside the
// editor (for scripts, other browsers and the benchmarks).
//
//   quillforge-render [--board KIND] [--site URL] [--user NAME] [--app-folder DIR] [--post] [FILE]
//
// Reads BBCode from FILE, or from standard input when FILE is missing or
// "-", and writes exactly the renderer's output to standard output, nothing
// added. With --post, FILE is a saved post file and its body is rendered.
// --board chooses the dialect by a board kind's settings key (board/Boards.h
// lists the kinds: phpbb3, phpbb2, mybb18, smf21): the HTML a board of that
// kind with its installer's settings shows (Board::Render; for phpbb3 with
// smilies under ./images/smilies/, for mybb18 under images/smilies/ with the
// reader's clock and time zone UTC, for smf21 under Smileys/fugue/ with
// links to index.php). Without it, and for phpbb2, the classic preview.
// --site gives the board's address (http or https; a "/" is added to a
// path without one): smiley pictures, quote links and the like then point
// there, as the preview of a site with that address writes them. --user
// gives the name of the poster, which "/me" lines show.
// When that board would refuse the post, its messages go to standard
// error, one per line, the HTML is still written when there is any, and
// the exit status is 1.
// --app-folder sets the folder that the classic preview's emoticon pictures
// are referred to from; by default the one the editor reads them from: this
// executable's folder when it has emo/ beside it, otherwise the installed
// data folder. Bad input gets one line on standard error and exit status 2;
// a failed write, exit status 1. Any byte sequence is valid BBCode.

#include "base/AppFolder.h"
#include "base/InstallLayout.h"
#include "base/TextFile.h"
#include "board/BoardProfile.h"
#include "board/Boards.h"
#include "post/PostFile.h"

#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <span>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The known kinds' keys, joined by `between` and, before the last, `last`.
std::string KindKeys(std::string_view between, std::string_view last)
{
    std::string keys;
    const std::span<const Board* const> kinds = Boards::Known();
    for (size_t i = 0; i < kinds.size(); ++i) {
        if (i > 0)
            keys += i + 1 == kinds.size() ? last : between;
        keys += kinds[i]->Key();
    }
    return keys;
}

std::string Usage()
{
    return "usage: quillforge-render [--board " + KindKeys("|", "|")
        + "] [--site URL] [--user NAME] [--app-folder DIR] [--post] [FILE]";
}

struct Options {
    std::string appFolder;  // empty: where the editor reads its pictures
    const Board* board = &Boards::Classic();
    std::string site;  // empty: none; else ending in "/"
    std::string user;
    bool post = false;
    std::string file;  // empty or "-": standard input
};

// The part of an http or https address before its "://" and up to the
// first "/" after it; empty when it is neither.
std::string_view Authority(std::string_view url)
{
    const size_t scheme = url.find("://");
    if (scheme == std::string_view::npos)
        return {};
    std::string name(url.substr(0, scheme));
    for (char& c : name)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    if (name != "http" && name != "https")
        return {};
    const std::string_view rest = url.substr(scheme + 3);
    return rest.substr(0, rest.find('/'));
}

bool IsSiteAddress(std::string_view url)
{
    return !Authority(url).empty() && url.find_first_of("?# \t\r\n") == std::string_view::npos;
}

// The site's scheme, host and port ("https://example.org"), in lower case.
std::string OriginOf(std::string_view site)
{
    std::string origin(site.substr(0, site.find("://") + 3));
    origin += Authority(site);
    for (char& c : origin)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return origin;
}

int Fail(const std::string& message)
{
    std::cerr << "quillforge-render: " << message << '\n';
    return 2;
}

// The options, or a message saying what is wrong with them.
std::optional<Options> ParseArguments(int argc, char** argv, std::string& error)
{
    Options options;
    bool haveFile = false;
    bool optionsEnd = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (!optionsEnd && arg == "--") {
            optionsEnd = true;
        } else if (!optionsEnd && arg == "--post") {
            options.post = true;
        } else if (!optionsEnd && (arg == "--board" || arg.rfind("--board=", 0) == 0)) {
            std::string board;
            if (arg == "--board") {
                if (i + 1 >= argc) {
                    error = "--board needs " + KindKeys(", ", " or ");
                    return std::nullopt;
                }
                board = argv[++i];
            } else {
                board = arg.substr(8);
            }
            options.board = Boards::Named(board);
            if (!options.board) {
                error = "unknown board " + board + ": " + KindKeys(", ", " or ");
                return std::nullopt;
            }
        } else if (!optionsEnd && (arg == "--site" || arg.rfind("--site=", 0) == 0)) {
            std::string site = arg == "--site" ? (i + 1 < argc ? argv[++i] : "") : arg.substr(7);
            if (!IsSiteAddress(site)) {
                error = "--site needs an address starting with http:// or https://, without ? or #";
                return std::nullopt;
            }
            if (site.back() != '/')
                site += '/';
            options.site = std::move(site);
        } else if (!optionsEnd && (arg == "--user" || arg.rfind("--user=", 0) == 0)) {
            if (arg == "--user" && i + 1 >= argc) {
                error = "--user needs a name";
                return std::nullopt;
            }
            options.user = arg == "--user" ? argv[++i] : arg.substr(7);
        } else if (!optionsEnd && (arg == "--app-folder" || arg.rfind("--app-folder=", 0) == 0)) {
            if (arg == "--app-folder") {
                if (i + 1 >= argc) {
                    error = "--app-folder needs a folder";
                    return std::nullopt;
                }
                options.appFolder = argv[++i];
            } else {
                options.appFolder = arg.substr(13);
            }
            if (options.appFolder.empty()) {
                error = "--app-folder needs a folder";
                return std::nullopt;
            }
        } else if (!optionsEnd && arg.size() > 1 && arg[0] == '-') {
            error = "unknown option " + arg;
            return std::nullopt;
        } else if (haveFile) {
            error = "only one file can be rendered, got " + options.file + " and " + arg;
            return std::nullopt;
        } else {
            options.file = arg;
            haveFile = true;
        }
    }
    return options;
}

// The folder that holds this executable, with its trailing '/'.
std::string ExecutableFolder(const char* argv0)
{
    std::string path(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length > 0)
        path.resize(size_t(length));
    else
        path = argv0;
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return "./";
    return Startup::AppFolderFromDir(slash == 0 ? "/" : std::string_view(path).substr(0, slash));
}

// The folder the editor beside this executable reads its pictures from.
std::string DefaultPictureFolder(const char* argv0)
{
    const std::string folder = ExecutableFolder(argv0);
    std::error_code code;
    const bool beside = std::filesystem::is_directory(folder + "emo", code);
    return Startup::PictureFolder(folder, beside, InstallLayout::BinToData);
}

std::optional<std::string> ReadInput(const std::string& file, std::string& error)
{
    if (file.empty() || file == "-") {
        std::ostringstream all;
        all << std::cin.rdbuf();
        if (std::cin.bad()) {
            error = "cannot read standard input";
            return std::nullopt;
        }
        return all.str();
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        error = "cannot read " + file + ": " + std::strerror(errno);
        return std::nullopt;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        error = "cannot read " + file;
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::cout << Usage() << '\n';
        return 0;
    }
    std::string error;
    const std::optional<Options> options = ParseArguments(argc, argv, error);
    if (!options)
        return Fail(error + " (" + Usage() + ")");
    std::optional<std::string> input = ReadInput(options->file, error);
    if (!input)
        return Fail(error);

    std::string bbcode;
    if (options->post) {
        const std::optional<PostFile::Parsed> parsed = PostFile::Read(TextFile::DecodeFileBytes(std::move(*input)));
        if (!parsed)
            return Fail((options->file.empty() || options->file == "-" ? std::string("standard input") : options->file)
                        + " is not a post file: its title and post markers are missing");
        bbcode = parsed->post;
    } else {
        bbcode = std::move(*input);
    }

    const std::string appFolder =
        options->appFolder.empty() ? DefaultPictureFolder(argv[0]) : Startup::AppFolderFromDir(options->appFolder);
    BoardProfile profile;
    profile.userName = options->user;
    SiteFacts site;
    site.address = options->site;
    if (!site.address.empty())
        site.origin = OriginOf(site.address);
    site.pictureFolder = appFolder;
    const BoardRendering rendered = options->board->DialectFor(profile, site)->Render(bbcode);
    const std::string& html = rendered.html;
    const std::vector<std::string>& refusals = rendered.refusals;
    if (std::fwrite(html.data(), 1, html.size(), stdout) != html.size() || std::fflush(stdout) != 0) {
        std::cerr << "quillforge-render: cannot write the output: " << std::strerror(errno) << '\n';
        return 1;
    }
    for (std::string message : refusals) {
        for (size_t at = message.find("<br />"); at != std::string::npos; at = message.find("<br />", at))
            message.replace(at, 6, "\n");
        std::cerr << message << '\n';
    }
    return refusals.empty() ? 0 : 1;
}
