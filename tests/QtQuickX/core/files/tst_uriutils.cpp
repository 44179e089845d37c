#include "UriUtils.h"

#include <QDir>
#include <QtTest>

class UriUtilsTest : public QObject
{
    Q_OBJECT
private slots:
    void trailingSeparators_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("oneRemoved");
        QTest::addColumn<QString>("allRemoved");
        QTest::newRow("none") << "/a/b"
                              << "/a/b"
                              << "/a/b";
        QTest::newRow("slash") << "/a/b/"
                               << "/a/b"
                               << "/a/b";
        QTest::newRow("two slashes") << "http://h/a//"
                                     << "http://h/a/"
                                     << "http://h/a";
        QTest::newRow("backslash") << "C:\\a\\"
                                   << "C:\\a"
                                   << "C:\\a\\";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
    }
    void trailingSeparators()
    {
        QFETCH(QString, text);
        QFETCH(QString, oneRemoved);
        QFETCH(QString, allRemoved);
        UriUtils utils;
        QCOMPARE(utils.removeTrailingSlash(text), oneRemoved);
        QCOMPARE(utils.removeEmptyPath(text), allRemoved);
    }

    void parentFolder_data()
    {
        QTest::addColumn<QUrl>("uri");
        QTest::addColumn<QUrl>("parent");
        QTest::newRow("folder with slash") << QUrl("file:///a/b/") << QUrl("file:///a/");
        QTest::newRow("file") << QUrl("file:///a/b/c.txt") << QUrl("file:///a/b/");
        QTest::newRow("query and fragment")
            << QUrl("http://h/x/y.html?q=1#top") << QUrl("http://h/x/");
        QTest::newRow("empty") << QUrl() << QUrl();
    }
    void parentFolder()
    {
        QFETCH(QUrl, uri);
        QFETCH(QUrl, parent);
        if (uri.isEmpty())
            QTest::ignoreMessage(QtDebugMsg, " UriUtils::parentFolder is empty");
        QCOMPARE(UriUtils().parentFolder(uri), parent);
    }

    void userFriendlyPath_data()
    {
        QTest::addColumn<QUrl>("uri");
        QTest::addColumn<QString>("text");
        QTest::newRow("folder") << QUrl::fromLocalFile("/media/usb/")
                                << QDir::toNativeSeparators("/media/usb");
        QTest::newRow("root keeps its slash")
            << QUrl::fromLocalFile("/") << QString(QDir::separator());
        QTest::newRow("web") << QUrl("https://h.example/a/") << "https://h.example/a/";
    }
    void userFriendlyPath()
    {
        QFETCH(QUrl, uri);
        QFETCH(QString, text);
        QCOMPARE(UriUtils().userFriendlyPath(uri), text);
    }

    void pathBuilding()
    {
        UriUtils utils;
        QCOMPARE(utils.addTrailingSlash(QUrl("file:///a/b")), QUrl("file:///a/b/"));
        QCOMPARE(utils.addTrailingSlash(QUrl("file:///a/b/")), QUrl("file:///a/b/"));
        QCOMPARE(utils.subPath(QUrl("http://h/a"), "b c"), QUrl("http://h/a/b%20c"));
        QCOMPARE(utils.subPath(QUrl("http://h/a/"), "b"), QUrl("http://h/a/b"));
        QCOMPARE(utils.changeDirectory(QUrl("file:///from/x.txt"), QUrl("file:///to")),
            QUrl("file:///to/x.txt"));
        QCOMPARE(utils.constructUri("ftp", "op", "files.example"), QUrl("ftp://op@files.example"));
    }

    void queryItems()
    {
        UriUtils utils;
        const QUrl base("http://h/p?a=1&b=2");
        QCOMPARE(utils.setQueryItem(base, "c", 3), QUrl("http://h/p?c=3"));
        QCOMPARE(utils.setQueryItem(base, "a", QVariant()), QUrl("http://h/p?b=2"));
        QCOMPARE(utils.addQueryItem(base, "c", "x y"), QUrl("http://h/p?a=1&b=2&c=x%20y"));
        QCOMPARE(utils.queryItemValue(QUrl("http://h/?t=a%20b"), "t"), QString("a b"));
        QCOMPARE(utils.queryItemValue(QString("t=a%2Fb&u=2"), "t"), QString("a/b"));
        const QVariantMap items { { "z", 1 }, { "a", "v" } };
        QCOMPARE(utils.setQueryItems(base, items), QUrl("http://h/p?a=v&z=1"));
    }

    void suffix_data()
    {
        QTest::addColumn<QUrl>("uri");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("local") << QUrl::fromLocalFile("/a.b/c.tar.gz") << "gz";
        QTest::newRow("local without") << QUrl::fromLocalFile("/a.b/c") << "";
        QTest::newRow("web") << QUrl("http://h/file.json") << "json";
        QTest::newRow("web without dot") << QUrl("cloud:path") << "";
    }
    void suffix()
    {
        QFETCH(QUrl, uri);
        QFETCH(QString, suffix);
        QCOMPARE(UriUtils().suffix(uri), suffix);
    }

    void webUrlFromUserInput_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("host");
        QTest::addColumn<bool>("isSearch");
        QTest::newRow("host name") << "example.com/page"
                                   << "example.com" << false;
        QTest::newRow("plain words") << "panel firmware"
                                     << "www.google.com" << true;
    }
    void webUrlFromUserInput()
    {
        QFETCH(QString, input);
        QFETCH(QString, host);
        QFETCH(bool, isSearch);
        const QUrl url = UriUtils().webUrlFromUserInput(input);
        QCOMPARE(url.host(), host);
        QCOMPARE(url.path() == "/search", isSearch);
        if (isSearch)
            QCOMPARE(QUrlQuery(url).queryItemValue("q", QUrl::FullyDecoded), input);
    }

    void compareUris()
    {
        UriUtils utils;
        QVERIFY(utils.compareUris("example.com", "http://example.com"));
        const QString a = "https://www.google.com/search?q=x&ei=111";
        const QString b = "https://www.google.com/search?q=x&ei=222";
        QVERIFY(!utils.compareUris(a, b));
        QVERIFY(utils.compareUris(a, b, true));
        QVERIFY(!utils.compareUris("http://h/?ei=1", "http://h/?ei=2", true));
    }

    void displayStrings()
    {
        UriUtils utils;
        QCOMPARE(utils.uriToDisplayString(QUrl("http://h/a%20b")),
            QString("http:") + QDir::separator() + QDir::separator() + "h" + QDir::separator()
                + "a b");
        QCOMPARE(utils.toUnencryptedScheme(QUrl("https://h/x")), QUrl("http://h/x"));
        QCOMPARE(utils.toUnencryptedScheme(QUrl("ftp://h/x")), QUrl("ftp://h/x"));
        QCOMPARE(utils.toLocal(QUrl("http://h/x")), QString());
    }

    void parseUri()
    {
        const QVariantMap parts = UriUtils().parseUri(QUrl("http://op@h.example/a%20b/c?x=1#f"));
        QCOMPARE(parts.value("local").toBool(), false);
        QCOMPARE(parts.value("host").toString(), QString("h.example"));
        QCOMPARE(parts.value("path").toString(), QString("/a b/c"));
        QCOMPARE(parts.value("fileName").toString(), QString("c"));
        QCOMPARE(parts.value("userName").toString(), QString("op"));
        QCOMPARE(parts.value("fragment").toString(), QString("f"));
        QCOMPARE(
            UriUtils().parseUri(QUrl::fromLocalFile("/x")).value("host").toString(), QString("*"));
    }

    void parseYoutubeResponse()
    {
        const QString streams = QUrl::toPercentEncoding(
            "itag=22&url=http%3A%2F%2Fv%2F22,itag=18&url=http%3A%2F%2Fv%2F18");
        const QVariantMap map = UriUtils().parseYoutubeResponse(
            "title=Panel%20tour&url_encoded_fmt_stream_map=" + streams);
        QCOMPARE(map.value("22").toString(), QString("http://v/22"));
        QCOMPARE(map.value("18").toString(), QString("http://v/18"));
        QCOMPARE(map.value("title").toString(), QString("Panel tour"));
    }
};

QTEST_GUILESS_MAIN(UriUtilsTest)
#include "tst_uriutils.moc"
