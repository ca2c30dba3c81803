// SPDX-License-Identifier: MIT
#include "browser/SmileyFetcher.h"

#include "board/SmileyPictures.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

SmileyFetcher::SmileyFetcher(QObject* parent) : QObject(parent), m_network(new QNetworkAccessManager(this))
{
    m_network->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    connect(m_network, &QNetworkAccessManager::finished, this, &SmileyFetcher::Arrived);
}

void SmileyFetcher::Start(const QStringList& addresses)
{
    auto* fetcher = new SmileyFetcher(QCoreApplication::instance());
    for (const QString& address : addresses) {
        const QUrl url(address);
        const QString scheme = url.scheme().toLower();
        if ((scheme != QLatin1String("http") && scheme != QLatin1String("https")) || fetcher->m_waiting.contains(address))
            continue;
        fetcher->m_waiting.insert(address);
        QNetworkRequest request(url);
        request.setAttribute(QNetworkRequest::User, address);
        request.setTransferTimeout(30000);
        QNetworkReply* reply = fetcher->m_network->get(request);
        reply->setReadBufferSize(SmileyPictures::MaxBytes + 1);
        // A picture larger than any smiley is not read to its end.
        connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64 total) {
            if (received > SmileyPictures::MaxBytes || total > SmileyPictures::MaxBytes)
                reply->abort();
        });
    }
    if (fetcher->m_waiting.isEmpty())
        fetcher->deleteLater();
}

void SmileyFetcher::Arrived(QNetworkReply* reply)
{
    reply->deleteLater();
    const QString address = reply->request().attribute(QNetworkRequest::User).toString();
    m_waiting.remove(address);
    // A picture that cannot be kept is fetched again next time.
    if (reply->error() == QNetworkReply::NoError)
        SmileyPictures::Keep(address, reply->read(SmileyPictures::MaxBytes + 1));
    if (m_waiting.isEmpty())
        deleteLater();
}
