#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

// Posts one JSON body and hands the whole answer back through requestFinished(). Each request
// is bounded as the service components' are: a deadline for the whole exchange, a largest
// answer (a larger one is dropped unread), no redirect followed; the log never shows a token
// or a password.
class NetworkManager : public QObject
{
    Q_OBJECT
public:
    explicit NetworkManager(QObject *parent = nullptr);

    void setTimeout(int ms) { m_timeout = ms; }
    void setMaxAnswerSize(qint64 bytes) { m_maxAnswerSize = bytes; }

    Q_INVOKABLE void runRequest(const QUrl &uri, const QByteArray &verb, const QByteArray &body);

signals:
    void requestFinished(const QByteArray &data);
    void dataReadFinished();
    void networkError(const QString &message);

public slots:
    void requestCompleted();
    void readData();
    void dataReadCompleted();
    void networkError(QNetworkReply::NetworkError error);
    void downloadProgress(qlonglong bytesReceived, qlonglong bytesTotal);

private:
    void onDeadline();
    void dropAnswer(const char *reason);
    // The answer does not have the length its header declared (the connection closed early).
    bool isCutShort(QNetworkReply *reply) const;

    QNetworkAccessManager m_accessManager;
    QPointer<QNetworkReply> m_currentReply;
    QByteArray m_buffer;
    QByteArray m_requestBody;
    QTimer m_deadline;
    int m_timeout;
    qint64 m_maxAnswerSize;
};
