#pragma once
// The main window: the post document, the menus and toolbar that reach every
// command, the tag buttons, lists and emoticon pictures, the submission
// controls and the status bar. It wires controls to commands; what a command
// does to text lives in the core, and each group of commands in its own class.

#include "base/AppContext.h"
#include "board/BoardProfile.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTimer;
class QToolBar;
class AssistWindows;
class EditCommands;
class ForumChooser;
class OptionsDialog;
class PictureBox;
class PostBackground;
class PostDocument;
class PostFiles;
class PostShortcuts;
class StatusHelp;
class TagInserter;
class RecoveryKeeper;
class WritingHelp;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Creates the window and runs its load sequence; the window is not shown.
    explicit MainWindow(const AppContext& context, QWidget* parent = nullptr);
    ~MainWindow() override;

    PostDocument& Post() { return *m_post; }
    // The recovery copy of unsaved changes.
    RecoveryKeeper& Recovery() { return *m_recovery; }
    const AppContext& Context() const { return m_context; }
    // Spell checking and BBCode highlighting in the title and the body.
    WritingHelp& Writing() { return *m_writing; }

    // Loads a post file into the editor.
    void OpenFile(const QString& OpenedFile);
    // Reloads the forum chooser from the forum list file.
    void GetForums();
    // Gives the toolbar its pictures.
    void InitToolBar();

    // New: asks to save unsaved changes, then empties the post. False when the
    // user cancelled, or chose to save and nothing was written; the post is
    // then untouched.
    bool NewPost();

    // Tag button 3 with assistance on: the quote manager, modal, given the
    // selection of `txtPost` (possibly empty) for its quoted text.
    void OpenQuoteManager(const QString& quotedText);
    // Tag buttons 5 to 8 with assistance on: the assistant, modal, with its
    // `AssistCommand` ("list", "list=", "img" or "url").
    void OpenAssistant(const QString& command);

    // The forum number of the entry last chosen in the forum chooser; empty
    // until one is chosen.
    const QString& ForumNumber() const { return m_forumNumber; }
    // What is known about the board of the site the post is for.
    const BoardProfile& Board() const { return m_board; }
    // The board's own smilies the emoticon pictures insert: those its
    // posting page gave, for a phpBB 3 site; empty otherwise.
    const std::vector<BoardSmiley>& BoardSmilies() const;
    // Reads the site's board profile anew and gives the lists, pictures and
    // menus that depend on it the board's dialect.
    void RefreshBoard();

    // Whether "Enable assistance" is on: tag buttons 3 and 5 to 8 then open
    // the quote manager or the assistant instead of inserting.
    bool AssistMode() const;

signals:
    // The close sequence has ended the program: every window is to close.
    void programEnding();

public slots:
    void mnuNew_Click();
    void mnuOpen_Click();
    bool mnusave_Click();    // true when the post file was written
    bool mnuSaveAs_Click();  // true when the post file was written
    void mnuExit_Click();
    void mnuCopy_Click();
    void mnuCut_Click();
    void mnuPaste_Click();
    void mnuCopyClip_Click();
    void mnuPreview_Click();
    void mnuFont_Click();
    void mnuOptions_Click();
    void mnuContact_Click();
    void mnuAbout_Click();
    void cmdBBcode_Click(int Index);
    void cmbSize_Click();
    void cmbColor_Click();
    void imgIcon_Click(int Index);
    void Label1_Click();
    void cmdQuote_Click();
    void cmdPreview_Click();
    void cmdPost_Click();
    void OptNew_Click();
    void optReply_Click();
    void cmbForum_Click();
    void Image1_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateCommands();
    void txtPost_ContextMenu(const QPoint& pos);
    void txtTitle_ContextMenu(const QPoint& pos);
    void Form_Load();
    void UpdateClock();
    // The twenty emoticon pictures: the board's own smilies, or the program's.
    void ShowEmoticons();
    // The Board Tags menu: one item per tag of the board's own, hidden when
    // the board has none.
    void FillBoardTags();
    // The length panel: the body counted as the site's board counts it,
    // against its maximum; shown for phpBB 3 sites only.
    void ShowLength();
    // The topic-number field usable or not, with its background colour.
    void EnableTopicNumber(bool enabled);

    // The controls, named as the program names them (their object names too).
    QLineEdit* txtTitle = nullptr;
    QPlainTextEdit* txtPost = nullptr;
    std::array<QPushButton*, 10> cmdBBcode{};
    QComboBox* cmbSize = nullptr;
    QComboBox* cmbColor = nullptr;
    std::array<PictureBox*, 20> imgIcon{};
    PictureBox* Label1 = nullptr;  // "View More Emoticons"
    QCheckBox* chkAssist = nullptr;
    QPushButton* cmdQuote = nullptr;
    QPushButton* cmdPreview = nullptr;
    QPushButton* cmdPost = nullptr;
    QRadioButton* OptNew = nullptr;
    QRadioButton* optReply = nullptr;
    QComboBox* cmbForum = nullptr;
    QLineEdit* txtPostNo = nullptr;
    PictureBox* Image1 = nullptr;  // the forum hot spot over the banner's house icon
    QToolBar* Toolbar1 = nullptr;
    QStatusBar* Status = nullptr;
    std::array<QLabel*, 4> StatusPanels{};  // help, document state, time, date
    QLabel* StatusLength = nullptr;  // the body's length as the board counts it (phpBB 3 sites)

    // Only the chooser's selection handling sets it.
    QString m_forumNumber;
    BoardProfile m_board;

    // Menu items.
    QAction* mnuNew = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuSaveAs = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuCopy = nullptr;
    QAction* mnuCut = nullptr;
    QAction* mnuPaste = nullptr;
    QAction* mnuCopyClip = nullptr;
    QAction* mnuPreview = nullptr;
    QAction* mnuFont = nullptr;
    QAction* mnuCheckSpelling = nullptr;
    QMenu* mnuSpellingLanguage = nullptr;
    QAction* mnuHighlight = nullptr;
    QMenu* mnuBoardTags = nullptr;
    QAction* mnuOptions = nullptr;
    QAction* mnuContact = nullptr;
    QAction* mnuAbout = nullptr;

    AppContext m_context;
    PostBackground* m_background = nullptr;
    PostDocument* m_post = nullptr;
    std::unique_ptr<PostFiles> m_files;
    RecoveryKeeper* m_recovery = nullptr;
    QTimer* m_clock = nullptr;
    QTimer* m_lengthTimer = nullptr;  // the length is counted after a pause in typing
    QString m_site;                   // the site address the board profile is for
    bool m_ending = false;  // the close sequence has ended the program
    std::unique_ptr<TagInserter> m_tags;
    std::unique_ptr<EditCommands> m_edit;
    PostShortcuts* m_shortcuts = nullptr;
    StatusHelp* m_help = nullptr;
    WritingHelp* m_writing = nullptr;
    std::unique_ptr<AssistWindows> m_assist;
    std::unique_ptr<ForumChooser> m_forums;
    QPointer<OptionsDialog> m_options;  // the modeless options dialog while it is open
};
