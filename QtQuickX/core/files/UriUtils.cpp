#include "UriUtils.h"

#include "WebSearch.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QUrlQuery>
#include <private/qtldurl_p.h>

namespace {

bool endsWithSeparator(const QString &text)
{
    return text.endsWith(QLatin1Char('/')) || text.endsWith(QLatin1Char('\\'));
}

QString decodedText(const QUrl &uri)
{
    return QUrl::fromPercentEncoding(uri.toEncoded());
}

} // namespace

QUrl UriUtils::uri(const QVariant &value) const
{
    if (value.userType() == QMetaType::QUrl)
        return value.toUrl();
    qInfo() << value;
    return QUrl(value.toString());
}

QString UriUtils::toNativeSeparators(const QString &localPath) const
{
    return QDir::toNativeSeparators(localPath);
}

QString UriUtils::userFriendlyPath(const QUrl &uri) const
{
    if (!uri.isLocalFile())
        return uri.toString();
    const QString path = uri.toLocalFile();
    // The root folder keeps its only separator, or it would read as nothing at all.
    const QString trimmed = path.size() > 1 ? removeTrailingSlash(path) : path;
    return QDir::toNativeSeparators(trimmed);
}

QString UriUtils::removeTrailingSlash(const QString &localPath) const
{
    return endsWithSeparator(localPath) ? localPath.chopped(1) : localPath;
}

QUrl UriUtils::addTrailingSlash(const QUrl &uri) const
{
    const QString path = uri.path(QUrl::FullyDecoded);
    if (path.endsWith(QLatin1Char('/')))
        return uri;
    QUrl result = uri;
    result.setPath(path + QLatin1Char('/'), QUrl::DecodedMode);
    return result;
}

QUrl UriUtils::fromUserInput(const QString &userInput) const
{
    return QUrl::fromUserInput(userInput);
}

QUrl UriUtils::webUrlFromUserInput(const QString &userInput) const
{
    const QUrl url = QUrl::fromUserInput(userInput);
    if (!qTopLevelDomain(url.host()).isEmpty())
        return url.isValid() ? url : WebSearch::startPage();
    return WebSearch::searchUrl(userInput);
}

QUrl UriUtils::adjusted(const QUrl &uri, UriFormattingOptions options) const
{
    return uri.adjusted(QUrl::FormattingOptions(int(options)));
}

QUrl UriUtils::parentFolder(const QUrl &uri) const
{
    if (uri.isEmpty()) {
        qDebug(" UriUtils::parentFolder is empty");
        return QUrl();
    }
    return uri.adjusted(QUrl::StripTrailingSlash)
        .adjusted(QUrl::RemoveFilename | QUrl::RemoveQuery | QUrl::RemoveFragment);
}

QUrl UriUtils::constructUri(const QString &scheme, const QString &user, const QString &host) const
{
    QUrl result;
    result.setScheme(scheme);
    result.setUserInfo(user);
    result.setHost(host);
    return result;
}

QString UriUtils::fromPercentEncoding(const QUrl &uri) const
{
    return decodedText(uri);
}

QString UriUtils::toPercentEncoding(const QUrl &uri) const
{
    return QString::fromLatin1(QUrl::toPercentEncoding(uri.toString()));
}

QString UriUtils::fragment(const QUrl &uri) const
{
    return uri.fragment(QUrl::FullyDecoded);
}

QString UriUtils::fileName(const QUrl &uri) const
{
    return uri.fileName(QUrl::FullyDecoded);
}

QString UriUtils::path(const QUrl &uri) const
{
    return uri.path(QUrl::FullyDecoded);
}

QString UriUtils::userName(const QUrl &uri) const
{
    return uri.userName(QUrl::FullyDecoded);
}

QString UriUtils::host(const QUrl &uri) const
{
    return uri.host(QUrl::FullyDecoded);
}

QString UriUtils::authority(const QUrl &uri) const
{
    return uri.authority(QUrl::DecodeReserved);
}

QUrl UriUtils::setFragment(const QUrl &uri, const QString &fragment) const
{
    QUrl result = uri;
    result.setFragment(fragment);
    return result;
}

bool UriUtils::isRelative(const QUrl &uri) const
{
    return uri.isRelative();
}

bool UriUtils::isEmpty(const QUrl &uri) const
{
    return uri.isEmpty();
}

bool UriUtils::isValid(const QUrl &uri) const
{
    return uri.isValid();
}

bool UriUtils::isLocal(const QUrl &uri) const
{
    return uri.isLocalFile();
}

bool UriUtils::existsLocal(const QUrl &uri) const
{
    return uri.isLocalFile() && QFileInfo::exists(uri.toLocalFile());
}

bool UriUtils::isCloud(const QUrl &uri) const
{
    return uri.scheme() == QLatin1String("cloud");
}

QUrl UriUtils::addQueryItem(const QUrl &uri, const QString &key, const QString &value) const
{
    QUrlQuery query(uri);
    query.addQueryItem(key, value);
    QUrl result = uri;
    result.setQuery(query);
    return result;
}

bool UriUtils::hasQueryItem(const QUrl &uri, const QString &key) const
{
    return QUrlQuery(uri).hasQueryItem(key);
}

bool UriUtils::hasQuery(const QUrl &uri) const
{
    return uri.hasQuery();
}

QString UriUtils::queryItemValue(const QUrl &uri, const QString &key) const
{
    const QString value = QUrlQuery(uri).queryItemValue(key, QUrl::FullyDecoded);
    qDebug() << uri << "UriUtils::queryItemValue:" << value;
    return value;
}

QString UriUtils::queryItemValue(const QString &query, const QString &key) const
{
    qDebug() << "UriUtils::queryItemValue" << query.size() << key;
    return QUrlQuery(query).queryItemValue(key, QUrl::FullyDecoded);
}

QUrl UriUtils::setQueryItem(const QUrl &uri, const QString &key, const QVariant &value) const
{
    QUrlQuery query;
    if (!value.isNull() && value.isValid()) {
        query.addQueryItem(key, value.toString());
    } else {
        query = QUrlQuery(uri);
        query.removeAllQueryItems(key);
    }
    QUrl result = uri;
    result.setQuery(query);
    return result;
}

QUrl UriUtils::setQueryItems(const QUrl &uri, const QVariantMap &items) const
{
    QUrlQuery query;
    for (auto it = items.cbegin(); it != items.cend(); ++it)
        query.addQueryItem(it.key(), it.value().toString());
    QUrl result = uri;
    result.setQuery(query);
    return result;
}

QVariantMap UriUtils::parseUri(const QUrl &uri) const
{
    const bool local = uri.isLocalFile();
    return {
        { QStringLiteral("local"), local },
        { QStringLiteral("host"), local ? QStringLiteral("*") : host(uri) },
        { QStringLiteral("scheme"), uri.scheme() },
        { QStringLiteral("path"), path(uri) },
        { QStringLiteral("query"), uri.query(QUrl::FullyDecoded) },
        { QStringLiteral("fileName"), fileName(uri) },
        { QStringLiteral("userName"), userName(uri) },
        { QStringLiteral("authority"), authority(uri) },
        { QStringLiteral("fragment"), fragment(uri) },
    };
}

QUrl UriUtils::changeDirectory(const QUrl &uri, const QUrl &newDirectory) const
{
    QString folder = newDirectory.path(QUrl::FullyDecoded);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    QUrl result = uri;
    result.setPath(folder + uri.fileName(QUrl::FullyDecoded), QUrl::DecodedMode);
    return result;
}

void UriUtils::testUriIntoParts(const QUrl &uri) const
{
    qDebug() << "UriUtils::testUriIntoParts:IN";
    qDebug() << "scheme::" << uri.scheme();
    qDebug() << "user::" << uri.userName();
    qDebug() << "userInfo::" << uri.userInfo();
    qDebug() << "path::" << uri.path();
    qDebug() << "password::" << uri.password();
    qDebug() << "authority::" << uri.authority();
    qDebug() << "host::" << uri.host();
    qDebug() << "UriUtils::testUriIntoParts:OUT";
}

QUrl UriUtils::subPath(const QUrl &uri, const QString &sub) const
{
    QString newPath = uri.path(QUrl::FullyDecoded);
    if (!newPath.endsWith(QLatin1Char('/')))
        newPath += QLatin1Char('/');
    QUrl result = uri;
    result.setPath(newPath + sub, QUrl::DecodedMode);
    return result;
}

QString UriUtils::uriCloudToDisplayString(const QUrl &uri) const
{
    return uri.host() + QLatin1String(":/") + uri.path();
}

QString UriUtils::uriToDisplayString(const QUrl &uri) const
{
    if (uri.isLocalFile())
        return QDir::toNativeSeparators(uri.toLocalFile());
    return decodedText(uri).replace(QLatin1Char('/'), QDir::separator());
}

QString UriUtils::uriToFullyDecoded(const QUrl &uri) const
{
    return uri.path(QUrl::FullyDecoded);
}

QString UriUtils::toLocal(const QUrl &uri) const
{
    return uri.isLocalFile() ? uri.toLocalFile() : QString();
}

QUrl UriUtils::toUri(const QString &path) const
{
    return QUrl::fromLocalFile(path);
}

QUrl UriUtils::toUnencryptedScheme(const QUrl &uri) const
{
    if (uri.scheme() != QLatin1String("https"))
        return uri;
    QUrl result = uri;
    result.setScheme(QStringLiteral("http"));
    return result;
}

QString UriUtils::removeEmptyPath(const QString &uri) const
{
    QString result = uri;
    while (result.endsWith(QLatin1Char('/')))
        result.chop(1);
    return result;
}

bool UriUtils::compareUris(const QString &uri1, const QString &uri2, bool ignoreTimestamps) const
{
    QUrl first = QUrl::fromUserInput(uri1);
    QUrl second = QUrl::fromUserInput(uri2);
    if (ignoreTimestamps && WebSearch::isSearchHost(first.host())
        && WebSearch::isSearchHost(second.host())) {
        first = WebSearch::withoutRequestStamp(first);
        second = WebSearch::withoutRequestStamp(second);
    }
    return first == second;
}

QString UriUtils::suffix(const QUrl &uri) const
{
    if (uri.isLocalFile())
        return QFileInfo(uri.toLocalFile()).suffix();
    const QString text = uri.toString();
    const int dot = text.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : text.mid(dot + 1);
}

QVariantMap UriUtils::parseYoutubeResponse(const QString &value) const
{
    static const QString streamMapKey = QStringLiteral("url_encoded_fmt_stream_map");
    QVariantMap result;
    const QUrlQuery response(value);
    const auto items = response.queryItems(QUrl::FullyDecoded);
    for (const auto &item : items) {
        if (item.first != streamMapKey)
            result.insert(item.first, item.second);
    }
    const QStringList streams
        = response.queryItemValue(streamMapKey, QUrl::FullyDecoded).split(QLatin1Char(','));
    for (const QString &stream : streams) {
        const QUrlQuery entry(stream);
        const QString itag = entry.queryItemValue(QStringLiteral("itag"), QUrl::FullyDecoded);
        if (!itag.isEmpty())
            result.insert(itag, entry.queryItemValue(QStringLiteral("url"), QUrl::FullyDecoded));
    }
    return result;
}
