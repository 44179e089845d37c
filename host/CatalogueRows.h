#pragma once

#include <QString>
#include <QVariantList>
#include <QVariantMap>

// What a catalogue parse gives the editors: bounded rows, or why there are none.
struct CatalogueRows
{
    // Rows beyond this are counted, not kept: no editor lists more.
    static constexpr int MaxRows = 10000;
    // Names and versions longer than this are cut: no label shows more.
    static constexpr int MaxTextLength = 300;

    QVariantList rows;
    // What the editors derive from the rows, worked out with them off the GUI thread.
    QVariantMap summary;
    // Empty when the catalogue could be read.
    QString error;
    // Rows left out by the row bound.
    int droppedRows = 0;

    static CatalogueRows failure(const QString &reason)
    {
        CatalogueRows result;
        result.error = reason;
        return result;
    }

    // The text, cut to the bound with an ellipsis.
    static QString bounded(const QString &text, int length = MaxTextLength)
    {
        const QString trimmed = text.trimmed();
        return trimmed.size() <= length ? trimmed : trimmed.left(length) + QChar(0x2026);
    }
};
