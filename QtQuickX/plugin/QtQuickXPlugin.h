#pragma once

#include <QQmlExtensionPlugin>

// Registers the library's QML types when a document first imports QtQuickX.
class QtQuickXPlugin : public QQmlExtensionPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QQmlExtensionInterface/1.0")
public:
    explicit QtQuickXPlugin(QObject *parent = nullptr);

    void registerTypes(const char *uri) override;
    void initializeEngine(QQmlEngine *engine, const char *uri) override;
};
