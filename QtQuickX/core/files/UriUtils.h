#pragma once

#include <QObject>
#include <QUrl>
#include <QVariant>

// Building, taking apart and comparing URLs for QML.
class UriUtils : public QObject
{
    Q_OBJECT
public:
    // The values of QUrl's formatting options.
    enum UriFormattingOption {
        None = QUrl::None,
        RemoveScheme = QUrl::RemoveScheme,
        RemovePassword = QUrl::RemovePassword,
        RemoveUserInfo = QUrl::RemoveUserInfo,
        RemovePort = QUrl::RemovePort,
        RemoveAuthority = QUrl::RemoveAuthority,
        RemovePath = QUrl::RemovePath,
        RemoveQuery = QUrl::RemoveQuery,
        RemoveFragment = QUrl::RemoveFragment,
        RemoveFilename = QUrl::RemoveFilename,
        PreferLocalFile = QUrl::PreferLocalFile,
        StripTrailingSlash = QUrl::StripTrailingSlash,
        NormalizePathSegments = QUrl::NormalizePathSegments,
    };
    Q_DECLARE_FLAGS(UriFormattingOptions, UriFormattingOption)
    Q_FLAG(UriFormattingOptions)

    using QObject::QObject;

    Q_INVOKABLE QUrl uri(const QVariant &value) const;
    Q_INVOKABLE QString toNativeSeparators(const QString &localPath) const;
    Q_INVOKABLE QString userFriendlyPath(const QUrl &uri) const;
    Q_INVOKABLE QString removeTrailingSlash(const QString &localPath) const;
    Q_INVOKABLE QUrl addTrailingSlash(const QUrl &uri) const;
    Q_INVOKABLE QUrl fromUserInput(const QString &userInput) const;
    Q_INVOKABLE QUrl webUrlFromUserInput(const QString &userInput) const;
    Q_INVOKABLE QUrl adjusted(const QUrl &uri, UriFormattingOptions options) const;
    Q_INVOKABLE QUrl parentFolder(const QUrl &uri) const;
    Q_INVOKABLE QUrl constructUri(
        const QString &scheme, const QString &user, const QString &host) const;
    Q_INVOKABLE QString fromPercentEncoding(const QUrl &uri) const;
    Q_INVOKABLE QString toPercentEncoding(const QUrl &uri) const;
    Q_INVOKABLE QString fragment(const QUrl &uri) const;
    Q_INVOKABLE QString fileName(const QUrl &uri) const;
    Q_INVOKABLE QString path(const QUrl &uri) const;
    Q_INVOKABLE QString userName(const QUrl &uri) const;
    Q_INVOKABLE QString host(const QUrl &uri) const;
    Q_INVOKABLE QString authority(const QUrl &uri) const;
    Q_INVOKABLE QUrl setFragment(const QUrl &uri, const QString &fragment) const;
    Q_INVOKABLE bool isRelative(const QUrl &uri) const;
    Q_INVOKABLE bool isEmpty(const QUrl &uri) const;
    Q_INVOKABLE bool isValid(const QUrl &uri) const;
    Q_INVOKABLE bool isLocal(const QUrl &uri) const;
    Q_INVOKABLE bool existsLocal(const QUrl &uri) const;
    Q_INVOKABLE bool isCloud(const QUrl &uri) const;
    Q_INVOKABLE QUrl addQueryItem(const QUrl &uri, const QString &key, const QString &value) const;
    Q_INVOKABLE bool hasQueryItem(const QUrl &uri, const QString &key) const;
    Q_INVOKABLE bool hasQuery(const QUrl &uri) const;
    Q_INVOKABLE QString queryItemValue(const QUrl &uri, const QString &key) const;
    Q_INVOKABLE QString queryItemValue(const QString &query, const QString &key) const;
    Q_INVOKABLE QUrl setQueryItem(const QUrl &uri, const QString &key, const QVariant &value) const;
    Q_INVOKABLE QUrl setQueryItems(const QUrl &uri, const QVariantMap &items) const;
    Q_INVOKABLE QVariantMap parseUri(const QUrl &uri) const;
    Q_INVOKABLE QUrl changeDirectory(const QUrl &uri, const QUrl &newDirectory) const;
    Q_INVOKABLE void testUriIntoParts(const QUrl &uri) const;
    Q_INVOKABLE QUrl subPath(const QUrl &uri, const QString &sub) const;
    Q_INVOKABLE QString uriCloudToDisplayString(const QUrl &uri) const;
    Q_INVOKABLE QString uriToDisplayString(const QUrl &uri) const;
    Q_INVOKABLE QString uriToFullyDecoded(const QUrl &uri) const;
    Q_INVOKABLE QString toLocal(const QUrl &uri) const;
    Q_INVOKABLE QUrl toUri(const QString &path) const;
    Q_INVOKABLE QUrl toUnencryptedScheme(const QUrl &uri) const;
    Q_INVOKABLE QString removeEmptyPath(const QString &uri) const;
    Q_INVOKABLE bool compareUris(
        const QString &uri1, const QString &uri2, bool ignoreTimestamps = false) const;
    Q_INVOKABLE QString suffix(const QUrl &uri) const;
    Q_INVOKABLE QVariantMap parseYoutubeResponse(const QString &value) const;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(UriUtils::UriFormattingOptions)
