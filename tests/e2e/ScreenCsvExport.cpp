#include "ScreenCsvExport.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>
#include <QVariant>

QList<QStringList> ScreenCsvExport::parse(const QString &text)
{
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size()
                && text.at(i + 1) == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            record.append(field);
            field.clear();
        } else if (c == QLatin1Char('\r') && i + 1 < text.size()
            && text.at(i + 1) == QLatin1Char('\n')) {
            record.append(field);
            records.append(record);
            record.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return records;
}

QList<QStringList> ScreenCsvExport::run(QObject *screen, const QString &fileName, int timeoutMs)
{
    const QString path = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                             .filePath(fileName);
    // A file a failed earlier run left behind must not pass for this run's export.
    if (!screen || (QFile::exists(path) && !QFile::remove(path)))
        return {};
    QObject *exporter = qvariant_cast<QObject *>(screen->property("csvExport"));
    if (!exporter
        || !QMetaObject::invokeMethod(
            screen, "exportCsvTo", Q_ARG(QVariant, QVariant(QUrl::fromLocalFile(path)))))
        return {};
    if (!QTest::qWaitFor([&] { return !exporter->property("running").toBool(); }, timeoutMs))
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(QString::fromUtf8(file.readAll()));
}
