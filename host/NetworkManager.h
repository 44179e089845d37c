#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QUrl>

// Posts one JSON body and hands the whole answer back through requestFinished().
class NetworkManager : public QObject
{
    Q_OBJECT
public:
    explicit NetworkManager(QObject *parent = nullptr);

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
    QNetworkAccessManager m_accessManager;
    QPointer<QNetworkReply> m_currentReply;
    QByteArray m_buffer;
};
