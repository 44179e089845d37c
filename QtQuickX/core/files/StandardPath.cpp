#include "StandardPath.h"

#include <QDir>

QUrl StandardPath::temporaryDir() const
{
    return QUrl::fromLocalFile(QDir::tempPath());
}
