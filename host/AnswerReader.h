#pragma once

#include <QObject>
#include <QVariantMap>

// Reads a large service answer on a worker thread (parse, texts cut, list bounded), so that no
// answer the client accepts holds up the window; the script side then parses only what is left.
class AnswerReader : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
public:
    explicit AnswerReader(QObject *parent = nullptr);

    bool busy() const { return m_busy; }

    // Reads with the bounds named as the members of BoundedAnswer::Options (maxTextLength,
    // longTextKeys, maxLongTextLength, cutNote, collectionPath, maxItems, recordItems). A newer
    // answer replaces one still being read: only the last one finishes.
    Q_INVOKABLE void read(const QString &answer, const QVariantMap &bounds);
    // Drops the answer being read, without finished().
    Q_INVOKABLE void cancel();

signals:
    // valid: the answer was a JSON document; text: it bounded, as JSON; uncut: the long texts
    // that were cut, whole ({path, key, text}).
    void finished(bool valid, const QString &text, const QString &digest, int droppedItems,
        int listedItems, const QVariantList &uncut);
    void busyChanged();

private:
    void setBusy(bool busy);

    // Only the read of the latest generation reports.
    quint64 m_generation = 0;
    bool m_busy = false;
};
