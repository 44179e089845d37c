#pragma once

#include "CatalogueRows.h"

#include <QFutureWatcher>
#include <QObject>

// Parses a fetched catalogue on a worker thread, so that a large or hostile file never holds
// up the window; only the bounded rows come back.
class CatalogueReader : public QObject
{
    Q_OBJECT
    Q_PROPERTY(Format format READ format WRITE setFormat NOTIFY formatChanged)
    Q_PROPERTY(QVariantList rows READ rows NOTIFY finished)
    // The number of rows, without making them into script values.
    Q_PROPERTY(int count READ count NOTIFY finished)
    Q_PROPERTY(QVariantMap summary READ summary NOTIFY finished)
    Q_PROPERTY(QString errorString READ errorString NOTIFY finished)
    Q_PROPERTY(int droppedRows READ droppedRows NOTIFY finished)
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
public:
    enum Format { FirmwareXml, StoreJson };
    Q_ENUM(Format)

    explicit CatalogueReader(QObject *parent = nullptr);

    Format format() const { return m_format; }
    void setFormat(Format format);
    QVariantList rows() const { return m_result.rows; }
    int count() const { return m_result.rows.size(); }
    QVariantMap summary() const { return m_result.summary; }
    QString errorString() const { return m_result.error; }
    int droppedRows() const { return m_result.droppedRows; }
    bool busy() const { return m_watcher != nullptr; }

    // A newer text replaces one still being parsed: only the last one finishes.
    Q_INVOKABLE void read(const QString &text);
    // Gives up the rows with a reason, such as a fetch that failed.
    Q_INVOKABLE void fail(const QString &reason);

signals:
    void formatChanged();
    void finished();
    void busyChanged();

private:
    // The parse in progress, or none; a replaced one is dropped with its result.
    void replaceParse(QFutureWatcher<CatalogueRows> *watcher);

    Format m_format = FirmwareXml;
    CatalogueRows m_result;
    QFutureWatcher<CatalogueRows> *m_watcher = nullptr;
};
