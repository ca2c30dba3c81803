// SPDX-License-Identifier: MIT
#include "forums/OptionsDialog.h"

#include "base/HtmlText.h"
#include "base/Platform.h"
#include "base/Settings.h"
#include "base/Utf8.h"
#include "board/BoardProfiles.h"
#include "forums/ForumListFile.h"
#include "forums/ForumList.h"
#include "board/Boards.h"
#include "board/classic/ForumScan.h"
#include "forums/SiteAddress.h"
#include "forums/SiteList.h"
#include "browser/BoardPages.h"
#include "browser/BrowserWindow.h"

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
#include <QTimer>

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
    setWindowTitle(tr("Options"));
    // A fixed frame without minimise and maximise buttons; owned windows get
    // no task-bar button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    m_extraction = new ForumExtraction(this, timing);
    m_postingRead = new ForumExtraction(this, timing);
    CreateControls();
    LoadSettings();
}

void OptionsDialog::CreateControls()
{
    pageTabs = new QTabBar(this);
    pageTabs->setObjectName(QStringLiteral("pageTabs"));
    pageTabs->setAccessibleName(tr("Options pages"));
    pageTabs->addTab(tr("General Options"));
    pageTabs->addTab(tr("Extract forums"));
    pageTabs->setDrawBase(false);
    pageTabs->setExpanding(false);

    // The pages lie on top of each other; the tab strip chooses which shows.
    m_pages = new QStackedLayout;
    m_pages->addWidget(CreateGeneralPage());
    m_pages->addWidget(CreateExtractionPage());

    saveButton = MakeButton("saveButton", tr("Save"), this);
    cancelButton = MakeButton("cancelButton", tr("Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setSpacing(0);
    layout->addWidget(pageTabs);
    layout->addLayout(m_pages);
    layout->addSpacing(10);
    layout->addLayout(buttons);

    connect(pageTabs, &QTabBar::currentChanged, this, &OptionsDialog::showPage);
    connect(siteAddressEdit, &QLineEdit::textChanged, this, &OptionsDialog::siteAddressEdited);
    connect(testAddressButton, &QPushButton::clicked, this, &OptionsDialog::testAddress);
    connect(startExtractingButton, &QPushButton::clicked, this, &OptionsDialog::extractForums);
    connect(siteList, &QListWidget::currentRowChanged, this, &OptionsDialog::siteSelected);
    connect(addSiteButton, &QPushButton::clicked, this, &OptionsDialog::addSite);
    connect(removeSiteButton, &QPushButton::clicked, this, &OptionsDialog::removeSite);
    connect(moveSiteUpButton, &QPushButton::clicked, this, [this] { moveSite(-1); });
    connect(moveSiteDownButton, &QPushButton::clicked, this, [this] { moveSite(1); });
    connect(siteNameEdit, &QLineEdit::textChanged, this, [this](const QString& name) {
        if (QListWidgetItem* item = siteList->item(m_shown))
            item->setText(name);
    });
    connect(saveButton, &QPushButton::clicked, this, &OptionsDialog::save);
    connect(cancelButton, &QPushButton::clicked, this, &OptionsDialog::cancel);
}

QWidget* OptionsDialog::CreateGeneralPage()
{
    generalPage = MakePage("generalPage", tr("General Options"));

    addressHelp = new QFrame(generalPage);
    addressHelp->setObjectName(QStringLiteral("addressHelp"));
    addressHelp->setAccessibleName(tr("About the site address"));
    addressHelp->setFrameShape(QFrame::Box);
    addressHelp->setAutoFillBackground(true);
    QPalette tip = addressHelp->palette();
    tip.setColor(QPalette::Window, tip.color(QPalette::ToolTipBase));
    tip.setColor(QPalette::WindowText, tip.color(QPalette::ToolTipText));
    addressHelp->setPalette(tip);
    addressHelpText = MakeLabel("addressHelpText",
                                tr("Please specify the exact address (URL) of the forum you will submit topic to. "
                                   "for example (%1). (Note: some Times letter capitalization makes a difference)")
                                    .arg(ExampleAddress),
                                addressHelp);
    testHelpText = MakeLabel("testHelpText",
                             tr("Then Check that this is the correct address by clicking the test address "
                                "below, please be sure that you will have the index page of the forum "
                                "displayed, otherwise check the address you entered"),
                             addressHelp);
    auto* panel = new QVBoxLayout(addressHelp);
    panel->addWidget(addressHelpText);
    panel->addWidget(testHelpText);

    siteListLabel = MakeLabel("siteListLabel", tr("Sites:"), generalPage);
    siteList = new QListWidget(generalPage);
    siteList->setObjectName(QStringLiteral("siteList"));
    siteList->setAccessibleName(tr("Sites"));
    // As tall as its buttons beside it: the page keeps room for the help.
    siteList->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    siteListLabel->setBuddy(siteList);
    addSiteButton = MakeButton("addSiteButton", tr("Add Site"), generalPage);
    removeSiteButton = MakeButton("removeSiteButton", tr("Remove Site"), generalPage);
    moveSiteUpButton = MakeButton("moveSiteUpButton", tr("Move Up"), generalPage);
    moveSiteDownButton = MakeButton("moveSiteDownButton", tr("Move Down"), generalPage);
    auto* siteButtons = new QVBoxLayout;
    for (QPushButton* button : {addSiteButton, removeSiteButton, moveSiteUpButton, moveSiteDownButton})
        siteButtons->addWidget(button);
    auto* sites = new QHBoxLayout;
    sites->addWidget(siteList, 1);
    sites->addLayout(siteButtons);

    siteAddressLabel = MakeLabel("siteAddressLabel", tr("Site Adress (URL):"), generalPage);
    siteAddressEdit = MakeField("siteAddressEdit", tr("Site Adress (URL)"), generalPage);
    siteAddressLabel->setBuddy(siteAddressEdit);
    siteNameLabel = MakeLabel("siteNameLabel", tr("Site Name:"), generalPage);
    siteNameEdit = MakeField("siteNameEdit", tr("Site Name"), generalPage);
    siteNameLabel->setBuddy(siteNameEdit);
    testAddressButton = MakeButton("testAddressButton", tr("Test Address"), generalPage);
    boardKindLabel = MakeLabel("boardKindLabel", tr("Board software:"), generalPage);
    boardKindList = new QComboBox(generalPage);
    boardKindList->setObjectName(QStringLiteral("boardKindList"));
    boardKindList->setAccessibleName(tr("Board software"));
    boardKindList->addItem(tr("Automatic"), QString());
    for (const Board* kind : Boards::Known())
        boardKindList->addItem(ToQString(kind->Name()), ToQString(kind->Key()));
    boardKindList->setToolTip(tr("Automatic: the kind found on the site's index or posting page"));
    boardKindLabel->setBuddy(boardKindList);
    boardFoundLabel = MakeLabel("boardFoundLabel", QString(), generalPage);

    auto* fields = new QGridLayout;
    fields->addWidget(siteAddressLabel, 0, 0);
    fields->addWidget(siteAddressEdit, 0, 1);
    fields->addWidget(siteNameLabel, 1, 0);
    fields->addWidget(siteNameEdit, 1, 1);
    fields->addWidget(testAddressButton, 2, 1, Qt::AlignLeft);
    fields->addWidget(boardKindLabel, 3, 0);
    fields->addWidget(boardKindList, 3, 1, Qt::AlignLeft);
    fields->addWidget(boardFoundLabel, 4, 1);

    auto* layout = new QVBoxLayout(generalPage);
    layout->addWidget(addressHelp);
    layout->addSpacing(6);
    layout->addWidget(siteListLabel);
    layout->addLayout(sites);
    layout->addLayout(fields);
    layout->addStretch();
    generalPage->setFixedWidth(PageWidth);
    return generalPage;
}

QWidget* OptionsDialog::CreateExtractionPage()
{
    extractionPage = MakePage("extractionPage", tr("Extract forums"));
    extractionIntro = MakeLabel(
        "extractionIntro", tr("This window will help you to extract the forum names from your site:"), extractionPage);
    indexAddressLabel = MakeLabel("indexAddressLabel",
                                  tr("Please write down the address of the index page of the forum:"), extractionPage);
    indexAddressEdit = MakeField("indexAddressEdit", tr("Address of the index page of the forum"), extractionPage);
    indexAddressLabel->setBuddy(indexAddressEdit);
    startExtractingButton = MakeButton("startExtractingButton", tr("Start Extracting"), extractionPage);
    forumsFoundList = new QListWidget(extractionPage);
    forumsFoundList->setObjectName(QStringLiteral("forumsFoundList"));
    forumsFoundList->setAccessibleName(tr("Forums found"));

    auto* address = new QHBoxLayout;
    address->addWidget(indexAddressEdit, 1);
    address->addWidget(startExtractingButton);

    auto* layout = new QVBoxLayout(extractionPage);
    layout->addWidget(extractionIntro);
    layout->addWidget(indexAddressLabel);
    layout->addLayout(address);
    layout->addWidget(forumsFoundList, 1);
    extractionPage->setFixedWidth(PageWidth);
    return extractionPage;
}

void OptionsDialog::LoadSettings()
{
    m_sites = m_context.settings->sites();
    // The first site of a first start: the defaults to start from.
    if (m_sites.first().address.isEmpty())
        m_sites.first().address = m_context.settings->siteAddress(DefaultAddress);
    if (m_sites.first().name.isEmpty())
        m_sites.first().name = m_context.settings->siteName(tr("My Forum"));
    const QString chosen = m_context.settings->chosenSite().id;
    int row = 0;
    for (int each = 0; each < m_sites.size(); ++each) {
        siteList->addItem(m_sites[each].name);
        if (m_sites[each].id == chosen)
            row = each;
    }
    siteList->setCurrentRow(row);
    ShowSite(row);
    pageTabs->setCurrentIndex(0);
    showPage(0);
}

void OptionsDialog::KeepFields()
{
    if (m_shown < 0 || m_shown >= m_sites.size())
        return;
    SiteEntry& site = m_sites[m_shown];
    site.address = siteAddressEdit->text();
    site.name = siteNameEdit->text();
    m_kinds[site.id] = boardKindList->currentData().toString();
    if (forumsFoundList->count() > 0) {
        QStringList entries;
        for (int row = 0; row < forumsFoundList->count(); ++row) {
            const QListWidgetItem* item = forumsFoundList->item(row);
            const QVariant entry = item->data(Qt::UserRole);
            entries.append(entry.isValid() ? entry.toString() : item->text());
        }
        m_found[site.id] = entries;
    }
}

void OptionsDialog::ShowSite(int row)
{
    m_shown = -1;  // no field edit below belongs to a site until it is shown
    const SiteEntry& site = m_sites[row];
    siteAddressEdit->setText(site.address);
    siteNameEdit->setText(site.name);
    indexAddressEdit->setText(site.address);
    ShowBoard();
    const Board* const chosen = BoardProfiles::Load(*m_context.settings, TypedSite()).chosen;
    const QString kind = m_kinds.contains(site.id) ? m_kinds.value(site.id)
        : chosen                                   ? ToQString(chosen->Key())
                                                   : QString();
    boardKindList->setCurrentIndex(std::max(0, boardKindList->findData(kind)));
    forumsFoundList->clear();
    for (const QString& entry : m_found.value(site.id))
        AddFoundEntry(entry);
    removeSiteButton->setEnabled(m_sites.size() > 1);
    moveSiteUpButton->setEnabled(row > 0);
    moveSiteDownButton->setEnabled(row + 1 < m_sites.size());
    m_shown = row;
}

void OptionsDialog::siteSelected(int row)
{
    if (row < 0 || row >= m_sites.size() || row == m_shown)
        return;
    m_extraction->Abandon();
    KeepFields();
    ShowSite(row);
}

void OptionsDialog::addSite()
{
    KeepFields();
    m_sites.append({m_context.settings->newSiteId(), DefaultAddress, tr("My Forum %1").arg(m_sites.size() + 1)});
    m_added.append(m_sites.last().id);
    siteList->addItem(m_sites.last().name);
    siteList->setCurrentRow(int(m_sites.size() - 1));
    siteAddressEdit->setFocus();
}

void OptionsDialog::moveSite(int step)
{
    const int row = m_shown;
    const int target = row + step;
    if (row < 0 || target < 0 || target >= m_sites.size())
        return;
    KeepFields();
    m_sites.swapItemsAt(row, target);
    m_shown = -1;
    siteList->item(row)->setText(m_sites[row].name);
    siteList->item(target)->setText(m_sites[target].name);
    siteList->setCurrentRow(target);
}

void OptionsDialog::removeSite()
{
    if (m_sites.size() <= 1 || m_shown < 0)
        return;
    const int row = m_shown;
    const QString question =
        tr("Remove the site \"%1\"?\r\nIts forum list and its login are deleted when you save.").arg(m_sites[row].name);
    if (m_context.platform->MsgBox(this, question, MsgButtons::YesNo, MsgIcon::Question) != MsgAnswer::Yes)
        return;
    m_extraction->Abandon();
    m_found.remove(m_sites[row].id);
    m_kinds.remove(m_sites[row].id);
    m_sites.removeAt(row);
    m_shown = -1;
    delete siteList->takeItem(row);
    const int next = std::min(row, int(m_sites.size() - 1));
    siteList->setCurrentRow(next);
    ShowSite(next);
}

void OptionsDialog::ShowModal(const AppContext& context, ForumListChanged forumListChanged)
{
    auto* dialog = new OptionsDialog(context, std::move(forumListChanged));
    dialog->exec();  // the dialog deletes itself once closed
}

void OptionsDialog::ShowModeless(QPointer<OptionsDialog>& open, const AppContext& context,
                                 ForumListChanged forumListChanged, QWidget* owner)
{
    if (!open)
        open = new OptionsDialog(context, std::move(forumListChanged), owner);
    BringForward(open);
}

void OptionsDialog::showPage(int index) { m_pages->setCurrentIndex(index); }

void OptionsDialog::siteAddressEdited()
{
    indexAddressEdit->setText(siteAddressEdit->text());
    ShowBoard();
}

QString OptionsDialog::ShownSiteId() const
{
    return m_shown >= 0 && m_shown < m_sites.size() ? m_sites[m_shown].id : QString();
}

QString OptionsDialog::TypedSite() const { return ToQString(SiteAddress::Normalise(ToUtf8(siteAddressEdit->text()))); }

void OptionsDialog::ShowBoard()
{
    const BoardProfile profile = BoardProfiles::Load(*m_context.settings, TypedSite());
    boardFoundLabel->setText(ToQString(profile.Description()));
    boardFoundLabel->setAccessibleName(boardFoundLabel->text());
}

void OptionsDialog::BoardFound(const QString& site, const std::string& page)
{
    BoardProfiles::SaveFound(*m_context.settings, site, Boards::FromPage(page), FoundOn::IndexPage);
    BoardPages::KeepPosterName(*m_context.settings, site, page);
    if (site == TypedSite())
        ShowBoard();
    // Out of the caller's hands first: the read waits for its page.
    QTimer::singleShot(0, this, [this, site, page] { ReadPostingPage(site, page); });
    emit boardFound();
}

void OptionsDialog::ReadPostingPage(const QString& site, const std::string& indexPage)
{
    const Board& kind = BoardProfiles::Load(*m_context.settings, site).Kind();
    if (!kind.OffersPostingPageSmilies())
        return;
    const std::vector<std::string> forums = ForumList::WithoutBlankAndRepeated(kind.ForumsOf(indexPage).entries);
    if (forums.empty())
        return;
    const std::string address = kind.PostingAddress(ToUtf8(site), PostingMode::Post, ForumList::NumberOf(forums.front()));
    const QPointer<OptionsDialog> self(this);
    std::string page;
    const ForumExtraction::Outcome outcome = m_postingRead->Read(ToQString(address), &page, ShownSiteId());
    if (!self || outcome != ForumExtraction::Outcome::Read)
        return;
    // A guest's page offers nothing: what was read before stays.
    BoardPages::KeepPostingPage(*m_context.settings, site, page);
    emit boardFound();
}

void OptionsDialog::testAddress()
{
    // The address exactly as typed: nothing added, nothing removed. The
    // page it shows tells which board the site runs.
    const QString site = TypedSite();
    // The selected site's own profile: a login made here is that site's.
    const auto window = std::make_unique<BrowserWindow>(this, ShownSiteId());
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
    window->Open(BrowserMode::AddressTest, QUrl(siteAddressEdit->text()));
}

void OptionsDialog::save()
{
    KeepFields();
    QList<SiteEntry> sites = m_sites;
    for (SiteEntry& site : sites)
        site.address = ToQString(SiteAddress::Normalise(ToUtf8(site.address)));
    // A list that cannot be stored keeps the dialog open with everything in it.
    if (const QString problem = SiteList::Problem(sites); !problem.isEmpty()) {
        m_context.platform->MsgBox(this, problem, MsgButtons::OK, MsgIcon::Critical);
        return;
    }
    // The lists go first, each to its site's file as the stored list of sites
    // names it (storing the sites then moves the files that change names): a
    // list that cannot be written keeps the dialog open and stores nothing.
    bool listsWritten = false;
    for (const SiteEntry& site : sites) {
        if (m_found.value(site.id).isEmpty())
            continue;
        if (!ForumListFile::Write(m_context, this, m_found.value(site.id), site.id))
            return;
        listsWritten = true;
        m_found.remove(site.id);
    }
    SiteList::Store(m_context, this, sites);
    m_sites = sites;
    siteAddressEdit->setText(m_sites[m_shown].address);
    for (const SiteEntry& site : sites)
        if (m_kinds.contains(site.id))
            BoardProfiles::SaveChoice(*m_context.settings, site.address,
                                      Boards::Named(ToUtf8(m_kinds.value(site.id))));
    if (listsWritten) {
        const QPointer<OptionsDialog> self(this);
        m_forumListChanged();
        if (!self)
            return;
    }
    emit siteSaved();
    close();
}

void OptionsDialog::cancel() { close(); }

void OptionsDialog::extractForums()
{
    const QPointer<OptionsDialog> self(this);
    setCursor(Qt::WaitCursor);
    std::string page;
    const int shown = m_shown;
    const ForumExtraction::Outcome outcome = m_extraction->Read(indexAddressEdit->text(), &page, ShownSiteId());
    // A later press, a close or the dialog's end took over: it leaves the
    // pointer and the list to whoever goes on.
    if (!self || outcome == ForumExtraction::Outcome::Abandoned || shown != m_shown)
        return;
    if (outcome == ForumExtraction::Outcome::Read) {
        forumsFoundList->clear();
        const QString site = ToQString(SiteAddress::Normalise(ToUtf8(indexAddressEdit->text())));
        BoardFound(site, page);
        // Each board links its forums its own way; a phpBB 3 or MyBB index
        // page links its categories like its forums, and only forums and
        // sub-forums can take posts.
        ForumScan::Result found = BoardProfiles::Load(*m_context.settings, site).Kind().ForumsOf(page);
        // Last-post and other links under a forum's number give blank names
        // and topic titles: one entry per forum, the first one, stays.
        const std::vector<std::string> forums = ForumList::WithoutBlankAndRepeated(std::move(found.entries));
        for (const std::string& entry : forums)
            AddFoundEntry(ToQString(entry));
        if (found.complete && !forums.empty()) {
            unsetCursor();
            return;
        }
    }
    unsetCursor();
    m_context.platform->MsgBox(this, ExtractionFailure(), MsgButtons::OK, MsgIcon::Critical);
}

void OptionsDialog::AddFoundEntry(const QString& entry)
{
    // The list shows the name as the board shows it; forums.inf keeps the
    // entry as the page writes it.
    auto* item = new QListWidgetItem(ToQString(HtmlText::DecodeReferences(ToUtf8(entry))), forumsFoundList);
    item->setData(Qt::UserRole, entry);
}

void OptionsDialog::done(int result)
{
    m_extraction->Abandon();
    // A site added here and never saved may have left browser data (Test
    // Address, Start Extracting): it goes with the removed sites' data.
    QStringList unsaved;
    const QList<SiteEntry> stored = m_context.settings->sites();
    for (const QString& id : std::as_const(m_added))
        if (!HasSite(stored, id))
            unsaved.append(id);
    m_context.settings->addRemovedSites(unsaved);
    m_added.clear();
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
