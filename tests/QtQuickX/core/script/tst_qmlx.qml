import QtQuick 2.15
import QtTest 1.15
import QtQuickX 1.0

TestCase {
    id: testCase
    name: "QmlX"

    property int source: 1

    QtObject {
        id: bound
        property int value: testCase.source * 10
        property int plain: 0
    }

    Item {
        id: owner
        AdmixedProperty {
            id: admixed
        }
    }

    Item {
        id: derivedOwner
        SelectionAdmixDecoy {}
        SelectionAdmix {
            id: selection
        }
    }

    property url unsetUrl
    property url someUrl: "file:///tmp"

    QmlObject {
        id: container
        property QtObject first: QtObject {}
        QtObject { objectName: "a" }
        QtObject { objectName: "b" }
    }

    Component {
        id: qmlObjectComponent
        QmlObject {
            property var seenParent: null
            onConstructed: seenParent = qmlParent
        }
    }

    function init() {
        source = 1
    }

    function test_writeKeepsBinding() {
        compare(bound.value, 10)
        verify(QtX.isPropertyBinded(bound, "value"))
        QmlX.writeProperty(bound, "value", 5)
        compare(bound.value, 5)
        verify(QtX.isPropertyBinded(bound, "value"))
        source = 3
        compare(bound.value, 30)

        QtX.writeProperty(bound, "value", 7)
        verify(QtX.isPropertyBinded(bound, "value"))
        source = 4
        compare(bound.value, 40)
    }

    function test_writeWithoutFlagRemovesBinding() {
        QmlX.writeProperty(bound, "value", 5, 0)
        compare(bound.value, 5)
        verify(!QtX.isPropertyBinded(bound, "value"))
        source = 9
        compare(bound.value, 5)
    }

    function test_writeUnknownNameAndNull() {
        QmlX.writeProperty(bound, "plain", 3)
        compare(bound.plain, 3)
        verify(!QtX.isPropertyBinded(bound, "plain"))
        QmlX.writeProperty(bound, "noSuchProperty", 3)
        QmlX.writeProperty(null, "value", 3)
        verify(!QtX.isPropertyBinded(null, "value"))
        verify(!QtX.isPropertyBinded(bound, "noSuchProperty"))
    }

    function test_instanceOf() {
        verify(QmlX.instanceOf(testCase, "TestCase"))
        verify(QmlX.instanceOf(testCase, "QQuickItem"))
        verify(!QmlX.instanceOf(testCase, "QQuickItem", false))
        verify(QmlX.instanceOf(admixed, "AdmixedProperty", false))
        verify(QmlX.instanceOf(admixed, "QQmlObject"))
        verify(!QmlX.instanceOf(null, "QObject"))
    }

    function test_jsValueMeaning() {
        verify(!QmlX.isJsValueMeanful(undefined))
        verify(QmlX.isJsValueMeanful(null))
        verify(QmlX.isJsValueMeanful(0))
        verify(QmlX.isJsValueMeanful("text"))
        verify(QmlX.isJsValueMeanful({}))
        verify(!QmlX.isJsValueMeanful(unsetUrl))
        verify(QmlX.isJsValueMeanful(someUrl))
    }

    function test_qmlObject() {
        compare(container.data.length, 2)
        compare(container.data[1].objectName, "b")
        compare(container.qmlParent, testCase)
        var object = qmlObjectComponent.createObject(owner)
        compare(object.seenParent, owner)
        object.destroy()
    }

    function test_admixed() {
        compare(AdmixedProperties.get(owner, "AdmixedProperty"), admixed)
        compare(AdmixedProperties.get(owner, "QQmlObject"), admixed)
        compare(AdmixedProperties.get(owner, "Nothing"), null)
        compare(AdmixedProperties.get(null, "AdmixedProperty"), null)
        // A derived QML type is admixed under its own type name.
        compare(AdmixedProperties.get(derivedOwner, "SelectionAdmix").marker, 42)
        compare(AdmixedProperties.get(derivedOwner, "SelectionAdmix"), selection)
        verify(QmlX.instanceOf(selection, "SelectionAdmix", false))
    }

    function test_operationResult() {
        var result = QtX.operationExtend(QtX.operationWarning({"a": 1}, "careful"), {"a": 2, "b": 3})
        verify(result.succeeded)
        verify(result.warning)
        compare(result.message, "careful")
        compare(result.result.a, 1)
        compare(result.result.b, 3)
        verify(QtX.operationFailure().failed)
        compare(QtX.operationWarning("only a message").message, "only a message")
        compare(QtX.operationWarning({"k": "v"}).result.k, "v")
        compare(QtX.operationWarning({"k": "v"}).message, "")
        compare(QtX.operationFailure("broken").message, "broken")
    }

    function test_enums() {
        compare(Enums.keyToValue("QtX", "OS", "Linux"), QtX.Linux)
        compare(Enums.valueToKey("QtX", "UuidFormat", QtX.DashedNumbersUiid), "DashedNumbersUiid")
        compare(QtX.qtCompileVersion.split(".").length, 3)
        compare(QtX.os, QtX.Linux)
        compare(QtX.createUuid(QtX.DashedNumbersUiid).length, 36)
        compare(QtX.incrementNumberedName("Item9"), "Item10")
        compare(QtX.formatTimeInterval(61000), "1:01")
    }

    Rotation {
        id: quarterTurn
        angle: 90
    }

    Translate {
        id: moveRight
        x: 10
    }

    function test_matrixOfTransforms() {
        var p = Matrix.map(Matrix.of(quarterTurn), Qt.point(1, 0))
        fuzzyCompare(p.x, 0, 1e-5)
        fuzzyCompare(p.y, 1, 1e-5)
        // In list order: turn first, then move.
        p = Matrix.map(Matrix.of([moveRight, quarterTurn]), Qt.point(1, 0))
        fuzzyCompare(p.x, 10, 1e-5)
        fuzzyCompare(p.y, 1, 1e-5)
        p = Matrix.map(Matrix.of(0, 0, 5, 0, 2), Qt.point(1, 1))
        compare(p.x, 7)
        compare(p.y, 1)
        // A lone number is the anchor: scale 1 about it changes nothing.
        p = Matrix.map(Matrix.of(4), Qt.point(1, 1))
        compare(p.x, 1)
        compare(p.y, 1)
    }

    function test_args() {
        var args = QtX.args({"a": 1, "b": "two"})
        compare(args.value("a"), 1)
        compare(args.value("b"), "two")
        compare(args.value("c"), undefined)
        args.destroy()
    }

    function test_matrixAndRect() {
        var m = Matrix.scaled(Matrix.identity(), 2)
        var p = Matrix.map(m, Qt.point(3, 4))
        compare(p.x, 6)
        compare(p.y, 0)
        verify(Rect.isEmpty(Qt.rect(0, 0, 0, 5)))
        verify(Rect.contains(Qt.rect(0, 0, 10, 10), Qt.point(5, 5)))
        verify(Rect.contains(Qt.rect(0, 0, 10, 10), Qt.rect(1, 1, 2, 2)))
        compare(Dye.setColorAlpha("red", 0.5).a, 0.5)
    }
}
