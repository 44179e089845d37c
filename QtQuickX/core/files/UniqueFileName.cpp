#include "UniqueFileName.h"

#include "FileNames.h"
#include "WriteProbe.h"

#include <QDir>
#include <QFileInfo>

UniqueFileName::UniqueFileName(
    const QString &prefix, const QString &suffix, bool forceTimeStamp, bool disableTimeStamp)
    : m_base(FileNames::sanitized(prefix))
    , m_suffix(FileNames::sanitized(suffix))
{
    if (!m_suffix.isEmpty() && !m_suffix.startsWith(QLatin1Char('.')))
        m_suffix.prepend(QLatin1Char('.'));
    if (m_base.isEmpty() || forceTimeStamp) {
        const QString stamp = FileNames::timeStamp();
        m_base = m_base.isEmpty() ? stamp : m_base + QLatin1Char('_') + stamp;
    } else {
        m_timeStampRetry = !disableTimeStamp;
    }
}

QStringList UniqueFileName::candidates() const
{
    QStringList names { m_base + m_suffix };
    QString stem = m_base;
    if (m_timeStampRetry) {
        stem = m_base + QLatin1Char('_') + FileNames::timeStamp();
        names.append(stem + m_suffix);
    }
    for (int n = 1; n <= maxNumber; ++n)
        names.append(stem + QLatin1Char('(') + QString::number(n) + QLatin1Char(')') + m_suffix);
    return names;
}

QString UniqueFileName::findIn(const QString &folder, bool reserve) const
{
    const QDir dir(folder);
    const QStringList names = candidates();
    for (const QString &name : names) {
        const QString path = dir.filePath(name);
        if (QFileInfo::exists(path))
            continue;
        if (!reserve || WriteProbe::createNewEmptyFile(path))
            return path;
    }
    return QString();
}
