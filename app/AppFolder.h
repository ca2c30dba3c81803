#pragma once
// The program folder and the command line, as the start routine fixes them.
// Qt-free, so the rules can be tested on their own.

#include <string>
#include <string_view>
#include <vector>

namespace Startup {

// The folder that holds the executable with exactly one trailing '/':
// "/opt/quillforge" gives "/opt/quillforge/", the root folder "/" stays "/".
std::string AppFolderFromDir(std::string_view dir);

// The command-line argument text is the program's arguments joined by single
// blanks; every double-quote character is removed from it and the rest is one
// path, blanks included. Two quoted paths therefore give one joined path.
std::string CommandLinePath(const std::vector<std::string>& arguments);

}  // namespace Startup
