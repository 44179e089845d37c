#pragma once

#include <QLocale>
#include <QObject>
#include <QUrl>
#include <QVariant>

// File-name and time-parsing helpers for QML.
class IO : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QUrl defaultDocumentsDirectory READ defaultDocumentsDirectory CONSTANT)
public:
    using QObject::QObject;

    Q_INVOKABLE QUrl setFileName(const QUrl &uri, const QString &fileName) const;
    Q_INVOKABLE QVariant timeFromString(const QString &time, Qt::DateFormat format) const;
    Q_INVOKABLE QVariant timeFromString(const QString &time) const;
    Q_INVOKABLE QVariant localeTimeFromString(const QString &time, const QLocale &locale) const;

    QUrl defaultDocumentsDirectory() const;
};
