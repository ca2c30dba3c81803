#pragma once
// The few program-wide things every window is given through its constructor:
// the program folder, the settings store and the platform seams.

#include <QString>
#include <functional>
#include <string_view>

class SettingsStore;
class Platform;

struct AppContext {
    QString appFolder;  // `AppFolder`: the executable's folder, ending in one '/'
    SettingsStore* settings = nullptr;
    Platform* platform = nullptr;
    // Which installed spelling dictionaries (by language tag) are offered;
    // empty: all of them. Tests offer only the dictionaries they write.
    std::function<bool(std::string_view tag)> offeredDictionaries = {};

    // `AppFolder` followed by a plain file name.
    QString FileInAppFolder(const QString& name) const { return appFolder + name; }
};
