// SPDX-License-Identifier: MIT
#pragma once
// The boundary between the assistant windows' fields and the post: the post's
// CR LF line breaks against the fields' own, the text converted as UTF-8.

#include "base/Utf8.h"
#include "post/LineBreaks.h"

#include <QString>
#include <string>
#include <string_view>

namespace FieldText {

// Post text (CR LF) as a field holds it (LF).
inline QString FromPost(std::string_view post) { return ToQString(LineBreaks::PostToField(post)); }

// A field's text (any of its line breaks) as post text (CR LF).
inline std::string ToPost(const QString& field) { return LineBreaks::FieldToPost(ToUtf8(field)); }

}  // namespace FieldText
