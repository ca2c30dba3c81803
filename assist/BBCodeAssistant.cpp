// SPDX-License-Identifier: MIT
#include "assist/BBCodeAssistant.h"

#include "base/PictureBox.h"
#include "assist/AssistText.h"
#include "assist/DialogBackground.h"
#include "assist/FieldText.h"
#include "base/Utf8.h"
#include "post/PostDocument.h"

#include <QCheckBox>
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

// The window's fixed client area and where its parts lie.
constexpr int ClientWidth = 400;
constexpr int ClientHeight = 404;
constexpr int HeaderHeight = 40;
const QRect PageArea(10, 48, 380, 226);
const QRect OutputCaption(10, 282, 80, 18);
const QRect OutputArea(10, 300, 380, 52);
constexpr int BottomBarTop = 360;
const QRect AgreeWords(226, 368, 70, 28);
const QRect CloseWords(310, 368, 70, 28);

const QString ImgAddressDesigned = QStringLiteral("http://");
const QString UrlOpening = QStringLiteral("[url][/url]");
const QString ListOpening = QStringLiteral("[list][/list]");
const QString NumberedListOpening = QStringLiteral("[list=1][/list]");

// The visible label before a field, without its colon, names the field.
QString NameOf(const QLabel* label)
{
    QString name = label->text();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name;
}

QLabel* MakeLabel(const QString& name, const QString& text, const QRect& area, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(area);
    return label;
}

QLineEdit* MakeLine(const QString& name, const QRect& area, QLabel* label, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setGeometry(area);
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
    setWindowTitle(Caption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);
    CreateControls();
    ResetControls();
    connect(this, &QDialog::finished, this, &BBCodeAssistant::ClearState);
}

QGroupBox* BBCodeAssistant::CreatePage(const QString& name, const QString& caption)
{
    auto* page = new QGroupBox(caption, background);
    page->setObjectName(name);
    page->setGeometry(PageArea);
    page->setAutoFillBackground(true);
    page->setAccessibleName(caption.trimmed());
    return page;
}

void BBCodeAssistant::CreateControls()
{
    background =
        new DialogBackground(DialogBackground::Icon::Assistant, QStringLiteral("Assistant"), HeaderHeight, this);
    background->setObjectName(QStringLiteral("background"));
    background->setGeometry(0, 0, ClientWidth, ClientHeight);
    background->SetBottomBar(BottomBarTop);
    background->AddLink(AgreeWords, QStringLiteral("Agree"));
    background->AddLink(CloseWords, QStringLiteral("Close"));

    // The link page.
    linkPage = CreatePage(QStringLiteral("linkPage"), QStringLiteral("URL"));
    linkNameLabel =
        MakeLabel(QStringLiteral("linkNameLabel"), QStringLiteral("Link Name:"), QRect(14, 36, 100, 24), linkPage);
    linkNameEdit = MakeLine(QStringLiteral("linkNameEdit"), QRect(120, 36, 244, 24), linkNameLabel, linkPage);
    linkAddressLabel = MakeLabel(QStringLiteral("linkAddressLabel"), QStringLiteral("Link Address:"),
                                 QRect(14, 76, 100, 24), linkPage);
    linkAddressEdit = MakeLine(QStringLiteral("linkAddressEdit"), QRect(120, 76, 244, 24), linkAddressLabel, linkPage);
    connect(linkNameEdit, &QLineEdit::textChanged, this, &BBCodeAssistant::linkNameEdited);
    connect(linkAddressEdit, &QLineEdit::textChanged, this, &BBCodeAssistant::linkAddressEdited);

    // The image page.
    imagePage = CreatePage(QStringLiteral("imagePage"), QStringLiteral("Image "));
    imageAddressLabel = MakeLabel(QStringLiteral("imageAddressLabel"), QStringLiteral("Image Address:"),
                                  QRect(14, 36, 100, 24), imagePage);
    imageAddressEdit =
        MakeLine(QStringLiteral("imageAddressEdit"), QRect(120, 36, 244, 24), imageAddressLabel, imagePage);
    connect(imageAddressEdit, &QLineEdit::textChanged, this, &BBCodeAssistant::imageAddressEdited);

    // The list page.
    listPage = CreatePage(QStringLiteral("listPage"), QStringLiteral("List  "));
    listTitleLabel =
        MakeLabel(QStringLiteral("listTitleLabel"), QStringLiteral("List Title:"), QRect(14, 28, 90, 24), listPage);
    listTitleEdit = MakeLine(QStringLiteral("listTitleEdit"), QRect(110, 28, 256, 24), listTitleLabel, listPage);
    connect(listTitleEdit, &QLineEdit::textChanged, this, &BBCodeAssistant::listTitleEdited);
    itemLabel =
        MakeLabel(QStringLiteral("itemLabel"), QStringLiteral("add List item:"), QRect(14, 58, 140, 18), listPage);
    itemEdit = new QPlainTextEdit(listPage);
    itemEdit->setObjectName(QStringLiteral("itemEdit"));
    itemEdit->setGeometry(14, 78, 150, 96);
    itemEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    itemEdit->setTabChangesFocus(true);
    itemEdit->setAccessibleName(NameOf(itemLabel));
    itemLabel->setBuddy(itemEdit);

    addButton = new QPushButton(QStringLiteral("Add >>"), listPage);
    addButton->setObjectName(QStringLiteral("addButton"));
    removeButton = new QPushButton(QStringLiteral("Remove"), listPage);
    removeButton->setObjectName(QStringLiteral("removeButton"));
    int top = 84;
    for (QPushButton* button : {addButton, removeButton}) {
        button->setGeometry(172, top, 80, 26);
        button->setAccessibleName(button->text());
        // Return in a field does not press either button.
        button->setAutoDefault(false);
        top += 34;
    }
    connect(addButton, &QPushButton::clicked, this, &BBCodeAssistant::addItem);
    connect(removeButton, &QPushButton::clicked, this, &BBCodeAssistant::removeItem);

    itemList = new QListWidget(listPage);
    itemList->setObjectName(QStringLiteral("itemList"));
    itemList->setGeometry(260, 58, 106, 116);
    itemList->setAccessibleName(QStringLiteral("List items"));

    numberedBox = new QCheckBox(QStringLiteral("Numbered:"), listPage);
    numberedBox->setObjectName(QStringLiteral("numberedBox"));
    numberedBox->setGeometry(14, 186, 92, 24);
    numberedBox->setAccessibleName(QStringLiteral("Numbered"));
    // A tick set by the program runs the rule as a click does.
    connect(numberedBox, &QCheckBox::toggled, this, &BBCodeAssistant::numberedToggled);

    numberingFrame = new QFrame(listPage);
    numberingFrame->setObjectName(QStringLiteral("numberingFrame"));
    numberingFrame->setGeometry(108, 180, 260, 36);
    numberingFrame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    numberingFrame->setAccessibleName(QStringLiteral("Numbering"));
    const QString captions[] = {QStringLiteral("1. 2. 3."), QStringLiteral("a. b. c."), QStringLiteral("i. ii. iii.")};
    for (int index = 1; index <= 3; ++index) {
        auto* option = new QRadioButton(captions[index - 1], numberingFrame);
        option->setObjectName(QStringLiteral("numberingOption_%1").arg(index));
        option->setProperty("index", index);
        option->setGeometry(6 + (index - 1) * 84, 6, 84, 24);
        option->setAccessibleName(option->text());
        connect(option, &QRadioButton::toggled, this, [this, index](bool chosen) {
            if (chosen)
                numberingChosen(index);
        });
        numberingOptions[static_cast<size_t>(index)] = option;
    }

    // The output.
    outputLabel = MakeLabel(QStringLiteral("outputLabel"), QStringLiteral("Output:"), OutputCaption, background);
    outputText = new QLabel(background);
    outputText->setObjectName(QStringLiteral("outputText"));
    outputText->setGeometry(OutputArea);
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
    agreeHotSpot->setGeometry(AgreeWords);
    agreeHotSpot->setAccessibleName(QStringLiteral("Agree"));
    closeHotSpot = new PictureBox(background);
    closeHotSpot->setObjectName(QStringLiteral("closeHotSpot"));
    closeHotSpot->setGeometry(CloseWords);
    closeHotSpot->setAccessibleName(QStringLiteral("Close"));
    for (PictureBox* area : {agreeHotSpot, closeHotSpot})
        area->SetHandCursor();
    connect(agreeHotSpot, &PictureBox::clicked, this, &BBCodeAssistant::agree);
    connect(closeHotSpot, &PictureBox::clicked, this, &BBCodeAssistant::discard);
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
        SetOutput(NumberedListOpening);
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
    if (const std::optional<std::string> output = AssistText::Output(state))
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
