// SPDX-License-Identifier: MIT
#include "base/Settings.h"

#include <QSettings>
#include <QUrl>

#include <algorithm>

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
const QString ZoomKey = QStringLiteral("Zoom");
const QString RecentPostsGroup = QStringLiteral("RecentPosts");
const QString NewTopicModeGroup = QStringLiteral("NewTopicMode");
const QString WindowsGroup = QStringLiteral("Windows");
const QString SitesGroup = QStringLiteral("Sites");
const QString OrderKey = QStringLiteral("Order");
const QString ChosenKey = QStringLiteral("Chosen");
const QString NextIdKey = QStringLiteral("NextId");
const QString RemovedKey = QStringLiteral("Removed");
const QString AddressKey = QStringLiteral("Address");
const QString NameKey = QStringLiteral("Name");
const QString PostFilesGroup = QStringLiteral("PostFiles");

QString SiteGroup(const QString& id) { return SitesGroup + QLatin1Char('/') + id; }
QString PostFileGroup(const QString& path) { return PostFilesGroup + QLatin1Char('/') + Settings::siteKey(path); }

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

QList<SiteEntry> Settings::sites() const
{
    QStringList ids = value(SitesGroup, OrderKey).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (ids.isEmpty())
        ids.append(FirstSiteId);
    QList<SiteEntry> sites;
    for (const QString& id : ids) {
        if (sites.isEmpty())
            sites.append({id, siteAddress(), siteName()});
        else
            sites.append({id, value(SiteGroup(id), AddressKey), value(SiteGroup(id), NameKey)});
    }
    return sites;
}

void Settings::setSites(const QList<SiteEntry>& sites)
{
    if (sites.isEmpty())
        return;
    QStringList removed = removedSites();
    QStringList ids;
    for (const SiteEntry& site : sites)
        ids.append(site.id);
    {
        QSettings settings(AppName, AppName);
        // The first site's group goes too: it is kept in [Options].
        for (const SiteEntry& old : this->sites()) {
            settings.remove(SiteGroup(old.id));
            if (!ids.contains(old.id))
                removed.append(old.id);
        }
        settings.sync();
    }
    setSiteAddress(sites.first().address);
    setSiteName(sites.first().name);
    for (qsizetype index = 1; index < sites.size(); ++index) {
        setValue(SiteGroup(sites[index].id), AddressKey, sites[index].address);
        setValue(SiteGroup(sites[index].id), NameKey, sites[index].name);
    }
    setValue(SitesGroup, OrderKey, ids.join(QLatin1Char(' ')));
    setValue(SitesGroup, RemovedKey, removed.join(QLatin1Char(' ')));
}

QString Settings::newSiteId()
{
    int next = value(SitesGroup, NextIdKey).toInt();
    for (const SiteEntry& site : sites())
        next = std::max(next, site.id.toInt() + 1);
    for (const QString& id : removedSites())
        next = std::max(next, id.toInt() + 1);
    next = std::max(next, 2);
    setValue(SitesGroup, NextIdKey, QString::number(next + 1));
    return QString::number(next);
}

SiteEntry Settings::chosenSite() const
{
    const QList<SiteEntry> all = sites();
    const QString chosen = value(SitesGroup, ChosenKey);
    for (const SiteEntry& site : all)
        if (site.id == chosen)
            return site;
    return all.first();
}

void Settings::setChosenSite(const QString& id) { setValue(SitesGroup, ChosenKey, id); }

QStringList Settings::removedSites() const
{
    return value(SitesGroup, RemovedKey).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

void Settings::clearRemovedSites() { setValue(SitesGroup, RemovedKey, QString()); }

void Settings::addRemovedSites(const QStringList& ids)
{
    if (ids.isEmpty())
        return;
    setValue(SitesGroup, RemovedKey, (removedSites() + ids).join(QLatin1Char(' ')));
}

PostTarget Settings::postTarget(const QString& path) const
{
    const QString group = PostFileGroup(path);
    return {value(group, QStringLiteral("Site")), value(group, QStringLiteral("Forum")),
            value(group, QStringLiteral("Topic"))};
}

void Settings::setPostTarget(const QString& path, const PostTarget& target)
{
    const QString group = PostFileGroup(path);
    setValue(group, QStringLiteral("Site"), target.site);
    setValue(group, QStringLiteral("Forum"), target.forum);
    setValue(group, QStringLiteral("Topic"), target.topic);
}

void Settings::forgetPostTarget(const QString& path)
{
    QSettings settings(AppName, AppName);
    settings.remove(PostFileGroup(path));
    settings.sync();
}

int Settings::zoom() const { return value(OptionsGroup, ZoomKey).toInt(); }

void Settings::setZoom(int steps) { setValue(OptionsGroup, ZoomKey, QString::number(steps)); }

QStringList Settings::recentPosts() const
{
    QStringList paths;
    QSettings settings(AppName, AppName);
    settings.beginGroup(RecentPostsGroup);
    for (int number = 1;; ++number) {
        const QString path = settings.value(QStringLiteral("File%1").arg(number)).toString();
        if (path.isEmpty())
            return paths;
        paths.append(path);
    }
}

void Settings::setRecentPosts(const QStringList& paths)
{
    if (paths == recentPosts())
        return;
    QSettings settings(AppName, AppName);
    settings.remove(RecentPostsGroup);
    settings.beginGroup(RecentPostsGroup);
    for (qsizetype i = 0; i < paths.size(); ++i)
        settings.setValue(QStringLiteral("File%1").arg(i + 1), paths[i]);
    settings.endGroup();
    settings.sync();
}
