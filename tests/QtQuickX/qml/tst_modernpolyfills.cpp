#include <QFile>
#include <QJSEngine>
#include <QtTest>

// Modern.js installs standard functions only when the engine lacks them; this engine has them
// all, so they are removed first and the library's own versions are checked.
class ModernPolyfillsTest : public QObject
{
    Q_OBJECT
private:
    QJSEngine m_engine;

    static QString libraryCode()
    {
        QFile file(QStringLiteral(":/QtQuickX/Modern.js"));
        if (!file.open(QIODevice::ReadOnly))
            return QString();
        QStringList lines;
        const QStringList all = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        // Directives of QML script libraries mean nothing to a plain engine.
        for (const QString &line : all) {
            if (!line.startsWith(QLatin1Char('.')))
                lines.append(line);
        }
        return lines.join(QLatin1Char('\n'));
    }

private slots:
    void initTestCase()
    {
        const QString code = libraryCode();
        QVERIFY(!code.isEmpty());
        const QJSValue removed = m_engine.evaluate(
            QStringLiteral("delete Array.prototype.find; delete Array.prototype.findIndex;"
                           "delete Array.prototype.includes; delete Array.prototype.reduce;"
                           "delete String.prototype.padStart; delete String.prototype.padEnd;"
                           "delete String.prototype.startsWith; delete Object.assign;"
                           "typeof Array.prototype.find + typeof Object.assign"));
        QCOMPARE(removed.toString(), QStringLiteral("undefinedundefined"));
        const QJSValue installed = m_engine.evaluate(code);
        QVERIFY2(!installed.isError(), qPrintable(installed.toString()));
    }

    void standardBehaviour_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("expected");
        QTest::newRow("find") << "[1, 5, 7].find(function (x) { return x > 4 })"
                              << "5";
        QTest::newRow("find none") << "String([1].find(function () { return false }))"
                                   << "undefined";
        QTest::newRow("find this") << "[1].find(function () { return this.hit }, { hit: true })"
                                   << "1";
        QTest::newRow("findIndex") << "[1, 5, 7].findIndex(function (x, i) { return i === 2 })"
                                   << "2";
        QTest::newRow("findIndex none") << "[].findIndex(function () { return true })"
                                        << "-1";
        QTest::newRow("includes NaN") << "[1, NaN].includes(NaN)"
                                      << "true";
        QTest::newRow("includes from") << "[1, 2, 3].includes(1, 1)"
                                       << "false";
        QTest::newRow("includes negative from") << "[1, 2, 3].includes(3, -1)"
                                                << "true";
        QTest::newRow("reduce") << "[1, 2, 3].reduce(function (a, b) { return a + b })"
                                << "6";
        QTest::newRow("reduce initial") << "[].reduce(function (a, b) { return a + b }, 4)"
                                        << "4";
        QTest::newRow("reduce empty") << "try { [].reduce(function () {}) } catch (e) { e.name }"
                                      << "TypeError";
        QTest::newRow("padStart") << "'7'.padStart(3, '0')"
                                  << "007";
        QTest::newRow("padStart repeat") << "'abc'.padStart(10, '123')"
                                         << "1231231abc";
        QTest::newRow("padStart short") << "'abc'.padStart(2)"
                                        << "abc";
        QTest::newRow("padEnd") << "'7'.padEnd(4)"
                                << "7   ";
        QTest::newRow("startsWith") << "'Kestrum'.startsWith('str', 2)"
                                    << "true";
        QTest::newRow("startsWith not") << "'Kestrum'.startsWith('rum')"
                                        << "false";
        QTest::newRow("assign")
            << "JSON.stringify(Object.assign({ a: 1 }, null, { b: 2 }, { a: 3 }))"
            << "{\"a\":3,\"b\":2}";
        QTest::newRow("find on null") << "try { Array.prototype.find.call(null, function () {}) }"
                                         " catch (e) { e.name }"
                                      << "TypeError";
        QTest::newRow("not enumerable")
            << "var keys = []; for (var k in []) keys.push(k); keys.length"
            << "0";
    }

    void standardBehaviour()
    {
        QFETCH(QString, expression);
        QFETCH(QString, expected);
        const QJSValue result = m_engine.evaluate(expression);
        QVERIFY2(!result.isError(), qPrintable(result.toString()));
        QCOMPARE(result.toString(), expected);
    }
};

QTEST_GUILESS_MAIN(ModernPolyfillsTest)
#include "tst_modernpolyfills.moc"
