// SPDX-License-Identifier: MIT
#include "board/SitePictures.h"

#include "base/Utf8.h"
#include "board/SmileyPictures.h"

#include <QFileInfo>
#include <QUrl>

namespace {

// The program's own picture of a default smiley's face: "icon_e_biggrin.gif"
// is emo/biggrin.gif, MyBB's "biggrin.png" too; empty when the program has
// none.
QString OwnPicture(const std::string& file, const QString& pictureFolder)
{
    QString name = ToQString(file);
    for (const QString& prefix : {QStringLiteral("icon_e_"), QStringLiteral("icon_")})
        if (name.startsWith(prefix)) {
            name.remove(0, prefix.size());
            break;
        }
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot > 0)
        name = name.left(dot);
    // The same faces under the other boards' names.
    static const std::pair<const char*, const char*> SameFace[] = {
        {"smiley", "smile"}, {"cheesy", "biggrin"},      {"shocked", "eek"},    {"tongue", "razz"},
        {"angry", "mad"},    {"embarrassed", "redface"}, {"lightbulb", "idea"}, {"exclamation", "exclaim"}};
    for (const auto& [board, own] : SameFace)
        if (name == QLatin1String(board))
            name = QLatin1String(own);
    name += QStringLiteral(".gif");
    const QString path = pictureFolder + QStringLiteral("emo/") + name;
    return QFileInfo(path).isFile() ? QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) : QString();
}

}  // namespace

namespace SitePictures {

SiteFacts For(const QString& pictureFolder, const QString& siteAddress)
{
    SiteFacts facts;
    facts.address = ToUtf8(siteAddress);
    if (!siteAddress.isEmpty())
        facts.origin = ToUtf8(QUrl(siteAddress)
                                  .adjusted(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment)
                                  .toString(QUrl::StripTrailingSlash));
    facts.pictureFolder = ToUtf8(pictureFolder);
    facts.ownPicture = [pictureFolder](std::string_view file) {
        return ToUtf8(OwnPicture(std::string(file), pictureFolder));
    };
    facts.cachedPicture = [](std::string_view address) {
        const QString cached = SmileyPictures::CachedFile(ToQString(address));
        return cached.isEmpty() ? std::string() : ToUtf8(QUrl::fromLocalFile(cached).toString(QUrl::FullyEncoded));
    };
    return facts;
}

std::shared_ptr<const BoardDialect> DialectFor(const BoardProfile& profile, const QString& pictureFolder,
                                               const QString& siteAddress)
{
    return profile.Kind().DialectFor(profile, For(pictureFolder, siteAddress));
}

}  // namespace SitePictures
