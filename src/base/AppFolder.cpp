// SPDX-License-Identifier: MIT
#include "base/AppFolder.h"

#include <filesystem>

namespace Startup {

std::string AppFolderFromDir(std::string_view dir)
{
    std::string folder(dir);
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::string InstalledDataFolder(std::string_view executableFolder, std::string_view binToData)
{
    std::filesystem::path path(executableFolder);
    path /= std::filesystem::path(binToData);
    // "/usr/bin/../share/quillforge" reads "/usr/share/quillforge"; no link is
    // followed, so a tree moved elsewhere keeps finding its own data.
    std::string folder = path.lexically_normal().generic_string();
    return AppFolderFromDir(folder);
}

std::string PictureFolder(std::string_view executableFolder, bool picturesBeside, std::string_view binToData)
{
    if (picturesBeside)
        return std::string(executableFolder);
    return InstalledDataFolder(executableFolder, binToData);
}

ProgramFolders ChooseFolders(const FolderFacts& facts, std::string_view binToData)
{
    ProgramFolders folders;
    folders.pictures = PictureFolder(facts.executableFolder, facts.picturesBeside, binToData);
    folders.writable =
        facts.picturesBeside && facts.besideWritable ? facts.executableFolder : AppFolderFromDir(facts.userDataFolder);
    return folders;
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
