// SPDX-License-Identifier: MIT
#pragma once
// A word of a text field that the dictionary does not take: where it stands
// in the field's text (UTF-16 positions) and the word itself.

#include <QString>

struct MisspeltWord {
    int start = 0;
    int length = 0;
    QString text;
};
