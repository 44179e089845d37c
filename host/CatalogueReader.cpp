#include "CatalogueReader.h"

#include "FirmwareCatalogue.h"
#include "StoreCatalogue.h"

#include <QtConcurrent>

CatalogueReader::CatalogueReader(QObject *parent)
    : QObject(parent)
{ }

void CatalogueReader::setFormat(Format format)
{
    if (m_format == format)
        return;
    m_format = format;
    emit formatChanged();
}

void CatalogueReader::read(const QString &text)
{
    auto *watcher = new QFutureWatcher<CatalogueRows>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        if (watcher != m_watcher)
            return;
        m_result = watcher->result();
        replaceParse(nullptr);
        emit finished();
    });
    replaceParse(watcher);
    const Format format = m_format;
    // The parse holds nothing of this object: one abandoned for a newer text ends on its own.
    watcher->setFuture(QtConcurrent::run([format, text] {
        return format == StoreJson ? StoreCatalogue::parse(text) : FirmwareCatalogue::parse(text);
    }));
}

void CatalogueReader::fail(const QString &reason)
{
    replaceParse(nullptr);
    m_result = CatalogueRows::failure(reason);
    emit finished();
}

void CatalogueReader::replaceParse(QFutureWatcher<CatalogueRows> *watcher)
{
    const bool wasBusy = busy();
    if (m_watcher) {
        m_watcher->disconnect(this);
        m_watcher->deleteLater();
    }
    m_watcher = watcher;
    if (wasBusy != busy())
        emit busyChanged();
}
