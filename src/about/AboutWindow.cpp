// SPDX-License-Identifier: MIT
#include "about/AboutWindow.h"

#include "about/AboutBackground.h"
#include "about/AboutLayout.h"
#include "about/VersionLabel.h"
#include "base/Look.h"
#include "base/Makers.h"
#include "base/PictureBox.h"
#include "base/Platform.h"
#include "base/Version.h"
#include "base/Utf8.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <memory>

AboutWindow::AboutWindow(const AppContext& context, QWidget* owner) : QDialog(owner), m_context(context)
{
    setObjectName(QStringLiteral("AboutWindow"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    CreateControls();
    ShowVersion();
    LayOut();
}

void AboutWindow::CreateControls()
{
    using namespace AboutLayout;
    background = new AboutBackground(this);
    background->setObjectName(QStringLiteral("background"));
    // The painted words, for those who cannot see them.
    background->setAccessibleName(QStringLiteral("Quillforge"));
    background->setAccessibleDescription(AboutBackground::CreditLines().join(QLatin1Char('\n')));

    // Labels are read out by their text.
    const QFont textFont(QStringLiteral("Arial"), 9);
    const auto label = [this, &textFont](const char* name, const QString& text) {
        auto* control = new QLabel(text, this);
        control->setObjectName(QLatin1String(name));
        control->setFont(textFont);
        control->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return control;
    };
    // The e-mail addresses can be selected and copied, not changed.
    const auto mail = [this, &textFont](const char* name, const QString& address, const QString& accessibleName) {
        auto* field = new QLineEdit(address, this);
        field->setObjectName(QLatin1String(name));
        field->setFont(textFont);
        field->setReadOnly(true);
        field->setCursorPosition(0);
        field->setAccessibleName(accessibleName);
        return field;
    };

    versionLabel = label("versionLabel", tr("Version"));
    QFont versionFont = textFont;
    versionFont.setBold(true);
    versionLabel->setFont(versionFont);

    developersLabel = label("developersLabel", tr("The Quillforge developers:"));
    developersMail = mail("developersMail", QStringLiteral("developers@quillforge.example.org"),
                          tr("E-mail address of the Quillforge developers"));
    supportLabel = label("supportLabel", tr("Quillforge support:"));
    supportMail = mail("supportMail", QStringLiteral("support@quillforge.example.org"),
                       tr("E-mail address of Quillforge support"));
    developersLabel->setBuddy(developersMail);
    supportLabel->setBuddy(supportMail);

    webSiteLink = new PictureBox(this);
    webSiteLink->setObjectName(QStringLiteral("webSiteLink"));
    webSiteLink->setText(QString::fromLatin1(Makers::WebAddress));
    webSiteLink->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont linkFont = textFont;
    linkFont.setUnderline(true);
    webSiteLink->setFont(linkFont);
    QPalette linkPalette = webSiteLink->palette();
    linkPalette.setColor(QPalette::WindowText, Look::Pick(linkPalette, QColor(0, 0, 200), QPalette::Link));
    webSiteLink->setPalette(linkPalette);
    webSiteLink->SetHandCursor();
    webSiteLink->setAccessibleName(tr("Quillforge web site"));
    webSiteLink->setAccessibleDescription(webSiteLink->text());
    connect(webSiteLink, &PictureBox::clicked, this, &AboutWindow::openWebSite);

    legalNotice = label("legalNotice",
                        tr("Copyright \u00A9 The Quillforge developers. This program comes with "
                           "absolutely no warranty, to the extent permitted by law."));
    legalNotice->setWordWrap(true);

    graphicsCredit = label("graphicsCredit", tr("Emoticons and artwork by the Quillforge developers."));

    closeHotSpot = new PictureBox(this);
    closeHotSpot->setObjectName(QStringLiteral("closeHotSpot"));
    closeHotSpot->SetHandCursor();
    closeHotSpot->setAccessibleName(tr("Close Window"));
    connect(closeHotSpot, &PictureBox::clicked, this, &AboutWindow::close);
}

// The designed places at the default font, below the painted header, name and
// credits; the window takes the size its controls need (larger under a larger
// font) and the painted band with Close Window stays along its bottom edge.
void AboutWindow::LayOut()
{
    using namespace AboutLayout;
    for (auto [control, place] : std::initializer_list<std::pair<QWidget*, QRect>>{{versionLabel, VersionText},
                                                                                   {developersLabel, FirstName},
                                                                                   {developersMail, FirstMail},
                                                                                   {supportLabel, SecondName},
                                                                                   {supportMail, SecondMail},
                                                                                   {webSiteLink, WebAddress},
                                                                                   {legalNotice, Legal},
                                                                                   {graphicsCredit, Graphics},
                                                                                   {closeHotSpot, CloseArea}})
        Look::Fit(control, place.size());

    auto* names = new QGridLayout;
    names->setSpacing(0);
    names->setColumnMinimumWidth(1, FirstMail.left() - FirstName.right() - 1);
    names->setRowMinimumHeight(1, SecondName.top() - FirstName.bottom() - 1);
    names->addWidget(developersLabel, 0, 0);
    names->addWidget(developersMail, 0, 2);
    names->addWidget(supportLabel, 2, 0);
    names->addWidget(supportMail, 2, 2);

    auto* content = new QVBoxLayout;
    content->setSpacing(0);
    content->setContentsMargins(VersionText.left(), VersionText.top(), ClientWidth - FirstMail.right() - 1, 0);
    content->addWidget(versionLabel);
    content->addSpacing(FirstName.top() - VersionText.bottom() - 1);
    content->addLayout(names);
    content->addSpacing(WebAddress.top() - SecondName.bottom() - 1);
    content->addWidget(webSiteLink);
    content->addSpacing(Legal.top() - WebAddress.bottom() - 1);
    content->addWidget(legalNotice);
    content->addSpacing(Graphics.top() - Legal.bottom() - 1);
    content->addWidget(graphicsCredit);
    content->addSpacing(CloseArea.top() - Graphics.bottom() - 1);
    content->addWidget(closeHotSpot, 0, Qt::AlignHCenter);
    content->addSpacing(BottomBand.bottom() - CloseArea.bottom());

    QGridLayout* window = Look::OverBackground(this, background, content);
    window->setSizeConstraint(QLayout::SetFixedSize);
    window->activate();
}

void AboutWindow::ShowVersion()
{
    setWindowTitle(tr("About %1").arg(Platform::ProgramTitle));
    versionLabel->setText(ToQString(About::VersionLabel(Version::Major, Version::Minor, Version::Revision)));
}

void AboutWindow::ShowModal(const AppContext& context, QWidget* owner)
{
    const auto window = std::make_unique<AboutWindow>(context, owner);
    window->exec();
}

void AboutWindow::openWebSite() { m_context.platform->ShellOpen(this, webSiteLink->text()); }
