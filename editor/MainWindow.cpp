// SPDX-License-Identifier: MIT
#include "editor/MainWindow.h"

#include "about/AboutWindow.h"
#include "base/Accessibility.h"
#include "base/Utf8.h"
#include "base/Makers.h"
#include "base/PictureBox.h"
#include "base/Platform.h"
#include "base/Settings.h"
#include "assist/AssistWindows.h"
#include "board/BoardDialect.h"
#include "board/BoardProfiles.h"
#include "board/SizeScale.h"
#include "board/SmileyPictures.h"
#include "editor/BodyEdit.h"
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
#include "browser/BrowserPages.h"
#include "browser/LivePreviewPane.h"
#include "render/EmoticonTable.h"
#include "render/LivePreview.h"
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
#include <QSplitter>
#include <QStatusBar>
#include <QTextCursor>
#include <QTimer>
#include <QToolBar>

#include <limits>

namespace {
const QString ExitQuestion = QStringLiteral("Are you sure you want to exit Quillforge");

// The room the live preview pane adds to the right of the fixed window, and
// the pane's share of the splitter until the user moves it.
constexpr int LivePreviewRoom = 426;
constexpr int LivePreviewWidth = 420;

// What the status bar says about the post's state.
QString StateText(PostDocument::State state)
{
    switch (state) {
    case PostDocument::State::Unchanged:
        return QStringLiteral("No change in post");
    case PostDocument::State::Saved:
        return QStringLiteral("Post Saved, No change");
    case PostDocument::State::Changed:
        break;
    }
    return QStringLiteral("Post Changed");
}
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
    m_post = new PostDocument(subjectEdit, bodyEdit, this);
    connect(m_post, &PostDocument::stateChanged, this, &MainWindow::ShowPostState);
    m_files = std::make_unique<PostFiles>(*m_post, m_context, this);
    CreateCommands();
    // The client area (toolbar, central area, status bar) is fixed; the menu bar comes on top.
    setFixedSize(PostLayout::ClientWidth, PostLayout::ClientHeight + menuBar()->sizeHint().height());
    Initialise();
    // The length panel follows the body after a pause in typing.
    m_lengthTimer = new QTimer(this);
    m_lengthTimer->setSingleShot(true);
    m_lengthTimer->setInterval(300);
    connect(m_lengthTimer, &QTimer::timeout, this, &MainWindow::ShowLength);
    connect(bodyEdit, &QPlainTextEdit::textChanged, this, [this] {
        if (lengthPanel->isVisible())
            m_lengthTimer->start();
    });
    m_recovery = new RecoveryKeeper(*m_post, helpPanel, RecoverySlot::Folder(), this);
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

    subjectEdit = new QLineEdit(area);
    subjectEdit->setObjectName(QStringLiteral("subjectEdit"));
    subjectEdit->setGeometry(PostLayout::TitleField);
    subjectEdit->setFont(fieldFont);
    // A title read from a file may be longer than a line field's usual limit.
    subjectEdit->setMaxLength(std::numeric_limits<int>::max());
    subjectEdit->setAccessibleName(QStringLiteral("Subject"));

    // Tag buttons, in their row order.
    int left = PostLayout::TagRowLeft;
    for (int index : TagTable::ButtonRowOrder) {
        const auto& row = TagTable::Buttons[static_cast<size_t>(index)];
        auto* button = new QPushButton(ToQString(row.caption), area);
        button->setObjectName(QStringLiteral("tagButton_%1").arg(index));
        button->setProperty("index", index);
        button->setToolTip(ToQString(row.tooltip));
        button->setAccessibleName(ToQString(row.caption));
        button->setFocusPolicy(Qt::TabFocus);
        QFont font = button->font();
        font.setBold(index == 0 || index == 1);
        font.setItalic(index == 1);
        font.setUnderline(index == 2);
        button->setFont(font);
        const int width =
            std::max(36, button->fontMetrics().horizontalAdvance(button->text() + QStringLiteral(" *")) + 16);
        button->setGeometry(left, PostLayout::TagRowTop, width, PostLayout::TagRowHeight);
        left += width + PostLayout::TagRowGap;
        connect(button, &QPushButton::clicked, this, [this, index] { runTagButton(index); });
        tagButtons[static_cast<size_t>(index)] = button;
    }

    // Rich text pasted into the body becomes BBCode of the site's board.
    bodyEdit = new BodyEdit(
        [this] { return HtmlPaste::ForBoard(m_board.Kind(), m_context.settings->keepPastedColoursAndSizes()); }, area);
    bodyEdit->setObjectName(QStringLiteral("bodyEdit"));
    bodyEdit->setGeometry(PostLayout::PostField);
    bodyEdit->setFont(fieldFont);
    bodyEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    bodyEdit->setAccessibleName(QStringLiteral("Message body"));
    CreateLivePreview(area);

    sizeList = new QComboBox(area);
    sizeList->setObjectName(QStringLiteral("sizeList"));
    sizeList->setGeometry(PostLayout::SizeList);
    for (std::string_view caption : SizeScale::Captions)
        sizeList->addItem(ToQString(caption));
    sizeList->setAccessibleName(QStringLiteral("Font size"));
    connect(sizeList, &QComboBox::activated, this, &MainWindow::insertSize);

    colourList = new QComboBox(area);
    colourList->setObjectName(QStringLiteral("colourList"));
    colourList->setGeometry(PostLayout::ColourList);
    for (std::string_view colour : TagTable::Colours)
        colourList->addItem(ToQString(colour));
    colourList->setAccessibleName(QStringLiteral("Font colour"));
    connect(colourList, &QComboBox::activated, this, &MainWindow::insertColour);
    // Their choice inserts a tag: the wheel over the closed lists must not choose.
    auto* wheelGuard = new ListWheelGuard(this);
    wheelGuard->Guard(sizeList);
    wheelGuard->Guard(colourList);

    for (int index = 0; index < 20; ++index) {
        auto* picture = new PictureBox(area);
        picture->setObjectName(QStringLiteral("emoticonPicture_%1").arg(index));
        picture->setProperty("index", index);
        picture->setGeometry(PostLayout::IconRect(index));
        picture->SetHandCursor();
        connect(picture, &PictureBox::clicked, this, [this, index] { insertEmoticon(index); });
        emoticonPictures[static_cast<size_t>(index)] = picture;
    }

    moreEmoticonsLink = new PictureBox(area);
    moreEmoticonsLink->setObjectName(QStringLiteral("moreEmoticonsLink"));
    moreEmoticonsLink->setText(QStringLiteral("View More Emoticons"));
    moreEmoticonsLink->setGeometry(PostLayout::MoreEmoticons);
    moreEmoticonsLink->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    {
        QFont font(QStringLiteral("Arial"));
        font.setPointSizeF(9.75);
        font.setUnderline(true);
        moreEmoticonsLink->setFont(font);
        QPalette palette = moreEmoticonsLink->palette();
        palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
        moreEmoticonsLink->setPalette(palette);
    }
    moreEmoticonsLink->setAccessibleName(QStringLiteral("View More Emoticons"));
    connect(moreEmoticonsLink, &PictureBox::clicked, this, &MainWindow::showMoreEmoticons);

    assistanceBox = new QCheckBox(QStringLiteral("Enable assistance"), area);
    assistanceBox->setObjectName(QStringLiteral("assistanceBox"));
    assistanceBox->setGeometry(PostLayout::AssistBox);
    assistanceBox->setAccessibleName(QStringLiteral("Enable assistance"));

    quoteManagerButton = new QPushButton(QStringLiteral("Quote manager"), area);
    quoteManagerButton->setObjectName(QStringLiteral("quoteManagerButton"));
    quoteManagerButton->setGeometry(PostLayout::QuoteButton);
    quoteManagerButton->setAccessibleName(quoteManagerButton->text());
    connect(quoteManagerButton, &QPushButton::clicked, this, &MainWindow::showQuoteManager);

    previewButton = new QPushButton(QStringLiteral("Preview"), area);
    previewButton->setObjectName(QStringLiteral("previewButton"));
    previewButton->setGeometry(PostLayout::PreviewButton);
    previewButton->setAccessibleName(previewButton->text());
    connect(previewButton, &QPushButton::clicked, this, &MainWindow::preview);

    auto* submitFrame = new QGroupBox(area);
    submitFrame->setObjectName(QStringLiteral("submitFrame"));
    submitFrame->setGeometry(PostLayout::SubmitFrame);
    submitFrame->lower();

    newTopicOption = new QRadioButton(QStringLiteral("New topic in Forum:"), area);
    newTopicOption->setObjectName(QStringLiteral("newTopicOption"));
    newTopicOption->setGeometry(PostLayout::NewTopicOption);
    newTopicOption->setAccessibleName(newTopicOption->text());
    connect(newTopicOption, &QRadioButton::clicked, this, &MainWindow::chooseNewTopic);

    replyOption = new QRadioButton(QStringLiteral("Reply to post no.:"), area);
    replyOption->setObjectName(QStringLiteral("replyOption"));
    replyOption->setGeometry(PostLayout::ReplyOption);
    replyOption->setAccessibleName(replyOption->text());
    connect(replyOption, &QRadioButton::clicked, this, &MainWindow::chooseReply);

    forumChooser = new QComboBox(area);
    forumChooser->setObjectName(QStringLiteral("forumChooser"));
    forumChooser->setGeometry(PostLayout::ForumList);
    forumChooser->setToolTip(QStringLiteral("Extract your site's forums and update them in Options..."));
    forumChooser->setAccessibleName(QStringLiteral("Forum"));
    forumChooser->setEnabled(false);
    connect(forumChooser, &QComboBox::activated, this, &MainWindow::forumChosen);

    topicNumberEdit = new QLineEdit(area);
    topicNumberEdit->setObjectName(QStringLiteral("topicNumberEdit"));
    topicNumberEdit->setGeometry(PostLayout::TopicNumber);
    topicNumberEdit->setAccessibleName(QStringLiteral("Topic number"));
    topicNumberEdit->setEnabled(false);
    {
        QPalette palette = topicNumberEdit->palette();
        palette.setColor(QPalette::Base, QColor(192, 192, 192));
        palette.setColor(QPalette::Disabled, QPalette::Base, QColor(192, 192, 192));
        topicNumberEdit->setPalette(palette);
    }

    submitButton = new QPushButton(QStringLiteral("Submit"), area);
    submitButton->setObjectName(QStringLiteral("submitButton"));
    submitButton->setGeometry(PostLayout::SubmitButton);
    submitButton->setAccessibleName(submitButton->text());
    connect(submitButton, &QPushButton::clicked, this, &MainWindow::submit);

    openForumHotSpot = new PictureBox(area);
    openForumHotSpot->setObjectName(QStringLiteral("openForumHotSpot"));
    openForumHotSpot->setGeometry(PostLayout::HotSpot);
    openForumHotSpot->SetHandCursor();
    openForumHotSpot->setAccessibleName(QStringLiteral("Open forum"));
    openForumHotSpot->setToolTip(QStringLiteral("Open forum"));
    connect(openForumHotSpot, &PictureBox::clicked, this, &MainWindow::openForum);
}

void MainWindow::CreateLivePreview(QWidget* area)
{
    bodySplitter = new QSplitter(Qt::Horizontal, area);
    bodySplitter->setObjectName(QStringLiteral("bodySplitter"));
    bodySplitter->setAccessibleName(QStringLiteral("Message body and live preview"));
    bodySplitter->setGeometry(PostLayout::PostField);
    bodySplitter->setChildrenCollapsible(false);
    bodySplitter->addWidget(bodyEdit);
    const QUrl base = QUrl::fromLocalFile(m_context.WritableFile(QStringLiteral("live-preview.htm")));
    livePreview = new LivePreviewPane(
        bodyEdit, [this] { return m_post->Post(); }, base, bodySplitter);
    bodySplitter->addWidget(livePreview);
    livePreview->hide();
    connect(bodySplitter, &QSplitter::splitterMoved, this,
            [this] { m_context.settings->setLivePreviewSizes(bodySplitter->sizes()); });
}

void MainWindow::showLivePreview(bool on)
{
    m_context.settings->setLivePreview(on);
    livePreviewAction->setChecked(on);
    // The window has a fixed size: the pane gets room of its own to the right.
    const int room = on ? LivePreviewRoom : 0;
    setFixedSize(PostLayout::ClientWidth + room, PostLayout::ClientHeight + menuBar()->sizeHint().height());
    bodySplitter->resize(PostLayout::PostField.width() + room, PostLayout::PostField.height());
    livePreview->setVisible(on);
    if (!on)
        return;
    QList<int> sizes = m_context.settings->livePreviewSizes();
    if (sizes.size() != 2)
        sizes = {PostLayout::PostField.width(), LivePreviewWidth};
    bodySplitter->setSizes(sizes);
}

void MainWindow::UpdateLiveDialect()
{
    if (m_board.Kind() != BoardKind::Phpbb3) {
        livePreview->SetDialect(
            {LivePreview::ClassicPage(), [folder = ToUtf8(m_context.pictureFolder)](std::string_view post) {
                 return LivePreview::RenderClassic(post, folder);
             }});
        return;
    }
    // The renderer runs on the pane's thread, which shares the dialect.
    auto dialect = std::make_shared<const BoardDialect>(m_board, m_context.pictureFolder, m_site);
    livePreview->SetDialect({LivePreview::Phpbb3Page(), [dialect](std::string_view post) {
                                 return LivePreview::RenderPhpbb3(post, dialect->Options());
                             }});
}

void MainWindow::CreateCommands()
{
    m_edit = std::make_unique<EditCommands>(*m_post, *m_context.platform, this);
    m_shortcuts = new PostShortcuts(
        bodyEdit, subjectEdit, [this](int index) { runTagButton(index); }, this);
    m_help = new StatusHelp(helpPanel, m_background, this);
    for (size_t index = 0; index < tagButtons.size(); ++index)
        m_help->SetHelp(tagButtons[index], ToQString(TagTable::Buttons[index].statusHelp));
    m_help->SetHelp(assistanceBox, ToQString(TagTable::AssistHelp));
    m_assist = std::make_unique<AssistWindows>(m_context, *m_post, this);
    m_tags = std::make_unique<TagInserter>(*m_post, *m_assist, assistanceBox, tagButtons, sizeList, colourList);
    m_forums = std::make_unique<ForumChooser>(m_context, forumChooser, this);
}

void MainWindow::ShowBodyMenu(const QPoint& pos)
{
    const std::unique_ptr<QMenu> menu(m_writing->BodyMenu(pos));
    // Paste as Plain Text follows the field's own Paste.
    const QList<QAction*> items = menu->actions();
    for (qsizetype i = 0; i < items.size(); ++i)
        if (items[i]->objectName() == QLatin1String("edit-paste"))
            menu->insertAction(i + 1 < items.size() ? items[i + 1] : nullptr, pastePlainAction);
    menu->exec(bodyEdit->viewport()->mapToGlobal(pos));
}

void MainWindow::ShowSubjectMenu(const QPoint& pos)
{
    const std::unique_ptr<QMenu> menu(m_writing->TitleMenu(pos));
    menu->exec(subjectEdit->mapToGlobal(pos));
}

void MainWindow::CreateActions()
{
    auto make = [this](QAction*& action, const char* name, const QString& text, auto handler) {
        action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
    };
    make(newPostAction, "newPostAction", QStringLiteral("&New Post"), &MainWindow::newPost);
    make(openPostAction, "openPostAction", QStringLiteral("&Open Post..."), &MainWindow::openPost);
    make(savePostAction, "savePostAction", QStringLiteral("&Save Post"), [this] { savePost(); });
    make(saveAsAction, "saveAsAction", QStringLiteral("Sa&ve Post as..."), [this] { saveAs(); });
    make(exitAction, "exitAction", QStringLiteral("E&xit"), &MainWindow::exitProgram);
    make(copyAction, "copyAction", QStringLiteral("&Copy"), &MainWindow::copy);
    make(cutAction, "cutAction", QStringLiteral("Cu&t"), &MainWindow::cut);
    make(pasteAction, "pasteAction", QStringLiteral("&Paste"), &MainWindow::paste);
    make(pastePlainAction, "pastePlainAction", QStringLiteral("Paste as Plain &Text"), &MainWindow::pastePlainText);
    // The body's own shortcut: the title field pastes plain text anyway.
    pastePlainAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    pastePlainAction->setShortcutContext(Qt::WidgetShortcut);
    bodyEdit->addAction(pastePlainAction);
    keepPastedLooksAction = new QAction(QStringLiteral("&Keep Colours and Sizes When Pasting"), this);
    keepPastedLooksAction->setObjectName(QStringLiteral("keepPastedLooksAction"));
    keepPastedLooksAction->setCheckable(true);
    keepPastedLooksAction->setChecked(m_context.settings->keepPastedColoursAndSizes());
    connect(keepPastedLooksAction, &QAction::toggled, this,
            [this](bool on) { m_context.settings->setKeepPastedColoursAndSizes(on); });
    make(copyPostAction, "copyPostAction", QStringLiteral("C&opy post to clipboard"), &MainWindow::copyPost);
    make(previewAction, "previewAction", QStringLiteral("Previe&w post..."), &MainWindow::preview);
    make(fontAction, "fontAction", QStringLiteral("&Font..."), &MainWindow::chooseFont);
    make(optionsAction, "optionsAction", QStringLiteral("Op&tions..."), &MainWindow::showOptions);
    make(livePreviewAction, "livePreviewAction", QStringLiteral("&Live Preview"), &MainWindow::showLivePreview);
    livePreviewAction->setCheckable(true);
    make(contactAction, "contactAction", QStringLiteral("Contact Quillforge &Team"), &MainWindow::showContactPage);
    make(aboutAction, "aboutAction", QStringLiteral("&About..."), &MainWindow::showAbout);

    // A suggestion replaces the word as the tag commands replace a selection.
    auto replaceInBody = [this](int start, int length, const QString& text) {
        QTextCursor cursor = bodyEdit->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        bodyEdit->setTextCursor(cursor);
        m_post->ReplaceSelection(ToUtf8(text));
    };
    m_writing =
        new WritingHelp(bodyEdit, subjectEdit, *m_context.settings, replaceInBody, m_context.offeredDictionaries, this);
    checkSpellingAction = m_writing->CheckSpellingItem();
    spellingLanguageMenu = m_writing->LanguageMenu();
    highlightAction = m_writing->HighlightItem();
    bodyEdit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(bodyEdit, &QWidget::customContextMenuRequested, this, &MainWindow::ShowBodyMenu);
    subjectEdit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(subjectEdit, &QWidget::customContextMenuRequested, this, &MainWindow::ShowSubjectMenu);
}

void MainWindow::CreateMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    file->addActions({newPostAction, openPostAction, savePostAction, saveAsAction});
    file->addSeparator();
    file->addAction(exitAction);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("editMenu"));
    edit->addActions({copyAction, cutAction, pasteAction, pastePlainAction, keepPastedLooksAction});
    edit->addSeparator();
    edit->addActions({copyPostAction, previewAction});
    edit->addSeparator();
    edit->addActions({fontAction, optionsAction});
    edit->addSeparator();
    edit->addAction(checkSpellingAction);
    edit->addMenu(spellingLanguageMenu);
    edit->addAction(highlightAction);
    // A disabled spelling item says why in its tooltip; the items are ready
    // (the dictionaries found) whenever the menu opens.
    edit->setToolTipsVisible(true);
    connect(edit, &QMenu::aboutToShow, m_writing, &WritingHelp::StartSpelling);

    // The board's own tags, before Help once a posting page has named some.
    boardTagsMenu = new QMenu(QStringLiteral("&Board Tags"), this);
    boardTagsMenu->setObjectName(QStringLiteral("boardTagsMenu"));
    boardTagsMenu->setToolTipsVisible(true);

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("viewMenu"));
    view->addAction(livePreviewAction);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    help->addAction(contactAction);
    help->addSeparator();
    help->addAction(aboutAction);
}

void MainWindow::CreateToolBar()
{
    toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setIconSize(QSize(24, 24));
    toolBar->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    addToolBar(Qt::TopToolBarArea, toolBar);

    // Fourteen positions; each button is its menu item's own action, with
    // the toolbar's shorter caption where the menu's says more.
    struct Position {
        QAction* item;  // nullptr: a separator
        const char* tooltip;
    };
    const Position positions[] = {
        {newPostAction, "New"},
        {openPostAction, "Open"},
        {savePostAction, "Save"},
        {nullptr, nullptr},
        {copyAction, "Copy"},
        {cutAction, "Cut"},
        {pasteAction, "Paste"},
        {nullptr, nullptr},
        {copyPostAction, "Copy post to clipboard"},
        {previewAction, "Preview post"},
        {livePreviewAction, "Live preview"},
        {nullptr, nullptr},
        {optionsAction, "Options"},
        {aboutAction, "About"},
    };
    for (const Position& position : positions) {
        if (!position.item) {
            toolBar->addSeparator();
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
        toolBar->addAction(position.item);
    }
}

void MainWindow::SetToolBarPictures()
{
    int picture = 0;
    for (QAction* button : toolBar->actions()) {
        if (button->isSeparator())
            continue;
        button->setIcon(ToolbarIcons::Picture(picture++));
    }
}

void MainWindow::CreateStatusBar()
{
    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("statusBar"));
    bar->setSizeGripEnabled(false);
    setStatusBar(bar);
    // The help panel takes what the others leave; the others keep their widths.
    struct Panel {
        QLabel*& label;
        const char* name;
        const char* accessibleName;
        int width;
    };
    const Panel panels[] = {
        {helpPanel, "helpPanel", "Help", 0},
        {statePanel, "statePanel", "Post state", 160},
        {timePanel, "timePanel", "Time", 80},
        {datePanel, "datePanel", "Date", 90},
    };
    for (const Panel& each : panels) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QString::fromLatin1(each.name));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (each.width == 0)
            bar->addWidget(panel, 1);
        else {
            panel->setFixedWidth(each.width);
            panel->setAlignment(Qt::AlignCenter);
            bar->addPermanentWidget(panel);
        }
        each.label = panel;
    }
    lengthPanel = new QLabel(bar);
    lengthPanel->setObjectName(QStringLiteral("lengthPanel"));
    lengthPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lengthPanel->setAlignment(Qt::AlignCenter);
    lengthPanel->setAccessibleName(QStringLiteral("Length"));
    lengthPanel->setToolTip(QStringLiteral("The post's length as the board counts it, and the most it takes"));
    bar->insertPermanentWidget(1, lengthPanel);  // right after the help panel
    lengthPanel->hide();
    for (const Panel& each : panels)
        each.label->setAccessibleName(QString::fromLatin1(each.accessibleName));
    m_clock = new QTimer(this);
    connect(m_clock, &QTimer::timeout, this, &MainWindow::UpdateClock);
    m_clock->start(1000);
    UpdateClock();
}

void MainWindow::ShowPostState(PostDocument::State state) { statePanel->setText(StateText(state)); }

void MainWindow::UpdateClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    timePanel->setText(locale.toString(now.time(), QLocale::ShortFormat));
    datePanel->setText(locale.toString(now.date(), QLocale::ShortFormat));
}

void MainWindow::Initialise()
{
    setWindowTitle(Platform::ProgramTitle);
    RefreshBoard();
    // The initial list choices run the list commands as a user's choice would;
    // emptying the post afterwards removes what they inserted.
    sizeList->setCurrentIndex(2);
    insertSize();
    colourList->setCurrentIndex(0);
    insertColour();
    bodyEdit->clear();
    moreEmoticonsLink->setCursor(Qt::PointingHandCursor);
    m_post->SetState(PostDocument::State::Unchanged);
    SetToolBarPictures();
    assistanceBox->setToolTip(ToQString(TagTable::AssistHelp));
    ReloadForums();
    showLivePreview(m_context.settings->livePreview());
}

bool MainWindow::newPost()
{
    const PostFiles::Unsaved unsaved = m_files->AskToSaveChanges();
    if (unsaved == PostFiles::Unsaved::Keep)
        return false;
    // Unsaved changes were saved or discarded: either way none are left.
    m_post->SetState(PostDocument::State::Unchanged);
    bodyEdit->clear();
    subjectEdit->clear();
    m_post->SetFileName(QString());
    return true;
}

void MainWindow::exitProgram() { close(); }

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Once the close sequence has ended the program, the closing of every
    // window that follows does not ask again.
    if (m_ending) {
        event->accept();
        return;
    }
    const MsgAnswer answer = m_context.platform->MsgBox(this, ExitQuestion, MsgButtons::YesNo, MsgIcon::Question);
    if (answer != MsgAnswer::Yes || !newPost()) {
        event->ignore();
        return;
    }
    event->accept();
    m_ending = true;
    emit programEnding();
}

void MainWindow::openForum()
{
    QString address = m_context.settings->siteAddress();
    if (address.isEmpty())
        address = QString::fromLatin1(Makers::WebAddress);
    m_context.platform->ShellOpen(this, address);
}

void MainWindow::OpenFile(const QString& path) { m_files->OpenFile(path); }
void MainWindow::openPost() { m_files->Open(); }
bool MainWindow::savePost() { return m_files->Save(); }
bool MainWindow::saveAs() { return m_files->SaveAs(); }

void MainWindow::copy() { m_edit->Copy(); }
void MainWindow::cut() { m_edit->Cut(); }
void MainWindow::paste() { m_edit->Paste(); }
void MainWindow::pastePlainText() { m_edit->PastePlainText(); }
void MainWindow::copyPost() { m_edit->CopyPost(); }
void MainWindow::chooseFont() { m_edit->Font(); }
void MainWindow::runTagButton(int index) { m_tags->ButtonClick(index); }
void MainWindow::insertSize() { m_tags->SizeChosen(); }
void MainWindow::insertColour() { m_tags->ColourChosen(); }
void MainWindow::insertEmoticon(int index) { m_tags->EmoticonClick(index); }
bool MainWindow::AssistMode() const { return assistanceBox->isChecked(); }

void MainWindow::showQuoteManager() { m_assist->ShowQuoteManager(); }
void MainWindow::showMoreEmoticons() { m_assist->ShowExtraEmoticons(BoardSmilies()); }

void MainWindow::showContactPage() { BrowserPages::Contact(m_context, this); }
void MainWindow::showAbout() { AboutWindow::ShowModal(m_context, this); }
void MainWindow::preview()
{
    switch (m_board.Kind()) {
    case BoardKind::Phpbb3: {
        const BoardDialect dialect(m_board, m_context.pictureFolder, m_site);
        BrowserPages::WriteAndShow(m_context, this, BrowserMode::Preview,
                                   PreviewPage::BuildForPhpbb3(m_post->Post(), dialect.Options()));
        return;
    }
    case BoardKind::Mybb18:
    case BoardKind::Smf21:
        // No page of their own yet: the classic preview stands in.
    case BoardKind::Phpbb2:
    case BoardKind::Unknown:
        break;
    }
    BrowserPages::Preview(m_context, this, m_post->Post());
}

void MainWindow::submit()
{
    SubmitCommand::Choice choice;
    if (newTopicOption->isChecked())
        choice.kind = SubmitChecks::PostKind::NewTopic;
    else if (replyOption->isChecked())
        choice.kind = SubmitChecks::PostKind::Reply;
    choice.topicNumber = ToUtf8(topicNumberEdit->text());
    choice.forumShown = ToUtf8(forumChooser->currentText());
    choice.forumNumber = ToUtf8(m_forumNumber);
    SubmitCommand::Submit(m_context, choice, *m_post, this);
    // The posting page may have told what the board is and offers.
    RefreshBoard();
}

// A new topic: the forum chooser usable, the topic-number field not (light
// grey). A reply: the topic-number field usable (white), the chooser not.
void MainWindow::chooseNewTopic() { EnableTopicNumber(false); }
void MainWindow::chooseReply() { EnableTopicNumber(true); }

void MainWindow::EnableTopicNumber(bool enabled)
{
    topicNumberEdit->setEnabled(enabled);
    QPalette palette = topicNumberEdit->palette();
    const QColor background = enabled ? QColor(Qt::white) : QColor(205, 205, 205);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, background);
    topicNumberEdit->setPalette(palette);
    forumChooser->setEnabled(!enabled);
}

void MainWindow::showOptions()
{
    OptionsDialog::ShowModeless(
        m_options, m_context, [this] { ReloadForums(); }, this);
    if (m_options)
        connect(m_options, &OptionsDialog::siteSaved, this, &MainWindow::RefreshBoard, Qt::UniqueConnection);
}

void MainWindow::RefreshBoard()
{
    m_site = m_context.settings->siteAddress();
    m_board = BoardProfiles::Load(*m_context.settings, m_site);
    for (int item = 0; item < sizeList->count(); ++item)
        sizeList->setItemData(
            item, QStringLiteral("[size=%1]").arg(ToQString(SizeScale::ValueOf(m_board.Kind(), size_t(item)))),
            Qt::ToolTipRole);
    m_tags->SetBoard(m_board.Kind(), BoardSmilies());
    ShowEmoticons();
    FillBoardTags();
    ShowLength();
    m_writing->Body().SetTagsInAnyCase(m_board.Kind() == BoardKind::Phpbb3);
    UpdateLiveDialect();
}

void MainWindow::ShowLength()
{
    const bool counted = m_board.Kind() == BoardKind::Phpbb3;
    lengthPanel->setVisible(counted);
    if (!counted)
        return;
    const size_t most = m_board.maxChars > 0 ? m_board.maxChars : Phpbb3::Limits().maxChars;
    const size_t length = Phpbb3::CountCharacters(m_post->Post());
    const QLocale locale;
    const QString text = most > 0
        ? QStringLiteral("%1 of %2").arg(locale.toString(qulonglong(length)), locale.toString(qulonglong(most)))
        : locale.toString(qulonglong(length));
    const bool tooLong = most > 0 && length > most;
    lengthPanel->setText(text);
    lengthPanel->setStyleSheet(tooLong ? QStringLiteral("color: #C00000; font-weight: bold;") : QString());
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
    for (size_t index = 0; index < emoticonPictures.size(); ++index) {
        PictureBox* picture = emoticonPictures[index];
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
    boardTagsMenu->clear();
    static const std::vector<BoardTag> none;
    const std::vector<BoardTag>& tags = m_board.Kind() == BoardKind::Phpbb3 ? m_board.tags : none;
    for (const BoardTag& tag : tags) {
        QAction* item = boardTagsMenu->addAction(ToQString(tag.Opening() + " " + tag.Closing()));
        item->setToolTip(ToQString(tag.help));
        item->setStatusTip(ToQString(tag.help));
        connect(item, &QAction::triggered, this, [this, tag] { m_tags->BoardTagChosen(tag); });
    }
    QAction* const help = menuBar()->actions().constLast();
    const bool shown = menuBar()->actions().contains(boardTagsMenu->menuAction());
    if (!tags.empty() && !shown)
        menuBar()->insertMenu(help, boardTagsMenu);
    else if (tags.empty() && shown)
        menuBar()->removeAction(boardTagsMenu->menuAction());
}

void MainWindow::ReloadForums()
{
    if (m_forums->Reload())
        forumChosen();
}

void MainWindow::forumChosen()
{
    if (const std::optional<QString> number = m_forums->ChosenNumber())
        m_forumNumber = *number;
}
