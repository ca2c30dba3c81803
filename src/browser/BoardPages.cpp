// SPDX-License-Identifier: MIT
#include "browser/BoardPages.h"

#include "base/Settings.h"
#include "base/Utf8.h"
#include "board/BoardProfiles.h"
#include "browser/SmileyDownload.h"

#include <QUrl>

namespace BoardPages {

void KeepPostingPage(Settings& settings, const QString& siteAddress, std::string_view html)
{
    BoardProfile page = ScanPostingPage(html);
    const QUrl site(siteAddress);
    for (BoardSmiley& smiley : page.smilies)
        smiley.picture = ToUtf8(site.resolved(QUrl(ToQString(smiley.picture))).toString(QUrl::FullyEncoded));
    BoardProfiles::SavePostingPage(settings, siteAddress, page);
    // The pictures arrive while the user writes; the fetching outlives
    // whoever read the page.
    SmileyDownload::Start(page.smilies);
}

void KeepPosterName(Settings& settings, const QString& siteAddress, std::string_view html)
{
    const BoardProfile profile = BoardProfiles::Load(settings, siteAddress);
    BoardProfiles::SaveUserName(settings, siteAddress, profile.Kind().PosterName(html));
}

}  // namespace BoardPages
