// SPDX-License-Identifier: MIT
#include "base/Settings.h"

#include <QSettings>
#include <QUrl>

namespace {

const QString OptionsGroup = QStringLiteral("Options");
const QString SiteAddressKey = QStringLiteral("SiteAdress");  // the stored key, spelt as it always was
const QString SiteNameKey = QStringLiteral("SiteName");
const QString CheckSpellingKey = QStringLiteral("CheckSpelling");
const QString SpellingLanguageKey = QStringLiteral("SpellingLanguage");
const QString HighlightKey = QStringLiteral("HighlightBBCode");
const QString KeepPastedLooksKey = QStringLiteral("KeepPastedColoursAndSizes");
const QString LivePreviewKey = QStringLiteral("LivePreview");
const QString LivePreviewSizesKey = QStringLiteral("LivePreviewSizes");
const QString NewTopicModeGroup = QStringLiteral("NewTopicMode");
const QString WindowsGroup = QStringLiteral("Windows");

const QString On = QStringLiteral("1");
const QString Off = QStringLiteral("0");

}  // namespace

QString Settings::value(const QString& group, const QString& key, const QString& defaultValue) const
{
    QSettings settings(AppName, AppName);
    settings.beginGroup(group);
    const QVariant value = settings.value(key);
    return value.isValid() ? value.toString() : defaultValue;
}

void Settings::setValue(const QString& group, const QString& key, const QString& value)
{
    QSettings settings(AppName, AppName);
    settings.beginGroup(group);
    // Writing the file flushes it to the disk: a value kept already is not
    // written again (start-up sets some to what they are).
    const QVariant kept = settings.value(key);
    if (kept.isValid() && kept.toString() == value)
        return;
    settings.setValue(key, value);
    settings.sync();
}

QString Settings::siteKey(const QString& siteAddress)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(siteAddress));
}

QString Settings::siteAddress(const QString& defaultValue) const
{
    return value(OptionsGroup, SiteAddressKey, defaultValue);
}

void Settings::setSiteAddress(const QString& address) { setValue(OptionsGroup, SiteAddressKey, address); }

QString Settings::siteName(const QString& defaultValue) const { return value(OptionsGroup, SiteNameKey, defaultValue); }

void Settings::setSiteName(const QString& name) { setValue(OptionsGroup, SiteNameKey, name); }

bool Settings::checkSpelling() const { return value(OptionsGroup, CheckSpellingKey, On) != Off; }

void Settings::setCheckSpelling(bool on) { setValue(OptionsGroup, CheckSpellingKey, on ? On : Off); }

QString Settings::spellingLanguage() const { return value(OptionsGroup, SpellingLanguageKey); }

void Settings::setSpellingLanguage(const QString& tag) { setValue(OptionsGroup, SpellingLanguageKey, tag); }

bool Settings::highlightBBCode() const { return value(OptionsGroup, HighlightKey, On) != Off; }

void Settings::setHighlightBBCode(bool on) { setValue(OptionsGroup, HighlightKey, on ? On : Off); }

bool Settings::keepPastedColoursAndSizes() const { return value(OptionsGroup, KeepPastedLooksKey, Off) == On; }

void Settings::setKeepPastedColoursAndSizes(bool on) { setValue(OptionsGroup, KeepPastedLooksKey, on ? On : Off); }
bool Settings::livePreview() const { return value(OptionsGroup, LivePreviewKey, Off) == On; }

void Settings::setLivePreview(bool on) { setValue(OptionsGroup, LivePreviewKey, on ? On : Off); }

QList<int> Settings::livePreviewSizes() const
{
    QList<int> sizes;
    for (const QString& each : value(OptionsGroup, LivePreviewSizesKey).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool number = false;
        const int size = each.toInt(&number);
        if (!number || size < 0)
            return {};
        sizes.append(size);
    }
    return sizes;
}

void Settings::setLivePreviewSizes(const QList<int>& sizes)
{
    QStringList texts;
    for (const int size : sizes)
        texts.append(QString::number(size));
    setValue(OptionsGroup, LivePreviewSizesKey, texts.join(QLatin1Char(' ')));
}

QString Settings::newTopicMode(const QString& siteAddress) const
{
    return value(NewTopicModeGroup, siteKey(siteAddress));
}

void Settings::setNewTopicMode(const QString& siteAddress, const QString& mode)
{
    setValue(NewTopicModeGroup, siteKey(siteAddress), mode);
}

QByteArray Settings::windowGeometry(const QString& window) const
{
    return QByteArray::fromBase64(value(WindowsGroup, window).toLatin1());
}

void Settings::setWindowGeometry(const QString& window, const QByteArray& geometry)
{
    setValue(WindowsGroup, window, QString::fromLatin1(geometry.toBase64()));
}
