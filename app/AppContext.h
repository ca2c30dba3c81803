#pragma once
// The few program-wide things every window is given through its constructor:
// the program folder, the settings store and the platform seams.

#include <QString>

class SettingsStore;
class Platform;

struct AppContext {
    QString appFolder;  // `AppFolder`: the executable's folder, ending in one '/'
    SettingsStore* settings = nullptr;
    Platform* platform = nullptr;

    // `AppFolder` followed by a plain file name.
    QString FileInAppFolder(const QString& name) const { return appFolder + name; }
};
