// SPDX-License-Identifier: MIT
#pragma once
// The program's folders and the command line, as the start routine fixes
// them. Qt-free, so the rules can be tested on their own.
//
// The program reads its pictures from one folder and writes its files
// (forums.inf and the pages it shows) into another. Which ones is decided by
// the layout, not by permissions:
//  - portable layout: the executable has emo/ beside it (the build folder, a
//    copied program folder). Pictures come from the executable's folder, and
//    files are written there too when a file can be created in it; otherwise
//    into the user's data folder.
//  - installed layout: no emo/ beside the executable. Pictures come from the
//    installed data folder (the executable's folder followed by the relative
//    path from the install's bin folder to its data folder), and files are
//    always written into the user's data folder, even for root.

#include <string>
#include <string_view>
#include <vector>

namespace Startup {

// The folder that holds the executable with exactly one trailing '/':
// "/opt/quillforge" gives "/opt/quillforge/", the root folder "/" stays "/".
std::string AppFolderFromDir(std::string_view dir);

// What the start routine finds on disk, for ChooseFolders.
struct FolderFacts {
    std::string executableFolder;  // ending in '/'
    bool picturesBeside = false;   // executableFolder holds the folder emo/
    bool besideWritable = false;   // a file can be created in executableFolder
    std::string userDataFolder;    // the user's data folder, ending in '/'
};

struct ProgramFolders {
    std::string pictures;  // emo/ is read from here; ends in '/'
    std::string writable;  // forums.inf and the pages go here; ends in '/'
};

// The installed data folder seen from an executable in `executableFolder`
// (ending in '/'), `binToData` being the install's relative path from its bin
// folder to the program's data folder ("../share/quillforge"). The result is
// an absolute, lexically normal folder ending in '/': "/usr/bin/" gives
// "/usr/share/quillforge/".
std::string InstalledDataFolder(std::string_view executableFolder, std::string_view binToData);

// The folder pictures are read from: the executable's own when it has emo/
// beside it, otherwise the installed data folder.
std::string PictureFolder(std::string_view executableFolder, bool picturesBeside, std::string_view binToData);

// Both folders by the layout rule above.
ProgramFolders ChooseFolders(const FolderFacts& facts, std::string_view binToData);

// The command-line argument text is the program's arguments joined by single
// blanks; every double-quote character is removed from it and the rest is one
// path, blanks included. Two quoted paths therefore give one joined path.
std::string CommandLinePath(const std::vector<std::string>& arguments);

}  // namespace Startup
