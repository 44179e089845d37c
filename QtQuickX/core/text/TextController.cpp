#include "TextController.h"

#include <QDebug>
#include <QQuickTextDocument>
#include <QTextBlock>
#include <QTextDocument>

const QString TextController::styleSheetTemplate = QStringLiteral(
    "body { color : %1 ; font-family: %2; font-style: %3;  font-weight: %4; text-decoration: %5 "
    "%6; font-size: %7px; }");

namespace {

constexpr int boldWeight = QFont::Bold; // 75
constexpr int normalWeight = QFont::Normal; // 50

} // namespace

TextController::TextController(QObject *parent)
    : QObject(parent)
{ }

TextController::~TextController()
{
    qDebug() << "~TextController()";
}

void TextController::setTarget(QQuickItem *target)
{
    if (m_document)
        disconnect(m_document, nullptr, this, nullptr);
    m_target = target;
    m_document = nullptr;
    if (target) {
        qDebug() << "TextController target" << target;
        auto *quickDocument = target->property("textDocument").value<QQuickTextDocument *>();
        m_document = quickDocument ? quickDocument->textDocument() : nullptr;
    }
    if (m_document) {
        connect(
            m_document, &QTextDocument::undoAvailable, this, &TextController::canUndoRedoChanged);
        connect(
            m_document, &QTextDocument::redoAvailable, this, &TextController::canUndoRedoChanged);
        connect(
            m_document, &QTextDocument::contentsChanged, this, &TextController::onContentsChanged);
        connect(m_document, &QTextDocument::undoCommandAdded, this,
            &TextController::onUndoCommandAdded);
    }
    emit targetChanged();
}

QTextCursor TextController::workingCursor() const
{
    if (!m_document)
        return QTextCursor();
    QTextCursor cursor(m_document);
    cursor.setKeepPositionOnInsert(true);
    // Positions come from bindings that may lag behind the document: keep them inside it.
    const int last = qMax(0, m_document->characterCount() - 1);
    const auto clamp = [last](int position) {
        return qBound(0, position, last);
    };
    if (m_selectionStart == m_selectionEnd) {
        cursor.setPosition(clamp(m_cursorPosition));
    } else {
        cursor.setPosition(clamp(m_selectionStart));
        cursor.setPosition(clamp(m_selectionEnd), QTextCursor::KeepAnchor);
    }
    return cursor;
}

QTextCharFormat TextController::formatAtCursor() const
{
    return m_document ? workingCursor().charFormat() : QTextCharFormat();
}

bool TextController::isDocumentEmpty() const
{
    return !m_document || m_document->toPlainText().isEmpty();
}

void TextController::setCursorPosition(int position)
{
    if (position == m_cursorPosition)
        return;
    m_cursorPosition = position;
    if (!(position == 0 && isDocumentEmpty()) && m_selectionStart == m_selectionEnd) {
        const QTextCharFormat atCursor = formatAtCursor();
        if (atCursor != m_currentFormat) {
            m_currentFormat = atCursor;
            emit currentFormatChanged();
            emitFormatSignals();
        }
    }
    emit cursorPositionChanged();
}

void TextController::setSelectionStart(int position)
{
    if (position == m_selectionStart)
        return;
    m_selectionStart = position;
    emit selectionStartChanged();
}

void TextController::setSelectionEnd(int position)
{
    if (position == m_selectionEnd)
        return;
    m_selectionEnd = position;
    emit selectionEndChanged();
}

QString TextController::defaultStyleSheet() const
{
    return m_document ? m_document->defaultStyleSheet() : QString();
}

void TextController::setDefaultStyleSheet(const QString &styleSheet)
{
    if (!m_document || styleSheet == m_document->defaultStyleSheet())
        return;
    m_document->setDefaultStyleSheet(styleSheet);
    m_document->setHtml(QStringLiteral("<body></body>"));
    emit defaultStyleSheetChanged();
}

int TextController::fontSize() const
{
    return m_document ? formatAtCursor().font().pixelSize() : 0;
}

QColor TextController::textColor() const
{
    return m_document ? formatAtCursor().foreground().color() : QColor(Qt::black);
}

QString TextController::fontFamily() const
{
    return m_document ? formatAtCursor().font().family() : QString();
}

Qt::Alignment TextController::alignment() const
{
    return m_document ? workingCursor().blockFormat().alignment() : Qt::AlignLeft;
}

void TextController::setAlignment(Qt::Alignment alignment)
{
    if (m_document) {
        QTextBlockFormat format;
        format.setAlignment(alignment);
        QTextCursor cursor = workingCursor();
        if (m_styleWholeDocument)
            cursor.select(QTextCursor::Document);
        cursor.mergeBlockFormat(format);
    }
    emit alignmentChanged();
}

bool TextController::bold() const
{
    return formatAtCursor().fontWeight() >= boldWeight;
}

bool TextController::italic() const
{
    return formatAtCursor().fontItalic();
}

bool TextController::underline() const
{
    return formatAtCursor().fontUnderline();
}

bool TextController::strikeout() const
{
    return formatAtCursor().fontStrikeOut();
}

void TextController::setStyleWholeDocument(bool styleWholeDocument)
{
    m_styleWholeDocument = styleWholeDocument;
    emit styleWholeDocumentChanged();
}

QString TextController::text() const
{
    return m_document ? m_document->toHtml() : QString();
}

void TextController::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    emit textChanged();
}

bool TextController::canUndo() const
{
    return m_document && m_document->isUndoAvailable();
}

bool TextController::canRedo() const
{
    return m_document && m_document->isRedoAvailable();
}

QString TextController::plainText() const
{
    return m_document ? m_document->toPlainText() : QString();
}

void TextController::undo()
{
    if (m_document)
        m_document->undo();
}

void TextController::redo()
{
    if (m_document)
        m_document->redo();
}

void TextController::applyCurrentStyle()
{
    applyFormat(m_currentFormat);
}

void TextController::applyFormat(const QTextCharFormat &format)
{
    if (!m_document)
        return;
    QTextCursor cursor = workingCursor();
    if (!cursor.hasSelection()) {
        if (!m_styleWholeDocument)
            return; // kept in the current format for the text typed next
        cursor.select(QTextCursor::Document);
    }
    cursor.mergeCharFormat(format);
}

void TextController::setTextStyle(const QColor &color, int size, const QString &family, bool bold,
    bool italic, bool underline, bool strikeout, int horizontalAlignment)
{
    if (!m_document || !isDocumentEmpty())
        return;
    const QString styleSheet = styleSheetTemplate.arg(color.name(QColor::HexArgb), family,
        italic ? QStringLiteral("italic") : QStringLiteral("normal"),
        bold ? QStringLiteral("600") : QStringLiteral("400"),
        underline ? QStringLiteral("underline") : QString(),
        strikeout ? QStringLiteral("line-through") : QString(), QString::number(size));
    setDefaultStyleSheet(styleSheet);
    setAlignment(Qt::Alignment(horizontalAlignment));
    m_currentFormat = workingCursor().blockCharFormat();
}

void TextController::applyCurrentStyleToEmptyDocument()
{
    const QFont font = m_currentFormat.font();
    setTextStyle(m_currentFormat.foreground().color(),
        m_currentFormat.property(QTextFormat::FontPixelSize).toInt(), font.family(),
        m_currentFormat.fontWeight() == boldWeight, m_currentFormat.fontItalic(),
        m_currentFormat.fontUnderline(), m_currentFormat.fontStrikeOut(), int(alignment()));
}

void TextController::changeFormat(const QTextCharFormat &change, void (TextController::*changed)())
{
    m_currentFormat.merge(change);
    if (isDocumentEmpty())
        applyCurrentStyleToEmptyDocument();
    applyFormat(change);
    emit(this->*changed)();
}

void TextController::setBold(bool arg)
{
    QTextCharFormat change;
    change.setFontWeight(arg ? boldWeight : normalWeight);
    changeFormat(change, &TextController::boldChanged);
}

void TextController::setItalic(bool arg)
{
    QTextCharFormat change;
    change.setFontItalic(arg);
    changeFormat(change, &TextController::italicChanged);
}

void TextController::setUnderline(bool arg)
{
    QTextCharFormat change;
    change.setFontUnderline(arg);
    changeFormat(change, &TextController::underlineChanged);
}

void TextController::setStrikeout(bool arg)
{
    QTextCharFormat change;
    change.setFontStrikeOut(arg);
    changeFormat(change, &TextController::strikeoutChanged);
}

void TextController::setFontSize(int arg)
{
    QTextCharFormat change;
    change.setProperty(QTextFormat::FontPixelSize, arg);
    m_currentFormat = formatAtCursor();
    changeFormat(change, &TextController::fontSizeChanged);
}

void TextController::setTextColor(const QColor &arg)
{
    if (arg == m_currentFormat.foreground().color())
        return;
    QTextCharFormat change;
    change.setForeground(arg);
    changeFormat(change, &TextController::textColorChanged);
}

void TextController::setFontFamily(const QString &arg)
{
    QTextCharFormat change;
    change.setFontFamily(arg);
    changeFormat(change, &TextController::fontFamilyChanged);
}

void TextController::undoRedoAvaible()
{
    emit canUndoRedoChanged();
}

void TextController::clearHistory()
{
    if (m_document)
        m_document->clearUndoRedoStacks();
}

bool TextController::isFormatEmpty() const
{
    return formatAtCursor().propertyCount() == 0;
}

void TextController::clearDocument()
{
    if (!m_document)
        return;
    m_document->clear();
    m_document->setDefaultStyleSheet(QString());
}

void TextController::insertText(const QString &txt)
{
    if (m_document)
        workingCursor().insertText(txt);
}

QString TextController::trimmedPlainText(const QString &txt) const
{
    return txt.trimmed();
}

void TextController::removeTextInRange(int start, int end)
{
    if (!m_document || end <= start)
        return;
    const int last = qMax(0, m_document->characterCount() - 1);
    QTextCursor cursor(m_document);
    cursor.setPosition(qBound(0, start, last));
    cursor.setPosition(qBound(0, end, last), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void TextController::emitFormatSignals()
{
    emit fontSizeChanged();
    emit textColorChanged();
    emit fontFamilyChanged();
    emit alignmentChanged();
    emit boldChanged();
    emit italicChanged();
    emit underlineChanged();
    emit strikeoutChanged();
}
