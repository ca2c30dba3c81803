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
    const QString mybbFolder =
        siteAddress.isEmpty() ? QStringLiteral("images/smilies/") : siteAddress + QStringLiteral("images/smilies/");
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

    // SMF's default smilies, and the board's script for its quote links.
    const QString smfFolder =
        siteAddress.isEmpty() ? QStringLiteral("Smileys/fugue/") : siteAddress + QStringLiteral("Smileys/fugue/");
    for (Smf21::Smiley smiley : Smf21::DefaultSmilies("")) {
        const QString own = OwnPicture(smiley.picture, pictureFolder);
        smiley.picture = ToUtf8(own.isEmpty() ? smfFolder + ToQString(smiley.picture) : own);
        m_smfSmilies.push_back(std::move(smiley));
    }
    m_smf.smilies = &m_smfSmilies;
    if (!siteAddress.isEmpty()) {
        const QUrl site(siteAddress);
        m_smf.scriptUrl = ToUtf8(siteAddress + QStringLiteral("index.php"));
        m_smf.siteOrigin = ToUtf8(site.adjusted(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment)
                                      .toString(QUrl::StripTrailingSlash));
    }
    if (profile.maxChars > 0)
        m_options.limits.maxChars = profile.maxChars;
    if (profile.maxFontSize > 0)
        m_options.limits.maxFontSize = profile.maxFontSize;
}
