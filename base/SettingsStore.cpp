#include "base/SettingsStore.h"

#include <QSettings>

QString SettingsStore::GetSetting(const QString& appName, const QString& section, const QString& key,
                                  const QString& defaultValue) const
{
    QSettings settings(appName, appName);
    settings.beginGroup(section);
    const QVariant value = settings.value(key);
    return value.isValid() ? value.toString() : defaultValue;
}

void SettingsStore::SaveSetting(const QString& appName, const QString& section, const QString& key,
                                const QString& value)
{
    QSettings settings(appName, appName);
    settings.beginGroup(section);
    settings.setValue(key, value);
    settings.sync();
}
