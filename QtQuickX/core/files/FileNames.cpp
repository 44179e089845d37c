#include "FileNames.h"

#include <QDateTime>

QString FileNames::sanitized(const QString &name)
{
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    QString result = name;
    for (QChar &c : result) {
        if (forbidden.contains(c))
            c = QLatin1Char('_');
    }
    return result;
}

QString FileNames::timeStamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_hhmmss"));
}
