#include "forums/OptionsDialog.h"

#include "base/Platform.h"
#include "base/SettingsStore.h"
#include "base/Utf8.h"
#include "board/BoardProfiles.h"
#include "forums/ForumListFile.h"
#include "forums/ForumList.h"
#include "forums/ForumScan.h"
#include "forums/SiteAddress.h"
#include "render/BrowserWindow.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedLayout>
#include <QTabBar>

#include <limits>
#include <memory>

namespace {

// The example in the information panel: a board in its own folder of a site.
const QString ExampleAddress = QStringLiteral("http://forum.example.org/board/");

constexpr int PageWidth = 440;

QLabel* MakeLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setAccessibleName(text);
    return label;
}

QLineEdit* MakeField(const char* name, const QString& accessibleName, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setAccessibleName(accessibleName);
    // An address may be longer than a line field's usual limit.
    field->setMaxLength(std::numeric_limits<int>::max());
    return field;
}

// Neither Enter nor Escape presses any of the dialog's buttons.
QPushButton* MakeButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(caption);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QFrame* MakePage(const char* name, const QString& accessibleName)
{
    auto* page = new QFrame;
    page->setObjectName(QLatin1String(name));
    page->setAccessibleName(accessibleName);
    page->setFrameShape(QFrame::StyledPanel);
    return page;
}

void BringForward(QWidget* window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

OptionsDialog::OptionsDialog(const AppContext& context, ForumListChanged forumListChanged, QWidget* owner,
                       ForumExtraction::Timing timing)
    : QDialog(owner), m_context(context), m_forumListChanged(std::move(forumListChanged))
{
    setObjectName(QStringLiteral("OptionsDialog"));
    setWindowTitle(Caption);
    // A fixed frame without minimise and maximise buttons; owned windows get
    // no task-bar button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    m_extraction = new ForumExtraction(this, timing);
    CreateControls();
    Form_Load();
}

void OptionsDialog::CreateControls()
{
    TabStrip1 = new QTabBar(this);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->setAccessibleName(QStringLiteral("Options pages"));
    TabStrip1->addTab(QStringLiteral("General Options"));
    TabStrip1->addTab(QStringLiteral("Extract forums"));
    TabStrip1->setDrawBase(false);
    TabStrip1->setExpanding(false);

    // The pages lie on top of each other; the tab strip chooses which shows.
    m_pages = new QStackedLayout;
    m_pages->addWidget(CreateGeneralPage());
    m_pages->addWidget(CreateExtractionPage());

    cmdSave = MakeButton("cmdSave", QStringLiteral("Save"), this);
    cmdCancel = MakeButton("cmdCancel", QStringLiteral("Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setSpacing(0);
    layout->addWidget(TabStrip1);
    layout->addLayout(m_pages);
    layout->addSpacing(10);
    layout->addLayout(buttons);

    connect(TabStrip1, &QTabBar::currentChanged, this, &OptionsDialog::TabStrip1_Click);
    connect(txtURL, &QLineEdit::textChanged, this, &OptionsDialog::txtURL_Change);
    connect(cmdText, &QPushButton::clicked, this, &OptionsDialog::cmdText_Click);
    connect(Command1, &QPushButton::clicked, this, &OptionsDialog::Command1_Click);
    connect(cmdSave, &QPushButton::clicked, this, &OptionsDialog::cmdSave_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &OptionsDialog::cmdCancel_Click);
}

QWidget* OptionsDialog::CreateGeneralPage()
{
    framGeneral = MakePage("framGeneral", QStringLiteral("General Options"));

    Frame2 = new QFrame(framGeneral);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setAccessibleName(QStringLiteral("About the site address"));
    Frame2->setFrameShape(QFrame::Box);
    Frame2->setAutoFillBackground(true);
    QPalette tip = Frame2->palette();
    tip.setColor(QPalette::Window, tip.color(QPalette::ToolTipBase));
    tip.setColor(QPalette::WindowText, tip.color(QPalette::ToolTipText));
    Frame2->setPalette(tip);
    Label5 = MakeLabel("Label5",
                       QStringLiteral("Please specify the exact address (URL) of the forum you will submit topic to. "
                                      "for example (")
                           + ExampleAddress
                           + QStringLiteral("). (Note: some Times letter capitalization makes a difference)"),
                       Frame2);
    Label6 = MakeLabel("Label6",
                       QStringLiteral("Then Check that this is the correct address by clicking the test address "
                                      "below, please be sure that you will have the index page of the forum "
                                      "displayed, otherwise check the address you entered"),
                       Frame2);
    auto* panel = new QVBoxLayout(Frame2);
    panel->addWidget(Label5);
    panel->addWidget(Label6);

    Label3 = MakeLabel("Label3", QStringLiteral("Site Adress (URL):"), framGeneral);
    txtURL = MakeField("txtURL", QStringLiteral("Site Adress (URL)"), framGeneral);
    Label3->setBuddy(txtURL);
    Label4 = MakeLabel("Label4", QStringLiteral("Site Name:"), framGeneral);
    txtName = MakeField("txtName", QStringLiteral("Site Name"), framGeneral);
    Label4->setBuddy(txtName);
    cmdText = MakeButton("cmdText", QStringLiteral("Test Address"), framGeneral);
    lblBoardKind = MakeLabel("lblBoardKind", QStringLiteral("Board software:"), framGeneral);
    cmbBoardKind = new QComboBox(framGeneral);
    cmbBoardKind->setObjectName(QStringLiteral("cmbBoardKind"));
    cmbBoardKind->setAccessibleName(QStringLiteral("Board software"));
    cmbBoardKind->addItem(QStringLiteral("Automatic"), int(BoardKind::Unknown));
    cmbBoardKind->addItem(ToQString(BoardKinds::DisplayName(BoardKind::Phpbb3)), int(BoardKind::Phpbb3));
    cmbBoardKind->addItem(ToQString(BoardKinds::DisplayName(BoardKind::Phpbb2)), int(BoardKind::Phpbb2));
    cmbBoardKind->setToolTip(QStringLiteral("Automatic: the kind found on the site's index or posting page"));
    lblBoardKind->setBuddy(cmbBoardKind);
    lblBoardFound = MakeLabel("lblBoardFound", QString(), framGeneral);

    auto* fields = new QGridLayout;
    fields->addWidget(Label3, 0, 0);
    fields->addWidget(txtURL, 0, 1);
    fields->addWidget(Label4, 1, 0);
    fields->addWidget(txtName, 1, 1);
    fields->addWidget(cmdText, 2, 1, Qt::AlignLeft);
    fields->addWidget(lblBoardKind, 3, 0);
    fields->addWidget(cmbBoardKind, 3, 1, Qt::AlignLeft);
    fields->addWidget(lblBoardFound, 4, 1);

    auto* layout = new QVBoxLayout(framGeneral);
    layout->addWidget(Frame2);
    layout->addSpacing(6);
    layout->addLayout(fields);
    layout->addStretch();
    framGeneral->setFixedWidth(PageWidth);
    return framGeneral;
}

QWidget* OptionsDialog::CreateExtractionPage()
{
    Frame1 = MakePage("Frame1", QStringLiteral("Extract forums"));
    Label1 = MakeLabel("Label1", QStringLiteral("This window will help you to extract the forum names from your site:"),
                       Frame1);
    Label2 = MakeLabel("Label2", QStringLiteral("Please write down the address of the index page of the forum:"),
                       Frame1);
    lblURL = MakeField("lblURL", QStringLiteral("Address of the index page of the forum"), Frame1);
    Label2->setBuddy(lblURL);
    Command1 = MakeButton("Command1", QStringLiteral("Start Extracting"), Frame1);
    List1 = new QListWidget(Frame1);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("Forums found"));

    auto* address = new QHBoxLayout;
    address->addWidget(lblURL, 1);
    address->addWidget(Command1);

    auto* layout = new QVBoxLayout(Frame1);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addLayout(address);
    layout->addWidget(List1, 1);
    Frame1->setFixedWidth(PageWidth);
    return Frame1;
}

void OptionsDialog::Form_Load()
{
    txtURL->setText(m_context.settings->Get(SettingsStore::SiteAdressKey, DefaultAddress));
    txtName->setText(m_context.settings->Get(SettingsStore::SiteNameKey, DefaultName));
    lblURL->setText(txtURL->text());
    ShowBoard();
    cmbBoardKind->setCurrentIndex(
        std::max(0, cmbBoardKind->findData(int(BoardProfiles::Load(*m_context.settings, TypedSite()).chosen))));
    TabStrip1->setCurrentIndex(0);
    TabStrip1_Click(0);
}

void OptionsDialog::ShowModal(const AppContext& context, ForumListChanged forumListChanged)
{
    auto* dialog = new OptionsDialog(context, std::move(forumListChanged));
    dialog->exec();  // the dialog deletes itself once closed
}

void OptionsDialog::ShowModeless(QPointer<OptionsDialog>& open, const AppContext& context, ForumListChanged forumListChanged,
                              QWidget* owner)
{
    if (!open)
        open = new OptionsDialog(context, std::move(forumListChanged), owner);
    BringForward(open);
}

void OptionsDialog::TabStrip1_Click(int index) { m_pages->setCurrentIndex(index); }

void OptionsDialog::txtURL_Change()
{
    lblURL->setText(txtURL->text());
    ShowBoard();
}

QString OptionsDialog::TypedSite() const { return ToQString(SiteAddress::Normalise(ToUtf8(txtURL->text()))); }

void OptionsDialog::ShowBoard()
{
    const BoardProfile profile = BoardProfiles::Load(*m_context.settings, TypedSite());
    lblBoardFound->setText(ToQString(profile.Description()));
    lblBoardFound->setAccessibleName(lblBoardFound->text());
}

void OptionsDialog::BoardFound(const QString& site, const std::string& page)
{
    BoardProfiles::SaveFound(*m_context.settings, site, BoardKinds::FromPage(page), FoundOn::IndexPage);
    if (site == TypedSite())
        ShowBoard();
}

void OptionsDialog::cmdText_Click()
{
    // The address exactly as typed: nothing added, nothing removed. The
    // page it shows tells which board the site runs.
    const QString site = TypedSite();
    const auto window = std::make_unique<BrowserWindow>(this);
    BrowserWindow* shown = window.get();
    const QPointer<OptionsDialog> self(this);
    connect(shown, &BrowserWindow::navigationCompleted, this, [self, shown, site](bool ok) {
        if (!ok)
            return;
        shown->BodyHtml([self, site](std::optional<QString> body) {
            if (self && body)
                self->BoardFound(site, ToUtf8(*body));
        });
    });
    window->Open(BrowserMode::AddressTest, QUrl(txtURL->text()));
}

void OptionsDialog::cmdSave_Click()
{
    if (List1->count() > 0) {
        QStringList entries;
        entries.reserve(List1->count());
        for (int row = 0; row < List1->count(); ++row)
            entries.append(List1->item(row)->text());
        // A list that cannot be written keeps the dialog open with
        // everything in it, and stores nothing.
        if (!ForumListFile::Write(m_context, this, entries))
            return;
        const QPointer<OptionsDialog> self(this);
        m_forumListChanged();
        if (!self)
            return;
    }
    txtURL->setText(TypedSite());
    BoardProfiles::SaveChoice(*m_context.settings, txtURL->text(),
                              static_cast<BoardKind>(cmbBoardKind->currentData().toInt()));
    m_context.settings->Save(SettingsStore::SiteAdressKey, txtURL->text());
    m_context.settings->Save(SettingsStore::SiteNameKey, txtName->text());
    emit siteSaved();
    close();
}

void OptionsDialog::cmdCancel_Click() { close(); }

void OptionsDialog::Command1_Click()
{
    const QPointer<OptionsDialog> self(this);
    setCursor(Qt::WaitCursor);
    std::string page;
    const ForumExtraction::Outcome outcome = m_extraction->Read(lblURL->text(), &page);
    // A later press, a close or the dialog's end took over: it leaves the
    // pointer and the list to whoever goes on.
    if (!self || outcome == ForumExtraction::Outcome::Abandoned)
        return;
    if (outcome == ForumExtraction::Outcome::Read) {
        List1->clear();
        const QString site = ToQString(SiteAddress::Normalise(ToUtf8(lblURL->text())));
        BoardFound(site, page);
        ForumScan::Result found = ForumScan::Scan(ForumScan::WithUpperCaseLinkEnds(page));
        // A phpBB 3 index page links its categories like its forums; only
        // forums and sub-forums can take posts.
        if (BoardProfiles::Load(*m_context.settings, site).Kind() == BoardKind::Phpbb3)
            found = ForumScan::WithoutCategories(std::move(found));
        // Last-post and other links under a forum's number give blank names
        // and topic titles: one entry per forum, the first one, stays.
        const std::vector<std::string> forums = ForumList::WithoutBlankAndRepeated(std::move(found.entries));
        for (const std::string& entry : forums)
            List1->addItem(ToQString(entry));
        if (found.complete && !forums.empty()) {
            unsetCursor();
            return;
        }
    }
    unsetCursor();
    m_context.platform->MsgBox(this, ExtractionFailure, MsgButtons::OK, MsgIcon::Critical);
}

void OptionsDialog::done(int result)
{
    m_extraction->Abandon();
    QDialog::done(result);
}

void OptionsDialog::keyPressEvent(QKeyEvent* event)
{
    // Escape would reject the dialog: only its Cancel button and the window
    // frame close it without saving.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
