import QtQuick 2.15
import QtTest 1.15
import "qrc:///App/Tasks/TaskEditor/VersionOrder.js" as VersionOrder

TestCase {
    name: "VersionOrder"

    function test_compare_data() {
        return [
            { tag: "more digits is newer", a: "9", b: "10", sign: -1 },
            { tag: "firmware numbers", a: "990", b: "1100", sign: -1 },
            { tag: "leading zeros", a: "0990", b: "990", sign: 0 },
            { tag: "beyond doubles", a: "90071992547409931", b: "90071992547409930", sign: 1 },
            { tag: "text when not whole", a: "1.9", b: "1.10", sign: 1 },
            { tag: "text against number", a: "beta", b: "10", sign: 1 },
            { tag: "equal", a: "1200", b: "1200", sign: 0 },
            { tag: "numbers given as numbers", a: 9, b: 10, sign: -1 }
        ]
    }

    function test_compare(data) {
        compare(Math.sign(VersionOrder.compare(data.a, data.b)), data.sign)
        compare(Math.sign(VersionOrder.compare(data.b, data.a)), -data.sign)
    }

    function test_greatest() {
        compare(VersionOrder.greatest(["9", "10", "2"]), "10")
        compare(VersionOrder.greatest([null, "12", undefined, "9"]), "12")
        compare(VersionOrder.greatest([]), null)
    }
}
