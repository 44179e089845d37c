#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QVariantMap>

#include <memory>

// One HTTP exchange with bounds a hostile or broken server cannot stretch: a deadline for the
// whole exchange (headers and body), a maximum answer size (larger answers are dropped unread)
// and no redirect to another scheme, host or port; requests other than GET and HEAD follow no
// redirect at all, so a body is never posted anywhere but where it was addressed.
class HttpRequest : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int timeout READ timeout WRITE setTimeout NOTIFY timeoutChanged)
    Q_PROPERTY(qint64 maxResponseSize READ maxResponseSize WRITE setMaxResponseSize NOTIFY
            maxResponseSizeChanged)
    Q_PROPERTY(int readyState READ readyState NOTIFY readyStateChanged)
    Q_PROPERTY(int status READ status NOTIFY finished)
    // The answer as text; of a failed exchange only its first MaxFailureText bytes.
    Q_PROPERTY(QString responseText READ responseText NOTIFY finished)
    Q_PROPERTY(Failure failure READ failure NOTIFY finished)
    Q_PROPERTY(QString errorString READ errorString NOTIFY finished)
public:
    enum Failure {
        NoFailure,
        Unreachable, // no HTTP answer: refused, unresolved, dropped, TLS
        HttpError, // an HTTP status other than 200
        TimedOut,
        TooLarge,
        Redirected,
        Aborted
    };
    Q_ENUM(Failure)

    enum ReadyState { Unsent, Opened, HeadersReceived, Loading, Done };
    Q_ENUM(ReadyState)

    static constexpr qint64 DefaultMaxResponseSize = 32 * 1024 * 1024;
    static constexpr int DefaultTimeout = 10000;
    static constexpr int MaxSameOriginRedirects = 5;
    // Larger answers become text on a pool thread; finished() follows once it is made.
    static constexpr int OffThreadTextAbove = 1024 * 1024;
    // A failed exchange keeps this many bytes of its answer as text: enough for a message.
    static constexpr int MaxFailureText = 4096;

    explicit HttpRequest(QObject *parent = nullptr);
    ~HttpRequest() override;

    int timeout() const { return m_timeout; }
    void setTimeout(int timeout);
    qint64 maxResponseSize() const { return m_maxResponseSize; }
    void setMaxResponseSize(qint64 size);
    int readyState() const { return m_readyState; }
    int status() const { return m_status; }
    QString responseText() const { return m_responseText; }
    Failure failure() const { return m_failure; }
    QString errorString() const { return m_errorString; }

    // Starts the exchange; a body that is empty sends none. A running exchange is dropped first.
    Q_INVOKABLE void send(const QString &method, const QUrl &url,
        const QVariantMap &headers = QVariantMap(), const QString &body = QString());
    // Drops the exchange without a finished() signal.
    Q_INVOKABLE void abort();
    // A short, single-line start of the answer with session tokens and passwords masked, fit
    // for a log line.
    Q_INVOKABLE QString logExcerpt() const;

    // The network manager used when the object does not belong to a QML engine.
    void setNetworkAccessManager(QNetworkAccessManager *manager) { m_manager = manager; }

signals:
    void timeoutChanged();
    void maxResponseSizeChanged();
    void readyStateChanged();
    void finished();

private:
    QNetworkAccessManager *accessManager();
    QNetworkReply *start(QNetworkAccessManager *manager, const QNetworkRequest &request);
    void setReadyState(int state);
    void onMetaDataChanged();
    // Takes what arrived; false when the exchange is over (none running, or now too large).
    bool readAvailable();
    void onReadyRead();
    void onFinished();
    // Bytes of the declared length that never came (negative: more came than declared).
    qint64 missingBytes() const;
    void onDeadline();
    bool exceedsMaximum(qint64 size) const;
    void fail(Failure failure, const QString &message);
    void finish(Failure failure, const QString &message);
    void deliver(const QString &text);
    void releaseReply();
    QString origin() const;

    int m_timeout = DefaultTimeout;
    qint64 m_maxResponseSize = DefaultMaxResponseSize;
    int m_readyState = Unsent;
    int m_status = 0;
    QString m_responseText;
    Failure m_failure = NoFailure;
    QString m_errorString;

    QUrl m_url;
    QByteArray m_method;
    QByteArray m_requestBody;
    QByteArray m_body;
    QTimer m_deadline;
    QPointer<QNetworkAccessManager> m_manager;
    std::unique_ptr<QNetworkAccessManager> m_ownManager;
    QPointer<QNetworkReply> m_reply;
    // The answer's text is being made off the GUI thread; only the latest exchange takes it.
    bool m_decoding = false;
    quint64 m_exchange = 0;
};
