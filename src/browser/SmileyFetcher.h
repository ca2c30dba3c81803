// SPDX-License-Identifier: MIT
#pragma once
// Fetches smiley pictures into the cache (board/SmileyPictures.h) in the
// background. Part of the web module, which alone loads the network library;
// the windows reach it through SmileyDownload.

#include <QObject>
#include <QSet>
#include <QStringList>

class QNetworkAccessManager;
class QNetworkReply;

class SmileyFetcher : public QObject {
    Q_OBJECT
public:
    // Starts fetching `addresses` (http and https only); the fetcher is the
    // application's and deletes itself once every picture has arrived or
    // failed.
    static void Start(const QStringList& addresses);

private:
    explicit SmileyFetcher(QObject* parent);
    void Arrived(QNetworkReply* reply);

    QNetworkAccessManager* m_network = nullptr;
    QSet<QString> m_waiting;
};
