// SPDX-License-Identifier: MIT
#include "board/BoardDialect.h"

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
        name = name.left(dot) + QStringLiteral(".gif");
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

    // MyBB's default smilies, and the site's address for its quote links.
    const QString mybbFolder = siteAddress.isEmpty() ? QStringLiteral("images/smilies/")
                                                     : siteAddress + QStringLiteral("images/smilies/");
    for (Mybb18::Smiley smiley : Mybb18::DefaultSmilies("")) {
        const QString own = OwnPicture(smiley.picture, pictureFolder);
        smiley.picture = ToUtf8(own.isEmpty() ? mybbFolder + ToQString(smiley.picture) : own);
        m_mybbSmilies.push_back(std::move(smiley));
    }
    m_mybb.smilies = &m_mybbSmilies;
    QString board = siteAddress;
    while (board.endsWith(QLatin1Char('/')))
        board.chop(1);
    m_mybb.boardUrl = ToUtf8(board);
    if (profile.maxChars > 0)
        m_options.limits.maxChars = profile.maxChars;
    if (profile.maxFontSize > 0)
        m_options.limits.maxFontSize = profile.maxFontSize;
}
