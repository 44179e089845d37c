#include "HttpRequest.h"

#include "OffThreadText.h"
#include "ResponseExcerpt.h"

#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QQmlEngine>

namespace {

QString reasonOf(QNetworkReply::NetworkError error, const QString &fallback)
{
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("connection refused");
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("host not found");
    case QNetworkReply::RemoteHostClosedError:
        return QStringLiteral("the connection was closed before an answer");
    case QNetworkReply::SslHandshakeFailedError:
        return QStringLiteral("the secure connection failed");
    case QNetworkReply::TimeoutError:
        return QStringLiteral("the connection timed out");
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::TemporaryNetworkFailureError:
        return QStringLiteral("the network is not available");
    default:
        return fallback;
    }
}

QString seconds(int ms)
{
    return QLocale::c().toString(ms / 1000.0, 'g', 3);
}

// The first bytes of UTF-8 text, without splitting a character.
QByteArray utf8Head(const QByteArray &utf8, int size)
{
    if (utf8.size() <= size)
        return utf8;
    int end = size;
    while (end > 0 && (uchar(utf8.at(end)) & 0xc0) == 0x80)
        --end;
    return utf8.left(end);
}

bool isHttp(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

} // namespace

HttpRequest::HttpRequest(QObject *parent)
    : QObject(parent)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &HttpRequest::onDeadline);
}

HttpRequest::~HttpRequest()
{
    releaseReply();
}

void HttpRequest::setTimeout(int timeout)
{
    if (m_timeout == timeout)
        return;
    m_timeout = timeout;
    emit timeoutChanged();
}

void HttpRequest::setMaxResponseSize(qint64 size)
{
    if (m_maxResponseSize == size)
        return;
    m_maxResponseSize = size;
    emit maxResponseSizeChanged();
}

QNetworkAccessManager *HttpRequest::accessManager()
{
    if (m_manager)
        return m_manager;
    if (QQmlEngine *engine = qmlEngine(this)) {
        if (QNetworkAccessManager *manager = engine->networkAccessManager())
            return manager;
    }
    if (!m_ownManager)
        m_ownManager = std::make_unique<QNetworkAccessManager>();
    return m_ownManager.get();
}

void HttpRequest::send(
    const QString &method, const QUrl &url, const QVariantMap &headers, const QString &body)
{
    releaseReply();
    ++m_exchange;
    m_decoding = false;
    m_url = url;
    m_method = method.toUpper().toLatin1();
    m_requestBody = body.toUtf8();
    m_body.clear();
    m_responseText.clear();
    m_status = 0;
    m_failure = NoFailure;
    m_errorString.clear();

    QNetworkRequest request(url);
    for (auto it = headers.cbegin(); it != headers.cend(); ++it)
        request.setRawHeader(it.key().toLatin1(), it.value().toString().toUtf8());
    // Only reading requests may follow a redirect, and only within the same origin.
    const bool reads = m_method == "GET" || m_method == "HEAD";
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
        reads ? QNetworkRequest::SameOriginRedirectPolicy : QNetworkRequest::ManualRedirectPolicy);
    request.setMaximumRedirectsAllowed(MaxSameOriginRedirects);

    QNetworkReply *reply = start(accessManager(), request);
    m_reply = reply;
    connect(reply, &QNetworkReply::metaDataChanged, this, &HttpRequest::onMetaDataChanged);
    connect(reply, &QNetworkReply::readyRead, this, &HttpRequest::onReadyRead);
    connect(reply, &QNetworkReply::finished, this, &HttpRequest::onFinished);
    setReadyState(Opened);
    if (m_timeout > 0)
        m_deadline.start(m_timeout);
}

QNetworkReply *HttpRequest::start(QNetworkAccessManager *manager, const QNetworkRequest &request)
{
    // Local files and resources answer only the named operations, not custom ones.
    if (m_method == "GET")
        return manager->get(request);
    if (m_method == "HEAD")
        return manager->head(request);
    if (m_method == "POST")
        return manager->post(request, m_requestBody);
    if (m_method == "PUT")
        return manager->put(request, m_requestBody);
    return manager->sendCustomRequest(request, m_method, m_requestBody);
}

void HttpRequest::abort()
{
    if (!m_reply && !m_decoding)
        return;
    releaseReply();
    ++m_exchange;
    m_decoding = false;
    m_failure = Aborted;
    setReadyState(Unsent);
}

QString HttpRequest::logExcerpt() const
{
    return ResponseExcerpt::of(m_body, m_requestBody);
}

void HttpRequest::setReadyState(int state)
{
    if (m_readyState == state)
        return;
    m_readyState = state;
    emit readyStateChanged();
}

bool HttpRequest::exceedsMaximum(qint64 size) const
{
    return m_maxResponseSize > 0 && size > m_maxResponseSize;
}

void HttpRequest::onMetaDataChanged()
{
    if (!m_reply)
        return;
    // A declared length over the bound fails before a byte of the body is read.
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && exceedsMaximum(length.toLongLong())) {
        fail(TooLarge, QString());
        return;
    }
    if (m_readyState < HeadersReceived)
        setReadyState(HeadersReceived);
}

bool HttpRequest::readAvailable()
{
    if (!m_reply)
        return false;
    m_body += m_reply->readAll();
    if (!exceedsMaximum(m_body.size()))
        return true;
    fail(TooLarge, QString());
    return false;
}

void HttpRequest::onReadyRead()
{
    if (readAvailable())
        setReadyState(Loading);
}

void HttpRequest::onFinished()
{
    if (!readAvailable())
        return;
    m_status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QUrl target = m_reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
    const QNetworkReply::NetworkError error = m_reply->error();

    if (!target.isEmpty() || error == QNetworkReply::InsecureRedirectError
        || error == QNetworkReply::TooManyRedirectsError) {
        const QString where = m_reply->url().resolved(target).toString().left(200);
        finish(Redirected,
            tr("The service at %1 redirected the request to %2; the redirect was not followed")
                .arg(origin(), where));
    } else if (const qint64 missing = missingBytes(); missing != 0) {
        // The connection ended early (or a retried request mixed two answers): what came is
        // not the answer.
        finish(Unreachable,
            tr("Cannot reach the service at %1: the answer did not match its declared length "
               "(%2 bytes missing)")
                .arg(origin())
                .arg(missing));
    } else if (m_status == 200 || (m_status == 0 && error == QNetworkReply::NoError)) {
        finish(NoFailure, QString());
    } else if (m_status != 0) {
        finish(HttpError, tr("The service at %1 answered HTTP %2").arg(origin()).arg(m_status));
    } else {
        const QString reason = reasonOf(error, m_reply->errorString());
        finish(Unreachable, tr("Cannot reach the service at %1: %2").arg(origin(), reason));
    }
}

qint64 HttpRequest::missingBytes() const
{
    // A compressed answer is unpacked, and its declared length dropped, by the network access.
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (!length.isValid() || m_method == "HEAD")
        return 0;
    return length.toLongLong() - m_body.size();
}

void HttpRequest::onDeadline()
{
    if (!m_reply)
        return;
    fail(TimedOut, QString());
}

void HttpRequest::fail(Failure failure, const QString &message)
{
    if (m_reply)
        m_status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    releaseReply();
    QString text = message;
    if (failure == TooLarge) {
        text = tr("The answer of the service at %1 is larger than %2; it was not read")
                   .arg(origin(), QLocale::c().formattedDataSize(m_maxResponseSize, 0));
        // Nothing of an answer that is too large is kept.
        m_body.clear();
        m_body.squeeze();
    } else if (failure == TimedOut) {
        text = tr("The service at %1 did not answer within %2 s").arg(origin(), seconds(m_timeout));
    }
    finish(failure, text);
}

void HttpRequest::finish(Failure failure, const QString &message)
{
    releaseReply();
    m_failure = failure;
    m_errorString = message;
    // A refusal is read by its status and the start of its message: an error page of
    // megabytes never becomes text.
    const QByteArray answer = failure == NoFailure ? m_body : utf8Head(m_body, MaxFailureText);
    if (answer.size() <= OffThreadTextAbove) {
        deliver(QString::fromUtf8(answer));
        return;
    }
    m_decoding = true;
    const quint64 exchange = m_exchange;
    OffThreadText::decode(
        answer, [self = QPointer<HttpRequest>(this), exchange](const QString &text) {
            if (self && self->m_decoding && self->m_exchange == exchange)
                self->deliver(text);
        });
}

void HttpRequest::deliver(const QString &text)
{
    m_decoding = false;
    m_responseText = text;
    setReadyState(Done);
    emit finished();
}

void HttpRequest::releaseReply()
{
    m_deadline.stop();
    if (!m_reply)
        return;
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

QString HttpRequest::origin() const
{
    if (!isHttp(m_url))
        return m_url.toString(QUrl::RemoveQuery | QUrl::RemoveFragment | QUrl::RemoveUserInfo);
    return m_url.toString(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment
        | QUrl::RemoveUserInfo | QUrl::StripTrailingSlash);
}
