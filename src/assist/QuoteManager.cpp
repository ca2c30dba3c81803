// SPDX-License-Identifier: MIT
#include "assist/QuoteManager.h"

#include "base/Look.h"
#include "base/PictureBox.h"
#include "base/Platform.h"
#include "base/Settings.h"
#include "assist/AssistText.h"
#include "assist/DialogBackground.h"
#include "assist/FieldText.h"
#include "base/Utf8.h"
#include "post/PostDocument.h"

#include <QBoxLayout>
#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <limits>

namespace {

// The window's client area at its first showing and where its parts lie.
constexpr int ClientWidth = 445;
constexpr int ClientHeight = 539;
constexpr int HeaderHeight = 44;
constexpr int BottomBarTop = 496;
const QRect PosterCaption(16, 56, 80, 24);
const QRect PosterArea(100, 56, 329, 24);
const QRect QuotedCaption(16, 90, 413, 22);
const QRect QuotedArea(16, 114, 413, 370);
const QSize QuotedMinimum(240, 120);
const QRect PasteWords(16, 504, 80, 28);
const QRect CloseWords(182, 504, 80, 28);
const QRect QuoteWords(344, 504, 86, 28);
const QString GeometryKey = QStringLiteral("QuoteManager");

}  // namespace

QuoteManager::QuoteManager(const AppContext& context, PostDocument& post, QWidget* owner)
    : QDialog(owner), m_context(context), m_post(post)
{
    setObjectName(QStringLiteral("QuoteManager"));
    setWindowTitle(tr("Quote Manager"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMaximizeButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    CreateControls();
    LayOut();
    resize(QSize(ClientWidth, ClientHeight).expandedTo(minimumSizeHint()));
    if (m_context.settings)
        restoreGeometry(m_context.settings->windowGeometry(GeometryKey));
}

void QuoteManager::CreateControls()
{
    background = new DialogBackground(DialogBackground::Icon::Quote, windowTitle(), HeaderHeight, this);
    background->setObjectName(QStringLiteral("background"));
    background->SetBottomBar(ClientHeight - BottomBarTop);

    posterLabel = new QLabel(tr("Posted by:"), background);
    posterLabel->setObjectName(QStringLiteral("posterLabel"));
    posterEdit = new QLineEdit(background);
    posterEdit->setObjectName(QStringLiteral("posterEdit"));
    posterEdit->setMaxLength(std::numeric_limits<int>::max());
    posterEdit->setAccessibleName(tr("Posted by"));
    posterLabel->setBuddy(posterEdit);

    quotedTextLabel = new QLabel(tr("Select the text you want to quote then press Quote"), background);
    quotedTextLabel->setObjectName(QStringLiteral("quotedTextLabel"));
    quotedTextEdit = new QPlainTextEdit(background);
    quotedTextEdit->setObjectName(QStringLiteral("quotedTextEdit"));
    quotedTextEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    quotedTextEdit->setAccessibleName(quotedTextLabel->text());
    quotedTextLabel->setBuddy(quotedTextEdit);

    struct Area {
        PictureBox*& box;
        const char* name;
        QString words;
        QString accessibleName;
        void (QuoteManager::*handler)();
    };
    const Area areas[] = {
        {pasteHotSpot, "pasteHotSpot", tr("Paste"), tr("Paste"), &QuoteManager::pasteClipboard},
        {closeHotSpot, "closeHotSpot", tr("Close"), tr("Close"), &QuoteManager::closeWindow},
        {quoteHotSpot, "quoteHotSpot", tr("Quote >>"), tr("Quote"), &QuoteManager::quote},
    };
    for (const Area& a : areas) {
        a.box = new PictureBox(background);
        a.box->setObjectName(QString::fromLatin1(a.name));
        a.box->setAccessibleName(a.accessibleName);
        a.box->SetHandCursor();
        // The click area is as large as its painted words, at least.
        a.box->setMinimumSize(DialogBackground::LinkSize(a.words));
        background->AddLink(a.box, a.words);
        connect(a.box, &PictureBox::clicked, this, a.handler);
    }
}

// The designed places at the first size; the quoted text takes the room the
// window gains, and the links stay along the bottom: Paste at the left, Close
// in the middle, Quote >> at the right.
void QuoteManager::LayOut()
{
    Look::Fit(posterLabel, PosterCaption.size());
    Look::FitHeight(posterEdit, PosterArea.height());
    Look::FitHeight(quotedTextLabel, QuotedCaption.height());
    quotedTextEdit->setMinimumSize(QuotedMinimum);
    for (auto [box, place] : {std::pair{pasteHotSpot, PasteWords}, std::pair{closeHotSpot, CloseWords},
                              std::pair{quoteHotSpot, QuoteWords}})
        Look::Fit(box, place.size().expandedTo(box->minimumSize()));

    auto* poster = new QHBoxLayout;
    poster->setSpacing(PosterArea.left() - PosterCaption.right() - 1);
    poster->addWidget(posterLabel);
    poster->addWidget(posterEdit, 1);

    auto* links = new QGridLayout;
    links->setSpacing(0);
    links->setContentsMargins(0, PasteWords.top() - BottomBarTop, 0, ClientHeight - PasteWords.bottom() - 1);
    links->addWidget(pasteHotSpot, 0, 0, Qt::AlignLeft);
    links->addWidget(closeHotSpot, 0, 1, Qt::AlignHCenter);
    links->addWidget(quoteHotSpot, 0, 2, Qt::AlignRight);
    for (int column = 0; column < 3; ++column)
        links->setColumnStretch(column, 1);

    auto* content = new QVBoxLayout(background);
    content->setSpacing(0);
    content->setContentsMargins(PosterCaption.left(), PosterCaption.top(), ClientWidth - QuotedArea.right() - 1, 0);
    content->addLayout(poster);
    content->addSpacing(QuotedCaption.top() - PosterCaption.bottom() - 1);
    content->addWidget(quotedTextLabel);
    content->addSpacing(QuotedArea.top() - QuotedCaption.bottom() - 1);
    content->addWidget(quotedTextEdit, 1);
    content->addSpacing(BottomBarTop - QuotedArea.bottom() - 1);
    content->addLayout(links);

    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->addWidget(background);
}

void QuoteManager::hideEvent(QHideEvent* event)
{
    if (m_context.settings)
        m_context.settings->setWindowGeometry(GeometryKey, saveGeometry());
    QDialog::hideEvent(event);
}

void QuoteManager::SetQuotedText(std::string_view postText)
{
    quotedTextEdit->setPlainText(FieldText::FromPost(postText));
}

void QuoteManager::SetBoard(const Board& board) { m_board = &board; }

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
        const MsgAnswer answer =
            m_context.platform->MsgBox(this, tr("No text selected, Do you want to Quote the whole post?"),
                                       MsgButtons::YesNo, MsgIcon::Question, Platform::ProgramTitle);
        if (answer != MsgAnswer::Yes)
            return;
        // The raw text keeps non-breaking spaces; its paragraph separators are
        // line breaks like any other to the conversion.
        quoted = FieldText::ToPost(quotedTextEdit->document()->toRawText());
    }
    // The quote in the syntax of the site's board.
    m_post.ReplaceSelection(
        AssistText::AfterSelection(m_post.SelectedText(), AssistText::QuoteBlock(poster, quoted, *m_board)));
}
