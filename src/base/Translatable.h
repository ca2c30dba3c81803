// SPDX-License-Identifier: MIT
#pragma once
// Texts of the Qt-free core that users see. QF_TRANSLATABLE marks one and
// leaves it as it is; the build's `lupdate` target knows the name and puts
// the text in the translation template under `context`, where the window
// that shows it looks it up with the same context. A message the core
// builds takes a Translator for its sentences, which the windows give
// (the default leaves them in English); its sentences are whole, with %1,
// %2, ... where the values go, so a translation can order them freely.

#include <initializer_list>
#include <string>
#include <string_view>

#define QF_TRANSLATABLE(context, text) text

// The text marked under `context`, in the user's language.
using Translator = std::string (*)(const char* context, const char* text);

inline std::string Untranslated(const char*, const char* text) { return text; }

// `pattern` with each %1 ... %9 replaced by that argument, in one pass (an
// argument's own % signs stay as they are).
inline std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    std::string text;
    text.reserve(pattern.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        const size_t number = i + 1 < pattern.size() ? size_t(pattern[i + 1] - '1') : args.size();
        if (pattern[i] == '%' && number < args.size()) {
            text += args.begin()[number];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}
