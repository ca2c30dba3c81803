#pragma once
// The per-user settings store: strings only, read with a default and written.
// An application name and a section address a group of keys; on Linux they map
// onto QSettings with the application name as organisation and application,
// the section as group (~/.config/Quillforge/Quillforge.conf).

#include <QString>

class SettingsStore {
public:
    static inline const QString AppName = QStringLiteral("Quillforge");
    static inline const QString Section = QStringLiteral("Options");
    static inline const QString SiteAdressKey = QStringLiteral("SiteAdress");
    static inline const QString SiteNameKey = QStringLiteral("SiteName");

    // The stored string, or `defaultValue` when the key was never written.
    QString GetSetting(const QString& appName, const QString& section, const QString& key,
                       const QString& defaultValue = QString()) const;
    void SaveSetting(const QString& appName, const QString& section, const QString& key,
                     const QString& value);

    // The program's own keys under "Quillforge" / "Options".
    QString Get(const QString& key, const QString& defaultValue = QString()) const
    {
        return GetSetting(AppName, Section, key, defaultValue);
    }
    void Save(const QString& key, const QString& value) { SaveSetting(AppName, Section, key, value); }
};
