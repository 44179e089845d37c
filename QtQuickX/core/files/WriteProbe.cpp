#include "WriteProbe.h"

#include "FileNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool WriteProbe::canCreateFileIn(const QString &folder, QString *probeName)
{
    if (!QFileInfo(folder).isDir())
        return false;
    const QDir dir(folder);
    const QString stamp = FileNames::timeStamp();
    QString name = stamp;
    for (int attempt = 1; QFileInfo::exists(dir.filePath(name)); ++attempt)
        name = stamp + QLatin1Char('_') + QString::number(attempt);
    if (probeName)
        *probeName = name;
    const QString path = dir.filePath(name);
    if (!createNewEmptyFile(path))
        return false;
    QFile::remove(path);
    return true;
}

bool WriteProbe::createNewEmptyFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    file.close();
    return true;
}
