#include <QtQuickX.h>

#include <QFile>
#include <QImage>
#include <QtTest>

class ResourcesTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QtQuickX::registerResources(); }

    void icons()
    {
        const QStringList names = QStringLiteral(
            "about account-details add apply arrow-back cancel chip-remove clear-filter "
            "construct-report "
            "construction copy delete-forever device-ifp device-ifp-offline-status "
            "device-ifp-online-status device-ifp-unbind device-statistics filter-list ifpsettings "
            "licenses location location-archived location-disabled location-root "
            "location-root-white login-manage logoff open refresh remove reset settings "
            "software-statistics sort sort-ascending sort-descending status-canceled status-failed "
            "status-ok status-pending status-running status-undefined sync tag tag-edit "
            "tag-multiple tag-node tag-node-plus tag-plus task-add task-single "
            "task-status-canceled "
            "task-status-completed task-status-failed task-status-notavailable task-status-pending "
            "task-status-running tasks usb-flash-drive user-add user-add-root user-archived "
            "user-delete user-disabled user-enabled user-login users")
                                      .split(QLatin1Char(' '));
        QCOMPARE(names.size(), 67);
        for (const QString &name : names) {
            QFile icon(QStringLiteral(":/Icons/%1.svg").arg(name));
            QVERIFY2(icon.open(QIODevice::ReadOnly), qPrintable(name));
            const QByteArray svg = icon.readAll();
            QVERIFY2(svg.contains("<svg") && svg.contains("<path"), qPrintable(name));
        }
    }

    void fontsAreBundledButNotLoaded()
    {
        const QStringList styles = { "Thin", "ThinItalic", "Light", "LightItalic", "Regular",
            "Italic", "Medium", "MediumItalic", "Bold", "BoldItalic" };
        for (const QString &style : styles) {
            QFile font(QStringLiteral(":/Fonts/Roboto-%1.ttf").arg(style));
            QVERIFY2(font.open(QIODevice::ReadOnly), qPrintable(style));
            QVERIFY(font.size() > 10000);
        }
    }

    void pictureAndLibraryTree()
    {
        QVERIFY(!QImage(QStringLiteral(":/Drawable/image.png")).isNull());
        QVERIFY(QFile::exists(QStringLiteral(":/QtQuickX/qmldir")));
        QVERIFY(QFile::exists(QStringLiteral(":/App/qmldir")));
        QVERIFY(QFile::exists(QStringLiteral(":/App/Windows/MainWindow.qml")));
    }

    void libraryModuleFile()
    {
        QFile qmldir(QStringLiteral(":/QtQuickX/qmldir"));
        QVERIFY(qmldir.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = qmldir.readAll().split('\n');
        QCOMPARE(lines.value(0), QByteArray("module QtQuickX"));
        QCOMPARE(lines.value(1), QByteArray("plugin qtquickxplugin"));
        QCOMPARE(lines.value(2), QByteArray("classname QtQuickXPlugin"));
        QCOMPARE(lines.value(3), QByteArray("depends QtQuick.Controls 2.0"));
    }
};

QTEST_MAIN(ResourcesTest)
#include "tst_resources.moc"
