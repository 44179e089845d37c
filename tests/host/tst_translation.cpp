#include "ConsoleTranslation.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QtTest>

// The bundled translation reaches the QML texts; a language without one leaves them as written.
class TranslationTest : public QObject
{
    Q_OBJECT

private:
    static QString signInText()
    {
        QQmlEngine engine;
        engine.addImportPath(QStringLiteral("qrc:/"));
        QQmlComponent component(&engine);
        component.setData("import QtQml 2.15\nimport App.Constants 1.0\n"
                          "QtObject { property string text: Strings.signIn }",
            QUrl());
        QScopedPointer<QObject> object(component.create());
        if (!object) {
            qWarning() << component.errors();
            return QString();
        }
        return object->property("text").toString();
    }

private slots:
    // First, while no translation is installed.
    void languageWithoutTranslationKeepsTheTexts()
    {
        QVERIFY(!ConsoleTranslation::install(QLocale(QLocale::Finnish, QLocale::Finland)));
        QCOMPARE(signInText(), QStringLiteral("Sign in"));
    }

    void bundledTranslationReachesQml()
    {
        // A regional variant falls back to its language's translation.
        QVERIFY(ConsoleTranslation::install(QLocale(QLocale::German, QLocale::Austria)));
        QCOMPARE(signInText(), QStringLiteral("Anmelden"));
    }
};

QTEST_MAIN(TranslationTest)
#include "tst_translation.moc"
