// SPDX-License-Identifier: MIT
#pragma once
// What a screen reader reads of a picture that can be clicked (an emoticon,
// link-like words, a click area over painted words) and what it can do with
// one: it is a button, named by its accessible name (else its tooltip or its
// words), and pressing it is a click. A picture that cannot be clicked (one
// that takes no focus) is static text, as Qt's own interface for a label has it.

#include <QAccessibleWidget>

class PictureBox;

class AccessiblePicture : public QAccessibleWidget {
public:
    explicit AccessiblePicture(PictureBox* picture);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    PictureBox* Picture() const;
    bool Clickable() const;
};
