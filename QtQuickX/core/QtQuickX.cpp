#include "QtQuickX.h"

#include "UiSizes.h"

#include <QDebug>
#include <QFont>
#include <QGuiApplication>
#include <QMetaEnum>
#include <QScreen>

static void initQtQuickXResources()
{
    Q_INIT_RESOURCE(qtquickx);
}

QtQuickX *QtQuickX::instance()
{
    static QtQuickX object;
    return &object;
}

void QtQuickX::registerResources()
{
    static const bool registered = (initQtQuickXResources(), true);
    Q_UNUSED(registered)
}

QtQuickX::~QtQuickX()
{
    delete m_uiSizes;
}

UiSizes *QtQuickX::createUiSizes()
{
    if (m_uiSizes) {
        qWarning() << "Current implimentation does not support multiply UiSizes";
        return m_uiSizes;
    }

    const QFont appFont = QGuiApplication::font();
    qDebug() << "appFont pixel size is" << appFont.pixelSize()
             << ", point size: " << appFont.pointSizeF();
    QFont newFont(appFont.family());
    newFont.setPointSizeF(appFont.pointSizeF());
    QGuiApplication::setFont(newFont);
    qDebug() << "New appFont pixel size is" << newFont.pixelSize()
             << ", point size: " << newFont.pointSizeF();

    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    const qreal assumed
        = newFont.pointSizeF() > 0 ? dpi * newFont.pointSizeF() / 72.0 : qreal(newFont.pixelSize());
    qDebug() << "Assuming appFont pixel size is" << assumed;

    const UiSizes::Density density
        = UiSizes::chooseDensity(newFont.pixelSize(), newFont.pointSizeF(), dpi);
    const char *name = QMetaEnum::fromType<UiSizes::Density>().valueToKey(density);
    qDebug() << "Native Ui Density is" << name;
    qDebug() << "Ui Density is " << name;
    m_uiSizes = new UiSizes(density);
    return m_uiSizes;
}
