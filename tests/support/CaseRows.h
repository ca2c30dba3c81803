// SPDX-License-Identifier: MIT
#pragma once
// Rows of a data-driven test from a case file of JSON lines (one object per
// line, named by its "name"): each object is one row of the column "c",
// which the caller adds.

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QTest>

inline void AddCaseRows(const QString& path)
{
    QFile in(path);
    QVERIFY2(in.open(QIODevice::ReadOnly), qPrintable(in.fileName()));
    int line = 0;
    while (!in.atEnd()) {
        const QByteArray text = in.readLine();
        ++line;
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(text, &error);
        QVERIFY2(doc.isObject(), qPrintable(QString("%1:%2: %3").arg(path).arg(line).arg(error.errorString())));
        QTest::newRow(qPrintable(doc.object()["name"].toString())) << doc.object();
    }
}
