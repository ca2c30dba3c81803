// SPDX-License-Identifier: MIT
#include "editor/MainWindow.h"

#include "about/AboutWindow.h"
#include "base/Accessibility.h"
#include "base/Look.h"
#include "base/Utf8.h"
#include "base/Makers.h"
#include "base/PictureBox.h"
#include "base/Platform.h"
#include "base/Settings.h"
#include "assist/AssistWindows.h"
#include "board/SitePictures.h"
#include "board/BoardProfiles.h"
#include "board/SizeScale.h"
#include "board/SmileyPictures.h"
#include "editor/BodyEdit.h"
#include "editor/BodyZoom.h"
#include "editor/DroppedFiles.h"
#include "editor/EditCommands.h"
#include "editor/FieldCommands.h"
#include "editor/FindBar.h"
#include "editor/ListWheelGuard.h"
#include "editor/PostBackground.h"
#include "post/PostDocument.h"
#include "editor/PostFiles.h"
#include "editor/PostLayout.h"
#include "editor/PostShortcuts.h"
#include "editor/RecentPosts.h"
#include "editor/StatusHelp.h"
#include "editor/TagInserter.h"
#include "recovery/RecoveryKeeper.h"
#include "editor/TagTable.h"
#include "editor/ToolbarIcons.h"
#include "forums/ForumChooser.h"
#include "forums/OptionsDialog.h"
#include "browser/BrowserPages.h"
#include "browser/LivePreviewPane.h"
#include "board/classic/EmoticonTable.h"
#include "board/LivePreview.h"
#include "board/PreviewPage.h"
#include "submit/SubmitCommand.h"
#include "writing/BodyHighlighter.h"
#include "writing/WordCount.h"
#include "writing/WritingHelp.h"

#include <algorithm>

#include <QAction>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QGridLayout>
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
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTextCursor>
#include <QTimer>
#include <QToolBar>

#include <limits>

namespace {
// Where the settings keep the window's size and place.
const QString GeometryKey = QStringLiteral("MainWindow");

// A text of a Qt-free table in the user's language.
QString Translated(const char* context, std::string_view text)
{
    return text.empty() ? QString() : QCoreApplication::translate(context, std::string(text).c_str());
}

// The room the live preview pane adds to the right of the fixed window, and
// the pane's share of the splitter until the user moves it.
constexpr int LivePreviewMinimum = 160;
constexpr int LivePreviewWidth = 420;

// What the status bar says about the post's state.
QString StateText(PostDocument::State state)
{
    switch (state) {
    case PostDocument::State::Unchanged:
        return QCoreApplication::translate("MainWindow", "No change in post");
    case PostDocument::State::Saved:
        return QCoreApplication::translate("MainWindow", "Post Saved, No change");
    case PostDocument::State::Changed:
        break;
    }
    return QCoreApplication::translate("MainWindow", "Post Changed");
}
}  // namespace

MainWindow::MainWindow(const AppContext& context, QWidget* parent)
    : QMainWindow(parent), m_context(context)
{
    m_dialect = SitePictures::DialectFor(m_board, m_context.pictureFolder, QString());
    setObjectName(QStringLiteral("MainWindow"));
    Accessibility::Install();
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    CreateControls();
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    m_post = new PostDocument(subjectEdit, bodyEdit, this);
    connect(m_post, &PostDocument::stateChanged, this, &MainWindow::ShowPostState);
    m_files = std::make_unique<PostFiles>(*m_post, m_context, this);
    m_files->SetFileUsed([this](const QString& path) { m_recent->Add(path); });
    m_drops = new DroppedFiles(
        *m_post, m_context, [this](const QString& path) { openDroppedPost(path); }, this, subjectEdit);
    static_cast<BodyEdit*>(bodyEdit)->SetFileTaker([this](const QMimeData* data) { return m_drops->Drop(data); });
    CreateCommands();
    // The client area (toolbar, central area, status bar) starts at its
    // designed size, the menu bar on top; the window can grow from there, and
    // takes the size and place it had when it was last closed.
    resize(QSize(PostLayout::ClientWidth, PostLayout::ClientHeight + menuBar()->sizeHint().height())
               .expandedTo(minimumSizeHint()));
    m_geometryKept = restoreGeometry(m_context.settings->windowGeometry(GeometryKey));
    Initialise();
    // The length panel follows the body after a pause in typing.
    m_lengthTimer = new QTimer(this);
    m_lengthTimer->setObjectName(QStringLiteral("lengthTimer"));
    m_lengthTimer->setSingleShot(true);
    m_lengthTimer->setInterval(300);
    connect(m_lengthTimer, &QTimer::timeout, this, &MainWindow::ShowLength);
    m_wordsTimer = new QTimer(this);
    m_wordsTimer->setObjectName(QStringLiteral("wordsTimer"));
    m_wordsTimer->setSingleShot(true);
    m_wordsTimer->setInterval(300);
    connect(m_wordsTimer, &QTimer::timeout, this, &MainWindow::ShowWords);
    ShowWords();
    // (Not hidden, rather than visible: a post restored or opened before
    // the window shows is counted too.)
    connect(bodyEdit, &QPlainTextEdit::textChanged, this, [this] {
        if (!lengthPanel->isHidden())
            m_lengthTimer->start();
        m_wordsTimer->start();
    });
    m_recovery = new RecoveryKeeper(*m_post, helpPanel, RecoverySlot::Folder(), this);
    connect(this, &MainWindow::programEnding, m_recovery, &RecoveryKeeper::Discard);
    // Each recovery copy remembers the site and forum it was meant for.
    connect(m_recovery, &RecoveryKeeper::copyWritten, this,
            [this](const QString& path) { m_context.settings->setPostTarget(path, CurrentTarget()); });
    connect(this, &MainWindow::programEnding, this,
            [this] { m_context.settings->forgetPostTarget(m_recovery->CopyPath()); });
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateControls()
{
    m_background = new PostBackground(this);
    m_background->setObjectName(QStringLiteral("PostBackground"));
    setCentralWidget(m_background);
    QWidget* area = m_background;

    const QFont fieldFont(QStringLiteral("Arial"), 12);

    // The words beside the controls; the mouse passes through them to the
    // surface, as it did over the words painted there.
    const auto words = [area](const char* name, const QString& text) {
        auto* label = new QLabel(text, area);
        label->setObjectName(QLatin1String(name));
        label->setFont(PostBackground::LabelFont());
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        return label;
    };
    headingLabel = words("headingLabel", tr("Post a new topic"));
    headingLabel->setFont(PostBackground::HeadingFont());
    emoticonsLabel = words("emoticonsLabel", tr("Emoticons"));
    sizeLabel = words("sizeLabel", tr("Font size"));
    colourLabel = words("colourLabel", tr("Font colour"));
    subjectLabel = words("subjectLabel", tr("Subject"));
    bodyLabel = words("bodyLabel", tr("Message body"));
    bodyLabel->setWordWrap(true);
    bodyLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_background->SetWords(headingLabel, {emoticonsLabel, sizeLabel, colourLabel, subjectLabel, bodyLabel});

    subjectEdit = new QLineEdit(area);
    subjectEdit->setObjectName(QStringLiteral("subjectEdit"));
    subjectEdit->setFont(fieldFont);
    // A title read from a file may be longer than a line field's usual limit.
    subjectEdit->setMaxLength(std::numeric_limits<int>::max());
    subjectEdit->setAccessibleName(tr("Subject"));
    subjectLabel->setBuddy(subjectEdit);

    // Tag buttons, in their row order.
    for (int index : TagTable::ButtonRowOrder) {
        const auto& row = TagTable::Buttons[static_cast<size_t>(index)];
        auto* button = new QPushButton(ToQString(row.caption), area);
        button->setObjectName(QStringLiteral("tagButton_%1").arg(index));
        button->setProperty("index", index);
        button->setToolTip(Translated("TagTable", row.tooltip));
        button->setAccessibleName(ToQString(row.caption));
        button->setFocusPolicy(Qt::TabFocus);
        QFont font = button->font();
        font.setBold(index == 0 || index == 1);
        font.setItalic(index == 1);
        font.setUnderline(index == 2);
        button->setFont(font);
        const QFontMetrics metrics(font);
        button->setFixedSize(std::max(36, metrics.horizontalAdvance(button->text() + QStringLiteral(" *")) + 16),
                             std::max(PostLayout::TagRowHeight, metrics.height() + 10));
        connect(button, &QPushButton::clicked, this, [this, index] { runTagButton(index); });
        tagButtons[static_cast<size_t>(index)] = button;
    }

    // Rich text pasted into the body becomes BBCode of the site's board.
    bodyEdit = new BodyEdit(
        [this] { return HtmlPaste::ForBoard(m_board.Kind(), m_context.settings->keepPastedColoursAndSizes()); }, area);
    bodyEdit->setObjectName(QStringLiteral("bodyEdit"));
    bodyEdit->setFont(fieldFont);
    bodyEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    bodyEdit->setAccessibleName(tr("Message body"));
    bodyEdit->setMinimumSize(PostLayout::BodyMinimum);
    bodyEdit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    bodyLabel->setBuddy(bodyEdit);
    CreateLivePreview(area);
    findBar = new FindBar(bodyEdit, area);

    sizeList = new QComboBox(area);
    sizeList->setObjectName(QStringLiteral("sizeList"));
    for (std::string_view caption : SizeScale::Captions)
        sizeList->addItem(Translated("SizeScale", caption));
    sizeList->setAccessibleName(tr("Font size"));
    sizeLabel->setBuddy(sizeList);
    connect(sizeList, &QComboBox::activated, this, &MainWindow::insertSize);

    colourList = new QComboBox(area);
    colourList->setObjectName(QStringLiteral("colourList"));
    for (std::string_view colour : TagTable::Colours)
        colourList->addItem(Translated("TagTable", colour), ToQString(colour));
    colourList->setAccessibleName(tr("Font colour"));
    colourLabel->setBuddy(colourList);
    connect(colourList, &QComboBox::activated, this, &MainWindow::insertColour);
    // Their choice inserts a tag: the wheel over the closed lists must not choose.
    auto* wheelGuard = new ListWheelGuard(this);
    wheelGuard->Guard(sizeList);
    wheelGuard->Guard(colourList);

    for (int index = 0; index < 20; ++index) {
        auto* picture = new PictureBox(area);
        picture->setObjectName(QStringLiteral("emoticonPicture_%1").arg(index));
        picture->setProperty("index", index);
        picture->setFixedSize(PostLayout::IconSize, PostLayout::IconSize);
        // A picture hidden for a board with fewer smilies keeps its place.
        QSizePolicy policy = picture->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        picture->setSizePolicy(policy);
        picture->SetHandCursor();
        connect(picture, &PictureBox::clicked, this, [this, index] { insertEmoticon(index); });
        emoticonPictures[static_cast<size_t>(index)] = picture;
    }

    moreEmoticonsLink = new PictureBox(area);
    moreEmoticonsLink->setObjectName(QStringLiteral("moreEmoticonsLink"));
    moreEmoticonsLink->setText(tr("View More Emoticons"));
    moreEmoticonsLink->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    {
        QFont font(QStringLiteral("Arial"));
        font.setPointSizeF(9.75);
        font.setUnderline(true);
        moreEmoticonsLink->setFont(font);
        QPalette palette = moreEmoticonsLink->palette();
        palette.setColor(QPalette::WindowText, Look::Pick(palette, QColor(0, 0, 255), QPalette::Link));
        moreEmoticonsLink->setPalette(palette);
    }
    moreEmoticonsLink->SetHandCursor();
    moreEmoticonsLink->setAccessibleName(moreEmoticonsLink->text());
    connect(moreEmoticonsLink, &PictureBox::clicked, this, &MainWindow::showMoreEmoticons);

    assistanceBox = new QCheckBox(tr("Enable assistance"), area);
    assistanceBox->setObjectName(QStringLiteral("assistanceBox"));
    assistanceBox->setAccessibleName(assistanceBox->text());

    quoteManagerButton = new QPushButton(tr("Quote manager"), area);
    quoteManagerButton->setObjectName(QStringLiteral("quoteManagerButton"));
    quoteManagerButton->setAccessibleName(quoteManagerButton->text());
    connect(quoteManagerButton, &QPushButton::clicked, this, &MainWindow::showQuoteManager);

    previewButton = new QPushButton(tr("Preview"), area);
    previewButton->setObjectName(QStringLiteral("previewButton"));
    previewButton->setAccessibleName(previewButton->text());
    connect(previewButton, &QPushButton::clicked, this, &MainWindow::preview);

    auto* submitFrame = new QGroupBox(area);
    submitFrame->setObjectName(QStringLiteral("submitFrame"));
    submitFrame->lower();

    newTopicOption = new QRadioButton(tr("New topic in Forum:"), area);
    newTopicOption->setObjectName(QStringLiteral("newTopicOption"));
    newTopicOption->setAccessibleName(newTopicOption->text());
    connect(newTopicOption, &QRadioButton::clicked, this, &MainWindow::chooseNewTopic);

    replyOption = new QRadioButton(tr("Reply to post no.:"), area);
    replyOption->setObjectName(QStringLiteral("replyOption"));
    replyOption->setAccessibleName(replyOption->text());
    connect(replyOption, &QRadioButton::clicked, this, &MainWindow::chooseReply);

    siteChooser = new QComboBox(area);
    siteChooser->setObjectName(QStringLiteral("siteChooser"));
    siteChooser->setToolTip(tr("The site the post is for; add sites in Options..."));
    siteChooser->setAccessibleName(tr("Site"));
    // As wide as a dozen characters of its font, whatever the names.
    siteChooser->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    siteChooser->setMinimumContentsLength(PostLayout::SiteChoiceCharacters);
    siteChooser->hide();
    connect(siteChooser, &QComboBox::activated, this, &MainWindow::siteChosen);

    forumChooser = new QComboBox(area);
    forumChooser->setObjectName(QStringLiteral("forumChooser"));
    forumChooser->setToolTip(tr("Extract your site's forums and update them in Options..."));
    forumChooser->setAccessibleName(tr("Forum"));
    forumChooser->setEnabled(false);
    // Its size follows the font, not the site's names (its open list shows them whole).
    forumChooser->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    forumChooser->setMinimumContentsLength(PostLayout::ForumChoiceCharacters);
    connect(forumChooser, &QComboBox::activated, this, &MainWindow::forumChosen);

    topicNumberEdit = new QLineEdit(area);
    topicNumberEdit->setObjectName(QStringLiteral("topicNumberEdit"));
    topicNumberEdit->setAccessibleName(tr("Topic number"));
    topicNumberEdit->setEnabled(false);
    {
        QPalette palette = topicNumberEdit->palette();
        const QColor grey = Look::Pick(palette, QColor(192, 192, 192), QPalette::Window);
        palette.setColor(QPalette::Base, grey);
        palette.setColor(QPalette::Disabled, QPalette::Base, grey);
        topicNumberEdit->setPalette(palette);
    }

    submitButton = new QPushButton(tr("Submit"), area);
    submitButton->setObjectName(QStringLiteral("submitButton"));
    submitButton->setAccessibleName(submitButton->text());
    connect(submitButton, &QPushButton::clicked, this, &MainWindow::submit);

    openForumHotSpot = new PictureBox(area);
    openForumHotSpot->setObjectName(QStringLiteral("openForumHotSpot"));
    openForumHotSpot->SetHandCursor();
    openForumHotSpot->setAccessibleName(tr("Open forum"));
    openForumHotSpot->setToolTip(tr("Open forum"));
    connect(openForumHotSpot, &PictureBox::clicked, this, &MainWindow::openForum);

    LayOut(submitFrame);
}

// The designed places at the default font: the banner along the top, the
// heading, the emoticons and lists on the left, the subject, tags, body,
// commands and submission on the right. The body alone takes the room the
// window gains (the subject field its width), so the window grows around it;
// under a larger font each control grows as far as its text needs.
void MainWindow::LayOut(QWidget* submitFrame)
{
    using namespace PostLayout;

    Look::Fit(openForumHotSpot, HotSpot.size());
    auto* banner = new QHBoxLayout;
    banner->setContentsMargins(HotSpot.left(), HotSpot.top(), 0, Banner.bottom() - HotSpot.bottom());
    banner->addWidget(openForumHotSpot);
    banner->addStretch();

    Look::Fit(headingLabel, Heading.size());
    auto* heading = new QHBoxLayout;
    heading->setContentsMargins(Heading.left(), Heading.top() - Banner.height(), 0, 0);
    heading->addWidget(headingLabel);
    heading->addStretch();

    // The left column: the emoticons on their panel, the lists, the switch.
    auto* icons = new QGridLayout;
    icons->setContentsMargins(0, 0, 0, 0);
    icons->setHorizontalSpacing(IconColumnStep - IconSize);
    icons->setVerticalSpacing(IconRowStep - IconSize);
    for (int index = 0; index < 20; ++index)
        icons->addWidget(emoticonPictures[size_t(index)], index / 4, index % 4);
    m_background->SetEmoticonPanel(icons);
    auto* iconRow = new QHBoxLayout;
    iconRow->addSpacing(IconLeft - EmoticonsWords.left());
    iconRow->addLayout(icons);
    iconRow->addStretch();

    Look::Fit(emoticonsLabel, EmoticonsWords.size());
    Look::Fit(moreEmoticonsLink, MoreEmoticons.size());
    Look::Fit(sizeLabel, FontSizeWords.size());
    Look::Fit(sizeList, SizeList.size());
    Look::Fit(colourLabel, FontColourWords.size());
    Look::Fit(colourList, ColourList.size());
    Look::Fit(assistanceBox, AssistBox.size());
    const int lastIconBottom = IconTop + 4 * IconRowStep + IconSize;
    auto* left = new QVBoxLayout;
    left->setSpacing(0);
    left->addSpacing(EmoticonsWords.top() - TitleField.top());
    left->addWidget(emoticonsLabel);
    left->addSpacing(IconTop - EmoticonsWords.bottom() - 1);
    left->addLayout(iconRow);
    left->addSpacing(MoreEmoticons.top() - lastIconBottom);
    left->addWidget(moreEmoticonsLink);
    left->addSpacing(FontSizeWords.top() - MoreEmoticons.bottom() - 1);
    left->addWidget(sizeLabel);
    left->addWidget(sizeList);
    left->addSpacing(FontColourWords.top() - SizeList.bottom() - 1);
    left->addWidget(colourLabel);
    left->addWidget(colourList);
    left->addSpacing(AssistBox.top() - ColourList.bottom() - 1);
    left->addWidget(assistanceBox);
    left->addStretch();

    // The right column: a label column and a field column, with rows of
    // fixed gaps between them; the body's row and the field column stretch.
    Look::Fit(subjectLabel, SubjectWords.size());
    bodyLabel->setFixedWidth(std::max(MessageBodyWords.width(), Look::LongestWord(bodyLabel)));
    bodyLabel->setContentsMargins(0, MessageBodyWords.top() - PostField.top(), 0, 0);
    Look::FitHeight(subjectEdit, TitleField.height());
    subjectEdit->setMinimumWidth(BodyMinimum.width());
    auto* tags = new QHBoxLayout;
    tags->setSpacing(TagRowGap);
    for (int index : TagTable::ButtonRowOrder)
        tags->addWidget(tagButtons[size_t(index)]);
    tags->addStretch();
    Look::Fit(quoteManagerButton, QuoteButton.size());
    Look::Fit(previewButton, PreviewButton.size());
    auto* commands = new QHBoxLayout;
    commands->setSpacing(PreviewButton.left() - QuoteButton.right() - 1);
    commands->addWidget(quoteManagerButton);
    commands->addWidget(previewButton);
    commands->addStretch();

    auto* right = new QGridLayout;
    right->setSpacing(0);
    right->setColumnMinimumWidth(1, TitleField.left() - SubjectWords.left() - SubjectWords.width());
    right->setColumnStretch(2, 1);
    right->setColumnMinimumWidth(3, SubmitFrame.right() - TitleField.right());
    right->addWidget(subjectLabel, 0, 0);
    right->addWidget(subjectEdit, 0, 2);
    right->setRowMinimumHeight(1, TagRowTop - TitleField.bottom() - 1);
    right->addLayout(tags, 2, 2);
    right->setRowMinimumHeight(3, PostField.top() - TagRowTop - TagRowHeight);
    right->addWidget(bodyLabel, 4, 0, Qt::AlignTop);
    right->addWidget(bodySplitter, 4, 2);
    right->setRowStretch(4, 1);
    right->setRowMinimumHeight(5, QuoteButton.top() - PostField.bottom() - 1);
    // The find bar takes the gap under the body while it is shown.
    right->addWidget(findBar, 5, 2);
    right->addLayout(commands, 6, 2);
    right->setRowMinimumHeight(7, SubmitFrame.top() - QuoteButton.bottom() - 1);
    // The frame lies behind the submission controls, in the same cell.
    right->addWidget(submitFrame, 8, 0, 1, 4);
    right->addLayout(LayOutSubmission(), 8, 0, 1, 4);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(SubjectWords.left() - AssistBox.right() - 1);
    columns->setContentsMargins(EmoticonsWords.left(), TitleField.top() - Heading.bottom() - 1,
                                ClientWidth - SubmitFrame.right() - 1, BottomMargin);
    columns->addLayout(left);
    columns->addLayout(right, 1);

    auto* root = new QVBoxLayout(m_background);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addLayout(banner);
    root->addLayout(heading);
    root->addLayout(columns, 1);
}

// New topic or reply, the forum and the topic number, and Submit at the
// right, as they stand inside the submission frame.
QLayout* MainWindow::LayOutSubmission()
{
    using namespace PostLayout;
    Look::Fit(newTopicOption, NewTopicOption.size());
    Look::Fit(replyOption, ReplyOption.size());
    Look::Fit(forumChooser, ForumChoice.size());
    Look::FitHeight(topicNumberEdit, TopicNumber.height());
    topicNumberEdit->setFixedWidth(TopicNumber.width());
    Look::Fit(submitButton, SubmitButton.size());
    auto* inner = new QGridLayout;
    inner->setSpacing(0);
    inner->setContentsMargins(NewTopicOption.left() - SubmitFrame.left(), ForumChoice.top() - SubmitFrame.top(),
                              SubmitFrame.right() - SubmitButton.right(), SubmitFrame.bottom() - SubmitButton.bottom());
    inner->addWidget(newTopicOption, 0, 0, Qt::AlignVCenter);
    inner->setColumnMinimumWidth(1, ForumChoice.left() - NewTopicOption.right() - 1);
    Look::FitHeight(siteChooser, ForumChoice.height());
    auto* choosers = new QHBoxLayout;
    choosers->setSpacing(4);
    choosers->addWidget(siteChooser);
    choosers->addWidget(forumChooser);
    inner->addLayout(choosers, 0, 2);
    inner->setRowMinimumHeight(1, TopicNumber.top() - ForumChoice.bottom() - 1);
    inner->addWidget(replyOption, 2, 0, Qt::AlignVCenter);
    inner->addWidget(topicNumberEdit, 2, 2, Qt::AlignVCenter);
    inner->setColumnMinimumWidth(3, SubmitButton.left() - ForumChoice.right() - 1);
    inner->setColumnStretch(3, 1);
    inner->addWidget(submitButton, 0, 4, 3, 1, Qt::AlignVCenter);
    return inner;
}

void MainWindow::CreateLivePreview(QWidget* area)
{
    // The body alone takes the extra room of its cell: the splitter takes the
    // body's place in the layout, with the pane beside it.
    bodySplitter = new QSplitter(Qt::Horizontal, area);
    bodySplitter->setObjectName(QStringLiteral("bodySplitter"));
    bodySplitter->setAccessibleName(tr("Message body and live preview"));
    bodySplitter->setChildrenCollapsible(false);
    bodySplitter->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    bodySplitter->addWidget(bodyEdit);
    const QUrl base = QUrl::fromLocalFile(m_context.WritableFile(QStringLiteral("live-preview.htm")));
    livePreview = new LivePreviewPane(
        bodyEdit, [this] { return m_post->Post(); }, base, bodySplitter);
    livePreview->setMinimumWidth(LivePreviewMinimum);
    bodySplitter->addWidget(livePreview);
    bodySplitter->setStretchFactor(0, 1);
    bodySplitter->setStretchFactor(1, 1);
    livePreview->hide();
    connect(bodySplitter, &QSplitter::splitterMoved, this,
            [this] { m_context.settings->setLivePreviewSizes(bodySplitter->sizes()); });
}

void MainWindow::showLivePreview(bool on)
{
    m_context.settings->setLivePreview(on);
    ShowLivePreview(on, true);
}

void MainWindow::ShowLivePreview(bool on, bool makeRoom)
{
    livePreviewAction->setChecked(on);
    if (on == livePreview->isVisible())
        return;
    QList<int> sizes = m_context.settings->livePreviewSizes();
    if (sizes.size() != 2 || sizes[0] <= 0 || sizes[1] <= 0)
        sizes = {bodyEdit->width(), LivePreviewWidth};
    // The pane takes its room from a wider window, as far as the screen
    // allows, not from the body; a maximised window shares what it has.
    // A window that kept its size keeps the body's and the pane's widths.
    if (makeRoom && !isMaximized() && !isFullScreen()) {
        sizes[0] = bodyEdit->width();
        const int room = sizes[1] + bodySplitter->handleWidth();
        int width = on ? this->width() + room : std::max(minimumWidth(), this->width() - room);
        if (const QScreen* where = screen())
            width = std::min(width, where->availableGeometry().width());
        resize(width, height());
    }
    livePreview->setVisible(on);
    if (on)
        bodySplitter->setSizes(sizes);
}

void MainWindow::UpdateLiveDialect()
{
    // The renderer runs on the pane's thread, which shares the dialect.
    livePreview->SetDialect({m_dialect->LivePage(), [dialect = m_dialect](std::string_view post) {
                                 return dialect->LivePost(post);
                             }});
}

void MainWindow::CreateCommands()
{
    m_edit = std::make_unique<EditCommands>(*m_post, *m_context.platform, this);
    m_shortcuts = new PostShortcuts(
        bodyEdit, subjectEdit, [this](int index) { runTagButton(index); }, this);
    m_help = new StatusHelp(helpPanel, m_background, this);
    for (size_t index = 0; index < tagButtons.size(); ++index)
        m_help->SetHelp(tagButtons[index], Translated("TagTable", TagTable::Buttons[index].statusHelp));
    m_help->SetHelp(assistanceBox, Translated("TagTable", TagTable::AssistHelp));
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
    make(newPostAction, "newPostAction", tr("&New Post"), &MainWindow::newPost);
    make(openPostAction, "openPostAction", tr("&Open Post..."), &MainWindow::openPost);
    make(savePostAction, "savePostAction", tr("&Save Post"), [this] { savePost(); });
    make(saveAsAction, "saveAsAction", tr("Sa&ve Post as..."), [this] { saveAs(); });
    make(exitAction, "exitAction", tr("E&xit"), &MainWindow::exitProgram);
    make(copyAction, "copyAction", tr("&Copy"), &MainWindow::copy);
    make(cutAction, "cutAction", tr("Cu&t"), &MainWindow::cut);
    make(pasteAction, "pasteAction", tr("&Paste"), &MainWindow::paste);
    make(pastePlainAction, "pastePlainAction", tr("Paste as Plain &Text"), &MainWindow::pastePlainText);
    // The body's own shortcut: the title field pastes plain text anyway.
    pastePlainAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    pastePlainAction->setShortcutContext(Qt::WidgetShortcut);
    bodyEdit->addAction(pastePlainAction);
    keepPastedLooksAction = new QAction(tr("&Keep Colours and Sizes When Pasting"), this);
    keepPastedLooksAction->setObjectName(QStringLiteral("keepPastedLooksAction"));
    keepPastedLooksAction->setCheckable(true);
    keepPastedLooksAction->setChecked(m_context.settings->keepPastedColoursAndSizes());
    connect(keepPastedLooksAction, &QAction::toggled, this,
            [this](bool on) { m_context.settings->setKeepPastedColoursAndSizes(on); });
    make(copyPostAction, "copyPostAction", tr("C&opy post to clipboard"), &MainWindow::copyPost);
    make(findAction, "findAction", tr("&Find..."), &MainWindow::find);
    findAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    make(replaceAction, "replaceAction", tr("R&eplace..."), &MainWindow::replace);
    replaceAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    make(findNextAction, "findNextAction", tr("Find &Next"), &MainWindow::findNext);
    findNextAction->setShortcut(QKeySequence(Qt::Key_F3));
    make(findPreviousAction, "findPreviousAction", tr("Find Pre&vious"), &MainWindow::findPrevious);
    findPreviousAction->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
    m_fieldCommands = new FieldCommands(bodyEdit, subjectEdit, this);
    m_zoom = new BodyZoom(bodyEdit, livePreview, *m_context.settings, this);
    m_recent = new RecentPosts(*m_context.settings, [this](const QString& path) { openRecentPost(path); }, this);
    make(previewAction, "previewAction", tr("Previe&w post..."), &MainWindow::preview);
    make(fontAction, "fontAction", tr("&Font..."), &MainWindow::chooseFont);
    make(optionsAction, "optionsAction", tr("Op&tions..."), &MainWindow::showOptions);
    make(livePreviewAction, "livePreviewAction", tr("&Live Preview"), &MainWindow::showLivePreview);
    livePreviewAction->setCheckable(true);
    make(contactAction, "contactAction", tr("Contact Quillforge &Team"), &MainWindow::showContactPage);
    make(aboutAction, "aboutAction", tr("&About..."), &MainWindow::showAbout);

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
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    file->addActions({newPostAction, openPostAction});
    file->addMenu(m_recent->Menu());
    file->addActions({savePostAction, saveAsAction});
    file->addSeparator();
    file->addAction(exitAction);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("editMenu"));
    edit->addActions({m_fieldCommands->UndoItem(), m_fieldCommands->RedoItem()});
    edit->addSeparator();
    edit->addActions({copyAction, cutAction, pasteAction, pastePlainAction, keepPastedLooksAction});
    edit->addAction(m_fieldCommands->SelectAllItem());
    edit->addSeparator();
    edit->addActions({findAction, replaceAction, findNextAction, findPreviousAction});
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
    boardTagsMenu = new QMenu(tr("&Board Tags"), this);
    boardTagsMenu->setObjectName(QStringLiteral("boardTagsMenu"));
    boardTagsMenu->setToolTipsVisible(true);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("viewMenu"));
    view->addAction(livePreviewAction);
    view->addSeparator();
    view->addActions({m_zoom->ZoomInItem(), m_zoom->ZoomOutItem(), m_zoom->ActualSizeItem()});

    QMenu* help = menuBar()->addMenu(tr("&Help"));
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
        {newPostAction, QT_TR_NOOP("New")},
        {openPostAction, QT_TR_NOOP("Open")},
        {savePostAction, QT_TR_NOOP("Save")},
        {nullptr, nullptr},
        {copyAction, QT_TR_NOOP("Copy")},
        {cutAction, QT_TR_NOOP("Cut")},
        {pasteAction, QT_TR_NOOP("Paste")},
        {nullptr, nullptr},
        {m_fieldCommands->UndoItem(), QT_TR_NOOP("Undo")},
        {m_fieldCommands->RedoItem(), QT_TR_NOOP("Redo")},
        {nullptr, nullptr},
        {copyPostAction, QT_TR_NOOP("Copy post to clipboard")},
        {previewAction, QT_TR_NOOP("Preview post")},
        {livePreviewAction, QT_TR_NOOP("Live preview")},
        {nullptr, nullptr},
        {optionsAction, QT_TR_NOOP("Options")},
        {aboutAction, QT_TR_NOOP("About")},
    };
    for (const Position& position : positions) {
        if (!position.item) {
            toolBar->addSeparator();
            continue;
        }
        const QString tooltip = tr(position.tooltip);
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
    // The help panel takes what the others leave; the others keep their
    // widths, or grow to their longest text under a larger font.
    struct Panel {
        QLabel*& label;
        const char* name;
        const char* accessibleName;
        int width;
        QStringList longest;
    };
    const QLocale locale;
    const Panel panels[] = {
        {helpPanel, "helpPanel", QT_TR_NOOP("Help"), 0, {}},
        {statePanel,
         "statePanel",
         QT_TR_NOOP("Post state"),
         160,
         {StateText(PostDocument::State::Unchanged), StateText(PostDocument::State::Saved),
          StateText(PostDocument::State::Changed)}},
        {timePanel, "timePanel", QT_TR_NOOP("Time"), 80, {locale.toString(QTime(23, 59, 59), QLocale::ShortFormat)}},
        {datePanel, "datePanel", QT_TR_NOOP("Date"), 90, {locale.toString(QDate(2000, 12, 28), QLocale::ShortFormat)}},
    };
    for (const Panel& each : panels) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QString::fromLatin1(each.name));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (each.width == 0)
            bar->addWidget(panel, 1);
        else {
            int width = each.width;
            for (const QString& text : each.longest)
                width = std::max(width, panel->fontMetrics().horizontalAdvance(text) + 2 * panel->frameWidth() + 8);
            panel->setFixedWidth(width);
            panel->setAlignment(Qt::AlignCenter);
            bar->addPermanentWidget(panel);
        }
        each.label = panel;
    }
    lengthPanel = new QLabel(bar);
    lengthPanel->setObjectName(QStringLiteral("lengthPanel"));
    lengthPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lengthPanel->setAlignment(Qt::AlignCenter);
    lengthPanel->setAccessibleName(tr("Length"));
    lengthPanel->setToolTip(tr("The post's length as the board counts it, and the most it takes"));
    bar->insertPermanentWidget(1, lengthPanel);  // right after the help panel
    lengthPanel->hide();
    wordsPanel = new QLabel(bar);
    wordsPanel->setObjectName(QStringLiteral("wordsPanel"));
    wordsPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    wordsPanel->setAlignment(Qt::AlignCenter);
    wordsPanel->setAccessibleName(tr("Words"));
    wordsPanel->setToolTip(tr("The words a reader of the post will see; BBCode tags are not counted"));
    bar->insertPermanentWidget(1, wordsPanel);  // before the length
    for (const Panel& each : panels)
        each.label->setAccessibleName(tr(each.accessibleName));
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
    // The sites, the chosen one's forums and its board (once: the board's
    // emoticons are read from their pictures).
    ReloadSites();
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
    assistanceBox->setToolTip(Translated("TagTable", TagTable::AssistHelp));
    // A window that kept its size kept the pane's room with it.
    ShowLivePreview(m_context.settings->livePreview(), !m_geometryKept);
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
    const MsgAnswer answer = m_context.platform->MsgBox(
        this, tr("Are you sure you want to exit %1").arg(Platform::ProgramTitle), MsgButtons::YesNo, MsgIcon::Question);
    if (answer != MsgAnswer::Yes || !newPost()) {
        event->ignore();
        return;
    }
    event->accept();
    m_context.settings->setWindowGeometry(GeometryKey, saveGeometry());
    m_ending = true;
    emit programEnding();
}

void MainWindow::openForum()
{
    QString address = m_context.settings->chosenSiteAddress();
    if (address.isEmpty())
        address = QString::fromLatin1(Makers::WebAddress);
    m_context.platform->ShellOpen(this, address);
}

void MainWindow::OpenFile(const QString& path)
{
    if (m_files->OpenFile(path))
        RestoreTarget();
}

void MainWindow::openPost()
{
    m_files->Open();
    RestoreTarget();
}

void MainWindow::openDroppedPost(const QString& path)
{
    if (m_files->AskToSaveChanges() != PostFiles::Unsaved::Keep && m_files->OpenFile(path))
        RestoreTarget();
}

void MainWindow::openRecentPost(const QString& path)
{
    if (!m_files->OpenRecent(path))
        m_recent->Remove(path);
    else if (m_post->FileName() == path)
        RestoreTarget();
}

bool MainWindow::savePost() { return RememberTarget(m_files->Save()); }
bool MainWindow::saveAs() { return RememberTarget(m_files->SaveAs()); }

PostTarget MainWindow::CurrentTarget() const
{
    return {m_context.settings->chosenSite().id, m_forumNumber, topicNumberEdit->text()};
}

bool MainWindow::RememberTarget(bool saved)
{
    if (saved && !m_post->FileName().isEmpty())
        m_context.settings->setPostTarget(m_post->FileName(), CurrentTarget());
    return saved;
}

void MainWindow::RestoreTarget()
{
    if (!m_post->FileName().isEmpty())
        ChooseTarget(m_context.settings->postTarget(m_post->FileName()));
}

void MainWindow::RestoreRecoveredTarget()
{
    const QString left = m_recovery->RestoredFrom();
    if (left.isEmpty())
        return;
    ChooseTarget(m_context.settings->postTarget(left));
    m_context.settings->forgetPostTarget(left);
    if (m_recovery->HasCopy())
        m_context.settings->setPostTarget(m_recovery->CopyPath(), CurrentTarget());
}

void MainWindow::ChooseTarget(const PostTarget& target)
{
    if (target.site.isEmpty())
        return;
    if (target.site != m_context.settings->chosenSite().id && HasSite(m_context.settings->sites(), target.site)) {
        m_context.settings->setChosenSite(target.site);
        ReloadSites();
    }
    if (!target.forum.isEmpty() && m_forums->Choose(target.forum))
        m_forumNumber = target.forum;
    topicNumberEdit->setText(target.topic);
}

void MainWindow::copy() { m_edit->Copy(); }
void MainWindow::cut() { m_edit->Cut(); }
void MainWindow::paste() { m_edit->Paste(); }
void MainWindow::pastePlainText() { m_edit->PastePlainText(); }
void MainWindow::copyPost() { m_edit->CopyPost(); }
void MainWindow::find() { findBar->ShowFind(); }
void MainWindow::replace() { findBar->ShowReplace(); }
void MainWindow::findNext() { findBar->FindNext(); }
void MainWindow::findPrevious() { findBar->FindPrevious(); }
void MainWindow::chooseFont()
{
    // The dialog shows and changes the chosen font; the zoom scales it after.
    bodyEdit->setFont(m_zoom->ChosenFont());
    m_edit->Font();
    m_zoom->SetChosenFont(bodyEdit->font());
}
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
    BrowserPages::WriteAndShow(m_context, this, BrowserMode::Preview, m_dialect->PreviewPage(m_post->Post()));
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
    SubmitCommand::Submit(m_context, choice, m_board.Kind(), *m_dialect, *m_post, this);
    RememberTarget(true);
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
    // Under a dark palette the field takes its colours, so its text stays readable.
    const QPalette& desktop = this->palette();
    const QColor background = enabled ? Look::Pick(desktop, Qt::white, QPalette::Base)
                                      : Look::Pick(desktop, QColor(205, 205, 205), QPalette::Window);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, background);
    topicNumberEdit->setPalette(palette);
    forumChooser->setEnabled(!enabled);
}

void MainWindow::showOptions()
{
    OptionsDialog::ShowModeless(
        m_options, m_context,
        [this] {
            // The forums first: the sites then reload them only when the
            // chosen site changed, which this already did.
            ReloadForums();
            ReloadSites();
        },
        this);
    if (m_options) {
        connect(m_options, &OptionsDialog::siteSaved, this, &MainWindow::ReloadSites, Qt::UniqueConnection);
        connect(m_options, &OptionsDialog::boardFound, this, &MainWindow::RefreshBoard, Qt::UniqueConnection);
    }
}

void MainWindow::RefreshBoard()
{
    m_site = m_context.settings->chosenSiteAddress();
    m_board = BoardProfiles::Load(*m_context.settings, m_site);
    m_dialect = SitePictures::DialectFor(m_board, m_context.pictureFolder, m_site);
    const ::Board& board = m_board.Kind();
    for (int item = 0; item < sizeList->count(); ++item)
        sizeList->setItemData(item, QStringLiteral("[size=%1]").arg(ToQString(board.SizeValue(size_t(item)))),
                              Qt::ToolTipRole);
    m_tags->SetBoard(board, BoardSmilies());
    m_assist->SetBoard(board);
    ShowEmoticons();
    FillBoardTags();
    ShowLength();
    m_writing->Body().SetTagRules({board.TagsInAnyCase(), board.TagsTakeAttributes()});
    UpdateLiveDialect();
}

void MainWindow::ShowLength()
{
    const std::optional<BoardDialect::Length> count = m_dialect->Count(m_post->Post());
    lengthPanel->setVisible(count.has_value());
    if (!count)
        return;
    const size_t most = count->most;
    const size_t length = count->length;
    const QLocale locale;
    const QString text = most > 0 ? tr("%1 of %2", "characters counted, of the most the board takes")
                                        .arg(locale.toString(qulonglong(length)), locale.toString(qulonglong(most)))
                                  : locale.toString(qulonglong(length));
    const bool tooLong = most > 0 && length > most;
    lengthPanel->setText(text);
    lengthPanel->setStyleSheet(tooLong ? QStringLiteral("color: #C00000; font-weight: bold;") : QString());
}

void MainWindow::ShowWords()
{
    const size_t words = WordCount::Count(m_post->Post());
    wordsPanel->setText(words == 1 ? tr("1 word") : tr("%1 words").arg(QLocale().toString(qulonglong(words))));
}

const std::vector<BoardSmiley>& MainWindow::BoardSmilies() const
{
    static const std::vector<BoardSmiley> none;
    return m_board.Kind().OffersPostingPageSmilies() ? m_board.smilies : none;
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
            tooltip = Translated("TagTable", row.tooltip);
            pixmap = QPixmap(
                m_context.PictureFile(QStringLiteral("emo/%1.gif").arg(ToQString(bbcode::PictureNameOf(row.code)))));
            if (!pixmap.isNull())
                pixmap = pixmap.scaled(fit, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        } else if (index < smilies.size()) {
            tooltip = ToQString(smilies[index].title.empty() ? smilies[index].code : smilies[index].title);
            pixmap = SmileyPictures::Picture(smilies[index], fit);
        }
        // A face the board has no smiley for is not offered.
        const bool offered = smilies.empty() ? m_board.Kind().EmoticonCode(TagTable::Emoticons[index].code).has_value()
                                             : index < smilies.size();
        picture->setVisible(offered);
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
    // The board's own tags, then those its posting page's buttons add.
    const ::Board& board = m_board.Kind();
    std::vector<BoardTag> tags(board.OwnTags().begin(), board.OwnTags().end());
    if (board.OffersPostingPageSmilies())
        for (const BoardTag& added : m_board.tags)
            if (std::none_of(tags.begin(), tags.end(), [&](const BoardTag& own) { return own.name == added.name; }))
                tags.push_back(added);
    for (const BoardTag& tag : tags) {
        const std::string shown = tag.single ? tag.Opening() : tag.Opening() + " " + tag.Closing();
        QAction* item = boardTagsMenu->addAction(ToQString(shown));
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
    m_forumsSite = m_context.settings->chosenSite().id;
    if (m_forums->Reload(m_forumsSite))
        forumChosen();
}

void MainWindow::ReloadSites()
{
    const QList<SiteEntry> sites = m_context.settings->sites();
    const QString chosen = m_context.settings->chosenSite().id;
    siteChooser->clear();
    for (const SiteEntry& site : sites) {
        siteChooser->addItem(site.name, site.id);
        siteChooser->setItemData(siteChooser->count() - 1, site.address, Qt::ToolTipRole);
    }
    siteChooser->setCurrentIndex(std::max(0, siteChooser->findData(chosen)));
    // With more than one site the site chooser stands before the forum
    // chooser, which keeps the width it was fitted to; its open list shows
    // every name whole.
    const bool several = sites.size() > 1;
    Look::FitOpenList(siteChooser);
    siteChooser->setVisible(several);
    // The forum chosen stays while the site does.
    if (m_context.settings->chosenSite().id != m_forumsSite)
        ReloadForums();
    RefreshBoard();
}

void MainWindow::siteChosen(int index)
{
    const QString id = siteChooser->itemData(index).toString();
    if (id.isEmpty())
        return;
    m_context.settings->setChosenSite(id);
    m_forumNumber.clear();
    ReloadForums();
    RefreshBoard();
}

void MainWindow::forumChosen()
{
    if (const std::optional<QString> number = m_forums->ChosenNumber())
        m_forumNumber = *number;
}
