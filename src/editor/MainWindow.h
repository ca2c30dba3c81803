// SPDX-License-Identifier: MIT
#pragma once
// The main window: the post document, the menus and toolbar that reach every
// command, the tag buttons, lists and emoticon pictures, the submission
// controls and the status bar. It wires controls to commands; what a command
// does to text lives in the core, and each group of commands in its own class.

#include "base/AppContext.h"
#include "base/Settings.h"
#include "board/BoardProfile.h"
#include "post/PostDocument.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSplitter;
class QTimer;
class QToolBar;
class AssistWindows;
class DroppedFiles;
class BodyZoom;
class EditCommands;
class FieldCommands;
class FindBar;
class RecentPosts;
class ForumChooser;
class LivePreviewPane;
class OptionsDialog;
class PictureBox;
class PostBackground;
class PostFiles;
class PostShortcuts;
class StatusHelp;
class TagInserter;
class RecoveryKeeper;
class WritingHelp;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Creates the window in its starting state; the window is not shown.
    explicit MainWindow(const AppContext& context, QWidget* parent = nullptr);
    ~MainWindow() override;

    PostDocument& Post() { return *m_post; }
    // The recovery copy of unsaved changes.
    RecoveryKeeper& Recovery() { return *m_recovery; }
    const AppContext& Context() const { return m_context; }
    // Spell checking and BBCode highlighting in the title and the body.
    WritingHelp& Writing() { return *m_writing; }

    // Loads a post file into the editor.
    void OpenFile(const QString& path);
    // The site and forum the restored recovery copy was meant for, chosen
    // again.
    void RestoreRecoveredTarget();
    // Reloads the forum chooser from the chosen site's forum list file.
    void ReloadForums();
    // Refills the site chooser from the settings (shown when there is more
    // than one site), then the forums and the board of the chosen site.
    void ReloadSites();
    // Gives the toolbar its pictures.
    void SetToolBarPictures();

    // The forum number of the entry last chosen in the forum chooser; empty
    // until one is chosen.
    const QString& ForumNumber() const { return m_forumNumber; }
    // What is known about the board of the site the post is for.
    const BoardProfile& Board() const { return m_board; }
    // The board's own smilies the emoticon pictures insert: those its
    // posting page gave, for a board whose smilies replace the program's
    // (Board::OffersPostingPageSmilies); empty otherwise.
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
    // The File menu. New asks to save unsaved changes, then empties the post;
    // false when the user cancelled, or chose to save and nothing was
    // written, and the post is then untouched. Save and Save As return true
    // when the post file was written.
    bool newPost();
    void openPost();
    // A file chosen in File > Recent Posts.
    void openRecentPost(const QString& path);
    // A post file dropped on the window: the question about unsaved
    // changes, then the file.
    void openDroppedPost(const QString& path);
    bool savePost();
    bool saveAs();
    void exitProgram();
    // The Edit menu: the clipboard commands work on the body only.
    void copy();
    void cut();
    void paste();
    void pastePlainText();
    void copyPost();
    // Find and replace in the body, in the bar under it.
    void find();
    void replace();
    void findNext();
    void findPrevious();
    void preview();
    void chooseFont();
    void showOptions();
    // The View menu: the live preview pane beside the body, on or off.
    void showLivePreview(bool on);
    // The Help menu.
    void showContactPage();
    void showAbout();
    // Tag button `index` (0 to 9), the size and colour lists, emoticon
    // picture `index` (0 to 19): their tags and codes into the body.
    void runTagButton(int index);
    void insertSize();
    void insertColour();
    void insertEmoticon(int index);
    void showMoreEmoticons();
    void showQuoteManager();
    // Submit: the checks, then the forum's posting page filled with the post.
    void submit();
    // New topic or reply: which of the forum chooser and the topic-number
    // field can be used.
    void chooseNewTopic();
    void chooseReply();
    void forumChosen();
    // The site chooser chose `index`: it is kept as the chosen site, and the
    // forums, the board's dialect and Submit follow it.
    void siteChosen(int index);
    // The site's address (or, without one, the makers') in the user's web browser.
    void openForum();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The site, forum and topic the post's file was meant for, kept in the
    // settings when `saved`; gives `saved` back.
    bool RememberTarget(bool saved);
    // Chooses them again for the post's file, as far as they still exist.
    void RestoreTarget();
    // The site, forum and topic chosen now; chooses `target`'s as far as
    // they still exist.
    PostTarget CurrentTarget() const;
    void ChooseTarget(const PostTarget& target);
    void CreateControls();
    void LayOut(QWidget* submitFrame);
    QLayout* LayOutSubmission();
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateCommands();
    // The splitter that holds the body and, beside it, the live preview pane.
    void CreateLivePreview(QWidget* area);
    // Shows or hides the pane; `makeRoom` widens or narrows the window by
    // the pane's width.
    void ShowLivePreview(bool on, bool makeRoom);
    // The pane renders in the site's board dialect.
    void UpdateLiveDialect();
    void ShowBodyMenu(const QPoint& pos);
    void ShowSubjectMenu(const QPoint& pos);
    // The state the window starts in: caption, board, lists, toolbar, forums.
    void Initialise();
    void UpdateClock();
    // The post's state in the status bar.
    void ShowPostState(PostDocument::State state);
    // The twenty emoticon pictures: the board's own smilies, or the program's.
    void ShowEmoticons();
    // The Board Tags menu: one item per tag of the board's own, hidden when
    // the board has none.
    void FillBoardTags();
    // The length panel: the body counted as the site's board counts it,
    // against its maximum; shown for the boards that count
    // (BoardDialect::Count).
    void ShowLength();
    // The words panel: the words a reader of the post will see.
    void ShowWords();
    // The topic-number field usable or not, with its background colour.
    void EnableTopicNumber(bool enabled);

    // The controls (their object names are the same).
    QLabel* headingLabel = nullptr;  // "Post a new topic"
    QLabel* emoticonsLabel = nullptr;
    QLabel* sizeLabel = nullptr;
    QLabel* colourLabel = nullptr;
    QLabel* subjectLabel = nullptr;
    QLabel* bodyLabel = nullptr;
    QLineEdit* subjectEdit = nullptr;
    QPlainTextEdit* bodyEdit = nullptr;
    std::array<QPushButton*, 10> tagButtons{};
    QComboBox* sizeList = nullptr;
    QComboBox* colourList = nullptr;
    std::array<PictureBox*, 20> emoticonPictures{};
    PictureBox* moreEmoticonsLink = nullptr;  // "View More Emoticons"
    QCheckBox* assistanceBox = nullptr;
    QPushButton* quoteManagerButton = nullptr;
    QPushButton* previewButton = nullptr;
    QPushButton* submitButton = nullptr;
    QRadioButton* newTopicOption = nullptr;
    QRadioButton* replyOption = nullptr;
    QComboBox* siteChooser = nullptr;  // before the forum chooser, with more than one site
    QComboBox* forumChooser = nullptr;
    QLineEdit* topicNumberEdit = nullptr;
    PictureBox* openForumHotSpot = nullptr;  // over the banner's house icon and "Open forum"
    QToolBar* toolBar = nullptr;
    QLabel* helpPanel = nullptr;   // what the control under the mouse does
    QLabel* statePanel = nullptr;  // whether the post has changed since it was opened or saved
    QLabel* timePanel = nullptr;
    QLabel* datePanel = nullptr;
    QLabel* lengthPanel = nullptr;  // the body's length as the board counts it
    QLabel* wordsPanel = nullptr;   // the words of the post, tags not counted
    FindBar* findBar = nullptr;     // under the body while finding
    QSplitter* bodySplitter = nullptr;
    LivePreviewPane* livePreview = nullptr;

    // Only the chooser's selection handling sets it.
    QString m_forumNumber;
    QString m_forumsSite;  // the site whose forums the forum chooser lists
    BoardProfile m_board;
    // How the site's board renders and checks posts; shared with the live
    // preview pane's thread.
    std::shared_ptr<const BoardDialect> m_dialect;

    // Menu items.
    QAction* newPostAction = nullptr;
    QAction* openPostAction = nullptr;
    QAction* savePostAction = nullptr;
    QAction* saveAsAction = nullptr;
    QAction* exitAction = nullptr;
    QAction* copyAction = nullptr;
    QAction* cutAction = nullptr;
    QAction* pasteAction = nullptr;
    QAction* pastePlainAction = nullptr;       // "Paste as Plain Text", Ctrl+Shift+V in the body
    QAction* keepPastedLooksAction = nullptr;  // "Keep Colours and Sizes When Pasting"
    QAction* copyPostAction = nullptr;
    QAction* findAction = nullptr;          // "Find...", Ctrl+F
    QAction* replaceAction = nullptr;       // "Replace...", Ctrl+H
    QAction* findNextAction = nullptr;      // F3
    QAction* findPreviousAction = nullptr;  // Shift+F3
    QAction* previewAction = nullptr;
    QAction* fontAction = nullptr;
    QAction* checkSpellingAction = nullptr;
    QMenu* spellingLanguageMenu = nullptr;
    QAction* highlightAction = nullptr;
    QMenu* boardTagsMenu = nullptr;
    QAction* optionsAction = nullptr;
    QAction* livePreviewAction = nullptr;
    QAction* contactAction = nullptr;
    QAction* aboutAction = nullptr;

    AppContext m_context;
    PostBackground* m_background = nullptr;
    PostDocument* m_post = nullptr;
    std::unique_ptr<PostFiles> m_files;
    RecoveryKeeper* m_recovery = nullptr;
    QTimer* m_clock = nullptr;
    QTimer* m_lengthTimer = nullptr;  // the length is counted after a pause in typing
    QTimer* m_wordsTimer = nullptr;   // and so are the words
    QString m_site;                   // the site address the board profile is for
    bool m_ending = false;            // the close sequence has ended the program
    bool m_geometryKept = false;      // the window took the size it was closed with
    std::unique_ptr<TagInserter> m_tags;
    std::unique_ptr<EditCommands> m_edit;
    FieldCommands* m_fieldCommands = nullptr;  // Undo, Redo and Select All
    RecentPosts* m_recent = nullptr;           // File > Recent Posts
    BodyZoom* m_zoom = nullptr;                // View > Zoom In, Zoom Out, Actual Size
    DroppedFiles* m_drops = nullptr;           // files dropped on the window
    PostShortcuts* m_shortcuts = nullptr;
    StatusHelp* m_help = nullptr;
    WritingHelp* m_writing = nullptr;
    std::unique_ptr<AssistWindows> m_assist;
    std::unique_ptr<ForumChooser> m_forums;
    QPointer<OptionsDialog> m_options;  // the modeless options dialog while it is open
};
