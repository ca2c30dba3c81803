// SPDX-License-Identifier: MIT
#include "board/BoardProfiles.h"

#include "base/Settings.h"
#include "base/Utf8.h"
#include "board/Boards.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace BoardProfiles {

namespace {

const QString FoundKey = QStringLiteral("Found");
const QString FoundOnKey = QStringLiteral("FoundOn");
const QString ChoiceKey = QStringLiteral("Choice");
const QString SmiliesKey = QStringLiteral("Smilies");
const QString TagsKey = QStringLiteral("Tags");
const QString MaxCharsKey = QStringLiteral("MaxChars");
const QString MaxFontSizeKey = QStringLiteral("MaxFontSize");
const QString UserNameKey = QStringLiteral("UserName");
const QString Automatic = QStringLiteral("automatic");

QString GroupOf(const QString& siteAddress) { return Group + QLatin1Char('/') + Settings::siteKey(siteAddress); }

QString Get(const Settings& settings, const QString& siteAddress, const QString& key)
{
    return settings.value(GroupOf(siteAddress), key);
}

void Put(Settings& settings, const QString& siteAddress, const QString& key, const QString& value)
{
    settings.setValue(GroupOf(siteAddress), key, value);
}

const Board* KindNamed(const QString& key) { return Boards::Named(ToUtf8(key)); }

QString SmiliesJson(const std::vector<BoardSmiley>& smilies)
{
    QJsonArray array;
    for (const BoardSmiley& smiley : smilies)
        array.append(QJsonObject{{QStringLiteral("code"), ToQString(smiley.code)},
                                 {QStringLiteral("title"), ToQString(smiley.title)},
                                 {QStringLiteral("picture"), ToQString(smiley.picture)},
                                 {QStringLiteral("width"), smiley.width},
                                 {QStringLiteral("height"), smiley.height},
                                 {QStringLiteral("id"), smiley.id}});
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

std::vector<BoardSmiley> SmiliesFrom(const QString& json)
{
    std::vector<BoardSmiley> smilies;
    for (const QJsonValue& value : QJsonDocument::fromJson(json.toUtf8()).array()) {
        const QJsonObject row = value.toObject();
        BoardSmiley smiley{ToUtf8(row.value(QStringLiteral("code")).toString()),
                           ToUtf8(row.value(QStringLiteral("title")).toString()),
                           ToUtf8(row.value(QStringLiteral("picture")).toString()),
                           row.value(QStringLiteral("width")).toInt(), row.value(QStringLiteral("height")).toInt(),
                           row.value(QStringLiteral("id")).toInt()};
        if (!smiley.code.empty() && !smiley.picture.empty())
            smilies.push_back(std::move(smiley));
    }
    return smilies;
}

QString TagsJson(const std::vector<BoardTag>& tags)
{
    QJsonArray array;
    for (const BoardTag& tag : tags)
        array.append(
            QJsonObject{{QStringLiteral("name"), ToQString(tag.name)}, {QStringLiteral("help"), ToQString(tag.help)}});
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

std::vector<BoardTag> TagsFrom(const QString& json)
{
    std::vector<BoardTag> tags;
    for (const QJsonValue& value : QJsonDocument::fromJson(json.toUtf8()).array()) {
        const QJsonObject row = value.toObject();
        BoardTag tag{ToUtf8(row.value(QStringLiteral("name")).toString()),
                     ToUtf8(row.value(QStringLiteral("help")).toString())};
        if (!tag.name.empty())
            tags.push_back(std::move(tag));
    }
    return tags;
}

}  // namespace

BoardProfile Load(const Settings& settings, const QString& siteAddress)
{
    BoardProfile profile;
    if (siteAddress.isEmpty())
        return profile;
    profile.found = KindNamed(Get(settings, siteAddress, FoundKey));
    const QString foundOn = Get(settings, siteAddress, FoundOnKey);
    if (profile.found)
        profile.foundOn = foundOn == QLatin1String("posting") ? FoundOn::PostingPage : FoundOn::IndexPage;
    profile.chosen = KindNamed(Get(settings, siteAddress, ChoiceKey));
    profile.smilies = SmiliesFrom(Get(settings, siteAddress, SmiliesKey));
    profile.tags = TagsFrom(Get(settings, siteAddress, TagsKey));
    profile.maxChars = Get(settings, siteAddress, MaxCharsKey).toULongLong();
    profile.maxFontSize = Get(settings, siteAddress, MaxFontSizeKey).toLong();
    profile.userName = ToUtf8(Get(settings, siteAddress, UserNameKey));
    return profile;
}

void SaveFound(Settings& settings, const QString& siteAddress, const Board* kind, FoundOn foundOn)
{
    if (!kind || !kind->Known() || siteAddress.isEmpty())
        return;
    Put(settings, siteAddress, FoundKey, ToQString(kind->Key()));
    Put(settings, siteAddress, FoundOnKey,
        foundOn == FoundOn::PostingPage ? QStringLiteral("posting") : QStringLiteral("index"));
}

void SaveChoice(Settings& settings, const QString& siteAddress, const Board* chosen)
{
    if (siteAddress.isEmpty())
        return;
    Put(settings, siteAddress, ChoiceKey, chosen && chosen->Known() ? ToQString(chosen->Key()) : Automatic);
}

void SavePostingPage(Settings& settings, const QString& siteAddress, const BoardProfile& page)
{
    if (siteAddress.isEmpty())
        return;
    SaveFound(settings, siteAddress, page.found, FoundOn::PostingPage);
    if (!page.smilies.empty())
        Put(settings, siteAddress, SmiliesKey, SmiliesJson(page.smilies));
    if (!page.tags.empty())
        Put(settings, siteAddress, TagsKey, TagsJson(page.tags));
    if (page.maxChars > 0)
        Put(settings, siteAddress, MaxCharsKey, QString::number(page.maxChars));
    if (page.maxFontSize > 0)
        Put(settings, siteAddress, MaxFontSizeKey, QString::number(page.maxFontSize));
    SaveUserName(settings, siteAddress, page.userName);
}

void SaveUserName(Settings& settings, const QString& siteAddress, const std::string& userName)
{
    if (!siteAddress.isEmpty() && !userName.empty())
        Put(settings, siteAddress, UserNameKey, ToQString(userName));
}

}  // namespace BoardProfiles
