// SPDX-License-Identifier: MIT
#include "about/AboutWindow.h"

#include "about/AboutBackground.h"
#include "about/AboutLayout.h"
#include "about/VersionLabel.h"
#include "base/Makers.h"
#include "base/PictureBox.h"
#include "base/Platform.h"
#include "base/Version.h"
#include "base/Utf8.h"

#include <QLabel>
#include <QLineEdit>
#include <memory>

AboutWindow::AboutWindow(const AppContext& context, QWidget* owner) : QDialog(owner), m_context(context)
{
    setObjectName(QStringLiteral("AboutWindow"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(AboutLayout::ClientWidth, AboutLayout::ClientHeight);
    CreateControls();
    ShowVersion();
}

void AboutWindow::CreateControls()
{
    using namespace AboutLayout;
    background = new AboutBackground(this);
    background->setObjectName(QStringLiteral("background"));
    background->setGeometry(rect());
    // The painted words, for those who cannot see them.
    background->setAccessibleName(QStringLiteral("Quillforge"));
    background->setAccessibleDescription(AboutBackground::CreditLines().join(QLatin1Char('\n')));

    // Labels are read out by their text.
    const QFont textFont(QStringLiteral("Arial"), 9);
    const auto label = [this, &textFont](const char* name, const QString& text, const QRect& place) {
        auto* control = new QLabel(text, this);
        control->setObjectName(QLatin1String(name));
        control->setGeometry(place);
        control->setFont(textFont);
        control->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return control;
    };
    // The e-mail addresses can be selected and copied, not changed.
    const auto mail = [this, &textFont](const char* name, const QString& address, const QRect& place,
                                        const QString& accessibleName) {
        auto* field = new QLineEdit(address, this);
        field->setObjectName(QLatin1String(name));
        field->setGeometry(place);
        field->setFont(textFont);
        field->setReadOnly(true);
        field->setCursorPosition(0);
        field->setAccessibleName(accessibleName);
        return field;
    };

    versionLabel = label("versionLabel", QStringLiteral("Version"), VersionText);
    QFont versionFont = textFont;
    versionFont.setBold(true);
    versionLabel->setFont(versionFont);

    developersLabel = label("developersLabel", QStringLiteral("The Quillforge developers:"), FirstName);
    developersMail = mail("developersMail", QStringLiteral("developers@quillforge.example.org"), FirstMail,
                          QStringLiteral("E-mail address of the Quillforge developers"));
    supportLabel = label("supportLabel", QStringLiteral("Quillforge support:"), SecondName);
    supportMail = mail("supportMail", QStringLiteral("support@quillforge.example.org"), SecondMail,
                       QStringLiteral("E-mail address of Quillforge support"));
    developersLabel->setBuddy(developersMail);
    supportLabel->setBuddy(supportMail);

    webSiteLink = new PictureBox(this);
    webSiteLink->setObjectName(QStringLiteral("webSiteLink"));
    webSiteLink->setGeometry(WebAddress);
    webSiteLink->setText(QString::fromLatin1(Makers::WebAddress));
    webSiteLink->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont linkFont = textFont;
    linkFont.setUnderline(true);
    webSiteLink->setFont(linkFont);
    QPalette linkPalette = webSiteLink->palette();
    linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 200));
    webSiteLink->setPalette(linkPalette);
    webSiteLink->SetHandCursor();
    webSiteLink->setAccessibleName(QStringLiteral("Quillforge web site"));
    webSiteLink->setAccessibleDescription(webSiteLink->text());
    connect(webSiteLink, &PictureBox::clicked, this, &AboutWindow::openWebSite);

    legalNotice = label("legalNotice",
                        QStringLiteral("Copyright \u00A9 The Quillforge developers. This program comes with "
                                       "absolutely no warranty, to the extent permitted by law."),
                        Legal);
    legalNotice->setWordWrap(true);

    graphicsCredit =
        label("graphicsCredit", QStringLiteral("Emoticons and artwork by the Quillforge developers."), Graphics);

    closeHotSpot = new PictureBox(this);
    closeHotSpot->setObjectName(QStringLiteral("closeHotSpot"));
    closeHotSpot->setGeometry(CloseArea);
    closeHotSpot->SetHandCursor();
    closeHotSpot->setAccessibleName(QStringLiteral("Close Window"));
    connect(closeHotSpot, &PictureBox::clicked, this, &AboutWindow::close);
}

void AboutWindow::ShowVersion()
{
    setWindowTitle(QStringLiteral("About ") + Platform::ProgramTitle);
    versionLabel->setText(ToQString(About::VersionLabel(Version::Major, Version::Minor, Version::Revision)));
}

void AboutWindow::ShowModal(const AppContext& context, QWidget* owner)
{
    const auto window = std::make_unique<AboutWindow>(context, owner);
    window->exec();
}

void AboutWindow::openWebSite() { m_context.platform->ShellOpen(this, webSiteLink->text()); }
