import QtQuick 2.15
import QtTest 1.2
import QtQuickX 1.0

TestCase {
    id: testCase
    name: "Pictures"
    when: windowShown
    width: 100
    height: 100

    Rectangle {
        id: swatch
        width: 6
        height: 4
        color: "#ff0000"
    }

    Image {
        id: shown
        cache: false
    }

    SharingUtility {
        id: sharing
    }

    function putSwatchOnClipboard() {
        var file = UriUtils.subPath(StandardPath.temporaryDir, "swatch.png")
        var grabbed = false
        swatch.grabToImage(function (result) { grabbed = result.saveToFile(LocalIO.toNativeSeparators(file)) })
        tryVerify(function () { return grabbed })
        Clipboard.setImage(file)
        verify(Clipboard.hasImage())
    }

    function test_pictureUrlResolvesInImage() {
        putSwatchOnClipboard()
        var before = QuickInMemoryImageProvider.imagesCount
        var picture = QmlClipboard.image()
        verify(picture.id.indexOf("picture-") === 0)
        compare(picture.url.toString(), "image://memory-image/" + picture.id)
        compare(QuickInMemoryImageProvider.imagesCount, before + 1)
        compare(picture.size.width, 6)

        shown.source = picture.url
        tryCompare(shown, "status", Image.Ready)
        compare(shown.sourceSize.width, 6)
        compare(shown.sourceSize.height, 4)
        picture.destroy()
        tryCompare(QuickInMemoryImageProvider, "imagesCount", before)
    }

    function test_unknownPictureIsAnError() {
        ignoreWarning(new RegExp("memory-image/picture-0"))
        shown.source = "image://memory-image/picture-0"
        tryCompare(shown, "status", Image.Error)
    }

    function test_clipboardTextFromQml() {
        QmlClipboard.setText("ticket 42")
        compare(Clipboard.text(), "ticket 42")
        verify(sharing.shareToClipboard("shared text"))
        compare(QmlClipboard.text(), "shared text")
        verify(sharing.capabilities & SharingUtility.ShareToClipboard)
    }

    function test_storedImageIsAClipboardFile() {
        putSwatchOnClipboard()
        var data = Clipboard.image()
        compare(data.size.width, 6)
        verify(UriUtils.fileName(data.url).indexOf("clipboardFile") === 0)
        verify(LocalIO.size(data.url) > 0)
        verify(ClipboardFileStorage.clearOldData())
        verify(UriUtils.existsLocal(data.url))
    }
}
