#pragma once
// The quote manager: the user pastes another member's post into
// `txtQuotedText`, names its poster in `txtPoster`, selects the part to quote
// and presses Quote; the quote block goes into the post right after the
// post's selection. The window stays open for more quotes; closing it
// discards its fields (the window deletes itself).

#include "base/AppContext.h"

#include <QDialog>

class DialogBackground;
class PictureBox;
class PostDocument;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

class QuoteManager : public QDialog {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("Quote Manager");
    static inline const QString WholePostQuestion =
        QStringLiteral("No text selected, Do you want to Quote the whole post?");

    // Without an owner the window is a modeless window of its own; with the
    // main window as owner it is shown modally.
    QuoteManager(const AppContext& context, PostDocument& post, QWidget* owner = nullptr);

    // The controls, named as the program names them.
    DialogBackground* Background = nullptr;
    QLabel* Label1 = nullptr;  // "Posted by:"
    QLineEdit* txtPoster = nullptr;
    QLabel* Label2 = nullptr;  // "Select the text you want to quote then press Quote"
    QPlainTextEdit* txtQuotedText = nullptr;
    PictureBox* Image1 = nullptr;  // Paste
    PictureBox* Image2 = nullptr;  // Close
    PictureBox* Image3 = nullptr;  // Quote

    // `txtQuotedText` as the opener fills it: post text, CR LF line breaks.
    void SetQuotedText(std::string_view postText);

public slots:
    void Image1_Click();
    void Image2_Click();
    void Image3_Click();

protected:
    // Escape closes the window only while both fields are empty: what the
    // user typed or pasted is never dropped by a key.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();

    AppContext m_context;
    PostDocument& m_post;
};
