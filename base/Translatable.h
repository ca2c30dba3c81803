// SPDX-License-Identifier: MIT
#pragma once
// Marks a text of a Qt-free table that users see. The mark leaves the text as
// it is; the build's `lupdate` target knows the name and puts the text in the
// translation template under `context`, where the window that shows the text
// looks it up (QCoreApplication::translate with the same context).

#define QF_TRANSLATABLE(context, text) text
