// SPDX-License-Identifier: MIT
#pragma once
// The post body's field: a plain-text field whose pastes (Ctrl+V, the
// context menu, a middle click, a drop) turn rich text into BBCode. When
// what is pasted holds HTML it is converted (paste/HtmlToBBCode) in the
// dialect of the site's board, and inserted as one step of the field's
// undo; anything else is inserted as its plain text, as before.

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

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    std::function<HtmlPaste::Dialect()> m_dialect;
};
