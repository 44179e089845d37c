#include "DialogFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString settingsKey(const QString &purpose)
{
    return QStringLiteral("dialogFolders/") + purpose;
}

} // namespace

QUrl DialogFolders::startFolder(const QString &purpose) const
{
    const QString last = QSettings().value(settingsKey(purpose)).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return QUrl::fromLocalFile(last);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // A dialog given a folder that does not exist opens in the working folder instead.
    return QUrl::fromLocalFile(QFileInfo(documents).isDir() ? documents : QDir::homePath());
}

void DialogFolders::remember(const QString &purpose, const QUrl &chosen)
{
    if (!chosen.isLocalFile())
        return;
    const QFileInfo info(chosen.toLocalFile());
    const QString folder
        = QDir::cleanPath(info.isDir() ? info.absoluteFilePath() : info.absolutePath());
    QSettings().setValue(settingsKey(purpose), folder);
}
