// SPDX-License-Identifier: MIT
#pragma once
// The post document: the subject field, the body field, the post file's name
// and the post's state (unchanged, saved or changed), which the main window
// shows in its status bar.
//
// Every other part of the program reads and changes the post through this
// class, as UTF-8 text with CR LF line breaks; the conversion to the fields'
// own line breaks happens here and nowhere else. The file name and the state
// are set only through its functions.
//
// The change rule: every change of the text of either field makes the state
// Changed, but only when the post body is non-empty after the change. The
// rule looks only at whether the body is empty, so a keystroke costs the same
// in a short and in a long post.

#include <QObject>
#include <QString>
#include <string>
#include <string_view>

class QLineEdit;
class QPlainTextEdit;

class PostDocument : public QObject {
    Q_OBJECT
public:
    enum class State {
        Unchanged,  // opened, emptied by New, or never edited
        Saved,      // written to its file and not edited since
        Changed,    // holds edits that no save has written
    };
    Q_ENUM(State)

    PostDocument(QLineEdit* subjectEdit, QPlainTextEdit* bodyEdit, QObject* parent = nullptr);

    // The post file last opened or saved; empty when there is none yet.
    const QString& FileName() const { return m_fileName; }
    void SetFileName(const QString& path);

    State CurrentState() const { return m_state; }
    // Whether the post holds edits that no save has written.
    bool IsChanged() const { return m_state == State::Changed; }
    // Sets the state and emits stateChanged. Unchanged and Saved say that the
    // post has no unsaved changes any more (it was opened or saved, or New
    // emptied it) and also emit unchanged(); Changed marks changes that no
    // edit of a field made (a post restored from a recovery copy).
    void SetState(State state);

    std::string Title() const;
    void SetTitle(std::string_view title);
    std::string Post() const;
    void SetPost(std::string_view post);
    bool PostIsEmpty() const;

    // The selection of the body field (empty when nothing is selected).
    std::string SelectedText() const;
    // Replaces the selection of the body field (the caret when nothing is
    // selected) with `text`, as one step of the field's undo; the caret ends
    // after the inserted text with nothing selected.
    void ReplaceSelection(std::string_view text);
    // Replaces the whole body with `text` as one step of the field's undo;
    // the caret stays where it was, as far as the new text reaches.
    void ReplaceBody(std::string_view text);

    QLineEdit* SubjectField() const { return m_subjectEdit; }
    QPlainTextEdit* BodyField() const { return m_bodyEdit; }

signals:
    // The state was set, or an edit changed it.
    void stateChanged(PostDocument::State state);
    // After an edit of either field that leaves the post changed: it made the
    // state Changed, or it emptied the body of a post changed before.
    void edited();
    // After SetState(Unchanged) or SetState(Saved).
    void unchanged();

private:
    // The change rule, after an edit of either field.
    void ApplyChangeRule();

    QLineEdit* m_subjectEdit;
    QPlainTextEdit* m_bodyEdit;
    QString m_fileName;
    State m_state = State::Unchanged;
};
