#include "AnswerReader.h"

#include "BoundedAnswer.h"

#include <QFutureWatcher>
#include <QtConcurrent>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// The tens of megabytes a read parses through were taken from the worker thread's own heap,
// which keeps freed memory for itself: hand it back, or every large answer stays resident.
void releaseFreedMemory()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

} // namespace

AnswerReader::AnswerReader(QObject *parent)
    : QObject(parent)
{ }

void AnswerReader::read(const QString &answer, const QVariantMap &bounds)
{
    BoundedAnswer::Options options;
    options.maxTextLength = bounds.value(QStringLiteral("maxTextLength"), 500).toInt();
    options.longTextKeys = bounds.value(QStringLiteral("longTextKeys")).toStringList();
    options.maxLongTextLength = bounds.value(QStringLiteral("maxLongTextLength"), 65536).toInt();
    options.cutNote = bounds.value(QStringLiteral("cutNote")).toString();
    options.collectionPath = bounds.value(QStringLiteral("collectionPath")).toString();
    options.maxItems = bounds.value(QStringLiteral("maxItems"), 0).toInt();
    options.recordItems = bounds.value(QStringLiteral("recordItems"), true).toBool();

    const quint64 generation = ++m_generation;
    setBusy(true);
    auto *watcher = new QFutureWatcher<BoundedAnswer>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        if (generation != m_generation)
            return;
        const BoundedAnswer result = watcher->result();
        setBusy(false);
        emit finished(result.valid, result.text, result.digest, result.droppedItems,
            result.listedItems, result.uncut);
    });
    // The read holds nothing of this object: one abandoned for a newer answer ends on its own.
    watcher->setFuture(QtConcurrent::run([answer, options] {
        BoundedAnswer result = BoundedAnswer::read(answer, options);
        releaseFreedMemory();
        return result;
    }));
}

void AnswerReader::cancel()
{
    ++m_generation;
    setBusy(false);
}

void AnswerReader::setBusy(bool busy)
{
    if (m_busy == busy)
        return;
    m_busy = busy;
    emit busyChanged();
}
