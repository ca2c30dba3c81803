// SPDX-License-Identifier: MIT
#pragma once
// The options dialog: the list of forum sites with the selected site's
// address, name and board software, and on its second page the forum
// extraction for the selected site, whose list Save stores as that site's
// forum list file. Adding, removing and editing sites changes nothing stored
// until Save.
//
// Opened modally by the start routine when no site address is stored, and
// modeless from the main window's menu and toolbar, where asking again brings
// the open dialog forward. Every close (Save, Cancel, the window frame)
// destroys the dialog with its extraction list; every opening loads it anew
// from the settings store. Enter and Escape press none of its buttons.

#include "base/AppContext.h"
#include "base/Settings.h"
#include "forums/ForumExtraction.h"

#include <QDialog>
#include <QHash>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <string>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedLayout;
class QTabBar;

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    static inline const QString DefaultAddress = QStringLiteral("HTTP://");
    // What the user is told when no forum could be extracted.
    static QString ExtractionFailure()
    {
        return tr("There was a problem extracting the forums from your site.\r\n"
                  "either the address is wrong, or your forum is not compatible with Quillforge");
    }

    // Called by Save once it has written a new forum list file, so that the
    // window showing the forums reloads them.
    using ForumListChanged = std::function<void()>;

    // The dialog, loaded from the settings store and not shown; it deletes
    // itself when closed.
    OptionsDialog(const AppContext& context, ForumListChanged forumListChanged, QWidget* owner = nullptr,
                  ForumExtraction::Timing timing = {});

    // The extraction's pause and limit (the ones given to the constructor
    // until set again).
    ForumExtraction::Timing ExtractionTiming() const { return m_extraction->GetTiming(); }
    void SetExtractionTiming(ForumExtraction::Timing timing)
    {
        m_extraction->SetTiming(timing);
        m_postingRead->SetTiming(timing);
    }

    // Start-up: shows a new dialog modally; returns once it has been closed.
    static void ShowModal(const AppContext& context, ForumListChanged forumListChanged);
    // The menu and toolbar: shows the dialog modeless over `owner`, or brings
    // the one already open (`open`) forward.
    static void ShowModeless(QPointer<OptionsDialog>& open, const AppContext& context,
                             ForumListChanged forumListChanged, QWidget* owner);

    // The controls (their object names are the same).
    QTabBar* pageTabs = nullptr;
    QFrame* generalPage = nullptr;  // page of "General Options"
    QFrame* addressHelp = nullptr;  // the information panel about the site address
    QLabel* addressHelpText = nullptr;
    QLabel* testHelpText = nullptr;
    QLabel* siteListLabel = nullptr;
    QListWidget* siteList = nullptr;  // the sites' names, in the user's order
    QPushButton* addSiteButton = nullptr;
    QPushButton* removeSiteButton = nullptr;
    QPushButton* moveSiteUpButton = nullptr;
    QPushButton* moveSiteDownButton = nullptr;
    QLabel* siteAddressLabel = nullptr;
    QLineEdit* siteAddressEdit = nullptr;
    QLabel* siteNameLabel = nullptr;
    QLineEdit* siteNameEdit = nullptr;
    QPushButton* testAddressButton = nullptr;
    QLabel* boardKindLabel = nullptr;
    QComboBox* boardKindList = nullptr;  // Automatic, phpBB 3, phpBB 2
    QLabel* boardFoundLabel = nullptr;   // "Board: phpBB 3, found on the index page"
    QFrame* extractionPage = nullptr;    // page of "Extract forums"
    QLabel* extractionIntro = nullptr;
    QLabel* indexAddressLabel = nullptr;
    QLineEdit* indexAddressEdit = nullptr;  // the index page's address
    QPushButton* startExtractingButton = nullptr;
    QListWidget* forumsFoundList = nullptr;  // the extraction list
    QPushButton* saveButton = nullptr;
    QPushButton* cancelButton = nullptr;

signals:
    // Save has stored the sites' addresses, names and board choices.
    void siteSaved();
    // A site's index page has told which board it runs (kept at once).
    void boardFound();

public slots:
    // The tab strip chose page `index`.
    void showPage(int index);
    // The index page's address follows the site address as it is typed.
    void siteAddressEdited();
    // Test Address: the typed address in the browser window.
    void testAddress();
    // Save: the forum list file, then the site's address, name and board choice.
    void save();
    void cancel();
    // Start Extracting: reads the index page and lists the forums found.
    void extractForums();
    // The site list chose `row`: the fields show that site.
    void siteSelected(int row);
    // Add Site: a new site at the end, selected.
    void addSite();
    // Remove Site: after asking, the selected site leaves the list; its
    // forum list and browser data go at Save. The last site stays.
    void removeSite();
    // Move Up and Move Down: the selected site trades places with the one
    // `step` rows away; the first site's forum list becomes forums.inf at Save.
    void moveSite(int step);

protected:
    // Every way of closing ends a forum extraction still waiting.
    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    QWidget* CreateGeneralPage();
    QWidget* CreateExtractionPage();
    // The fields from the settings store, the first page shown.
    void LoadSettings();
    // The fields into the selected site's entry, and back.
    void KeepFields();
    // Adds a found forum entry ("N- name" as the page writes the name) to
    // the list, shown with its character references decoded.
    void AddFoundEntry(const QString& entry);
    void ShowSite(int row);
    // The id of the site the fields show; empty while none is shown.
    QString ShownSiteId() const;
    // The site the fields name now: the typed address as it would be stored.
    QString TypedSite() const;
    // Shows what is known about the typed site's board (the kind found).
    void ShowBoard();
    // Keeps the kind a page of `site` showed and the account logged in
    // there, shows the kind when the fields still name that site, and then
    // reads the posting page of the first forum the page lists.
    void BoardFound(const QString& site, const std::string& page);
    // Reads that posting page (a board's smilies, tags and limits come from
    // it) in a hidden window, with the login of the site shown.
    void ReadPostingPage(const QString& site, const std::string& indexPage);

    AppContext m_context;
    ForumListChanged m_forumListChanged;
    QStackedLayout* m_pages = nullptr;
    ForumExtraction* m_extraction = nullptr;
    ForumExtraction* m_postingRead = nullptr;  // the posting page after a page of the site
    QList<SiteEntry> m_sites;             // as edited, in the user's order
    int m_shown = -1;                     // the row the fields show
    QHash<QString, QStringList> m_found;  // extraction lists by site id
    QHash<QString, QString> m_kinds;      // board choices (keys; empty: automatic) by site id
    QStringList m_added;                  // ids of the sites added while open
};
