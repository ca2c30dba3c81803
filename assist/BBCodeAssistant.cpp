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
    connect(this, &QDialog::finished, this, &BBCodeAssistant::Form_Unload);
}

QGroupBox* BBCodeAssistant::CreatePage(const QString& name, const QString& caption)
{
    auto* page = new QGroupBox(caption, Background);
    page->setObjectName(name);
    page->setGeometry(PageArea);
    page->setAutoFillBackground(true);
    page->setAccessibleName(caption.trimmed());
    return page;
}

void BBCodeAssistant::CreateControls()
{
    Background = new DialogBackground(DialogBackground::Icon::Assistant, QStringLiteral("Assistant"), HeaderHeight, this);
    Background->setObjectName(QStringLiteral("Background"));
    Background->setGeometry(0, 0, ClientWidth, ClientHeight);
    Background->SetBottomBar(BottomBarTop);
    Background->AddLink(AgreeWords, QStringLiteral("Agree"));
    Background->AddLink(CloseWords, QStringLiteral("Close"));

    // The link page.
    framUrl = CreatePage(QStringLiteral("framUrl"), QStringLiteral("URL"));
    Label1 = MakeLabel(QStringLiteral("Label1"), QStringLiteral("Link Name:"), QRect(14, 36, 100, 24), framUrl);
    txtLinkName = MakeLine(QStringLiteral("txtLinkName"), QRect(120, 36, 244, 24), Label1, framUrl);
    Label2 = MakeLabel(QStringLiteral("Label2"), QStringLiteral("Link Address:"), QRect(14, 76, 100, 24), framUrl);
    txtLinkAddress = MakeLine(QStringLiteral("txtLinkAddress"), QRect(120, 76, 244, 24), Label2, framUrl);
    connect(txtLinkName, &QLineEdit::textChanged, this, &BBCodeAssistant::txtLinkName_Change);
    connect(txtLinkAddress, &QLineEdit::textChanged, this, &BBCodeAssistant::txtLinkAddress_Change);

    // The image page.
    framImg = CreatePage(QStringLiteral("framImg"), QStringLiteral("Image "));
    Label4 = MakeLabel(QStringLiteral("Label4"), QStringLiteral("Image Address:"), QRect(14, 36, 100, 24), framImg);
    txtImgAddress = MakeLine(QStringLiteral("txtImgAddress"), QRect(120, 36, 244, 24), Label4, framImg);
    connect(txtImgAddress, &QLineEdit::textChanged, this, &BBCodeAssistant::txtImgAddress_Change);

    // The list page.
    framList = CreatePage(QStringLiteral("framList"), QStringLiteral("List  "));
    Label5 = MakeLabel(QStringLiteral("Label5"), QStringLiteral("List Title:"), QRect(14, 28, 90, 24), framList);
    txtTitle = MakeLine(QStringLiteral("txtTitle"), QRect(110, 28, 256, 24), Label5, framList);
    connect(txtTitle, &QLineEdit::textChanged, this, &BBCodeAssistant::txtTitle_Change);
    Label6 = MakeLabel(QStringLiteral("Label6"), QStringLiteral("add List item:"), QRect(14, 58, 140, 18), framList);
    txtItem = new QPlainTextEdit(framList);
    txtItem->setObjectName(QStringLiteral("txtItem"));
    txtItem->setGeometry(14, 78, 150, 96);
    txtItem->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtItem->setTabChangesFocus(true);
    txtItem->setAccessibleName(NameOf(Label6));
    Label6->setBuddy(txtItem);

    cmdAdd = new QPushButton(QStringLiteral("Add >>"), framList);
    cmdAdd->setObjectName(QStringLiteral("cmdAdd"));
    cmdRemove = new QPushButton(QStringLiteral("Remove"), framList);
    cmdRemove->setObjectName(QStringLiteral("cmdRemove"));
    int top = 84;
    for (QPushButton* button : {cmdAdd, cmdRemove}) {
        button->setGeometry(172, top, 80, 26);
        button->setAccessibleName(button->text());
        // Return in a field does not press either button.
        button->setAutoDefault(false);
        top += 34;
    }
    connect(cmdAdd, &QPushButton::clicked, this, &BBCodeAssistant::cmdAdd_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &BBCodeAssistant::cmdRemove_Click);

    List1 = new QListWidget(framList);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(260, 58, 106, 116);
    List1->setAccessibleName(QStringLiteral("List items"));

    Check1 = new QCheckBox(QStringLiteral("Numbered:"), framList);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(14, 186, 92, 24);
    Check1->setAccessibleName(QStringLiteral("Numbered"));
    // A tick set by the program runs the rule as a click does.
    connect(Check1, &QCheckBox::toggled, this, &BBCodeAssistant::Check1_Click);

    Frame1 = new QFrame(framList);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(108, 180, 260, 36);
    Frame1->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Frame1->setAccessibleName(QStringLiteral("Numbering"));
    const QString captions[] = {QStringLiteral("1. 2. 3."), QStringLiteral("a. b. c."), QStringLiteral("i. ii. iii.")};
    for (int index = 1; index <= 3; ++index) {
        auto* option = new QRadioButton(captions[index - 1], Frame1);
        option->setObjectName(QStringLiteral("Option1_%1").arg(index));
        option->setProperty("Index", index);
        option->setGeometry(6 + (index - 1) * 84, 6, 84, 24);
        option->setAccessibleName(option->text());
        connect(option, &QRadioButton::toggled, this, [this, index](bool chosen) {
            if (chosen)
                Option1_Click(index);
        });
        Option1[static_cast<size_t>(index)] = option;
    }

    // The output.
    Label3 = MakeLabel(QStringLiteral("Label3"), QStringLiteral("Output:"), OutputCaption, Background);
    lblOutput = new QLabel(Background);
    lblOutput->setObjectName(QStringLiteral("lblOutput"));
    lblOutput->setGeometry(OutputArea);
    // Post text is shown as it is, never read as markup.
    lblOutput->setTextFormat(Qt::PlainText);
    lblOutput->setWordWrap(true);
    lblOutput->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblOutput->setFrameStyle(QFrame::Box | QFrame::Plain);
    lblOutput->setAutoFillBackground(true);
    lblOutput->setTextInteractionFlags(Qt::TextSelectableByMouse);
    {
        QPalette palette = lblOutput->palette();
        palette.setColor(QPalette::Window, QColor(255, 255, 225));
        palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
        lblOutput->setPalette(palette);
    }
    lblOutput->setMouseTracking(true);
    lblOutput->installEventFilter(this);
    Label3->setBuddy(lblOutput);

    // The click areas over the painted words.
    imgAgree = new PictureBox(Background);
    imgAgree->setObjectName(QStringLiteral("imgAgree"));
    imgAgree->setGeometry(AgreeWords);
    imgAgree->setAccessibleName(QStringLiteral("Agree"));
    imgClose = new PictureBox(Background);
    imgClose->setObjectName(QStringLiteral("imgClose"));
    imgClose->setGeometry(CloseWords);
    imgClose->setAccessibleName(QStringLiteral("Close"));
    for (PictureBox* area : {imgAgree, imgClose})
        area->SetHandCursor();
    connect(imgAgree, &PictureBox::clicked, this, &BBCodeAssistant::imgAgree_Click);
    connect(imgClose, &PictureBox::clicked, this, &BBCodeAssistant::imgClose_Click);
}

// The designed state, restored without running any rule: the rules belong to
// the opening that follows.
void BBCodeAssistant::ResetControls()
{
    for (QLineEdit* field : {txtLinkName, txtLinkAddress, txtTitle}) {
        const QSignalBlocker quiet(field);
        field->clear();
    }
    {
        const QSignalBlocker quiet(txtImgAddress);
        txtImgAddress->setText(ImgAddressDesigned);
    }
    txtItem->clear();
    List1->clear();
    {
        const QSignalBlocker quiet(Check1);
        Check1->setChecked(false);
    }
    for (int index = 1; index <= 3; ++index) {
        QRadioButton* option = Option1[static_cast<size_t>(index)];
        const QSignalBlocker quiet(option);
        option->setChecked(index == 1);
        option->setEnabled(false);
    }
    SetOutput(QString());
    lblOutput->setToolTip(QString());
    BringToFront(framUrl);
}

void BBCodeAssistant::BringToFront(QGroupBox* page)
{
    // Only the page in front is shown, so the keyboard never reaches the
    // fields of the pages behind it.
    for (QGroupBox* each : {framUrl, framImg, framList})
        each->setVisible(each == page);
    page->raise();
}

void BBCodeAssistant::SetOutput(const QString& text) { lblOutput->setText(text); }

void BBCodeAssistant::showEvent(QShowEvent* event)
{
    if (!m_loaded) {
        m_loaded = true;
        ResetControls();
        Form_Load();
    }
    QDialog::showEvent(event);
}

void BBCodeAssistant::Form_Load()
{
    const QString selection = FieldText::FromPost(m_post.SelectedText());
    if (AssistCommand == ToQString(AssistText::UrlCommand)) {
        BringToFront(framUrl);
        txtLinkName->setText(selection);
        SetOutput(UrlOpening);
        txtLinkAddress_Change();
        txtLinkName->setFocus();
    } else if (AssistCommand == ToQString(AssistText::ImgCommand)) {
        BringToFront(framImg);
        txtImgAddress->setText(selection);
        SetOutput(ToQString(AssistText::ImageOutput(ToUtf8(txtImgAddress->text()))));
        txtImgAddress->setFocus();
    } else if (AssistCommand == ToQString(AssistText::ListCommand)) {
        BringToFront(framList);
        txtTitle->setText(selection);
        SetOutput(ListOpening);
        Check1->setChecked(false);
        UpdateOutput();
        txtItem->setFocus();
    } else if (AssistCommand == ToQString(AssistText::NumberedListCommand)) {
        BringToFront(framList);
        txtTitle->setText(selection);
        SetOutput(NumberedListOpening);
        Check1->setChecked(true);
        UpdateOutput();
        txtItem->setFocus();
    }
}

void BBCodeAssistant::Form_Unload()
{
    LinkName.clear();
    LinkTarget.clear();
    ListBody.clear();
    m_loaded = false;
}

void BBCodeAssistant::UpdateList()
{
    std::vector<std::string> items;
    items.reserve(static_cast<size_t>(List1->count()));
    for (int row = 0; row < List1->count(); ++row)
        items.push_back(ToUtf8(List1->item(row)->text()));
    ListBody = AssistText::ListBody(items);
    UpdateOutput();
}

void BBCodeAssistant::UpdateOutput()
{
    int kind = 0;
    for (int index = 1; index <= 3 && kind == 0; ++index)
        if (Option1[static_cast<size_t>(index)]->isChecked())
            kind = index;
    const std::string command = ToUtf8(AssistCommand);
    const std::string title = ToUtf8(txtTitle->text());
    const AssistText::AssistState state{command, LinkName, LinkTarget, title, ListBody, kind};
    if (const std::optional<std::string> output = AssistText::Output(state))
        SetOutput(ToQString(*output));
}

void BBCodeAssistant::txtLinkName_Change()
{
    LinkName = ToUtf8(txtLinkName->text());
    UpdateOutput();
}

void BBCodeAssistant::txtLinkAddress_Change()
{
    LinkTarget = AssistText::LinkTarget(ToUtf8(txtLinkAddress->text()));
    UpdateOutput();
}

void BBCodeAssistant::txtImgAddress_Change()
{
    SetOutput(ToQString(AssistText::ImageOutput(ToUtf8(txtImgAddress->text()))));
}

void BBCodeAssistant::txtTitle_Change() { UpdateOutput(); }

void BBCodeAssistant::Check1_Click()
{
    const bool numbered = Check1->isChecked();
    for (int index = 1; index <= 3; ++index)
        Option1[static_cast<size_t>(index)]->setEnabled(numbered);
    AssistCommand = ToQString(numbered ? AssistText::NumberedListCommand : AssistText::ListCommand);
    UpdateOutput();
}

void BBCodeAssistant::Option1_Click(int /*Index*/) { UpdateOutput(); }

void BBCodeAssistant::cmdAdd_Click()
{
    // The field's raw text keeps every character typed, line breaks as LF.
    const QString item = txtItem->toPlainText();
    if (!item.isEmpty())
        List1->addItem(item);
    txtItem->clear();
    UpdateList();
    txtItem->setFocus();
}

void BBCodeAssistant::cmdRemove_Click()
{
    if (List1->count() > 0) {
        // Only an item the user has chosen goes; with none chosen nothing does.
        const QList<QListWidgetItem*> chosen = List1->selectedItems();
        if (!chosen.isEmpty())
            delete List1->takeItem(List1->row(chosen.first()));
    }
    UpdateList();
}

void BBCodeAssistant::imgAgree_Click()
{
    m_post.ReplaceSelection(FieldText::ToPost(lblOutput->text()));
    accept();
}

void BBCodeAssistant::imgClose_Click() { reject(); }

void BBCodeAssistant::lblOutput_MouseMove()
{
    // A tooltip that looks like markup would be shown as markup; escaped, it
    // shows the output as it is.
    const QString text = lblOutput->text();
    lblOutput->setToolTip(Qt::mightBeRichText(text) ? QStringLiteral("<p style=\"white-space:pre-wrap\">%1</p>")
                                                          .arg(text.toHtmlEscaped())
                                                    : text);
}

bool BBCodeAssistant::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblOutput && event->type() == QEvent::MouseMove)
        lblOutput_MouseMove();
    return QDialog::eventFilter(watched, event);
}
