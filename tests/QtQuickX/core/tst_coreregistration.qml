import QtQuick 2.15
import QtTest 1.15
import QtQuickX 1.0

TestCase {
    id: testCase
    name: "CoreRegistration"

    function test_creatableTypes_data() {
        return ["ElapsedTimer", "QmlObject", "Debounce", "DebouncedValue", "ActionProgress",
                "Args", "Condition", "ConditionArgument", "AdmixedProperty"].map(function(type) {
            return { tag: type, type: type }
        })
    }
    function test_creatableTypes(data) {
        var object = Qt.createQmlObject("import QtQuickX 1.0; " + data.type + " {}", testCase,
                                        data.type)
        verify(object)
        verify(QmlX.instanceOf(object, data.type === "QmlObject" ? "QQmlObject" : data.type))
        object.destroy()
    }

    function test_singletons_data() {
        return [
            { tag: "QtX", singleton: QtX }, { tag: "Enums", singleton: Enums },
            { tag: "Dye", singleton: Dye }, { tag: "QmlX", singleton: QmlX },
            { tag: "AdmixedProperties", singleton: AdmixedProperties },
            { tag: "Matrix", singleton: Matrix }, { tag: "Rect", singleton: Rect },
            { tag: "DateTimeOffset", singleton: DateTimeOffset }
        ]
    }
    function test_singletons(data) {
        verify(data.singleton)
        compare(typeof data.singleton, "object")
    }

    function test_uncreatable_data() {
        return [
            { tag: "OperationResult", reason: "Use QtX::operationXXX(...)" },
            { tag: "DateTimeOffsetType", reason: "DateTimeOffset singleton" }
        ]
    }
    function test_uncreatable(data) {
        var message = ""
        try {
            Qt.createQmlObject("import QtQuickX 1.0; " + data.tag + " {}", testCase, data.tag)
        } catch (error) {
            message = error.qmlErrors[0].message
        }
        verify(message.indexOf(data.reason) >= 0, message)
    }

    function test_valueObserverNeedsATarget() {
        var object = Qt.createQmlObject(
            "import QtQuick 2.15; import QtQuickX 1.0; Item { ValueObserver on x {} }",
            testCase, "observer")
        verify(object)
        object.destroy()
    }
}
