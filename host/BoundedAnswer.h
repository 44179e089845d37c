#pragma once

#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <QVariantList>

// A service answer read the way the service components read it (texts cut, the list bounded),
// but in native code, so that a large answer can be read off the GUI thread. What comes back is
// small: the answer again as compact JSON, with every text cut and the list bounded.
class BoundedAnswer
{
public:
    struct Options
    {
        // Texts longer than this are cut with an ellipsis (0: none is cut) ...
        int maxTextLength = 500;
        // ... except members of these names, which keep maxLongTextLength with a note.
        QStringList longTextKeys;
        int maxLongTextLength = 65536;
        // The note after a cut long text; %1 is the size of the whole text in UTF-8 bytes.
        QString cutNote;
        // The dotted path of the item list from the answer's root; empty: no list.
        QString collectionPath;
        // Items past this are left out (0: none).
        int maxItems = 0;
        // Items that are not objects are left out.
        bool recordItems = true;
    };

    // The answer is no JSON document (or one this reader cannot take, such as a bare number).
    bool valid = false;
    // The bounded answer as compact JSON.
    QString text;
    // The MD5 of the answer as it came, in hex: an unchanged answer is known without parsing.
    QString digest;
    // Items left out of the list: past maxItems or not objects.
    int droppedItems = 0;
    // The list held this many items before it was bounded.
    int listedItems = 0;
    // Each long text that was cut, whole: {path: [member or index, ...], key, text}.
    QVariantList uncut;

    static BoundedAnswer read(const QString &answer, const Options &options);

    // The text as the service components cut it: the first `limit` UTF-16 units without
    // splitting a surrogate pair, then an ellipsis, or the note with the whole size.
    static QString cut(const QString &text, int limit, const QString &note);
    static qint64 utf8Size(const QString &text);
};
