// SPDX-License-Identifier: MIT
#pragma once
// The post body's field: a plain-text field whose pastes (Ctrl+V, the
// context menu, a middle click, a drop) turn rich text into BBCode. When
// what is pasted holds HTML it is converted (paste/HtmlToBBCode) in the
// dialect of the site's board, and inserted as one step of the field's
// undo; anything else is inserted as its plain text, as before. Files
// (from a file manager) go to the main window's file taker instead.

#include "paste/HtmlToBBCode.h"

#include <QPlainTextEdit>
#include <functional>
#include <string>

class QMimeData;

class BodyEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    // `dialect` is asked at each paste what the site's board writes.
    explicit BodyEdit(std::function<HtmlPaste::Dialect()> dialect, QWidget* parent = nullptr);

    // The post text (UTF-8) a paste of `data` gives: its HTML as BBCode,
    // or its plain text when it holds no HTML or the HTML shows nothing.
    std::string PastedText(const QMimeData* data) const;

    // `takeFiles` is offered what is dropped or pasted first: it returns true
    // when it took the files the data names (the caret is then at the drop
    // point), and the field inserts nothing of its own.
    void SetFileTaker(std::function<bool(const QMimeData*)> takeFiles) { m_takeFiles = std::move(takeFiles); }

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    // What is dropped into the field gives it the focus, so that Undo and
    // typing go on there.
    void dropEvent(QDropEvent* event) override;

private:
    std::function<HtmlPaste::Dialect()> m_dialect;
    std::function<bool(const QMimeData*)> m_takeFiles;
};
