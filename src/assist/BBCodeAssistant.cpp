// SPDX-License-Identifier: MIT
#include "assist/BBCodeAssistant.h"

#include "base/Look.h"
#include "base/PictureBox.h"
#include "assist/AssistText.h"
#include "assist/DialogBackground.h"
#include "assist/FieldText.h"
#include "base/Utf8.h"
#include "post/PostDocument.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextDocument>

#include <limits>
#include <vector>

namespace {

// Where the window's parts lie at the default font; the window takes the
// size they need.
constexpr int ClientWidth = 400;
constexpr int ClientHeight = 404;
constexpr int HeaderHeight = 40;
const QRect PageArea(10, 48, 380, 226);
const QRect OutputCaption(10, 282, 80, 18);
const QRect OutputArea(10, 300, 380, 52);
constexpr int BottomBarTop = 360;
const QRect AgreeWords(226, 368, 70, 28);
const QRect CloseWords(310, 368, 70, 28);
// Within a page: a caption and its field on a row, the rows 16 pixels apart.
const QRect PageCaption(14, 36, 100, 24);
const QRect PageField(120, 36, 244, 24);
constexpr int PageRowGap = 16;
// Within the list page.
const QRect ListCaption(14, 28, 90, 24);
const QRect ListField(110, 28, 256, 24);
const QRect ItemCaption(14, 58, 140, 18);
const QRect ItemArea(14, 78, 150, 96);
const QRect AddArea(172, 84, 80, 26);
const QRect RemoveArea(172, 118, 80, 26);
const QRect ItemListArea(260, 58, 106, 116);
const QRect NumberedArea(14, 186, 92, 24);
const QRect NumberingArea(108, 180, 260, 36);
const QRect NumberingOption(6, 6, 84, 24);  // the first of three, side by side

const QString ImgAddressDesigned = QStringLiteral("http://");
const QString UrlOpening = QStringLiteral("[url][/url]");
const QString ListOpening = QStringLiteral("[list][/list]");

// The visible label before a field, without its colon, names the field.
QString NameOf(const QLabel* label)
{
    QString name = label->text();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name;
}

QLabel* MakeLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLineEdit* MakeLine(const QString& name, QLabel* label, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    // A selection taken from a long post may be longer than a line field's usual limit.
    field->setMaxLength(std::numeric_limits<int>::max());
    field->setAccessibleName(NameOf(label));
    label->setBuddy(field);
    return field;
}

}  // namespace

BBCodeAssistant::BBCodeAssistant(PostDocument& post, QWidget* owner) : QDialog(owner), m_post(post)
{
    setObjectName(QStringLiteral("BBCodeAssistant"));
    setWindowTitle(tr("BBCode Assistant"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    CreateControls();
    LayOut();
    ResetControls();
    connect(this, &QDialog::finished, this, &BBCodeAssistant::ClearState);
}

QGroupBox* BBCodeAssistant::CreatePage(const QString& name, const QString& caption)
{
    auto* page = new QGroupBox(caption, background);
    page->setObjectName(name);
    page->setAutoFillBackground(true);
    page->setAccessibleName(caption.trimmed());
    return page;
}

void BBCodeAssistant::CreateControls()
{
    background = new DialogBackground(DialogBackground::Icon::Assistant, tr("Assistant"), HeaderHeight, this);
    background->setObjectName(QStringLiteral("background"));
    background->SetBottomBar(ClientHeight - BottomBarTop);

    // The link page.
    linkPage = CreatePage(QStringLiteral("linkPage"), tr("URL"));
    linkNameLabel = MakeLabel(QStringLiteral("linkNameLabel"), tr("Link Name:"), linkPage);
    linkNameEdit = MakeLine(QStringLiteral("linkNameEdit"), linkNameLabel, linkPage);
    linkAddressLabel = MakeLabel(QStringLiteral("linkAddressLabel"), tr("Link Address:"), linkPage);
    linkAddressEdit = MakeLine(QStringLiteral("linkAddressEdit"), linkAddressLabel, linkPage);
    connect(linkNameEdit, &QLineEdit::textChanged, this, &BBCodeAssistant::linkNameEdited);
    connect(linkAddressEdit, &QLineEdit::textChanged, this, &BBCodeAssistant::linkAddressEdited);

    // The image page.
    imagePage = CreatePage(QStringLiteral("imagePage"), tr("Image "));
    imageAddressLabel = MakeLabel(QStringLiteral("imageAddressLabel"), tr("Image Address:"), imagePage);
    imageAddressEdit = MakeLine(QStringLiteral("imageAddressEdit"), imageAddressLabel, imagePage);
    connect(imageAddressEdit, &QLineEdit::textChanged, this, &BBCodeAssistant::imageAddressEdited);

    // The list page.
    listPage = CreatePage(QStringLiteral("listPage"), tr("List  "));
    listTitleLabel = MakeLabel(QStringLiteral("listTitleLabel"), tr("List Title:"), listPage);
    listTitleEdit = MakeLine(QStringLiteral("listTitleEdit"), listTitleLabel, listPage);
    connect(listTitleEdit, &QLineEdit::textChanged, this, &BBCodeAssistant::listTitleEdited);
    itemLabel = MakeLabel(QStringLiteral("itemLabel"), tr("add List item:"), listPage);
    itemEdit = new QPlainTextEdit(listPage);
    itemEdit->setObjectName(QStringLiteral("itemEdit"));
    itemEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    itemEdit->setTabChangesFocus(true);
    itemEdit->setAccessibleName(NameOf(itemLabel));
    itemLabel->setBuddy(itemEdit);

    addButton = new QPushButton(tr("Add >>"), listPage);
    addButton->setObjectName(QStringLiteral("addButton"));
    removeButton = new QPushButton(tr("Remove"), listPage);
    removeButton->setObjectName(QStringLiteral("removeButton"));
    for (QPushButton* button : {addButton, removeButton}) {
        button->setAccessibleName(button->text());
        // Return in a field does not press either button.
        button->setAutoDefault(false);
    }
    connect(addButton, &QPushButton::clicked, this, &BBCodeAssistant::addItem);
    connect(removeButton, &QPushButton::clicked, this, &BBCodeAssistant::removeItem);

    itemList = new QListWidget(listPage);
    itemList->setObjectName(QStringLiteral("itemList"));
    itemList->setAccessibleName(tr("List items"));

    numberedBox = new QCheckBox(tr("Numbered:"), listPage);
    numberedBox->setObjectName(QStringLiteral("numberedBox"));
    numberedBox->setAccessibleName(tr("Numbered"));
    // A tick set by the program runs the rule as a click does.
    connect(numberedBox, &QCheckBox::toggled, this, &BBCodeAssistant::numberedToggled);

    numberingFrame = new QFrame(listPage);
    numberingFrame->setObjectName(QStringLiteral("numberingFrame"));
    numberingFrame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    numberingFrame->setAccessibleName(tr("Numbering"));
    const QString captions[] = {QStringLiteral("1. 2. 3."), QStringLiteral("a. b. c."), QStringLiteral("i. ii. iii.")};
    for (int index = 1; index <= 3; ++index) {
        auto* option = new QRadioButton(captions[index - 1], numberingFrame);
        option->setObjectName(QStringLiteral("numberingOption_%1").arg(index));
        option->setProperty("index", index);
        option->setAccessibleName(option->text());
        connect(option, &QRadioButton::toggled, this, [this, index](bool chosen) {
            if (chosen)
                numberingChosen(index);
        });
        numberingOptions[static_cast<size_t>(index)] = option;
    }

    // The output.
    outputLabel = MakeLabel(QStringLiteral("outputLabel"), tr("Output:"), background);
    outputText = new QLabel(background);
    outputText->setObjectName(QStringLiteral("outputText"));
    // Post text is shown as it is, never read as markup.
    outputText->setTextFormat(Qt::PlainText);
    outputText->setWordWrap(true);
    outputText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    outputText->setFrameStyle(QFrame::Box | QFrame::Plain);
    outputText->setAutoFillBackground(true);
    outputText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    {
        QPalette palette = outputText->palette();
        palette.setColor(QPalette::Window, QColor(255, 255, 225));
        palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
        outputText->setPalette(palette);
    }
    outputText->setMouseTracking(true);
    outputText->installEventFilter(this);
    outputLabel->setBuddy(outputText);

    // The click areas over the painted words.
    agreeHotSpot = new PictureBox(background);
    agreeHotSpot->setObjectName(QStringLiteral("agreeHotSpot"));
    agreeHotSpot->setAccessibleName(tr("Agree"));
    closeHotSpot = new PictureBox(background);
    closeHotSpot->setObjectName(QStringLiteral("closeHotSpot"));
    closeHotSpot->setAccessibleName(tr("Close"));
    for (PictureBox* area : {agreeHotSpot, closeHotSpot}) {
        area->SetHandCursor();
        background->AddLink(area, area->accessibleName());
    }
    connect(agreeHotSpot, &PictureBox::clicked, this, &BBCodeAssistant::agree);
    connect(closeHotSpot, &PictureBox::clicked, this, &BBCodeAssistant::discard);
}

// The designed places at the default font; under a larger one the controls
// grow as their texts need and the window with them.
void BBCodeAssistant::LayOut()
{
    // A page's layout places its controls from the page's top left corner,
    // inside the frame and caption its style draws.
    const auto pageLayout = [](QGroupBox* page, int left, int top, int right, int bottom) {
        const QMargins frame = page->contentsMargins();
        auto* layout = new QVBoxLayout(page);
        layout->setSpacing(0);
        layout->setContentsMargins(std::max(0, left - frame.left()), std::max(0, top - frame.top()),
                                   std::max(0, right - frame.right()), std::max(0, bottom - frame.bottom()));
        page->setMinimumSize(PageArea.size());
        return layout;
    };
    const auto captionRow = [](QLabel* caption, QRect captionArea, QLineEdit* field, QRect fieldArea) {
        Look::Fit(caption, captionArea.size());
        Look::FitHeight(field, fieldArea.height());
        field->setMinimumWidth(fieldArea.width());
        auto* row = new QHBoxLayout;
        row->setSpacing(fieldArea.left() - captionArea.right() - 1);
        row->addWidget(caption);
        row->addWidget(field, 1);
        return row;
    };
    const int pageRight = PageArea.width() - PageField.right() - 1;

    QVBoxLayout* link = pageLayout(linkPage, PageCaption.left(), PageCaption.top(), pageRight, 0);
    link->addLayout(captionRow(linkNameLabel, PageCaption, linkNameEdit, PageField));
    link->addSpacing(PageRowGap);
    link->addLayout(captionRow(linkAddressLabel, PageCaption, linkAddressEdit, PageField));
    link->addStretch();

    QVBoxLayout* image = pageLayout(imagePage, PageCaption.left(), PageCaption.top(), pageRight, 0);
    image->addLayout(captionRow(imageAddressLabel, PageCaption, imageAddressEdit, PageField));
    image->addStretch();

    Look::Fit(itemLabel, ItemCaption.size());
    itemEdit->setFixedSize(ItemArea.size());
    Look::Fit(addButton, AddArea.size());
    Look::Fit(removeButton, RemoveArea.size());
    itemList->setFixedSize(ItemListArea.size());
    Look::Fit(numberedBox, NumberedArea.size());
    auto* items = new QVBoxLayout;
    items->setSpacing(0);
    items->addWidget(itemLabel);
    // A caption taller than designed takes from the gap below it first.
    items->addSpacing(std::max(0, ItemArea.top() - ItemCaption.top() - itemLabel->height()));
    items->addWidget(itemEdit);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(0);
    buttons->addSpacing(AddArea.top() - ItemCaption.top());
    buttons->addWidget(addButton);
    buttons->addSpacing(RemoveArea.top() - AddArea.bottom() - 1);
    buttons->addWidget(removeButton);
    buttons->addStretch();
    auto* middle = new QHBoxLayout;
    middle->setSpacing(0);
    middle->addLayout(items);
    middle->addSpacing(AddArea.left() - ItemArea.right() - 1);
    middle->addLayout(buttons);
    middle->addSpacing(ItemListArea.left() - AddArea.right() - 1);
    middle->addWidget(itemList, 0, Qt::AlignTop);
    middle->addStretch();

    auto* numbering = new QHBoxLayout(numberingFrame);
    numbering->setSpacing(0);
    const int inside = NumberingOption.top() - numberingFrame->frameWidth();  // the frame's own line counts
    numbering->setContentsMargins(NumberingOption.left() - numberingFrame->frameWidth(), inside, 0, inside);
    for (int index = 1; index <= 3; ++index) {
        Look::Fit(numberingOptions[size_t(index)], NumberingOption.size());
        numbering->addWidget(numberingOptions[size_t(index)]);
    }
    numberingFrame->setMinimumSize(NumberingArea.size());
    auto* numbered = new QHBoxLayout;
    numbered->setSpacing(NumberingArea.left() - NumberedArea.right() - 1);
    numbered->addWidget(numberedBox, 0, Qt::AlignVCenter);
    numbered->addWidget(numberingFrame);
    numbered->addStretch();

    QVBoxLayout* list =
        pageLayout(listPage, ListCaption.left(), ListCaption.top(), PageArea.width() - NumberingArea.right() - 1,
                   PageArea.height() - NumberingArea.bottom() - 1);
    list->addLayout(captionRow(listTitleLabel, ListCaption, listTitleEdit, ListField));
    list->addSpacing(ItemCaption.top() - ListCaption.bottom() - 1);
    list->addLayout(middle);
    list->addSpacing(NumberingArea.top() - ItemArea.bottom() - 1);
    list->addLayout(numbered);
    list->addStretch();

    // The three pages share one place; only the one in front is shown.
    auto* pages = new QGridLayout;
    for (QGroupBox* page : {linkPage, imagePage, listPage}) {
        QSizePolicy policy = page->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        page->setSizePolicy(policy);
        pages->addWidget(page, 0, 0);
    }

    Look::Fit(outputLabel, OutputCaption.size());
    outputText->setMinimumWidth(OutputArea.width());
    outputText->setFixedHeight(std::max(OutputArea.height(), 3 * outputText->fontMetrics().height() + 4));
    Look::Fit(agreeHotSpot, AgreeWords.size().expandedTo(DialogBackground::LinkSize(agreeHotSpot->accessibleName())));
    Look::Fit(closeHotSpot, CloseWords.size().expandedTo(DialogBackground::LinkSize(closeHotSpot->accessibleName())));
    auto* links = new QHBoxLayout;
    links->setSpacing(CloseWords.left() - AgreeWords.right() - 1);
    links->setContentsMargins(0, AgreeWords.top() - BottomBarTop,
                              ClientWidth - CloseWords.right() - 1 - PageArea.left(),
                              ClientHeight - AgreeWords.bottom() - 1);
    links->addStretch();
    links->addWidget(agreeHotSpot);
    links->addWidget(closeHotSpot);

    auto* content = new QVBoxLayout(background);
    content->setSpacing(0);
    content->setContentsMargins(PageArea.left(), PageArea.top(), ClientWidth - PageArea.right() - 1, 0);
    content->addLayout(pages);
    content->addSpacing(OutputCaption.top() - PageArea.bottom() - 1);
    content->addWidget(outputLabel);
    content->addWidget(outputText);
    content->addSpacing(BottomBarTop - OutputArea.bottom() - 1);
    content->addLayout(links);

    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->addWidget(background);
    window->setSizeConstraint(QLayout::SetFixedSize);
}

// The designed state, restored without running any rule: the rules belong to
// the opening that follows.
void BBCodeAssistant::ResetControls()
{
    for (QLineEdit* field : {linkNameEdit, linkAddressEdit, listTitleEdit}) {
        const QSignalBlocker quiet(field);
        field->clear();
    }
    {
        const QSignalBlocker quiet(imageAddressEdit);
        imageAddressEdit->setText(ImgAddressDesigned);
    }
    itemEdit->clear();
    itemList->clear();
    {
        const QSignalBlocker quiet(numberedBox);
        numberedBox->setChecked(false);
    }
    for (int index = 1; index <= 3; ++index) {
        QRadioButton* option = numberingOptions[static_cast<size_t>(index)];
        const QSignalBlocker quiet(option);
        option->setChecked(index == 1);
        option->setEnabled(false);
    }
    SetOutput(QString());
    outputText->setToolTip(QString());
    BringToFront(linkPage);
}

void BBCodeAssistant::BringToFront(QGroupBox* page)
{
    // Only the page in front is shown, so the keyboard never reaches the
    // fields of the pages behind it.
    for (QGroupBox* each : {linkPage, imagePage, listPage})
        each->setVisible(each == page);
    page->raise();
}

void BBCodeAssistant::SetOutput(const QString& text) { outputText->setText(text); }

void BBCodeAssistant::showEvent(QShowEvent* event)
{
    if (!m_loaded) {
        m_loaded = true;
        ResetControls();
        StartForCommand();
    }
    QDialog::showEvent(event);
}

void BBCodeAssistant::StartForCommand()
{
    const QString selection = FieldText::FromPost(m_post.SelectedText());
    if (AssistCommand == ToQString(AssistText::UrlCommand)) {
        BringToFront(linkPage);
        linkNameEdit->setText(selection);
        SetOutput(UrlOpening);
        linkAddressEdited();
        linkNameEdit->setFocus();
    } else if (AssistCommand == ToQString(AssistText::ImgCommand)) {
        BringToFront(imagePage);
        imageAddressEdit->setText(selection);
        SetOutput(ToQString(AssistText::ImageOutput(ToUtf8(imageAddressEdit->text()))));
        imageAddressEdit->setFocus();
    } else if (AssistCommand == ToQString(AssistText::ListCommand)) {
        BringToFront(listPage);
        listTitleEdit->setText(selection);
        SetOutput(ListOpening);
        numberedBox->setChecked(false);
        UpdateOutput();
        itemEdit->setFocus();
    } else if (AssistCommand == ToQString(AssistText::NumberedListCommand)) {
        BringToFront(listPage);
        listTitleEdit->setText(selection);
        SetOutput(ToQString(m_board->OpeningTag("list=1")) + QStringLiteral("[/list]"));
        numberedBox->setChecked(true);
        UpdateOutput();
        itemEdit->setFocus();
    }
}

void BBCodeAssistant::ClearState()
{
    LinkName.clear();
    LinkTarget.clear();
    ListBody.clear();
    m_loaded = false;
}

void BBCodeAssistant::UpdateList()
{
    std::vector<std::string> items;
    items.reserve(static_cast<size_t>(itemList->count()));
    for (int row = 0; row < itemList->count(); ++row)
        items.push_back(ToUtf8(itemList->item(row)->text()));
    ListBody = AssistText::ListBody(items);
    UpdateOutput();
}

void BBCodeAssistant::UpdateOutput()
{
    int kind = 0;
    for (int index = 1; index <= 3 && kind == 0; ++index)
        if (numberingOptions[static_cast<size_t>(index)]->isChecked())
            kind = index;
    const std::string command = ToUtf8(AssistCommand);
    const std::string title = ToUtf8(listTitleEdit->text());
    const AssistText::AssistState state{command, LinkName, LinkTarget, title, ListBody, kind};
    if (const std::optional<std::string> output = AssistText::Output(state, *m_board))
        SetOutput(ToQString(*output));
}

void BBCodeAssistant::linkNameEdited()
{
    LinkName = ToUtf8(linkNameEdit->text());
    UpdateOutput();
}

void BBCodeAssistant::linkAddressEdited()
{
    LinkTarget = AssistText::LinkTarget(ToUtf8(linkAddressEdit->text()));
    UpdateOutput();
}

void BBCodeAssistant::imageAddressEdited()
{
    SetOutput(ToQString(AssistText::ImageOutput(ToUtf8(imageAddressEdit->text()))));
}

void BBCodeAssistant::listTitleEdited() { UpdateOutput(); }

void BBCodeAssistant::numberedToggled()
{
    const bool numbered = numberedBox->isChecked();
    for (int index = 1; index <= 3; ++index)
        numberingOptions[static_cast<size_t>(index)]->setEnabled(numbered);
    AssistCommand = ToQString(numbered ? AssistText::NumberedListCommand : AssistText::ListCommand);
    UpdateOutput();
}

void BBCodeAssistant::numberingChosen(int /*index*/) { UpdateOutput(); }

void BBCodeAssistant::addItem()
{
    // The field's raw text keeps every character typed, line breaks as LF.
    const QString item = itemEdit->toPlainText();
    if (!item.isEmpty())
        itemList->addItem(item);
    itemEdit->clear();
    UpdateList();
    itemEdit->setFocus();
}

void BBCodeAssistant::removeItem()
{
    if (itemList->count() > 0) {
        // Only an item the user has chosen goes; with none chosen nothing does.
        const QList<QListWidgetItem*> chosen = itemList->selectedItems();
        if (!chosen.isEmpty())
            delete itemList->takeItem(itemList->row(chosen.first()));
    }
    UpdateList();
}

void BBCodeAssistant::agree()
{
    m_post.ReplaceSelection(FieldText::ToPost(outputText->text()));
    accept();
}

void BBCodeAssistant::discard() { reject(); }

void BBCodeAssistant::ShowOutputTooltip()
{
    // A tooltip that looks like markup would be shown as markup; escaped, it
    // shows the output as it is.
    const QString text = outputText->text();
    outputText->setToolTip(Qt::mightBeRichText(text)
                               ? QStringLiteral("<p style=\"white-space:pre-wrap\">%1</p>").arg(text.toHtmlEscaped())
                               : text);
}

bool BBCodeAssistant::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == outputText && event->type() == QEvent::MouseMove)
        ShowOutputTooltip();
    return QDialog::eventFilter(watched, event);
}
