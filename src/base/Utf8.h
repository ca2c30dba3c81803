// SPDX-License-Identifier: MIT
#pragma once
// The one crossing between the core's UTF-8 text (std::string) and Qt's
// strings. Windows convert at their boundary with these two and nowhere else
// spell the conversion out.

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <string>
#include <string_view>

inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToUtf8(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<size_t>(utf8.size()));
}

// A text the core marked for translation, in the user's language: the
// Translator the windows give the core's messages.
inline std::string TranslatedUtf8(const char* context, const char* text)
{
    return ToUtf8(QCoreApplication::translate(context, text));
}
