import QtQuick 2.15
import QtTest 1.2
import QtQuickX 1.0

TestCase {
    id: testCase
    name: "FileUtils"

    StorageInfo {
        id: storage
    }

    function test_uriHelpersTakeQmlValues() {
        compare(UriUtils.removeTrailingSlash("folder/"), "folder")
        verify(UriUtils.isValid(UriUtils.fromUserInput("example.com")))
        compare(UriUtils.fileName(UriUtils.uri("file:///a/b%20c.txt")), "b c.txt")
        compare(UriUtils.queryItemValue("a=1&b=x%20y", "b"), "x y")
    }

    function test_writeThenReadThroughGeneratedName() {
        var folder = UriUtils.subPath(StandardPath.temporaryDir, "qml-files")
        var url = Storages.generateFileName([folder.toString()], "notes", "txt",
                                            Storages.DisableTimeStamp)
        compare(UriUtils.fileName(url), "notes.txt")
        verify(LocalIO.writeWholeFile(url, "first line ü"))
        compare(LocalIO.readFileText(url), "first line ü")
        compare(LocalIO.size(url), 13)
        var next = Storages.generateFileName([folder], "notes", ".txt", Storages.DisableTimeStamp)
        compare(UriUtils.fileName(next), "notes(1).txt")
        compare(LocalIO.ensureDirectory(["http://host/x", folder]), folder)
    }

    function test_sizesAndVolumes() {
        compare(Storages.userFriendlySize(10000), "10 KB")
        compare(Storages.userFriendlySize(1999, 1000), "1 KB")
        storage.rootUri = StandardPath.temporaryDir
        verify(storage.bytesTotal > 0)
        verify(UriUtils.isLocal(storage.rootUri))
        verify(Array.isArray(Storages.writableUsbFlashDrives)
               || Storages.writableUsbFlashDrives.length >= 0)
    }
}
