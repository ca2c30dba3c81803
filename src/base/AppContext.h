// SPDX-License-Identifier: MIT
#pragma once
// The few program-wide things every window is given through its constructor:
// the program's two folders, the user's settings and the platform seams.

#include <QString>
#include <functional>
#include <string_view>

class Settings;
class Platform;

struct AppContext {
    AppContext() = default;
    // A program folder that holds its pictures and takes its files, as the
    // build folder and a portable copy do.
    AppContext(const QString& programFolder, Settings* userSettings, Platform* platformSeams)
        : pictureFolder(programFolder), writableFolder(programFolder), settings(userSettings), platform(platformSeams)
    {
    }

    QString pictureFolder;   // emo/ is read from here; ends in one '/'
    QString writableFolder;  // forums.inf and the pages go here; ends in one '/'
    Settings* settings = nullptr;
    Platform* platform = nullptr;
    // Which installed spelling dictionaries (by language tag) are offered;
    // empty: all of them. Tests offer only the dictionaries they write.
    std::function<bool(std::string_view tag)> offeredDictionaries = {};

    // A picture file: `pictureFolder` followed by a relative name ("emo/smile.gif").
    QString PictureFile(const QString& name) const { return pictureFolder + name; }
    // A file the program writes: `writableFolder` followed by a plain file name.
    // The folder may not exist yet; FileIO::MakeFolder creates it.
    QString WritableFile(const QString& name) const { return writableFolder + name; }
};
