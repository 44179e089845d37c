#include "StoreCatalogue.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QVariantMap>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("StoreCatalogue", text);
}

// A text member, or a number written as text; anything else counts as missing.
QString text(
    const QJsonObject &object, const QString &key, int length = CatalogueRows::MaxTextLength)
{
    const QJsonValue value = object.value(key);
    if (value.isString())
        return CatalogueRows::bounded(value.toString(), length);
    if (value.isDouble())
        return value.toVariant().toString();
    return QString();
}

QVariantMap package(const QJsonObject &entry)
{
    const QJsonObject os = entry.value(QLatin1String("os")).toObject();
    return QVariantMap {
        { QStringLiteral("versionCode"), text(entry, QStringLiteral("versionCode")) },
        { QStringLiteral("versionName"), text(entry, QStringLiteral("versionName")) },
        // The catalogue spells it without the s.
        { QStringLiteral("whatsNew"),
            text(entry, QStringLiteral("whatNew"), StoreCatalogue::MaxNotesLength) },
        { QStringLiteral("osName"), text(os, QStringLiteral("name")) },
        { QStringLiteral("minOsVersion"), text(os, QStringLiteral("minOs")) },
        { QStringLiteral("minFirmwareVersion"), QString() },
    };
}

} // namespace

CatalogueRows StoreCatalogue::parse(const QString &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError)
        return CatalogueRows::failure(error.errorString());
    const QJsonValue products = document.object().value(QLatin1String("products"));
    if (!products.isArray())
        return CatalogueRows::failure(tr("it is not a store catalogue"));

    CatalogueRows result;
    int packagesKept = 0;
    for (const QJsonValue &value : products.toArray()) {
        if (!value.isObject() || result.rows.size() >= CatalogueRows::MaxRows) {
            ++result.droppedRows;
            continue;
        }
        const QJsonObject product = value.toObject();
        QVariant packages = QVariant::fromValue(nullptr);
        const QJsonValue packageList = product.value(QLatin1String("packages"));
        if (packageList.isArray()) {
            QVariantList kept;
            for (const QJsonValue &entry : packageList.toArray()) {
                if (!entry.isObject() || packagesKept >= MaxPackages)
                    continue;
                kept.append(package(entry.toObject()));
                ++packagesKept;
            }
            packages = kept;
        }
        result.rows.append(QVariantMap {
            { QStringLiteral("idd"), text(product, QStringLiteral("id")) },
            { QStringLiteral("name"), text(product, QStringLiteral("name")) },
            { QStringLiteral("packageName"), text(product, QStringLiteral("packageName")) },
            { QStringLiteral("packages"), packages },
        });
    }
    return result;
}
