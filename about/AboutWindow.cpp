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
    Form_Load();
}

void AboutWindow::CreateControls()
{
    using namespace AboutLayout;
    Background = new AboutBackground(this);
    Background->setObjectName(QStringLiteral("Background"));
    Background->setGeometry(rect());
    // The painted words, for those who cannot see them.
    Background->setAccessibleName(QStringLiteral("Quillforge"));
    Background->setAccessibleDescription(AboutBackground::CreditLines().join(QLatin1Char('\n')));

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

    lblVersion = label("lblVersion", QStringLiteral("Version"), VersionText);
    QFont versionFont = textFont;
    versionFont.setBold(true);
    lblVersion->setFont(versionFont);

    Label3 = label("Label3", QStringLiteral("The Quillforge developers:"), FirstName);
    Text4 = mail("Text4", QStringLiteral("developers@quillforge.example.org"), FirstMail,
                 QStringLiteral("E-mail address of the Quillforge developers"));
    Label1 = label("Label1", QStringLiteral("Quillforge support:"), SecondName);
    Text2 = mail("Text2", QStringLiteral("support@quillforge.example.org"), SecondMail,
                 QStringLiteral("E-mail address of Quillforge support"));
    Label3->setBuddy(Text4);
    Label1->setBuddy(Text2);

    Label5 = new PictureBox(this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setGeometry(WebAddress);
    Label5->setText(QString::fromLatin1(Makers::WebAddress));
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont linkFont = textFont;
    linkFont.setUnderline(true);
    Label5->setFont(linkFont);
    QPalette linkPalette = Label5->palette();
    linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 200));
    Label5->setPalette(linkPalette);
    Label5->SetHandCursor();
    Label5->setAccessibleName(QStringLiteral("Quillforge web site"));
    Label5->setAccessibleDescription(Label5->text());
    connect(Label5, &PictureBox::clicked, this, &AboutWindow::Label5_Click);

    Label4 = label("Label4",
                   QStringLiteral("Copyright \u00A9 The Quillforge developers. This program comes with "
                                  "absolutely no warranty, to the extent permitted by law."),
                   Legal);
    Label4->setWordWrap(true);

    Label2 = label("Label2", QStringLiteral("Emoticons and artwork by the Quillforge developers."), Graphics);

    Image1 = new PictureBox(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(CloseArea);
    Image1->SetHandCursor();
    Image1->setAccessibleName(QStringLiteral("Close Window"));
    connect(Image1, &PictureBox::clicked, this, &AboutWindow::Image1_Click);
}

void AboutWindow::Form_Load()
{
    setWindowTitle(QStringLiteral("About ") + Platform::ProgramTitle);
    lblVersion->setText(ToQString(About::VersionLabel(Version::Major, Version::Minor, Version::Revision)));
}

void AboutWindow::ShowModal(const AppContext& context, QWidget* owner)
{
    const auto window = std::make_unique<AboutWindow>(context, owner);
    window->exec();
}

void AboutWindow::Label5_Click() { m_context.platform->ShellOpen(this, Label5->text()); }

void AboutWindow::Image1_Click() { close(); }
