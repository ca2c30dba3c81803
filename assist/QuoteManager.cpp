// SPDX-License-Identifier: MIT
#include "assist/QuoteManager.h"

#include "base/PictureBox.h"
#include "base/Platform.h"
#include "assist/AssistText.h"
#include "assist/DialogBackground.h"
#include "assist/FieldText.h"
#include "base/Settings.h"
#include "base/Utf8.h"
#include "board/BoardProfiles.h"
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
    background = new DialogBackground(DialogBackground::Icon::Quote, Caption, HeaderHeight, this);
    background->setObjectName(QStringLiteral("background"));
    background->setGeometry(0, 0, ClientWidth, ClientHeight);
    background->SetBottomBar(BottomBarTop);
    background->AddLink(PasteWords, QStringLiteral("Paste"));
    background->AddLink(CloseWords, QStringLiteral("Close"));
    background->AddLink(QuoteWords, QStringLiteral("Quote >>"));

    posterLabel = new QLabel(QStringLiteral("Posted by:"), background);
    posterLabel->setObjectName(QStringLiteral("posterLabel"));
    posterLabel->setGeometry(16, 56, 80, 24);
    posterEdit = new QLineEdit(background);
    posterEdit->setObjectName(QStringLiteral("posterEdit"));
    posterEdit->setGeometry(100, 56, 329, 24);
    posterEdit->setMaxLength(std::numeric_limits<int>::max());
    posterEdit->setAccessibleName(QStringLiteral("Posted by"));
    posterLabel->setBuddy(posterEdit);

    quotedTextLabel = new QLabel(QStringLiteral("Select the text you want to quote then press Quote"), background);
    quotedTextLabel->setObjectName(QStringLiteral("quotedTextLabel"));
    quotedTextLabel->setGeometry(16, 90, 413, 22);
    quotedTextEdit = new QPlainTextEdit(background);
    quotedTextEdit->setObjectName(QStringLiteral("quotedTextEdit"));
    quotedTextEdit->setGeometry(16, 114, 413, 370);
    quotedTextEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    quotedTextEdit->setAccessibleName(QStringLiteral("Select the text you want to quote then press Quote"));
    quotedTextLabel->setBuddy(quotedTextEdit);

    struct Area {
        PictureBox*& box;
        const char* name;
        QRect area;
        const char* accessibleName;
        void (QuoteManager::*handler)();
    };
    const Area areas[] = {
        {pasteHotSpot, "pasteHotSpot", PasteWords, "Paste", &QuoteManager::pasteClipboard},
        {closeHotSpot, "closeHotSpot", CloseWords, "Close", &QuoteManager::closeWindow},
        {quoteHotSpot, "quoteHotSpot", QuoteWords, "Quote", &QuoteManager::quote},
    };
    for (const Area& a : areas) {
        a.box = new PictureBox(background);
        a.box->setObjectName(QString::fromLatin1(a.name));
        a.box->setGeometry(a.area);
        a.box->setAccessibleName(QString::fromLatin1(a.accessibleName));
        a.box->SetHandCursor();
        connect(a.box, &PictureBox::clicked, this, a.handler);
    }
}

void QuoteManager::SetQuotedText(std::string_view postText)
{
    quotedTextEdit->setPlainText(FieldText::FromPost(postText));
}

void QuoteManager::pasteClipboard()
{
    const QString clip = QGuiApplication::clipboard()->text();
    if (clip.isEmpty())
        return;
    // Added at the very end, whatever is selected in the field, as one undo step.
    QTextCursor end(quotedTextEdit->document());
    end.movePosition(QTextCursor::End);
    end.insertText(FieldText::FromPost(ToUtf8(clip)));
}

void QuoteManager::closeWindow() { close(); }

void QuoteManager::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier
        && (!posterEdit->text().isEmpty() || !quotedTextEdit->document()->isEmpty())) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void QuoteManager::quote()
{
    const std::string poster = ToUtf8(posterEdit->text());
    const QTextCursor cursor = quotedTextEdit->textCursor();
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
        quoted = FieldText::ToPost(quotedTextEdit->document()->toRawText());
    }
    // The quote in the syntax of the site's board.
    const BoardKind kind = BoardProfiles::Load(*m_context.settings, m_context.settings->siteAddress()).Kind();
    m_post.ReplaceSelection(
        AssistText::AfterSelection(m_post.SelectedText(), AssistText::QuoteBlock(poster, quoted, kind)));
}
