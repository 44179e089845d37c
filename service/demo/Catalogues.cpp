#include "Catalogues.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamWriter>

namespace service {

Catalogues::Catalogues()
    : m_lines {
        { QStringLiteral("G3"),
            { QStringLiteral("1040"), QStringLiteral("1050"), QStringLiteral("1100") }, {},
            QStringLiteral("Gen 3") },
        { QStringLiteral("G4"),
            { QStringLiteral("2000"), QStringLiteral("2010"), QStringLiteral("2100") },
            { QStringLiteral("990") }, QStringLiteral("Gen 4") },
    }
{ }

QByteArray Catalogues::upgradeXml() const
{
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("softwares"));
    for (const FirmwareLine &line : m_lines) {
        for (const QString &version : line.retiredVersions + line.versions) {
            writer.writeStartElement(QStringLiteral("software"));
            writer.writeTextElement(QStringLiteral("ver"), version);
            writer.writeTextElement(QStringLiteral("code"), line.code);
            writer.writeEndElement();
        }
    }
    writer.writeEndElement();
    writer.writeEndDocument();
    return xml;
}

QByteArray Catalogues::storeInfoJson() const
{
    struct Product
    {
        const char *id;
        const char *name;
        const char *packageName;
        QVector<QPair<int, const char *>> versions;
    };
    const QVector<Product> products {
        { "whiteboard", "Whiteboard", "com.kestrum.whiteboard",
            { { 9, "1.9" }, { 10, "1.10" }, { 12, "1.12" } } },
        { "browser", "Classroom Browser", "com.kestrum.browser", { { 31, "3.1" }, { 32, "3.2" } } },
        { "screenshare", "Screen Share", "com.kestrum.screenshare",
            { { 5, "0.5" }, { 7, "0.7" } } },
        { "timer", "Lesson Timer", "com.kestrum.timer", { { 2, "2.0" } } },
    };
    QJsonArray list;
    for (const Product &product : products) {
        QJsonArray packages;
        for (const auto &version : product.versions) {
            packages.append(QJsonObject {
                { QStringLiteral("versionCode"), QString::number(version.first) },
                { QStringLiteral("versionName"), QString::fromLatin1(version.second) },
                { QStringLiteral("whatNew"),
                    QStringLiteral("Fixes and improvements in %1.")
                        .arg(QLatin1String(version.second)) },
                { QStringLiteral("os"),
                    QJsonObject { { QStringLiteral("name"), QStringLiteral("Android") },
                        { QStringLiteral("minOs"), QStringLiteral("9") } } },
            });
        }
        list.append(QJsonObject {
            { QStringLiteral("id"), QString::fromLatin1(product.id) },
            { QStringLiteral("name"), QString::fromLatin1(product.name) },
            { QStringLiteral("packageName"), QString::fromLatin1(product.packageName) },
            { QStringLiteral("packages"), packages },
        });
    }
    return QJsonDocument(QJsonObject { { QStringLiteral("products"), list } })
        .toJson(QJsonDocument::Compact);
}

} // namespace service
