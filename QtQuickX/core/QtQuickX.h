#pragma once

#include <QObject>

class UiSizes;

// The library's process-wide object; owns the single UiSizes.
class QtQuickX : public QObject
{
    Q_OBJECT
public:
    static QtQuickX *instance();
    // Makes sure the library's resource tree (/QtQuickX/...) is registered.
    static void registerResources();

    // Builds UiSizes from the application font and primary screen; later calls return it again.
    UiSizes *createUiSizes();
    UiSizes *uiSizes() const { return m_uiSizes; }

private:
    QtQuickX() = default;
    ~QtQuickX() override;

    UiSizes *m_uiSizes = nullptr;
};
