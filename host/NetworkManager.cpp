#include "NetworkManager.h"

#include <HttpRequest.h>
#include <ResponseExcerpt.h>

#include <QDebug>
#include <QMetaEnum>
#include <QNetworkRequest>

NetworkManager::NetworkManager(QObject *parent)
    : QObject(parent)
    , m_timeout(HttpRequest::DefaultTimeout)
    , m_maxAnswerSize(HttpRequest::DefaultMaxResponseSize)
{
    qRegisterMetaType<QNetworkReply::NetworkError>("QNetworkReply::NetworkError");
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &NetworkManager::onDeadline);
}

void NetworkManager::runRequest(const QUrl &uri, const QByteArray &verb, const QByteArray &body)
{
    qDebug() << "NetworkManager::request" << verb << ResponseExcerpt::maskedBody(body);
    m_buffer.clear();
    m_requestBody = body;

    QNetworkRequest request(uri);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    // The body goes only where it was addressed.
    request.setAttribute(
        QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    // The verb is only logged: every request is a POST.
    QNetworkReply *reply = m_accessManager.post(request, body);
    m_currentReply = reply;

    connect(reply, SIGNAL(finished()), this, SLOT(requestCompleted()));
    connect(reply, SIGNAL(readyRead()), this, SLOT(readData()));
    connect(reply, SIGNAL(downloadProgress(qint64, qint64)), this,
        SLOT(downloadProgress(qlonglong, qlonglong)));
    connect(reply, SIGNAL(error(QNetworkReply::NetworkError)), this,
        SLOT(networkError(QNetworkReply::NetworkError)));
    if (m_timeout > 0)
        m_deadline.start(m_timeout);
}

void NetworkManager::readData()
{
    qDebug() << "NetworkManager::readData()";
    if (!m_currentReply)
        return;
    const qint64 available = m_currentReply->bytesAvailable();
    if (available == 0)
        return;
    if (m_maxAnswerSize > 0 && m_buffer.size() + available > m_maxAnswerSize) {
        dropAnswer("answer larger than the bound");
        return;
    }
    m_buffer.append(m_currentReply->read(available));
}

void NetworkManager::requestCompleted()
{
    if (sender() == m_currentReply) {
        m_deadline.stop();
        readData();
        if (isCutShort(m_currentReply)) {
            qDebug() << "NetworkManager: the answer does not match its declared length";
            m_buffer.clear();
            m_buffer.squeeze();
            // A reply that failed has reported its error already.
            if (m_currentReply->error() == QNetworkReply::NoError)
                emit networkError(QStringLiteral("Network error"));
        }
    }
    qDebug() << "NetworkManager::requestFinished()" << m_currentReply.data();
    qDebug() << "Bytes:" << m_buffer.size()
             << qUtf8Printable(ResponseExcerpt::of(m_buffer, m_requestBody));
    emit requestFinished(m_buffer);

    // Replies are released once their answer has been handed on.
    if (auto *reply = qobject_cast<QNetworkReply *>(sender()))
        reply->deleteLater();
}

bool NetworkManager::isCutShort(QNetworkReply *reply) const
{
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    return length.isValid() && m_buffer.size() != length.toLongLong();
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

void NetworkManager::onDeadline()
{
    dropAnswer("no answer within the deadline");
}

// Ends the current reply with nothing of its answer kept; it still finishes as a network error.
void NetworkManager::dropAnswer(const char *reason)
{
    qDebug() << "NetworkManager:" << reason;
    m_deadline.stop();
    m_buffer.clear();
    m_buffer.squeeze();
    if (m_currentReply)
        m_currentReply->abort();
}
