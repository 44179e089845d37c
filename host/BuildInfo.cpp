#include "BuildInfo.h"

#include <QLocale>
#include <QStringList>

namespace BuildInfo {

QDate parseCompilerDate(const QString &compilerDate)
{
    const QStringList parts = compilerDate.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() < 3)
        return {};
    const QLocale c = QLocale::c();
    const int month = c.toDate(parts.at(0), QStringLiteral("MMM")).month();
    const int day = c.toInt(parts.at(1));
    const int year = c.toInt(parts.at(2));
    return QDate(year, month, day);
}

QString versionFor(const QDate &date)
{
    const QString build = date.toString(QStringLiteral("yyMMdd")).mid(1);
    return QStringLiteral("%1.%2.%3.%4")
        .arg(versionMajor)
        .arg(versionMinor)
        .arg(versionPatch)
        .arg(build);
}

const QDate &buildDate()
{
    static const QDate date = parseCompilerDate(QStringLiteral(__DATE__));
    return date;
}

const QString &buildVersion()
{
    static const QString version = versionFor(buildDate());
    return version;
}

const QString &buildVersionShort()
{
    static const QString version = QStringLiteral("%1.%2").arg(versionMajor).arg(versionMinor);
    return version;
}

} // namespace BuildInfo
