// SPDX-License-Identifier: MIT
#include "board/BoardDialect.h"

#include "base/Utf8.h"
#include "board/SmileyPictures.h"

#include <QFileInfo>
#include <QUrl>

namespace {

// The program's own picture of a default smiley's face: "icon_e_biggrin.gif"
// is emo/biggrin.gif; empty when the program has none.
QString OwnPicture(const std::string& file, const QString& pictureFolder)
{
    QString name = ToQString(file);
    for (const QString& prefix : {QStringLiteral("icon_e_"), QStringLiteral("icon_")})
        if (name.startsWith(prefix)) {
            name.remove(0, prefix.size());
            break;
        }
    const QString path = pictureFolder + QStringLiteral("emo/") + name;
    return QFileInfo(path).isFile() ? QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) : QString();
}

}  // namespace

BoardDialect::BoardDialect(const BoardProfile& profile, const QString& pictureFolder, const QString& siteAddress)
{
    if (!profile.smilies.empty()) {
        for (const BoardSmiley& own : profile.smilies) {
            const QString cached = SmileyPictures::CachedFile(ToQString(own.picture));
            const std::string picture =
                cached.isEmpty() ? own.picture : ToUtf8(QUrl::fromLocalFile(cached).toString(QUrl::FullyEncoded));
            m_smilies.push_back({own.code, own.title, picture, own.width, own.height});
        }
    } else {
        const QString boardFolder = siteAddress.isEmpty() ? QStringLiteral("./images/smilies/")
                                                          : siteAddress + QStringLiteral("images/smilies/");
        for (Phpbb3::Smiley smiley : Phpbb3::DefaultSmilies("")) {
            const QString own = OwnPicture(smiley.picture, pictureFolder);
            smiley.picture = ToUtf8(own.isEmpty() ? boardFolder + ToQString(smiley.picture) : own);
            m_smilies.push_back(std::move(smiley));
        }
    }
    m_options.smilies = &m_smilies;
    if (profile.maxChars > 0)
        m_options.limits.maxChars = profile.maxChars;
    if (profile.maxFontSize > 0)
        m_options.limits.maxFontSize = profile.maxFontSize;
}
