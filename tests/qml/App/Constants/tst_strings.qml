import QtQuick 2.15
import QtTest 1.15
import App.Constants 1.0

TestCase {
    name: "Strings"

    function test_textsThatAreEasyToGetWrong_data() {
        return [
            { tag: "authErrorNull", key: "authErrorNull", text: "Login credentials malformed.\n Please contact support." },
            { tag: "unknownError", key: "unknownError", text: "Unidentified error happened! Please, contact the support team." },
            { tag: "autoDateTime", key: "autoDateTime", text: "Automatic date\\time" },
            { tag: "companyLabel", key: "companyLabel", text: "Brannock USA, Inc." },
            { tag: "mainCounterText", key: "mainCounterText", text: "selected: %1" },
            { tag: "validTo", key: "validTo", text: "Valid till:" },
            { tag: "on", key: "on", text: "On" }
        ]
    }

    function test_textsThatAreEasyToGetWrong(data) {
        compare(Strings[data.key], data.text)
    }
}
