#include "editor/MainWindow.h"

#include "about/AboutWindow.h"
#include "base/Accessibility.h"
#include "base/Utf8.h"
#include "base/Makers.h"
#include "base/PictureBox.h"
#include "base/Platform.h"
#include "base/SettingsStore.h"
#include "assist/AssistWindows.h"
#include "board/BoardDialect.h"
#include "board/BoardProfiles.h"
#include "board/SizeScale.h"
#include "board/SmileyPictures.h"
#include "editor/EditCommands.h"
#include "editor/ListWheelGuard.h"
#include "editor/PostBackground.h"
#include "post/PostDocument.h"
#include "editor/PostFiles.h"
#include "editor/PostLayout.h"
#include "editor/PostShortcuts.h"
#include "editor/StatusHelp.h"
#include "editor/TagInserter.h"
#include "recovery/RecoveryKeeper.h"
#include "editor/TagTable.h"
#include "editor/ToolbarIcons.h"
#include "forums/ForumChooser.h"
#include "forums/OptionsDialog.h"
#include "render/BrowserPages.h"
#include "render/EmoticonTable.h"
#include "render/PreviewPage.h"
#include "submit/SubmitCommand.h"
#include "writing/BodyHighlighter.h"
#include "writing/WritingHelp.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTextCursor>
#include <QTimer>
#include <QToolBar>

#include <limits>

namespace {
const QString ExitQuestion = QStringLiteral("Are you sure you want to exit Quillforge");
}  // namespace

MainWindow::MainWindow(const AppContext& context, QWidget* parent) : QMainWindow(parent), m_context(context)
{
    setObjectName(QStringLiteral("MainWindow"));
    Accessibility::Install();
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    CreateControls();
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    m_post = new PostDocument(txtTitle, txtPost, StatusPanels[1], this);
    m_files = std::make_unique<PostFiles>(*m_post, m_context, this);
    CreateCommands();
    // The client area (toolbar, central area, status bar) is fixed; the menu bar comes on top.
    setFixedSize(PostLayout::ClientWidth, PostLayout::ClientHeight + menuBar()->sizeHint().height());
    Form_Load();
    // The length panel follows the body after a pause in typing.
    m_lengthTimer = new QTimer(this);
    m_lengthTimer->setSingleShot(true);
    m_lengthTimer->setInterval(300);
    connect(m_lengthTimer, &QTimer::timeout, this, &MainWindow::ShowLength);
    connect(txtPost, &QPlainTextEdit::textChanged, this, [this] {
        if (StatusLength->isVisible())
            m_lengthTimer->start();
    });
    m_recovery = new RecoveryKeeper(*m_post, StatusPanels[0], RecoverySlot::Folder(), this);
    connect(this, &MainWindow::programEnding, m_recovery, &RecoveryKeeper::Discard);
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateControls()
{
    m_background = new PostBackground(this);
    m_background->setObjectName(QStringLiteral("PostBackground"));
    setCentralWidget(m_background);
    QWidget* area = m_background;

    const QFont fieldFont(QStringLiteral("Arial"), 12);

    txtTitle = new QLineEdit(area);
    txtTitle->setObjectName(QStringLiteral("txtTitle"));
    txtTitle->setGeometry(PostLayout::TitleField);
    txtTitle->setFont(fieldFont);
    // A title read from a file may be longer than a line field's usual limit.
    txtTitle->setMaxLength(std::numeric_limits<int>::max());
    txtTitle->setAccessibleName(QStringLiteral("Subject"));

    // Tag buttons, in their row order.
    int left = PostLayout::TagRowLeft;
    for (int index : TagTable::ButtonRowOrder) {
        const auto& row = TagTable::Buttons[static_cast<size_t>(index)];
        auto* button = new QPushButton(ToQString(row.caption), area);
        button->setObjectName(QStringLiteral("cmdBBcode_%1").arg(index));
        button->setProperty("Index", index);
        button->setToolTip(ToQString(row.tooltip));
        button->setAccessibleName(ToQString(row.caption));
        button->setFocusPolicy(Qt::TabFocus);
        QFont font = button->font();
        font.setBold(index == 0 || index == 1);
        font.setItalic(index == 1);
        font.setUnderline(index == 2);
        button->setFont(font);
        const int width = std::max(36, button->fontMetrics().horizontalAdvance(button->text() + QStringLiteral(" *")) + 16);
        button->setGeometry(left, PostLayout::TagRowTop, width, PostLayout::TagRowHeight);
        left += width + PostLayout::TagRowGap;
        connect(button, &QPushButton::clicked, this, [this, index] { cmdBBcode_Click(index); });
        cmdBBcode[static_cast<size_t>(index)] = button;
    }

    txtPost = new QPlainTextEdit(area);
    txtPost->setObjectName(QStringLiteral("txtPost"));
    txtPost->setGeometry(PostLayout::PostField);
    txtPost->setFont(fieldFont);
    txtPost->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtPost->setAccessibleName(QStringLiteral("Message body"));

    cmbSize = new QComboBox(area);
    cmbSize->setObjectName(QStringLiteral("cmbSize"));
    cmbSize->setGeometry(PostLayout::SizeList);
    for (std::string_view caption : SizeScale::Captions)
        cmbSize->addItem(ToQString(caption));
    cmbSize->setAccessibleName(QStringLiteral("Font size"));
    connect(cmbSize, &QComboBox::activated, this, &MainWindow::cmbSize_Click);

    cmbColor = new QComboBox(area);
    cmbColor->setObjectName(QStringLiteral("cmbColor"));
    cmbColor->setGeometry(PostLayout::ColourList);
    for (std::string_view colour : TagTable::Colours)
        cmbColor->addItem(ToQString(colour));
    cmbColor->setAccessibleName(QStringLiteral("Font colour"));
    connect(cmbColor, &QComboBox::activated, this, &MainWindow::cmbColor_Click);
    // Their choice inserts a tag: the wheel over the closed lists must not choose.
    auto* wheelGuard = new ListWheelGuard(this);
    wheelGuard->Guard(cmbSize);
    wheelGuard->Guard(cmbColor);

    for (int index = 0; index < 20; ++index) {
        auto* picture = new PictureBox(area);
        picture->setObjectName(QStringLiteral("imgIcon_%1").arg(index));
        picture->setProperty("Index", index);
        picture->setGeometry(PostLayout::IconRect(index));
        picture->SetHandCursor();
        connect(picture, &PictureBox::clicked, this, [this, index] { imgIcon_Click(index); });
        imgIcon[static_cast<size_t>(index)] = picture;
    }

    Label1 = new PictureBox(area);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setText(QStringLiteral("View More Emoticons"));
    Label1->setGeometry(PostLayout::MoreEmoticons);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    {
        QFont font(QStringLiteral("Arial"));
        font.setPointSizeF(9.75);
        font.setUnderline(true);
        Label1->setFont(font);
        QPalette palette = Label1->palette();
        palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
        Label1->setPalette(palette);
    }
    Label1->setAccessibleName(QStringLiteral("View More Emoticons"));
    connect(Label1, &PictureBox::clicked, this, &MainWindow::Label1_Click);

    chkAssist = new QCheckBox(QStringLiteral("Enable assistance"), area);
    chkAssist->setObjectName(QStringLiteral("chkAssist"));
    chkAssist->setGeometry(PostLayout::AssistBox);
    chkAssist->setAccessibleName(QStringLiteral("Enable assistance"));

    cmdQuote = new QPushButton(QStringLiteral("Quote manager"), area);
    cmdQuote->setObjectName(QStringLiteral("cmdQuote"));
    cmdQuote->setGeometry(PostLayout::QuoteButton);
    cmdQuote->setAccessibleName(cmdQuote->text());
    connect(cmdQuote, &QPushButton::clicked, this, &MainWindow::cmdQuote_Click);

    cmdPreview = new QPushButton(QStringLiteral("Preview"), area);
    cmdPreview->setObjectName(QStringLiteral("cmdPreview"));
    cmdPreview->setGeometry(PostLayout::PreviewButton);
    cmdPreview->setAccessibleName(cmdPreview->text());
    connect(cmdPreview, &QPushButton::clicked, this, &MainWindow::cmdPreview_Click);

    auto* submitFrame = new QGroupBox(area);
    submitFrame->setObjectName(QStringLiteral("framSubmit"));
    submitFrame->setGeometry(PostLayout::SubmitFrame);
    submitFrame->lower();

    OptNew = new QRadioButton(QStringLiteral("New topic in Forum:"), area);
    OptNew->setObjectName(QStringLiteral("OptNew"));
    OptNew->setGeometry(PostLayout::NewTopicOption);
    OptNew->setAccessibleName(OptNew->text());
    connect(OptNew, &QRadioButton::clicked, this, &MainWindow::OptNew_Click);

    optReply = new QRadioButton(QStringLiteral("Reply to post no.:"), area);
    optReply->setObjectName(QStringLiteral("optReply"));
    optReply->setGeometry(PostLayout::ReplyOption);
    optReply->setAccessibleName(optReply->text());
    connect(optReply, &QRadioButton::clicked, this, &MainWindow::optReply_Click);

    cmbForum = new QComboBox(area);
    cmbForum->setObjectName(QStringLiteral("cmbForum"));
    cmbForum->setGeometry(PostLayout::ForumList);
    cmbForum->setToolTip(QStringLiteral("Extract your site's forums and update them in Options..."));
    cmbForum->setAccessibleName(QStringLiteral("Forum"));
    cmbForum->setEnabled(false);
    connect(cmbForum, &QComboBox::activated, this, &MainWindow::cmbForum_Click);

    txtPostNo = new QLineEdit(area);
    txtPostNo->setObjectName(QStringLiteral("txtPostNo"));
    txtPostNo->setGeometry(PostLayout::TopicNumber);
    txtPostNo->setAccessibleName(QStringLiteral("Topic number"));
    txtPostNo->setEnabled(false);
    {
        QPalette palette = txtPostNo->palette();
        palette.setColor(QPalette::Base, QColor(192, 192, 192));
        palette.setColor(QPalette::Disabled, QPalette::Base, QColor(192, 192, 192));
        txtPostNo->setPalette(palette);
    }

    cmdPost = new QPushButton(QStringLiteral("Submit"), area);
    cmdPost->setObjectName(QStringLiteral("cmdPost"));
    cmdPost->setGeometry(PostLayout::SubmitButton);
    cmdPost->setAccessibleName(cmdPost->text());
    connect(cmdPost, &QPushButton::clicked, this, &MainWindow::cmdPost_Click);

    Image1 = new PictureBox(area);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(PostLayout::HotSpot);
    Image1->SetHandCursor();
    Image1->setAccessibleName(QStringLiteral("Open forum"));
    Image1->setToolTip(QStringLiteral("Open forum"));
    connect(Image1, &PictureBox::clicked, this, &MainWindow::Image1_Click);
}

void MainWindow::CreateCommands()
{
    m_tags = std::make_unique<TagInserter>(*this, txtPost, cmdBBcode, cmbSize, cmbColor);
    m_edit = std::make_unique<EditCommands>(*m_post, *m_context.platform, this);
    m_shortcuts = new PostShortcuts(txtPost, txtTitle, [this](int index) { cmdBBcode_Click(index); }, this);
    m_help = new StatusHelp(StatusPanels[0], m_background, this);
    for (size_t index = 0; index < cmdBBcode.size(); ++index)
        m_help->SetHelp(cmdBBcode[index], ToQString(TagTable::Buttons[index].statusHelp));
    m_help->SetHelp(chkAssist, ToQString(TagTable::AssistHelp));
    m_assist = std::make_unique<AssistWindows>(m_context, *m_post, this);
    m_forums = std::make_unique<ForumChooser>(m_context, cmbForum, this);
}

void MainWindow::txtPost_ContextMenu(const QPoint& pos)
{
    const std::unique_ptr<QMenu> menu(m_writing->BodyMenu(pos));
    menu->exec(txtPost->viewport()->mapToGlobal(pos));
}

void MainWindow::txtTitle_ContextMenu(const QPoint& pos)
{
    const std::unique_ptr<QMenu> menu(m_writing->TitleMenu(pos));
    menu->exec(txtTitle->mapToGlobal(pos));
}

void MainWindow::CreateActions()
{
    auto make = [this](QAction*& action, const char* name, const QString& text, auto handler) {
        action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
    };
    make(mnuNew, "mnuNew", QStringLiteral("&New Post"), &MainWindow::mnuNew_Click);
    make(mnuOpen, "mnuOpen", QStringLiteral("&Open Post..."), &MainWindow::mnuOpen_Click);
    make(mnuSave, "mnuSave", QStringLiteral("&Save Post"), [this] { mnusave_Click(); });
    make(mnuSaveAs, "mnuSaveAs", QStringLiteral("Sa&ve Post as..."), [this] { mnuSaveAs_Click(); });
    make(mnuExit, "mnuExit", QStringLiteral("E&xit"), &MainWindow::mnuExit_Click);
    make(mnuCopy, "mnuCopy", QStringLiteral("&Copy"), &MainWindow::mnuCopy_Click);
    make(mnuCut, "mnuCut", QStringLiteral("Cu&t"), &MainWindow::mnuCut_Click);
    make(mnuPaste, "mnuPaste", QStringLiteral("&Paste"), &MainWindow::mnuPaste_Click);
    make(mnuCopyClip, "mnuCopyClip", QStringLiteral("C&opy post to clipboard"), &MainWindow::mnuCopyClip_Click);
    make(mnuPreview, "mnuPreview", QStringLiteral("Previe&w post..."), &MainWindow::mnuPreview_Click);
    make(mnuFont, "mnuFont", QStringLiteral("&Font..."), &MainWindow::mnuFont_Click);
    make(mnuOptions, "mnuOptions", QStringLiteral("Op&tions..."), &MainWindow::mnuOptions_Click);
    make(mnuContact, "mnuContact", QStringLiteral("Contact Quillforge &Team"), &MainWindow::mnuContact_Click);
    make(mnuAbout, "mnuAbout", QStringLiteral("&About..."), &MainWindow::mnuAbout_Click);

    // A suggestion replaces the word as the tag commands replace a selection.
    auto replaceInBody = [this](int start, int length, const QString& text) {
        QTextCursor cursor = txtPost->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        txtPost->setTextCursor(cursor);
        m_post->ReplaceSelection(ToUtf8(text));
    };
    m_writing = new WritingHelp(txtPost, txtTitle, *m_context.settings, replaceInBody, m_context.offeredDictionaries, this);
    mnuCheckSpelling = m_writing->CheckSpellingItem();
    mnuSpellingLanguage = m_writing->LanguageMenu();
    mnuHighlight = m_writing->HighlightItem();
    txtPost->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(txtPost, &QWidget::customContextMenuRequested, this, &MainWindow::txtPost_ContextMenu);
    txtTitle->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(txtTitle, &QWidget::customContextMenuRequested, this, &MainWindow::txtTitle_ContextMenu);
}

void MainWindow::CreateMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->addActions({mnuNew, mnuOpen, mnuSave, mnuSaveAs});
    file->addSeparator();
    file->addAction(mnuExit);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    edit->addActions({mnuCopy, mnuCut, mnuPaste});
    edit->addSeparator();
    edit->addActions({mnuCopyClip, mnuPreview});
    edit->addSeparator();
    edit->addActions({mnuFont, mnuOptions});
    edit->addSeparator();
    edit->addAction(mnuCheckSpelling);
    edit->addMenu(mnuSpellingLanguage);
    edit->addAction(mnuHighlight);
    // A disabled spelling item says why in its tooltip; the items are ready
    // (the dictionaries found) whenever the menu opens.
    edit->setToolTipsVisible(true);
    connect(edit, &QMenu::aboutToShow, m_writing, &WritingHelp::StartSpelling);

    // The board's own tags, before Help once a posting page has named some.
    mnuBoardTags = new QMenu(QStringLiteral("&Board Tags"), this);
    mnuBoardTags->setObjectName(QStringLiteral("mnuBoardTags"));
    mnuBoardTags->setToolTipsVisible(true);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->addAction(mnuContact);
    help->addSeparator();
    help->addAction(mnuAbout);
}

void MainWindow::CreateToolBar()
{
    Toolbar1 = new QToolBar(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setIconSize(QSize(24, 24));
    Toolbar1->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    addToolBar(Qt::TopToolBarArea, Toolbar1);

    // Thirteen positions; each button is its menu item's own action, with
    // the toolbar's shorter caption where the menu's says more.
    struct Position {
        QAction* item;  // nullptr: a separator
        const char* tooltip;
    };
    const Position positions[] = {
        {mnuNew, "New"},
        {mnuOpen, "Open"},
        {mnuSave, "Save"},
        {nullptr, nullptr},
        {mnuCopy, "Copy"},
        {mnuCut, "Cut"},
        {mnuPaste, "Paste"},
        {nullptr, nullptr},
        {mnuCopyClip, "Copy post to clipboard"},
        {mnuPreview, "Preview post"},
        {nullptr, nullptr},
        {mnuOptions, "Options"},
        {mnuAbout, "About"},
    };
    for (const Position& position : positions) {
        if (!position.item) {
            Toolbar1->addSeparator();
            continue;
        }
        const QString tooltip = QString::fromLatin1(position.tooltip);
        // Set only where the menu text does not already give it: a menu that
        // shows tooltips shows only those set.
        if (position.item->toolTip() != tooltip)
            position.item->setToolTip(tooltip);
        position.item->setIconText(tooltip);
        // The picture belongs to the toolbar; the menus stay without.
        position.item->setIconVisibleInMenu(false);
        Toolbar1->addAction(position.item);
    }
}

void MainWindow::InitToolBar()
{
    int picture = 0;
    for (QAction* button : Toolbar1->actions()) {
        if (button->isSeparator())
            continue;
        button->setIcon(ToolbarIcons::Picture(picture++));
    }
}

void MainWindow::CreateStatusBar()
{
    Status = new QStatusBar(this);
    Status->setObjectName(QStringLiteral("Status"));
    Status->setSizeGripEnabled(false);
    setStatusBar(Status);
    const int widths[] = {0, 160, 80, 90};
    for (int i = 0; i < 4; ++i) {
        auto* panel = new QLabel(Status);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (i == 0)
            Status->addWidget(panel, 1);
        else {
            panel->setFixedWidth(widths[i]);
            panel->setAlignment(Qt::AlignCenter);
            Status->addPermanentWidget(panel);
        }
        StatusPanels[static_cast<size_t>(i)] = panel;
    }
    StatusLength = new QLabel(Status);
    StatusLength->setObjectName(QStringLiteral("StatusLength"));
    StatusLength->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusLength->setAlignment(Qt::AlignCenter);
    StatusLength->setAccessibleName(QStringLiteral("Length"));
    StatusLength->setToolTip(QStringLiteral("The post's length as the board counts it, and the most it takes"));
    Status->insertPermanentWidget(1, StatusLength);  // right after the help panel
    StatusLength->hide();
    StatusPanels[0]->setAccessibleName(QStringLiteral("Help"));
    StatusPanels[1]->setAccessibleName(QStringLiteral("Post state"));
    StatusPanels[2]->setAccessibleName(QStringLiteral("Time"));
    StatusPanels[3]->setAccessibleName(QStringLiteral("Date"));
    m_clock = new QTimer(this);
    connect(m_clock, &QTimer::timeout, this, &MainWindow::UpdateClock);
    m_clock->start(1000);
    UpdateClock();
}

void MainWindow::UpdateClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    StatusPanels[2]->setText(locale.toString(now.time(), QLocale::ShortFormat));
    StatusPanels[3]->setText(locale.toString(now.date(), QLocale::ShortFormat));
}

void MainWindow::Form_Load()
{
    setWindowTitle(Platform::ProgramTitle);
    RefreshBoard();
    // The initial list choices run the list commands as a user's choice would;
    // emptying the post afterwards removes what they inserted.
    cmbSize->setCurrentIndex(2);
    cmbSize_Click();
    cmbColor->setCurrentIndex(0);
    cmbColor_Click();
    txtPost->clear();
    Label1->setCursor(Qt::PointingHandCursor);
    m_post->PostChanged = false;
    m_post->ShowState(PostDocument::NoChangeText);
    InitToolBar();
    chkAssist->setToolTip(ToQString(TagTable::AssistHelp));
    GetForums();
}

bool MainWindow::NewPost()
{
    const PostFiles::Unsaved unsaved = m_files->AskToSaveChanges();
    if (unsaved == PostFiles::Unsaved::Keep)
        return false;
    // Unsaved changes were saved or discarded: either way none are left.
    m_post->SetUnchanged(PostDocument::NoChangeText);
    txtPost->clear();
    txtTitle->clear();
    m_post->PostFileName.clear();
    return true;
}

void MainWindow::mnuNew_Click() { NewPost(); }

void MainWindow::mnuExit_Click() { close(); }

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Once the close sequence has ended the program, the closing of every
    // window that follows does not ask again.
    if (m_ending) {
        event->accept();
        return;
    }
    const MsgAnswer answer = m_context.platform->MsgBox(this, ExitQuestion, MsgButtons::YesNo, MsgIcon::Question);
    if (answer != MsgAnswer::Yes || !NewPost()) {
        event->ignore();
        return;
    }
    event->accept();
    m_ending = true;
    emit programEnding();
}

void MainWindow::Image1_Click()
{
    QString address = m_context.settings->Get(SettingsStore::SiteAdressKey);
    if (address.isEmpty())
        address = QString::fromLatin1(Makers::WebAddress);
    m_context.platform->ShellOpen(this, address);
}

void MainWindow::OpenFile(const QString& OpenedFile) { m_files->OpenFile(OpenedFile); }
void MainWindow::mnuOpen_Click() { m_files->Open(); }
bool MainWindow::mnusave_Click() { return m_files->Save(); }
bool MainWindow::mnuSaveAs_Click() { return m_files->SaveAs(); }

void MainWindow::mnuCopy_Click() { m_edit->Copy(); }
void MainWindow::mnuCut_Click() { m_edit->Cut(); }
void MainWindow::mnuPaste_Click() { m_edit->Paste(); }
void MainWindow::mnuCopyClip_Click() { m_edit->CopyPost(); }
void MainWindow::mnuFont_Click() { m_edit->Font(); }
void MainWindow::cmdBBcode_Click(int Index) { m_tags->ButtonClick(Index); }
void MainWindow::cmbSize_Click() { m_tags->SizeChosen(); }
void MainWindow::cmbColor_Click() { m_tags->ColourChosen(); }
void MainWindow::imgIcon_Click(int Index) { m_tags->EmoticonClick(Index); }
bool MainWindow::AssistMode() const { return chkAssist->isChecked(); }

void MainWindow::OpenQuoteManager(const QString& quotedText) { m_assist->OpenQuoteManager(quotedText); }
void MainWindow::OpenAssistant(const QString& command) { m_assist->OpenAssistant(command); }
void MainWindow::cmdQuote_Click() { m_assist->ShowQuoteManager(); }
void MainWindow::Label1_Click() { m_assist->ShowExtraEmoticons(BoardSmilies()); }

void MainWindow::mnuPreview_Click() { cmdPreview_Click(); }
void MainWindow::mnuContact_Click() { BrowserPages::Contact(m_context, this); }
void MainWindow::mnuAbout_Click() { AboutWindow::ShowModal(m_context, this); }
void MainWindow::cmdPreview_Click()
{
    if (m_board.Kind() != BoardKind::Phpbb3) {
        BrowserPages::Preview(m_context, this, m_post->Post());
        return;
    }
    const BoardDialect dialect(m_board, m_context.pictureFolder, m_site);
    BrowserPages::WriteAndShow(m_context, this, BrowserMode::Preview,
                               PreviewPage::BuildForPhpbb3(m_post->Post(), dialect.Options()));
}

void MainWindow::cmdPost_Click()
{
    SubmitCommand::Choice choice;
    if (OptNew->isChecked())
        choice.kind = SubmitChecks::PostKind::NewTopic;
    else if (optReply->isChecked())
        choice.kind = SubmitChecks::PostKind::Reply;
    choice.topicNumber = ToUtf8(txtPostNo->text());
    choice.forumShown = ToUtf8(cmbForum->currentText());
    choice.forumNumber = ToUtf8(m_forumNumber);
    SubmitCommand::Submit(m_context, choice, *m_post, this);
    // The posting page may have told what the board is and offers.
    RefreshBoard();
}

// A new topic: the forum chooser usable, the topic-number field not (light
// grey). A reply: the topic-number field usable (white), the chooser not.
void MainWindow::OptNew_Click() { EnableTopicNumber(false); }
void MainWindow::optReply_Click() { EnableTopicNumber(true); }

void MainWindow::EnableTopicNumber(bool enabled)
{
    txtPostNo->setEnabled(enabled);
    QPalette palette = txtPostNo->palette();
    const QColor background = enabled ? QColor(Qt::white) : QColor(205, 205, 205);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, background);
    txtPostNo->setPalette(palette);
    cmbForum->setEnabled(!enabled);
}

void MainWindow::mnuOptions_Click()
{
    OptionsDialog::ShowModeless(m_options, m_context, [this] { GetForums(); }, this);
    if (m_options)
        connect(m_options, &OptionsDialog::siteSaved, this, &MainWindow::RefreshBoard, Qt::UniqueConnection);
}

void MainWindow::RefreshBoard()
{
    m_site = m_context.settings->Get(SettingsStore::SiteAdressKey);
    m_board = BoardProfiles::Load(*m_context.settings, m_site);
    const std::array<int, 5>& scale = SizeScale::For(m_board.Kind());
    for (int item = 0; item < cmbSize->count(); ++item)
        cmbSize->setItemData(item, QStringLiteral("[size=%1]").arg(scale[size_t(item)]), Qt::ToolTipRole);
    ShowEmoticons();
    FillBoardTags();
    ShowLength();
    m_writing->Body().SetTagsInAnyCase(m_board.Kind() == BoardKind::Phpbb3);
}

void MainWindow::ShowLength()
{
    const bool counted = m_board.Kind() == BoardKind::Phpbb3;
    StatusLength->setVisible(counted);
    if (!counted)
        return;
    const size_t most = m_board.maxChars > 0 ? m_board.maxChars : Phpbb3::Limits().maxChars;
    const size_t length = Phpbb3::CountCharacters(m_post->Post());
    const QLocale locale;
    const QString text = most > 0 ? QStringLiteral("%1 of %2").arg(locale.toString(qulonglong(length)), locale.toString(qulonglong(most)))
                            : locale.toString(qulonglong(length));
    const bool tooLong = most > 0 && length > most;
    StatusLength->setText(text);
    StatusLength->setStyleSheet(tooLong ? QStringLiteral("color: #C00000; font-weight: bold;") : QString());
}

const std::vector<BoardSmiley>& MainWindow::BoardSmilies() const
{
    static const std::vector<BoardSmiley> none;
    return m_board.Kind() == BoardKind::Phpbb3 ? m_board.smilies : none;
}

void MainWindow::ShowEmoticons()
{
    const std::vector<BoardSmiley>& smilies = BoardSmilies();
    const QSize fit(PostLayout::IconSize, PostLayout::IconSize);
    for (size_t index = 0; index < imgIcon.size(); ++index) {
        PictureBox* picture = imgIcon[index];
        QString tooltip;
        QPixmap pixmap;
        if (smilies.empty()) {
            const auto& row = TagTable::Emoticons[index];
            tooltip = ToQString(row.tooltip);
            pixmap = QPixmap(
                m_context.PictureFile(QStringLiteral("emo/%1.gif").arg(ToQString(bbcode::PictureNameOf(row.code)))));
            if (!pixmap.isNull())
                pixmap = pixmap.scaled(fit, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        } else if (index < smilies.size()) {
            tooltip = ToQString(smilies[index].title.empty() ? smilies[index].code : smilies[index].title);
            pixmap = SmileyPictures::Picture(smilies[index], fit);
        }
        picture->setVisible(smilies.empty() || index < smilies.size());
        picture->setToolTip(tooltip);
        picture->setAccessibleName(tooltip.trimmed());
        // A picture not fetched yet shows its code's first letters.
        if (pixmap.isNull() && !smilies.empty() && index < smilies.size())
            picture->setText(ToQString(smilies[index].code).left(3));
        else
            picture->setPixmap(pixmap);
    }
}

void MainWindow::FillBoardTags()
{
    mnuBoardTags->clear();
    static const std::vector<BoardTag> none;
    const std::vector<BoardTag>& tags = m_board.Kind() == BoardKind::Phpbb3 ? m_board.tags : none;
    for (const BoardTag& tag : tags) {
        QAction* item = mnuBoardTags->addAction(ToQString(tag.Opening() + " " + tag.Closing()));
        item->setToolTip(ToQString(tag.help));
        item->setStatusTip(ToQString(tag.help));
        connect(item, &QAction::triggered, this, [this, tag] { m_tags->BoardTagChosen(tag); });
    }
    QAction* const help = menuBar()->actions().constLast();
    const bool shown = menuBar()->actions().contains(mnuBoardTags->menuAction());
    if (!tags.empty() && !shown)
        menuBar()->insertMenu(help, mnuBoardTags);
    else if (tags.empty() && shown)
        menuBar()->removeAction(mnuBoardTags->menuAction());
}

void MainWindow::GetForums()
{
    if (m_forums->Reload())
        cmbForum_Click();
}

void MainWindow::cmbForum_Click()
{
    if (const std::optional<QString> number = m_forums->ChosenNumber())
        m_forumNumber = *number;
}
