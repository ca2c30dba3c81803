// SPDX-License-Identifier: MIT
#pragma once
// The user's settings, one typed accessor each. They are kept by QSettings
// with "Quillforge" as organisation and application name
// (~/.config/Quillforge/Quillforge.conf); the groups, keys and values stored
// are the settings file's format, read by every earlier version, and must not
// change:
//
//   [Options]        SiteAdress, SiteName (text); CheckSpelling,
//                    HighlightBBCode, KeepPastedColoursAndSizes and
//                    LivePreview ("1" on, "0" off); SpellingLanguage (a
//                    dictionary's language tag); LivePreviewSizes (the body's
//                    and the pane's widths, "540 400"); Zoom (the text
//                    size's steps from the chosen font's, "0")
//   [RecentPosts]    File1 ... File10: the post files last opened or saved,
//                    newest first
//   [NewTopicMode]   one key per site address, percent-encoded: the
//                    new-topic mode that worked there ("post", "newtopic")
//   [Boards/<site>]  what is known about each site's board, kept by
//                    board/BoardProfiles through `value` and `setValue`
//   [Sites]          Order (the sites' ids, space-separated, in the user's
//                    order), Chosen (the id chosen in the main window),
//                    NextId, Removed (ids whose browser data is to be
//                    deleted); [Sites/<id>] Address and Name of every site
//                    but the first, whose address and name stay SiteAdress
//                    and SiteName of [Options], where earlier versions read
//                    them
//   [PostFiles/<path>] Site, Forum and Topic a post file was last meant for
//
// Every call reads or writes the file, so windows and tests that share it
// see each other's changes at once.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// One forum site the user writes for. The id never changes and is never
// given to another site; it names the site's forum list file and browser
// profile.
struct SiteEntry {
    QString id;
    QString address;  // as stored, normally ending in "/"
    QString name;
    bool operator==(const SiteEntry&) const = default;
};

// True when `sites` holds the site `id`.
inline bool HasSite(const QList<SiteEntry>& sites, const QString& id)
{
    for (const SiteEntry& site : sites)
        if (site.id == id)
            return true;
    return false;
}

// Where a post file was last meant to go; empty parts when never chosen.
struct PostTarget {
    QString site;  // a site's id
    QString forum;
    QString topic;
};

class Settings {
public:
    // The id of the site a settings file of an earlier version knew.
    static inline const QString FirstSiteId = QStringLiteral("1");

    // The sites in the user's order, never none: a file of an earlier
    // version gives its one site (SiteAdress, SiteName) with FirstSiteId.
    QList<SiteEntry> sites() const;
    // Stores `sites` (not empty) in their order: the first one's address
    // and name as SiteAdress and SiteName; sites no longer listed are
    // forgotten and their ids listed for their browser data's removal.
    void setSites(const QList<SiteEntry>& sites);
    // A new id, never given before.
    QString newSiteId();
    // The site chosen in the main window; the first when the chosen one is
    // gone.
    SiteEntry chosenSite() const;
    void setChosenSite(const QString& id);
    QString chosenSiteAddress() const { return chosenSite().address; }
    // Ids of removed sites whose browser data is still on disk, and their
    // clearing once it is deleted.
    QStringList removedSites() const;
    void clearRemovedSites();
    // Lists the ids `ids` (sites never stored) for their browser data's removal.
    void addRemovedSites(const QStringList& ids);

    // The site, forum and topic `path` was last meant for.
    PostTarget postTarget(const QString& path) const;
    void setPostTarget(const QString& path, const PostTarget& target);
    void forgetPostTarget(const QString& path);

    // The organisation and application name the settings are kept under.
    static inline const QString AppName = QStringLiteral("Quillforge");

    // The forum's address as saved in the options dialog ("SiteAdress");
    // `defaultValue` when none was ever saved.
    QString siteAddress(const QString& defaultValue = QString()) const;
    void setSiteAddress(const QString& address);
    // The name the user gave the site ("SiteName"); `defaultValue` when none
    // was ever saved.
    QString siteName(const QString& defaultValue = QString()) const;
    void setSiteName(const QString& name);

    // Spelling checked as you type: on unless switched off.
    bool checkSpelling() const;
    void setCheckSpelling(bool on);
    // The language tag of the dictionary chosen; empty when none was chosen.
    QString spellingLanguage() const;
    void setSpellingLanguage(const QString& tag);
    // BBCode highlighted in the post: on unless switched off.
    bool highlightBBCode() const;
    void setHighlightBBCode(bool on);
    // Pasted rich text keeps its colours and sizes as tags: off unless switched on.
    bool keepPastedColoursAndSizes() const;
    void setKeepPastedColoursAndSizes(bool on);

    // The live preview pane beside the body: off unless switched on.
    bool livePreview() const;
    void setLivePreview(bool on);
    // The widths of the body and the pane, as the user left them; empty
    // when never set.
    QList<int> livePreviewSizes() const;
    void setLivePreviewSizes(const QList<int>& sizes);

    // The text size of the body and the live preview, in steps from the
    // chosen font's size: 0 unless zoomed.
    int zoom() const;
    void setZoom(int steps);

    // The post files last opened or saved, newest first.
    QStringList recentPosts() const;
    void setRecentPosts(const QStringList& paths);

    // The name of the new-topic mode that worked for `siteAddress`; empty
    // when none is remembered.
    QString newTopicMode(const QString& siteAddress) const;
    void setNewTopicMode(const QString& siteAddress, const QString& mode);

    // The size and place of the window named `window` as it was last closed
    // (QWidget::saveGeometry's bytes); empty when none was kept.
    QByteArray windowGeometry(const QString& window) const;
    void setWindowGeometry(const QString& window, const QByteArray& geometry);

    // The one low-level accessor, for settings kept in groups of their own
    // (a site's board profile): `key` of `group`, `defaultValue` when it was
    // never written.
    QString value(const QString& group, const QString& key, const QString& defaultValue = QString()) const;
    void setValue(const QString& group, const QString& key, const QString& value);

    // How a site address names its key or group: percent-encoded, so that
    // its slashes and colons are kept as they are.
    static QString siteKey(const QString& siteAddress);
};
