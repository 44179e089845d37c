#pragma once

#include <QObject>
#include <QUrl>

// Standard folders as local URLs.
class StandardPath : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QUrl temporaryDir READ temporaryDir CONSTANT)
public:
    using QObject::QObject;

    QUrl temporaryDir() const;
};
