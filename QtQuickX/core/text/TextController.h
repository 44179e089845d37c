#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QQuickItem>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

// Turns a Qt Quick text editing item into a small rich-text editor: character format and
// alignment at the cursor or on the selection, styling of the whole or an empty document,
// undo and redo. QML binds cursorPosition, selectionStart and selectionEnd to the item's.
class TextController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QQuickItem *target READ target WRITE setTarget NOTIFY targetChanged)
    Q_PROPERTY(
        int cursorPosition READ cursorPosition WRITE setCursorPosition NOTIFY cursorPositionChanged)
    Q_PROPERTY(
        int selectionStart READ selectionStart WRITE setSelectionStart NOTIFY selectionStartChanged)
    Q_PROPERTY(int selectionEnd READ selectionEnd WRITE setSelectionEnd NOTIFY selectionEndChanged)
    Q_PROPERTY(QString defaultStyleSheet READ defaultStyleSheet WRITE setDefaultStyleSheet NOTIFY
            defaultStyleSheetChanged)
    Q_PROPERTY(int fontSize READ fontSize WRITE setFontSize NOTIFY fontSizeChanged)
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor NOTIFY textColorChanged)
    Q_PROPERTY(QString fontFamily READ fontFamily WRITE setFontFamily NOTIFY fontFamilyChanged)
    Q_PROPERTY(Qt::Alignment alignment READ alignment WRITE setAlignment NOTIFY alignmentChanged)
    Q_PROPERTY(bool bold READ bold WRITE setBold NOTIFY boldChanged)
    Q_PROPERTY(bool italic READ italic WRITE setItalic NOTIFY italicChanged)
    Q_PROPERTY(bool underline READ underline WRITE setUnderline NOTIFY underlineChanged)
    Q_PROPERTY(bool strikeout READ strikeout WRITE setStrikeout NOTIFY strikeoutChanged)
    Q_PROPERTY(bool styleWholeDocument READ styleWholeDocument WRITE setStyleWholeDocument NOTIFY
            styleWholeDocumentChanged)
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
    Q_PROPERTY(bool canUndo READ canUndo NOTIFY canUndoRedoChanged)
    Q_PROPERTY(bool canRedo READ canRedo NOTIFY canUndoRedoChanged)
public:
    explicit TextController(QObject *parent = nullptr);
    ~TextController() override;

    QQuickItem *target() const { return m_target; }
    void setTarget(QQuickItem *target);
    QTextDocument *document() const { return m_document; }

    int cursorPosition() const { return m_cursorPosition; }
    void setCursorPosition(int position);
    int selectionStart() const { return m_selectionStart; }
    void setSelectionStart(int position);
    int selectionEnd() const { return m_selectionEnd; }
    void setSelectionEnd(int position);

    QString defaultStyleSheet() const;
    void setDefaultStyleSheet(const QString &styleSheet);

    int fontSize() const;
    QColor textColor() const;
    QString fontFamily() const;
    Qt::Alignment alignment() const;
    void setAlignment(Qt::Alignment alignment);
    bool bold() const;
    bool italic() const;
    bool underline() const;
    bool strikeout() const;
    bool styleWholeDocument() const { return m_styleWholeDocument; }
    void setStyleWholeDocument(bool styleWholeDocument);
    // Reads the document as HTML; writing only keeps the value.
    QString text() const;
    void setText(const QString &text);
    bool canUndo() const;
    bool canRedo() const;

    QTextCharFormat currentFormat() const { return m_currentFormat; }

    Q_INVOKABLE QString plainText() const;
    Q_INVOKABLE void undo();
    Q_INVOKABLE void redo();
    Q_INVOKABLE void applyCurrentStyle();
    // Styles an empty document through its default style sheet; a document with text is left.
    Q_INVOKABLE void setTextStyle(const QColor &color, int size, const QString &family, bool bold,
        bool italic, bool underline, bool strikeout, int horizontalAlignment);
    Q_INVOKABLE void clearHistory();
    Q_INVOKABLE bool isFormatEmpty() const;
    Q_INVOKABLE void clearDocument();
    Q_INVOKABLE void insertText(const QString &txt);
    Q_INVOKABLE QString trimmedPlainText(const QString &txt) const;
    Q_INVOKABLE void removeTextInRange(int start, int end);

    static const QString styleSheetTemplate;

public slots:
    void setBold(bool arg);
    void setItalic(bool arg);
    void setUnderline(bool arg);
    void setStrikeout(bool arg);
    void setFontSize(int arg);
    void setTextColor(const QColor &arg);
    void setFontFamily(const QString &arg);
    void undoRedoAvaible();

signals:
    void targetChanged();
    void cursorPositionChanged();
    void selectionStartChanged();
    void selectionEndChanged();
    void defaultStyleSheetChanged();
    void fontSizeChanged();
    void textColorChanged();
    void fontFamilyChanged();
    void alignmentChanged();
    void boldChanged();
    void italicChanged();
    void underlineChanged();
    void strikeoutChanged();
    void styleWholeDocumentChanged();
    void textChanged();
    void currentFormatChanged();
    void canUndoRedoChanged();

private slots:
    void onContentsChanged() { }
    void onUndoCommandAdded() { }

private:
    QTextCursor workingCursor() const;
    QTextCharFormat formatAtCursor() const;
    bool isDocumentEmpty() const;
    // Merges format into the selection, or the whole document when styling it all.
    void applyFormat(const QTextCharFormat &format);
    // The common tail of every setter: the change goes into the current format and the text.
    void changeFormat(const QTextCharFormat &change, void (TextController::*changed)());
    void applyCurrentStyleToEmptyDocument();
    void emitFormatSignals();

    QPointer<QQuickItem> m_target;
    QPointer<QTextDocument> m_document;
    int m_cursorPosition = -1;
    int m_selectionStart = 0;
    int m_selectionEnd = 0;
    QTextCharFormat m_currentFormat;
    bool m_styleWholeDocument = false;
    QString m_text;
};
