// SPDX-License-Identifier: MIT
#include "browser/SmileyDownload.h"

#include "board/SmileyPictures.h"
#include "browser/WebModuleLoader.h"

#include <QStringList>

namespace SmileyDownload {

void Start(const std::vector<BoardSmiley>& smilies)
{
    const QStringList missing = SmileyPictures::Missing(smilies);
    if (missing.isEmpty())
        return;
    using Fetcher = void (*)(const QStringList&);
    if (const auto fetch = reinterpret_cast<Fetcher>(WebModuleLoader::Resolve(FetcherName, nullptr)))
        fetch(missing);
}

}  // namespace SmileyDownload
