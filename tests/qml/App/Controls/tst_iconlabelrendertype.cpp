#include <QtQuickX.h>

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickStyle>
#include <QtPlugin>
#include <QtTest>

Q_IMPORT_PLUGIN(QtQuickXPlugin)

// The icon label's text item is a private type that scripts cannot inspect, so the rendering
// of button texts is checked from here.
class IconLabelRenderTypeTest : public QObject
{
    Q_OBJECT
private:
    QQmlEngine engine;

    static QList<QQuickItem *> textItems(QQuickItem *control)
    {
        QList<QQuickItem *> found;
        auto *contentItem = control->property("contentItem").value<QQuickItem *>();
        if (!contentItem)
            return found;
        for (QQuickItem *child : contentItem->childItems()) {
            if (child->metaObject()->indexOfProperty("renderType") >= 0)
                found.append(child);
        }
        return found;
    }

    // Text.QtRendering and Text.NativeRendering.
    enum { QtRendering = 0, NativeRendering = 1 };

    static int renderType(QQuickItem *item) { return item->property("renderType").toInt(); }

private slots:
    void initTestCase()
    {
        QtQuickX::registerResources();
        QQuickStyle::setStyle("Material");
        engine.addImportPath(QStringLiteral("qrc:/"));
    }

    void followsEnabled_data()
    {
        QTest::addColumn<QString>("declaration");
        QTest::newRow("Button") << "Button { text: \"Save\" }";
        QTest::newRow("ToolButton") << "ToolButton { text: \"Refresh\" }";
        QTest::newRow("TabButton") << "TabButton { text: \"Devices\" }";
        // The text item comes only with the text: it is patched when it appears.
        QTest::newRow("text set later") << "Button { Component.onCompleted: text = \"Later\" }";
        QTest::newRow("disabled from the start") << "Button { text: \"Off\"; enabled: false }";
    }

    void followsEnabled()
    {
        QFETCH(QString, declaration);
        QQmlComponent component(&engine);
        component.setData(
            "import QtQuick 2.15\nimport App.Controls 1.0\n" + declaration.toUtf8(), QUrl());
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        auto *control = qobject_cast<QQuickItem *>(object.get());
        const QList<QQuickItem *> texts = textItems(control);
        QCOMPARE(texts.size(), 1);

        const bool initiallyEnabled = control->isEnabled();
        QCOMPARE(renderType(texts.first()), initiallyEnabled ? NativeRendering : QtRendering);
        control->setEnabled(!initiallyEnabled);
        QCOMPARE(renderType(texts.first()), initiallyEnabled ? QtRendering : NativeRendering);
        control->setEnabled(initiallyEnabled);
        QCOMPARE(renderType(texts.first()), initiallyEnabled ? NativeRendering : QtRendering);
    }
};

QTEST_MAIN(IconLabelRenderTypeTest)
#include "tst_iconlabelrendertype.moc"
