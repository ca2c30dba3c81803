#pragma once
// The options dialog: the forum site's address and name, and on its second
// page the forum extraction, whose list Save stores as the forum list file.
//
// Opened modally by the start routine when no site address is stored, and
// modeless from the main window's menu and toolbar, where asking again brings
// the open dialog forward. Every close (Save, Cancel, the window frame)
// destroys the dialog with its extraction list; every opening loads it anew
// from the settings store. Enter and Escape press none of its buttons.

#include "base/AppContext.h"
#include "forums/ForumExtraction.h"

#include <QDialog>
#include <QPointer>
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
    static inline const QString Caption = QStringLiteral("Options");
    static inline const QString DefaultAddress = QStringLiteral("HTTP://");
    static inline const QString DefaultName = QStringLiteral("My Forum");
    static inline const QString ExtractionFailure =
        QStringLiteral("There was a problem extracting the forums from your site.\r\n"
                       "either the address is wrong, or your forum is not compatible with Quillforge");

    // Called by Save once it has written a new forum list file, so that the
    // window showing the forums reloads them.
    using ForumListChanged = std::function<void()>;

    // The dialog, loaded from the settings store and not shown; it deletes
    // itself when closed.
    OptionsDialog(const AppContext& context, ForumListChanged forumListChanged, QWidget* owner = nullptr,
               ForumExtraction::Timing timing = {});

    // Start-up: shows a new dialog modally; returns once it has been closed.
    static void ShowModal(const AppContext& context, ForumListChanged forumListChanged);
    // The menu and toolbar: shows the dialog modeless over `owner`, or brings
    // the one already open (`open`) forward.
    static void ShowModeless(QPointer<OptionsDialog>& open, const AppContext& context, ForumListChanged forumListChanged,
                             QWidget* owner);

    // The controls, named as the program names them.
    QTabBar* TabStrip1 = nullptr;
    QFrame* framGeneral = nullptr;  // page of "General Options"
    QFrame* Frame2 = nullptr;       // the information panel
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtURL = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txtName = nullptr;
    QPushButton* cmdText = nullptr;  // "Test Address"
    QLabel* lblBoardKind = nullptr;   // "Board software:"
    QComboBox* cmbBoardKind = nullptr;  // Automatic, phpBB 3, phpBB 2
    QLabel* lblBoardFound = nullptr;  // "Board: phpBB 3, found on the index page"
    QFrame* Frame1 = nullptr;        // page of "Extract forums"
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* lblURL = nullptr;       // the index page's address
    QPushButton* Command1 = nullptr;  // "Start Extracting"
    QListWidget* List1 = nullptr;     // the extraction list
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdCancel = nullptr;

signals:
    // Save has stored the site's address, name and board choice.
    void siteSaved();

public slots:
    void TabStrip1_Click(int index);
    void txtURL_Change();
    void cmdText_Click();
    void cmdSave_Click();
    void cmdCancel_Click();
    void Command1_Click();

protected:
    // Every way of closing ends a forum extraction still waiting.
    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    QWidget* CreateGeneralPage();
    QWidget* CreateExtractionPage();
    void Form_Load();
    // The site the fields name now: the typed address as it would be stored.
    QString TypedSite() const;
    // Shows what is known about the typed site's board (the kind found).
    void ShowBoard();
    // Keeps the kind a page of `site` showed, and shows it when the fields
    // still name that site.
    void BoardFound(const QString& site, const std::string& page);

    AppContext m_context;
    ForumListChanged m_forumListChanged;
    QStackedLayout* m_pages = nullptr;
    ForumExtraction* m_extraction = nullptr;
};
