#include "AdmixedProperties.h"
#include "Dye.h"
#include "Matrix.h"
#include "QEnums.h"
#include "QmlX.h"
#include "QtX.h"
#include "TextFormatting.h"

#include <QQmlEngine>
#include <QtTest>

class ScriptUtilitiesTest : public QObject
{
    Q_OBJECT
private:
    QtX qtx;

    static bool near(const QPointF &a, const QPointF &b)
    {
        return (a - b).manhattanLength() < 1e-4;
    }

private slots:
    void incrementNumberedName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("next");
        QTest::newRow("no number") << "Item"
                                   << "Item0";
        QTest::newRow("carry") << "Item9"
                               << "Item10";
        QTest::newRow("padded") << "Item007"
                                << "Item008";
        QTest::newRow("padded carry") << "Item099"
                                      << "Item100";
        QTest::newRow("digits only") << "42"
                                     << "43";
        QTest::newRow("digit inside") << "a1b"
                                      << "a1b0";
        QTest::newRow("empty") << ""
                               << "0";
        QTest::newRow("beyond int") << "Copy 99999999999"
                                    << "Copy 100000000000";
    }
    void incrementNumberedName()
    {
        QFETCH(QString, name);
        QFETCH(QString, next);
        QCOMPARE(qtx.incrementNumberedName(name), next);
    }

    void formatTimeInterval_data()
    {
        QTest::addColumn<qlonglong>("milliseconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0LL << "0:00";
        QTest::newRow("milliseconds dropped") << 999LL << "0:00";
        QTest::newRow("minute and second") << 61000LL << "1:01";
        QTest::newRow("hour") << 3661000LL << "1:01:01";
        QTest::newRow("day") << 90061000LL << "1.01:01:01";
        QTest::newRow("day exactly") << 86400000LL << "1.00:00:00";
        QTest::newRow("negative") << -61000LL << "-00:01:01";
        QTest::newRow("long") << 12LL * 3600000 << "12:00:00";
        QTest::newRow("most negative")
            << std::numeric_limits<qlonglong>::min() << "-106751991167.07:12:55";
    }
    void formatTimeInterval()
    {
        QFETCH(qlonglong, milliseconds);
        QFETCH(QString, text);
        QCOMPARE(qtx.formatTimeInterval(milliseconds), text);
        QCOMPARE(qtx.formatTimeInterval(milliseconds, "ignored"), text);
    }

    void randomStringUsesTheAlphabet()
    {
        QCOMPARE(qtx.createRandomString(0), QString());
        QCOMPARE(qtx.createRandomString(-3), QString());
        const QString text = qtx.createRandomString(2000);
        QCOMPARE(text.size(), 2000);
        QSet<QChar> seen;
        for (QChar c : text) {
            QVERIFY((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'));
            seen.insert(c);
        }
        // Every one of the 36 characters shows up in 2000 fair draws (miss chance ~1e-23).
        QCOMPARE(seen.size(), 36);
        QVERIFY(qtx.createRandomString(8) != qtx.createRandomString(8));
    }

    void uuids()
    {
        const QString dashed = qtx.createUuid(QtX::DashedNumbersUiid);
        QCOMPARE(dashed.size(), 36);
        QVERIFY(!dashed.contains('{'));
        QVERIFY(qtx.isValidUuid(dashed));
        const QString full = qtx.createUuid();
        QCOMPARE(full.size(), 38);
        QVERIFY(full.startsWith('{') && full.endsWith('}'));
        QVERIFY(qtx.isValidUuid(full));
        QVERIFY(!qtx.isValidUuid(QString()));
        QVERIFY(!qtx.isValidUuid("not-a-uuid"));
        QVERIFY(!qtx.isValidUuid("00000000-0000-0000-0000-000000000000"));
    }

    void operationResults()
    {
        const OperationResult warning = qtx.operationWarning(QStringLiteral("careful"));
        QVERIFY(warning.succeeded());
        QVERIFY(warning.warning());
        QVERIFY(!warning.failed());
        const OperationResult failure = qtx.operationFailure();
        QVERIFY(failure.failed());
        QVERIFY(!failure.succeeded());
        QVERIFY(failure.message().isEmpty());
        QVERIFY(!qtx.operationSuccess().warning());

        const OperationResult base = qtx.operationFailure("no", { { "a", 1 } });
        const QVariantMap news { { "a", 2 }, { "b", 3 } };
        const OperationResult extended = qtx.operationExtend(base, news);
        QCOMPARE(extended.result(), (QVariantMap { { "a", 1 }, { "b", 3 } }));
        QCOMPARE(extended.message(), QStringLiteral("no"));
        QVERIFY(extended.failed());
        QCOMPARE(qtx.operationOverwrite(base, news).result(), news);
    }

    void colours_data()
    {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<double>("contrast");
        QTest::newRow("white") << QColor(Qt::white) << 0.0;
        QTest::newRow("black") << QColor(Qt::black) << 1.0;
        QTest::newRow("dark grey") << QColor::fromRgbF(0.3, 0.3, 0.3) << 0.824;
        QTest::newRow("light grey") << QColor::fromRgbF(0.7, 0.7, 0.7) << 0.176;
        QTest::newRow("yellow") << QColor(Qt::yellow) << 0.114;
    }
    void colours()
    {
        QFETCH(QColor, color);
        QFETCH(double, contrast);
        Dye dye;
        QCOMPARE(qRound(dye.blackOrWhiteContrast(color).redF() * 1000), qRound(contrast * 1000));
    }

    void colourArithmetic()
    {
        Dye dye;
        QCOMPARE(dye.negativeColor(QColor(10, 20, 30, 40)), QColor(245, 235, 225, 40));
        QCOMPARE(dye.mixColors(Qt::black, Qt::white, 0.5).red(), 128);
        // Beyond the two colours the channels stop at their ends instead of going invalid.
        QVERIFY(dye.mixColors(Qt::black, Qt::white, 2).isValid());
        QCOMPARE(dye.mixColors(Qt::black, Qt::white, 2), QColor(Qt::white));
        QCOMPARE(dye.toHsv(QColor(128, 128, 128)).x(), 0.0f);
        QCOMPARE(qRound(dye.setColorAlpha(Qt::red, 0.5).alphaF() * 100), 50);
        QCOMPARE(qtx.colorToStr(QColor(1, 2, 3, 4)), QStringLiteral("#04010203"));
        QCOMPARE(qtx.hoverColor(Qt::white), QColor(Qt::white).darker(115));
        QCOMPARE(qtx.hoverColor(Qt::black), QColor(Qt::black).lighter(115));
        // Grid lines on white are dark, on black light.
        QVERIFY(qtx.goodColorForGrid(Qt::white).lightnessF() < 0.35);
        QVERIFY(qtx.goodColorForGrid(Qt::black).lightnessF() > 0.65);
    }

    void matrices()
    {
        Matrix matrix;
        const QMatrix4x4 flattened = matrix.scaled(QMatrix4x4(), 2);
        QCOMPARE(flattened.map(QPointF(3, 4)), QPointF(6, 0));
        // Scale about the anchor (10, 10), then move by (5, 0).
        const QMatrix4x4 anchored = matrix.of(10, 10, 5, 0, 2, 2);
        QCOMPARE(anchored.map(QPointF(10, 10)), QPointF(15, 10));
        QCOMPARE(anchored.map(QPointF(11, 10)), QPointF(17, 10));
        const QMatrix4x4 quarterTurn = matrix.of(0, 0, 0, 0, 1, 1, 90);
        QVERIFY(near(quarterTurn.map(QPointF(1, 0)), QPointF(0, 1)));
        const QMatrix4x4 aboutCenter = qtx.rotationMatrix(M_PI, QPointF(1, 1));
        QVERIFY(near(aboutCenter.map(QPointF(2, 1)), QPointF(0, 1)));
    }

    void hitTests()
    {
        const QVariantList square { QPointF(0, 0), QPointF(10, 0), QPointF(10, 10),
            QPointF(0, 10) };
        QVERIFY(qtx.contains(QPointF(5, 5), square, 0.5));
        QVERIFY(qtx.contains(QPointF(10.4, 5), square, 0.5));
        QVERIFY(!qtx.contains(QPointF(12, 5), square, 0.5));
        QVERIFY(qtx.intersects(QRectF(9, 9, 5, 5), square));
        QVERIFY(!qtx.intersects(QRectF(11, 11, 5, 5), square));
        QVERIFY(qtx.contains(QRectF(0, 0, 10, 10), QRectF(5, 5, 0, 0)));
        QVERIFY(!qtx.contains(QRectF(0, 0, 10, 10), QRectF(5, 5, 10, 1)));
    }

    void enums()
    {
        QEnums enums;
        qRegisterMetaType<QtX *>("QtX*");
        QCOMPARE(enums.keyToValue("QtX", "OS", "Linux"), 4);
        QCOMPARE(enums.valueToKey("QtX", "UserActionReason", 6), QStringLiteral("Rejected"));
        QTest::ignoreMessage(QtWarningMsg, "Class NoSuchClass not found");
        QCOMPARE(enums.keyToValue("NoSuchClass", "OS", "Linux"), -1);
        QTest::ignoreMessage(QtWarningMsg, "enum QtX::Nope not found");
        QVERIFY(enums.valueToKey("QtX", "Nope", 1).isNull());
        QVERIFY(enums.valueToKey("QtX", "OS", 99).isNull());
        QCOMPARE(enums.keyToValue("QtX", "OS", "Beos"), -1);
        qRegisterMetaType<QmlX *>("QmlX*");
        QCOMPARE(enums.valueToKeys("QmlX", "WriteFlag", 3),
            QByteArray("BypassInterceptor|DontRemoveBinding"));
        QCOMPARE(enums.valueToKeys("QmlX", "WriteFlag", QVariant(QPointF())), QByteArray());
        QVERIFY(enums.testFlag(6, 2));
        QVERIFY(!enums.testFlag(6, 1));
        QVERIFY(!enums.testFlag(QVariant(QPointF()), 1));
        QVERIFY(enums.testFlag(QVariant(0x80000000u), 0x80000000u));
    }

    void parentsAndOwnership()
    {
        QObject parent;
        auto *child = new QObject;
        QVERIFY(!qtx.setParentObject(nullptr, &parent));
        QVERIFY(qtx.setParentObject(child, &parent));
        QCOMPARE(child->parent(), &parent);
        QQmlEngine::setObjectOwnership(child, QQmlEngine::JavaScriptOwnership);
        QObject other;
        QVERIFY(!qtx.setParentObject(child, &other));
        QCOMPARE(child->parent(), &parent);
        QVERIFY(qtx.setParentObject(child, nullptr));
        QVERIFY(!child->parent());
        QCOMPARE(qtx.setJavaScriptOwnership(child), child);
        delete child;
    }

    void eventSenderIsTheSignallingObject()
    {
        QObject sender;
        QObject receiver;
        QObject *seen = &receiver;
        connect(&sender, &QObject::objectNameChanged, &receiver,
            [&] { seen = qtx.eventSender(&receiver); });
        QVERIFY(!qtx.eventSender(&receiver));
        sender.setObjectName("x");
        QCOMPARE(seen, &sender);
    }

    void queuedInvokeRunsLater()
    {
        QPointer<QObject> object = new QObject;
        qtx.queuedInvoke(object, QStringLiteral("deleteLater"));
        QVERIFY(object);
        QTRY_VERIFY(!object);
        qtx.queuedInvoke(nullptr, QStringLiteral("deleteLater"));
    }

    void toOffsetFromUtcKeepsTheInstant()
    {
        const QDateTime utc(QDate(2021, 1, 2), QTime(3, 4), Qt::UTC);
        QCOMPARE(qtx.toOffsetFromUtc(utc), utc);
        const QDateTime local(QDate(2021, 7, 2), QTime(3, 4));
        const QDateTime converted = qtx.toOffsetFromUtc(local);
        QCOMPARE(converted, local);
        QVERIFY(converted.timeSpec() != Qt::LocalTime);
        QCOMPARE(converted.offsetFromUtc(), local.offsetFromUtc());
        const QDateTime offset(QDate(2021, 1, 2), QTime(3, 4), Qt::OffsetFromUTC, 3600);
        QCOMPARE(qtx.toOffsetFromUtc(offset).offsetFromUtc(), 3600);
        QTest::ignoreMessage(
            QtWarningMsg, "Use QJsonValue TJson::toJson (QDateTime\tconst& dateTime) instead");
        QCOMPARE(qtx.toJsonValue(offset), QStringLiteral("2021-01-02T03:04:00+01:00"));
    }

    void environment()
    {
        QCOMPARE(qtx.qtCompileVersion(), QStringLiteral(QT_VERSION_STR));
        QCOMPARE(qtx.qtRuntimeVersion(), QString(qVersion()));
#ifdef Q_OS_LINUX
        QCOMPARE(qtx.os(), QtX::Linux);
#endif
        QCOMPARE(qtx.htmlToPlain("<p>a&amp;b</p>"), QStringLiteral("a&b"));
    }
};

QTEST_MAIN(ScriptUtilitiesTest)
#include "tst_scriptutilities.moc"
