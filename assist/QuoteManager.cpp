#include "assist/QuoteManager.h"

#include "base/PictureBox.h"
#include "base/Platform.h"
#include "assist/AssistText.h"
#include "assist/DialogBackground.h"
#include "assist/FieldText.h"
#include "base/Utf8.h"
#include "post/PostDocument.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <limits>

namespace {

// The window's fixed client area and where its parts lie.
constexpr int ClientWidth = 445;
constexpr int ClientHeight = 539;
constexpr int HeaderHeight = 44;
constexpr int BottomBarTop = 496;
const QRect PasteWords(16, 504, 80, 28);
const QRect CloseWords(182, 504, 80, 28);
const QRect QuoteWords(344, 504, 86, 28);

}  // namespace

QuoteManager::QuoteManager(const AppContext& context, PostDocument& post, QWidget* owner)
    : QDialog(owner), m_context(context), m_post(post)
{
    setObjectName(QStringLiteral("QuoteManager"));
    setWindowTitle(Caption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(ClientWidth, ClientHeight);
    CreateControls();
}

void QuoteManager::CreateControls()
{
    Background = new DialogBackground(DialogBackground::Icon::Quote, Caption, HeaderHeight, this);
    Background->setObjectName(QStringLiteral("Background"));
    Background->setGeometry(0, 0, ClientWidth, ClientHeight);
    Background->SetBottomBar(BottomBarTop);
    Background->AddLink(PasteWords, QStringLiteral("Paste"));
    Background->AddLink(CloseWords, QStringLiteral("Close"));
    Background->AddLink(QuoteWords, QStringLiteral("Quote >>"));

    Label1 = new QLabel(QStringLiteral("Posted by:"), Background);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(16, 56, 80, 24);
    txtPoster = new QLineEdit(Background);
    txtPoster->setObjectName(QStringLiteral("txtPoster"));
    txtPoster->setGeometry(100, 56, 329, 24);
    txtPoster->setMaxLength(std::numeric_limits<int>::max());
    txtPoster->setAccessibleName(QStringLiteral("Posted by"));
    Label1->setBuddy(txtPoster);

    Label2 = new QLabel(QStringLiteral("Select the text you want to quote then press Quote"), Background);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(16, 90, 413, 22);
    txtQuotedText = new QPlainTextEdit(Background);
    txtQuotedText->setObjectName(QStringLiteral("txtQuotedText"));
    txtQuotedText->setGeometry(16, 114, 413, 370);
    txtQuotedText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtQuotedText->setAccessibleName(QStringLiteral("Select the text you want to quote then press Quote"));
    Label2->setBuddy(txtQuotedText);

    struct Area {
        PictureBox*& box;
        const char* name;
        QRect area;
        const char* accessibleName;
        void (QuoteManager::*handler)();
    };
    const Area areas[] = {
        {Image1, "Image1", PasteWords, "Paste", &QuoteManager::Image1_Click},
        {Image2, "Image2", CloseWords, "Close", &QuoteManager::Image2_Click},
        {Image3, "Image3", QuoteWords, "Quote", &QuoteManager::Image3_Click},
    };
    for (const Area& a : areas) {
        a.box = new PictureBox(Background);
        a.box->setObjectName(QString::fromLatin1(a.name));
        a.box->setGeometry(a.area);
        a.box->setAccessibleName(QString::fromLatin1(a.accessibleName));
        a.box->SetHandCursor();
        connect(a.box, &PictureBox::clicked, this, a.handler);
    }
}

void QuoteManager::SetQuotedText(std::string_view postText) { txtQuotedText->setPlainText(FieldText::FromPost(postText)); }

void QuoteManager::Image1_Click()
{
    const QString clip = QGuiApplication::clipboard()->text();
    if (clip.isEmpty())
        return;
    // Added at the very end, whatever is selected in the field, as one undo step.
    QTextCursor end(txtQuotedText->document());
    end.movePosition(QTextCursor::End);
    end.insertText(FieldText::FromPost(ToUtf8(clip)));
}

void QuoteManager::Image2_Click() { close(); }

void QuoteManager::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier
        && (!txtPoster->text().isEmpty() || !txtQuotedText->document()->isEmpty())) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void QuoteManager::Image3_Click()
{
    const std::string poster = ToUtf8(txtPoster->text());
    const QTextCursor cursor = txtQuotedText->textCursor();
    std::string quoted;
    if (cursor.hasSelection()) {
        quoted = FieldText::ToPost(cursor.selectedText());
    } else {
        const MsgAnswer answer = m_context.platform->MsgBox(this, WholePostQuestion, MsgButtons::YesNo,
                                                            MsgIcon::Question, Platform::ProgramTitle);
        if (answer != MsgAnswer::Yes)
            return;
        // The raw text keeps non-breaking spaces; its paragraph separators are
        // line breaks like any other to the conversion.
        quoted = FieldText::ToPost(txtQuotedText->document()->toRawText());
    }
    m_post.ReplaceSelection(AssistText::AfterSelection(m_post.SelectedText(), AssistText::QuoteBlock(poster, quoted)));
}
