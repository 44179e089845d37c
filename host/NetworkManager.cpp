#include "NetworkManager.h"

#include <QDebug>
#include <QMetaEnum>
#include <QNetworkRequest>

NetworkManager::NetworkManager(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<QNetworkReply::NetworkError>("QNetworkReply::NetworkError");
}

void NetworkManager::runRequest(const QUrl &uri, const QByteArray &verb, const QByteArray &body)
{
    qDebug() << "NetworkManager::request" << verb << body;
    m_buffer.clear();

    QNetworkRequest request(uri);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    // The verb is only logged: every request is a POST.
    QNetworkReply *reply = m_accessManager.post(request, body);
    m_currentReply = reply;

    connect(reply, SIGNAL(finished()), this, SLOT(requestCompleted()));
    connect(reply, SIGNAL(readyRead()), this, SLOT(readData()));
    connect(reply, SIGNAL(downloadProgress(qint64, qint64)), this,
        SLOT(downloadProgress(qlonglong, qlonglong)));
    connect(reply, SIGNAL(error(QNetworkReply::NetworkError)), this,
        SLOT(networkError(QNetworkReply::NetworkError)));
}

void NetworkManager::readData()
{
    qDebug() << "NetworkManager::readData()";
    if (!m_currentReply)
        return;
    const qint64 available = m_currentReply->bytesAvailable();
    if (available == 0)
        return;
    m_buffer.append(m_currentReply->read(available));
}

void NetworkManager::requestCompleted()
{
    qDebug() << "NetworkManager::requestFinished()" << m_currentReply.data();
    qDebug() << "Bytes:" << m_buffer;
    emit requestFinished(m_buffer);

    // Replies are released once their answer has been handed on.
    if (auto *reply = qobject_cast<QNetworkReply *>(sender()))
        reply->deleteLater();
}

void NetworkManager::dataReadCompleted()
{ }

void NetworkManager::networkError(QNetworkReply::NetworkError error)
{
    qDebug() << "NetworkManager::networkError"
             << QMetaEnum::fromType<QNetworkReply::NetworkError>().valueToKey(error);
    emit networkError(QStringLiteral("Network error"));
}

void NetworkManager::downloadProgress(qlonglong bytesReceived, qlonglong bytesTotal)
{
    Q_UNUSED(bytesReceived)
    Q_UNUSED(bytesTotal)
}
