#include "TextController.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QTextBlock>
#include <QtTest>

namespace {

QTextCharFormat formatAt(QTextDocument *document, int position)
{
    QTextCursor cursor(document);
    cursor.setPosition(position);
    return cursor.charFormat();
}

} // namespace

class TextControllerTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QQmlComponent component(&m_engine);
        component.setData(
            "import QtQuick 2.15\nTextEdit { textFormat: TextEdit.RichText }", QUrl());
        m_edit.reset(qobject_cast<QQuickItem *>(component.create()));
        QVERIFY2(m_edit, qPrintable(component.errorString()));
        m_controller = std::make_unique<TextController>();
        m_controller->setTarget(m_edit.get());
        QVERIFY(m_controller->document());
    }
    void cleanup()
    {
        m_controller.reset();
        m_edit.reset();
    }

    void withoutTargetEverythingIsHarmless()
    {
        TextController controller;
        QCOMPARE(controller.fontSize(), 0);
        QCOMPARE(controller.textColor(), QColor(Qt::black));
        QCOMPARE(controller.alignment(), Qt::AlignLeft);
        QCOMPARE(controller.fontFamily(), QString());
        QSignalSpy bold(&controller, &TextController::boldChanged);
        controller.setBold(true);
        controller.insertText("x");
        controller.removeTextInRange(0, 1);
        controller.undo();
        QCOMPARE(bold.count(), 1);
        QCOMPARE(controller.plainText(), QString());
    }

    void fontSizeOnEmptyDocumentWritesStyleSheet()
    {
        QSignalSpy styleSheet(m_controller.get(), &TextController::defaultStyleSheetChanged);
        QSignalSpy fontSize(m_controller.get(), &TextController::fontSizeChanged);
        m_controller->setFontSize(20);
        QCOMPARE(styleSheet.count(), 1);
        QCOMPARE(fontSize.count(), 1);
        const QString sheet = m_controller->defaultStyleSheet();
        QVERIFY2(sheet.startsWith("body { color : #ff000000 ;"), qPrintable(sheet));
        QVERIFY2(sheet.contains("font-size: 20px;"), qPrintable(sheet));
        QVERIFY(sheet.contains("font-weight: 400;"));

        m_controller->setBold(true); // still empty: the sheet is written again, keeping the size
        const QString boldSheet = m_controller->defaultStyleSheet();
        QVERIFY2(boldSheet.contains("font-weight: 600;"), qPrintable(boldSheet));
        QVERIFY(boldSheet.contains("font-size: 20px;"));

        m_controller->insertText("typed");
        QCOMPARE(formatAt(m_controller->document(), 2).font().pixelSize(), 20);
    }

    void setTextStyleFillsTheTemplate()
    {
        m_controller->setTextStyle(
            QColor(255, 0, 0, 128), 14, "Roboto", true, true, true, true, int(Qt::AlignRight));
        QCOMPARE(m_controller->defaultStyleSheet(),
            QString("body { color : #80ff0000 ; font-family: Roboto; font-style: italic;  "
                    "font-weight: 600; text-decoration: underline line-through; font-size: "
                    "14px; }"));
        QCOMPARE(m_controller->alignment(), Qt::AlignRight);
        QVERIFY(m_controller->currentFormat().fontItalic());

        m_controller->insertText("text");
        const QString before = m_controller->defaultStyleSheet();
        m_controller->setTextStyle(Qt::blue, 30, "Serif", false, false, false, false, 0);
        QCOMPARE(m_controller->defaultStyleSheet(), before);
        QCOMPARE(m_controller->plainText(), QString("text"));
    }

    void formatWithoutSelection_data()
    {
        QTest::addColumn<bool>("wholeDocument");
        QTest::newRow("current format only") << false;
        QTest::newRow("whole document") << true;
    }
    void formatWithoutSelection()
    {
        QFETCH(bool, wholeDocument);
        m_controller->insertText("some words");
        m_controller->setCursorPosition(3);
        m_controller->setStyleWholeDocument(wholeDocument);
        const QString html = m_controller->document()->toHtml();
        QSignalSpy bold(m_controller.get(), &TextController::boldChanged);
        m_controller->setBold(true);
        QCOMPARE(bold.count(), 1);
        QCOMPARE(m_controller->currentFormat().fontWeight(), int(QFont::Bold));
        if (wholeDocument) {
            for (int position : { 1, 5, 10 })
                QCOMPARE(
                    formatAt(m_controller->document(), position).fontWeight(), int(QFont::Bold));
        } else {
            QCOMPARE(m_controller->document()->toHtml(), html);
        }
        QCOMPARE(m_controller->plainText(), QString("some words"));
    }

    void formatOnSelection()
    {
        m_controller->insertText("abcdef");
        m_controller->setSelectionStart(1);
        m_controller->setSelectionEnd(3);
        m_controller->setItalic(true);
        m_controller->setTextColor(Qt::red);
        QTextDocument *document = m_controller->document();
        QVERIFY(formatAt(document, 2).fontItalic());
        QCOMPARE(formatAt(document, 3).foreground().color(), QColor(Qt::red));
        QVERIFY(!formatAt(document, 5).fontItalic());
        QVERIFY(!formatAt(document, 1).fontItalic()); // the format before position 1
        QVERIFY(m_controller->italic());
    }

    void sameColourEmitsNothing()
    {
        m_controller->insertText("abc");
        m_controller->setTextColor(QColor("#336699"));
        QSignalSpy colour(m_controller.get(), &TextController::textColorChanged);
        m_controller->setTextColor(QColor("#336699"));
        QCOMPARE(colour.count(), 0);
        m_controller->setTextColor(QColor("#112233"));
        QCOMPARE(colour.count(), 1);
    }

    void alignment_data()
    {
        QTest::addColumn<bool>("wholeDocument");
        QTest::addColumn<int>("firstBlockAlignment");
        QTest::newRow("current block") << false << int(Qt::AlignLeft);
        QTest::newRow("whole document") << true << int(Qt::AlignHCenter);
    }
    void alignment()
    {
        QFETCH(bool, wholeDocument);
        QFETCH(int, firstBlockAlignment);
        m_controller->insertText("first\nsecond");
        m_controller->setCursorPosition(8);
        m_controller->setStyleWholeDocument(wholeDocument);
        QSignalSpy changed(m_controller.get(), &TextController::alignmentChanged);
        m_controller->setAlignment(Qt::AlignHCenter);
        QCOMPARE(changed.count(), 1);
        QTextDocument *document = m_controller->document();
        QCOMPARE(int(document->firstBlock().blockFormat().alignment()), firstBlockAlignment);
        QCOMPARE(document->lastBlock().blockFormat().alignment(), Qt::AlignHCenter);
        QCOMPARE(m_controller->alignment(), Qt::AlignHCenter);
    }

    void cursorMoveTakesFormat()
    {
        m_controller->insertText("plain");
        QTextCursor cursor(m_controller->document());
        cursor.movePosition(QTextCursor::End);
        QTextCharFormat boldFormat;
        boldFormat.setFontWeight(QFont::Bold);
        cursor.insertText("BOLD", boldFormat);
        QSignalSpy current(m_controller.get(), &TextController::currentFormatChanged);
        QSignalSpy bold(m_controller.get(), &TextController::boldChanged);
        m_controller->setCursorPosition(7);
        QCOMPARE(current.count(), 1);
        QVERIFY(bold.count() >= 1);
        QVERIFY(m_controller->bold());
        QCOMPARE(m_controller->currentFormat().fontWeight(), int(QFont::Bold));
        m_controller->setCursorPosition(2);
        QCOMPARE(current.count(), 2);
        QVERIFY(!m_controller->bold());
    }

    void textPropertyKeepsDocument()
    {
        m_controller->insertText("kept");
        QSignalSpy changed(m_controller.get(), &TextController::textChanged);
        m_controller->setText("<b>other</b>");
        m_controller->setText("<b>other</b>");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(m_controller->plainText(), QString("kept"));
        QVERIFY(m_controller->text().startsWith("<!DOCTYPE HTML"));
        QVERIFY(m_controller->text().contains("kept"));
    }

    void removeTextInRange_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<QString>("left");
        QTest::newRow("empty range") << 5 << 5 << "0123456789";
        QTest::newRow("reversed") << 5 << 2 << "0123456789";
        QTest::newRow("middle") << 2 << 5 << "0156789";
        QTest::newRow("past the end") << 8 << 50 << "01234567";
    }
    void removeTextInRange()
    {
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(QString, left);
        m_controller->insertText("0123456789");
        m_controller->removeTextInRange(start, end);
        QCOMPARE(m_controller->plainText(), left);
    }

    void undoRedo()
    {
        QSignalSpy availability(m_controller.get(), &TextController::canUndoRedoChanged);
        m_controller->insertText("abc");
        QVERIFY(m_controller->canUndo());
        QVERIFY(availability.count() >= 1);
        m_controller->undo();
        QCOMPARE(m_controller->plainText(), QString());
        QVERIFY(m_controller->canRedo());
        m_controller->redo();
        QCOMPARE(m_controller->plainText(), QString("abc"));
        m_controller->clearHistory();
        QVERIFY(!m_controller->canUndo());
        QVERIFY(!m_controller->canRedo());
    }

    void clearDocumentAndHelpers()
    {
        m_controller->setFontSize(18);
        m_controller->insertText("text");
        m_controller->clearDocument();
        QCOMPARE(m_controller->plainText(), QString());
        QCOMPARE(m_controller->defaultStyleSheet(), QString());
        QVERIFY(m_controller->isFormatEmpty());
        QCOMPARE(m_controller->trimmedPlainText("  a b \n"), QString("a b"));
    }

    void targetDestroyed()
    {
        m_edit.reset();
        QCOMPARE(m_controller->document(), nullptr);
        QCOMPARE(m_controller->plainText(), QString());
        m_controller->setBold(true);
    }

private:
    QQmlEngine m_engine;
    std::unique_ptr<QQuickItem> m_edit;
    std::unique_ptr<TextController> m_controller;
};

QTEST_MAIN(TextControllerTest)
#include "tst_textcontroller.moc"
