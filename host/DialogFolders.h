#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

// Where a file dialog opens: the folder last used for the same purpose while it still exists,
// else the user's Documents folder (or home, where there is none).
class DialogFolders : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    Q_INVOKABLE QUrl startFolder(const QString &purpose) const;
    // Keeps the folder of a chosen file, or the chosen folder itself.
    Q_INVOKABLE void remember(const QString &purpose, const QUrl &chosen);
};
