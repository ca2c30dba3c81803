#pragma once
// The post document: the title field `subjectEdit`, the post field `bodyEdit`, the
// file name `PostFileName`, the changed flag `PostChanged` and the document
// state shown in panel 2 of the status bar.
//
// Every other part of the program reads and changes the post through this
// class, as UTF-8 text with CR LF line breaks; the conversion to the fields'
// own line breaks happens here and nowhere else.
//
// The changed-flag rule: every change of the text of either field sets
// `PostChanged` and shows "Post Changed", but only when the post body is
// non-empty after the change. The handlers look only at whether the body is
// empty, so a keystroke costs the same in a short and in a long post.

#include <QObject>
#include <QString>
#include <string>
#include <string_view>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

class PostDocument : public QObject {
    Q_OBJECT
public:
    static inline const QString NoChangeText = QStringLiteral("No change in post");
    static inline const QString ChangedText = QStringLiteral("Post Changed");
    static inline const QString SavedText = QStringLiteral("Post Saved, No change");

    PostDocument(QLineEdit* subjectEdit, QPlainTextEdit* bodyEdit, QLabel* statePanel, QObject* parent = nullptr);

    QString PostFileName;      // the post file last opened or saved; empty = none yet
    bool PostChanged = false;  // edits that no save has written

    std::string Title() const;
    void SetTitle(std::string_view title);
    std::string Post() const;
    void SetPost(std::string_view post);
    bool PostIsEmpty() const;

    // The selection of `bodyEdit` (empty when nothing is selected).
    std::string SelectedText() const;
    // Replaces the selection of `bodyEdit` (the caret when nothing is selected)
    // with `text`, as one step of the field's undo; the caret ends after the
    // inserted text with nothing selected.
    void ReplaceSelection(std::string_view text);
    // Replaces the whole body with `text` as one step of the field's undo;
    // the caret stays where it was, as far as the new text reaches.
    void ReplaceBody(std::string_view text);

    // The post has no unsaved changes any more (it was opened or saved, or New
    // emptied it): `PostChanged` := false, `stateText` in panel 2.
    void SetUnchanged(const QString& stateText);

    // Panel 2 of the status bar.
    void ShowState(const QString& text);
    QString StateText() const;

    QLineEdit* TitleField() const { return m_txtTitle; }
    QPlainTextEdit* PostField() const { return m_txtPost; }

signals:
    // After an edit of either field that leaves the post changed: it set
    // `PostChanged`, or it emptied the body of a post changed before.
    void edited();
    // After SetUnchanged.
    void unchanged();

private:
    void txtTitle_Change();
    void txtPost_Change();
    void ApplyChangeRule();

    QLineEdit* m_txtTitle;
    QPlainTextEdit* m_txtPost;
    QLabel* m_statePanel;
};
