#include "app/AppFolder.h"

namespace Startup {

std::string AppFolderFromDir(std::string_view dir)
{
    std::string folder(dir);
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::string CommandLinePath(const std::vector<std::string>& arguments)
{
    std::string joined;
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (i > 0)
            joined += ' ';
        joined += arguments[i];
    }
    std::string path;
    path.reserve(joined.size());
    for (char c : joined)
        if (c != '"')
            path += c;
    return path;
}

}  // namespace Startup
