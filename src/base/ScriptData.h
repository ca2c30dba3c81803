// SPDX-License-Identifier: MIT
#pragma once
// How the program hands data to its own script in a page: the data's JSON
// text, itself encoded as the one string of a JSON array, so the script
// text is a fixed function applied to JSON.parse of one string literal in
// which the encoder has escaped every quote, backslash and control
// character. No value ever becomes script text.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

namespace ScriptData {

// `function` (a fixed expression that evaluates to a function) applied to `data`.
inline QString Call(QLatin1String function, const QJsonObject& data)
{
    const QString json = QString::fromUtf8(QJsonDocument(data).toJson(QJsonDocument::Compact));
    const QByteArray literal = QJsonDocument(QJsonArray{json}).toJson(QJsonDocument::Compact);
    return function + QStringLiteral("(JSON.parse(") + QString::fromUtf8(literal) + QStringLiteral("[0]))");
}

}  // namespace ScriptData
