#pragma once

#include <QObject>

class QQmlEngine;

// Sets up each Qt Quick Test engine the way the console sets up its own.
class QmlTestSetup : public QObject
{
    Q_OBJECT
public slots:
    void applicationAvailable();
    void qmlEngineAvailable(QQmlEngine *engine);
};
